// Routing one mouse move through a tree of 200 gadgets, 4 levels deep:
// 5 screens, each with 3 panels, each with 3 groups, each with 3 controls.
// Every move changes the hovered control, the costliest ordinary case.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "platform/WindowMessages.h"
#include "ui/Gadget.h"
#include "ui/GadgetHost.h"

namespace {
class BenchHost : public GadgetHost {
public:
    bool IsQuitting() const override { return false; }
    void RunLoopIteration() override {}
    void ShowCursorKind(CursorKind kind) override {}
};

constexpr int32_t kScreens = 5;
constexpr int32_t kChildrenPerGadget = 3;
constexpr int32_t kDepth = 4;

class Tree {
public:
    explicit Tree(BenchHost& host) {
        for (int32_t i = 0; i < kScreens; ++i) {
            Gadget* screen = Make({0, 0, 800, 600});
            host.mGadgets.Add(screen);
            Grow(screen, 2);
        }
    }
    int32_t Count() const { return static_cast<int32_t>(mGadgets.size()); }

private:
    Gadget* Make(const Rect& rect) {
        mGadgets.push_back(std::make_unique<Gadget>());
        mGadgets.back()->SetRect(rect);
        return mGadgets.back().get();
    }
    // Children side by side, each a third of the parent's width.
    void Grow(Gadget* parent, int32_t level) {
        if (level > kDepth) return;
        float width = parent->mRect.width / kChildrenPerGadget;
        for (int32_t i = 0; i < kChildrenPerGadget; ++i) {
            Gadget* child = Make({width * static_cast<float>(i), 0, width, parent->mRect.height});
            parent->AddChild(child);
            Grow(child, level + 1);
        }
    }
    std::vector<std::unique_ptr<Gadget>> mGadgets;
};
}  // namespace

static void BM_RouteMouseMove(benchmark::State& state) {
    BenchHost host;
    {
        Tree tree(host);
        const uint32_t points[2] = {PackPoint(790, 300), PackPoint(770, 300)};
        int32_t next = 0;
        for (auto _ : state) {
            host.HandleEvent(0, WindowMessage::MouseMove, 0, points[next]);
            next = 1 - next;
        }
        state.counters["gadgets"] = tree.Count();
        benchmark::DoNotOptimize(host.mHoverGadget);
    }
}
BENCHMARK(BM_RouteMouseMove);
