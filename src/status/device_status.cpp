#include "status/device_status.h"

#include <algorithm>
#include <cstdio>

#include "shell/language.h"

namespace {

bool Bit(int value, int n) {
  return (value >> n) & 1;
}

// The two service flags of input row r: the "A" one (the higher bit) and the "B" one.
int ServiceBitA(int r) {
  return 9 - 2 * r;
}
int ServiceBitB(int r) {
  return 8 - 2 * r;
}

}  // namespace

bool InWarningState(uint8_t warnings) {
  return (warnings & 0x70) != 0;
}

bool SignalPresent(uint8_t signal) {
  return signal > 24;
}

int SignalPictureNumber(uint8_t signal) {
  return std::max(1, (signal + 1) / 25);
}

int SupplyPicture(uint8_t supply) {
  const int clamped = std::min(std::max(static_cast<int>(supply), 130), 215);
  return kFirstSupplyPicture + (clamped - 130) / 22;
}

std::string SupplyHint(uint8_t supply) {
  if (supply == 255) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%6.2f Volt", supply * 0.061 + 0.7);
  return text;
}

int InputRestPicture(const InputStatus& in, int r) {
  return Bit(in[1], r - 1) ? 1 : 0;
}

bool InputActive(const InputStatus& in, int r) {
  return Bit(in[0], r - 1) != Bit(in[1], r - 1);
}

bool InputServiceOn(const InputStatus& in, int r) {
  if (r < 1 || r > 3) return false;
  return Bit(in[2], ServiceBitA(r)) || Bit(in[2], ServiceBitB(r));
}

std::string InputServiceText(const InputStatus& in, int r) {
  static const int kTextsA[] = {176, 178, 180};
  static const int kTextsB[] = {177, 179, 504};
  if (r < 1 || r > 3) return {};
  std::string text;
  if (Bit(in[2], ServiceBitA(r))) text = LanguageText(kTextsA[r - 1]);
  if (Bit(in[2], ServiceBitB(r)))
    text += (text.empty() ? "" : " / ") + LanguageText(kTextsB[r - 1]);
  return text;
}

int OutputModePicture(const OutputStatus& out, int r) {
  return Bit(out[0], r - 1) ? 0 : 1;
}

bool OutputOn(const OutputStatus& out, int r) {
  return Bit(out[1], r - 1);
}

bool OutputShowsValue(const OutputStatus& out, int r) {
  return Bit(out[7], r - 1) && OutputValue(out, r) != 255;
}

uint8_t OutputValue(const OutputStatus& out, int r) {
  return out[static_cast<std::size_t>(r + 1)];
}

bool WarningOn(uint8_t warnings, int row) {
  return Bit(warnings, row - 1);
}

DateTime PeriodicDate(DateTime now, uint32_t minutes) {
  if (minutes == 0) return 0;
  return now + minutes / (24.0 * 60.0);
}

std::string PeriodicDateText(DateTime now, uint32_t minutes, char dateSeparator,
                             char timeSeparator) {
  if (minutes == 0) return {};
  const LocalDateTime t = FromDateTime(PeriodicDate(now, minutes));
  char text[40];
  std::snprintf(text, sizeof text, "%02d%c%02d%c%02d %02d%c%02d", t.day, dateSeparator, t.month,
                dateSeparator, t.year % 100, t.hour, timeSeparator, t.minute);
  return text;
}
