#include "shell/page_form.h"

#include <QLayout>
#include <QVBoxLayout>

TPageForm::TPageForm(QWidget* owner) : QWidget(owner && !owner->isWindow() ? owner : nullptr) {
  if (owner && !owner->isWindow()) {
    host_ = owner;
    QLayout* layout = owner->layout();
    if (!layout) {
      layout = new QVBoxLayout(owner);
      layout->setContentsMargins(1, 1, 0, 0);
    }
    layout->addWidget(this);
    hide();  // ShowPage shows it after scaling
  } else if (owner) {
    setParent(owner, Qt::Window);
  }
}

TPageForm::~TPageForm() = default;

void TPageForm::ClosePage() {
  if (closed_ || !shown_) return;
  closed_ = true;
  PageClose();
}

void TPageForm::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    PageShow();
  }
  QWidget::showEvent(event);
}
