#include "platform/System.h"

#include <SDL.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <string>

bool OpenUrl(const String& url) { return SDL_OpenURL(url.c_str()) == 0; }

namespace {
String DistributionName() {
    std::ifstream file("/etc/os-release");
    std::string line;
    const std::string key = "PRETTY_NAME=";
    while (std::getline(file, line)) {
        if (line.compare(0, key.size(), key) != 0) continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        return String(value);
    }
    return String();
}
}  // namespace

String OperatingSystemDescription() {
    utsname names {};
    if (uname(&names) != 0) return "Unknown";
    String text = String::Format("%s %s %s", names.sysname, names.release, names.machine);
    String distribution = DistributionName();
    if (!distribution.IsEmpty()) text += String::Format(" (%s)", distribution.c_str());
    return text;
}

String MediaLibraryDescription() {
    SDL_version version;
    SDL_GetVersion(&version);
    const char* driver = SDL_GetCurrentVideoDriver();
    return String::Format("SDL %d.%d.%d (%s)", version.major, version.minor, version.patch, driver ? driver : "no video");
}

void RaiseThreadPriority(bool raised) {
    // Unprivileged users may not raise it; that is fine, the loop still runs.
    constexpr int kRaisedNice = -5;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), raised ? kRaisedNice : 0);
}

uint32_t MillisecondsSinceBoot() {
    constexpr uint64_t kMsPerSecond = 1000, kNsPerMs = 1000000;
    timespec now {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * kMsPerSecond +
                                 static_cast<uint64_t>(now.tv_nsec) / kNsPerMs);
}

void ShutdownPlatform() { SDL_Quit(); }

void ReleaseFreedMemory() { malloc_trim(0); }

void MapLargeBlocksApart() {
    constexpr int kLargeBlockBytes = 256 * 1024;  // a picture of about 256 x 256 pixels
    // A fixed threshold also stops the allocator from raising it after each
    // large block it frees.
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
}
