// The main window: page tree, customer list and LCD panel on the left, the chosen page on
// the right, and the menus that start every command.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "shell/page_form.h"

class LcdDisplay;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class TfrmMain : public QMainWindow {
  Q_OBJECT
 public:
  TfrmMain();
  ~TfrmMain() override;

  // Where a relayout request comes from: the page tree's side or the customers' side.
  enum class LayoutSource { Tree, Customers };

  void ApplyDeviceType();
  void BuildPageTree();
  void RefreshCaptions();
  void RecaptionPageTree();  // the node names in the current language
  void SelectRoot();
  void UpdateMainCaption();

  // The layout commands of the panels and the View menu.
  void CloseTree();        // the tree panel's close button, or mCartelle while checked
  void PinTree();          // the pin button, or mCartelle while unchecked
  void ToggleCustomers();  // mClienti1
  void CloseCustomers();   // the customer panel's close button
  void ShowFloatingTree();
  void Relayout(LayoutSource source);

  bool treeAutoHide() const { return treeAutoHide_; }
  int currentIndex() const { return currentIndex_; }
  TPageForm* currentPage() const { return currentPage_; }

  // Parts, named as the commands and controls they are.
  QToolButton* pageButton = nullptr;
  QWidget* leftPanel = nullptr;
  QWidget* treePanel = nullptr;
  QLabel* treeTitle = nullptr;
  QToolButton* treeClose = nullptr;
  QToolButton* treePin = nullptr;
  QTreeWidget* tvPages = nullptr;
  QSplitter* splitter = nullptr;
  QWidget* customerPanel = nullptr;
  QLabel* customerTitle = nullptr;
  QToolButton* customerClose = nullptr;
  QTreeWidget* lvClienti = nullptr;
  QMenu* customerMenu = nullptr;
  QWidget* lcdPanel = nullptr;
  LcdDisplay* lcd = nullptr;
  QWidget* pageArea = nullptr;

  QMenu *mFile1 = nullptr, *mProgrammazione = nullptr, *mImpostazioni1 = nullptr,
        *mLayout = nullptr, *Aiuto1 = nullptr;
  QAction *mInit1 = nullptr, *mSave1 = nullptr, *mEsci1 = nullptr, *mCarica = nullptr,
          *mInvia = nullptr, *remota1 = nullptr, *mClienti1 = nullptr, *mCartelle = nullptr,
          *ShortCut1 = nullptr, *Porteseriali1 = nullptr, *lingua1 = nullptr,
          *impostazioni1 = nullptr, *mAiuto = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildWidgets();
  void BuildMenus();
  void FirstShow();
  void ApplyStoredLayout();
  void SelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
  void ShowPage(QTreeWidgetItem* node);
  void ClosePage();
  void ToggleMarker();
  void PortDialogCommand();
  void InstallerCommand();
  bool CloseRequest();
  void StoreLayout();
  void DockLeftPanel();
  void FocusChanged(QWidget* old, QWidget* now);

  QPointer<TPageForm> currentPage_;
  int currentIndex_ = -1;
  bool treeAutoHide_ = false;
  bool firstShown_ = false;
  bool floating_ = false;
  bool closing_ = false;
  int treeHeight_ = 0;
  int customerHeight_ = 0;
  int leftWidth_ = 214;
};
