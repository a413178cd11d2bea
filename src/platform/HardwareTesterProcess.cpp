#include "platform/HardwareTesterProcess.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "platform/HardwareTester.h"

extern char** environ;

namespace {
constexpr int kAnswerTimeoutMs = 10000;       // a driver that hangs longer counts as no accelerated renderer
constexpr size_t kLongestAnswer = 64 * 1024;  // bytes; a larger answer is not ours
constexpr size_t kReadChunk = 4096;           // bytes
constexpr const char* kEndLine = "end=1\n";   // the answer is complete

// One "key=value" line per field; backslashes and line breaks in values are escaped.
std::string Escaped(const String& value) {
    std::string out;
    for (char c : value.view()) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

String Unescaped(std::string_view value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return String(out);
}

struct Fields {
    HardwareIdentity& identity;
    HardwareCheckResult& checks;
    template <class Visit>
    void Each(Visit visit) {
        visit("accelerated", identity.accelerated);
        visit("cardName", identity.cardName);
        visit("vendorAndRenderer", identity.vendorAndRenderer);
        visit("driverVersion", identity.driverVersion);
        visit("renderDrivers", identity.renderDrivers);
        visit("failReason", identity.failReason);
        visit("renderTargets", checks.renderTargets);
        visit("drawsCorrectly", checks.drawsCorrectly);
        visit("checkFailReason", checks.failReason);
        visit("warnings", checks.warnings);
    }
};

HardwareIdentity Failed(const char* reason) {
    HardwareIdentity identity;
    identity.failReason = reason;
    return identity;
}
}  // namespace

std::string HardwareTesterProcess::Encode(const HardwareIdentity& identity, const HardwareCheckResult& checks) {
    HardwareIdentity id = identity;
    HardwareCheckResult check = checks;
    std::string text;
    struct Writer {
        std::string& text;
        void operator()(const char* key, bool value) const {
            text += std::string(key) + "=" + (value ? "1" : "0") + "\n";
        }
        void operator()(const char* key, const String& value) const {
            text += std::string(key) + "=" + Escaped(value) + "\n";
        }
    };
    Fields{id, check}.Each(Writer{text});
    return text;
}

bool HardwareTesterProcess::Decode(const std::string& text, HardwareIdentity& identity, HardwareCheckResult& checks) {
    identity = HardwareIdentity{};
    checks = HardwareCheckResult{};
    size_t known = 0;
    std::string_view rest = text;
    while (!rest.empty()) {
        size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
        struct Reader {
            std::string_view key, value;
            size_t& known;
            void operator()(const char* name, bool& field) const {
                if (key == name) field = value == "1", ++known;
            }
            void operator()(const char* name, String& field) const {
                if (key == name) field = Unescaped(value), ++known;
            }
        };
        Fields{identity, checks}.Each(Reader{key, value, known});
    }
    return known > 0;
}

int HardwareTesterProcess::RunChild() {
    HardwareTester tester;
    HardwareIdentity identity = tester.Identify();
    HardwareCheckResult checks;
    if (identity.accelerated) checks = tester.RunChecks();
    std::string answer = Encode(identity, checks) + kEndLine;
    std::fwrite(answer.data(), 1, answer.size(), stdout);
    std::fflush(stdout);
    // The answer is out: taking the OpenGL driver down would only keep the game waiting.
    _exit(0);
}

HardwareIdentity HardwareTesterProcess::Identify() {
    mChecks = HardwareCheckResult{};
    int channel[2];
    if (pipe(channel) != 0) return Failed("No pipe for the hardware test");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    posix_spawn_file_actions_addclose(&actions, channel[1]);
    char name[] = "plimb-zappets";
    std::string childSwitch = kChildSwitch;
    char* arguments[] = {name, childSwitch.data(), nullptr};
    pid_t child = 0;
    int spawned = posix_spawn(&child, "/proc/self/exe", &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    if (spawned != 0) {
        close(channel[0]);
        return Failed("The hardware test could not start");
    }
    std::string answer;
    char chunk[kReadChunk];
    pollfd waiting{channel[0], POLLIN, 0};
    bool timedOut = false;
    while (answer.size() < kLongestAnswer) {
        int ready = poll(&waiting, 1, kAnswerTimeoutMs);
        if (ready <= 0) {
            timedOut = ready == 0;
            break;
        }
        ssize_t got = read(channel[0], chunk, sizeof chunk);
        if (got <= 0) break;
        answer.append(chunk, static_cast<size_t>(got));
        if (answer.ends_with(kEndLine)) break;
    }
    close(channel[0]);
    if (timedOut) kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    HardwareIdentity identity;
    if (timedOut) return Failed("The hardware test did not answer");
    if (!Decode(answer, identity, mChecks)) return Failed("The hardware test ended without an answer");
    return identity;
}
