#include <gtest/gtest.h>

#include <cstring>

#include "core/IOBuffer.h"
#include "support/TempDir.h"

TEST(IOBuffer, EveryEncodingRoundTrips) {
    IOBuffer out;
    out.WriteInt(-123456);
    out.WriteFloat(3.25f);
    out.WriteBool(true);
    out.WriteBool(false);
    out.WriteString("hello");
    out.WriteString("");
    out.WriteByte(0xAB);
    const char raw[3] = {'x', 'y', 'z'};
    out.WriteBytes(raw, 3);

    IOBuffer in;
    in.SetData(out.Data(), out.Size());
    EXPECT_EQ(in.ReadInt(), -123456);
    EXPECT_EQ(in.ReadFloat(), 3.25f);
    EXPECT_TRUE(in.ReadBool());
    EXPECT_FALSE(in.ReadBool());
    EXPECT_EQ(in.ReadString().str(), "hello");
    EXPECT_EQ(in.ReadString().str(), "");
    EXPECT_EQ(in.ReadByte(), 0xAB);
    char back[3];
    in.ReadBytes(back, 3);
    EXPECT_EQ(std::memcmp(back, raw, 3), 0);
    EXPECT_FALSE(in.HasError());
    EXPECT_TRUE(in.AtEnd());
}

TEST(IOBuffer, StringLengthCountsTheZeroLittleEndian) {
    IOBuffer out;
    out.WriteString("ab");
    ASSERT_EQ(out.Size(), 7);
    const uint8_t expected[7] = {3, 0, 0, 0, 'a', 'b', 0};
    EXPECT_EQ(std::memcmp(out.Data(), expected, 7), 0);
}

TEST(IOBuffer, ReadsPastTheEndSetErrorAndYieldEmptyFromThenOn) {
    IOBuffer in;
    const uint8_t bytes[6] = {1, 0, 0, 0, 1, 9};
    in.SetData(bytes, 6);
    EXPECT_EQ(in.ReadInt(), 1);
    EXPECT_EQ(in.ReadInt(), 0);  // only two bytes left
    EXPECT_TRUE(in.HasError());
    EXPECT_FALSE(in.ReadBool());  // the byte 1 is still there, but the error sticks
    EXPECT_EQ(in.ReadFloat(), 0.0f);
    char out[2] = {'q', 'q'};
    in.ReadBytes(out, 2);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 0);
}

TEST(IOBuffer, StringWhoseLengthRunsPastTheEndReadsEmpty) {
    IOBuffer in;
    const uint8_t shortLength[3] = {5, 0, 0};
    in.SetData(shortLength, 3);
    EXPECT_EQ(in.ReadString().str(), "");
    EXPECT_TRUE(in.HasError());

    IOBuffer huge;
    const uint8_t hugeLength[6] = {0xFF, 0xFF, 0xFF, 0x7F, 'a', 0};
    huge.SetData(hugeLength, 6);
    EXPECT_EQ(huge.ReadString().str(), "");
    EXPECT_TRUE(huge.HasError());

    IOBuffer negative;
    const uint8_t negativeLength[5] = {0xFF, 0xFF, 0xFF, 0xFF, 0};
    negative.SetData(negativeLength, 5);
    EXPECT_EQ(negative.ReadString().str(), "");
    EXPECT_TRUE(negative.HasError());
}

TEST(IOBuffer, OnlyTheByteOneReadsTrue) {
    IOBuffer in;
    const uint8_t bytes[3] = {1, 2, 0};
    in.SetData(bytes, 3);
    EXPECT_TRUE(in.ReadBool());
    EXPECT_FALSE(in.ReadBool());
    EXPECT_FALSE(in.ReadBool());
    EXPECT_FALSE(in.HasError());
}

TEST(IOBuffer, ReadLineEndsAtCrAndDropsLf) {
    IOBuffer in;
    const char text[] = "a=1\r\nb\n=2\r\nlast";
    in.SetData(text, static_cast<int32_t>(std::strlen(text)));
    EXPECT_EQ(in.ReadLine().str(), "a=1");
    EXPECT_EQ(in.ReadLine().str(), "b=2");
    EXPECT_EQ(in.ReadLine().str(), "last");
    EXPECT_TRUE(in.AtEnd());
}

TEST(IOBuffer, FilesSaveAtomicallyAndLoadWhole) {
    TempDir dir;
    IOBuffer out;
    out.WriteString("saved");
    ASSERT_TRUE(out.SaveFile(dir.File("a.bin").c_str()));
    IOBuffer in;
    ASSERT_TRUE(in.LoadFile(dir.File("a.bin").c_str()));
    EXPECT_EQ(in.ReadString().str(), "saved");
    EXPECT_FALSE(in.LoadFile(dir.File("missing.bin").c_str()));
    EXPECT_EQ(in.Size(), 0);
    EXPECT_FALSE(out.SaveFile(dir.File("no/such/folder/a.bin").c_str()));
}
