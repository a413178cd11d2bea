#pragma once
// Owns, updates and draws a list of objects. Killed objects move to one of two
// graveyards (chosen by the update-step count's parity) and are deleted at the
// start of the step after next.

#include <cstdint>

#include "core/List.h"
#include "core/Object.h"

class ObjectManager {
public:
    ObjectManager();
    // Destroys the lists only: the owner calls Clear() to delete the objects.
    virtual ~ObjectManager();
    ObjectManager(const ObjectManager&) = delete;
    ObjectManager& operator=(const ObjectManager&) = delete;

    virtual void Clear();
    virtual void Update();
    virtual void FrameStep(float steps);
    virtual void Draw();
    // 1 ascending depth, -1 descending, anything else leaves the order; stable.
    virtual void Sort(int32_t direction);
    virtual void DrawSorted();
    virtual void Broadcast(int32_t code);
    // The manager owns the object from now on; answers its index.
    virtual int32_t Add(Object* object);
    virtual void KillById(int32_t id);
    // Takes the object back without deleting it.
    virtual void Remove(Object* object);

    int32_t Count() const { return mObjects.Count(); }
    Object* At(int32_t index) const { return mObjects.AtAs<Object>(index); }
    List& Objects() { return mObjects; }
    const List& Objects() const { return mObjects; }

protected:
    List mObjects;
    List mGraveyards[2];

private:
    template <class Step> void RunStep(const char* loopKey, Step step);
    static void DeleteAll(List& list);
};
