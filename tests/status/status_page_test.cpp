// The status page against the simulated communicator, driven as the installer would: the
// page opens, the thread reports, the page draws; an output is switched from the grid's
// menu; the page is closed while a read is in progress.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "device_sim_fixture.h"
#include "link/at_channel.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "status/status_page.h"
#include "temp_dir.h"
#include "widgets/hex_indicator.h"
#include "widgets/lcd_display.h"
#include "widgets/qt_text.h"
#include "widgets/vela_grid.h"

namespace {

class StatusPageTest : public DeviceSimTest {
 protected:
  void SetUp() override {
    // The LCD pictures the page looks for, as the build lays them out.
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::black);
    std::filesystem::create_directories(pictures.path() / "lcd");
    std::vector<std::string> files = {"nosign.bmp", "none.bmp"};
    for (int n = 1; n <= 10; ++n) files.push_back("lcd-sign" + std::to_string(n) + ".bmp");
    for (const auto& f : files)
      picture.save(QString::fromStdString((pictures.path() / "lcd" / f).string()));
    savedFolder_ = BitmapFolder;
    BitmapFolder = pictures.str() + "/";
    ModuleInfo = Dati_Modulo{};
  }
  void TearDown() override {
    page.reset();
    BitmapFolder = savedFolder_;
    ModuleInfo = Dati_Modulo{};
    BusyFlag = false;
    DeviceSimTest::TearDown();
  }

  TfrmStato& Open() {
    page = std::make_unique<TfrmStato>(nullptr);
    page->resize(800, 600);
    page->show();
    QApplication::processEvents();
    return *page;
  }
  // Lets the posted page messages run until pred holds (real milliseconds).
  template <typename Pred>
  bool Pump(Pred pred, int realMs = 5000) {
    return WaitUntil(
        [&] {
          ui.host.RunPosted();
          QApplication::processEvents();
          return pred();
        },
        realMs);
  }
  bool Indicator(int picture) {
    return Pump([&] { return page->Image9->Picture() == picture; });
  }

  TempDir pictures;
  std::unique_ptr<TfrmStato> page;

 private:
  std::string savedFolder_;
};

