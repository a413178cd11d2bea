#pragma once
// What the crash handler asks of the running application (InstallCrashHandler).

#include "core/String.h"

// The body of "CrashReport.txt": company and system report as "KEY: text" lines.
String CrashReportText();
// Saves what must survive the crash: the display settings' crash guard.
void ApplyCrashGuard();
