#pragma once
// Base of everything that lives on screen for a while. Objects are owned by an
// ObjectManager and ended with Kill(); the manager deletes them two update
// steps later, so a killed object's pointer stays valid through the next step.

#include <cstdint>

class Object {
public:
    Object();
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    virtual void Update() {}
    virtual void FrameStep(float steps) {}
    // Drawing only: no state changes here, all timing comes from Update.
    virtual void Draw() {}
    virtual void Notify(int32_t code) {}
    virtual void Kill() { mKilled = true; }
    virtual void Pause() { ++mPauseCount; }
    // Answers the new pause count (never below 0).
    virtual int32_t Resume();

    bool mKilled = false;
    int32_t mPauseCount = 0;
    int32_t mId = 0;
    int32_t mTag = 0;
    const char* mName = "null object";
    float mDepth = 0;
};
