// The welcome page shown for the root of the page tree: logo, release text, maker's link.
#pragma once

#include "shell/page_form.h"

class QLabel;

// The maker's web address, with its scheme for the link text.
inline constexpr const char* kMakerAddress = "http://www.corvena-security.example";

class TfrmLogo : public TPageForm {
  Q_OBJECT
 public:
  explicit TfrmLogo(QWidget* owner);

  QWidget* Panel1 = nullptr;
  QWidget* Panel2 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* Image3 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;

  void PageShow() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Arrange();
};
