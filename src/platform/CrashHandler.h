#pragma once
// Catches fatal signals (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT) on an
// alternate stack, writes "CrashReport.txt" into the data folder with the
// application's system report and a backtrace, shows a message box when a
// display exists, and ends the process with the signal. A watchdog alarm ends
// it anyway if writing the report itself hangs.

#include "core/String.h"

// Text for the report's body (key/text lines); called inside the handler.
using CrashReportSource = String (*)();
// Runs first in the handler: what must be saved about the crash (the display
// settings fall back to safe mode after a crash on trial hardware rendering).
using CrashGuard = void (*)();

void InstallCrashHandler(CrashGuard guard, CrashReportSource source);
// Where "CrashReport.txt" goes; folder ends with '/'. Until it is set the
// report goes to the working directory.
void SetCrashReportFolder(const String& folder);
// The crash test path of "-crash": raises an access fault now.
[[noreturn]] void RaiseAccessFault();
