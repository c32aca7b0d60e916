#include "archive/archive_sections.h"

#include <QString>
#include <QStringList>
#include <map>

namespace {

using G = Tag_GlobalBuffer;

template <class T>
Section MakeSection(ArchiveTable table, bool numbered, int (*rowCount)(int), T* (*entry)(G&, int),
                    std::vector<FieldColumn<T>> columns) {
  Section s{table, numbered, {}, rowCount, {}, {}};
  for (const auto& c : columns) s.columns.push_back(c.def);
  s.values = [entry, columns](const G& record, int p, SqlParams& out) {
    const T& x = *entry(const_cast<G&>(record), p);
    for (const auto& c : columns) out.push_back(c.get(x));
  };
  s.read = [entry, columns](G& record, int p, const QSqlQuery& query, int first) {
    T* x = entry(record, p);
    if (!x) return false;
    for (std::size_t i = 0; i < columns.size(); ++i)
      columns[i].set(*x, query.value(first + static_cast<int>(i)));
    return true;
  };
  return s;
}

// Entry p of a table counted from 0, or null outside the record.
template <class T, class Array>
T* At(Array& items, int p, int first, int last) {
  return p >= first && p <= last ? &items[static_cast<std::size_t>(p)] : nullptr;
}

Tag_NumeroTelefonico* Phone(G& r, int p) {
  return At<Tag_NumeroTelefonico>(r.NumeriTelefonici, p + 1, 1, 100);
}
Tag_Messaggio* Message(G& r, int p) {
  return At<Tag_Messaggio>(r.Messaggi, p + 1, 1, 8);
}
Tag_Sms* Sms(G& r, int p) {
  return At<Tag_Sms>(r.SmsS, p, 0, 8);
}
Tag_Ingresso* Input(G& r, int p) {
  return At<Tag_Ingresso>(r.Ingressi, p + 1, 1, 7);
}
Tag_Uscita* Output(G& r, int p) {
  return At<Tag_Uscita>(r.Uscite, p + 1, 1, 5);
}
Tag_Evento* Event(G& r, int p) {
  return At<Tag_Evento>(r.ComDig.Eventi, p, 0, 13);
}
Tag_ComDig* ComDig(G& r, int) {
  return &r.ComDig;
}
Tag_Opzioni* Options(G& r, int) {
  return &r.Opzioni;
}

int PhoneRows(int type) {
  return type == kTypeVelaI ? 95 : 8;
}
int InputRows(int type) {
  return type == kTypeVelaA ? 4 : 7;
}
int OneRow(int) {
  return 1;
}
int OutputRows(int) {
  return 5;
}
int MessageRows(int) {
  return 8;
}
int SmsRows(int) {
  return 9;
}
int EventRows(int) {
  return 14;
}

// The credit check is stored as its interval, 0 when it is off; a stored 0 reads back as
// off with the interval at its default of 1.
FieldColumn<Tag_Opzioni> CreditColumn() {
  return {{"ControlloCredito", ColumnType::Integer},
          [](const Tag_Opzioni& o) {
            return QVariant(o.ControlloCreditoAttivo ? static_cast<int>(o.ControlloCredito) : 0);
          },
          [](Tag_Opzioni& o, const QVariant& v) {
            const auto value = static_cast<uint8_t>(v.toLongLong());
            o.ControlloCreditoAttivo = v.toLongLong() != 0 ? 1 : 0;
            o.ControlloCredito = o.ControlloCreditoAttivo ? value : 1;
          }};
}

std::vector<Section> BuildSections() {
  using N = Tag_NumeroTelefonico;
  using I = Tag_Ingresso;
  using U = Tag_Uscita;
  using O = Tag_Opzioni;
  using C = Tag_ComDig;
  using E = Tag_Evento;
  std::vector<Section> s;
  s.push_back(
      MakeSection<N>(ArchiveTable::NumTel, true, PhoneRows, Phone,
                     {TextColumn("Descrizione", &N::Descrizione), TextColumn("Numero", &N::Numero),
                      FlagColumn("Avvisatore", &N::Avvisatore), ByteColumn("Uscite", &N::Uscite)}));
  s.push_back(MakeSection<Tag_Messaggio>(ArchiveTable::Messaggi, true, MessageRows, Message,
                                         {TextColumn("Descrizione", &Tag_Messaggio::Descrizione)}));
  s.push_back(MakeSection<Tag_Sms>(ArchiveTable::Sms, true, SmsRows, Sms,
                                   {TextColumn("Descrizione", &Tag_Sms::Descrizione)}));
  s.push_back(MakeSection<I>(
      ArchiveTable::Ingresso, true, InputRows, Input,
      {ByteColumn("Polarita", &I::Polarita), ByteColumn("Messaggio", &I::Messaggio),
       ByteColumn("MaskTel", &I::MaskTel), ByteColumn("SmsA", &I::SmsA),
       ByteColumn("SmsR", &I::SmsR), ByteColumn("MaskSms", &I::MaskSms),
       FlagColumn("Serv", &I::Serv), ShortTextColumn("SMSAttiv", &I::SMSAttiv),
       ShortTextColumn("SMSRipr", &I::SMSRipr), FlagColumn("ServVELA_I_1", &I::ServVELA_I_1),
       FlagColumn("ServVELA_I_2", &I::ServVELA_I_2)}));
  s.push_back(MakeSection<U>(
      ArchiveTable::Uscite, true, OutputRows, Output,
      {ByteColumn("Polarita", &U::Polarita), FlagColumn("FP", &U::FP), FlagColumn("FG", &U::FG),
       FlagColumn("BC", &U::BC), FlagColumn("BP", &U::BP), FlagColumn("CO", &U::CO),
       FlagColumn("CI", &U::CI), FlagColumn("MS", &U::MS), FlagColumn("OUTRESERV", &U::OUTRESERV),
       TextColumn("Messaggio", &U::Messaggio), ByteColumn("MaskEventiVELA_I", &U::MaskEventiVELA_I),
       ByteColumn("Tipo", &U::Tipo), ByteColumn("TempoOn", &U::TempoOn),
       ByteColumn("Conferma", &U::Conferma)}));
  s.push_back(MakeSection<C>(
      ArchiveTable::ComDig, false, OneRow, ComDig,
      {ShortTextColumn("Numero1", &C::Numero1), ShortTextColumn("Numero2", &C::Numero2),
       ShortTextColumn("Numero3", &C::Numero3), ShortTextColumn("Numero4", &C::Numero4),
       DateTimeColumn("SegDataPrimo", &C::SegDataPrimo),
       DateTimeColumn("SegOraPrimo", &C::SegOraPrimo),
       LowHalfColumn("SegIntervallo1", &C::SegIntervallo),
       HighHalfColumn("SegIntervallo2", &C::SegIntervallo)}));
  s.push_back(MakeSection<E>(
      ArchiveTable::Eventi, true, EventRows, Event,
      {ShortTextColumn("CodiceUtente", &E::CodiceUtente),
       ShortTextColumn("CodiceEvento1", &E::CodiceEvento1),
       ShortTextColumn("CodiceEvento2", &E::CodiceEvento2), ByteColumn("Invia", &E::Invia)}));
  s.push_back(MakeSection<O>(
      ArchiveTable::Opzioni, false, OneRow, Options,
      {ByteColumn("VoceInLinea", &O::VoceInLinea), ByteColumn("Squillo", &O::Squillo),
       ByteColumn("Selezione", &O::Selezione), TextColumn("Prefisso", &O::Prefisso),
       ByteColumn("Richiama", &O::Richiama), TextColumn("CodUscSms", &O::CodUscSms),
       IntColumn("CifreRim", &O::CifreRim), ByteColumn("UsaGsm", &O::UsaGsm),
       ByteColumn("CommutaChiama", &O::CommutaChiama),
       ShortTextColumn("NtelChiamataADT", &O::NtelChiamataADT),
       DateTimeColumn("SMSDataPrimo", &O::SMSDataPrimo),
       DateTimeColumn("SMSOraPrimo", &O::SMSOraPrimo),
       LowHalfColumn("SMSIntervallo1", &O::SMSIntervallo),
       HighHalfColumn("SMSIntervallo2", &O::SMSIntervallo), CreditColumn(),
       ByteColumn("Priorita", &O::Priorita)}));
  return s;
}

std::vector<FieldColumn<Tag_Cliente>> BuildHeaderColumns() {
  using H = Tag_Cliente;
  return {ShortTextColumn("Nome", &H::Nome),
          ShortTextColumn("Indirizzo", &H::Indirizzo),
          ShortTextColumn("Comune", &H::Comune),
          ShortTextColumn("Telefono", &H::Telefono),
          ShortTextColumn("TelCentrale", &H::TelCentrale),
          ByteColumn("TipoCentrale", &H::TipoCentrale),
          ShortTextColumn("DescrImpianto", &H::DescrImpianto),
          ShortTextColumn("CodiceCliente", &H::CodiceCliente),
          ShortTextColumn("Rel_firmware", &H::Rel_firmware)};
}

std::map<ArchiveTable, TableLayout> BuildLayouts() {
  std::map<ArchiveTable, TableLayout> layouts;
  TableLayout customers{ArchiveTable::Clienti,
                        {{"SerialCli", ColumnType::AutoIncrement}},
                        {"SerialCli"},
                        {{"CodiceCliente"}, {"Nome"}}};
  for (const auto& c : HeaderColumns()) customers.columns.push_back(c.def);
  customers.columns.push_back({"DataUltModifica", ColumnType::DateTime});
  customers.columns.push_back({"Note", ColumnType::Memo});
  layouts.emplace(ArchiveTable::Clienti, customers);

  for (const auto& section : DetailSections()) {
    TableLayout t{section.table, {{"SerialCli", ColumnType::Integer}}, {"SerialCli"}, {}};
    if (section.numbered) {
      t.columns.push_back({"Progress", ColumnType::Integer});
      t.key.push_back("Progress");
    }
    t.columns.insert(t.columns.end(), section.columns.begin(), section.columns.end());
    layouts.emplace(section.table, t);
  }
  return layouts;
}

}  // namespace

