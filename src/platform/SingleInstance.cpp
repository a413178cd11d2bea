#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Log.h"

namespace {
constexpr int kListenBacklog = 8;
constexpr int kKnockAttempts = 20;
constexpr useconds_t kKnockRetryMicroseconds = 50 * 1000;  // 20 x 50 ms: one second at most

// Socket paths are short (108 bytes); a long folder is reached through the
// process's own descriptor of it instead.
bool MakeAddress(const String& path, int folderFd, const String& fileName, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    String usable = path;
    if (usable.Length() >= static_cast<int32_t>(sizeof address.sun_path))
        usable = String::Format("/proc/self/fd/%d/%s", folderFd, fileName.c_str());
    if (usable.Length() >= static_cast<int32_t>(sizeof address.sun_path)) return false;
    std::memcpy(address.sun_path, usable.c_str(), static_cast<size_t>(usable.Length()));
    return true;
}

// Runs `action` on the socket address of `folder`/`fileName`.
template <class Action> bool WithAddress(const String& folder, const String& fileName, Action action) {
    int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    sockaddr_un address;
    bool ok = MakeAddress(folder + fileName, folderFd, fileName, address) && action(address);
    if (folderFd >= 0) ::close(folderFd);
    return ok;
}

bool Knock(const String& folder, const String& fileName) {
    return WithAddress(folder, fileName, [](const sockaddr_un& address) {
        int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return ok;
    });
}
}  // namespace

SingleInstance::~SingleInstance() { Release(); }

SingleInstance::Result SingleInstance::Acquire(const String& folder, const String& name) {
    Release();
    String lockPath = folder + name + ".lock";
    mLockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (mLockFd < 0) {
        Log::Line("Single instance: cannot open %s: %s", lockPath.c_str(), std::strerror(errno));
        return Result::Unguarded;
    }
    if (::flock(mLockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(mLockFd);
        mLockFd = -1;
        // The running copy may hold the lock but not listen yet: knock again
        // for a moment before giving up.
        for (int attempt = 0; attempt < kKnockAttempts && !Knock(folder, name + ".notify"); ++attempt)
            ::usleep(kKnockRetryMicroseconds);
        return Result::AlreadyRunning;
    }

    // We hold the lock, so a socket file left by a crashed copy is stale.
    String fileName = name + ".notify";
    mSocketPath = folder + fileName;
    ::unlink(mSocketPath.c_str());
    mListenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    bool listening = mListenFd >= 0 && WithAddress(folder, fileName, [this](const sockaddr_un& address) {
        return ::bind(mListenFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
               ::listen(mListenFd, kListenBacklog) == 0;
    });
    if (!listening) {
        Log::Line("Single instance: cannot listen on %s: %s", mSocketPath.c_str(), std::strerror(errno));
        if (mListenFd >= 0) ::close(mListenFd);
        mListenFd = -1;
    }
    return Result::First;
}

bool SingleInstance::TakeNotify() {
    if (mListenFd < 0) return false;
    bool knocked = false;
    for (;;) {
        int fd = ::accept4(mListenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) break;
        ::close(fd);
        knocked = true;
    }
    return knocked;
}

void SingleInstance::Release() {
    if (mListenFd >= 0) {
        ::close(mListenFd);
        mListenFd = -1;
        ::unlink(mSocketPath.c_str());
    }
    if (mLockFd >= 0) {
        ::close(mLockFd);
        mLockFd = -1;
    }
}
