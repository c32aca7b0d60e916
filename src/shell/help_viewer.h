// The manual: HelpFolder + "LR4090.PDF" in a modal viewer, opened at a page.
#pragma once

#include <QDialog>

class QPdfDocument;
class QPdfView;
class QWidget;

class TfrmHelp : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmHelp(QWidget* parent = nullptr);
  // Loads the file and moves to the page (counted from 0); false when it cannot be shown.
  bool Open(const QString& path, int page);
  QPdfView* view() const { return view_; }

 private:
  QPdfDocument* document_;
  QPdfView* view_;
};

// A missing file does nothing; a file that cannot be shown gives an error box (text 1124).
void ShowManual(int page, QWidget* parent = nullptr);
