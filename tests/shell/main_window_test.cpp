#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "grid_driver.h"
#include "model/record.h"
#include "pages/installer_dialog.h"
#include "pages/telefono_page.h"
#include "scripted_host.h"
#include "shell/branding.h"
#include "shell/help_viewer.h"
#include "shell/language.h"
#include "shell/language_dialog.h"
#include "shell/module_poller.h"
#include "shell/pacing.h"
#include "shell/port_dialog.h"
#include "shell/settings.h"
#include "sim/simulator.h"
#include "temp_dir.h"
#include "test_language.h"
#include "widgets/lcd_display.h"
#include "widgets/qt_text.h"
#include "working_folder.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartInWorkingFolder(dir);
    // No serial device: the family A poller finds nothing to open, and says so.
    SetComDevicePath(1, (dir.path() / "no-such-port").string());
    ASSERT_FALSE(LanguageText(109).empty());
    ASSERT_TRUE(scoped.host.Boxes().empty());
  }
  void TearDown() override {
    SetSettingsFile("");
    LoadEnglishForTests();
  }

  // Opens a main window for a device type and returns it shown.
  std::unique_ptr<TfrmMain> Open(int type) {
    Cliente.TipoCentrale = type;
    auto window = std::make_unique<TfrmMain>();
    window->show();
    QApplication::setActiveWindow(window.get());  // shortcuts need an active window
    scoped.host.ClearBoxes();                     // the port that cannot be opened
    return window;
  }

  void ClickNode(TfrmMain& w, QTreeWidgetItem* node) {
    const QRect rect = w.tvPages->visualItemRect(node);
    QTest::mouseClick(w.tvPages->viewport(), Qt::LeftButton, {}, rect.center());
  }

  QTreeWidgetItem* Node(TfrmMain& w, int position) {
    QTreeWidgetItem* root = w.tvPages->topLevelItem(0);
    return position == 0 ? root : root->child(position - 1);
  }

  TempDir dir;
  ScopedScriptedHost scoped;
};

TEST_F(MainWindowTest, TreeOfEachTypeAndTheLcdPanel) {
  struct Case {
    int type;
    std::vector<int> texts;
    bool lcd, remote;
  } cases[] = {
      {21, {109, 110, 111, 112, 113, 114}, true, false},
      {22, {109, 111, 112, 203, 113, 114}, false, true},
      {23, {109, 110, 111, 112, 113, 114}, false, false},
  };
  for (const auto& c : cases) {
    auto w = Open(c.type);
    QTreeWidgetItem* root = w->tvPages->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 6) << c.type;
    EXPECT_EQ(root->text(0), ToQString(TypeNames[c.type])) << c.type;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(root->child(i)->text(0), Lang(c.texts[i])) << c.type;
    EXPECT_EQ(w->lcdPanel->isVisible(), c.lcd) << c.type;
    EXPECT_EQ(w->remota1->isEnabled(), c.remote) << c.type;
  }
  EXPECT_TRUE(TypeNames[23].empty());
}

TEST_F(MainWindowTest, ReselectingANodeKeepsItsPageAndTheWaitCursorLandsOnWelcome) {
  auto w = Open(21);
  ClickNode(*w, Node(*w, 1));
  TPageForm* page = w->currentPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(w->currentIndex(), 1);
  ClickNode(*w, Node(*w, 1));
  EXPECT_EQ(w->currentPage(), page);

  scoped.host.SetWaitCursor(true);
  ClickNode(*w, Node(*w, 3));
  EXPECT_EQ(w->currentIndex(), 0);
  EXPECT_EQ(w->tvPages->currentItem(), Node(*w, 0));
  scoped.host.SetWaitCursor(false);
}

