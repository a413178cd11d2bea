#include "core/Object.h"

#include "core/ObjectHost.h"

namespace {
ObjectHost* gObjectHost = nullptr;
}

void SetObjectHost(ObjectHost* host) { gObjectHost = host; }
ObjectHost* GetObjectHost() { return gObjectHost; }

Object::Object() : mId(gObjectHost ? gObjectHost->TakeNextObjectId() : 0) {}

int32_t Object::Resume() {
    if (mPauseCount > 0) --mPauseCount;
    return mPauseCount;
}
