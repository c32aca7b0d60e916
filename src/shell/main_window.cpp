#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "archive/customer_list_view.h"
#include "model/record.h"
#include "shell/branding.h"
#include "shell/form_scaling.h"
#include "shell/main_window_commands.h"
#include "shell/message_box.h"
#include "shell/page_factory.h"
#include "shell/page_form.h"
#include "shell/page_tree.h"
#include "shell/settings.h"
#include "shell/ui_host.h"
#include "widgets/lcd_display.h"
#include "widgets/qt_text.h"

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kMarkRole = Qt::UserRole + 1;
constexpr int kRootKind = -1;

QIcon PageIcon(int image) {
  static const QStyle::StandardPixmap kIcons[] = {
      QStyle::SP_ComputerIcon,          QStyle::SP_FileDialogContentsView,
      QStyle::SP_MediaVolume,           QStyle::SP_FileDialogDetailedView,
      QStyle::SP_DialogApplyButton,     QStyle::SP_FileDialogListView,
      QStyle::SP_MessageBoxInformation, QStyle::SP_DriveNetIcon};
  const int index = image >= 0 && image < 8 ? image : 0;
  return QApplication::style()->standardIcon(kIcons[index]);
}

// The page's image with the marker laid over its corner.
QIcon MarkedIcon(const QIcon& base) {
  QPixmap pixmap = base.pixmap(16, 16);
  QPainter painter(&pixmap);
  painter.setBrush(QColor(0xd0, 0x30, 0x30));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QRect(9, 9, 7, 7));
  return QIcon(pixmap);
}

QWidget* TitleBar(QLabel* title, std::initializer_list<QToolButton*> buttons, QWidget* parent) {
  auto* bar = new QWidget(parent);
  bar->setAutoFillBackground(true);
  bar->setBackgroundRole(QPalette::Mid);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(4, 1, 1, 1);
  row->addWidget(title, 1);
  for (auto* button : buttons) {
    button->setAutoRaise(true);
    button->setFixedSize(18, 18);
    row->addWidget(button);
  }
  return bar;
}

}  // namespace

TfrmMain::TfrmMain() {
  setObjectName("TfrmMain");
  BuildWidgets();
  BuildMenus();
  customerMenu = new QMenu(this);  // filled by RefreshCaptions
  connect(qApp, &QApplication::focusChanged, this, &TfrmMain::FocusChanged);
  resize(1000, 700);
}

TfrmMain::~TfrmMain() {
  // Children are destroyed after this body and move the focus meanwhile.
  disconnect(qApp, nullptr, this, nullptr);
  MainDetachPoller(*this);
}

