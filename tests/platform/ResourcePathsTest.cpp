#include <gtest/gtest.h>

#include "platform/ResourcePaths.h"
#include "support/TempDir.h"

TEST(ResourcePaths, NamesResolveIgnoringCaseAndSeparators) {
    TempDir root;
    std::string file = root.Write("Graphics/TempleScreen/Background.jpg", "x");
    ResourcePaths::SetDataRoot(root.Path().c_str());
    EXPECT_EQ(ResourcePaths::Find("graphics\\templescreen\\BACKGROUND.JPG").str(), file);
    EXPECT_EQ(ResourcePaths::Find("Graphics/TempleScreen/./Background.jpg").str(), file);
    EXPECT_TRUE(ResourcePaths::Find("Graphics\\TempleScreen\\Background").IsEmpty());
    EXPECT_TRUE(ResourcePaths::Find("Graphics").IsEmpty());  // folders are not files
}

TEST(ResourcePaths, ParentStepsNeverLeaveTheDataRoot) {
    TempDir outside;
    outside.Write("secret.txt", "x");
    std::string root = outside.Path() + "/data";
    outside.Write("data/a.png", "x");
    ResourcePaths::SetDataRoot(root.c_str());
    EXPECT_TRUE(ResourcePaths::Find("..\\secret.txt").IsEmpty());
    EXPECT_FALSE(ResourcePaths::Find("x\\..\\..\\a.png").IsEmpty());  // ".." stops at the root
    EXPECT_EQ(ResourcePaths::Normalise("a\\.\\b\\..\\C", true).str(), "a/c");
}

TEST(ResourcePaths, TheTreeIsIndexedOnceWhenTheRootIsSet) {
    TempDir root;
    ResourcePaths::SetDataRoot(root.Path().c_str());
    root.Write("late.png", "x");
    EXPECT_TRUE(ResourcePaths::Find("late.png").IsEmpty());
    ResourcePaths::SetDataRoot(root.Path().c_str());
    EXPECT_FALSE(ResourcePaths::Find("late.png").IsEmpty());
}
