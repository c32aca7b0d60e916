// vela-cli archive list | show NAME | save --in FILE | load NAME --out FILE | delete NAME:
// the customer archive with the same messages and refusals as the windows.
#include "archive_commands.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "archive/archive.h"
#include "archive/customer_list.h"
#include "record_json.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "shell/message_box.h"

namespace {

constexpr const char* kUsage =
    "vela-cli [--root DIR] archive list [--by name|code]\n"
    "       vela-cli [--root DIR] archive show NAME [--type 21|22]\n"
    "       vela-cli [--root DIR] archive save --in FILE [--yes|--no]\n"
    "       vela-cli [--root DIR] archive load NAME --out FILE [--type 21|22]\n"
    "       vela-cli [--root DIR] archive delete NAME [--type 21|22] [--yes|--no]";

std::string Utf8(const std::string& cp1252) {
  return Cp1252ToUtf8(cp1252);
}

// The outcome of a command that reached the archive: a box of the warning or error kind
// means that something was not done.
int Outcome(const CliContext& ctx, bool done) {
  return done && ctx.host->Failures() == 0 ? kExitOk : kExitFailed;
}

// Takes the answer to the questions from --yes / --no; false when both are given.
bool TakeAnswer(const CliContext& ctx, const CliArgs& args) {
  if (args.Has("--yes") && args.Has("--no")) return false;
  ctx.host->SetAnswer(args.Has("--yes") ? MsgResult::Yes : MsgResult::No);
  return true;
}

// The list row of the customer named by the command line; -1 with a message when there
// is none or the name is ambiguous (exit code in `code`).
int FindCustomer(const CliArgs& args, const CustomerListData& list, int& code) {
  const std::string& name = args.words()[1];
  const std::string wanted = Utf8ToCp1252(name);
  int type = 0;
  if (args.Has("--type")) {
    type = std::atoi(args.Value("--type").c_str());
    if (type != kTypeVelaA && type != kTypeVelaI) {
      code = UsageError("--type takes 21 or 22", kUsage);
      return -1;
    }
  }
  std::vector<int> rows;
  for (std::size_t i = 0; i < list.rows.size(); ++i)
    if (list.rows[i].Nome == wanted && (type == 0 || list.rows[i].TipoCentrale == type))
      rows.push_back(static_cast<int>(i));
  if (rows.size() == 1) return rows[0];
  if (rows.empty()) {
    std::fprintf(stderr, "vela-cli: no customer is named \"%s\"\n", name.c_str());
    code = kExitFailed;
  } else {
    code = UsageError("customers of both types are named \"" + name + "\": add --type", kUsage);
  }
  return -1;
}

int List(const CliContext& ctx, const CliArgs& args) {
  const std::string by = args.Has("--by") ? args.Value("--by") : "name";
  if (by != "name" && by != "code") return UsageError("--by takes name or code", kUsage);
  FillCustomerListData(CustomerList, by == "code" ? "Codicecliente" : "Nome");
  for (const auto& row : CustomerList.rows)
    std::printf("%s\t%d\t%s\n", Utf8(row.CodiceCliente).c_str(), row.TipoCentrale,
                Utf8(row.Nome).c_str());
  return Outcome(ctx, true);
}

// Loads the customer named on the command line into header and record, as the list's
// double click does: a fresh record first, then the customer's rows.
int LoadNamed(const CliContext& ctx, const CliArgs& args, Tag_Cliente& header,
              Tag_GlobalBuffer& record) {
  FillCustomerListData(CustomerList);
  if (ctx.host->Failures()) return kExitFailed;
  int code = kExitOk;
  const int row = FindCustomer(args, CustomerList, code);
  if (row < 0) return code;
  ResetConfiguration(record, header, true);
  int events = 0;
  if (!ArchiveLoadCustomer(CustomerList.CustomerSerials[static_cast<std::size_t>(row)], header,
                           record, events))
    return kExitFailed;
  return Outcome(ctx, true);
}

std::string NoteText(int serial) {
  std::vector<std::string> lines;
  ArchiveReadNote(serial, lines);
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

int Show(const CliContext& ctx, const CliArgs& args) {
  Tag_Cliente h;
  Tag_GlobalBuffer record;
  const int code = LoadNamed(ctx, args, h, record);
  if (code != kExitOk) return code;
  const std::pair<const char*, std::string> fields[] = {
      {"SerialCli", std::to_string(h.SerialCli)},
      {"Nome", h.Nome},
      {"Indirizzo", h.Indirizzo},
      {"Comune", h.Comune},
      {"Telefono", h.Telefono},
      {"TelCentrale", h.TelCentrale},
      {"TipoCentrale", std::to_string(h.TipoCentrale)},
      {"DescrImpianto", h.DescrImpianto},
      {"CodiceCliente", h.CodiceCliente},
      {"Rel_firmware", h.Rel_firmware},
  };
  for (const auto& [name, value] : fields) std::printf("%s: %s\n", name, Utf8(value).c_str());
  const LocalDateTime date = FromDateTime(h.DataUltModifica);
  std::printf("DataUltModifica: %04d-%02d-%02d\n", date.year, date.month, date.day);
  std::vector<std::string> lines;
  ArchiveReadNote(h.SerialCli, lines);
  for (const auto& line : lines) std::printf("Note: %s\n", Utf8(line).c_str());
  return Outcome(ctx, true);
}

int Load(const CliContext& ctx, const CliArgs& args) {
  if (!args.Has("--out")) return UsageError("load needs --out FILE", kUsage);
  Tag_Cliente h;
  Tag_GlobalBuffer record;
  const int code = LoadNamed(ctx, args, h, record);
  if (code != kExitOk) return code;
  QJsonObject json = RecordToJson(h, record);
  json.insert("Note", QString::fromStdString(Utf8(NoteText(h.SerialCli))));
  if (ctx.host->Failures()) return kExitFailed;
  std::string error;
  if (!WriteWholeFile(args.Value("--out"), QJsonDocument(json).toJson().toStdString(), error)) {
    std::fprintf(stderr, "vela-cli: %s\n", error.c_str());
    return kExitFailed;
  }
  return kExitOk;
}

int Save(const CliContext& ctx, const CliArgs& args) {
  if (!args.Has("--in")) return UsageError("save needs --in FILE", kUsage);
  const std::string path = args.Value("--in");
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return UsageError("cannot read " + path, kUsage);
  QJsonParseError parse;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &parse);
  if (!doc.isObject())
    return UsageError(path + ": not a JSON object (" + parse.errorString().toStdString() + ")",
                      kUsage);
  Tag_Cliente h;
  Tag_GlobalBuffer record;
  std::string error;
  if (!RecordFromJson(doc.object(), h, record, error))
    return UsageError(path + ": " + error, kUsage);
  const QJsonValue noteValue = doc.object().value("Note");
  if (!noteValue.isUndefined() && !noteValue.isString())
    return UsageError(path + ": Note: a text is expected", kUsage);
  const std::string note = Utf8ToCp1252(noteValue.toString().toStdString());
  if (h.Nome.empty()) return UsageError(path + ": Cliente.Nome must not be empty", kUsage);
  // As the customer form does: the code padded to four digits, the note flag from the note.
  h.CodiceCliente = std::string(4 - std::min<std::size_t>(4, h.CodiceCliente.size()), '0') +
                    h.CodiceCliente.str();
  h.NotePresenti = note.empty() ? 0 : 1;
  const SaveStatus status = ArchiveSave(h, record, note);
  if (status == SaveStatus::Stored) std::printf("stored as customer %d\n", h.SerialCli);
  return Outcome(ctx, status == SaveStatus::Stored);
}

int Delete(const CliContext& ctx, const CliArgs& args) {
  FillCustomerListData(CustomerList);
  if (ctx.host->Failures()) return kExitFailed;
  int code = kExitOk;
  const int row = FindCustomer(args, CustomerList, code);
  if (row < 0) return code;
  const std::string question =
      LanguageText(131) + "\r" + CustomerList.rows[static_cast<std::size_t>(row)].Nome + " ?";
  if (ShowMessageBox(question, MsgKind::Warning, MsgButtons::YesNo) != MsgResult::Yes)
    return kExitFailed;
  return Outcome(
      ctx, ArchiveDeleteCustomer(CustomerList.CustomerSerials[static_cast<std::size_t>(row)]));
}

struct Subcommand {
  const char* name;
  std::size_t words;  // including the subcommand's own name
  std::set<std::string> flags;
  std::set<std::string> valued;
  int (*run)(const CliContext&, const CliArgs&);
};

}  // namespace