void TfrmMain::BuildWidgets() {
  auto* toolbar = addToolBar("pages");
  toolbar->setMovable(false);
  pageButton = new QToolButton(toolbar);
  pageButton->setObjectName("pageButton");
  pageButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  pageButton->installEventFilter(this);
  toolbar->addWidget(pageButton);
  connect(pageButton, &QToolButton::clicked, this, [this] {
    if (treeAutoHide_) ShowFloatingTree();
  });

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);

  leftPanel = new QWidget(central);
  leftPanel->setObjectName("leftPanel");
  leftPanel->setAutoFillBackground(true);
  leftPanel->setFixedWidth(leftWidth_);
  auto* left = new QVBoxLayout(leftPanel);
  left->setContentsMargins(0, 0, 0, 0);
  left->setSpacing(0);

  treePanel = new QWidget(leftPanel);
  auto* treeBox = new QVBoxLayout(treePanel);
  treeBox->setContentsMargins(0, 0, 0, 0);
  treeBox->setSpacing(0);
  treeTitle = new QLabel(treePanel);
  treeClose = new QToolButton(treePanel);
  treeClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  treeClose->setObjectName("treeClose");
  treePin = new QToolButton(treePanel);
  treePin->setIcon(style()->standardIcon(QStyle::SP_TitleBarNormalButton));
  treePin->setObjectName("treePin");
  treePin->hide();
  treeBox->addWidget(TitleBar(treeTitle, {treeClose, treePin}, treePanel));
  tvPages = new QTreeWidget(treePanel);
  tvPages->setObjectName("tvPages");
  tvPages->setHeaderHidden(true);
  tvPages->setRootIsDecorated(false);
  tvPages->setIndentation(8);
  tvPages->setSelectionBehavior(QAbstractItemView::SelectRows);
  tvPages->setEditTriggers(QAbstractItemView::NoEditTriggers);
  treeBox->addWidget(tvPages);
  connect(tvPages, &QTreeWidget::currentItemChanged, this, &TfrmMain::SelectionChanged);
  connect(treeClose, &QToolButton::clicked, this, &TfrmMain::CloseTree);
  connect(treePin, &QToolButton::clicked, this, &TfrmMain::PinTree);

  customerPanel = new QWidget(leftPanel);
  auto* customerBox = new QVBoxLayout(customerPanel);
  customerBox->setContentsMargins(0, 0, 0, 0);
  customerBox->setSpacing(0);
  customerTitle = new QLabel(customerPanel);
  customerClose = new QToolButton(customerPanel);
  customerClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  customerClose->setObjectName("customerClose");
  customerBox->addWidget(TitleBar(customerTitle, {customerClose}, customerPanel));
  lvClienti = new QTreeWidget(customerPanel);
  lvClienti->setObjectName("lvClienti");
  lvClienti->setColumnCount(2);
  lvClienti->setRootIsDecorated(false);
  lvClienti->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvClienti->setContextMenuPolicy(Qt::CustomContextMenu);
  lvClienti->header()->setSectionsClickable(true);
  lvClienti->header()->setStretchLastSection(false);
  lvClienti->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  customerBox->addWidget(lvClienti);
  customerList = new CustomerListView(lvClienti);
  connect(customerList, &CustomerListView::Activated, this, [this] {
    SelectRoot();
    tvPages->repaint();
    MainLoadSelectedCustomer(*this);
  });
  connect(customerClose, &QToolButton::clicked, this, &TfrmMain::CloseCustomers);
  connect(lvClienti, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    customerMenu->popup(lvClienti->viewport()->mapToGlobal(at));
  });

  splitter = new QSplitter(Qt::Vertical, leftPanel);
  splitter->setObjectName("splitter");
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(treePanel);
  splitter->addWidget(customerPanel);
  splitter->setStretchFactor(1, 1);
  left->addWidget(splitter, 1);

  lcdPanel = new QWidget(leftPanel);
  lcdPanel->setFixedHeight(94);
  auto* lcdBox = new QVBoxLayout(lcdPanel);
  lcdBox->setContentsMargins(2, 2, 2, 2);
  lcd = new LcdDisplay(lcdPanel);
  lcd->setObjectName("lcd");
  lcdBox->addWidget(lcd);
  left->addWidget(lcdPanel);

  pageArea = new QWidget(central);
  pageArea->setObjectName("pageArea");
  auto* pages = new QVBoxLayout(pageArea);
  pages->setContentsMargins(1, 1, 0, 0);

  row->addWidget(leftPanel);
  row->addWidget(pageArea, 1);
  setCentralWidget(central);
}

void TfrmMain::BuildMenus() {
  mFile1 = menuBar()->addMenu(QString());
  mInit1 = mFile1->addAction(QString(), this, [this] { MainNewCustomer(*this); });
  mSave1 = mFile1->addAction(QString(), this, [this] { MainSaveCustomer(*this, true); });
  mFile1->addSeparator();
  mEsci1 = mFile1->addAction(QString(), this, &QWidget::close);

  mProgrammazione = menuBar()->addMenu(QString());
  mCarica = mProgrammazione->addAction(QString(), this, [this] { MainLoad(*this); });
  mInvia = mProgrammazione->addAction(QString(), this, [this] { MainSend(*this); });
  remota1 = mProgrammazione->addAction(QString(), this, [this] {
    SelectRoot();
    MainRemote(*this);
  });

  mImpostazioni1 = menuBar()->addMenu(QString());
  mLayout = mImpostazioni1->addMenu(QString());
  mClienti1 = mLayout->addAction(QString(), this, [this] { Relayout(LayoutSource::Customers); });
  mClienti1->setCheckable(true);
  mClienti1->setChecked(true);
  mClienti1->setShortcut(Qt::Key_F9);
  mCartelle = mLayout->addAction(QString(), this, [this] {
    // The check mark has already flipped: unchecked now means it was checked.
    if (mCartelle->isChecked()) {
      PinTree();
    } else {
      mCartelle->setChecked(true);
      CloseTree();
    }
  });
  mCartelle->setCheckable(true);
  mCartelle->setChecked(true);
  ShortCut1 = new QAction(this);  // never shown in a menu
  ShortCut1->setShortcut(Qt::Key_F10);
  addAction(ShortCut1);
  connect(ShortCut1, &QAction::triggered, pageButton, &QToolButton::click);
  Porteseriali1 = mImpostazioni1->addAction(QString(), this, &TfrmMain::PortDialogCommand);
  lingua1 = mImpostazioni1->addAction(QString(), this, [this] { MainChooseLanguage(*this); });
  impostazioni1 = mImpostazioni1->addAction(QString(), this, &TfrmMain::InstallerCommand);

  Aiuto1 = menuBar()->addMenu(QString());
  mAiuto = Aiuto1->addAction(QString(), this, [this] { MainShowManual(*this); });

  auto* marker = new QShortcut(QKeySequence("Ctrl+T"), tvPages);
  marker->setContext(Qt::WidgetShortcut);
  connect(marker, &QShortcut::activated, this, &TfrmMain::ToggleMarker);
}

