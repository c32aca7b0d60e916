// The two generations of family A firmware. The image and the transfers choose their texts
// and gauge maxima by the generation of the release number.
#pragma once

enum class FirmwareFamily { None, Early, Late };

constexpr double kEarlyFirst = 1.0;
constexpr double kEarlyLast = 1.09;
constexpr double kLateFirst = 1.1;
constexpr double kLateLast = 1.19;

constexpr FirmwareFamily FirmwareFamilyOf(double release) {
  if (release >= kEarlyFirst && release <= kEarlyLast) return FirmwareFamily::Early;
  if (release >= kLateFirst && release <= kLateLast) return FirmwareFamily::Late;
  return FirmwareFamily::None;
}

constexpr bool IsEarlyFamily(double release) {
  return FirmwareFamilyOf(release) == FirmwareFamily::Early;
}
constexpr bool IsLateFamily(double release) {
  return FirmwareFamilyOf(release) == FirmwareFamily::Late;
}

// Texts 0 to 2 for the early generation, 0 to 13 otherwise (the revision check keeps a
// release of neither generation from reaching the writer).
constexpr int FamilyATextCount(double release) {
  return IsEarlyFamily(release) ? 3 : 14;
}