TEST_F(MainWindowTest, InstallerDialogRules) {
  Cliente.TipoCentrale = 21;
  Cliente.Rel_firmware = "1.15";
  {
    TfrmCodInst dialog;
    EXPECT_EQ(dialog.cbFirmware->currentText(), "1.1x");
    EXPECT_EQ(dialog.cbPanel->currentText(), ToQString(TypeNames[21]));
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
    EXPECT_EQ(Cliente.Rel_firmware.str(), "1.10");
  }
  {
    TfrmCodInst dialog;
    dialog.cbPanel->setCurrentIndex(1);  // type 22 takes the first family only
    EXPECT_EQ(dialog.cbFirmware->currentText(), "1.0x");
    dialog.cbFirmware->setCurrentIndex(1);
    EXPECT_EQ(dialog.cbFirmware->currentText(), "1.0x");
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
    EXPECT_EQ(Cliente.TipoCentrale, 22);
    EXPECT_EQ(Cliente.Rel_firmware.str(), "1.00");
  }
  LoadSettings(dir.str());  // the settings file kept the choice
  EXPECT_EQ(Cliente.TipoCentrale, 22);
  {
    Cliente.TipoCentrale = 23;
    Cliente.Rel_firmware = "2.5";
    TfrmCodInst dialog;
    EXPECT_EQ(dialog.cbPanel->currentIndex(), -1);
    EXPECT_EQ(dialog.cbFirmware->currentIndex(), 0);
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
    EXPECT_EQ(Cliente.TipoCentrale, 23);
    EXPECT_EQ(Cliente.Rel_firmware.str(), "1.00");
  }
}

TEST_F(MainWindowTest, TypeChangeResetsWithoutAsking) {
  auto w = Open(21);
  GlobalBuffer.NumeriTelefonici[1].Numero = "0123456";
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<TfrmCodInst*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->cbPanel->setCurrentIndex(1);
    QTest::mouseClick(dialog->findChild<QPushButton*>("btnOk"), Qt::LeftButton);
  });
  w->impostazioni1->trigger();
  EXPECT_EQ(Cliente.TipoCentrale, 22);
  EXPECT_TRUE(GlobalBuffer.NumeriTelefonici[1].Numero.empty());
  EXPECT_TRUE(scoped.host.Boxes().empty());
  EXPECT_EQ(w->tvPages->topLevelItem(0)->child(3)->text(0), Lang(203));
}

TEST_F(MainWindowTest, PortDialogStoresThePortForTheNextStart) {
  LocalPort = 1;
  PortDialog dialog(1);
  QTest::mouseClick(dialog.com[2], Qt::LeftButton);
  QTest::mouseClick(dialog.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
  EXPECT_EQ(LocalPort, 3);
  ASSERT_EQ(scoped.host.BoxTexts(), std::vector<std::string>{LanguageText(139)});
  LoadSettings(dir.str());
  EXPECT_EQ(LocalPort, 3);
  EXPECT_EQ(ComDevicePath(3), "/dev/ttyS2");
}

TEST_F(MainWindowTest, StoredLayoutWithBothPanelsClosed) {
  Show1 = false;
  Show2 = false;
  auto w = Open(21);
  EXPECT_FALSE(w->leftPanel->isVisible());
  EXPECT_TRUE(w->treeAutoHide());
  EXPECT_EQ(w->pageButton->arrowType(), Qt::DownArrow);
  EXPECT_FALSE(w->mCartelle->isChecked());
  EXPECT_FALSE(w->mClienti1->isChecked());

  QTest::keyClick(w.get(), Qt::Key_F10);  // the floating tree
  EXPECT_TRUE(w->leftPanel->isVisible());
  EXPECT_TRUE(w->treePanel->isVisible());
  QTest::mouseClick(w->treePin, Qt::LeftButton);
  EXPECT_FALSE(w->treeAutoHide());
  EXPECT_TRUE(w->mCartelle->isChecked());
  EXPECT_EQ(w->pageButton->arrowType(), Qt::NoArrow);
  Show1 = Show2 = true;
}

TEST_F(MainWindowTest, ClosingStoresTheLayout) {
  auto w = Open(21);
  QTest::keyClick(w.get(), Qt::Key_F9);  // hides the customer panel
  EXPECT_FALSE(w->customerPanel->isVisible());
  w->close();
  LoadSettings(dir.str());
  EXPECT_FALSE(Show2);
  EXPECT_TRUE(Show1);
  Show2 = true;
}

}  // namespace

namespace {

TEST_F(MainWindowTest, ChoosingALanguageRecaptionsWindowAndTree) {
  auto w = Open(22);
  const QString englishNode = w->tvPages->topLevelItem(0)->child(0)->text(0);
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<LanguageDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    const auto found = dialog->list->findItems("Italiano", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    dialog->list->setCurrentItem(found[0]);
    dialog->accept();
  });
  w->lingua1->trigger();
  EXPECT_EQ(Language, "Italiano");
  const QString italianNode = w->tvPages->topLevelItem(0)->child(0)->text(0);
  EXPECT_EQ(italianNode, Lang(109));
  EXPECT_NE(italianNode, englishNode);
  EXPECT_EQ(w->mFile1->title(), Lang(1));
  LoadSettings(dir.str());  // stored for the next start
  EXPECT_EQ(Language, "Italiano");
}

}  // namespace