void TfrmMain::RefreshCaptions() {
  UpdateMainCaption();
  const std::pair<QMenu*, int> menus[] = {
      {mFile1, 1}, {mProgrammazione, 19}, {mImpostazioni1, 5}, {mLayout, 6}, {Aiuto1, 10}};
  for (const auto& [menu, text] : menus) menu->setTitle(Lang(text));
  const std::pair<QAction*, int> actions[] = {
      {mInit1, 2},         {mSave1, 3},    {mEsci1, 4},          {mCarica, 20},
      {mInvia, 21},        {remota1, 248}, {mClienti1, 8},       {mCartelle, 7},
      {Porteseriali1, 23}, {lingua1, 58},  {impostazioni1, 165}, {mAiuto, 59}};
  for (const auto& [action, text] : actions) action->setText(Lang(text));
  treeTitle->setText(mCartelle->text().remove('&'));
  customerTitle->setText(mClienti1->text().remove('&'));
  lvClienti->setHeaderLabels({Lang(13), Lang(14)});
  customerMenu->clear();
  customerMenu->addAction(Lang(20), this, [this] { MainLoadSelectedCustomer(*this); });
  customerMenu->addAction(Lang(57), this, [this] { MainDeleteSelectedCustomer(*this); });
  lcd->SetLine(1, Lang(159));
  lcd->SetLine(2, Lang(160));
}

void TfrmMain::UpdateMainCaption() {
  QString caption = ToQString(TypeNames[Cliente.TipoCentrale]);
  if (!Cliente.Nome.empty()) caption += " - " + ToQString(Cliente.Nome);
  setWindowTitle(caption);
  if (QTreeWidgetItem* node = tvPages->currentItem()) pageButton->setText(node->text(0));
}

void TfrmMain::ApplyDeviceType() {
  const bool familyI = Cliente.TipoCentrale == kTypeVelaI;
  SetPhoneEntryCount(familyI ? 95 : 8);
  remota1->setEnabled(familyI);
  lcdPanel->setVisible(Cliente.TipoCentrale == kTypeVelaA);
  BuildPageTree();
}

void TfrmMain::BuildPageTree() {
  setUpdatesEnabled(false);
  {
    const QSignalBlocker block(tvPages);
    tvPages->clear();
    auto* root = new QTreeWidgetItem(tvPages, {ToQString(TypeNames[Cliente.TipoCentrale])});
    root->setData(0, kKindRole, kRootKind);
    root->setIcon(0, PageIcon(0));
    for (const PageInfo& page : PagesForType(Cliente.TipoCentrale)) {
      auto* node = new QTreeWidgetItem(root, {Lang(page.textNumber)});
      node->setData(0, kKindRole, static_cast<int>(page.kind));
      node->setIcon(0, PageIcon(page.image));
    }
    tvPages->expandAll();
  }
  setUpdatesEnabled(true);
  SelectRoot();
}

void TfrmMain::RecaptionPageTree() {
  QTreeWidgetItem* root = tvPages->topLevelItem(0);
  if (!root) return;
  const auto pages = PagesForType(Cliente.TipoCentrale);
  for (int i = 0; i < root->childCount() && i < static_cast<int>(pages.size()); ++i)
    root->child(i)->setText(0, Lang(pages[i].textNumber));
}

void TfrmMain::SelectRoot() {
  if (tvPages->topLevelItemCount() > 0) tvPages->setCurrentItem(tvPages->topLevelItem(0));
}

void TfrmMain::SelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
  if (!current) return;
  if (currentPage_ && previous && current != previous && !currentPage_->CanLeave()) {
    const QSignalBlocker block(tvPages);
    tvPages->setCurrentItem(previous);
    return;
  }
  ShowPage(current);
}

