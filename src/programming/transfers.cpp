#include "programming/transfers.h"

#include <optional>

#include "link/at_channel.h"
#include "pages/output_rules.h"
#include "programming/family_a_image.h"
#include "programming/family_a_parse.h"
#include "programming/family_a_reader.h"
#include "programming/family_a_writer.h"
#include "programming/family_i_transfers.h"
#include "programming/firmware_family.h"
#include "programming/progress.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/module_poller.h"
#include "shell/pacing.h"
#include "shell/ui_host.h"

// language texts: 20, 21, 53, 54, 146-155
namespace {

enum class Direction { Send, Load };

void SetWaitCursor(bool on) {
  if (UiHost* host = CurrentUiHost()) host->SetWaitCursor(on);
}

void CloseProgress() {
  if (UiHost* host = CurrentUiHost()) host->ProgressHide();
}

void ErrorBox(int text) {
  ShowMessageBox(LanguageText(text), MsgKind::Error, MsgButtons::Ok);
}

// Everything the transfer took is given back: flag, poller, progress window, cursor.
void GiveBack() {
  TransferFlag = false;
  ResumePoller();
  CloseProgress();
  SetWaitCursor(false);
}

// A failed check before anything was said to the module.
TransferOutcome Fail(int text) {
  CloseProgress();
  TransferFlag = false;
  ErrorBox(text);
  GiveBack();
  return TransferOutcome::Failed;
}

// Stops without a word and leaves the port as it is, open for its next user.
TransferOutcome StopSilently() {
  GiveBack();
  return TransferOutcome::Stopped;
}

class FamilyATransfer {
 public:
  FamilyATransfer(const TransferTarget& target, Direction direction)
      : t_(target), direction_(direction) {}

  TransferOutcome Run() {
    if (BusyFlag) return TransferOutcome::NotStarted;
    SetWaitCursor(true);
    PausePoller();

    f_ = FirmwareNumber(t_.header.Rel_firmware);
    ShowProgress();
    const int maximum = direction_ == Direction::Send ? SendGaugeMaximum(f_) : LoadGaugeMaximum(f_);
    if (UiHost* host = CurrentUiHost(); host && maximum > 0) host->ProgressSetMaximum(maximum);
    TransferFlag = true;

    // The check may put the device's release into the header; f keeps the configured one.
    const std::string configured = t_.header.Rel_firmware;
    const int revision = CheckRevision(t_.port, t_.header, configured);
    if (revision == 1) return Fail(146);
    if (revision != 0) return Fail(FailText());

    if (!ModuleReady) return Fail(FailText());
    if (UiHost* host = CurrentUiHost()) {
      const std::string caption = LanguageText(direction_ == Direction::Send ? 21 : 20);
      host->ProgressSetCaption(caption.empty() ? caption : caption.substr(1));
    }
    if (t_.selectFirstNode) t_.selectFirstNode();
    return direction_ == Direction::Send ? Send() : Load();
  }

 private:
  int FailText() const { return direction_ == Direction::Send ? 53 : 54; }

  // The port would not open or something talks on the line.
  TransferOutcome LineFailure(bool portOpen) {
    CloseProgress();
    TransferFlag = false;
    ErrorBox(FailText());
    ModuleReady = false;
    SetWaitCursor(false);
    if (portOpen) {
      if (direction_ == Direction::Send) FlushLine(t_.port);
      CloseComm(t_.port);
    }
    GiveBack();
    return TransferOutcome::Failed;
  }

  // Hangs up any call and makes sure nothing talks on the line, before and after.
  std::optional<TransferOutcome> TakeLine() {
    if (!EnsureOpen(t_.port)) return LineFailure(false);
    if (!LineIsQuiet(t_.port)) return LineFailure(true);
    SendCommand(t_.port, "ATH");
    Pause(3000);
    if (!LineIsQuiet(t_.port)) return LineFailure(true);
    return std::nullopt;
  }

