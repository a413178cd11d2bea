// Journey map records of arbitrary bytes: loading must answer false or
// leave a map that runs on and whose own record loads again to the same
// bytes, never crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/IOBuffer.h"
#include "game/PlimbZappetsApp.h"
#include "game/journey/DifficultyMenu.h"

namespace {
constexpr int32_t kTicksAfterLoad = 40;

PlimbZappetsApp& SharedApp() {
    static PlimbZappetsApp* app = new PlimbZappetsApp();  // lives for the whole run
    return *app;
}

IOBuffer RecordOf(const DifficultyMenu& map) {
    IOBuffer out;
    map.Save(out);
    return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PlimbZappetsApp& app = SharedApp();
    DifficultyMenu map(app);
    IOBuffer in;
    in.SetData(data, static_cast<int32_t>(size));
    if (!map.Load(in)) return 0;
    IOBuffer first = RecordOf(map);
    DifficultyMenu again(app);
    first.SetPosition(0);
    if (!again.Load(first)) std::abort();
    IOBuffer second = RecordOf(again);
    if (second.Size() != first.Size()) std::abort();
    for (int32_t i = 0; i < first.Size(); ++i)
        if (first.Data()[i] != second.Data()[i]) std::abort();
    for (int32_t i = 0; i < kTicksAfterLoad; ++i) {
        map.Update();
        map.CompleteStage();
    }
    IOBuffer after = RecordOf(map);
    DifficultyMenu later(app);
    after.SetPosition(0);
    if (!later.Load(after)) std::abort();
    return 0;
}