namespace {

// A simulated family A device on COM 1, with the pacing sped up.
class MainWindowDeviceTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetPacingSpeed(20);
    SimConfig config;
    config.family = 'A';
    config.firmware = "1.12";
    config.linkPath = (dir.path() / "com1").string();
    device = std::make_unique<Simulator>(config);
    std::string error;
    ASSERT_TRUE(device->Start(&error)) << error;
    SetComDevicePath(1, config.linkPath);
    Cliente.Rel_firmware = "1.12";
  }
  void TearDown() override {
    SetPacingSpeed(1);
    MainWindowTest::TearDown();
  }

  // The window handles the poller's first report: the module is ready.
  void WaitForModule() {
    const auto start = WaitStart();
    while (!ModuleReady && WholeSecondsSince(start) < 20) {
      scoped.host.RunPosted();
      Pause(100);
    }
    ASSERT_TRUE(ModuleReady);
  }

  std::unique_ptr<Simulator> device;
};

// Send and Load from the menus, with the module poller handing the port over.
TEST_F(MainWindowDeviceTest, SendAndLoadFromTheMenus) {
  auto w = Open(21);
  EXPECT_TRUE(scoped.host.Boxes().empty());
  WaitForModule();
  EXPECT_TRUE(w->lcd->Line(1).isEmpty());  // the operator's name on line 2
  EXPECT_FALSE(w->lcd->Line(2).isEmpty());
  EXPECT_NE(w->lcd->Line(2), Lang(160));
  GlobalBuffer.NumeriTelefonici[1].Numero = "0212345678";
  w->mInvia->trigger();
  EXPECT_TRUE(scoped.host.Boxes().empty()) << scoped.host.BoxTexts()[0];
  EXPECT_GT(scoped.host.progressShows, 0);
  EXPECT_GT(scoped.host.progressPosition, 10);
  const auto book = device->PhoneBook("SM");
  ASSERT_TRUE(book.count(1));
  EXPECT_EQ(book.at(1).number, "0212345678");

  GlobalBuffer.NumeriTelefonici[1].Numero = "999";
  w->mCarica->trigger();
  EXPECT_TRUE(scoped.host.Boxes().empty());
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[1].Numero, "0212345678");
  w.reset();  // the poller stops with its window
}

// An edit made on the phone numbers page reaches the device and comes back on the page.
TEST_F(MainWindowDeviceTest, APageEditSurvivesSendAndLoad) {
  auto w = Open(21);
  WaitForModule();
  QTreeWidgetItem* phones = w->tvPages->topLevelItem(0)->child(0);
  w->tvPages->setCurrentItem(phones);
  auto* page = dynamic_cast<TfrmTelefono*>(w->currentPage());
  ASSERT_NE(page, nullptr);
  EnterInCell(*page->StringGrid1, 3, 2, "0311223344");
  w->mInvia->trigger();  // the page closes and commits first
  ASSERT_TRUE(scoped.host.Boxes().empty()) << scoped.host.BoxTexts()[0];

  ResetConfiguration(false);
  w->mCarica->trigger();
  ASSERT_TRUE(scoped.host.Boxes().empty()) << scoped.host.BoxTexts()[0];
  w->tvPages->setCurrentItem(phones);
  page = dynamic_cast<TfrmTelefono*>(w->currentPage());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->StringGrid1->Text(3, 2), "0311223344");
}

}  // namespace

namespace {

TEST_F(MainWindowTest, ManualMissingDoesNothingAndABadFileSays1124) {
  ShowManual(0);  // no HELP folder at all
  EXPECT_TRUE(scoped.host.Boxes().empty());
  std::filesystem::create_directories(dir.path() / "HELP");
  dir.Write("HELP/LR4090.PDF", "this is not a PDF");
  ShowManual(0);
  EXPECT_EQ(scoped.host.BoxTexts(), std::vector<std::string>{LanguageText(1124)});
}

}  // namespace