void TfrmMain::ShowPage(QTreeWidgetItem* node) {
  const int index = tvPages->indexOfTopLevelItem(node) == 0
                        ? 0
                        : 1 + tvPages->topLevelItem(0)->indexOfChild(node);
  if (index == currentIndex_ && currentPage_) {
    if (treeAutoHide_) Relayout(LayoutSource::Tree);
    return;
  }
  UiHost* host = CurrentUiHost();
  if (index != 0 && host && host->WaitCursorShown()) {
    SelectRoot();
    return;
  }
  pageButton->setText(node->text(0));
  pageButton->setIcon(node->icon(0));
  if (treeAutoHide_) Relayout(LayoutSource::Tree);

  setUpdatesEnabled(false);
  ClosePage();
  currentIndex_ = index;
  const int kind = node->data(0, kKindRole).toInt();
  currentPage_ = kind == kRootKind ? CreateWelcomePage(pageArea)
                                   : CreatePage(static_cast<PageKind>(kind), pageArea);
  if (currentPage_) {
    ScaleFormToScreen(currentPage_, 800, 600);
    currentPage_->show();
  }
  setUpdatesEnabled(true);
}

void TfrmMain::ClosePage() {
  if (!currentPage_) return;
  currentPage_->ClosePage();
  delete currentPage_;
  leftPanel->setFixedWidth(leftWidth_);
}

void TfrmMain::ToggleMarker() {
  QTreeWidgetItem* node = tvPages->currentItem();
  if (!node) return;
  const bool marked = !node->data(0, kMarkRole).toBool();
  node->setData(0, kMarkRole, marked);
  const int kind = node->data(0, kKindRole).toInt();
  int image = 0;
  for (const auto& page : PagesForType(Cliente.TipoCentrale))
    if (static_cast<int>(page.kind) == kind) image = page.image;
  node->setIcon(0, marked ? MarkedIcon(PageIcon(image)) : PageIcon(image));
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShown_) return;
  firstShown_ = true;
  FirstShow();
}

void TfrmMain::FirstShow() {
  LoadLanguage(Language);
  UiHost* host = CurrentUiHost();
  if (host) host->SetWaitCursor(true);
  RefreshCaptions();
  MainUpdatePoller(*this, true);
  treeAutoHide_ = false;
  treeHeight_ = treePanel->height();
  customerHeight_ = customerPanel->height();
  leftWidth_ = leftPanel->width();
  tvPages->setIndentation(8);
  MainConfigureArchive(*this);
  currentPage_ = nullptr;
  currentIndex_ = -1;
  ResetConfiguration(true);
  ApplyDeviceType();
  TakeSavedCopy();
  MainFillCustomerList(*this, "Nome");
  BuildPageTree();
  SelectRoot();
  ApplyStoredLayout();
  DockLeftPanel();
  if (host) host->SetWaitCursor(false);
}

void TfrmMain::ApplyStoredLayout() {
  if (!Show2) ToggleCustomers();
  if (Show3 > -1) {
    treeHeight_ = Show3;
    splitter->setSizes({Show3, std::max(1, splitter->height() - Show3)});
  }
  if (!Show1) CloseTree();
}

void TfrmMain::PortDialogCommand() {
  MainPortDialog(*this);
}

void TfrmMain::InstallerCommand() {
  // The dialog may change the device type, which the status page's thread reads on every
  // command it sends: that page is closed first.
  SelectRoot();
  const int before = Cliente.TipoCentrale;
  if (MainInstallerDialog(*this) && Cliente.TipoCentrale != before) {
    ResetConfiguration(true);
    MainUpdatePoller(*this, false);
    ApplyDeviceType();
  }
  SelectRoot();
  UpdateMainCaption();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (closing_ || CloseRequest()) {
    event->accept();
    return;
  }
  event->ignore();
}

bool TfrmMain::CloseRequest() {
  if (!MainMayClose(*this)) return false;
  closing_ = true;
  setEnabled(false);
  MainStopForClose(*this);
  ClosePage();
  StoreLayout();
  return true;
}

void TfrmMain::StoreLayout() {
  Show1 = mCartelle->isChecked();
  Show2 = mClienti1->isChecked();
  Show3 = treePanel->height();
  SaveSettings(SettingsGroup::Language);
  SaveSettings(SettingsGroup::Layout);
}
