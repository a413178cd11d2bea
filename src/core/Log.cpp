#include "core/Log.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {
constexpr size_t kLineBytes = 2048;
constexpr const char* kBeginBanner = "*** BEGIN KORVANE SESSION ***";
constexpr const char* kEndBanner = "*** END KORVANE SESSION ***";

struct LogState {
    std::mutex lock;
    String path;
    bool started = false;
    std::vector<String> pending;
};

LogState& State() {
    static LogState state;
    return state;
}

// Every line of the file ends in CR LF, also those inside a multi-line message.
void WriteLine(FILE* file, const String& line) {
    for (char c : line.view()) {
        if (c == '\r') continue;
        if (c == '\n')
            std::fputs("\r\n", file);
        else
            std::fputc(c, file);
    }
    std::fputs("\r\n", file);
}

void Append(LogState& state, const String& line) {
    if (state.path.IsEmpty()) {
        if (state.pending.size() < 1000) state.pending.push_back(line);
        return;
    }
    FILE* file = std::fopen(state.path.c_str(), state.started ? "ab" : "wb");
    if (!file) return;
    if (!state.started) std::fprintf(file, "%s\r\n", kBeginBanner);
    state.started = true;
    WriteLine(file, line);
    std::fclose(file);
}
}  // namespace

namespace Log {
void SetPath(const String& path) {
    LogState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    // The same path again (an application restarting) continues the session.
    if (path.str() == state.path.str()) return;
    state.path = path;
    state.started = false;
    std::vector<String> pending;
    pending.swap(state.pending);
    for (const String& line : pending) Append(state, line);
}

void Line(const char* format, ...) {
    char buffer[kLineBytes];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    LogState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    Append(state, String(buffer));
}

void End() {
    LogState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    if (!state.started) return;
    FILE* file = std::fopen(state.path.c_str(), "ab");
    if (!file) return;
    std::fprintf(file, "%s\r\n", kEndBanner);
    std::fclose(file);
    state.started = false;
}
}  // namespace Log
