#include "platform/CrashHandler.h"

#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/Log.h"
#include "platform/MessageBox.h"

namespace {
constexpr const char* kReportFileName = "CrashReport.txt";
constexpr size_t kAlternateStackBytes = 256 * 1024;
constexpr unsigned kWatchdogSeconds = 10;  // writing the report may take this long at most
constexpr int kBacktraceDepth = 64;
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

alignas(16) char gAlternateStack[kAlternateStackBytes];
char gReportPath[4096] = "CrashReport.txt";
CrashGuard gGuard = nullptr;
CrashReportSource gSource = nullptr;
volatile std::sig_atomic_t gHandling = 0;

void WriteAll(int fd, const char* text, size_t length) {
    while (length > 0) {
        ssize_t written = ::write(fd, text, length);
        if (written <= 0) return;
        text += written;
        length -= static_cast<size_t>(written);
    }
}

void WriteText(int fd, const char* text) { WriteAll(fd, text, std::strlen(text)); }

void WriteReport(int signal) {
    int fd = ::open(gReportPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    char line[128];
    std::snprintf(line, sizeof line, "SIGNAL: %d (%s)\n", signal, strsignal(signal));
    WriteText(fd, line);
    if (gSource) {
        String body = gSource();
        WriteAll(fd, body.c_str(), static_cast<size_t>(body.Length()));
    }
    WriteText(fd, "BACKTRACE:\n");
    void* frames[kBacktraceDepth];
    int count = ::backtrace(frames, kBacktraceDepth);
    ::backtrace_symbols_fd(frames, count, fd);
    ::close(fd);
}

[[noreturn]] void DieBy(int signal) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, signal);
    sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

void OnFatalSignal(int signal) {
    if (gHandling) DieBy(signal);  // the report itself crashed
    gHandling = 1;
    std::signal(SIGALRM, SIG_DFL);
    ::alarm(kWatchdogSeconds);
    if (gGuard) gGuard();
    WriteReport(signal);
    Log::Line("Crash: signal %d; report written to %s", signal, gReportPath);
    ::alarm(0);
    if (!IsHeadless())
        ShowMessageBox("Crash", String::Format("The game stopped because of an error.\nA report was saved in %s", gReportPath));
    DieBy(signal);
}
}  // namespace

void InstallCrashHandler(CrashGuard guard, CrashReportSource source) {
    gGuard = guard;
    gSource = source;
    // backtrace() loads its unwinder on first use: do that now, not in the handler.
    void* warmUp[1];
    ::backtrace(warmUp, 1);
    stack_t stack {};
    stack.ss_sp = gAlternateStack;
    stack.ss_size = sizeof gAlternateStack;
    sigaltstack(&stack, nullptr);
    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_ONSTACK;
    for (int signal : kFatalSignals) sigaction(signal, &action, nullptr);
}

void SetCrashReportFolder(const String& folder) {
    std::snprintf(gReportPath, sizeof gReportPath, "%s%s", folder.c_str(), kReportFileName);
}

void RaiseAccessFault() {
    ::raise(SIGSEGV);
    // Only reached when no handler ended the process.
    std::abort();
}
