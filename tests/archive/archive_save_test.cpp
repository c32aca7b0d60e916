// Saving and loading one customer: rows written, fields carried both ways, and the
// refusals of the customers row.
#include <cmath>

#include "archive_fixture.h"
#include "record_samples.h"
#include "shell/branding.h"
#include "shell/language.h"

namespace {

using T = ArchiveTable;

struct RowCase {
  int type;
  int phones;
  int inputs;
};

class NewCustomerRows : public ArchiveTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(NewCustomerRows, OneRowPerEntryOfTheType) {
  const RowCase c = GetParam();
  Tag_Cliente h = Header("Rossi", "0007", c.type);
  ASSERT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::Stored);
  ASSERT_GT(h.SerialCli, 0);
  EXPECT_EQ(Value(T::Clienti, "SELECT SerialCli FROM Clienti WHERE Nome = 'Rossi'").toInt(),
            h.SerialCli);
  const std::pair<T, int> expected[] = {{T::Clienti, 1}, {T::NumTel, c.phones},   {T::Messaggi, 8},
                                        {T::Sms, 9},     {T::Ingresso, c.inputs}, {T::Uscite, 5},
                                        {T::Opzioni, 1}, {T::Eventi, 14},         {T::ComDig, 1}};
  for (auto [table, rows] : expected) {
    EXPECT_EQ(Rows(table, h.SerialCli), rows) << TableName(table);
    EXPECT_EQ(Rows(table), rows) << TableName(table);
  }
  EXPECT_TRUE(ui.host.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(ByType, NewCustomerRows,
                         ::testing::Values(RowCase{kTypeVelaA, 8, 4}, RowCase{kTypeVelaI, 95, 7}));

// Guards against a field that the save or the load forgets, or maps onto the wrong column.
TEST_F(ArchiveTest, EveryFieldComesBack) {
  Tag_Cliente saved;
  Tag_GlobalBuffer record;
  FillEveryField(saved, record);
  ASSERT_EQ(ArchiveSave(saved, record, "first line\r\nsecond"), SaveStatus::Stored);

  Tag_Cliente loaded = Header("", "");
  Tag_GlobalBuffer into = DefaultRecord();
  int events = -1;
  ASSERT_TRUE(ArchiveLoadCustomer(saved.SerialCli, loaded, into, events));

  Tag_Cliente expectedHeader = saved;
  expectedHeader.DataUltModifica = std::floor(DateTimeNow());  // the date of the save
  EXPECT_EQ(loaded, expectedHeader);
  // A type 22 customer keeps 95 phone entries; the five after them are not stored.
  Tag_GlobalBuffer expected = record;
  const Tag_GlobalBuffer before = DefaultRecord();
  for (int k = 96; k <= 100; ++k) expected.NumeriTelefonici[k] = before.NumeriTelefonici[k];
  EXPECT_TRUE(IsUnchanged(into, expected));
  for (int k = 1; k <= 100; ++k)
    EXPECT_EQ(into.NumeriTelefonici[k], expected.NumeriTelefonici[k]) << k;
  EXPECT_EQ(into.Ingressi, expected.Ingressi);
  EXPECT_EQ(into.Uscite, expected.Uscite);
  EXPECT_EQ(into.Opzioni, expected.Opzioni);
  EXPECT_EQ(into.ComDig, expected.ComDig);
  EXPECT_EQ(events, CountOutputEvents(record));
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(ArchiveTest, LoadOfAnUnknownCustomerLeavesEverythingAlone) {
  Tag_Cliente h = Header("Kept", "0001");
  h.SerialCli = 12;
  const Tag_Cliente before = h;
  Tag_GlobalBuffer record = DefaultRecord();
  int events = 3;
  EXPECT_FALSE(ArchiveLoadCustomer(999, h, record, events));
  EXPECT_EQ(h, before);
  EXPECT_EQ(events, 3);
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(ArchiveTest, TheNoteIsKeptInTheTableOnly) {
  Tag_Cliente h = Header("Noted", "0003");
  ASSERT_EQ(ArchiveSave(h, DefaultRecord(), "line one\r\nline \xE8 two\r\n"), SaveStatus::Stored);
  std::vector<std::string> lines{"stale"};
  ArchiveReadNote(h.SerialCli, lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"line one", "line \xE8 two"}));

  Tag_Cliente loaded;
  Tag_GlobalBuffer record = DefaultRecord();
  int events = 0;
  ASSERT_TRUE(ArchiveLoadCustomer(h.SerialCli, loaded, record, events));
  EXPECT_EQ(loaded.NotePresenti, 1);

  Tag_Cliente bare = Header("Bare", "0004");
  ASSERT_EQ(ArchiveSave(bare, DefaultRecord(), ""), SaveStatus::Stored);
  ASSERT_TRUE(ArchiveLoadCustomer(bare.SerialCli, loaded, record, events));
  EXPECT_EQ(loaded.NotePresenti, 0);

  std::vector<std::string> untouched{"x"};
  ArchiveReadNote(0, untouched);
  EXPECT_EQ(untouched, std::vector<std::string>{"x"});
}

TEST_F(ArchiveTest, SameNameAgainAsksBeforeOverwriting) {
  Tag_Cliente first = Header("Bianchi", "0010");
  Tag_GlobalBuffer record = DefaultRecord();
  record.NumeriTelefonici[1].Numero = "111";
  ASSERT_EQ(ArchiveSave(first, record, "old note"), SaveStatus::Stored);

  Tag_Cliente again = Header("Bianchi", "0010");
  again.Comune = "Milano";
  record.NumeriTelefonici[1].Numero = "222";
  ui.host.Answer(MsgResult::No);
  EXPECT_EQ(ArchiveSave(again, record, "new note"), SaveStatus::Declined);
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].text, LanguageText(130));
  EXPECT_EQ(ui.host.Boxes()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(again.SerialCli, 0);
  EXPECT_EQ(Value(T::NumTel, "SELECT Numero FROM NumTel WHERE Progress = 0").toString(), "111");
  EXPECT_EQ(Value(T::Clienti, "SELECT Note FROM Clienti").toString(), "old note");

  ui.host.Answer(MsgResult::Yes);
  EXPECT_EQ(ArchiveSave(again, record, "new note"), SaveStatus::Stored);
  EXPECT_EQ(again.SerialCli, first.SerialCli);
  EXPECT_EQ(Rows(T::Clienti), 1);
  EXPECT_EQ(Rows(T::NumTel), 8);
  EXPECT_EQ(Value(T::NumTel, "SELECT Numero FROM NumTel WHERE Progress = 0").toString(), "222");
  EXPECT_EQ(Value(T::Clienti, "SELECT Comune FROM Clienti").toString(), "Milano");
}

TEST_F(ArchiveTest, NameOfTheOtherTypeIsRefused) {
  SaveNew("Verdi", "0001", kTypeVelaA);
  Tag_Cliente h = Header("Verdi", "0050", kTypeVelaI);
  EXPECT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::OtherType);
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].text, LanguageText(128));
  EXPECT_EQ(ui.host.Boxes()[0].kind, MsgKind::Warning);
  EXPECT_EQ(Rows(T::Clienti), 1);
  EXPECT_EQ(Rows(T::NumTel), 8);
}

