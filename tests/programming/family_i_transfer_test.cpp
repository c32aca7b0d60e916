// Family I Send and Load against the simulated communicator, for both module makers: what
// lands on the SIM, what comes back into the record, and every way the transfer stops.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

#include "family_i_fixture.h"
#include "link/at_channel.h"
#include "programming/family_i_image.h"
#include "programming/family_i_load.h"
#include "programming/family_i_send.h"
#include "scripted_host.h"
#include "shell/language.h"
#include "shell/pacing.h"
#include "sim/simulator.h"

namespace {

constexpr double kSpeed = 20;

class FamilyITransfer : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    SetPacingSpeed(kSpeed);
    Cliente.TipoCentrale = kTypeVelaI;
  }
  void TearDown() override {
    StopWatching();
    CloseComm(port_);
    SetComDeviceResolver({});
    if (sim_) sim_->Stop();
    SetPacingSpeed(1);
  }

  ModuleVariant variant() const {
    return std::string(GetParam()) == "MOTOROLA" ? ModuleVariant::Motorola
                                                 : ModuleVariant::Ericsson;
  }
  const char* book() const { return variant() == ModuleVariant::Motorola ? "MT" : "SM"; }

  void StartDevice(const std::string& module, std::vector<std::string> faults) {
    SimConfig config;
    config.family = 'I';
    config.module = module;
    config.faults = std::move(faults);
    config.trace = std::getenv("VELA_SIM_TRACE") != nullptr;
    sim_ = std::make_unique<Simulator>(config);
    std::string error;
    ASSERT_TRUE(sim_->Start(&error)) << error;
    const std::string path = sim_->SlavePath();
    SetComDeviceResolver([path](int) { return path; });
    port_.Port = 1;
  }
  void StartDevice(std::vector<std::string> faults = {}) {
    StartDevice(GetParam(), std::move(faults));
  }

  FamilyIOutcome Send(const Tag_GlobalBuffer& record) {
    return SendFamilyIImage(port_, record, info_);
  }
  FamilyIOutcome Load(Tag_GlobalBuffer& record) { return LoadFamilyIImage(port_, record, info_); }

  // Texts of the boxes shown, by language number where one matches.
  std::vector<std::string> Boxes(std::initializer_list<int> numbers) const {
    std::vector<std::string> texts;
    for (int n : numbers) texts.push_back(LanguageText(n));
    return texts;
  }

  int Received(const std::string& what) const {
    int count = 0;
    for (const auto& r : sim_->Received())
      if (r.find(what) != std::string::npos) ++count;
    return count;
  }

  // Runs action on a watcher thread once the device has received `what` `times` times.
  void WhenReceived(const std::string& what, int times, std::function<void()> action) {
    watchers_.emplace_back([this, what, times, action] {
      while (!stopWatching_) {
        if (Received(what) >= times) {
          action();
          return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    });
  }
  void StopWatching() {
    stopWatching_ = true;
    for (auto& w : watchers_) w.join();
    watchers_.clear();
    stopWatching_ = false;
  }

  ScopedScriptedHost ui_;
  TComm port_;
  Dati_Modulo info_;
  std::unique_ptr<Simulator> sim_;
  std::vector<std::thread> watchers_;
  std::atomic<bool> stopWatching_{false};
};

Tag_GlobalBuffer RecordWithDates(DateTime now) {
  Tag_GlobalBuffer record = RichFamilyIRecord();
  record.Opzioni.SMSDataPrimo = record.Opzioni.SMSOraPrimo = now + 2.0;        // two days
  record.ComDig.SegDataPrimo = record.ComDig.SegOraPrimo = now + 90.0 / 1440;  // 90 minutes
  return record;
}

TEST_P(FamilyITransfer, SendWritesTheImageAndLoadReadsItBack) {
  const bool motorola = variant() == ModuleVariant::Motorola;
  // The MOTOROLA module puts the texts where it likes: one- and two-digit indices.
  StartDevice(motorola ? std::vector<std::string>{"store-from=8"} : std::vector<std::string>{});
  // Leftovers that the Send must clear, and a MOTOROLA slot it must leave alone.
  sim_->SetPhoneEntry(book(), motorola ? 150 : 50, {"0999", 129, "OLD"});
  sim_->SetPhoneEntry(book(), 5, {"0555", 129, motorola ? "PX5" : "OLD"});
  if (motorola) sim_->SetPhoneEntry("MT", 50, {"0500", 129, "KEEP"});
  sim_->SetMessage(5, {"STO UNSENT", "", "", "old text"});
  sim_->SetMessage(30, {"STO UNSENT", "", "", "old text"});

  const DateTime now = DateTimeNow();
  const Tag_GlobalBuffer written = RecordWithDates(now);
  ASSERT_EQ(Send(written), FamilyIOutcome::Done);
  EXPECT_TRUE(ui_.host.BoxTexts().empty());
  EXPECT_FALSE(sim_->Passthrough());
  EXPECT_EQ(port_.Handle, -1);
  EXPECT_EQ(ui_.host.progressMaximum, motorola ? 360 : 300);
  EXPECT_EQ(info_.Manufacturer, GetParam());

  // The texts, exactly, where the variant keeps them.
  FamilyITexts texts;
  BuildFamilyITexts(written, texts);
  const auto messages = sim_->Messages();
  const auto entries = sim_->PhoneBook(book());
  if (motorola) {
    size_t stored = 0;
    for (int n = 1; n <= 17; ++n) {
      SCOPED_TRACE("PX" + std::to_string(n));
      const auto entry = entries.find(n);
      if (texts[n - 1].Text.empty()) {
        EXPECT_EQ(entry, entries.end());
        continue;
      }
      ++stored;
      ASSERT_NE(entry, entries.end());
      EXPECT_EQ(entry->second.name, "PX" + std::to_string(n));
      const auto message = messages.find(std::stoi(entry->second.number));
      ASSERT_NE(message, messages.end());
      EXPECT_EQ(message->second.text, texts[n - 1].Text);
    }
    EXPECT_EQ(messages.size(), stored);
    EXPECT_EQ(entries.at(50).name, "KEEP");
  } else {
    // Positions 1 to 17 are replaced; others are not the image's.
    ASSERT_EQ(messages.size(), 18u);
    for (int n = 1; n <= 17; ++n) EXPECT_EQ(messages.at(n).text, texts[n - 1].Text) << n;
    EXPECT_EQ(messages.at(30).text, "old text");
  }
  // The phone book: written entries, the counters in slot 100, nothing else in the image's
  // slots (a number of blanks is not written, the leftovers are gone).
  const auto phoneBook = FamilyIPhoneBook(written, variant(), now);
  for (const auto& e : phoneBook) {
    SCOPED_TRACE("slot " + std::to_string(e.slot));
    ASSERT_EQ(entries.count(e.slot), 1u);
    EXPECT_EQ(entries.at(e.slot).name, e.name);
    if (e.slot != 100) {
      EXPECT_EQ(entries.at(e.slot).number, e.number);
    }
  }
  const std::string counters = entries.at(100).number;
  ASSERT_EQ(counters.size(), 12u);
  EXPECT_NEAR(std::stoi(counters.substr(0, 6)), 2880, 1);
  EXPECT_NEAR(std::stoi(counters.substr(6)), 90, 1);
  EXPECT_EQ(entries.count(motorola ? 109 : 9), 0u);
  for (const auto& [slot, entry] : entries) {
    const bool indexEntry = motorola && slot <= 17;
    const bool kept = motorola && slot >= 18 && slot <= 99;
    bool listed = false;
    for (const auto& e : phoneBook) listed = listed || e.slot == slot;
    EXPECT_TRUE(indexEntry || kept || listed) << "slot " << slot << " " << entry.name;
  }

  Tag_GlobalBuffer read = DefaultRecord();
  ui_.host.ClearBoxes();
  ASSERT_EQ(Load(read), FamilyIOutcome::Done);
  EXPECT_TRUE(ui_.host.BoxTexts().empty());
  EXPECT_EQ(ui_.host.progressMaximum, motorola ? 70 : 90);
  EXPECT_FALSE(sim_->Passthrough());
  EXPECT_EQ(port_.Handle, -1);
  ExpectRichRecordRead(read, variant());
  // The controller's counters set the first dates, within the minute they were counted in.
  EXPECT_NEAR(read.Opzioni.SMSDataPrimo, written.Opzioni.SMSDataPrimo, 2.0 / 1440);
  EXPECT_EQ(read.Opzioni.SMSOraPrimo, read.Opzioni.SMSDataPrimo);
  EXPECT_NEAR(read.ComDig.SegOraPrimo, written.ComDig.SegOraPrimo, 2.0 / 1440);
}

TEST_P(FamilyITransfer, DeviceNotReadyOrPathRefused) {
  struct Case {
    const char* fault;
    bool send;
  } cases[] = {{"not-ready", true}, {"error=0xCC", true}, {"error=0xC3", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    StartDevice(std::vector<std::string>{c.fault});
    ui_.host.ClearBoxes();
    Tag_GlobalBuffer record = RichFamilyIRecord();
    const Tag_GlobalBuffer before = record;
    const FamilyIOutcome outcome = c.send ? Send(record) : Load(record);
    EXPECT_EQ(outcome, FamilyIOutcome::NotReady);
    EXPECT_EQ(ui_.host.BoxTexts(), Boxes({237}));
    EXPECT_TRUE(sim_->Messages().empty());
    EXPECT_TRUE(sim_->PhoneBook(book()).empty());
    EXPECT_FALSE(sim_->Passthrough());
    EXPECT_EQ(Received("AT+"), 0) << "nothing reached the module";
    EXPECT_EQ(port_.Handle, -1);
    if (!c.send) {
      EXPECT_TRUE(IsUnchanged(record, before)) << "no counters on a fresh SIM";
    }
    sim_->Stop();
  }
}

TEST_P(FamilyITransfer, RefusedTextStopsTheSendAndLeavesThePath) {
  StartDevice({"error=+CMGW"});
  EXPECT_EQ(Send(RichFamilyIRecord()), FamilyIOutcome::Failed);
  EXPECT_EQ(ui_.host.BoxTexts(), Boxes({123}));
  EXPECT_EQ(Received("0xFF"), 1);
  EXPECT_FALSE(sim_->Passthrough());
  EXPECT_EQ(port_.Handle, -1);
  EXPECT_TRUE(sim_->Messages().empty());
  EXPECT_EQ(sim_->PhoneBook(book()).count(variant() == ModuleVariant::Motorola ? 101 : 1), 1u);
  EXPECT_FALSE(ui_.host.progressVisible);
  EXPECT_FALSE(ui_.host.waitCursor);
}

// MOTOROLA texts written without the delete-all would sit beside the old ones with no index
// entry pointing at them; ERICSSON positions are deleted one by one and their answers unused.
TEST_P(FamilyITransfer, DeleteRefused) {
  StartDevice({"error=+CMGD"});
  const bool motorola = variant() == ModuleVariant::Motorola;
  EXPECT_EQ(Send(RichFamilyIRecord()), motorola ? FamilyIOutcome::Failed : FamilyIOutcome::Done);
  EXPECT_EQ(ui_.host.BoxTexts(), motorola ? Boxes({123}) : Boxes({}));
  EXPECT_EQ(sim_->Messages().size(), motorola ? 0u : 17u);
  EXPECT_EQ(Received("AT+CMGW"), motorola ? 0 : 17);
}

// A listing that ends in an error: what was read before stays, the Load says it failed.
TEST_P(FamilyITransfer, ErrorInAListingKeepsWhatWasRead) {
  StartDevice();
  const Tag_GlobalBuffer written = RichFamilyIRecord();
  ASSERT_EQ(Send(written), FamilyIOutcome::Done);
  const bool motorola = variant() == ModuleVariant::Motorola;
  ASSERT_TRUE(sim_->SetFault(motorola ? "error=+CMGL" : "error=+CPBR"));
  Tag_GlobalBuffer read = DefaultRecord();
  EXPECT_EQ(Load(read), FamilyIOutcome::Failed);
  EXPECT_EQ(ui_.host.BoxTexts(), Boxes({122}));
  EXPECT_FALSE(sim_->Passthrough());
  EXPECT_EQ(port_.Handle, -1);
  if (motorola) {  // the phone book came before the texts
    EXPECT_EQ(read.NumeriTelefonici[1].Numero, "+390212345678");
    EXPECT_EQ(read.Uscite[1], DefaultRecord().Uscite[1]);
  } else {  // the texts are read whatever became of the phone book
    EXPECT_EQ(read.NumeriTelefonici[1].Numero, "");
    EXPECT_EQ(read.Uscite[1].Messaggio, "RADIO2");
  }
}

TEST_P(FamilyITransfer, NoPortShowsThePortsMessageThenTheDevices) {
  SetComDeviceResolver([](int) { return std::string("/nonexistent/vela-port"); });
  Tag_GlobalBuffer record = DefaultRecord();
  EXPECT_EQ(Send(record), FamilyIOutcome::NoPort);
  EXPECT_EQ(ui_.host.BoxTexts(), Boxes({119}));
  ui_.host.ClearBoxes();
  EXPECT_EQ(Load(record), FamilyIOutcome::NoPort);
  EXPECT_EQ(ui_.host.BoxTexts(), Boxes({119, 237}));
  EXPECT_FALSE(ui_.host.progressVisible);
  EXPECT_FALSE(ui_.host.waitCursor);
}

INSTANTIATE_TEST_SUITE_P(Makers, FamilyITransfer, ::testing::Values("MOTOROLA", "ERICSSON"));

using FamilyITransferMotorola = FamilyITransfer;

// Until one index entry has gone through at once, a refused one is sent a second time.
TEST_P(FamilyITransferMotorola, IndexEntryGetsASecondAttempt) {
  for (bool recovers : {true, false}) {
    SCOPED_TRACE(recovers ? "accepted the second time" : "refused twice");
    StartDevice();
    ui_.host.ClearBoxes();
    WhenReceived("AT+CMGD=1,4", 1, [this] { sim_->SetFault("error=+CPBW"); });
    if (recovers) WhenReceived("at+cpbw=1,", 1, [this] { sim_->ClearFault("error=+CPBW"); });
    EXPECT_EQ(Send(RichFamilyIRecord()), recovers ? FamilyIOutcome::Done : FamilyIOutcome::Failed);
    StopWatching();
    EXPECT_EQ(Received("at+cpbw=1,\"1\",,\"PX1\""), 2);
    EXPECT_EQ(ui_.host.BoxTexts(), recovers ? Boxes({}) : Boxes({123}));
    EXPECT_EQ(sim_->PhoneBook("MT").count(17), recovers ? 1u : 0u);
    sim_->Stop();
  }
}

INSTANTIATE_TEST_SUITE_P(Maker, FamilyITransferMotorola, ::testing::Values("MOTOROLA"));

using FamilyITransferEricsson = FamilyITransfer;

// A position that never answers ends the reading: no text is parsed, the phone book stays.
TEST_P(FamilyITransferEricsson, SilentPositionEndsTheReading) {
  StartDevice();
  ASSERT_EQ(Send(RichFamilyIRecord()), FamilyIOutcome::Done);
  WhenReceived("AT+CMGR=2", 1, [this] { sim_->SetFault("silent"); });
  Tag_GlobalBuffer read = DefaultRecord();
  EXPECT_EQ(Load(read), FamilyIOutcome::Failed);
  EXPECT_EQ(ui_.host.BoxTexts(), Boxes({122}));
  EXPECT_EQ(Received("AT+CMGR=4"), 0);
  EXPECT_EQ(read.NumeriTelefonici[1].Numero, "+390212345678");
  EXPECT_EQ(read.Uscite[1], DefaultRecord().Uscite[1]);
  EXPECT_EQ(port_.Handle, -1);
}

// A position answered with an error is not this image's text: it is not read as an empty one
// (which would set every flag the parser compares against "0").
TEST_P(FamilyITransferEricsson, RefusedPositionIsNotReadAsEmpty) {
  StartDevice();
  ASSERT_EQ(Send(RichFamilyIRecord()), FamilyIOutcome::Done);
  ASSERT_TRUE(sim_->SetFault("error=+CMGR"));
  Tag_GlobalBuffer read = DefaultRecord();
  EXPECT_EQ(Load(read), FamilyIOutcome::Failed);
  EXPECT_EQ(ui_.host.BoxTexts(), Boxes({122}));
  EXPECT_EQ(Received("AT+CMGR=17"), 1);
  EXPECT_EQ(read.NumeriTelefonici[1].Numero, "+390212345678");
  EXPECT_EQ(read.Ingressi[1].Polarita, 1);
  EXPECT_EQ(read.ComDig.Eventi[0].Invia, 0);
}

INSTANTIATE_TEST_SUITE_P(Maker, FamilyITransferEricsson, ::testing::Values("ERICSSON"));

// A module of another maker: the Send and Load stop with the SIM untouched and the path left.
TEST(FamilyITransferMaker, UnknownMakerLeavesTheSimAlone) {
  SetPacingSpeed(kSpeed);
  Cliente.TipoCentrale = kTypeVelaI;
  ScopedScriptedHost ui;
  SimConfig config;
  config.family = 'I';
  config.module = "A";
  Simulator sim(config);
  std::string error;
  ASSERT_TRUE(sim.Start(&error)) << error;
  const std::string path = sim.SlavePath();
  SetComDeviceResolver([path](int) { return path; });
  TComm port;
  Dati_Modulo info;
  const auto simBefore = sim.DumpSim();
  EXPECT_EQ(SendFamilyIImage(port, RichFamilyIRecord(), info), FamilyIOutcome::UnknownMaker);
  EXPECT_EQ(ui.host.BoxTexts(), (std::vector<std::string>{LanguageText(236), LanguageText(123)}));
  ui.host.ClearBoxes();
  Tag_GlobalBuffer record = DefaultRecord();
  EXPECT_EQ(LoadFamilyIImage(port, record, info), FamilyIOutcome::UnknownMaker);
  EXPECT_EQ(ui.host.BoxTexts(), (std::vector<std::string>{LanguageText(236), LanguageText(122)}));
  EXPECT_EQ(sim.DumpSim(), simBefore);
  EXPECT_FALSE(sim.Passthrough());
  EXPECT_EQ(port.Handle, -1);
  sim.Stop();
  SetComDeviceResolver({});
  SetPacingSpeed(1);
}

}  // namespace
