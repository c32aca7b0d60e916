// vela-cli status | calls | remote: the device status, the call lists and remote
// programming on a serial line, with the same exchanges and messages as the windows.
#include "device_commands.h"

#include <QJsonObject>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

#include "archive/archive.h"
#include "archive/customer_list.h"
#include "link/at_channel.h"
#include "link/sim_pin.h"
#include "record_json.h"
#include "remote/call_lists.h"
#include "remote/remote_lines.h"
#include "remote/remote_send.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "shell/pacing.h"
#include "shell/text_helpers.h"
#include "status/device_status.h"
#include "status/family_a_poll.h"
#include "status/family_i_monitor.h"

namespace {

// P is a COM number (1 to 4, COM2) or a device path; --device PATH says the same.
constexpr const char* kStatusUsage =
    "vela-cli status [--port P | --device PATH] --type 21|22 [--pin PIN] [--speed K]";
constexpr const char* kCallsUsage =
    "vela-cli calls [--port P | --device PATH] --type 21|22 [--firmware R] [--speed K]";
constexpr const char* kRemoteUsage =
    "vela-cli [--root DIR] remote --in FILE [--compare NAME]\n"
    "       [--number N --send [--port P | --device PATH] [--speed K]]";

std::string Utf8(const std::string& cp1252) {
  return Cp1252ToUtf8(cp1252);
}

// --type and the line; kExitOk when they are good.
int TakeLine(const CliArgs& args, const char* usage) {
  if (!args.ok()) return UsageError(args.error(), usage);
  if (!args.words().empty()) return UsageError("unexpected " + args.words()[0], usage);
  const std::string type = args.Value("--type");
  if (type != "21" && type != "22") return UsageError("--type takes 21 or 22", usage);
  Cliente.TipoCentrale = static_cast<uint8_t>(std::atoi(type.c_str()));
  return TakeLineOptions(args, usage);
}

int Outcome(const CliContext& ctx, bool done) {
  return done && ctx.host->Failures() == 0 ? kExitOk : kExitFailed;
}

std::string Bits(uint8_t byte, int count) {
  std::string text;
  for (int k = 0; k < count; ++k) text += (byte >> k) & 1 ? '1' : '0';
  return text;
}

void PrintFamilyI(const FamilyIMonitor& monitor, int indicator) {
  static const char* kIndicators[] = {"answering", "no answer", "warning state", "not ready"};
  const Tag_StatoDispositivo s = monitor.Status();
  const Dati_Modulo m = monitor.Identity();
  std::printf("indicator: %d (%s)\n", indicator,
              indicator >= 0 && indicator <= 3 ? kIndicators[indicator] : "none");
  std::printf("version: %s\n", Utf8(s.version).c_str());
  const std::pair<const char*, std::string> identity[] = {
      {"manufacturer", m.Manufacturer}, {"model", m.Model}, {"revision", m.Revision},
      {"serial", m.SerialNumber},       {"imsi", m.Imsi},   {"operator", m.Operator}};
  for (const auto& [name, value] : identity) std::printf("%s: %s\n", name, Utf8(value).c_str());
  std::printf("signal: %d%s\n", s.signal, SignalPresent(s.signal) ? "" : " (no network)");
  std::printf("supply: %d (%s)\n", s.supply, TrimSpaces(SupplyHint(s.supply)).c_str());
  std::printf("warnings: %s%s\n", Bits(s.warnings, kWarningRows).c_str(),
              InWarningState(s.warnings) ? " (warning state)" : "");
  const InputStatus in = monitor.Inputs();
  for (int r = 1; r <= kStatusInputs; ++r)
    std::printf("input %d: %s, at rest %d, service %s\n", r, InputActive(in, r) ? "active" : "idle",
                InputRestPicture(in, r), Utf8(InputServiceText(in, r)).c_str());
  const OutputStatus out = monitor.Outputs();
  for (int r = 1; r <= kStatusOutputs; ++r) {
    std::printf("output %d: %s", r, OutputOn(out, r) ? "on" : "off");
    if (OutputShowsValue(out, r)) std::printf(", time left %d", OutputValue(out, r));
    std::printf("\n");
  }
  const DateTime now = DateTimeNow();
  const std::string sms = PeriodicDateText(now, s.smsMinutes, '/', ':');
  const std::string report = PeriodicDateText(now, s.reportMinutes, '/', ':');
  std::printf("next periodic SMS: %s\n", sms.empty() ? "none" : sms.c_str());
  std::printf("next periodic report: %s\n", report.empty() ? "none" : report.c_str());
}

int StatusFamilyI(const CliContext& ctx, const CliArgs& args) {
  const std::string pin = args.Value("--pin");
  const SimPinDialog dialog = [&pin](const SimPinSubmit& submit) {
    if (pin.empty()) {
      std::fprintf(stderr, "vela-cli: the SIM asks for its PIN: give --pin\n");
      return false;
    }
    return submit(pin) == PinResult::Ok;
  };
  if (!CheckSimPin(Comm, dialog)) {
    std::fprintf(stderr, "vela-cli: %s\n", Utf8(LanguageText(237)).c_str());
    return kExitFailed;
  }
  int indicator = -1;
  bool unsupported = false;
  FamilyIMonitor monitor(Comm, [&](int code, int arg) {
    if (code == kMsgIndicator) indicator = arg;
    if (code == kMsgVersion && arg == 1) unsupported = true;
  });
  monitor.BeginIdentification();
  monitor.RunCycle(false);
  CloseComm(Comm);
  if (unsupported) {
    std::fprintf(stderr, "vela-cli: %s (%s)\n", Utf8(LanguageText(127)).c_str(),
                 Utf8(monitor.Status().version).c_str());
    return kExitFailed;
  }
  PrintFamilyI(monitor, indicator);
  return Outcome(ctx, indicator == kIndicatorAnswering || indicator == kIndicatorWarning);
}

int StatusFamilyA(const CliContext& ctx) {
  if (!EnsureOpen(Comm)) return kExitFailed;
  const CellPoll poll = PollCellsAndSignal(Comm);
  CloseComm(Comm);
  for (std::size_t i = 0; i < poll.cells.size(); ++i)
    std::printf("cell %zu: %s level %d\n", i + 1, Utf8(poll.cells[i].label).c_str(),
                poll.cells[i].value);
  if (poll.signalRead)
    std::printf("signal: %d (%s)\n", poll.signal, SignalPictureFile(poll.signal).c_str());
  else
    std::printf("signal: no answer\n");
  return Outcome(ctx, poll.signalRead);
}

void PrintCalls(const char* title, const std::vector<std::string>& lines) {
  std::printf("%s:\n", title);
  const auto calls = CallEntriesFromLines(lines);
  for (std::size_t i = 0; i < calls.size(); ++i)
    std::printf("%zu\t%s\t%s\n", i + 1, Utf8(calls[i].name).c_str(), Utf8(calls[i].number).c_str());
}

int FindFamilyICustomer(const std::string& name) {
  FillCustomerListData(CustomerList);
  const std::string wanted = Utf8ToCp1252(name);
  for (std::size_t i = 0; i < CustomerList.rows.size(); ++i)
    if (CustomerList.rows[i].Nome == wanted && CustomerList.rows[i].TipoCentrale == kTypeVelaI)
      return CustomerList.CustomerSerials[i];
  return -1;
}

bool PhoneNumberText(const std::string& number) {
  if (number.empty() || number.size() > 35) return false;
  for (std::size_t i = 0; i < number.size(); ++i) {
    const char c = number[i];
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '*' || c == '#' ||
          (c == '+' && i == 0)))
      return false;
  }
  return true;
}

}  // namespace

