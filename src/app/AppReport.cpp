// What the crash report says about the running application.
#include "app/App.h"
#include "app/AppReport.h"
#include "media/Graphics.h"
#include "platform/Clock.h"
#include "platform/System.h"

namespace {
constexpr uint32_t kSecondsPerMinute = 60, kSecondsPerHour = 3600, kMsPerSecond = 1000;

const char* TrueFalse(bool value) { return value ? "true" : "false"; }
}  // namespace

std::vector<std::pair<String, String>> App::BuildSystemReport() {
    uint32_t seconds = (GetClock().Now() - mStartTime) / kMsPerSecond;
    DisplayState display = Display();
    std::vector<std::pair<String, String>> report = {
        {"PRODUCT", mName},
        {"VERSION", mVersion},
        {"RUNTIME", String::Format("%.2u:%.2u:%.2u", seconds / kSecondsPerHour,
                                   seconds % kSecondsPerHour / kSecondsPerMinute, seconds % kSecondsPerMinute)},
        {"FULLSCREEN", TrueFalse(display.fullScreen)},
        {"SAFEMODE", TrueFalse(display.safeMode)},
        {"RESOLUTION", String::Format("%d x %d : %d", display.width, display.height, display.colourDepth)},
        {"OS", OperatingSystemDescription()},
        // The design's DirectDraw version: here the media library behind the display.
        {"DDRAW", MediaLibraryDescription()},
    };
    String extended = GetExtendedInfo();
    if (!extended.IsEmpty()) report.emplace_back("EXTENDED_INFO", extended);
    return report;
}

String CrashReportText() {
    App* app = GetApp();
    if (!app) return String();
    String text = String::Format("COMPANY: %s\n", app->mCompany.c_str());
    for (const auto& [key, value] : app->BuildSystemReport()) text += String::Format("%s: %s\n", key.c_str(), value.c_str());
    return text;
}

void ApplyCrashGuard() {
    App* app = GetApp();
    if (app && GetGraphics().Settings().loaded) GetGraphics().Settings().ApplyCrashGuard(app->GetConfigPath());
}
