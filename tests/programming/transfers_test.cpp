// Send and Load against the simulated communicator over its pseudo-terminal.
#include "programming/transfers.h"

#include <gtest/gtest.h>

#include <set>

#include "device_session.h"
#include "family_a_fixture.h"
#include "family_i_double.h"
#include "link/at_channel.h"
#include "programming/family_a_image.h"
#include "programming/firmware_family.h"
#include "programming/progress.h"
#include "scripted_host.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/module_poller.h"
#include "shell/pacing.h"
#include "temp_dir.h"

namespace {

class TransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetPacingSpeed(10);
    SetPhoneEntryCount(8);
    ModuleReady = true;
    BusyFlag = false;
    header_.TipoCentrale = kTypeVelaA;
    record_ = DefaultRecord();
  }
  void TearDown() override {
    CloseComm(port_);
    ModuleReady = false;
    BusyFlag = false;
    SetPacingSpeed(1);
  }

  // A device of that release on the port, and a record with every carried field changed.
  std::unique_ptr<DeviceSession> Device(const std::string& firmware,
                                        std::vector<std::string> faults = {}) {
    auto device = std::make_unique<DeviceSession>(FamilyADevice(firmware, std::move(faults)));
    if (!device->started()) {
      ADD_FAILURE() << device->error();
      return nullptr;
    }
    device->Connect(port_);
    header_.Rel_firmware = firmware;
    record_ = NonDefaultRecord(DefaultRecord(), LineSwitch::None);
    return device;
  }

  TransferTarget Target() {
    return {port_, record_, header_, events_, [this] { ++firstNodeSelections_; }};
  }

  // After every exit the transfer has given back what it took.
  void ExpectGivenBack() {
    EXPECT_FALSE(TransferFlag);
    EXPECT_FALSE(PollerPauseRequest);
    EXPECT_FALSE(ui_.host.progressVisible);
    EXPECT_FALSE(ui_.host.waitCursor);
  }

  void ExpectOnlyBox(const std::string& text, MsgKind kind = MsgKind::Error) {
    const auto boxes = ui_.host.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(boxes[0].kind, kind);
  }

  static bool SentAny(DeviceSession& device, const std::string& prefix) {
    for (const auto& line : device.sim().Received())
      if (line.rfind(prefix, 0) == 0) return true;
    return false;
  }

  ScopedScriptedHost ui_;
  TComm port_;
  Tag_GlobalBuffer record_;
  Tag_Cliente header_;
  int events_ = 7;
  int firstNodeSelections_ = 0;
};

struct Generation {
  const char* firmware;
  LineSwitch lineSwitch;
};

