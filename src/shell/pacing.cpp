#include "shell/pacing.h"

#include <atomic>
#include <thread>

#include "shell/ui_host.h"

namespace {
std::atomic<double> g_speed{1.0};
}

void SetPacingSpeed(double factor) {
  g_speed = factor < 1.0 ? 1.0 : factor;
}

double PacingSpeed() {
  return g_speed;
}

int ScaledMs(int nominalMs) {
  if (nominalMs <= 0) return 0;
  const int real = static_cast<int>(nominalMs / g_speed.load());
  return real > 0 ? real : 1;
}

void Pause(int nominalMs) {
  const int real = ScaledMs(nominalMs);
  if (real <= 0) return;
  UiHost* host = CurrentUiHost();
  if (host && host->IsUiThread()) {
    host->WaitWithEvents(real);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(real));
}

PaceClock::time_point WaitStart() {
  return PaceClock::now();
}

int NominalMsSince(PaceClock::time_point start) {
  const auto real = std::chrono::duration<double, std::milli>(PaceClock::now() - start).count();
  return static_cast<int>(real * g_speed.load());
}

int WholeSecondsSince(PaceClock::time_point start) {
  return NominalMsSince(start) / 1000;
}
