#include "programming/family_a_reader.h"

#include "link/at_channel.h"
#include "link/at_text.h"
#include "programming/family_a_parse.h"
#include "programming/image_text.h"
#include "shell/pacing.h"

namespace {

// A final error result in place of a body: "+CMS ERROR: 321" for an empty index. Parsed as
// a text it would put characters at fixed offsets into the record.
bool IsErrorResult(const std::string& line) {
  const std::string lower = LowerAscii(TrimBlanksAndControls(line));
  return lower == "error" || lower.rfind("+cms error", 0) == 0 || lower.rfind("+cme error", 0) == 0;
}

}  // namespace

std::string ReadStoredText(TComm& port, int index) {
  SendCommand(port, "at+cmgr=" + std::to_string(index));
  Pause(1000);
  const auto start = WaitStart();
  std::string line;
  for (;;) {
    ReadRawLine(port, line);
    Pause(700);
    // The empty line and the header line that hold the status come before the body.
    if (!line.empty() && line.find("\"STO UNSENT\"") == std::string::npos) break;
    if (WholeSecondsSince(start) >= 11) break;
  }
  return IsErrorResult(line) ? std::string() : line;
}

void ReadPhoneNumbers(TComm& port, Tag_GlobalBuffer& record) {
  for (int k = 1; k <= PhoneEntryCount(); ++k) {
    Pause(100);
    SendCommand(port, "at+cpbr=" + std::to_string(k));
    Pause(400);
    const auto start = WaitStart();
    std::string line;
    do {
      ReadLongLine(port, line);
    } while (line.empty() && WholeSecondsSince(start) < 12);
    record.NumeriTelefonici[k].Numero = PhoneBookNumber(line);
  }
}
