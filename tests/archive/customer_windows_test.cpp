// The customer list, the customer form and the questions before unsaved work is replaced,
// driven through the main window with real clicks and keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "archive/archive.h"
#include "archive/customer_form.h"
#include "model/record.h"
#include "scripted_host.h"
#include "shell/language.h"
#include "shell/main_window.h"
#include "shell/settings.h"
#include "temp_dir.h"
#include "test_language.h"
#include "working_folder.h"

namespace {

class CustomerWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartInWorkingFolder(dir);
    // No serial device: the family A poller finds nothing to open, and says so.
    SetComDevicePath(1, (dir.path() / "no-such-port").string());
    ASSERT_TRUE(ConfigureArchiveTables(DataPath, DataFolder));
  }
  void TearDown() override {
    SetSettingsFile("");
    LoadEnglishForTests();
  }

  void Store(const std::string& name, const std::string& code, int type = 21) {
    Tag_Cliente header;
    header.TipoCentrale = type;
    header.Rel_firmware = "1.00";
    header.Nome = name;
    header.CodiceCliente = code;
    Tag_GlobalBuffer record;
    ResetConfiguration(record, header, false);
    ASSERT_EQ(ArchiveSave(header, record, ""), SaveStatus::Stored);
  }

  std::unique_ptr<TfrmMain> Open() {
    Cliente.TipoCentrale = 21;
    auto window = std::make_unique<TfrmMain>();
    window->show();
    QApplication::setActiveWindow(window.get());
    scoped.host.ClearBoxes();  // the port that cannot be opened
    return window;
  }

  static QStringList Names(TfrmMain& w) {
    QStringList names;
    for (int i = 0; i < w.lvClienti->topLevelItemCount(); ++i)
      names << w.lvClienti->topLevelItem(i)->text(0);
    return names;
  }

  static void ClickRow(TfrmMain& w, int row) {
    const QRect rect = w.lvClienti->visualItemRect(w.lvClienti->topLevelItem(row));
    QTest::mouseClick(w.lvClienti->viewport(), Qt::LeftButton, {}, rect.center());
  }

  // Runs fn on the form once it is up (the form is modal).
  static void WhenFormShows(std::function<void(TfrmCliente&)> fn) {
    QTimer::singleShot(0, [fn] {
      auto* form = qobject_cast<TfrmCliente*>(QApplication::activeModalWidget());
      ASSERT_NE(form, nullptr);
      fn(*form);
    });
  }

  TempDir dir;
  ScopedScriptedHost scoped;
};

TEST_F(CustomerWindowsTest, OrderByColumnAndTypeAhead) {
  Store("Beta", "0001");
  Store("Alfa", "0002");
  Store("Other", "0003", 5);  // stored but never listed
  auto w = Open();
  EXPECT_EQ(Names(*w), (QStringList{"Alfa", "Beta"}));
  QTest::mouseClick(w->lvClienti->header()->viewport(), Qt::LeftButton, {},
                    QPoint(w->lvClienti->header()->sectionViewportPosition(1) + 5, 5));
  EXPECT_EQ(Names(*w), (QStringList{"Beta", "Alfa"}));
  QTest::mouseClick(w->lvClienti->header()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(Names(*w), (QStringList{"Alfa", "Beta"}));

  ClickRow(*w, 0);
  QTest::keyClick(w->lvClienti, Qt::Key_B);
  ASSERT_EQ(w->lvClienti->selectedItems().size(), 1);
  EXPECT_EQ(w->lvClienti->selectedItems()[0]->text(0), "Beta");
  EXPECT_TRUE(w->lvClienti->toolTip().startsWith("Beta\n:"));
  QTest::keyClick(w->lvClienti, Qt::Key_Z);
  EXPECT_TRUE(w->lvClienti->selectedItems().isEmpty());
}

TEST_F(CustomerWindowsTest, FormRefusesAnEmptyNameAndPadsTheCode) {
  auto w = Open();
  WhenFormShows([](TfrmCliente& form) {
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);  // empty name: beeps, stays open
    EXPECT_TRUE(form.isVisible());
    QTest::keyClicks(form.txtNome, "Rossi");
    form.txtCodiceCliente->clear();
    QTest::keyClicks(form.txtCodiceCliente, "7");
    QTest::keyClicks(form.Memo1, "gate code 1234");
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
  });
  w->mSave1->trigger();
  EXPECT_EQ(scoped.host.beeps, 1);
  EXPECT_EQ(Cliente.CodiceCliente.str(), "0007");
  EXPECT_GT(Cliente.SerialCli, 0);
  EXPECT_EQ(Names(*w), QStringList{"Rossi"});
  EXPECT_EQ(w->windowTitle().toStdString(), "LR4090-A");  // the caption follows on load

  // Opened again, the form shows the note read back from the archive.
  WhenFormShows([](TfrmCliente& form) {
    EXPECT_EQ(form.Memo1->toPlainText(), "gate code 1234");
    form.reject();
  });
  w->mSave1->trigger();
}

TEST_F(CustomerWindowsTest, LoadingWithUnsavedChangesAsksFirst) {
  Store("Bianchi", "0005");
  auto w = Open();
  GlobalBuffer.NumeriTelefonici[1].Numero = "333";
  scoped.host.Answer(MsgResult::No);
  ClickRow(*w, 0);
  const QRect rect = w->lvClienti->visualItemRect(w->lvClienti->topLevelItem(0));
  QTest::mouseDClick(w->lvClienti->viewport(), Qt::LeftButton, {}, rect.center());
  ASSERT_EQ(scoped.host.BoxTexts(), std::vector<std::string>{LanguageText(126)});
  EXPECT_EQ(Cliente.Nome.str(), "Bianchi");
  EXPECT_TRUE(GlobalBuffer.NumeriTelefonici[1].Numero.empty());
  EXPECT_TRUE(IsUnchanged());
  EXPECT_EQ(w->windowTitle().toStdString(), "LR4090-A - Bianchi");
}

TEST_F(CustomerWindowsTest, CloseQuestionPaths) {
  struct Case {
    MsgResult answer;
    bool closes;
    bool formShown;
  } cases[] = {{MsgResult::Cancel, false, false},
               {MsgResult::No, true, false},
               {MsgResult::Yes, true, true}};
  for (const auto& c : cases) {
    auto w = Open();
    GlobalBuffer.NumeriTelefonici[2].Numero = "444";
    scoped.host.ClearBoxes();
    scoped.host.Answer(c.answer);
    bool formShown = false;
    if (c.formShown)
      WhenFormShows([&formShown](TfrmCliente& form) {
        formShown = true;
        form.reject();  // closing goes on whatever the form's outcome
      });
    EXPECT_EQ(w->close(), c.closes);
    EXPECT_EQ(scoped.host.BoxTexts(), std::vector<std::string>{LanguageText(126)});
    EXPECT_EQ(formShown, c.formShown);
  }
}

TEST_F(CustomerWindowsTest, DeletingAsksAndLeavesTheRecordOnScreen) {
  Store("Verdi", "0009");
  auto w = Open();
  ClickRow(*w, 0);
  scoped.host.Answer(MsgResult::Yes);
  w->customerMenu->actions()[1]->trigger();
  ASSERT_EQ(scoped.host.BoxTexts(), std::vector<std::string>{LanguageText(131) + "\rVerdi ?"});
  EXPECT_EQ(w->lvClienti->topLevelItemCount(), 0);
}

}  // namespace
