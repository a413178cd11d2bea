#include <gtest/gtest.h>

#include "core/List.h"

namespace {
int gItems[10];
void* Item(int i) { return &gItems[i]; }
}  // namespace

TEST(List, GrowsByHalfAndShrinksBelowHalf) {
    List list;
    list.Add(Item(0));
    EXPECT_EQ(list.Capacity(), 1);
    list.Add(Item(1));
    EXPECT_EQ(list.Capacity(), 2);
    list.Add(Item(2));
    EXPECT_EQ(list.Capacity(), 4);
    list.Add(Item(3));
    list.Add(Item(4));
    EXPECT_EQ(list.Capacity(), 7);
    list.RemoveAt(0);
    list.RemoveAt(0);
    list.RemoveAt(0);  // 2 < 7 / 2
    EXPECT_EQ(list.Capacity(), 2);
}

TEST(List, UniqueAndFixedLists) {
    List unique(0, true);
    EXPECT_EQ(unique.Add(Item(0)), 0);
    EXPECT_EQ(unique.Add(Item(1)), 1);
    EXPECT_EQ(unique.Add(Item(0)), 0);
    EXPECT_EQ(unique.Count(), 2);

    List fixed(2, false, true);
    fixed.Add(Item(0));
    fixed.Add(Item(1));
    EXPECT_EQ(fixed.Add(Item(2)), -1);
    EXPECT_EQ(fixed.Count(), 2);
    fixed.RemoveAt(0);
    EXPECT_EQ(fixed.Capacity(), 2);
    EXPECT_EQ(fixed.Add(nullptr), -1);
}

TEST(List, CursorSurvivesRemovalOfEarlierItemsAndInsertions) {
    List list;
    for (int i = 0; i < 5; ++i) list.Add(Item(i));
    std::vector<void*> seen;
    List::Cursor& cursor = list.CursorFor("test");
    for (cursor.position = 0; cursor.position < list.Count();) {
        void* item = list.At(cursor.position++);
        seen.push_back(item);
        if (item == Item(2)) {
            list.Remove(Item(0));          // earlier: the loop must not skip 3
            list.Insert(0, Item(9));       // before the cursor: must not repeat
            list.Add(Item(8));             // at the end: visited in this loop
        }
    }
    std::vector<void*> expected = {Item(0), Item(1), Item(2), Item(3), Item(4), Item(8)};
    EXPECT_EQ(seen, expected);
}

TEST(List, CursorsAreKeyedByTextAndNumber) {
    List list;
    List::Cursor& a = list.CursorFor("loop", 1);
    List::Cursor& b = list.CursorFor("loop", 2);
    a.position = 3;
    EXPECT_EQ(&list.CursorFor("loop", 1), &a);
    EXPECT_NE(&a, &b);
    list.Clear();
    EXPECT_EQ(a.position, 0);
}
