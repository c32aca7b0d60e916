#include "programming/family_i_transfer.h"

#include "link/at_text.h"
#include "programming/progress.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/ui_host.h"

TransferScope::TransferScope() {
  ShowProgress();
  if (UiHost* host = CurrentUiHost()) host->SetWaitCursor(true);
}

TransferScope::~TransferScope() {
  if (UiHost* host = CurrentUiHost()) {
    host->ProgressHide();
    host->SetWaitCursor(false);
  }
  TransferFlag = false;
}

void TransferScope::CountSteps() {
  TransferFlag = true;
}

void TransferScope::SetGaugeMaximum(int maximum) {
  if (UiHost* host = CurrentUiHost()) host->ProgressSetMaximum(maximum);
}

std::optional<ModuleVariant> VariantOfMaker(const std::string& manufacturer) {
  const std::string maker = UpperAscii(manufacturer);
  if (maker.find("MOTOROLA") != std::string::npos) return ModuleVariant::Motorola;
  if (maker.find("ERICSSON") != std::string::npos) return ModuleVariant::Ericsson;
  return std::nullopt;
}

void WarnText(int textNumber) {
  ShowMessageBox(LanguageText(textNumber), MsgKind::Warning, MsgButtons::Ok);
}

// language texts: 236
std::optional<ModuleVariant> IdentifyVariant(Dati_Modulo& info) {
  info.Manufacturer = UpperAscii(info.Manufacturer);
  const auto variant = VariantOfMaker(info.Manufacturer);
  if (!variant) WarnText(236);
  return variant;
}
