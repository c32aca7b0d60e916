// vela-cli send and load: the Send and Load commands of the windows, on the port of the
// settings (or the one named), with their boxes on stderr.
#include "transfer_commands.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstdlib>

#include "link/at_channel.h"
#include "programming/family_i_load.h"
#include "programming/family_i_send.h"
#include "record_json.h"
#include "shell/pacing.h"

namespace {

constexpr const char* kUsage =
    "vela-cli [--root DIR] send --in FILE [--type 22] [--port N | --device PATH] [--speed K]\n"
    "       vela-cli [--root DIR] load --out FILE [--type 22] [--port N | --device PATH] "
    "[--speed K]\n"
    "  --device PATH  the serial device (default: COM n of the settings)\n"
    "  --speed K      every pause and timeout K times faster (against the simulator)";

const std::set<std::string> kOptions = {"--type", "--port", "--device", "--speed", "--in", "--out"};

// The port, the device type and the pacing from the options; kExitOk when they make sense.
int TakeOptions(const CliArgs& args, int fileType, int& type) {
  type = args.Has("--type") ? std::atoi(args.Value("--type").c_str()) : fileType;
  if (type == kTypeVelaA)
    return UsageError("family A (type 21) transfers are not in this vela-cli yet", kUsage);
  if (type != kTypeVelaI) return UsageError("--type takes 22", kUsage);
  if (args.Has("--port") && args.Has("--device"))
    return UsageError("give --port or --device, not both", kUsage);
  if (args.Has("--port")) {
    const int port = std::atoi(args.Value("--port").c_str());
    if (port < 1 || port > 4) return UsageError("--port takes 1 to 4", kUsage);
    CloseComm(Comm);
    Comm.Port = port;
  }
  if (args.Has("--device")) {
    const std::string device = args.Value("--device");
    SetComDeviceResolver([device](int) { return device; });
  }
  if (args.Has("--speed")) {
    const double speed = std::atof(args.Value("--speed").c_str());
    if (speed < 1) return UsageError("--speed takes a number from 1 up", kUsage);
    SetPacingSpeed(speed);
  }
  Cliente.TipoCentrale = static_cast<uint8_t>(type);
  return kExitOk;
}

int Outcome(const CliContext& ctx, FamilyIOutcome outcome) {
  return outcome == FamilyIOutcome::Done && ctx.host->Failures() == 0 ? kExitOk : kExitFailed;
}

}  // namespace

int RunSendCommand(CliContext& ctx, const std::vector<std::string>& argv) {
  const CliArgs args(argv, {}, kOptions);
  if (!args.ok()) return UsageError(args.error(), kUsage);
  if (!args.words().empty() || args.Has("--out") || !args.Has("--in"))
    return UsageError("send takes --in FILE and no other words", kUsage);
  const std::string path = args.Value("--in");
  QJsonObject object;
  std::string error;
  if (!ReadJsonObjectFile(path, object, error)) return UsageError(error, kUsage);
  Tag_Cliente header = Cliente;
  if (!RecordFromJson(object, header, GlobalBuffer, error))
    return UsageError(path + ": " + error, kUsage);
  int type = 0;
  if (const int code = TakeOptions(args, header.TipoCentrale, type); code != kExitOk) return code;
  return Outcome(ctx, SendFamilyIImage(Comm, GlobalBuffer, ModuleInfo));
}

int RunLoadCommand(CliContext& ctx, const std::vector<std::string>& argv) {
  const CliArgs args(argv, {}, kOptions);
  if (!args.ok()) return UsageError(args.error(), kUsage);
  if (!args.words().empty() || args.Has("--in") || !args.Has("--out"))
    return UsageError("load takes --out FILE and no other words", kUsage);
  int type = 0;
  if (const int code = TakeOptions(args, Cliente.TipoCentrale, type); code != kExitOk) return code;
  // As the Load command does: a fresh record for the same customer.
  ResetConfiguration(GlobalBuffer, Cliente, false);
  const int code = Outcome(ctx, LoadFamilyIImage(Comm, GlobalBuffer, ModuleInfo));
  // A Load that stopped part-way is not written: the file would pass for the device's.
  if (code != kExitOk) return code;
  const QJsonObject json = RecordToJson(Cliente, GlobalBuffer);
  std::string error;
  if (!WriteWholeFile(args.Value("--out"), QJsonDocument(json).toJson().toStdString(), error)) {
    std::fprintf(stderr, "vela-cli: %s\n", error.c_str());
    return kExitFailed;
  }
  return kExitOk;
}
