#pragma once
// The body of "CrashReport.txt": the running application's company and
// system report as "KEY: text" lines. Given to InstallCrashHandler.

#include "core/String.h"

String CrashReportText();
