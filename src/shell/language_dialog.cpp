#include "shell/language_dialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>
#include <cstring>

#include "shell/language_choice.h"
#include "widgets/qt_text.h"

LanguageDialog::LanguageDialog(const QString& title, const QString& current, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title);
  list = new QListWidget(this);
  list->setObjectName("languages");
  for (const auto& name : AvailableLanguages()) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), list);
    if (item->text() == current) list->setCurrentItem(item);
  }
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Lang(94), QDialogButtonBox::AcceptRole);
  buttons->addButton(Lang(95), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list);
  layout->addWidget(buttons);
}

QString LanguageDialog::Chosen() const {
  return list->currentItem() ? list->currentItem()->text() : QString();
}

void RunLanguageDialog(QWidget* parent, const char* /*settingsFile*/, char* languageBuffer,
                       const char* title) {
  const QString current = QString::fromUtf8(languageBuffer).trimmed();
  LanguageDialog dialog(ToQString(title), current, parent);
  if (dialog.exec() != QDialog::Accepted || dialog.Chosen().isEmpty()) return;
  const QByteArray chosen = dialog.Chosen().toUtf8().left(255);
  std::memcpy(languageBuffer, chosen.constData(), chosen.size());
  languageBuffer[chosen.size()] = '\0';
}
