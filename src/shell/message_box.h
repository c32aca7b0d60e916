#pragma once

#include <string>

#include "shell/ui_host.h"

// A modal box through the user-interface host, from any thread; the wait cursor is lifted
// while it is up. Without a host (a tool with no windows) it answers as if OK or No.
MsgResult ShowMessageBox(const std::string& text, MsgKind kind, MsgButtons buttons,
                         int helpContext = 0);
