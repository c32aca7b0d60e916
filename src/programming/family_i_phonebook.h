// The phone-book half of the family I image read back, and finding the stored texts of a
// MOTOROLA module through their index entries. Pure functions over the listed lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/record.h"
#include "programming/family_i_image.h"
#include "programming/family_i_parser.h"

// One listed phone-book entry: the raw "+CPBR:" line and what it holds.
struct stRecAgenda {
  std::string line;
  int slot = -1;  // -1 when the line has no slot number
  std::string number;
  std::string name;
};

// One listed stored text: its "+CMGL:" header and its body line.
struct stSms {
  std::string header;
  std::string body;
};

stRecAgenda ParsePhoneBookLine(std::string_view line);

// Fills the record from the listed entries, in listing order.
void MapPhoneBook(const std::vector<stRecAgenda>& book, ModuleVariant variant,
                  Tag_GlobalBuffer& record);

// The storage index of text PXn from its index entry, or -1 when there is none.
int TextIndexOf(const std::vector<stRecAgenda>& book, int n);

// The storage index in a "+CMGL: <index>,..." header, or -1.
int ListedIndexOf(std::string_view header);

// PX1 to PX17 of a MOTOROLA SIM: the body of the listed text whose index matches the index
// entry exactly; nullopt for a text without entry or without listed text.
LocatedTexts LocateMotorolaTexts(const std::vector<stRecAgenda>& book,
                                 const std::vector<stSms>& listing);
