// The device configuration record that every page edits, the images are built from and
// the archive stores, and the customer header that names the device type and release.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/date_time.h"
#include "model/short_text.h"

constexpr int kTypeVelaA = 21;
constexpr int kTypeVelaI = 22;

struct Tag_NumeroTelefonico {
  std::string Descrizione;
  std::string Numero;
  uint8_t Avvisatore = 0;
  uint8_t Uscite = 0;  // bit k: output k + 1 may be commanded by this number
  bool operator==(const Tag_NumeroTelefonico&) const = default;
};

struct Tag_Messaggio {
  std::string Descrizione;
  bool operator==(const Tag_Messaggio&) const = default;
};

struct Tag_Ingresso {
  uint8_t Polarita = 0;
  uint8_t Messaggio = 0;
  uint8_t MaskTel = 0;
  uint8_t MaskSms = 0;
  uint8_t SmsA = 0;
  uint8_t SmsR = 0;
  uint8_t Serv = 0;
  ShortText<100> SMSAttiv;
  ShortText<100> SMSRipr;
  uint8_t ServVELA_I_1 = 0;
  uint8_t ServVELA_I_2 = 0;
  bool operator==(const Tag_Ingresso&) const = default;
};

struct Tag_Uscita {
  uint8_t Polarita = 0;
  uint8_t FP = 0;
  uint8_t FG = 0;
  uint8_t BC = 0;
  uint8_t BP = 0;
  uint8_t CO = 0;
  uint8_t CI = 0;
  uint8_t MS = 0;
  uint8_t OUTRESERV = 0;
  std::string Messaggio;
  uint8_t MaskEventiVELA_I = 0;
  uint8_t Tipo = 0;
  uint8_t TempoOn = 0;
  uint8_t Conferma = 0;
  bool operator==(const Tag_Uscita&) const = default;
};

struct Tag_Opzioni {
  uint8_t VoceInLinea = 0;
  uint8_t Squillo = 0;
  uint8_t Selezione = 0;
  std::string Prefisso;
  uint8_t Richiama = 0;
  std::string CodUscSms;
  int32_t CifreRim = 0;
  uint8_t UsaGsm = 0;
  uint8_t CommutaChiama = 0;
  ShortText<20> NtelChiamataADT;
  DateTime SMSDataPrimo = 0;
  DateTime SMSOraPrimo = 0;
  uint32_t SMSIntervallo = 0;
  uint8_t ControlloCreditoAttivo = 0;
  uint8_t ControlloCredito = 0;
  uint8_t Priorita = 0;
  bool operator==(const Tag_Opzioni&) const = default;
};

struct Tag_Sms {
  std::string Descrizione;
  bool operator==(const Tag_Sms&) const = default;
};

struct Tag_Evento {
  ShortText<4> CodiceUtente;
  ShortText<1> CodiceEvento1;
  ShortText<2> CodiceEvento2;
  uint8_t Invia = 0;
  bool operator==(const Tag_Evento&) const = default;
};

struct Tag_ComDig {
  ShortText<20> Numero1;
  ShortText<20> Numero2;
  ShortText<20> Numero3;
  ShortText<20> Numero4;
  std::array<Tag_Evento, 14> Eventi{};
  DateTime SegDataPrimo = 0;
  DateTime SegOraPrimo = 0;
  uint32_t SegIntervallo = 0;
  bool operator==(const Tag_ComDig&) const = default;
};

// Arrays numbered from 1 as the user sees them; index 0 is unused and always default.
template <typename T, std::size_t N>
struct OneBased {
  std::array<T, N + 1> items{};
  T& operator[](std::size_t k) { return items[k]; }
  const T& operator[](std::size_t k) const { return items[k]; }
  static constexpr std::size_t size() { return N; }
  bool operator==(const OneBased&) const = default;
};

using Tag_NumeriTelefonici = OneBased<Tag_NumeroTelefonico, 100>;
using Tag_Messaggi = OneBased<Tag_Messaggio, 8>;
using Tag_Ingressi = OneBased<Tag_Ingresso, 7>;
using Tag_Uscite = OneBased<Tag_Uscita, 5>;
using Tag_SmsS = std::array<Tag_Sms, 9>;  // counted from 0

struct Tag_GlobalBuffer {
  Tag_NumeriTelefonici NumeriTelefonici;
  Tag_Messaggi Messaggi;
  Tag_Ingressi Ingressi;
  Tag_Uscite Uscite;
  Tag_Opzioni Opzioni;
  Tag_SmsS SmsS{};
  Tag_ComDig ComDig;
  // Member by member, every entry of every array, whatever the device type uses.
  bool operator==(const Tag_GlobalBuffer&) const = default;
};

struct Tag_Cliente {
  int32_t SerialCli = 0;
  ShortText<35> Nome;
  ShortText<35> Indirizzo;
  ShortText<35> Comune;
  ShortText<35> Telefono;
  ShortText<35> TelCentrale;
  uint8_t TipoCentrale = 0;
  ShortText<35> DescrImpianto;
  ShortText<4> CodiceCliente;
  DateTime DataUltModifica = 0;
  uint8_t NotePresenti = 0;
  ShortText<16> Rel_firmware;
  bool operator==(const Tag_Cliente&) const = default;
};

// The global instances, owned by the user-interface thread for the whole run.
extern Tag_GlobalBuffer GlobalBuffer;  // the live record
extern Tag_GlobalBuffer SavedBuffer;   // the saved copy
extern Tag_Cliente Cliente;            // the customer header
extern int OutputEventCount;

// Gives the code of a new customer; the archive installs NextFreeCustomerCode here.
using CustomerCodeSource = std::function<std::string()>;
void SetCustomerCodeSource(CustomerCodeSource source);

// Sets the record to its defaults (labels in the current language); with resetCustomer it
// also starts a new customer in the header. TipoCentrale and Rel_firmware always stay.
void ResetConfiguration(Tag_GlobalBuffer& record, Tag_Cliente& header, bool resetCustomer);
void ResetConfiguration(bool resetCustomer);  // on the global instances
void TakeSavedCopy();
bool IsUnchanged(const Tag_GlobalBuffer& live, const Tag_GlobalBuffer& saved);
bool IsUnchanged();

// Rel_firmware read as a decimal number (a text that is not a plain number counts as 0).
double FirmwareNumber(const std::string& release);
bool FirmwareAtLeast(const Tag_Cliente& header, double threshold);
bool FirmwareAtLeast(double threshold);

int PhoneEntryCount();  // 8 or 95, set by the main window for the current type
void SetPhoneEntryCount(int count);
int InputEntryCount(int tipoCentrale);  // 4 or 7
int CountOutputEvents(const Tag_GlobalBuffer& record);
