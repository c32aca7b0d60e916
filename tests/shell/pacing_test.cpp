#include "shell/pacing.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

class PacingTest : public ::testing::Test {
 protected:
  void TearDown() override { SetPacingSpeed(1); }
};

TEST_F(PacingTest, SpeedScalesPausesAndElapsedTimeConsistently) {
  SetPacingSpeed(20);
  const auto realStart = PaceClock::now();
  const auto start = WaitStart();
  Pause(2000);  // 100 ms real
  const auto realMs =
      std::chrono::duration_cast<std::chrono::milliseconds>(PaceClock::now() - realStart).count();
  EXPECT_GE(realMs, 100);
  EXPECT_LT(realMs, 1000);
  EXPECT_EQ(WholeSecondsSince(start), 2);  // truncated nominal seconds
}

TEST_F(PacingTest, ScaledDurations) {
  EXPECT_EQ(ScaledMs(0), 0);
  EXPECT_EQ(ScaledMs(1500), 1500);
  SetPacingSpeed(1000);
  EXPECT_EQ(ScaledMs(1), 1);  // a positive wait never becomes zero
  EXPECT_EQ(ScaledMs(5000), 5);
  SetPacingSpeed(0.5);  // slower than real time is not offered
  EXPECT_EQ(PacingSpeed(), 1);
}

}  // namespace
