#include "device_session.h"

DeviceSession::DeviceSession(SimConfig config) : sim_(std::make_unique<Simulator>(config)) {
  started_ = sim_->Start(&error_);
}

DeviceSession::~DeviceSession() {
  SetComDeviceResolver({});
  sim_->Stop();
}

void DeviceSession::Connect(TComm& port) {
  CloseComm(port);
  const std::string path = sim_->SlavePath();
  SetComDeviceResolver([path](int) { return path; });
  port.Port = 1;
}

SimConfig FamilyADevice(const std::string& firmware, std::vector<std::string> faults) {
  SimConfig config;
  config.family = 'A';
  config.firmware = firmware;
  config.faults = std::move(faults);
  return config;
}
