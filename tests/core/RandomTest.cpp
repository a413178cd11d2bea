#include <gtest/gtest.h>

#include "core/Random.h"

TEST(Random, SeedOneFollowsFibonacciAndFirstRawMixesWords31And0) {
    Random random;
    random.Seed(1);
    int32_t a = 1, b = 1;  // s[0] = 1, s[1] = 1
    EXPECT_EQ(random.StateWord(0), 1);
    EXPECT_EQ(random.StateWord(1), 1);
    for (int i = 2; i < 55; ++i) {
        int32_t c = (a + b) & 0x3FFFFFFF;
        EXPECT_EQ(random.StateWord(i), c) << i;
        a = b;
        b = c;
    }
    int32_t expected = ((random.StateWord(31) + random.StateWord(0)) & 0x3FFFFFFF) >> 6;
    EXPECT_EQ(random.Raw(), expected);
}

TEST(Random, SameSeedSameSequence) {
    Random a, b;
    a.Seed(12345);
    b.Seed(12345);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(a.Raw(), b.Raw());
}

TEST(Random, NextRanges) {
    Random random;
    random.Seed(7);
    bool sawNegative = false;
    for (int i = 0; i < 5000; ++i) {
        EXPECT_EQ(random.Next(1), 0);
        int32_t v = random.Next(5);
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 4);
        int32_t s = random.Next(-5);
        EXPECT_GE(s, -4);
        EXPECT_LE(s, 4);
        sawNegative |= s < 0;
    }
    EXPECT_TRUE(sawNegative);
    EXPECT_EQ(random.Next(0), 0);
}

TEST(Random, NextFloatReachesOne) {
    Random random;
    random.Seed(3);
    bool sawOne = false;
    for (int i = 0; i < 2000000 && !sawOne; ++i) {
        float f = random.NextFloat();
        ASSERT_GE(f, 0.0f);
        ASSERT_LE(f, 1.0f);
        sawOne = f == 1.0f;
    }
    EXPECT_TRUE(sawOne);
}
