#include "record_json.h"

#include <QJsonArray>
#include <QJsonValue>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "shell/cp1252.h"

namespace {

// Every field of every record type, in declaration order. One list serves the writer and
// the reader, so the two cannot disagree about a name.
template <class V>
void Visit(V& v, Tag_NumeroTelefonico& x) {
  v("Descrizione", x.Descrizione);
  v("Numero", x.Numero);
  v("Avvisatore", x.Avvisatore);
  v("Uscite", x.Uscite);
}

template <class V>
void Visit(V& v, Tag_Messaggio& x) {
  v("Descrizione", x.Descrizione);
}

template <class V>
void Visit(V& v, Tag_Ingresso& x) {
  v("Polarita", x.Polarita);
  v("Messaggio", x.Messaggio);
  v("MaskTel", x.MaskTel);
  v("MaskSms", x.MaskSms);
  v("SmsA", x.SmsA);
  v("SmsR", x.SmsR);
  v("Serv", x.Serv);
  v("SMSAttiv", x.SMSAttiv);
  v("SMSRipr", x.SMSRipr);
  v("ServVELA_I_1", x.ServVELA_I_1);
  v("ServVELA_I_2", x.ServVELA_I_2);
}

template <class V>
void Visit(V& v, Tag_Uscita& x) {
  v("Polarita", x.Polarita);
  v("FP", x.FP);
  v("FG", x.FG);
  v("BC", x.BC);
  v("BP", x.BP);
  v("CO", x.CO);
  v("CI", x.CI);
  v("MS", x.MS);
  v("OUTRESERV", x.OUTRESERV);
  v("Messaggio", x.Messaggio);
  v("MaskEventiVELA_I", x.MaskEventiVELA_I);
  v("Tipo", x.Tipo);
  v("TempoOn", x.TempoOn);
  v("Conferma", x.Conferma);
}

template <class V>
void Visit(V& v, Tag_Opzioni& x) {
  v("VoceInLinea", x.VoceInLinea);
  v("Squillo", x.Squillo);
  v("Selezione", x.Selezione);
  v("Prefisso", x.Prefisso);
  v("Richiama", x.Richiama);
  v("CodUscSms", x.CodUscSms);
  v("CifreRim", x.CifreRim);
  v("UsaGsm", x.UsaGsm);
  v("CommutaChiama", x.CommutaChiama);
  v("NtelChiamataADT", x.NtelChiamataADT);
  v("SMSDataPrimo", x.SMSDataPrimo);
  v("SMSOraPrimo", x.SMSOraPrimo);
  v("SMSIntervallo", x.SMSIntervallo);
  v("ControlloCreditoAttivo", x.ControlloCreditoAttivo);
  v("ControlloCredito", x.ControlloCredito);
  v("Priorita", x.Priorita);
}

template <class V>
void Visit(V& v, Tag_Sms& x) {
  v("Descrizione", x.Descrizione);
}

template <class V>
void Visit(V& v, Tag_Evento& x) {
  v("CodiceUtente", x.CodiceUtente);
  v("CodiceEvento1", x.CodiceEvento1);
  v("CodiceEvento2", x.CodiceEvento2);
  v("Invia", x.Invia);
}

template <class V>
void Visit(V& v, Tag_ComDig& x) {
  v("Numero1", x.Numero1);
  v("Numero2", x.Numero2);
  v("Numero3", x.Numero3);
  v("Numero4", x.Numero4);
  v("Eventi", x.Eventi);
  v("SegDataPrimo", x.SegDataPrimo);
  v("SegOraPrimo", x.SegOraPrimo);
  v("SegIntervallo", x.SegIntervallo);
}

template <class V>
void Visit(V& v, Tag_Cliente& x) {
  v("SerialCli", x.SerialCli);
  v("Nome", x.Nome);
  v("Indirizzo", x.Indirizzo);
  v("Comune", x.Comune);
  v("Telefono", x.Telefono);
  v("TelCentrale", x.TelCentrale);
  v("TipoCentrale", x.TipoCentrale);
  v("DescrImpianto", x.DescrImpianto);
  v("CodiceCliente", x.CodiceCliente);
  v("DataUltModifica", x.DataUltModifica);
  v("NotePresenti", x.NotePresenti);
  v("Rel_firmware", x.Rel_firmware);
}

template <class V>
void Visit(V& v, Tag_GlobalBuffer& x) {
  v("NumeriTelefonici", x.NumeriTelefonici);
  v("Messaggi", x.Messaggi);
  v("Ingressi", x.Ingressi);
  v("Uscite", x.Uscite);
  v("Opzioni", x.Opzioni);
  v("SmsS", x.SmsS);
  v("ComDig", x.ComDig);
}

QString Utf8(const std::string& cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

class Writer {
 public:
  QJsonObject object;

  void operator()(const char* name, uint8_t& x) { object[name] = static_cast<int>(x); }
  void operator()(const char* name, int32_t& x) { object[name] = static_cast<qint64>(x); }
  void operator()(const char* name, uint32_t& x) { object[name] = static_cast<qint64>(x); }
  void operator()(const char* name, double& x) { object[name] = x; }
  void operator()(const char* name, std::string& x) { object[name] = Utf8(x); }
  template <std::size_t N>
  void operator()(const char* name, ShortText<N>& x) {
    object[name] = Utf8(x.str());
  }
  template <class T, std::size_t N>
  void operator()(const char* name, OneBased<T, N>& items) {
    QJsonArray array;
    for (std::size_t k = 1; k <= N; ++k) array.append(Object(items[k]));
    object[name] = array;
  }
  template <class T, std::size_t N>
  void operator()(const char* name, std::array<T, N>& items) {
    QJsonArray array;
    for (auto& item : items) array.append(Object(item));
    object[name] = array;
  }
  template <class T>
  void operator()(const char* name, T& x) {
    object[name] = Object(x);
  }

  template <class T>
  static QJsonObject Object(T& x) {
    Writer w;
    Visit(w, x);
    return w.object;
  }
};

class Reader {
 public:
  Reader(const QJsonObject& object, std::string path, std::string& error)
      : object_(object), path_(std::move(path)), error_(error) {}

  void operator()(const char* name, uint8_t& x) { x = static_cast<uint8_t>(Integer(name, 0, 255)); }
  void operator()(const char* name, int32_t& x) {
    x = static_cast<int32_t>(
        Integer(name, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
  }
  void operator()(const char* name, uint32_t& x) {
    x = static_cast<uint32_t>(Integer(name, 0, std::numeric_limits<uint32_t>::max()));
  }
  void operator()(const char* name, double& x) {
    const QJsonValue value = Field(name);
    if (!Ok()) return;
    if (!value.isDouble()) return Fail(name, "a number is expected");
    x = value.toDouble();
  }
  void operator()(const char* name, std::string& x) { x = Text(name, std::string::npos); }
  template <std::size_t N>
  void operator()(const char* name, ShortText<N>& x) {
    x = Text(name, N);
  }
  template <class T, std::size_t N>
  void operator()(const char* name, OneBased<T, N>& items) {
    Items<T>(name, N, 1, [&](std::size_t i) -> T& { return items[i + 1]; });
  }
  template <class T, std::size_t N>
  void operator()(const char* name, std::array<T, N>& items) {
    Items<T>(name, N, 0, [&](std::size_t i) -> T& { return items[i]; });
  }
  template <class T>
  void operator()(const char* name, T& x) {
    const QJsonValue value = Field(name);
    if (!Ok()) return;
    if (!value.isObject()) return Fail(name, "an object is expected");
    Read(value.toObject(), Path(name), x);
  }

  template <class T>
  bool Read(const QJsonObject& object, const std::string& path, T& x) {
    Reader r(object, path, error_);
    Visit(r, x);
    return Ok();
  }

  bool Ok() const { return error_.empty(); }

 private:
  std::string Path(const char* name) const {
    return path_.empty() ? std::string(name) : path_ + "." + name;
  }

  void Fail(const char* name, const std::string& what) {
    if (Ok()) error_ = Path(name) + ": " + what;
  }

  QJsonValue Field(const char* name) {
    if (!Ok()) return {};
    if (!object_.contains(name)) Fail(name, "missing");
    return object_.value(name);
  }

  int64_t Integer(const char* name, int64_t low, int64_t high) {
    const QJsonValue value = Field(name);
    if (!Ok()) return 0;
    const double d = value.toDouble();
    if (!value.isDouble() || std::floor(d) != d || d < static_cast<double>(low) ||
        d > static_cast<double>(high)) {
      Fail(name, "a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                     " is expected");
      return 0;
    }
    return static_cast<int64_t>(d);
  }

  std::string Text(const char* name, std::size_t capacity) {
    const QJsonValue value = Field(name);
    if (!Ok()) return {};
    if (!value.isString()) {
      Fail(name, "a text is expected");
      return {};
    }
    const std::string utf8 = value.toString().toStdString();
    const std::string text = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(text) != utf8) {
      Fail(name, "holds a character that Windows-1252 cannot hold");
      return {};
    }
    if (capacity != std::string::npos && text.size() > capacity) {
      Fail(name, "longer than " + std::to_string(capacity) + " characters");
      return {};
    }
    return text;
  }

  // Entries are named by the record's numbering: from 1 where the record counts from 1.
  template <class T, class At>
  void Items(const char* name, std::size_t count, std::size_t first, At at) {
    const QJsonValue value = Field(name);
    if (!Ok()) return;
    if (!value.isArray() || static_cast<std::size_t>(value.toArray().size()) != count)
      return Fail(name, "an array of " + std::to_string(count) + " entries is expected");
    const QJsonArray array = value.toArray();
    for (std::size_t i = 0; i < count && Ok(); ++i) {
      const std::string where = Path(name) + "[" + std::to_string(i + first) + "]";
      const QJsonValue item = array.at(static_cast<qsizetype>(i));
      if (!item.isObject()) {
        error_ = where + ": an object is expected";
        return;
      }
      Read(item.toObject(), where, at(i));
    }
  }

  const QJsonObject& object_;
  std::string path_;
  std::string& error_;
};

}  // namespace

QJsonObject RecordToJson(const Tag_Cliente& header, const Tag_GlobalBuffer& record) {
  Tag_Cliente h = header;
  Tag_GlobalBuffer r = record;
  QJsonObject json = Writer::Object(r);
  json.insert("Cliente", Writer::Object(h));
  return json;
}

bool RecordFromJson(const QJsonObject& json, Tag_Cliente& header, Tag_GlobalBuffer& record,
                    std::string& error) {
  error.clear();
  Tag_Cliente h;
  Tag_GlobalBuffer r;
  Reader reader(json, "", error);
  reader("Cliente", h);
  if (reader.Ok()) reader.Read(json, "", r);
  if (!reader.Ok()) return false;
  header = h;
  record = r;
  return true;
}