int RunStatusCommand(CliContext& ctx, const std::vector<std::string>& args) {
  const CliArgs parsed(args, {}, {"--port", "--device", "--type", "--pin", "--speed"});
  const int code = TakeLine(parsed, kStatusUsage);
  if (code != kExitOk) return code;
  return Cliente.TipoCentrale == kTypeVelaI ? StatusFamilyI(ctx, parsed) : StatusFamilyA(ctx);
}

int RunCallsCommand(CliContext& ctx, const std::vector<std::string>& args) {
  const CliArgs parsed(args, {}, {"--port", "--device", "--type", "--firmware", "--speed"});
  const int code = TakeLine(parsed, kCallsUsage);
  if (code != kExitOk) return code;
  CallLists lists;
  bool read = false;
  if (Cliente.TipoCentrale == kTypeVelaI) {
    read = LoadCallListsFamilyI(Comm, lists);
  } else {
    Cliente.Rel_firmware = parsed.Has("--firmware") ? parsed.Value("--firmware") : "1.12";
    bool answering = false;
    // No module-information poller runs here: the module counts as answering.
    read = LoadCallListsFamilyA(Comm, Cliente, true, lists, answering);
    CloseComm(Comm);
  }
  if (!read) return kExitFailed;
  PrintCalls("received", lists.received);
  PrintCalls("missed", lists.missed);
  if (Cliente.TipoCentrale == kTypeVelaI) PrintCalls("dialled", lists.dialled);
  return Outcome(ctx, true);
}