const std::vector<Section>& DetailSections() {
  static const std::vector<Section> sections = BuildSections();
  return sections;
}

const std::vector<FieldColumn<Tag_Cliente>>& HeaderColumns() {
  static const std::vector<FieldColumn<Tag_Cliente>> columns = BuildHeaderColumns();
  return columns;
}

const TableLayout& LayoutOf(ArchiveTable table) {
  static const std::map<ArchiveTable, TableLayout> layouts = BuildLayouts();
  return layouts.at(table);
}

std::vector<const char*> CustomersIndexColumns(const std::string& fields) {
  std::vector<const char*> columns;
  const auto& layout = LayoutOf(ArchiveTable::Clienti);
  for (const QString& part : QString::fromStdString(fields).split(';')) {
    const QString wanted = part.trimmed();
    const char* found = nullptr;
    for (const auto& c : layout.columns)
      if (wanted.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) found = c.name;
    if (!found) return {};
    columns.push_back(found);
  }
  return columns;
}

namespace {

QStringList ColumnNames(const std::vector<ColumnDef>& columns) {
  QStringList names;
  for (const auto& c : columns) names << QLatin1String(c.name);
  return names;
}

}  // namespace

QString SelectSql(const Section& section) {
  QStringList columns = ColumnNames(section.columns);
  if (section.numbered) columns.prepend(QStringLiteral("Progress"));
  return QStringLiteral("SELECT %1 FROM %2 WHERE SerialCli = ?%3")
      .arg(columns.join(", "), QLatin1String(TableName(section.table)),
           section.numbered ? QStringLiteral(" ORDER BY Progress") : QString());
}

QString InsertSql(const Section& section) {
  QStringList columns = ColumnNames(section.columns);
  if (section.numbered) columns.prepend(QStringLiteral("Progress"));
  columns.prepend(QStringLiteral("SerialCli"));
  QStringList marks;
  for (int i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
  return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
      .arg(QLatin1String(TableName(section.table)), columns.join(", "), marks.join(", "));
}

QString DeleteSql(ArchiveTable table) {
  return QStringLiteral("DELETE FROM %1 WHERE SerialCli = ?").arg(QLatin1String(TableName(table)));
}
