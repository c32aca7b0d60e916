// Rules of the digital communicator page. Grid row r (1 to 14) shows event r - 1; rows
// 1 to 8 are the activation/restore pairs of inputs 1 to 4, rows 9 to 14 share one account
// code (the second customer code), row 13 is the periodic test report.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/record.h"

constexpr int kEventRows = 14;
constexpr int kPeriodicReportRow = 13;
constexpr std::size_t kReceiverNumberLength = 20;

struct EventRow {
  std::string account, code1, code2;
};
using EventRows = std::array<EventRow, kEventRows + 1>;  // index = grid row, 0 unused

// What the grid shows: each pair shows its activation event's codes on both rows; rows 9
// to 14 show event 8's account code.
EventRows EventRowsFromRecord(const Tag_ComDig& comDig);
// Writes the rows back: account codes padded to four with "0" ("0000" is empty), event
// codes cut to one and two characters. Send flags are not touched.
void StoreEventRows(Tag_ComDig& comDig, const EventRows& rows);
std::string AccountCodeToStore(const std::string& cell);

// The rows that take the same text when a cell of `col` on `row` changes.
std::vector<int> MirrorRows(int row, int col);

// Keys ('\b' = Backspace, '\x7f' = Delete) in the grid and in the number fields.
constexpr char kKeyDelete = '\x7f';
bool EventKeyAccepted(int row, int col, char ch, std::size_t length);
bool EventCodeEditable(int row, int col);
bool ReceiverNumberKeyAccepted(char ch);

// Send flags: 1 means report. Rows 1 to 8 are locked while their input is a service input.
bool SendFlagLocked(const Tag_GlobalBuffer& record, int row);
bool SendFlagSet(const Tag_ComDig& comDig, int row);
bool ClickSendFlag(Tag_GlobalBuffer& record, int row);  // true when toggled
bool ScheduleEnabled(const Tag_ComDig& comDig);

// The default Contact ID event codes of all 14 events; codes and flags stay.
void RestoreDefaultEventCodes(Tag_ComDig& comDig);