int RunRemoteCommand(CliContext& ctx, const std::vector<std::string>& args) {
  const CliArgs parsed(args, {"--send"},
                       {"--in", "--compare", "--number", "--port", "--device", "--speed"});
  if (!parsed.ok()) return UsageError(parsed.error(), kRemoteUsage);
  if (!parsed.words().empty()) return UsageError("unexpected " + parsed.words()[0], kRemoteUsage);
  if (!parsed.Has("--in")) return UsageError("--in FILE is needed", kRemoteUsage);
  const bool send = parsed.Has("--send");
  const std::string number = parsed.Value("--number");
  if (parsed.Has("--number") && !PhoneNumberText(number))
    return UsageError("--number takes a telephone number (digits, +, * and #)", kRemoteUsage);
  if (send && number.empty()) return UsageError("--send needs --number", kRemoteUsage);
  if (send) {
    const int line = TakeLineOptions(parsed, kRemoteUsage);
    if (line != kExitOk) return line;
  }

  const std::string path = parsed.Value("--in");
  QJsonObject json;
  std::string error;
  if (!ReadJsonObjectFile(path, json, error)) return UsageError(error, kRemoteUsage);
  Tag_Cliente header;
  Tag_GlobalBuffer record;
  if (!RecordFromJson(json, header, record, error))
    return UsageError(path + ": " + error, kRemoteUsage);

  std::optional<int> other;
  if (parsed.Has("--compare")) {
    if (!ConfigureArchiveTables(ctx.DataPath(), ctx.DataFolder())) return kExitFailed;
    const int serial = FindFamilyICustomer(parsed.Value("--compare"));
    if (serial < 0) {
      std::fprintf(stderr, "vela-cli: no VELA-I customer is named \"%s\"\n",
                   parsed.Value("--compare").c_str());
      return kExitFailed;
    }
    other = serial;
  }
  std::vector<std::string> lines;
  if (!RemoteLinesFor(record, header, other, lines)) return kExitFailed;
  for (const std::string& line : lines) std::printf("%s\n", Utf8(line).c_str());
  if (!send || lines.empty()) return Outcome(ctx, true);

  std::fflush(stdout);
  Cliente.TipoCentrale = kTypeVelaI;  // the commands go through the device's controller
  int sent = 0;
  const RemoteSendResult result = SendRemoteLines(Comm, ModuleInfo, number, lines, &sent);
  std::fprintf(stderr, "vela-cli: %d of %zu messages sent to %s\n", sent, lines.size(),
               number.c_str());
  return Outcome(ctx, result == RemoteSendResult::Sent);
}
