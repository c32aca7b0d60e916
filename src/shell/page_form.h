// The base of every page the main window embeds (and of the welcome page).
#pragma once

#include <QWidget>

class TPageForm : public QWidget {
  Q_OBJECT
 public:
  // An owner that is a child widget (the main window's page area) becomes the page's host:
  // the page is embedded at (1, 1) and fills it. Any other owner gives a top-level window.
  explicit TPageForm(QWidget* owner);
  ~TPageForm() override;

  QWidget* Host() const { return host_; }

  // Reads the live record into the controls; runs before the page is first shown.
  virtual void PageShow() {}
  // Writes the controls' edits back into the live record.
  virtual void PageClose() {}
  // Asked before the selection moves away from the page; false keeps it.
  virtual bool CanLeave() { return true; }

  // Commits the page's edits once; the main window calls it before freeing the page.
  void ClosePage();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* host_ = nullptr;
  bool shown_ = false;
  bool closed_ = false;
};
