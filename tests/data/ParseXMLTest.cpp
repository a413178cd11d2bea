#include <gtest/gtest.h>

#include "data/ParseXML.h"
#include "support/TempDir.h"

TEST(ParseXML, WalksTopLevelTagsAndKeepsInnerTagsAsText) {
    ParseXML reader;
    reader.OpenText("<CARD name=\"X\"><A>1</A></CARD><CARD name=\"Y\">");
    ParseXMLTag first = reader.ReadTag();
    ASSERT_FALSE(first.missing);
    EXPECT_EQ(first.name.str(), "CARD");
    EXPECT_EQ(first.content.str(), "<A>1</A>");
    ASSERT_EQ(first.AttributeCount(), 1);
    ParseXMLTag attribute = first.Attribute(0);
    EXPECT_FALSE(attribute.missing);
    EXPECT_EQ(attribute.name.str(), "name");
    EXPECT_EQ(attribute.content.str(), "X");

    ParseXMLTag second = reader.ReadTag();
    ASSERT_FALSE(second.missing);
    EXPECT_EQ(second.name.str(), "CARD");
    EXPECT_TRUE(second.content.IsEmpty());
    EXPECT_TRUE(reader.ReadTag().missing);
    EXPECT_TRUE(reader.ReadTag().missing);
}

TEST(ParseXML, NestedContentIsReadByASecondReader) {
    ParseXML outer;
    outer.OpenText("<card>\r\n\t<Depth>32</Depth>\r\n\t<Size>1024x768</size>\r\n</CARD>");
    ParseXMLTag card = outer.ReadTag();
    ASSERT_FALSE(card.missing);
    EXPECT_EQ(card.content.str(), "<Depth>32</Depth><Size>1024x768</size>");

    ParseXML inner;
    inner.OpenText(card.content);
    EXPECT_EQ(inner.ReadTag().content.str(), "32");
    EXPECT_EQ(inner.ReadTag().content.str(), "1024x768");
    EXPECT_TRUE(inner.ReadTag().missing);
}

TEST(ParseXML, SameNamedInnerTagEndsTheContentEarly) {
    ParseXML reader;
    reader.OpenText("<a><a>1</a></a>");
    ParseXMLTag tag = reader.ReadTag();
    EXPECT_EQ(tag.content.str(), "<a>1");
}

TEST(ParseXML, UnterminatedSourcesEnd) {
    ParseXML reader;
    reader.OpenText("<a x='1'>never closed");
    ParseXMLTag tag = reader.ReadTag();
    ASSERT_FALSE(tag.missing);
    EXPECT_EQ(tag.content.str(), "never closed");
    EXPECT_TRUE(reader.ReadTag().missing);

    reader.OpenText("text only <unfinished");
    EXPECT_TRUE(reader.ReadTag().missing);

    reader.OpenFile("/nonexistent/devices.xml");
    EXPECT_TRUE(reader.ReadTag().missing);
}

TEST(ParseXML, AttributesSplitOutsideQuotes) {
    ParseXMLTag tag;
    tag.attributes = "a=\"one two\"  b='x y' c=plain d e=\"unpaired";
    ASSERT_EQ(tag.AttributeCount(), 5);
    EXPECT_EQ(tag.Attribute(0).content.str(), "one two");
    EXPECT_EQ(tag.Attribute(1).name.str(), "b");
    EXPECT_EQ(tag.Attribute(1).content.str(), "x y");
    EXPECT_EQ(tag.Attribute(2).content.str(), "plain");
    EXPECT_EQ(tag.Attribute(3).name.str(), "d");
    EXPECT_TRUE(tag.Attribute(3).content.IsEmpty());
    EXPECT_EQ(tag.Attribute(4).content.str(), "\"unpaired");
    EXPECT_TRUE(tag.Attribute(5).missing);
    EXPECT_TRUE(tag.Attribute(-1).missing);
}

TEST(ParseXML, ReadsFiles) {
    TempDir dir;
    ParseXML reader;
    reader.OpenFile(String(dir.Write("devices.xml", "<CARD name=\"llvmpipe\"><X>1</X></CARD>")));
    ParseXMLTag tag = reader.ReadTag();
    ASSERT_FALSE(tag.missing);
    EXPECT_EQ(tag.Attribute(0).content.str(), "llvmpipe");
}
