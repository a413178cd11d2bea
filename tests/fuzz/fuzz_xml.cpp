// Any byte sequence as a configuration document: the tree reader and the
// level loader over it must end with a result, never crash, hang, read
// outside the text or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <string>

#include "board/LevelGroup.h"
#include "board/LevelLoader.h"
#include "board/LevelTarget.h"
#include "data/XMLDocument.h"

namespace {
class CountingTarget : public LevelTarget {
public:
    int32_t TrackCount() const override { return 2; }
    void AddWaveToTrack(int32_t, const WaveSpec&) override { ++waves; }
    void SetTrackReleaseWait(int32_t, int32_t) override {}
    void SetDisplayName(const String&) override {}
    void SetRush(float) override {}
    void SetProgressTarget(int32_t) override {}
    int64_t waves = 0;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    XMLDocument document;
    document.Parse(text.c_str());
    LevelGroup::ReadAll(document);
    // The first level of the root, whatever its name, in every play style.
    const XMLTag* root = document.Root();
    const XMLTag* level = root ? root->FindChild("level") : nullptr;
    const XMLParameter* name = level ? level->FindParameter("name") : nullptr;
    for (PlayStyle style : {PlayStyle::Normal, PlayStyle::Child, PlayStyle::Apocalypse}) {
        CountingTarget target;
        LevelLoader::LoadLevel(document, name ? name->value : String("Aqua"), style, target);
        if (target.waves > 2 * LevelLoader::kMaxWavesPerLevel) __builtin_trap();
    }
    return 0;
}
