// Renders the configuration pages with a realistic configuration into PNG files:
// page-screenshots OUTPUT_FOLDER LANGUAGE_FOLDER
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "model/record.h"
#include "pages/avvtel_page.h"
#include "pages/comdig_page.h"
#include "pages/sms_page.h"
#include "pages/telefono_page.h"
#include "pages/uscite_page.h"
#include "shell/language.h"

namespace {

void Start(int type, const char* release) {
  Cliente.TipoCentrale = static_cast<uint8_t>(type);
  Cliente.Rel_firmware = release;
  ResetConfiguration(true);
  SetPhoneEntryCount(type == kTypeVelaI ? 95 : 8);
  const char* names[] = {"Owner",  "Owner mobile", "Guard service", "Neighbour",
                         "Police", "Fire brigade", "Caretaker",     "Office"};
  const char* numbers[] = {"0612345678", "+393351234567", "0687654321", "3479876543",
                           "112",        "115",           "3381112233", "0655512345"};
  for (int e = 1; e <= 8; ++e) {
    GlobalBuffer.NumeriTelefonici[e].Descrizione = names[e - 1];
    GlobalBuffer.NumeriTelefonici[e].Numero = numbers[e - 1];
  }
  GlobalBuffer.Opzioni.Prefisso = "0";
  GlobalBuffer.Opzioni.CifreRim = 1;
}

void FillFamilyA() {
  const char* messages[] = {"Burglary", "Fire",   "Gas leak",      "Flood",
                            "Panic",    "Tamper", "Mains failure", "Low battery"};
  for (int m = 1; m <= 8; ++m) GlobalBuffer.Messaggi[m].Descrizione = messages[m - 1];
  const char* texts[] = {"Burglary alarm at home", "Fire alarm in the kitchen",
                         "Gas leak detected",      "Water on the floor",
                         "Panic button pressed",   "Tamper on the siren",
                         "Mains power failure",    "Battery low"};
  for (int s = 1; s <= 8; ++s) GlobalBuffer.SmsS[s].Descrizione = texts[s - 1];
  auto& in = GlobalBuffer.Ingressi;
  in[1].Messaggio = 0, in[1].MaskTel = 0x07, in[1].MaskSms = 0x03, in[1].SmsA = 1, in[1].SmsR = 0;
  in[2].Messaggio = 1, in[2].MaskTel = 0x31, in[2].MaskSms = 0x21, in[2].SmsA = 2, in[2].SmsR = 7;
  in[3].Serv = 1, in[3].Polarita = 0;
  GlobalBuffer.Opzioni.CommutaChiama = 1;
  in[4].MaskTel = 1;
  GlobalBuffer.Uscite[2].FG = 0;
  GlobalBuffer.Uscite[3].FG = 1;
  GlobalBuffer.Uscite[5].OUTRESERV = 1;
  GlobalBuffer.Uscite[5].CO = GlobalBuffer.Uscite[5].CI = 0;
  GlobalBuffer.Uscite[5].Messaggio = "Gate";
  GlobalBuffer.Uscite[2].CO = 1;
  GlobalBuffer.Opzioni.CodUscSms = "1234";
  OutputEventCount = CountOutputEvents(GlobalBuffer);
}

void FillFamilyI() {
  for (int e = 1; e <= 6; ++e) GlobalBuffer.NumeriTelefonici[e].Uscite = e <= 3 ? 0x01 : 0x02;
  auto& in = GlobalBuffer.Ingressi;
  in[1].SMSAttiv = "Burglary alarm", in[1].SMSRipr = "Burglary alarm restored";
  in[1].MaskSms = 0x03;
  in[2].SMSAttiv = "Fire alarm", in[2].SMSRipr = "Fire alarm restored", in[2].MaskSms = 0x05;
  in[3].ServVELA_I_1 = 1, in[3].ServVELA_I_2 = 1, in[3].Polarita = 0;
  in[4].SMSAttiv = "Tamper", in[4].MaskSms = 0x01;
  in[5].SMSAttiv = "Mains failure", in[5].SMSRipr = "Mains restored", in[5].MaskSms = 0x02;
  in[7].SMSAttiv = "Periodic check: system OK", in[7].MaskSms = 0x01;
  GlobalBuffer.Opzioni.SMSIntervallo = 7 * 1440;
  GlobalBuffer.Opzioni.ControlloCreditoAttivo = 1;
  GlobalBuffer.Opzioni.ControlloCredito = 30;
  auto& out = GlobalBuffer.Uscite;
  out[1].OUTRESERV = 1, out[1].Messaggio = "GATE", out[1].Conferma = 1, out[1].Tipo = 1;
  out[1].TempoOn = 5, out[1].MaskEventiVELA_I = 0;
  out[2].OUTRESERV = 1, out[2].Messaggio = "HEATING", out[2].Conferma = 2;
  out[2].MaskEventiVELA_I = 0;
  out[4].Polarita = 0;
  GlobalBuffer.Opzioni.CodUscSms = "AB12";
  auto& cd = GlobalBuffer.ComDig;
  cd.Numero1 = "0612345678";
  cd.Numero2 = "0298765432";
  for (int e = 0; e < 14; ++e) cd.Eventi[e].CodiceUtente = "1234";
  for (int e : {0, 1, 2, 3, 8, 9, 12}) cd.Eventi[e].Invia = 1;
  cd.SegIntervallo = 1440;
}

template <class Page>
bool Shoot(const QString& file) {
  auto page = std::make_unique<Page>(nullptr);
  page->show();
  page->resize(800, 600);  // after showing: the page lays out for its family first
  QApplication::processEvents();
  const bool saved = page->grab().save(file);
  page->ClosePage();
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: page-screenshots OUTPUT_FOLDER LANGUAGE_FOLDER\n");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  std::string languages = argv[2];
  if (!languages.empty() && languages.back() != '/') languages += '/';
  SetLanguageFolder(languages);
  LoadLanguage("English");

  bool ok = true;
  Start(kTypeVelaA, "1.10");
  FillFamilyA();
  ok &= Shoot<TfrmTelefono>(out + "/phones-a.png");
  ok &= Shoot<TfrmAvvTel>(out + "/dialler-inputs-a.png");
  ok &= Shoot<TfrmUscite>(out + "/outputs-a.png");
  ok &= Shoot<TfrmSms>(out + "/sms-a.png");
  Start(kTypeVelaI, "1.00");
  FillFamilyI();
  ok &= Shoot<TfrmTelefono>(out + "/phones-i.png");
  ok &= Shoot<TfrmUscite>(out + "/outputs-i.png");
  ok &= Shoot<TfrmSms>(out + "/sms-i.png");
  ok &= Shoot<TfrmComDig>(out + "/digital-communicator-i.png");
  return ok ? 0 : 1;
}
