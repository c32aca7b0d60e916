#include "model/record.h"

#include <charconv>
#include <utility>

#include "shell/language.h"

Tag_GlobalBuffer GlobalBuffer;
Tag_GlobalBuffer SavedBuffer;
Tag_Cliente Cliente;
int OutputEventCount = 7;

namespace {

CustomerCodeSource g_codeSource;
int g_phoneEntryCount = 8;

std::string TwoDigits(int n) {
  return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

// language texts: 115, 116, 156
std::string Label(int textNumber, int n) {
  return LanguageText(textNumber) + " " + TwoDigits(n);
}

void SetOutput(Tag_Uscita& out, std::initializer_list<uint8_t Tag_Uscita::*> flags,
               uint8_t maskEventi) {
  out.Polarita = 1;
  for (auto flag : flags) out.*flag = 1;
  out.MaskEventiVELA_I = maskEventi;
}

void SetEvent(Tag_Evento& event, const char* code1, const char* code2) {
  event.CodiceEvento1 = code1;
  event.CodiceEvento2 = code2;
}

void ApplyDefaults(Tag_GlobalBuffer& r) {
  for (int k = 1; k <= 100; ++k) r.NumeriTelefonici[k].Descrizione = Label(115, k);
  for (int k = 1; k <= 8; ++k) r.Messaggi[k].Descrizione = Label(116, k);
  for (int k = 1; k <= 7; ++k) r.Ingressi[k].Polarita = 1;

  SetOutput(r.Uscite[1], {&Tag_Uscita::FP}, 1);
  SetOutput(r.Uscite[2], {&Tag_Uscita::FG}, 6);
  SetOutput(r.Uscite[3], {&Tag_Uscita::BC}, 8);
  SetOutput(r.Uscite[4], {&Tag_Uscita::BP, &Tag_Uscita::MS}, 112);
  SetOutput(r.Uscite[5], {&Tag_Uscita::CO, &Tag_Uscita::CI}, 0);

  r.Opzioni.VoceInLinea = 1;
  r.Opzioni.SMSDataPrimo = DateTimeNow();
  r.Opzioni.SMSOraPrimo = DateTimeNow();
  r.Opzioni.ControlloCredito = 1;

  r.SmsS[0].Descrizione = LanguageText(157);
  for (int i = 1; i <= 8; ++i) r.SmsS[i].Descrizione = Label(156, i);

  for (int e = 0; e <= 7; ++e) SetEvent(r.ComDig.Eventi[e], "1", "3A");
  SetEvent(r.ComDig.Eventi[8], "3", "51");
  SetEvent(r.ComDig.Eventi[9], "3", "51");
  SetEvent(r.ComDig.Eventi[10], "3", "A2");
  SetEvent(r.ComDig.Eventi[11], "3", "A2");
  SetEvent(r.ComDig.Eventi[12], "6", "02");
  SetEvent(r.ComDig.Eventi[13], "6", "24");
  r.ComDig.SegDataPrimo = DateTimeNow();
  r.ComDig.SegOraPrimo = DateTimeNow();
}

}  // namespace

void SetCustomerCodeSource(CustomerCodeSource source) {
  g_codeSource = std::move(source);
}

void ResetConfiguration(Tag_GlobalBuffer& record, Tag_Cliente& header, bool resetCustomer) {
  record = Tag_GlobalBuffer{};
  if (resetCustomer) {
    const uint8_t type = header.TipoCentrale;
    const auto release = header.Rel_firmware;
    header = Tag_Cliente{};
    header.TipoCentrale = type;
    header.Rel_firmware = release;
    header.CodiceCliente = g_codeSource ? g_codeSource() : std::string();
    header.DataUltModifica = DateTimeNow();
  }
  ApplyDefaults(record);
}

void ResetConfiguration(bool resetCustomer) {
  ResetConfiguration(GlobalBuffer, Cliente, resetCustomer);
  OutputEventCount = 7;
}

void TakeSavedCopy() {
  SavedBuffer = GlobalBuffer;
}

bool IsUnchanged(const Tag_GlobalBuffer& live, const Tag_GlobalBuffer& saved) {
  return live == saved;
}

bool IsUnchanged() {
  return IsUnchanged(GlobalBuffer, SavedBuffer);
}

double FirmwareNumber(const std::string& release) {
  // Only a plain decimal number with "." counts, read without the locale's help and rounded
  // once, so that "2.31" equals the threshold 2.31 (adding up the digits one by one does not).
  int digits = 0;
  int points = 0;
  for (char c : release) {
    if (c == '.')
      ++points;
    else if (c >= '0' && c <= '9')
      ++digits;
    else
      return 0;
  }
  if (digits == 0 || points > 1) return 0;
  double value = 0;
  const char* end = release.data() + release.size();
  const auto [ptr, ec] = std::from_chars(release.data(), end, value, std::chars_format::fixed);
  return ec == std::errc() && ptr == end ? value : 0;
}

bool FirmwareAtLeast(const Tag_Cliente& header, double threshold) {
  return FirmwareNumber(header.Rel_firmware) >= threshold;
}

bool FirmwareAtLeast(double threshold) {
  return FirmwareAtLeast(Cliente, threshold);
}

int PhoneEntryCount() {
  return g_phoneEntryCount;
}

void SetPhoneEntryCount(int count) {
  g_phoneEntryCount = count;
}

int InputEntryCount(int tipoCentrale) {
  return tipoCentrale == kTypeVelaI ? 7 : 4;
}

int CountOutputEvents(const Tag_GlobalBuffer& record) {
  int count = 0;
  for (int k = 1; k <= 5; ++k) {
    const auto& out = record.Uscite[k];
    for (uint8_t flag : {out.FP, out.FG, out.BC, out.BP, out.CO, out.CI, out.MS})
      count += flag ? 1 : 0;
  }
  return count;
}
