#include <gtest/gtest.h>

#include <functional>

#include "core/ObjectHost.h"
#include "core/ObjectManager.h"

namespace {
// Stands in for the application: hands out ids and counts update steps.
class FakeHost : public ObjectHost {
public:
    FakeHost() { SetObjectHost(this); }
    ~FakeHost() override { SetObjectHost(nullptr); }
    int32_t TakeNextObjectId() override { return nextId++; }
    int32_t UpdateCount() const override { return updates; }
    void Step(ObjectManager& manager) {
        manager.Update();
        ++updates;
    }
    int32_t nextId = 1;
    int32_t updates = 0;
};

struct Probe : Object {
    explicit Probe(int* deletions = nullptr, float depth = 0) : deletions(deletions) { mDepth = depth; }
    ~Probe() override {
        if (deletions) ++*deletions;
    }
    void Update() override {
        ++updates;
        if (onUpdate) onUpdate();
    }
    int* deletions;
    int updates = 0;
    std::function<void()> onUpdate;
};
}  // namespace

TEST(ObjectManager, SelfKilledObjectLivesThroughTheNextStep) {
    FakeHost host;
    ObjectManager manager;
    int deleted = 0;
    auto* probe = new Probe(&deleted);
    probe->onUpdate = [probe] { probe->Kill(); };
    manager.Add(probe);
    host.Step(manager);  // killed here
    EXPECT_EQ(deleted, 0);
    EXPECT_TRUE(probe->mKilled);
    EXPECT_EQ(manager.Count(), 0);
    host.Step(manager);  // still allocated during the whole next step
    EXPECT_EQ(deleted, 0);
    EXPECT_EQ(probe->updates, 1);
    host.Step(manager);  // deleted at the start of the step after
    EXPECT_EQ(deleted, 1);
    manager.Clear();
}

TEST(ObjectManager, RemovingAnEarlierObjectSkipsNothingAndRepeatsNothing) {
    FakeHost host;
    ObjectManager manager;
    auto* a = new Probe;
    auto* b = new Probe;
    auto* c = new Probe;
    manager.Add(a);
    manager.Add(b);
    manager.Add(c);
    b->onUpdate = [&] { manager.Remove(a); };
    host.Step(manager);
    EXPECT_EQ(a->updates, 1);
    EXPECT_EQ(b->updates, 1);
    EXPECT_EQ(c->updates, 1);
    delete a;
    manager.Clear();
}

TEST(ObjectManager, ObjectAddedDuringTheLoopUpdatesInTheSameStep) {
    FakeHost host;
    ObjectManager manager;
    auto* spawner = new Probe;
    Probe* child = nullptr;
    spawner->onUpdate = [&] {
        if (!child) manager.Add(child = new Probe);
    };
    manager.Add(spawner);
    host.Step(manager);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->updates, 1);
    manager.Clear();
}

TEST(ObjectManager, PausedKilledObjectIsCollected) {
    FakeHost host;
    ObjectManager manager;
    int deleted = 0;
    auto* probe = new Probe(&deleted);
    manager.Add(probe);
    probe->Pause();
    host.Step(manager);
    EXPECT_EQ(probe->updates, 0);
    probe->Kill();
    host.Step(manager);
    host.Step(manager);
    host.Step(manager);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(manager.Count(), 0);
}

TEST(ObjectManager, SortIsStableAndLeavesKilledAtTheEnd) {
    FakeHost host;
    ObjectManager manager;
    Probe* p[4] = {new Probe(nullptr, 3), new Probe(nullptr, 1), new Probe(nullptr, 2), new Probe(nullptr, 1)};
    for (Probe* probe : p) manager.Add(probe);
    manager.Sort(0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(manager.At(i), p[i]);
    manager.Sort(1);
    EXPECT_EQ(manager.At(0), p[1]);
    EXPECT_EQ(manager.At(1), p[3]);
    EXPECT_EQ(manager.At(2), p[2]);
    EXPECT_EQ(manager.At(3), p[0]);
    p[1]->Kill();
    manager.Sort(-1);
    EXPECT_EQ(manager.At(0), p[0]);
    EXPECT_EQ(manager.At(1), p[2]);
    EXPECT_EQ(manager.At(2), p[3]);
    EXPECT_EQ(manager.At(3), p[1]);
    manager.Clear();
}

TEST(ObjectManager, IdsComeFromTheHostAndAddIsIdempotent) {
    FakeHost host;
    ObjectManager manager;
    auto* a = new Probe;
    auto* b = new Probe;
    EXPECT_EQ(a->mId, 1);
    EXPECT_EQ(b->mId, 2);
    EXPECT_EQ(manager.Add(a), 0);
    EXPECT_EQ(manager.Add(b), 1);
    EXPECT_EQ(manager.Add(a), 0);
    manager.KillById(2);
    EXPECT_TRUE(b->mKilled);
    EXPECT_FALSE(a->mKilled);
    EXPECT_EQ(a->Resume(), 0);
    manager.Clear();
}
