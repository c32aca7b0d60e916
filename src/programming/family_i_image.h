// The family I programming image: 17 stored texts PX1 to PX17 and the phone-book slots
// beside them, built from the configuration record. Pure functions: no port, no windows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/record.h"

// The GSM module's maker decides where the image lives on the SIM.
enum class ModuleVariant { Motorola, Ericsson };

constexpr int kFamilyITextCount = 17;

// One text of the image and where the module stored it (0 until stored).
struct TSMS {
  std::string Text;
  int Index = 0;
};
using FamilyITexts = std::array<TSMS, kFamilyITextCount>;  // PXn at [n - 1]

// Fills every text from the record; indices are left as they are.
void BuildFamilyITexts(const Tag_GlobalBuffer& record, FamilyITexts& texts);
void BuildFamilyITexts(FamilyITexts& texts);  // from the live record

// The first and last telephone entries (1..95) of the unbroken run that may command
// output i (1..4); {0, 0} when none may.
struct CommandingRange {
  int first = 0;
  int last = 0;
};
CommandingRange CommandingRangeOf(const Tag_GlobalBuffer& record, int output);

// Whole minutes from now until the date of dateField at the hour and minute of timeField;
// 0 when that moment is not in the future.
uint32_t MinutesUntil(DateTime dateField, DateTime timeField, DateTime now);

// The number text of slot 100: minutes to the first periodic SMS and to the first periodic
// report, each zero-filled to six digits.
std::string CounterSlotNumber(const Tag_GlobalBuffer& record, DateTime now);

// One phone-book entry the image writes.
struct PhoneBookWrite {
  int slot = 0;
  std::string number;
  std::string name;
};

// The entries Send writes after clearing, in the order it writes them: telephone numbers,
// digital-communicator numbers, then slot 100. Empty (blank) numbers are left out.
std::vector<PhoneBookWrite> FamilyIPhoneBook(const Tag_GlobalBuffer& record, ModuleVariant variant,
                                             DateTime now);

// Slot ranges Send clears before writing (inclusive bounds).
struct SlotRange {
  int first = 0;
  int last = 0;
};
std::vector<SlotRange> ClearedSlots(ModuleVariant variant);

// "at+cpbw=<slot>,"<number>",,"<name>"" with its CR; a clear is "at+cpbw=<slot>" + CR.
std::string PhoneBookWriteCommand(const PhoneBookWrite& entry);
std::string PhoneBookClearCommand(int slot);
