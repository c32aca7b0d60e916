// Rules of the SMS page: the family A texts, the family I input entries with their service
// flags, the periodic-SMS group and the credit check; and the interval arithmetic the
// digital communicator page shares. Input entries count from 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/record.h"

constexpr std::size_t kFamilyASmsLength = 120;
constexpr std::size_t kFamilyISmsLength = 100;
constexpr std::size_t kAdtNumberLength = 20;
constexpr int kPeriodicSmsEntry = 7;
constexpr int kServiceEntries = 3;  // entries 1 to 3 have the service flags "A" and "B"

// Family A texts take Backspace and the characters from blank to "Z" and "a" to "z".
bool FamilyASmsKeyAccepted(char ch, std::size_t length);
// The cell's first 120 characters, blanks removed at both ends, stored only when it
// differs from SmsS[index]. True when stored.
bool StoreFamilyASms(Tag_GlobalBuffer& record, int index, const std::string& cell);

// Family I.
bool HasServiceFlag(const Tag_Ingresso& input);
// Polarity exists on entries 1 to 4; entry 3 keeps 0 while its "B" flag is set.
void ToggleEntryPolarity(Tag_GlobalBuffer& record, int entry);
void ToggleEntryTextedNumber(Tag_GlobalBuffer& record, int entry, int bit);
// Toggles flag "A" (which 1) or "B" (which 2) of entries 1 to 3; "B" on entries 1 and 3
// brings "A" along (and polarity 0 on entry 3). A flag set leaves the entry without SMS
// texts or numbers, and its two digital-communicator events unreported.
void ToggleServiceFlag(Tag_GlobalBuffer& record, int entry, int which);
bool EntryTextKeyAccepted(const Tag_Ingresso& input, char ch, std::size_t length);
bool AdtKeyAccepted(char ch);
bool AdtNumberEnabled(const Tag_GlobalBuffer& record);

// The periodic-SMS group is enabled exactly when the periodic entry's activation text is
// not empty; while input 1 has a service flag its date and time stay disabled.
struct PeriodicGroupState {
  bool enabled = false;
  bool pickersEnabled = false;
};
PeriodicGroupState PeriodicGroup(const std::string& periodicText, const Tag_Ingresso& input1);

// Texts of an entry as stored at close: blanks removed at both ends, cut to 100.
void StoreEntryTexts(Tag_Ingresso& input, const std::string& activation,
                     const std::string& restore);

// An interval typed as days, hours and minutes: each field trimmed, an unreadable one
// counting 0. The split shows whole days, the hours left and the minutes left.
uint32_t IntervalMinutes(const std::string& days, const std::string& hours,
                         const std::string& minutes);
struct IntervalParts {
  uint32_t days = 0, hours = 0, minutes = 0;
};
IntervalParts SplitInterval(uint32_t minutes);

// The credit interval stored at close: 0 when the check is off, else the edit's number
// (1 when unreadable) held to 1..255.
uint8_t CreditInterval(bool checkOn, const std::string& edit);
