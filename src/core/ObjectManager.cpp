#include "core/ObjectManager.h"

#include "core/ObjectHost.h"

namespace {
int32_t CurrentGraveyard() {
    ObjectHost* host = GetObjectHost();
    int32_t count = host ? host->UpdateCount() : 0;
    return ((count % 2) + 2) % 2;
}

// Inserts `object` into `order` before the first entry that `comesBefore` it.
template <class Before> void InsertOrdered(List& order, Object* object, Before comesBefore) {
    int32_t at = 0;
    while (at < order.Count() && !comesBefore(object, order.AtAs<Object>(at))) ++at;
    order.Insert(at, object);
}
}  // namespace

ObjectManager::ObjectManager() = default;
ObjectManager::~ObjectManager() = default;

void ObjectManager::DeleteAll(List& list) {
    // Copy first: a destructor may remove other objects from the same list.
    std::vector<Object*> doomed;
    doomed.reserve(static_cast<size_t>(list.Count()));
    for (int32_t i = 0; i < list.Count(); ++i) doomed.push_back(list.AtAs<Object>(i));
    list.Clear();
    for (Object* object : doomed) delete object;
}

void ObjectManager::Clear() {
    DeleteAll(mGraveyards[0]);
    DeleteAll(mGraveyards[1]);
    DeleteAll(mObjects);
}

template <class Step> void ObjectManager::RunStep(const char* loopKey, Step step) {
    List& graveyard = mGraveyards[CurrentGraveyard()];
    DeleteAll(graveyard);
    List::Cursor& cursor = mObjects.CursorFor(loopKey);
    for (cursor.position = 0; cursor.position < mObjects.Count();) {
        Object* object = mObjects.AtAs<Object>(cursor.position++);
        if (object->mPauseCount == 0 && !object->mKilled) step(object);
        if (object->mKilled) {
            while (mObjects.Remove(object)) {
            }
            graveyard.Add(object);
        }
    }
}

void ObjectManager::Update() {
    RunStep("ObjectManager::Update", [](Object* object) { object->Update(); });
}

void ObjectManager::FrameStep(float steps) {
    RunStep("ObjectManager::FrameStep", [steps](Object* object) { object->FrameStep(steps); });
}

void ObjectManager::Draw() {
    List::Cursor& cursor = mObjects.CursorFor("ObjectManager::Draw");
    for (cursor.position = 0; cursor.position < mObjects.Count();) {
        Object* object = mObjects.AtAs<Object>(cursor.position++);
        if (!object->mKilled) object->Draw();
    }
}

void ObjectManager::Sort(int32_t direction) {
    List order;
    List killed;
    for (int32_t i = 0; i < mObjects.Count(); ++i) {
        Object* object = mObjects.AtAs<Object>(i);
        if (object->mKilled) {
            killed.Add(object);
        } else if (direction == 1) {
            InsertOrdered(order, object, [](Object* a, Object* b) { return b->mDepth > a->mDepth; });
        } else if (direction == -1) {
            InsertOrdered(order, object, [](Object* a, Object* b) { return b->mDepth < a->mDepth; });
        } else {
            order.Add(object);
        }
    }
    for (int32_t i = 0; i < killed.Count(); ++i) order.Add(killed.At(i));
    // Rewrite in place so that registered cursors stay with this list.
    for (int32_t i = 0; i < order.Count(); ++i) mObjects.Set(i, order.At(i));
}

void ObjectManager::DrawSorted() {
    List order;
    for (int32_t i = 0; i < mObjects.Count(); ++i) {
        Object* object = mObjects.AtAs<Object>(i);
        if (!object->mKilled) InsertOrdered(order, object, [](Object* a, Object* b) { return b->mDepth > a->mDepth; });
    }
    for (int32_t i = 0; i < order.Count(); ++i) order.AtAs<Object>(i)->Draw();
}

void ObjectManager::Broadcast(int32_t code) {
    List::Cursor& cursor = mObjects.CursorFor("ObjectManager::Broadcast");
    for (cursor.position = 0; cursor.position < mObjects.Count();) {
        Object* object = mObjects.AtAs<Object>(cursor.position++);
        if (!object->mKilled) object->Notify(code);
    }
}

int32_t ObjectManager::Add(Object* object) {
    int32_t existing = mObjects.Find(object);
    if (existing >= 0) return existing;
    return mObjects.Add(object);
}

void ObjectManager::KillById(int32_t id) {
    for (int32_t i = 0; i < mObjects.Count(); ++i) {
        Object* object = mObjects.AtAs<Object>(i);
        if (object->mId == id) object->Kill();
    }
}

void ObjectManager::Remove(Object* object) {
    while (mObjects.Remove(object)) {
    }
    mGraveyards[0].Remove(object);
    mGraveyards[1].Remove(object);
}
