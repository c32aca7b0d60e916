#include "shell/ui_host.h"

#include <atomic>

namespace {
std::atomic<UiHost*> g_host{nullptr};
}

void InstallUiHost(UiHost* host) {
  g_host = host;
}

UiHost* CurrentUiHost() {
  return g_host;
}
