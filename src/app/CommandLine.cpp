#include "app/CommandLine.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace {
struct Switch {
    const char* name;
    const char* valueName;  // null: the switch takes no value
    const char* help;
    bool (*apply)(LaunchOptions& options, const String& value);
};

bool ParseInteger(const String& text, long long low, long long high, long long& out) {
    if (text.IsEmpty()) return false;
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

constexpr long long kMaxTicks = std::numeric_limits<int32_t>::max();
constexpr long long kMinSeed = std::numeric_limits<int32_t>::min();
constexpr long long kMaxSeed = std::numeric_limits<uint32_t>::max();
constexpr long long kFirstWorld = 1, kLastWorld = 5;
constexpr int32_t kStyleCount = 3;
constexpr const char* kStyleNames[kStyleCount] = {"normal", "child", "apocalypse"};

const Switch kSwitches[] = {
    {"--headless", nullptr, "no window or sound; message boxes answer their default",
     [](LaunchOptions& o, const String&) { return o.headless = true; }},
    {"--fast", nullptr, "virtual clock, one update step per loop tick; headless without --screenshot: no drawing",
     [](LaunchOptions& o, const String&) { return o.fast = true; }},
    {"--ticks", "N", "quit after N update steps and print the step and draw counts",
     [](LaunchOptions& o, const String& v) {
         long long n = 0;
         if (!ParseInteger(v, 0, kMaxTicks, n)) return false;
         o.ticks = static_cast<int32_t>(n);
         return true;
     }},
    {"--seed", "N", "seed the random generator with N",
     [](LaunchOptions& o, const String& v) {
         long long n = 0;
         if (!ParseInteger(v, kMinSeed, kMaxSeed, n)) return false;
         o.seed = static_cast<int32_t>(static_cast<uint32_t>(n));
         return o.hasSeed = true;
     }},
    {"--user-dir", "DIR", "per-user data folder (settings, profiles, DEBUG.TXT)",
     [](LaunchOptions& o, const String& v) { return !(o.userFolder = v).IsEmpty(); }},
    {"--data", "DIR", "game data root",
     [](LaunchOptions& o, const String& v) { return !(o.dataFolder = v).IsEmpty(); }},
    {"--screenshot", "FILE", "write the last drawn frame to FILE (24-bit BMP) at exit",
     [](LaunchOptions& o, const String& v) { return !(o.screenshotFile = v).IsEmpty(); }},
    {"--input", "FILE", "play the input script FILE (timed mouse, key and screenshot lines)",
     [](LaunchOptions& o, const String& v) { return !(o.inputFile = v).IsEmpty(); }},
    {"--record", "FILE", "write what the player does to FILE as an input script",
     [](LaunchOptions& o, const String& v) { return !(o.recordFile = v).IsEmpty(); }},
    {"--level", "NAME", "play the level NAME on its board",
     [](LaunchOptions& o, const String& v) { return !(o.level = v).IsEmpty(); }},
    {"--stage", "NAME", "play the stage NAME (\"World 1-1\" ...) from its first level",
     [](LaunchOptions& o, const String& v) { return !(o.stage = v).IsEmpty(); }},
    {"--world", "1..5", "the world whose difficulty file defines the level",
     [](LaunchOptions& o, const String& v) {
         long long n = 0;
         if (!ParseInteger(v, kFirstWorld, kLastWorld, n)) return false;
         o.world = static_cast<int32_t>(n);
         return true;
     }},
    {"--style", "normal|child|apocalypse", "the play style of the level",
     [](LaunchOptions& o, const String& v) {
         for (int32_t i = 0; i < kStyleCount; ++i) {
             if (v.EqualsIgnoreCase(kStyleNames[i])) {
                 o.playStyle = i;
                 return true;
             }
         }
         return false;
     }},
    {"--autoplay", nullptr, "a bot plays every board and presses continue after each level",
     [](LaunchOptions& o, const String&) { return o.autoplay = true; }},
    {"--autoplay-keys", nullptr, "as --autoplay, the bot steering with the keyboard instead of the mouse",
     [](LaunchOptions& o, const String&) { return o.autoplay = o.autoplayKeys = true; }},
    {"--version", nullptr, "print the version and exit",
     [](LaunchOptions& o, const String&) { return o.showVersion = true; }},
    {"--help", nullptr, "print this text and exit", [](LaunchOptions& o, const String&) { return o.showHelp = true; }},
    {"-crash", nullptr, "fault at start to test the crash report",
     [](LaunchOptions& o, const String&) { return o.crash = true; }},
    {"-hardware", nullptr, "skip the hardware test, use accelerated rendering",
     [](LaunchOptions& o, const String&) { return o.forceHardware = true; }},
    {"-software", nullptr, "skip the hardware test, use software rendering",
     [](LaunchOptions& o, const String&) { return o.forceSoftware = true; }},
    {"-hwtest", nullptr, "run the full hardware test",
     [](LaunchOptions& o, const String&) { return o.hardwareTest = true; }},
};

const Switch* FindSwitch(const String& name) {
    for (const Switch& candidate : kSwitches)
        if (name.EqualsIgnoreCase(candidate.name)) return &candidate;
    return nullptr;
}
}  // namespace

bool CommandLine::Parse(int argc, const char* const* argv) {
    mOptions = LaunchOptions();
    mError = String();
    for (int i = 1; i < argc; ++i) {
        if (i > 1) mOptions.commandLine += " ";
        mOptions.commandLine += String(argv[i]);
    }
    for (int i = 1; i < argc; ++i) {
        String argument(argv[i]);
        String value;
        bool inlineValue = false;
        int32_t equals = argument.FindChar('=');
        if (argument.StartsWith("--") && equals > 0) {
            value = argument.Substring(equals + 1);
            argument = argument.Substring(0, equals);
            inlineValue = true;
        }
        const Switch* found = FindSwitch(argument);
        if (!found) {
            mError = String::Format("unknown argument \"%s\"", argv[i]);
            return false;
        }
        if (!found->valueName && inlineValue) {
            mError = String::Format("%s takes no value", found->name);
            return false;
        }
        if (found->valueName && !inlineValue) {
            if (i + 1 >= argc) {
                mError = String::Format("%s needs a value %s", found->name, found->valueName);
                return false;
            }
            value = String(argv[++i]);
        }
        if (!found->apply(mOptions, value)) {
            mError = String::Format("bad value \"%s\" for %s %s", value.c_str(), found->name, found->valueName);
            return false;
        }
    }
    return true;
}

const char* CommandLine::StyleName(int32_t playStyle) {
    return playStyle >= 0 && playStyle < kStyleCount ? kStyleNames[playStyle] : kStyleNames[0];
}

String CommandLine::Usage() {
    String text = "Usage: plimb-zappets [switches]\n";
    for (const Switch& entry : kSwitches) {
        String name = entry.valueName ? String::Format("%s %s", entry.name, entry.valueName) : String(entry.name);
        text += String::Format("  %-18s %s\n", name.c_str(), entry.help);
    }
    return text;
}
