// Everything said to the communicator: AT commands to its GSM module, read back line by
// line, and the single bytes and 4-byte frames of the family I controller. Synchronous and
// polled: a caller sends, then reads with timeouts. Every wait goes through the pacing clock.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "model/record.h"

// Longest wait for any single character, in seconds.
constexpr double CharTimeout = 2.0;

// The module identification, in the order ReadModuleInfo fills it. The module-information
// poller fills the first two the other way round (model first).
struct Dati_Modulo {
  std::string Manufacturer;
  std::string Model;
  std::string Revision;
  std::string SerialNumber;
  std::string Imsi;
  std::string Operator;
};
extern Dati_Modulo ModuleInfo;  // the program's one instance

using FrameBuffer = std::array<uint8_t, 101>;

// Opens the port when it is closed (language text 119 in a warning when that fails), then
// drops DTR. True when the port is open.
bool EnsureOpen(TComm& port);

// Drops unread input and writes the text; a carriage return is added except for a non-empty
// text to a family I device (whose callers bring their own terminator).
void SendCommand(TComm& port, const std::string& text);
// The body of a stored text after the module's prompt, ended with Ctrl-Z.
void SendTextBody(TComm& port, const std::string& text);

// One reply line: empty lines skipped, line feeds dropped, at most 65 characters. The line
// is replaced only by a complete one: after a timeout it keeps what it held.
bool ReadReplyLine(TComm& port, std::string& line);
// As ReadReplyLine but up to 161 characters; the line is cleared first and a timeout leaves
// the partial line in it.
bool ReadLongLine(TComm& port, std::string& line);
// A line as it came, line feeds included, up to a carriage return or 161 characters; the
// carriage return (or the 161st character) is removed. A lone carriage return is a line.
bool ReadRawLine(TComm& port, std::string& line);
// Everything up to the module's "OK" and one character after it, at most 500 characters or
// 5 seconds. False at once when a character times out.
bool ReadUntilOk(TComm& port, std::string& text);
// Up to n + 1 bytes (n data bytes and a check byte). False when nothing came, or with the
// check when the frame is short or its last byte is not the 8-bit sum of the others.
bool ReadFrame(TComm& port, FrameBuffer& buffer, int n, bool withChecksum);
// count bytes from first, keeping printable ones, spaces trimmed at both ends.
std::string FrameText(const FrameBuffer& buffer, int first, int count);

// Sends the command, then reads lines until one holds "ok" or "error" (11 seconds at most).
bool WaitOkOrError(TComm& port, const std::string& command);
// Sends the command, then reads lines until one longer than 4 characters that is not the
// command's echo (11 seconds at most). True when that line came and holds no "error".
bool QueryLine(TComm& port, const std::string& command, std::string& reply);

// Asks the family I controller to connect the line to the GSM module (0xCC to write, 0xC3
// to read); true when it answered "PRG" and then 0xFE.
bool StartPassthrough(TComm& port, bool forWriting);
// Leaves the module path; true when the controller confirmed with 0xFF.
bool EndPassthrough(TComm& port);
// Two lone carriage returns and one reply line read and dropped.
void FlushLine(TComm& port);
// True when nothing talks on the line (up to 2 seconds of listening while the poller runs).
bool LineIsQuiet(TComm& port);

// Compares the release in the device's revision text (stored message 1) with the
// configured one. 0 same firmware family, 1 mismatch, 2 no port or no revision text,
// 3 a revision text of another product. In a known family the header's Rel_firmware takes
// the device's release.
int CheckRevision(TComm& port, Tag_Cliente& header, const std::string& expected);
int CheckRevision(const std::string& expected);  // on Comm and Cliente

// The family I controller's version frame as "d.dd". True when there is a problem to
// report: no port, a version that is not a number or one past 1.09 (language text 146 in a
// warning when warn is set; always for a version that is not a number). No frame: false.
bool ReadDeviceVersion(TComm& port, std::string& version, bool warn);

// Enters the module path and asks the module who it is; fields are filled in order until a
// query fails. False only when the path could not be entered.
bool ReadModuleInfo(TComm& port, Dati_Modulo& info, bool endAfter, bool forWriting);
// Enters the module path and shows the SIM credit reply in an information box.
bool QueryCredit(TComm& port, bool endAfter, bool forWriting);
// The first ten entries of the selected phone book, as the module sent them.
void ReadPhoneBookHead(TComm& port, std::string& text);
// Appends the text's non-empty lines ended by carriage returns; line feeds and zero bytes
// are dropped, an unterminated tail is not a line.
void SplitLines(const std::string& text, std::vector<std::string>& lines);