TEST_F(ArchiveTest, CodeOfAnotherCustomerIsRefused) {
  SaveNew("Neri", "0001", kTypeVelaI);
  SaveNew("Gialli", "0002", kTypeVelaA);
  const std::string expected = LanguageText(129) + " \"VELA-I\"";
  // A new name, and the name of an existing customer, with Neri's code.
  for (const char* name : {"Nuovo", "Gialli"}) {
    ui.host.ClearBoxes();
    Tag_Cliente h = Header(name, "0001", kTypeVelaA);
    EXPECT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::CodeTaken) << name;
    ASSERT_EQ(ui.host.Boxes().size(), 1u) << name;
    EXPECT_EQ(ui.host.Boxes()[0].text, expected);
    EXPECT_EQ(ui.host.Boxes()[0].kind, MsgKind::Error);
  }
  EXPECT_EQ(Rows(T::Clienti), 2);
  EXPECT_EQ(Value(T::Clienti, "SELECT count(*) FROM Clienti WHERE CodiceCliente = '0001'").toInt(),
            1);
}

TEST_F(ArchiveTest, ModelNameComesFromTheNamesTable) {
  SaveNew("Neri", "0001", kTypeVelaI);
  ModelNames[22] = "Model22" + std::string(30, 'x');  // as PERSONAL.INI may name it
  Tag_Cliente h = Header("Other", "0001");
  EXPECT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::CodeTaken);
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].text, LanguageText(129) + " \"Model22xxxxxxxxxxxxx\"");
}

TEST_F(ArchiveTest, IntervalsAreSplitIntoHalves) {
  Tag_Cliente h = Header("Tempo", "0001");
  Tag_GlobalBuffer record = DefaultRecord();
  record.Opzioni.SMSIntervallo = 100000;
  record.ComDig.SegIntervallo = 100000;
  ASSERT_EQ(ArchiveSave(h, record, ""), SaveStatus::Stored);
  EXPECT_EQ(Value(T::Opzioni, "SELECT SMSIntervallo1 FROM Opzioni").toInt(), 34464);
  EXPECT_EQ(Value(T::Opzioni, "SELECT SMSIntervallo2 FROM Opzioni").toInt(), 1);
  EXPECT_EQ(Value(T::ComDig, "SELECT SegIntervallo1 FROM ComDig").toInt(), 34464);
  EXPECT_EQ(Value(T::ComDig, "SELECT SegIntervallo2 FROM ComDig").toInt(), 1);

  Tag_GlobalBuffer loaded = DefaultRecord();
  int events = 0;
  ASSERT_TRUE(ArchiveLoadCustomer(h.SerialCli, h, loaded, events));
  EXPECT_EQ(loaded.Opzioni.SMSIntervallo, 100000u);
  EXPECT_EQ(loaded.ComDig.SegIntervallo, 100000u);
}

