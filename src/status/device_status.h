// What the family I controller reports about the connected device, and how the status page
// reads those bytes: signal and supply pictures, the grids' cells, the dates of the next
// periodic SMS and report. Pure functions, no port.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/date_time.h"

struct Tag_StatoDispositivo {
  uint8_t signal = 0;    // above 24: the network is there
  uint8_t warnings = 0;  // bit k: warning row k + 1
  uint8_t supply = 0;    // volts = value * 0.061 + 0.7; 255: no reading
  std::string version;   // "d.dd" from the version frame
  uint32_t smsMinutes = 0;
  uint32_t reportMinutes = 0;
};

// [0] low four bits of "8" byte 1 (inputs now), [1] its high four bits (inputs at rest),
// [2] "8" byte 2 (service flags of inputs 1 to 3 in bits 7 to 2).
using InputStatus = std::array<uint8_t, 3>;
// [0] ":" byte 2, [1] ":" byte 1, [2] value of output 1, [3]..[5] values of outputs 2 to 4,
// [6] unused, [7] ":" byte 3 (outputs that show a value). 255: no value.
using OutputStatus = std::array<uint8_t, 8>;

constexpr int kStatusOutputs = 4;
constexpr int kStatusInputs = 4;
constexpr int kWarningRows = 8;

// The indicator's pictures.
enum StatusIndicator {
  kIndicatorAnswering = 0,
  kIndicatorNoAnswer = 1,
  kIndicatorWarning = 2,
  kIndicatorNotReady = 3
};
// The first supply picture; the supply pictures are 4 to 7.
constexpr int kFirstSupplyPicture = 4;

// Warning bits 4, 5 and 6 put the device in its warning state.
bool InWarningState(uint8_t warnings);
bool SignalPresent(uint8_t signal);
// The signal picture number n of "lcd-sign<n>.bmp" (1 to 10) for a signal that is present.
int SignalPictureNumber(uint8_t signal);
// The supply picture (4 to 7).
int SupplyPicture(uint8_t supply);
// The supply hint, " 12.90 Volt" for 200; empty for 255 (no reading: the hint stays).
std::string SupplyHint(uint8_t supply);

// Cells of the inputs grid, input r = 1..4.
int InputRestPicture(const InputStatus& in, int r);  // main-window state picture 0 or 1
bool InputActive(const InputStatus& in, int r);      // now differs from rest
bool InputServiceOn(const InputStatus& in, int r);   // rows 1 to 3
// The language texts of the service flags set in row r (1 to 3), A before B.
std::string InputServiceText(const InputStatus& in, int r);

// Cells of the outputs grid, output r = 1..4.
int OutputModePicture(const OutputStatus& out, int r);  // main-window state picture 0 or 1
bool OutputOn(const OutputStatus& out, int r);
bool OutputShowsValue(const OutputStatus& out, int r);  // valued and not 255
uint8_t OutputValue(const OutputStatus& out, int r);

bool WarningOn(uint8_t warnings, int row);  // rows 1 to 8

// Now plus the minutes, or nothing (0) for a counter of 0.
DateTime PeriodicDate(DateTime now, uint32_t minutes);
// "dd/mm/yy hh:nn" with the separators given; empty for a counter of 0.
std::string PeriodicDateText(DateTime now, uint32_t minutes, char dateSeparator,
                             char timeSeparator);
