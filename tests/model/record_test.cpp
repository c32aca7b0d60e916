#include "model/record.h"

#include <gtest/gtest.h>

namespace {

TEST(FirmwareNumber, PlainDecimalsOnly) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {{"1.00", 1.0}, {"1.12", 1.12}, {"1.1", 1.1}, {"2", 2}, {"", 0},
               {"1.1a", 0},   {"v1.1", 0},    {"1..1", 0},  {".", 0}, {" 1.1", 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(FirmwareNumber(c.text), c.value) << c.text;
}

}  // namespace
