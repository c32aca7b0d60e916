#include "cli_common.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>

#include "link/serial_port.h"
#include "shell/pacing.h"

CliArgs::CliArgs(const std::vector<std::string>& args, const std::set<std::string>& flags,
                 const std::set<std::string>& valued) {
  for (std::size_t i = 0; i < args.size() && ok(); ++i) {
    const std::string& a = args[i];
    if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
      words_.push_back(a);
    } else if (flags.count(a)) {
      options_[a] = "";
    } else if (valued.count(a)) {
      if (i + 1 >= args.size())
        error_ = a + " needs a value";
      else
        options_[a] = args[++i];
    } else {
      error_ = "unknown option " + a;
    }
  }
}

std::string CliArgs::Value(const std::string& option) const {
  const auto it = options_.find(option);
  return it == options_.end() ? std::string() : it->second;
}

int UsageError(const std::string& message, const char* usage) {
  std::fprintf(stderr, "vela-cli: %s\nusage: %s\n", message.c_str(), usage);
  return kExitUsage;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  bytes = file.readAll().toStdString();
  return true;
}

bool ReadJsonObjectFile(const std::string& path, QJsonObject& object, std::string& error) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    error = "cannot read " + path;
    return false;
  }
  QJsonParseError parse;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &parse);
  if (!doc.isObject()) {
    error = path + ": not a JSON object (" + parse.errorString().toStdString() + ")";
    return false;
  }
  object = doc.object();
  return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& error) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    error = path + ": " + file.errorString().toStdString();
    return false;
  }
  return true;
}

namespace {

// A COM number ("2", "COM2") or 0 for anything else.
int ComNumber(const std::string& text) {
  std::string digits = text;
  if (digits.size() > 3 && (digits.compare(0, 3, "COM") == 0 || digits.compare(0, 3, "com") == 0))
    digits = digits.substr(3);
  if (digits.empty() || digits.size() > 2 ||
      digits.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  return std::atoi(digits.c_str());
}

}  // namespace

int TakeLineOptions(const CliArgs& args, const char* usage) {
  if (args.Has("--port") && args.Has("--device"))
    return UsageError("give --port or --device, not both", usage);
  std::string device = args.Value("--device");
  if (args.Has("--port")) {
    const std::string port = args.Value("--port");
    const int n = ComNumber(port);
    if (n == 0 && port.find('/') != std::string::npos) {
      device = port;
    } else if (n < 1 || n > 4) {
      return UsageError("--port takes 1 to 4 or a device path", usage);
    } else {
      CloseComm(Comm);
      Comm.Port = n;
    }
  }
  if (!device.empty()) {
    CloseComm(Comm);
    SetComDeviceResolver([device](int) { return device; });
  }
  if (args.Has("--speed")) {
    const double speed = std::atof(args.Value("--speed").c_str());
    if (speed < 1) return UsageError("--speed takes a number from 1 up", usage);
    SetPacingSpeed(speed);
  }
  return kExitOk;
}