  // Asks about every event no output carries, in the order of the outputs page's event
  // columns: FP, FG, BC, BP, MS, CO, CI. False when the user said no.
  bool ConfirmUnassignedEvents() {
    static constexpr int kDefaultOutput[] = {1, 2, 3, 4, 4, 5, 5};
    for (int i = 0; i < 7; ++i) {
      const int column = kFirstEventColumn + i;
      if (EventAssigned(t_.record, column)) continue;
      const std::string eventText = LanguageText(149 + i);
      if (AnyReservedOutput(t_.record, t_.header)) {
        // A reserved output may be why the event has no output: it is only pointed out.
        const MsgResult answer = ShowMessageBox(LanguageText(147) + "\r\n" + eventText,
                                                MsgKind::Information, MsgButtons::YesNo);
        if (answer == MsgResult::No) return false;
      } else {
        const MsgResult answer =
            ShowMessageBox(LanguageText(147) + "\r\n" + LanguageText(148) + "\r\n" + eventText,
                           MsgKind::Information, MsgButtons::YesNo);
        if (answer != MsgResult::Yes) return false;
        *EventFlag(t_.record.Uscite[kDefaultOutput[i]], column) = 1;
        ++t_.outputEventCount;
      }
    }
    return true;
  }

  TransferOutcome Send() {
    if (!ConfirmUnassignedEvents()) return StopSilently();
    if (auto failed = TakeLine()) return *failed;

    DeleteStoredTexts(t_.port, 2, 40);
    SelectSimPhoneBook(t_.port);
    WritePhoneBook(t_.port, t_.record);
    Pause(200);
    SelectTextMode(t_.port);
    Pause(700);
    for (int text = 0; text < FamilyATextCount(f_); ++text) {
      SendCommand(t_.port, kStoreUnsentCommand);
      if (!WriteStoredText(t_.port, BuildFamilyAText(t_.record, t_.header, text, f_)))
        return StopSilently();
    }
    FlushLine(t_.port);
    CloseComm(t_.port);
    GiveBack();
    return TransferOutcome::Done;
  }

  TransferOutcome Load() {
    if (auto failed = TakeLine()) return *failed;
    ModuleReady = true;
    for (int text = 0; text < FamilyATextCount(f_); ++text)
      ParseFamilyAText(text, ReadStoredText(t_.port, text + 2), f_, t_.record, t_.outputEventCount);
    ReadPhoneNumbers(t_.port, t_.record);
    CloseComm(t_.port);
    GiveBack();
    return TransferOutcome::Done;
  }

  const TransferTarget& t_;
  Direction direction_;
  double f_ = 0;
};

}  // namespace

TransferTarget LiveTransferTarget(std::function<void()> selectFirstNode) {
  return {Comm, GlobalBuffer, Cliente, OutputEventCount, std::move(selectFirstNode)};
}

namespace {
int GaugeMaximum(double f, int early, int late) {
  const FirmwareFamily family = FirmwareFamilyOf(f);
  return family == FirmwareFamily::Early ? early : family == FirmwareFamily::Late ? late : 0;
}
}  // namespace

int SendGaugeMaximum(double f) {
  return GaugeMaximum(f, 119, 165);
}

int LoadGaugeMaximum(double f) {
  return GaugeMaximum(f, 36, 83);
}

TransferOutcome SendProgramming(const TransferTarget& target) {
  if (target.header.TipoCentrale == kTypeVelaI) {
    if (target.selectFirstNode) target.selectFirstNode();
    SendFamilyI();
    return TransferOutcome::HandedOver;
  }
  return FamilyATransfer(target, Direction::Send).Run();
}

TransferOutcome LoadProgramming(const TransferTarget& target) {
  if (target.header.TipoCentrale == kTypeVelaI) {
    if (target.selectFirstNode) target.selectFirstNode();
    ResetConfiguration(target.record, target.header, false);
    target.outputEventCount = 7;
    LoadFamilyI();
    return TransferOutcome::HandedOver;
  }
  return FamilyATransfer(target, Direction::Load).Run();
}
