// The device status page. Family I: a polling thread reads the device's controller and the
// page draws what it reads (signal, supply, warnings, inputs, outputs, version, module and
// the next periodic SMS and report); an output can be switched and one device command
// sent. Family A: while the toggle button is down, a one-second timer asks the module for
// its cells and its signal.
#pragma once

#include <QPointer>
#include <array>
#include <memory>

#include "shell/page_form.h"
#include "status/device_status.h"
#include "status/family_i_monitor.h"

struct CellPoll;
class HexIndicator;
class LcdDisplay;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;
class VelaGrid;

class TfrmStato : public TPageForm {
  Q_OBJECT
 public:
  explicit TfrmStato(QWidget* owner);
  ~TfrmStato() override;

  void PageShow() override;
  void PageClose() override;
  bool CanLeave() override;

  // Family I.
  void Timer2Timer();                 // the start: the SIM PIN, then the polling thread
  void OnMessage(int code, int arg);  // a page message from the thread
  void ONOFF1Click();                 // switches the output of the grid's current row
  void BitBtn1Click();                // the device command
  FamilyIMonitor* Monitor() const { return monitor_.get(); }
  // Family A.
  void SpeedButton1Click(bool down);
  void Timer1Timer();
  bool Polling() const { return polling_; }

  // The longest the page waits for the thread when it closes (nominal); it waits on past it
  // only for a read that is still running, so that the port is never closed under it.
  static constexpr int kCloseWaitMs = 7000;

  QWidget* pnlVELA_1 = nullptr;  // family I: version and device indicators
  QWidget* Panel2 = nullptr;     // family I: the grids
  QWidget* Panel4 = nullptr;     // family I: periodic dates and the device command
  QGroupBox* GroupBox1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;  // family A: the cells
  QGroupBox* GroupBox3 = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QGroupBox* gbOutputs = nullptr;
  QGroupBox* gbInputs = nullptr;
  QGroupBox* gbWarnings = nullptr;
  std::array<QLabel*, 5> captions{};  // Label1 to Label5
  std::array<QLabel*, 5> identity{};  // Label6 to Label10
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;  // the version
  QLabel* Label13 = nullptr;
  LcdDisplay* Lcd = nullptr;
  HexIndicator* Image9 = nullptr;  // the device indicator
  QLabel* Image8 = nullptr;        // supply; property "picture"
  QLabel* Image10 = nullptr;       // activity; property "picture"
  QLabel* Image7 = nullptr;        // family A signal; property "file"
  std::array<QLabel*, 6> cellLabels{};
  std::array<QLabel*, 6> cellPictures{};  // property "file"
  VelaGrid* sgUscite = nullptr;
  VelaGrid* sgIngressi = nullptr;
  VelaGrid* sgAllarmi = nullptr;
  QMenu* outputsMenu = nullptr;
  QAction* ONOFF1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QLineEdit* dtSms = nullptr;
  QLineEdit* dtCid = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QTimer* Timer1 = nullptr;
  QTimer* Timer2 = nullptr;
  QLabel* StaticText1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildFamilyI(QWidget* parent);
  void BuildFamilyA(QWidget* parent);
  void BuildGrids(QWidget* parent);
  void SetCaptions();
  void ShowIdentity();
  void RefreshSignal();
  void RefreshDates();
  void QueueCommand(uint8_t command);
  void StopFamilyI();
  bool StartPolling();
  void StopPolling();
  static void ReleasePort();  // BusyFlag cleared, the poller resumed, the port closed
  void ShowCells(const CellPoll& poll);
  // Lets queued messages run for a nominal time, user input excluded: the page must not be
  // closed under its own handler.
  static void WaitWithMessages(int nominalMs);

  bool familyI_ = false;
  QPointer<TfrmStato> self_;
  std::unique_ptr<FamilyIMonitor> monitor_;
  // What the grids and pictures show: the thread's values as of its last message.
  Tag_StatoDispositivo shown_;
  InputStatus inputs_{};
  OutputStatus outputs_{};
  int activityFrame_ = 0;
  bool polling_ = false;  // family A: the button is down and the port is ours
  bool inPoll_ = false;   // a poll is running (it lets messages run while it waits)
  bool stopAfterPoll_ = false;
};