int RunArchiveCommand(CliContext& ctx, const std::vector<std::string>& args) {
  static const Subcommand kSubcommands[] = {
      {"list", 1, {}, {"--by"}, List},
      {"show", 2, {}, {"--type"}, Show},
      {"save", 1, {"--yes", "--no"}, {"--in"}, Save},
      {"load", 2, {}, {"--out", "--type"}, Load},
      {"delete", 2, {"--yes", "--no"}, {"--type"}, Delete},
  };
  if (args.empty()) return UsageError("archive needs a subcommand", kUsage);
  for (const auto& sub : kSubcommands) {
    if (args[0] != sub.name) continue;
    const CliArgs parsed(args, sub.flags, sub.valued);
    if (!parsed.ok()) return UsageError(parsed.error(), kUsage);
    if (parsed.words().size() != sub.words)
      return UsageError(std::string("archive ") + sub.name +
                            (sub.words == 2 ? " takes one NAME" : " takes no NAME"),
                        kUsage);
    if (!TakeAnswer(ctx, parsed)) return UsageError("give --yes or --no, not both", kUsage);
    if (!ConfigureArchiveTables(ctx.DataPath(), ctx.DataFolder())) return kExitFailed;
    return sub.run(ctx, parsed);
  }
  return UsageError("unknown archive subcommand " + args[0], kUsage);
}
