// The outputs text and the options text in the exact form our writer gives them, read by
// their delimiters. The device's fixed-position reading loses values that the writer can
// produce (a wide number shifts every later position, a command name holding "O2" cuts the
// groups); a text in the writer's form is read this way so that what was written comes back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct OutputImage {
  enum class Kind { Other, Events, Commanded };
  Kind kind = Kind::Other;
  uint8_t polarity = 1;
  uint8_t mask = 0;  // events that switch it
  std::string name;  // commanded: command name, confirmation, range, on-time
  uint8_t conferma = 0;
  int first = 0;
  int last = 0;
  uint8_t tempoOn = 255;
};
using OutputsImage = std::array<OutputImage, 4>;

struct OptionsImage {
  std::array<bool, 4> polarityHigh{};
  std::array<bool, 4> serv1{};
  std::array<bool, 4> serv2{};
  uint32_t smsInterval = 0;
  uint32_t reportInterval = 0;
  std::string secondCode;  // as written, "0000" included
  uint8_t credit = 0;
  bool priority = false;
  int32_t digitsRemoved = 0;
  std::string prefix;
};

std::optional<OutputsImage> MatchWriterOutputs(std::string_view text);
std::optional<OptionsImage> MatchWriterOptions(std::string_view text);
