#include "cli_common.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

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