TEST_F(StatusPageTest, FamilyIShowsWhatTheDeviceReports) {
  Start('I');
  DeviceStatus status;
  status.signal = 130;       // picture 5
  status.supply = 152;       // supply picture 5
  status.warnings = 0x05;    // warnings 1 and 3, no warning state
  status.inputs = 0x12;      // input 2 now, input 1 at rest
  status.inputFlags = 0x20;  // service 2A
  status.outputsOn = 0x1;
  status.outputsValued = 0x1;
  status.outputValues[0] = 30;
  sim->SetStatus(status);
  Open();
  ASSERT_TRUE(Indicator(kIndicatorAnswering));
  TfrmStato& p = *page;
  EXPECT_EQ(p.Label12->text(), "1.05");
  EXPECT_EQ(p.identity[0]->text(), "MOTOROLA");
  EXPECT_EQ(p.identity[1]->text(), "G20 EU");
  EXPECT_EQ(ModuleInfo.Manufacturer, "MOTOROLA");
  EXPECT_TRUE(p.Lcd->PictureFile().endsWith("lcd/lcd-sign5.bmp"))
      << p.Lcd->PictureFile().toStdString();
  EXPECT_EQ(p.Lcd->Line(3), "SIMNET");
  EXPECT_EQ(p.Image8->property("picture").toInt(), 5);
  // The warnings grid draws from the values of the last refresh.
  GridCellLook look = p.sgAllarmi->LookOf(1, 1);
  EXPECT_FALSE(look.picture.isNull());
  EXPECT_EQ(p.sgIngressi->Text(2, 4), ToQString(LanguageText(178)));
  EXPECT_EQ(p.sgUscite->Text(1, 5), "30");
  EXPECT_EQ(p.sgUscite->Text(2, 5), "");
  EXPECT_EQ(p.dtSms->text(), "");  // no counters running
  EXPECT_TRUE(p.Monitor()->Status().warnings == 0x05);

  // Switching output 3 from the grid's menu changes the device's output.
  p.sgUscite->setCurrentCell(3, 1);
  p.ONOFF1->trigger();
  ASSERT_TRUE(WaitUntil([&] { return sim->Status().outputsOn == 0x5; }, 2000));
  ASSERT_TRUE(Pump([&] { return OutputOn(p.Monitor()->Outputs(), 3); }));
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(StatusPageTest, FamilyIIndicatorsForNotReadyAndWarningState) {
  Start('I', {"not-ready"});
  Open();
  ASSERT_TRUE(Indicator(kIndicatorNotReady));
  EXPECT_EQ(page->Label12->text(), "");
  page->ClosePage();
  page.reset();
  TearDown();

  Start('I', {"warning=0x40"});
  Open();
  ASSERT_TRUE(Indicator(kIndicatorWarning));
  // In the warning state the inputs and outputs are left alone.
  sim->ClearReceived();
  std::this_thread::sleep_for(std::chrono::milliseconds(ScaledMs(3000)));
  for (const auto& b : sim->Received()) EXPECT_TRUE(b != ":" && b != "9") << b;
  EXPECT_EQ(page->sgUscite->Text(1, 5), "");
}

TEST_F(StatusPageTest, FamilyIUnsupportedVersionStopsPolling) {
  Start('I', {}, "1.12");
  Open();
  ASSERT_TRUE(Pump([&] { return page->StaticText1->text() == ToQString(LanguageText(127)); }));
  EXPECT_EQ(page->Label12->text(), "");
  ASSERT_TRUE(WaitUntil([&] { return page->Monitor()->Ended(); }));
  sim->ClearReceived();
  std::this_thread::sleep_for(std::chrono::milliseconds(ScaledMs(6000)));
  EXPECT_TRUE(sim->Received().empty());
}

TEST_F(StatusPageTest, FamilyIClosingStopsWithinTheLimitWhileAReadWaits) {
  Start('I');
  Open();
  ASSERT_TRUE(Indicator(kIndicatorAnswering));
  ASSERT_TRUE(sim->SetFault("silent"));
  // Past the 5-second pause the thread waits for a frame that does not come.
  std::this_thread::sleep_for(std::chrono::milliseconds(ScaledMs(5600)));
  const auto start = WaitStart();
  page->ClosePage();
  const int took = NominalMsSince(start);
  EXPECT_TRUE(page->Monitor()->Ended());
  EXPECT_LE(took, TfrmStato::kCloseWaitMs);
  EXPECT_EQ(Comm.Handle, -1);
}

TEST_F(StatusPageTest, FamilyISecondCommandWaitsThenIsDroppedWhileTheFirstIsPending) {
  // The module stops answering after the path opens: the identification sits in its
  // 11-second wait for the manufacturer and takes no command meanwhile.
  Start('I', {"silent-after=5"});
  Open();
  auto received = [&](const std::string& what) {
    const auto r = sim->Received();
    return std::find(r.begin(), r.end(), what) != r.end();
  };
  ASSERT_TRUE(Pump([&] { return received("AT+CGMI"); }));
  page->sgUscite->setCurrentCell(1, 1);
  page->ONOFF1->trigger();
  page->sgUscite->setCurrentCell(2, 1);
  const auto start = WaitStart();
  page->ONOFF1->trigger();
  EXPECT_GE(NominalMsSince(start), 5500);
  ASSERT_TRUE(WaitUntil([&] { return received("0"); }));  // the first, after identifying
  std::this_thread::sleep_for(std::chrono::milliseconds(ScaledMs(3000)));
  EXPECT_FALSE(received("1"));
}

TEST_F(StatusPageTest, FamilyIDeviceThatDoesNotAnswerStartsNoThread) {
  Start('I', {"silent"});
  Open();
  ASSERT_TRUE(Indicator(kIndicatorNoAnswer));
  EXPECT_TRUE(page->Monitor()->Ended());
}

TEST_F(StatusPageTest, FamilyAPollsCellsAndSignalAndHoldsThePage) {
  Start('A');
  ModuleInfo.Manufacturer = "SIMULATED";
  ModuleInfo.Model = "GSM-A900";
  ModuleInfo.Revision = "REVISION 02.10";
  Open();
  EXPECT_FALSE(page->GroupBox2->isHidden());
  EXPECT_TRUE(page->Panel2->isHidden());
  page->SpeedButton1->click();
  ASSERT_TRUE(page->Polling());
  EXPECT_TRUE(BusyFlag);
  ASSERT_TRUE(Pump([&] { return !page->cellLabels[0]->text().isEmpty(); }));
  EXPECT_EQ(page->cellLabels[0]->text(), "62");
  EXPECT_EQ(page->cellPictures[0]->property("file").toString(), "lcd-sign6.bmp");  // level 18
  EXPECT_EQ(page->cellLabels[3]->text(), "521");
  EXPECT_EQ(page->cellLabels[4]->text(), "");  // the module's OK is no cell
  EXPECT_EQ(page->Image7->property("file").toString(), "lcd-sign6.bmp");
  sim->SetModuleRssi(99);
  ASSERT_TRUE(Pump([&] { return page->Image7->property("file").toString() == "none.bmp"; }));

  // Leaving the page is refused while it polls.
  EXPECT_FALSE(page->CanLeave());
  EXPECT_EQ(ui.host.BoxTexts(), std::vector<std::string>{LanguageText(161)});
  page->SpeedButton1->click();
  ASSERT_TRUE(Pump([&] { return !page->Polling(); }));
  EXPECT_FALSE(BusyFlag);
  EXPECT_TRUE(page->CanLeave());
  EXPECT_EQ(Comm.Handle, -1);
}

TEST_F(StatusPageTest, FamilyAButtonNeedsAnIdentifiedModule) {
  Start('A');
  Open();
  page->SpeedButton1->click();
  EXPECT_FALSE(page->Polling());
  EXPECT_FALSE(page->SpeedButton1->isChecked());
  EXPECT_FALSE(BusyFlag);
}

}  // namespace
