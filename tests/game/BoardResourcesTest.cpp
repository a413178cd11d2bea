// What boards, tracks and launchers ask for by name is in the catalogue, so
// the start-up loader has it and no player meets a missing-sound box.
#include <gtest/gtest.h>

#include <string>

#include "board/Board.h"
#include "board/BoardGame.h"
#include "game/BuiltData.h"
#include "game/ResourceCatalogue.h"
#include "media/Image.h"
#include "platform/ResourcePaths.h"
#include "track/TrackHost.h"

namespace {

bool Catalogued(const std::string& name, ResourceKind kind) {
    for (const ResourceEntry& entry : ResourceCatalogue())
        if (entry.kind == kind && name == entry.name) return true;
    return false;
}

TEST(BoardResources, EverySoundOfTheBoardAndItsTracksIsCatalogued) {
    for (BoardSound sound : {BoardSound::LifeLost, BoardSound::Rewind, BoardSound::Explosion, BoardSound::Robot,
                             BoardSound::Firework, BoardSound::BonusCatch, BoardSound::Roll})
        EXPECT_TRUE(Catalogued(BoardSoundName(sound), ResourceKind::Sound)) << BoardSoundName(sound);
    for (TrackSound sound : {TrackSound::BallBump, TrackSound::Explode, TrackSound::GapBonus})
        EXPECT_TRUE(Catalogued(TrackSoundName(sound), ResourceKind::Sound)) << TrackSoundName(sound);
}

TEST(BoardResources, TheMenuButtonIsAStripOfThreeFramesTheSizeOfItsPlace) {
    const char* name = "graphics\\PopupMenu\\InGameMenuButton";
    EXPECT_TRUE(Catalogued(name, ResourceKind::Strip));
    for (const ResourceEntry& entry : ResourceCatalogue()) {
        if (std::string(entry.name) == name) {
            EXPECT_EQ(entry.frames, 3);
        }
    }
    std::string root = BuiltDataRoot();
    if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    ResourcePaths::SetDataRoot(root.c_str());
    Image strip;
    ASSERT_TRUE(strip.Load(name));
    EXPECT_EQ(strip.Width(), 3 * Board::kMenuButtonRect.width);
    EXPECT_EQ(strip.Height(), Board::kMenuButtonRect.height);
}

}  // namespace
