#pragma once
// What objects need from the running application: serial numbers and the
// update-step count. The application installs itself while it exists; with no
// host, ids are 0 and the step count reads 0.

#include <cstdint>

class ObjectHost {
public:
    virtual ~ObjectHost() = default;
    virtual int32_t TakeNextObjectId() = 0;
    virtual int32_t UpdateCount() const = 0;
};

void SetObjectHost(ObjectHost* host);  // null removes it
ObjectHost* GetObjectHost();
