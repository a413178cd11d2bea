#include "game/ResourceCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/BuiltData.h"

namespace {

// Checks one entry; answers what is wrong with it, or "" when it is fine.
std::string Problem(const std::string& root, const ResourceEntry& entry) {
    switch (entry.kind) {
        case ResourceKind::Image:
        case ResourceKind::Strip: {
            std::string base = ResolveResource(root, entry.name, {".jpg", ".png"});
            if (base.empty()) return "missing";
            std::string file = ResolveResource(root, entry.name, {".jpg"}).empty() ? base + ".png" : base + ".jpg";
            Picture picture = LoadPicture(file);
            if (picture.width <= 0) return "does not decode as an image";
            if (picture.width % entry.frames != 0) return "width does not divide into its frames";
            return "";
        }
        case ResourceKind::Sound:
        case ResourceKind::Music: {
            std::string base = ResolveResource(root, entry.name, {".ogg"});
            if (base.empty()) return "missing";
            return LoadOgg(base + ".ogg").mono.empty() ? "does not decode as Ogg Vorbis" : "";
        }
        case ResourceKind::Font: {
            std::string folder = ResolveResource(root, entry.name, {""});
            if (folder.empty()) return "missing";
            FontTable table;
            if (!LoadFontTable(folder + "/font.description", table)) return "bad font.description";
            for (int page = 0; page < table.pages; ++page)
                if (LoadPicture(folder + "/data" + std::to_string(page) + ".png").width <= 0)
                    return "page " + std::to_string(page) + " does not decode";
            return "";
        }
    }
    return "unknown kind";
}

TEST(ResourceCatalogue, EveryEntryIsBuiltAndLoadsAsItsKind) {
    std::string root = BuiltDataRoot();
    if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    std::string problems;
    for (const ResourceEntry& entry : ResourceCatalogue()) {
        std::string problem = Problem(root, entry);
        if (!problem.empty()) problems += std::string("\n  ") + entry.name + ": " + problem;
    }
    EXPECT_TRUE(problems.empty()) << "catalogue entries with problems:" << problems;
}

TEST(ResourceCatalogue, EntriesAreWellFormed) {
    std::set<std::pair<std::string, int>> seen;
    for (const ResourceEntry& entry : ResourceCatalogue()) {
        SCOPED_TRACE(entry.name);
        EXPECT_GE(entry.frames, 1);
        EXPECT_EQ(entry.frames > 1, entry.kind == ResourceKind::Strip);
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

}  // namespace