TEST_F(ArchiveTest, CreditCheckIsStoredAsItsIntervalOrZero) {
  struct Case {
    uint8_t active, value;
    int stored;
    uint8_t activeBack, valueBack;
  } cases[] = {{0, 7, 0, 0, 1}, {1, 9, 9, 1, 9}, {1, 255, 255, 1, 255}};
  int code = 0;
  for (const auto& c : cases) {
    Tag_Cliente h = Header("Credito " + std::to_string(code), "010" + std::to_string(code));
    ++code;
    Tag_GlobalBuffer record = DefaultRecord();
    record.Opzioni.ControlloCreditoAttivo = c.active;
    record.Opzioni.ControlloCredito = c.value;
    ASSERT_EQ(ArchiveSave(h, record, ""), SaveStatus::Stored);
    EXPECT_EQ(
        Value(T::Opzioni, "SELECT ControlloCredito FROM Opzioni WHERE SerialCli = ?", {h.SerialCli})
            .toInt(),
        c.stored);
    Tag_GlobalBuffer loaded = DefaultRecord();
    loaded.Opzioni.ControlloCreditoAttivo = 1 - c.activeBack;
    int events = 0;
    ASSERT_TRUE(ArchiveLoadCustomer(h.SerialCli, h, loaded, events));
    EXPECT_EQ(loaded.Opzioni.ControlloCreditoAttivo, c.activeBack) << int(c.value);
    EXPECT_EQ(loaded.Opzioni.ControlloCredito, c.valueBack) << int(c.value);
  }
}

TEST_F(ArchiveTest, IntegersKeepTheirLowByteAndLogicalsBecomeFlags) {
  Tag_Cliente h = Header("Bytes", "0001");
  ASSERT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::Stored);
  Exec(T::Uscite, "UPDATE Uscite SET Tempoon = 300, Fp = 5 WHERE Progress = 1");
  Exec(T::Ingresso, "UPDATE Ingresso SET SMSAttiv = ? WHERE Progress = 0", {QString(120, 'z')});
  Tag_GlobalBuffer loaded = DefaultRecord();
  int events = 0;
  ASSERT_TRUE(ArchiveLoadCustomer(h.SerialCli, h, loaded, events));
  EXPECT_EQ(loaded.Uscite[2].TempoOn, 300 & 0xFF);
  EXPECT_EQ(loaded.Uscite[2].FP, 1);
  EXPECT_EQ(loaded.Ingressi[1].SMSAttiv.str(), std::string(100, 'z'));
  EXPECT_EQ(events, 8);  // the seven of the defaults and FP of output 2
}

TEST_F(ArchiveTest, MissingRowsLeaveTheirEntriesAsTheyWere) {
  Tag_Cliente h = Header("Opzioni", "0001");
  ASSERT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::Stored);
  Exec(T::Opzioni, "DELETE FROM Opzioni");
  Exec(T::NumTel, "DELETE FROM NumTel WHERE Progress = 2");
  // A row the record has no room for is passed over.
  Exec(T::NumTel, "INSERT INTO NumTel (SerialCli, Progress, Numero) VALUES (?, 100, 'x')",
       {h.SerialCli});

  Tag_GlobalBuffer loaded = DefaultRecord();
  loaded.Opzioni.Prefisso = "before";
  loaded.Opzioni.SMSIntervallo = 42;
  loaded.NumeriTelefonici[3].Numero = "333";
  loaded.NumeriTelefonici[1].Numero = "111";
  const Tag_Opzioni options = loaded.Opzioni;
  int events = 0;
  ASSERT_TRUE(ArchiveLoadCustomer(h.SerialCli, h, loaded, events));
  EXPECT_EQ(loaded.Opzioni, options);
  EXPECT_EQ(loaded.NumeriTelefonici[3].Numero, "333");
  EXPECT_EQ(loaded.NumeriTelefonici[1].Numero, "");
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(ArchiveTest, NamesWithQuotesAndSemicolonsAreStoredAsTyped) {
  const std::string name = "O'Hara\"; DROP TABLE Clienti; --";
  Tag_Cliente h = Header(name, "0001");
  Tag_GlobalBuffer record = DefaultRecord();
  record.NumeriTelefonici[1].Descrizione = "'); DELETE FROM NumTel; --";
  ASSERT_EQ(ArchiveSave(h, record, "note ' \" ;"), SaveStatus::Stored);
  EXPECT_EQ(Rows(T::Clienti), 1);
  EXPECT_EQ(Rows(T::NumTel), 8);
  Tag_Cliente loaded;
  Tag_GlobalBuffer into = DefaultRecord();
  int events = 0;
  ASSERT_TRUE(ArchiveLoadCustomer(h.SerialCli, loaded, into, events));
  EXPECT_EQ(loaded.Nome.str(), name.substr(0, 35));
  EXPECT_EQ(into.NumeriTelefonici[1].Descrizione, record.NumeriTelefonici[1].Descrizione);
  // The same name is found again: the second save asks to overwrite.
  ui.host.Answer(MsgResult::No);
  EXPECT_EQ(ArchiveSave(h, record, ""), SaveStatus::Declined);
}

}  // namespace
