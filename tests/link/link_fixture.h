// A port opened on a scripted pseudo-terminal, a scripted user interface and a fast clock.
#pragma once

#include <gtest/gtest.h>

#include <chrono>

#include "link/serial_port.h"
#include "model/record.h"
#include "pty_peer.h"
#include "scripted_host.h"

class LinkTest : public ::testing::Test {
 protected:
  // At speed 20 a character timeout of 2 s takes 100 ms.
  static constexpr double kSpeed = 20;

  void SetUp() override;
  void TearDown() override;

  // Milliseconds of real time that fn takes.
  template <typename Fn>
  static long RealMs(Fn&& fn) {
    const auto start = std::chrono::steady_clock::now();
    fn();
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start)
                                 .count());
  }
  // Waits (up to a second) until the driver holds at least count received bytes.
  bool WaitQueued(int count);
  // Real milliseconds that a nominal duration takes at the test's speed.
  static long Real(int nominalMs) { return static_cast<long>(nominalMs / kSpeed); }

  PtyPeer peer;
  ScopedScriptedHost ui;
  TComm port;
};
