// The left panel's layout states: pinned tree, closed tree with the floating tree on
// demand, customer panel shown or hidden.
#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>

#include "shell/main_window.h"
#include "widgets/qt_text.h"

void TfrmMain::CloseTree() {
  mCartelle->setChecked(false);
  treeTitle->setText(Lang(125));
  QFont small = treeTitle->font();
  small.setPointSize(6);
  treeTitle->setFont(small);
  treeClose->hide();
  treePin->show();
  Relayout(LayoutSource::Tree);
}

void TfrmMain::PinTree() {
  mCartelle->setChecked(true);
  treeAutoHide_ = false;
  pageButton->setArrowType(Qt::NoArrow);
  treeClose->show();
  treePin->hide();
  treeTitle->setFont(font());
  treeTitle->setText(mCartelle->text().remove('&'));
  Relayout(LayoutSource::Tree);
}

void TfrmMain::ToggleCustomers() {
  mClienti1->setChecked(!mClienti1->isChecked());
  Relayout(LayoutSource::Customers);
}

void TfrmMain::CloseCustomers() {
  mClienti1->setChecked(false);
  Relayout(LayoutSource::Customers);
}

void TfrmMain::DockLeftPanel() {
  auto* row = static_cast<QHBoxLayout*>(centralWidget()->layout());
  if (row->indexOf(leftPanel) < 0) row->insertWidget(0, leftPanel);
  floating_ = false;
}

void TfrmMain::Relayout(LayoutSource source) {
  if (floating_) DockLeftPanel();
  const bool treeWanted = mCartelle->isChecked() && !treeAutoHide_;
  const bool customersWanted = mClienti1->isChecked();
  if (treeWanted || customersWanted) leftPanel->show();
  if (source == LayoutSource::Tree)
    treePanel->setVisible(treeWanted);
  else
    customerPanel->setVisible(customersWanted);
  if (treePanel->isVisibleTo(leftPanel) && customerPanel->isVisibleTo(leftPanel))
    splitter->setSizes({treeHeight_, std::max(1, splitter->height() - treeHeight_)});
  if (!treePanel->isVisibleTo(leftPanel)) {
    setUpdatesEnabled(false);
    if (!customerPanel->isVisibleTo(leftPanel)) leftPanel->hide();
    pageButton->setArrowType(Qt::DownArrow);
    treeAutoHide_ = true;
    setUpdatesEnabled(true);
  }
}

// The tree floats over the page area until it loses the focus or a page is chosen.
void TfrmMain::ShowFloatingTree() {
  if (!treeAutoHide_) return;
  auto* row = static_cast<QHBoxLayout*>(centralWidget()->layout());
  row->removeWidget(leftPanel);
  floating_ = true;
  leftPanel->setGeometry(0, 0, leftWidth_, centralWidget()->height());
  treePanel->show();
  if (customerPanel->isVisibleTo(leftPanel))
    splitter->setSizes({treeHeight_, std::max(1, splitter->height() - treeHeight_)});
  leftPanel->show();
  leftPanel->raise();
  tvPages->setFocus();
}

void TfrmMain::FocusChanged(QWidget*, QWidget* now) {
  if (floating_ && now && !leftPanel->isAncestorOf(now) && now != leftPanel)
    Relayout(LayoutSource::Tree);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pageButton && event->type() == QEvent::Enter && treeAutoHide_ &&
      !leftPanel->isVisible())
    ShowFloatingTree();
  return QMainWindow::eventFilter(watched, event);
}
