// Which folder is taken as the game data root, and why the others are not.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/DataRootCheck.h"
#include "support/GameDataRoot.h"
#include "support/TempDir.h"

namespace {
namespace fs = std::filesystem;

std::string Folder(const std::string& path) { return path + "/"; }

TEST(DataRootCheckTest, BesideTheExecutableComesFirstThenTheInstalledFolder) {
    TempDir temp;
    std::string games = Folder(temp.File("games"));
    std::string installed = Folder(WriteGameDataRoot(temp, "share/games/plimb-zappets"));
    {
        DataRootCheck check("", games.c_str());
        EXPECT_EQ(check.Root(), installed.c_str());
        ASSERT_EQ(check.Looked().size(), 2u);
        EXPECT_EQ(check.Looked()[0].folder, (games + "data/").c_str());
        EXPECT_EQ(check.Looked()[0].problem, "not there");
        EXPECT_FALSE(check.OtherVersion());
    }
    // Data beside the executable wins once it is complete, not before.
    WriteGameDataRoot(temp, "games/data");
    fs::remove_all(temp.File("games/data/Sounds"));
    {
        DataRootCheck check("", games.c_str());
        EXPECT_EQ(check.Root(), installed.c_str());
        EXPECT_EQ(check.Looked()[0].problem, "no Sounds folder");
    }
    WriteGameDataRoot(temp, "games/data");
    {
        DataRootCheck check("", games.c_str());
        EXPECT_EQ(check.Root(), (games + "data/").c_str());
        EXPECT_EQ(check.Looked().size(), 1u);
    }
}

TEST(DataRootCheckTest, AFolderNeedsEveryGameFolderAndTheMarkerInAnyCase) {
    TempDir temp;
    for (const char* name : {"graphics", "SOUNDS", "fonts", "levels", "data"})
        fs::create_directories(temp.File("lower/" + std::string(name)));
    temp.Write("lower/" + String(DataRootCheck::MarkerFile()).Upper().str(), BuiltDataVersion());
    EXPECT_FALSE(DataRootCheck(temp.File("lower").c_str(), "").Root().IsEmpty());

    std::string noMarker = WriteGameDataRoot(temp, "no-marker");
    fs::remove(noMarker + "/" + DataMarkerFile());
    DataRootCheck unmarked(noMarker.c_str(), "");
    EXPECT_TRUE(unmarked.Root().IsEmpty());
    EXPECT_EQ(unmarked.Looked()[0].problem, ("no " + DataMarkerFile() + " file").c_str());

    // A marker that is a folder, or a game folder that is a file, does not count.
    std::string markerFolder = WriteGameDataRoot(temp, "marker-folder");
    fs::remove(markerFolder + "/" + DataMarkerFile());
    fs::create_directories(markerFolder + "/" + DataMarkerFile());
    EXPECT_TRUE(DataRootCheck(markerFolder.c_str(), "").Root().IsEmpty());
    std::string fileNotFolder = WriteGameDataRoot(temp, "file-not-folder");
    fs::remove_all(fileNotFolder + "/Levels");
    temp.Write("file-not-folder/Levels", "x");
    EXPECT_EQ(DataRootCheck(fileNotFolder.c_str(), "").Looked()[0].problem, "no Levels folder");
}

TEST(DataRootCheckTest, TheMarkerIsReadAsItsFirstShortPrintableLine) {
    TempDir temp;
    std::string root = WriteGameDataRoot(temp, "data");
    auto checkWithMarker = [&](const std::string& bytes) {
        temp.Write("data/" + DataMarkerFile(), bytes);
        return DataRootCheck(root.c_str(), "");
    };
    EXPECT_FALSE(checkWithMarker(BuiltDataVersion() + "\r\nanything after\n").OtherVersion());
    EXPECT_FALSE(checkWithMarker("  " + BuiltDataVersion() + "  ").OtherVersion());

    DataRootCheck older = checkWithMarker("0.0.1-old\n");
    EXPECT_FALSE(older.Root().IsEmpty());
    EXPECT_TRUE(older.OtherVersion());
    String text = older.OtherVersionText();
    EXPECT_TRUE(text.Contains("version 0.0.1-old")) << text.c_str();
    EXPECT_TRUE(text.Contains(BuiltDataVersion())) << text.c_str();

    EXPECT_TRUE(checkWithMarker("").OtherVersionText().Contains("unknown version"));
    // A huge binary marker is read only as far as a version could reach.
    std::string junk(1 << 20, '\x01');
    DataRootCheck binary = checkWithMarker(junk);
    EXPECT_TRUE(binary.OtherVersion());
    EXPECT_LT(binary.OtherVersionText().Length(), 400);
    EXPECT_FALSE(binary.OtherVersionText().Contains("\x01"));
}
}  // namespace
