// The language chooser: lists the installed languages and answers the one picked.
#pragma once

#include <QDialog>

class QListWidget;

class LanguageDialog : public QDialog {
  Q_OBJECT
 public:
  LanguageDialog(const QString& title, const QString& current, QWidget* parent = nullptr);
  QString Chosen() const;
  QListWidget* list = nullptr;
};

// The chooser behind the Language menu entry, with the outside chooser's contract.
void RunLanguageDialog(QWidget* parent, const char* settingsFile, char* languageBuffer,
                       const char* title);
