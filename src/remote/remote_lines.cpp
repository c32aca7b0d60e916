#include "remote/remote_lines.h"

#include <cstdio>

#include "archive/archive.h"
#include "programming/family_i_image.h"

namespace {

constexpr int kAdtEntry = 95;
constexpr int kFirstContactEntry = 96;

std::string TwoDigits(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// The entry as the remote device takes it: number and name, or the bare entry number.
std::string Entry(int n, const std::string& number, const std::string& name) {
  if (number.empty()) return TwoDigits(n);
  return TwoDigits(n) + "," + Quoted(number) + ",," + Quoted(name);
}

}  // namespace

RemoteTexts RemoteTextsOf(const Tag_GlobalBuffer& record) {
  FamilyITexts built{};
  BuildFamilyITexts(record, built);
  RemoteTexts texts;
  for (int n = 0; n < kRemoteTexts; ++n)
    texts[static_cast<std::size_t>(n)] = built[static_cast<std::size_t>(n)].Text;
  return texts;
}

RemoteEntries RemoteEntriesOf(const Tag_GlobalBuffer& record) {
  RemoteEntries entries;
  for (int n = 1; n < kAdtEntry; ++n) {
    const Tag_NumeroTelefonico& phone = record.NumeriTelefonici[static_cast<std::size_t>(n)];
    entries[static_cast<std::size_t>(n - 1)] = Entry(n, phone.Numero, phone.Descrizione);
  }
  // Telephone number 95 has no place here: the entry carries the ADT number.
  entries[kAdtEntry - 1] = Entry(kAdtEntry, record.Opzioni.NtelChiamataADT.str(), "ADT");
  const std::string contacts[] = {record.ComDig.Numero1.str(), record.ComDig.Numero2.str(),
                                  record.ComDig.Numero3.str(), record.ComDig.Numero4.str()};
  for (int j = 1; j <= 4; ++j) {
    const int n = kFirstContactEntry + j - 1;
    entries[static_cast<std::size_t>(n - 1)] =
        Entry(n, contacts[j - 1], "CONTACT ID " + std::to_string(j));
  }
  return entries;
}

std::string RemoteTextLine(int n, const std::string& text) {
  return std::string("#*") + static_cast<char>('a' + n - 1) + "*" + text + "*";
}

std::string RemoteEntryLine(const std::string& entry) {
  return "#*r*" + entry + "*";
}

std::vector<std::string> RemoteLines(const RemoteTexts& texts, const RemoteEntries& entries,
                                     const RemoteTexts* otherTexts,
                                     const RemoteEntries* otherEntries) {
  std::vector<std::string> lines;
  for (int n = 1; n <= kRemoteTexts; ++n) {
    const std::string& text = texts[static_cast<std::size_t>(n - 1)];
    if (!text.empty() && (!otherTexts || text != (*otherTexts)[static_cast<std::size_t>(n - 1)]))
      lines.push_back(RemoteTextLine(n, text));
  }
  for (int n = 1; n <= kRemoteEntries; ++n) {
    const std::string& entry = entries[static_cast<std::size_t>(n - 1)];
    if (!otherEntries || entry != (*otherEntries)[static_cast<std::size_t>(n - 1)])
      lines.push_back(RemoteEntryLine(entry));
  }
  return lines;
}

bool RemoteLinesFor(const Tag_GlobalBuffer& live, const Tag_Cliente& header,
                    std::optional<int> otherSerial, std::vector<std::string>& lines) {
  lines.clear();
  const RemoteTexts texts = RemoteTextsOf(live);
  const RemoteEntries entries = RemoteEntriesOf(live);
  if (!otherSerial) {
    lines = RemoteLines(texts, entries, nullptr, nullptr);
    return true;
  }
  Tag_Cliente otherHeader = header;
  Tag_GlobalBuffer other;
  ResetConfiguration(other, otherHeader, false);
  int outputEvents = 0;
  if (!ArchiveLoadCustomer(*otherSerial, otherHeader, other, outputEvents)) return false;
  const RemoteTexts otherTexts = RemoteTextsOf(other);
  const RemoteEntries otherEntries = RemoteEntriesOf(other);
  lines = RemoteLines(texts, entries, &otherTexts, &otherEntries);
  return true;
}
