#include "shell/serial_devices.h"

#include <algorithm>
#include <filesystem>

namespace {

bool Matches(const std::string& name, const std::vector<std::string>& prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [&](const std::string& p) { return name.rfind(p, 0) == 0; });
}

void Collect(const std::string& folder, const std::vector<std::string>& prefixes,
             std::vector<std::string>& out) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (Matches(name, prefixes)) out.push_back(entry.path().string());
  }
}

}  // namespace

std::vector<std::string> FindSerialDevices(const std::string& devFolder,
                                           const std::string& linkFolder) {
  std::vector<std::string> devices;
  Collect(devFolder, {"ttyUSB", "ttyACM", "ttyS0", "ttyS1", "ttyS2", "ttyS3"}, devices);
  devices.erase(std::remove_if(devices.begin(), devices.end(),
                               [](const std::string& d) {
                                 const auto name = std::filesystem::path(d).filename().string();
                                 return name.rfind("ttyS", 0) == 0 && name.size() != 5;
                               }),
                devices.end());
  Collect(linkFolder, {"vela-com"}, devices);
  std::sort(devices.begin(), devices.end());
  return devices;
}
