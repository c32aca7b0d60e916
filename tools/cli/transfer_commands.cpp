// vela-cli send, load and defaults: the Send and Load commands of the windows, on the port
// of the settings (or the one named), with their checks and boxes on stderr.
#include "transfer_commands.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>

#include "link/at_channel.h"
#include "programming/family_i_load.h"
#include "programming/family_i_send.h"
#include "programming/transfers.h"
#include "record_json.h"
#include "shell/module_poller.h"
#include "shell/pacing.h"
#include "shell/settings.h"

namespace {

constexpr const char* kUsage =
    "vela-cli [--root DIR] send --in FILE [--type 21|22] [--port P | --device PATH]\n"
    "                            [--answer yes|no] [--speed K]\n"
    "       vela-cli [--root DIR] load [--out FILE] [--type 21|22] [--firmware R]\n"
    "                            [--port P | --device PATH] [--speed K]\n"
    "       vela-cli [--root DIR] defaults --type 21|22 [--firmware R]\n"
    "  --in -         the record from standard input\n"
    "  --port P       COM 1 to 4 as the settings resolve it (1 or COM1), or a device path\n"
    "  --device PATH  the serial device (default: COM n of the settings)\n"
    "  --answer       the answer to Send's questions about output events (default: no)\n"
    "  --speed K      every pause and timeout K times faster (against the simulator)";

const std::set<std::string> kOptions = {"--type", "--port", "--device", "--speed",
                                        "--in",   "--out",  "--answer", "--firmware"};

// The port, the device type and the pacing from the options; kExitOk when they make sense.
int TakeOptions(const CliArgs& args, int fileType, int& type) {
  type = args.Has("--type") ? std::atoi(args.Value("--type").c_str()) : fileType;
  if (type != kTypeVelaA && type != kTypeVelaI) return UsageError("--type takes 21 or 22", kUsage);
  const int line = TakeLineOptions(args, kUsage);
  if (line != kExitOk) return line;
  Cliente.TipoCentrale = static_cast<uint8_t>(type);
  return kExitOk;
}

int Outcome(const CliContext& ctx, bool done) {
  return done && ctx.host->Failures() == 0 ? kExitOk : kExitFailed;
}

// A family A transfer as the menu runs it. No poller shares the line here, so the module
// counts as ready; the transfer's own revision and quiet-line checks find a missing one.
int RunFamilyA(const CliContext& ctx, bool send) {
  SetPhoneEntryCount(8);
  OutputEventCount = CountOutputEvents(GlobalBuffer);
  ModuleReady = true;
  const TransferOutcome outcome =
      send ? SendProgramming(LiveTransferTarget()) : LoadProgramming(LiveTransferTarget());
  if (outcome == TransferOutcome::Stopped)
    std::fprintf(stderr, "vela-cli: the transfer stopped before its end\n");
  return Outcome(ctx, outcome == TransferOutcome::Done);
}

bool ReadRecordSource(const std::string& path, QJsonObject& object, std::string& error) {
  if (path != "-") return ReadJsonObjectFile(path, object, error);
  const std::string bytes{std::istreambuf_iterator<char>(std::cin),
                          std::istreambuf_iterator<char>()};
  QJsonParseError parse;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &parse);
  if (!doc.isObject()) {
    error = "standard input: not a JSON object (" + parse.errorString().toStdString() + ")";
    return false;
  }
  object = doc.object();
  return true;
}

// The live record as JSON, to the file or (without one) to stdout.
int WriteRecord(const std::string& path) {
  const std::string json =
      QJsonDocument(RecordToJson(Cliente, GlobalBuffer)).toJson().toStdString();
  if (path.empty()) {
    std::fwrite(json.data(), 1, json.size(), stdout);
    return kExitOk;
  }
  std::string error;
  if (!WriteWholeFile(path, json, error)) {
    std::fprintf(stderr, "vela-cli: %s\n", error.c_str());
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace

int RunSendCommand(CliContext& ctx, const std::vector<std::string>& argv) {
  const CliArgs args(argv, {}, kOptions);
  if (!args.ok()) return UsageError(args.error(), kUsage);
  if (!args.words().empty() || args.Has("--out") || args.Has("--firmware") || !args.Has("--in"))
    return UsageError("send takes --in FILE and no other words", kUsage);
  const std::string answer = args.Has("--answer") ? args.Value("--answer") : "no";
  if (answer != "yes" && answer != "no") return UsageError("--answer takes yes or no", kUsage);
  const std::string path = args.Value("--in");
  QJsonObject object;
  std::string error;
  if (!ReadRecordSource(path, object, error)) return UsageError(error, kUsage);
  Tag_Cliente header = Cliente;
  if (!RecordFromJson(object, header, GlobalBuffer, error))
    return UsageError(path + ": " + error, kUsage);
  int type = 0;
  if (const int code = TakeOptions(args, header.TipoCentrale, type); code != kExitOk) return code;
  ctx.host->SetAnswer(answer == "yes" ? MsgResult::Yes : MsgResult::No);
  if (type == kTypeVelaI)
    return Outcome(ctx, SendFamilyIImage(Comm, GlobalBuffer, ModuleInfo) == FamilyIOutcome::Done);
  // The file's release is the one the image is built for.
  header.TipoCentrale = kTypeVelaA;
  Cliente = header;
  return RunFamilyA(ctx, true);
}

int RunLoadCommand(CliContext& ctx, const std::vector<std::string>& argv) {
  const CliArgs args(argv, {}, kOptions);
  if (!args.ok()) return UsageError(args.error(), kUsage);
  if (!args.words().empty() || args.Has("--in") || args.Has("--answer"))
    return UsageError("load takes no words and no --in", kUsage);
  int type = 0;
  if (const int code = TakeOptions(args, Cliente.TipoCentrale, type); code != kExitOk) return code;
  if (args.Has("--firmware")) Cliente.Rel_firmware = args.Value("--firmware");
  // As the Load command does: a fresh record for the same customer.
  ResetConfiguration(GlobalBuffer, Cliente, false);
  const int code =
      type == kTypeVelaI
          ? Outcome(ctx, LoadFamilyIImage(Comm, GlobalBuffer, ModuleInfo) == FamilyIOutcome::Done)
          : RunFamilyA(ctx, false);
  // A Load that stopped part-way is not written: the file would pass for the device's.
  if (code != kExitOk) return code;
  return WriteRecord(args.Value("--out"));
}

int RunDefaultsCommand(CliContext& ctx, const std::vector<std::string>& argv) {
  const CliArgs args(argv, {}, {"--type", "--firmware"});
  if (!args.ok()) return UsageError(args.error(), kUsage);
  if (!args.words().empty()) return UsageError("defaults takes no words", kUsage);
  const int type = std::atoi(args.Value("--type").c_str());
  if (type != kTypeVelaA && type != kTypeVelaI) return UsageError("--type takes 21 or 22", kUsage);
  Cliente.TipoCentrale = static_cast<uint8_t>(type);
  if (args.Has("--firmware")) Cliente.Rel_firmware = args.Value("--firmware");
  ResetConfiguration(true);
  return ctx.host->Failures() == 0 ? WriteRecord("") : kExitFailed;
}
