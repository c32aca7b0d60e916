#include "pages/comdig_rules.h"

#include "pages/key_chars.h"
#include "pages/sms_rules.h"

namespace {

constexpr int kSharedAccountFirstRow = 9;

int PartnerRow(int row) {
  return row % 2 ? row + 1 : row - 1;
}

int InputOfRow(int row) {
  return (row + 1) / 2;
}

}  // namespace

EventRows EventRowsFromRecord(const Tag_ComDig& comDig) {
  EventRows rows;
  for (int e = 0; e <= 6; e += 2) {
    const Tag_Evento& event = comDig.Eventi[e];
    rows[e + 1] = rows[e + 2] = {event.CodiceUtente, event.CodiceEvento1, event.CodiceEvento2};
  }
  for (int e = 8; e <= 13; ++e) {
    const Tag_Evento& event = comDig.Eventi[e];
    rows[e + 1] = {comDig.Eventi[8].CodiceUtente, event.CodiceEvento1, event.CodiceEvento2};
  }
  return rows;
}

std::string AccountCodeToStore(const std::string& cell) {
  std::string code = cell;
  if (code.size() < 4) code.insert(0, 4 - code.size(), '0');
  code.resize(4);
  return code == "0000" ? std::string() : code;
}

void StoreEventRows(Tag_ComDig& comDig, const EventRows& rows) {
  for (int e = 0; e < kEventRows; ++e) {
    Tag_Evento& event = comDig.Eventi[e];
    const EventRow& row = rows[e + 1];
    event.CodiceUtente = AccountCodeToStore(row.account);
    event.CodiceEvento1 = row.code1;
    event.CodiceEvento2 = row.code2;
  }
}

std::vector<int> MirrorRows(int row, int col) {
  if (row < 1 || row > kEventRows) return {};
  if (col == 1) {
    if (row < kSharedAccountFirstRow) return {PartnerRow(row)};
    std::vector<int> others;
    for (int r = kSharedAccountFirstRow; r <= kEventRows; ++r)
      if (r != row) others.push_back(r);
    return others;
  }
  if ((col == 2 || col == 3) && row <= 12) return {PartnerRow(row)};
  return {};
}

bool EventCodeEditable(int row, int col) {
  if (row < 1 || row > kEventRows) return false;
  if (col == 1 || col == 3) return true;
  return col == 2 && row < kSharedAccountFirstRow;
}

bool EventKeyAccepted(int row, int col, char ch, std::size_t length) {
  if (!EventCodeEditable(row, col)) return false;
  if (ch == kKeyDelete) {
    const bool discarded = row == 2 || row == 4 || row == 6 || row >= 8;
    return !discarded;
  }
  if (ch == kKeyBackspace) return true;
  if (!IsHexUpper(ch)) return false;
  const std::size_t capacity = col == 1 ? 4 : col == 2 ? 1 : 2;
  return length < capacity;
}

bool ReceiverNumberKeyAccepted(char ch) {
  return ch == kKeyBackspace || IsDigit(ch) || ch == '*' || ch == '+' || ch == ',';
}

bool SendFlagLocked(const Tag_GlobalBuffer& record, int row) {
  if (row < 1 || row > 8) return false;
  return HasServiceFlag(record.Ingressi[InputOfRow(row)]);
}

bool SendFlagSet(const Tag_ComDig& comDig, int row) {
  return row >= 1 && row <= kEventRows && comDig.Eventi[row - 1].Invia == 1;
}

bool ClickSendFlag(Tag_GlobalBuffer& record, int row) {
  if (row < 1 || row > kEventRows || SendFlagLocked(record, row)) return false;
  uint8_t& invia = record.ComDig.Eventi[row - 1].Invia;
  invia = invia == 1 ? 0 : 1;
  return true;
}

bool ScheduleEnabled(const Tag_ComDig& comDig) {
  return comDig.Eventi[kPeriodicReportRow - 1].Invia == 1;
}

void RestoreDefaultEventCodes(Tag_ComDig& comDig) {
  // The defaults belong to the record: take them from a freshly reset one.
  Tag_GlobalBuffer defaults;
  Tag_Cliente header;
  ResetConfiguration(defaults, header, false);
  for (int e = 0; e < kEventRows; ++e) {
    comDig.Eventi[e].CodiceEvento1 = defaults.ComDig.Eventi[e].CodiceEvento1;
    comDig.Eventi[e].CodiceEvento2 = defaults.ComDig.Eventi[e].CodiceEvento2;
  }
}