TEST_F(TransferTest, SendThenLoadBringsEveryFieldBack) {
  // Guards the whole road: texts mangled or cut on the way to the SIM, a text at the wrong
  // index, old texts or phone entries left behind, a field lost between Send and Load.
  for (const Generation& g :
       {Generation{"1.05", LineSwitch::None}, Generation{"1.12", LineSwitch::CommutaChiama}}) {
    SCOPED_TRACE(g.firmware);
    DeviceSession device(FamilyADevice(g.firmware));
    ASSERT_TRUE(device.started()) << device.error();
    for (int i = 2; i <= 40; i += 3) device.sim().SetMessage(i, {"STO UNSENT", "", "", "old"});
    device.sim().SetPhoneEntry("SM", 4, {"0999", 129, "OLD"});
    device.sim().SetPhoneEntry("SM", 20, {"0888", 129, "NOT OURS"});
    device.Connect(port_);
    header_.Rel_firmware = g.firmware;
    const double f = FirmwareNumber(g.firmware);
    const Tag_GlobalBuffer base = DefaultRecord();
    record_ = NonDefaultRecord(base, g.lineSwitch);
    record_.NumeriTelefonici[4].Numero = "";
    const Tag_GlobalBuffer source = record_;
    ui_.host.ClearBoxes();

    ASSERT_EQ(SendProgramming(Target()), TransferOutcome::Done);
    EXPECT_TRUE(ui_.host.Boxes().empty());
    ExpectGivenBack();
    EXPECT_EQ(port_.Handle, -1) << "a finished transfer closes the port";
    EXPECT_EQ(ui_.host.progressMaximum, IsEarlyFamily(f) ? 119 : 165);
    EXPECT_EQ(ui_.host.progressCaption, LanguageText(21).substr(1));
    EXPECT_GT(ui_.host.progressPosition, 100) << "every send and read steps the gauge";

    const auto messages = device.sim().Messages();
    const int count = IsEarlyFamily(f) ? 3 : 14;
    std::set<int> indexes;
    for (const auto& [index, message] : messages) indexes.insert(index);
    std::set<int> wantIndexes{1};
    for (int t = 0; t < count; ++t) wantIndexes.insert(t + 2);
    EXPECT_EQ(indexes, wantIndexes);
    EXPECT_EQ(messages.at(1).text, std::string("VELA-A rev. ") + g.firmware);
    for (int t = 0; t < count; ++t) {
      const StoredMessage& stored = messages.at(t + 2);
      EXPECT_EQ(stored.text, BuildFamilyAText(source, header_, t, f)) << "text " << t;
      EXPECT_EQ(stored.status, "STO UNSENT");
      EXPECT_EQ(stored.address, "");
    }
    const auto book = device.sim().PhoneBook("SM");
    for (int k = 1; k <= 8; ++k) {
      if (k == 4) {
        EXPECT_EQ(book.count(4), 0u) << "an entry without number is emptied";
        continue;
      }
      ASSERT_EQ(book.count(k), 1u) << k;
      EXPECT_EQ(book.at(k).number, source.NumeriTelefonici[k].Numero);
      EXPECT_EQ(book.at(k).name, "TELNUM" + std::to_string(k));
    }
    EXPECT_EQ(book.at(20).name, "NOT OURS");

    record_ = base;
    events_ = 7;
    ASSERT_EQ(LoadProgramming(Target()), TransferOutcome::Done);
    EXPECT_TRUE(ui_.host.Boxes().empty());
    ExpectGivenBack();
    EXPECT_EQ(ui_.host.progressMaximum, IsEarlyFamily(f) ? 36 : 83);
    Tag_GlobalBuffer want = IsEarlyFamily(f) ? EarlyCarried(source, base) : source;
    want.NumeriTelefonici = source.NumeriTelefonici;  // both generations keep the phone book
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(record_.NumeriTelefonici[k], want.NumeriTelefonici[k]);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(record_.Ingressi[k], want.Ingressi[k]) << k;
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(record_.Uscite[k], want.Uscite[k]) << k;
    EXPECT_EQ(record_.Opzioni, want.Opzioni);
    EXPECT_EQ(record_.SmsS, want.SmsS);
    EXPECT_TRUE(IsUnchanged(record_, want));
    EXPECT_EQ(events_, CountOutputEvents(want));
    EXPECT_TRUE(ModuleReady);
  }
}

TEST_F(TransferTest, RevisionMismatchTakesTheDeviceRelease) {
  auto device = Device("1.12");
  ASSERT_TRUE(device);
  header_.Rel_firmware = "1.00";
  const Tag_GlobalBuffer before = record_;

  EXPECT_EQ(LoadProgramming(Target()), TransferOutcome::Failed);
  ExpectOnlyBox(LanguageText(146));
  EXPECT_EQ(header_.Rel_firmware, "1.12");
  EXPECT_TRUE(IsUnchanged(record_, before));
  ExpectGivenBack();

  header_.Rel_firmware = "1.00";
  ui_.host.ClearBoxes();
  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Failed);
  ExpectOnlyBox(LanguageText(146));
  EXPECT_EQ(header_.Rel_firmware, "1.12");
  EXPECT_EQ(device->sim().Messages().size(), 1u) << "nothing written";

  // The second Send writes the late image the device understands.
  ui_.host.ClearBoxes();
  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Done);
  EXPECT_TRUE(ui_.host.Boxes().empty());
  const auto messages = device->sim().Messages();
  EXPECT_EQ(messages.size(), 15u);
  EXPECT_EQ(messages.at(4).text, BuildFamilyAText(before, header_, 2, 1.12));
}

