// vela-cli: the configurator's operations without windows, for scripts and for tests.
// vela-cli [--root DIR] [--lang NAME] GROUP SUBCOMMAND ...
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "archive_commands.h"
#include "cli_common.h"
#include "device_commands.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "transfer_commands.h"

namespace {

struct Group {
  const char* name;
  const char* summary;
  int (*run)(CliContext&, const std::vector<std::string>&);
};

const Group kGroups[] = {
    {"archive", "list | show NAME | save --in FILE | load NAME --out FILE | delete NAME",
     RunArchiveCommand},
    {"send", "--in FILE [--type 21|22] [--port P | --device PATH]: write the device",
     RunSendCommand},
    {"load", "[--out FILE] [--type 21|22] [--port P | --device PATH]: read the device",
     RunLoadCommand},
    {"defaults", "--type 21|22 [--firmware R]: a fresh record", RunDefaultsCommand},
    {"status", "--port P | --device PATH --type 21|22 [--pin PIN]: the device's status",
     RunStatusCommand},
    {"calls", "--port P | --device PATH --type 21|22: the module's call lists", RunCallsCommand},
    {"remote", "--in FILE [--compare NAME] [--number N --send --port P]: remote programming",
     RunRemoteCommand},
};

int Usage(FILE* out) {
  std::fprintf(out,
               "usage: vela-cli [--root DIR] [--lang NAME] GROUP SUBCOMMAND ...\n"
               "  --root DIR   working folder: DIR/LANGUAGE, DIR/Data (default: .)\n"
               "  --lang NAME  language of the messages (default: the windows' language)\n");
  for (const auto& g : kGroups) std::fprintf(out, "  %-8s %s\n", g.name, g.summary);
  return out == stdout ? kExitOk : kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // Qt SQL wants an application object
  std::vector<std::string> args(argv + 1, argv + argc);
  CliContext ctx;
  std::string language;
  std::size_t i = 0;
  for (; i < args.size() && args[i].compare(0, 2, "--") == 0; ++i) {
    if (args[i] == "--help") return Usage(stdout);
    if ((args[i] != "--root" && args[i] != "--lang") || i + 1 >= args.size()) return Usage(stderr);
    (args[i] == "--root" ? ctx.root : language) = args[i + 1];
    ++i;
  }
  if (i >= args.size()) return Usage(stderr);
  const Group* group = nullptr;
  for (const auto& g : kGroups)
    if (args[i] == g.name) group = &g;
  if (!group) {
    std::fprintf(stderr, "vela-cli: unknown group %s\n", args[i].c_str());
    return Usage(stderr);
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(ctx.root, ec)) {
    std::fprintf(stderr, "vela-cli: %s is not a folder\n", ctx.root.c_str());
    return kExitUsage;
  }

  ConsoleHost host;
  ctx.host = &host;
  InstallUiHost(&host);
  // The windows' start-up: the user's language, the model names of DIR/PERSONAL.INI. A
  // missing language file is told on stderr and leaves the texts empty.
  LoadSettings(ctx.root);
  if (!language.empty()) LoadLanguage(language);
  host.ResetFailures();
  const int code = group->run(
      ctx, std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()));
  InstallUiHost(nullptr);
  return code;
}
