// A working folder for a test of the whole program: its own settings file, the shipped
// language files, and the start-up reading done in it.
#pragma once

#include "temp_dir.h"

void StartInWorkingFolder(const TempDir& dir);