TEST_F(TransferTest, NoDeviceLeavesTheRecordAlone) {
  auto device = Device("1.12", {"silent"});
  ASSERT_TRUE(device);
  const Tag_GlobalBuffer before = record_;

  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Failed);
  ExpectOnlyBox(LanguageText(53));
  ExpectGivenBack();
  ui_.host.ClearBoxes();
  EXPECT_EQ(LoadProgramming(Target()), TransferOutcome::Failed);
  ExpectOnlyBox(LanguageText(54));
  ExpectGivenBack();
  EXPECT_TRUE(IsUnchanged(record_, before));

  // A port that cannot be opened: the link's warning first, then the command's error.
  CloseComm(port_);
  SetComDeviceResolver([](int) { return std::string("/nonexistent/tty-vela"); });
  ui_.host.ClearBoxes();
  EXPECT_EQ(LoadProgramming(Target()), TransferOutcome::Failed);
  const auto boxes = ui_.host.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, LanguageText(119));
  EXPECT_EQ(boxes[0].kind, MsgKind::Warning);
  EXPECT_EQ(boxes[1].text, LanguageText(54));
  EXPECT_TRUE(IsUnchanged(record_, before));
}

TEST_F(TransferTest, BusyLineStopsBeforeAnythingIsWritten) {
  auto device = Device("1.12", {"chatter"});
  ASSERT_TRUE(device);
  const Tag_GlobalBuffer before = record_;

  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Failed);
  ExpectOnlyBox(LanguageText(53));
  ExpectGivenBack();
  EXPECT_FALSE(ModuleReady);
  EXPECT_EQ(port_.Handle, -1);
  EXPECT_FALSE(SentAny(*device, "at+cmgd")) << "no deletion on a busy line";

  ModuleReady = true;
  ui_.host.ClearBoxes();
  EXPECT_EQ(LoadProgramming(Target()), TransferOutcome::Failed);
  ExpectOnlyBox(LanguageText(54));
  EXPECT_FALSE(ModuleReady);
  EXPECT_TRUE(IsUnchanged(record_, before));
}

TEST_F(TransferTest, RefusedTextStopsSilentlyWithThePortOpen) {
  auto device = Device("1.12", {"error=+CMGW"});
  ASSERT_TRUE(device);

  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Stopped);
  EXPECT_TRUE(ui_.host.Boxes().empty());
  ExpectGivenBack();
  EXPECT_NE(port_.Handle, -1) << "the port stays open for its next user";
  EXPECT_EQ(device->sim().Messages().size(), 1u);
  int stores = 0;
  for (const auto& line : device->sim().Received()) stores += line.rfind("at+cmgw", 0) == 0;
  EXPECT_EQ(stores, 1) << "the later texts are not tried";
  EXPECT_EQ(device->sim().PhoneBook("SM").at(1).number, record_.NumeriTelefonici[1].Numero);
}

