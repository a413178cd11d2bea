#pragma once
// One running copy per data folder: an advisory lock on "<name>.lock" and a
// Unix-domain socket "<name>.notify" beside it. A second copy finds the lock
// taken, knocks on the socket (the first copy then comes to the front) and
// leaves.

#include "core/String.h"

class SingleInstance {
public:
    enum class Result {
        First,           // we hold the lock and listen for knocks
        AlreadyRunning,  // another copy holds it and was told
        Unguarded,       // no lock could be made (unwritable folder): run anyway
    };

    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // `folder` ends with '/'.
    Result Acquire(const String& folder, const String& name);
    // Never blocks. True when at least one other copy knocked since the last call.
    bool TakeNotify();
    void Release();

private:
    int mLockFd = -1;
    int mListenFd = -1;
    String mSocketPath;
};
