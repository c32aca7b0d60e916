// Rules of the outputs page, and the two tests the Send transfer asks before it writes.
// Outputs count from 1. Family A event columns 2 to 8 stand for FP, FG, BC, BP, MS, CO, CI.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/record.h"

constexpr int kFirstEventColumn = 2;
constexpr int kLastEventColumn = 8;
constexpr int kMaxOutputEvents = 7;
constexpr std::size_t kSmsCodeLength = 4;
constexpr std::size_t kOutputTextLength = 10;  // family A text of a reserved output
constexpr std::size_t kCommandNameLength = 8;  // family I command name
constexpr int kConfirmationTexts[] = {200, 201, 202};

// The flag of an event column (2 to 8) of an output, or null for any other column.
uint8_t* EventFlag(Tag_Uscita& output, int column);
uint8_t EventFlagValue(const Tag_Uscita& output, int column);

// True when some output has the event of that column.
bool EventAssigned(const Tag_GlobalBuffer& record, int column);
bool EventAssigned(int column);  // live record
// True when the release is at least 1.1 and some output is reserved.
bool AnyReservedOutput(const Tag_GlobalBuffer& record, const Tag_Cliente& header);
bool AnyReservedOutput();  // live record and header

void ClickOutputPolarity(Tag_GlobalBuffer& record, int output);

// Family A. An event switches at most one output, a reserved output none, and the count
// of flags set never passes seven; eventCount follows every flag set or cleared.
void ClickOutputEvent(Tag_GlobalBuffer& record, int& eventCount, int output, int column);
// Reserving clears the output's events; unreserving empties its text.
void ClickReservedOutput(Tag_GlobalBuffer& record, int& eventCount, int output);

// Keys ('\b' = Backspace): the SMS code takes letters, digits and blank; a reserved
// output's text the same, at most 10; the command name letters and digits, at most 8; the
// on-time digits while it holds at most two, and only when the cell is editable.
bool SmsCodeKeyAccepted(char ch);
bool OutputTextKeyAccepted(char ch, std::size_t length, bool reserved);
bool CommandNameKeyAccepted(char ch, std::size_t length);
bool OnTimeKeyAccepted(char ch, const std::string& cell, bool editable);

// Family I.
bool OutputCommanded(const Tag_Uscita& output);
void ClickEventBit(Tag_GlobalBuffer& record, int output, int bit);  // not when commanded
// Commanding clears the event mask; releasing clears the command settings and removes the
// output from the numbers 1..phoneCount that command it.
void ClickCommanded(Tag_GlobalBuffer& record, int output, int phoneCount);
void ClickTimed(Tag_GlobalBuffer& record, int output);  // only when commanded
bool OnTimeEditable(const Tag_Uscita& output);

// The confirmation list of an output as language text numbers, and what choosing item
// `position` stores (the second item of the two-item list stands for 2).
std::vector<int> ConfirmationChoices(const Tag_Uscita& output);
uint8_t ConfirmationOfChoice(const Tag_Uscita& output, int position);
int ConfirmationText(uint8_t conferma);

// The on-time read from its cell: blanks removed, 2 when not a number, held to 2..254.
uint8_t OnTimeFromText(const std::string& cell);