TEST_F(TransferTest, EventQuestions) {
  auto device = Device("1.12");
  ASSERT_TRUE(device);
  record_ = DefaultRecord();
  const std::string fpQuestion =
      LanguageText(147) + "\r\n" + LanguageText(148) + "\r\n" + LanguageText(149);
  const std::string msQuestion =
      LanguageText(147) + "\r\n" + LanguageText(148) + "\r\n" + LanguageText(153);

  // Declined: nothing is written and the record keeps its outputs.
  record_.Uscite[1].FP = 0;
  events_ = 6;
  ui_.host.Answer(MsgResult::No);
  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Stopped);
  EXPECT_EQ(ui_.host.BoxTexts(), std::vector<std::string>{fpQuestion});
  EXPECT_EQ(ui_.host.Boxes()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(record_.Uscite[1].FP, 0);
  EXPECT_FALSE(SentAny(*device, "at+cmgd"));
  ExpectGivenBack();

  // Accepted, two events missing: asked in the fixed order, put on their default outputs.
  record_.Uscite[4].MS = 0;
  events_ = 5;
  ui_.host.ClearBoxes();
  ui_.host.Answer(MsgResult::Yes);
  ui_.host.Answer(MsgResult::Yes);
  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Done);
  EXPECT_EQ(ui_.host.BoxTexts(), (std::vector<std::string>{fpQuestion, msQuestion}));
  EXPECT_EQ(record_.Uscite[1].FP, 1);
  EXPECT_EQ(record_.Uscite[4].MS, 1);
  EXPECT_EQ(events_, 7);
  EXPECT_EQ(device->sim().Messages().at(3).text, "OS1=FP;OS2=FG;OS3=BC;OS4=BP,MS;OS5=CO,CI;");

  // With a reserved output the missing event is only pointed out; Yes goes on without it.
  record_.Uscite[4].MS = 0;
  record_.Uscite[3].OUTRESERV = 1;
  ui_.host.ClearBoxes();
  ui_.host.Answer(MsgResult::Yes);
  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Done);
  EXPECT_EQ(ui_.host.BoxTexts(),
            std::vector<std::string>{LanguageText(147) + "\r\n" + LanguageText(153)});
  EXPECT_EQ(record_.Uscite[4].MS, 0);

  // Every event on some output: nothing is asked.
  record_.Uscite[4].MS = 1;
  ui_.host.ClearBoxes();
  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Done);
  EXPECT_TRUE(ui_.host.Boxes().empty());
}

TEST_F(TransferTest, NothingHappensWhileTheStatusMonitorRuns) {
  auto device = Device("1.12");
  ASSERT_TRUE(device);
  BusyFlag = true;
  const Tag_GlobalBuffer before = record_;
  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::NotStarted);
  EXPECT_EQ(LoadProgramming(Target()), TransferOutcome::NotStarted);
  EXPECT_TRUE(ui_.host.Boxes().empty());
  EXPECT_EQ(ui_.host.progressShows, 0);
  EXPECT_TRUE(device->sim().Received().empty());
  EXPECT_TRUE(IsUnchanged(record_, before));
  EXPECT_EQ(port_.Handle, -1);
}

TEST_F(TransferTest, ModuleNotReady) {
  auto device = Device("1.05");
  ASSERT_TRUE(device);
  ModuleReady = false;
  const Tag_GlobalBuffer before = record_;
  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::Failed);
  ExpectOnlyBox(LanguageText(53));
  ui_.host.ClearBoxes();
  EXPECT_EQ(LoadProgramming(Target()), TransferOutcome::Failed);
  ExpectOnlyBox(LanguageText(54));
  EXPECT_TRUE(IsUnchanged(record_, before));
  EXPECT_FALSE(SentAny(*device, "at+cmgd"));
  EXPECT_EQ(firstNodeSelections_, 0);
}

TEST_F(TransferTest, FamilyIIsHandedOver) {
  header_.TipoCentrale = kTypeVelaI;
  record_ = NonDefaultRecord(DefaultRecord(), LineSwitch::None);
  const int sends = familyISends;
  const int loads = familyILoads;
  EXPECT_EQ(SendProgramming(Target()), TransferOutcome::HandedOver);
  EXPECT_EQ(familyISends, sends + 1);
  EXPECT_EQ(record_.Ingressi[1].Messaggio, 2) << "Send keeps the record";
  events_ = 3;
  EXPECT_EQ(LoadProgramming(Target()), TransferOutcome::HandedOver);
  EXPECT_EQ(familyILoads, loads + 1);
  EXPECT_EQ(firstNodeSelections_, 2);
  Tag_GlobalBuffer defaults = DefaultRecord();
  defaults.Opzioni.SMSDataPrimo = record_.Opzioni.SMSDataPrimo;
  defaults.Opzioni.SMSOraPrimo = record_.Opzioni.SMSOraPrimo;
  defaults.ComDig.SegDataPrimo = record_.ComDig.SegDataPrimo;
  defaults.ComDig.SegOraPrimo = record_.ComDig.SegOraPrimo;
  EXPECT_TRUE(IsUnchanged(record_, defaults)) << "Load starts from the defaults";
  EXPECT_EQ(events_, 7);
  EXPECT_EQ(ui_.host.progressShows, 0);
}

}  // namespace
