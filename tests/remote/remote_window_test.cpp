// The remote-programming window over a stored customer and the simulated communicator: the
// lines it computes, what the module's SMS sink receives, and the failures it reports.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "archive/archive.h"
#include "archive/archive_store.h"
#include "device_sim_fixture.h"
#include "record_samples.h"
#include "remote/remote_dialogs.h"
#include "shell/language.h"
#include "stored_customer.h"
#include "temp_dir.h"

namespace {

class RemoteWindowTest : public DeviceSimTest {
 protected:
  void SetUp() override {
    StoreAlfa(dir, Cliente, GlobalBuffer);
    Cliente.TelCentrale = "+393330001111";
    savedRecord = GlobalBuffer;
    savedHeader = Cliente;
  }
  void TearDown() override {
    InstallArchiveStore(nullptr);
    GlobalBuffer = Tag_GlobalBuffer{};
    DeviceSimTest::TearDown();
  }
  void StartDevice(const std::string& maker, std::vector<std::string> faults = {}) {
    Start('I', std::move(faults), "", maker);
    SetPacingSpeed(50);  // ten seconds between messages take 200 ms
  }
  QStringList MemoLines(const TfrmProgRemota& w) const {
    return w.Memo1->toPlainText().split('\n', Qt::SkipEmptyParts);
  }

  TempDir dir;
  Tag_GlobalBuffer savedRecord;
  Tag_Cliente savedHeader;
};

TEST_F(RemoteWindowTest, ComparingWithItselfLeavesSendDisabled) {
  TfrmProgRemota w;
  ASSERT_EQ(w.lvClienti->topLevelItemCount(), 1);
  ASSERT_FALSE(w.lvClienti->selectedItems().isEmpty());  // the current customer
  w.BitBtn1->click();
  EXPECT_TRUE(w.Memo1->toPlainText().isEmpty());
  EXPECT_FALSE(w.BitBtn2->isEnabled());
  EXPECT_EQ(GlobalBuffer, savedRecord);
  EXPECT_EQ(Cliente, savedHeader);
}

TEST_F(RemoteWindowTest, CompareWithoutSelectionDoesNothingAndAllListsEverything) {
  TfrmProgRemota w;
  w.lvClienti->clearSelection();
  w.BitBtn1->click();
  EXPECT_FALSE(w.BitBtn2->isEnabled());
  w.BitBtn4->click();
  EXPECT_EQ(MemoLines(w).size(), 17 + 99);
  EXPECT_TRUE(w.BitBtn2->isEnabled());
}

TEST_F(RemoteWindowTest, ACustomerDeletedMeanwhileLeavesTheRecordAlone) {
  TfrmProgRemota w;
  ASSERT_TRUE(ArchiveDeleteCustomer(Cliente.SerialCli));
  w.BitBtn1->click();
  EXPECT_TRUE(w.Memo1->toPlainText().isEmpty());
  EXPECT_FALSE(w.BitBtn2->isEnabled());
  EXPECT_EQ(GlobalBuffer, savedRecord);
}

TEST_F(RemoteWindowTest, SendPutsExactlyTheMemoLinesInTheSinkToTheTypedNumber) {
  StartDevice("MOTOROLA");
  GlobalBuffer.NumeriTelefonici[7].Numero = "";
  GlobalBuffer.Ingressi[2].SMSRipr = "Ripristino";
  TfrmProgRemota w;
  w.BitBtn1->click();
  const QStringList memo = MemoLines(w);
  ASSERT_EQ(memo, (QStringList{"#*h*Ripristino*", "#*r*07*"}));
  w.askNumber = [](std::string& number) {
    number = "3471234567";
    return true;
  };
  w.BitBtn2->click();
  const auto sent = sim->SentMessages();
  ASSERT_EQ(sent.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(sent[static_cast<std::size_t>(i)].destination, "3471234567");
    EXPECT_EQ(QString::fromStdString(sent[static_cast<std::size_t>(i)].text), memo[i]);
  }
  EXPECT_TRUE(ui.host.Boxes().empty());
  EXPECT_EQ(Comm.Handle, -1);
  EXPECT_FALSE(sim->Passthrough());
}

TEST_F(RemoteWindowTest, MessagesAreTenSecondsApart) {
  StartDevice("MOTOROLA");
  GlobalBuffer.Ingressi[2].SMSRipr = "Ripristino";
  TfrmProgRemota w;
  w.BitBtn1->click();
  ASSERT_EQ(w.Lines().size(), 1u);
  w.askNumber = [](std::string& number) {
    number = "3471234567";
    return true;
  };
  const auto start = WaitStart();
  w.BitBtn2->click();
  EXPECT_GE(NominalMsSince(start), 10000);
  EXPECT_EQ(sim->SentMessages().size(), 1u);
}

TEST_F(RemoteWindowTest, FailuresAreToldAndStopTheSending) {
  const struct {
    const char* maker;
    const char* fault;
    int text;
  } cases[] = {
      {"MOTOROLA", "error=+CMGS", 122},  // no prompt
      {"ERICSSON", nullptr, 1140},       // a module that does not send them
      {"MOTOROLA", "error=0xC3", 237},   // the module path refused
  };
  for (const auto& c : cases) {
    StartDevice(c.maker, c.fault ? std::vector<std::string>{c.fault} : std::vector<std::string>{});
    GlobalBuffer.Ingressi[2].SMSRipr = "Ripristino";
    TfrmProgRemota w;
    w.BitBtn4->click();
    w.askNumber = [](std::string& number) {
      number = "3471234567";
      return true;
    };
    w.BitBtn2->click();
    EXPECT_TRUE(sim->SentMessages().empty()) << c.maker;
    EXPECT_EQ(ui.host.BoxTexts(), std::vector<std::string>{LanguageText(c.text)}) << c.maker;
    EXPECT_EQ(Comm.Handle, -1);
    ui.host.ClearBoxes();
    CloseComm(Comm);
    sim->Stop();
  }
}

TEST_F(RemoteWindowTest, NumberDialogTakesOnlyATelephoneNumber) {
  TfrmChiamataRemota d;
  EXPECT_EQ(d.MaskEdit1->text(), "+393330001111");
  EXPECT_TRUE(d.BitBtn1->isEnabled());
  d.MaskEdit1->clear();
  EXPECT_FALSE(d.BitBtn1->isEnabled());
  QTest::keyClicks(d.MaskEdit1, "34\"7,1");
  EXPECT_EQ(d.MaskEdit1->text(), "3471");  // a quote or comma would break the command
  EXPECT_TRUE(d.BitBtn1->isEnabled());
  EXPECT_EQ(d.Number(), "3471");
}

}  // namespace
