// The call lists page: the first ten received, missed and (family I) dialled calls the
// GSM module keeps, read when the installer presses Load.
#pragma once

#include <vector>

#include "remote/call_lists.h"
#include "shell/page_form.h"

class QGroupBox;
class QLabel;
class QToolButton;
class VelaGrid;

class TfrmChiamate : public TPageForm {
  Q_OBJECT
 public:
  explicit TfrmChiamate(QWidget* owner);

  void PageShow() override;
  void SpeedButton4Click();  // Load

  // A grid with the calls of one list: header, then one row a call (one empty row when
  // there is none).
  static void FillGrid(VelaGrid* grid, const std::vector<std::string>& lines);

  QGroupBox* GroupBox1 = nullptr;  // received
  QGroupBox* GroupBox3 = nullptr;  // missed
  QGroupBox* GroupBox2 = nullptr;  // dialled (family I)
  VelaGrid* gRicevute = nullptr;
  VelaGrid* gPerse = nullptr;
  VelaGrid* gEffettuate = nullptr;
  QToolButton* SpeedButton4 = nullptr;
  QWidget* Panel3 = nullptr;  // status line panel (family I)
  QLabel* StaticText1 = nullptr;
};
