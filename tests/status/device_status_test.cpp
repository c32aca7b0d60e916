// How the status page reads the controller's bytes and the module's replies.
#include <gtest/gtest.h>

#include "model/date_time.h"
#include "shell/language.h"
#include "status/device_status.h"
#include "status/family_a_poll.h"

namespace {

TEST(DeviceStatusTest, SignalAndSupplyPictures) {
  const struct {
    int signal;
    bool present;
    int picture;
  } signals[] = {{0, false, 0},  {24, false, 0},  {25, true, 1},  {49, true, 2},
                 {100, true, 4}, {249, true, 10}, {255, true, 10}};
  for (const auto& c : signals) {
    EXPECT_EQ(SignalPresent(c.signal), c.present) << c.signal;
    if (c.present) {
      EXPECT_EQ(SignalPictureNumber(c.signal), c.picture) << c.signal;
    }
  }
  const struct {
    int supply, picture;
  } supplies[] = {{0, 4}, {130, 4}, {151, 4}, {152, 5}, {174, 6}, {195, 6}, {196, 7}, {255, 7}};
  for (const auto& c : supplies) EXPECT_EQ(SupplyPicture(c.supply), c.picture) << c.supply;
  EXPECT_EQ(SupplyHint(200), " 12.90 Volt");
  EXPECT_EQ(SupplyHint(0), "  0.70 Volt");
  EXPECT_EQ(SupplyHint(255), "");  // no reading: the hint stays as it was
}

TEST(DeviceStatusTest, WarningStateIsBitsFourToSix) {
  for (int bit = 0; bit < 8; ++bit)
    EXPECT_EQ(InWarningState(static_cast<uint8_t>(1 << bit)), bit >= 4 && bit <= 6) << bit;
}

TEST(DeviceStatusTest, InputCells) {
  // Inputs now 0b0101, at rest 0b0011: inputs 2 and 3 are away from rest.
  InputStatus in = {0x5, 0x3, 0};
  EXPECT_EQ(InputRestPicture(in, 1), 1);
  EXPECT_EQ(InputRestPicture(in, 3), 0);
  EXPECT_FALSE(InputActive(in, 1));
  EXPECT_TRUE(InputActive(in, 2));
  EXPECT_TRUE(InputActive(in, 3));
  EXPECT_FALSE(InputActive(in, 4));

  const struct {
    uint8_t flags;
    int row;
    bool on;
    std::string text;
  } cases[] = {
      {0x00, 1, false, ""},
      {0x80, 1, true, LanguageText(176)},
      {0xC0, 1, true, LanguageText(176) + " / " + LanguageText(177)},
      {0x10, 2, true, LanguageText(179)},
      {0x20, 2, true, LanguageText(178)},
      {0x04, 3, true, LanguageText(504)},
      {0x0C, 3, true, LanguageText(180) + " / " + LanguageText(504)},
      {0x03, 3, false, ""},  // bits 0 and 1 are the device's PIN and readiness bits
      {0xFF, 4, false, ""},  // input 4 has no service flags
  };
  for (const auto& c : cases) {
    in[2] = c.flags;
    EXPECT_EQ(InputServiceOn(in, c.row), c.on) << int(c.flags) << " row " << c.row;
    EXPECT_EQ(InputServiceText(in, c.row), c.text) << int(c.flags) << " row " << c.row;
  }
}

TEST(DeviceStatusTest, OutputCells) {
  OutputStatus out{};
  out[0] = 0x1;  // ":" byte 2
  out[1] = 0x6;  // ":" byte 1: outputs 2 and 3 on
  out[7] = 0xB;  // outputs 1, 2 and 4 show a value
  out[2] = 12;
  out[3] = 255;
  out[5] = 0;
  EXPECT_EQ(OutputModePicture(out, 1), 0);  // the reverse of the inputs' rest picture
  EXPECT_EQ(OutputModePicture(out, 2), 1);
  EXPECT_FALSE(OutputOn(out, 1));
  EXPECT_TRUE(OutputOn(out, 2));
  EXPECT_TRUE(OutputShowsValue(out, 1));
  EXPECT_EQ(OutputValue(out, 1), 12);
  EXPECT_FALSE(OutputShowsValue(out, 2));  // 255: no value
  EXPECT_FALSE(OutputShowsValue(out, 3));  // not marked as valued
  EXPECT_TRUE(OutputShowsValue(out, 4));
  EXPECT_EQ(OutputValue(out, 4), 0);
}

TEST(DeviceStatusTest, PeriodicDates) {
  const DateTime now = ToDateTime({2024, 12, 31, 23, 30, 0, 0});
  EXPECT_EQ(PeriodicDateText(now, 0, '/', ':'), "");
  EXPECT_EQ(PeriodicDateText(now, 45, '/', ':'), "01/01/25 00:15");
  EXPECT_EQ(PeriodicDateText(now, 1440, '.', '.'), "01.01.25 23.30");
}

TEST(FamilyAPollTest, CellSlotsFromTheCellList) {
  const std::string reply =
      "\r\nchann rs  dBm   PLMN  BCC C1 C2\r\n62    18  -78   22201 3   29 29\r\n"
      "75    x4  -86   22201 5   21 21\r\n\r\nOK\r";
  const auto cells = CellSlotsFromReply(reply);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0].label, "62");
  EXPECT_EQ(cells[0].value, 18);
  EXPECT_EQ(cells[1].label, "75");
  EXPECT_EQ(cells[1].value, 0);  // not a number

  std::string many = "heading\r";
  for (int i = 1; i <= 8; ++i) many += std::to_string(i) + " " + std::to_string(i) + "\r";
  EXPECT_EQ(CellSlotsFromReply(many).size(), 6u);  // the slots hold six
  EXPECT_TRUE(CellSlotsFromReply("").empty());
}

TEST(FamilyAPollTest, SignalPicture) {
  const struct {
    int value;
    const char* file;
  } cases[] = {{0, "lcd-sign1.bmp"},
               {3, "lcd-sign1.bmp"},
               {4, "lcd-sign2.bmp"},
               {6, "lcd-sign2.bmp"},
               {7, "lcd-sign3.bmp"},
               {15, "lcd-sign5.bmp"},
               {24, "lcd-sign8.bmp"},
               {27, "lcd-sign9.bmp"},
               {28, "lcd-sign10.bmp"},
               {31, "lcd-sign10.bmp"},
               {32, "none.bmp"},
               {99, "none.bmp"},
               {100, ""},
               {-1, ""}};
  for (const auto& c : cases) EXPECT_EQ(SignalPictureFile(c.value), c.file) << c.value;
}

}  // namespace
