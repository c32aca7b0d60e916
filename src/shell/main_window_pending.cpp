// Commands whose subsystems are not joined to the window yet.
#include <QApplication>
#include "shell/app_state.h"
#include "shell/main_window.h"
#include "shell/main_window_commands.h"

void MainRemote(TfrmMain&) {}
