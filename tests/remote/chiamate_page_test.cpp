// The call lists page against the simulated communicator: the grids after Load.
#include <QApplication>
#include <QGroupBox>
#include <QToolButton>

#include "device_sim_fixture.h"
#include "remote/chiamate_page.h"
#include "shell/language.h"
#include "shell/module_poller.h"
#include "widgets/qt_text.h"
#include "widgets/vela_grid.h"

namespace {

class CallsPageTest : public DeviceSimTest {
 protected:
  void TearDown() override {
    page.reset();
    ModuleReady = false;
    DeviceSimTest::TearDown();
  }
  TfrmChiamate& Open() {
    page = std::make_unique<TfrmChiamate>(nullptr);
    page->show();
    QApplication::processEvents();
    return *page;
  }
  static QStringList Row(VelaGrid* grid, int row) {
    return {grid->Text(row, 0), grid->Text(row, 1), grid->Text(row, 2)};
  }
  std::unique_ptr<TfrmChiamate> page;
};

TEST_F(CallsPageTest, FamilyIFillsTheThreeGridsAndARefusedListEmptiesItsGrid) {
  Start('I');
  TfrmChiamate& p = Open();
  EXPECT_FALSE(p.GroupBox2->isHidden());
  EXPECT_EQ(p.gRicevute->Text(0, 1), ToQString(LanguageText(13)));
  p.SpeedButton4->click();
  ASSERT_EQ(p.gRicevute->rowCount(), 3);  // header and two calls, no empty row
  EXPECT_EQ(Row(p.gRicevute, 1), (QStringList{"1", "Rossi", "+393331234567"}));
  EXPECT_EQ(Row(p.gRicevute, 2), (QStringList{"2", ToQString(LanguageText(164)), "0212345678"}));
  EXPECT_EQ(Row(p.gPerse, 1), (QStringList{"1", "Bianchi", "+393479876543"}));
  ASSERT_EQ(p.gEffettuate->rowCount(), 2);
  EXPECT_EQ(Row(p.gEffettuate, 1), (QStringList{"1", "Assistenza", "800123456"}));

  ASSERT_TRUE(sim->SetFault("no-storage=DC"));
  p.SpeedButton4->click();
  ASSERT_EQ(p.gEffettuate->rowCount(), 2);  // header and one empty row
  EXPECT_EQ(Row(p.gEffettuate, 1), (QStringList{"", "", ""}));
  EXPECT_EQ(p.gRicevute->rowCount(), 3);

  // A refused module path leaves the grids as they were.
  ASSERT_TRUE(sim->SetFault("error=0xC3"));
  p.SpeedButton4->click();
  EXPECT_EQ(ui.host.BoxTexts(), std::vector<std::string>{LanguageText(237)});
  EXPECT_EQ(Row(p.gPerse, 1), (QStringList{"1", "Bianchi", "+393479876543"}));
}

TEST_F(CallsPageTest, FamilyAShowsReceivedAndMissedOnly) {
  Start('A');
  ModuleReady = true;
  TfrmChiamate& p = Open();
  EXPECT_TRUE(p.GroupBox2->isHidden());
  EXPECT_TRUE(p.Panel3->isHidden());
  p.SpeedButton4->click();
  EXPECT_TRUE(ui.host.Boxes().empty()) << ui.host.BoxTexts()[0];
  EXPECT_EQ(p.gRicevute->rowCount(), 3);
  EXPECT_EQ(Row(p.gPerse, 1), (QStringList{"1", "Bianchi", "+393479876543"}));
  EXPECT_FALSE(PollerPauseRequest);  // handed back
}

}  // namespace
