#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/BuiltData.h"
#include "game/ResourceCatalogue.h"
#include "media/Font.h"
#include "media/Image.h"
#include "media/OggStream.h"
#include "media/PcmData.h"
#include "platform/ResourcePaths.h"

namespace {

// Loads one entry with the game's own loaders; answers what is wrong with it,
// or "" when it is fine.
std::string ImageProblem(const String& name, int32_t frames) {
    if (!ResourcePaths::Exists(name + ".png") && !ResourcePaths::Exists(name + ".jpg")) return "missing";
    Image image;
    if (!image.Load(name) || image.IsEmpty()) return "does not load as an image";
    if (image.Width() % frames != 0) return "width does not divide into its frames";
    return "";
}

std::string Problem(const ResourceEntry& entry) {
    switch (entry.kind) {
        case ResourceKind::Image:
        case ResourceKind::Strip:
        case ResourceKind::MirroredPair: return ImageProblem(entry.name, entry.frames);
        case ResourceKind::ButtonStates:
            for (int32_t state = 1; state <= entry.frames; ++state) {
                std::string problem = ImageProblem(String::Format("%s%d", entry.name, state), 1);
                if (!problem.empty()) return std::to_string(state) + " " + problem;
            }
            return "";
        case ResourceKind::DoorRow:
        case ResourceKind::MaskRow: {
            std::string problem = ImageProblem(entry.name, 1);
            if (!problem.empty()) return problem;
            Image image;
            image.Load(entry.name);
            const DoorPiece& last = kDoorPieces[kDoorCount - 1];
            if (image.Width() < last.x + last.width || image.Height() < kDoorHeight) return "smaller than its doors";
            return "";
        }
        case ResourceKind::Sound:
        case ResourceKind::Music: {
            String path = ResourcePaths::Find(String(entry.name) + ".ogg");
            if (path.IsEmpty()) return "missing";
            PcmData pcm;
            return DecodeOggFile(path, pcm) ? "" : "does not decode as Ogg Vorbis";
        }
        case ResourceKind::Font: {
            if (!ResourcePaths::Exists(String(entry.name) + "\\font.description")) return "missing";
            Font font;
            return font.Load(entry.name) && font.IsLoaded() ? "" : "does not load as a font";
        }
        case ResourceKind::Document:
        case ResourceKind::LevelOrder: return ResourcePaths::Exists(entry.name) ? "" : "missing";
    }
    return "unknown kind";
}

TEST(ResourceCatalogue, EveryEntryIsBuiltAndLoadsAsItsKind) {
    std::string root = BuiltDataRoot();
    if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    ResourcePaths::SetDataRoot(root.c_str());
    std::string problems;
    for (const ResourceEntry& entry : ResourceCatalogue()) {
        std::string problem = Problem(entry);
        if (!problem.empty()) problems += std::string("\n  ") + entry.name + ": " + problem;
    }
    EXPECT_TRUE(problems.empty()) << "catalogue entries with problems:" << problems;
}

TEST(ResourceCatalogue, EntriesAreWellFormed) {
    std::set<std::pair<std::string, int>> seen;
    for (const ResourceEntry& entry : ResourceCatalogue()) {
        SCOPED_TRACE(entry.name);
        EXPECT_GE(entry.frames, 1);
        EXPECT_EQ(entry.frames > 1, entry.kind == ResourceKind::Strip || entry.kind == ResourceKind::ButtonStates);
        EXPECT_EQ(entry.instances > 0, entry.kind == ResourceKind::Sound);
        // A name may appear twice only with different copy counts (the explosion).
        EXPECT_TRUE(seen.insert({entry.name, entry.instances}).second);
    }
}

TEST(ResourceCatalogue, LoadingStepsComeInOrder) {
    int32_t step = 0;
    bool boardOwned = false;
    for (const ResourceEntry& entry : ResourceCatalogue()) {
        SCOPED_TRACE(entry.name);
        if (entry.step == 0) {
            boardOwned = true;
            continue;
        }
        EXPECT_FALSE(boardOwned) << "start-up entries come before board-owned ones";
        EXPECT_GE(entry.step, step);
        step = entry.step;
    }
}

TEST(ResourceCatalogue, ProgressStepsFillTheBarBeforeLoadingEnds) {
    // The bar is full at 146 steps while the last few steps still load.
    int32_t progress = 1;  // high scores and profiles
    for (const ResourceEntry& entry : ResourceCatalogue()) progress += entry.step ? entry.progress : 0;
    EXPECT_EQ(progress, 151);
}

}  // namespace
