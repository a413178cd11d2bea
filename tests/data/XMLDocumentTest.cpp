#include <gtest/gtest.h>

#include <string>

#include "data/XMLDocument.h"
#include "support/TempDir.h"

namespace {
int32_t ErrorOf(const char* text) {
    XMLDocument document;
    document.Parse(text);
    return document.error;
}
}  // namespace

TEST(XMLDocument, ReadsElementsParametersAndValues) {
    XMLDocument document;
    document.Parse("<a x=\"1\"/>");
    ASSERT_EQ(document.error, 0);
    ASSERT_EQ(document.tags.size(), 1u);
    const XMLTag& a = *document.tags[0];
    EXPECT_EQ(a.name.str(), "a");
    ASSERT_EQ(a.parameters.size(), 1u);
    EXPECT_EQ(a.parameters[0]->name.str(), "x");
    EXPECT_EQ(a.parameters[0]->value.str(), "1");
    EXPECT_TRUE(a.children.empty());
    EXPECT_TRUE(a.value.IsEmpty());

    document.Parse("<a> hello </a>");
    ASSERT_EQ(document.error, 0);
    EXPECT_EQ(document.tags[0]->value.str(), "hello");

    document.Parse("<a>text<b>1</b>more</a>");
    ASSERT_EQ(document.error, 0);
    ASSERT_EQ(document.tags[0]->children.size(), 1u);
    EXPECT_EQ(document.tags[0]->children[0]->name.str(), "b");
    EXPECT_EQ(document.tags[0]->children[0]->value.str(), "1");
    EXPECT_TRUE(document.tags[0]->value.IsEmpty());
}

TEST(XMLDocument, KeepsFileOrderAndSkipsDeclarationsAndComments) {
    XMLDocument document;
    document.Parse("<?xml version=\"1.0\"?>\n<!-- a <nested> comment -->\n<!DOCTYPE x>"
                   "<root p=\"1\" q = \"two words\"><b>1</b><c/><b>2</b></root><second/>");
    ASSERT_EQ(document.error, 0);
    ASSERT_EQ(document.tags.size(), 2u);
    const XMLTag& root = *document.Root();
    ASSERT_EQ(root.children.size(), 3u);
    EXPECT_EQ(root.children[0]->value.str(), "1");
    EXPECT_EQ(root.children[1]->name.str(), "c");
    EXPECT_EQ(root.children[2]->value.str(), "2");
    EXPECT_EQ(root.parameters[1]->value.str(), "two words");
    EXPECT_EQ(root.FindChild("B"), root.children[0].get());
    EXPECT_EQ(root.FindParameter("Q"), root.parameters[1].get());
    EXPECT_EQ(root.FindChild("missing"), nullptr);
}

TEST(XMLDocument, AnElementEndsAtTheFirstEndTagOfItsName) {
    XMLDocument document;
    document.Parse("<a><a>1</a></a>");
    for (const auto& tag : document.tags) {
        for (const auto& child : tag->children) EXPECT_FALSE(child->name == "a");
    }
    // A longer name that starts with the element's name is not its end tag.
    document.Parse("<a><ab>1</ab></a>");
    ASSERT_EQ(document.error, 0);
    EXPECT_EQ(document.tags[0]->children[0]->value.str(), "1");
    // End tag names are compared with their letter case.
    document.Parse("<a>1</A>");
    EXPECT_EQ(document.error, XMLDocument::kErrorEndTagMissing);
}

TEST(XMLDocument, QuotedTextHidesAngleBrackets) {
    XMLDocument document;
    document.Parse("<a>say \"<b>\" please</a>");
    ASSERT_EQ(document.error, 0);
    EXPECT_TRUE(document.tags[0]->children.empty());
    EXPECT_EQ(document.tags[0]->value.str(), "say \"<b>\" please");
}

TEST(XMLDocument, EveryErrorCodeFromItsConstruct) {
    XMLDocument document;
    document.Parse(nullptr);
    EXPECT_EQ(document.error, XMLDocument::kErrorNoText);
    EXPECT_EQ(ErrorOf("<a <b>"), XMLDocument::kErrorOpenInStartTag);
    EXPECT_EQ(ErrorOf("<a / x>"), XMLDocument::kErrorSlashWithoutClose);
    EXPECT_EQ(ErrorOf("<a =\"1\">x</a>"), XMLDocument::kErrorEmptyAttributeName);
    EXPECT_EQ(ErrorOf("<a>text"), XMLDocument::kErrorEndTagMissing);
    EXPECT_EQ(ErrorOf("<a/> <  "), XMLDocument::kErrorEndsAfterOpen);
    EXPECT_EQ(ErrorOf("<abc"), XMLDocument::kErrorEndsInTagName);
    EXPECT_EQ(ErrorOf("</a>"), XMLDocument::kErrorEmptyTagName);
    EXPECT_EQ(ErrorOf("<a x>"), XMLDocument::kErrorAttributeWithoutEquals);
    EXPECT_EQ(ErrorOf("<a x=1>"), XMLDocument::kErrorValueNotQuoted);
    EXPECT_EQ(ErrorOf("<a x/>"), XMLDocument::kErrorBadAttributeName);
    EXPECT_EQ(ErrorOf("<a x"), XMLDocument::kErrorBadAttributeName);
    EXPECT_EQ(ErrorOf("<a>"), XMLDocument::kErrorNothingAfterStartTag);
    EXPECT_EQ(ErrorOf("<!-- never closed"), XMLDocument::kErrorDeclarationNotClosed);
    EXPECT_EQ(ErrorOf("<!-- don't \" -->"), XMLDocument::kErrorQuoteNotClosed);
    EXPECT_EQ(ErrorOf("<a x=\"1>"), XMLDocument::kErrorQuoteNotClosed);
    EXPECT_EQ(ErrorOf("<a/><?"), XMLDocument::kErrorDeclarationAtEnd);
    EXPECT_EQ(ErrorOf("<!-- only a comment -->"), XMLDocument::kErrorNoTopLevelElement);
    EXPECT_EQ(ErrorOf("just text"), XMLDocument::kErrorNoTopLevelElement);
    EXPECT_EQ(ErrorOf("<a>1</a x>"), XMLDocument::kErrorBadEndTag);
}

TEST(XMLDocument, ElementsBeforeAnErrorStayAndAnUnclosedElementIsDropped) {
    XMLDocument document;
    document.Parse("<a/><b/><c x=1/>");
    EXPECT_EQ(document.error, XMLDocument::kErrorValueNotQuoted);
    EXPECT_EQ(document.tags.size(), 2u);

    // The range ends inside a candidate end tag: the element goes quietly.
    document.Parse("<a/><b>text</b");
    EXPECT_EQ(document.error, 0);
    ASSERT_EQ(document.tags.size(), 1u);
    EXPECT_EQ(document.tags[0]->name.str(), "a");
}

TEST(XMLDocument, HighBytesAreBlanksButValuesKeepThem) {
    XMLDocument document;
    document.Parse("<a>\xC3\xA9t\xC3\xA9</a>");
    ASSERT_EQ(document.error, 0);
    EXPECT_EQ(document.tags[0]->value.str(), "\xC3\xA9t\xC3\xA9");
}

namespace {
std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<n" + std::to_string(i) + ">";
    text += "x";
    for (int i = depth - 1; i >= 0; --i) text += "</n" + std::to_string(i) + ">";
    return text;
}
}  // namespace

TEST(XMLDocument, NestingIsBoundedSoHostileFilesStayFast) {
    XMLDocument document;
    document.Parse(Nested(XMLDocument::kMaxDepth).c_str());
    ASSERT_EQ(document.error, 0);
    const XMLTag* tag = document.Root();
    int levels = 1;
    while (!tag->children.empty()) {
        tag = tag->children[0].get();
        ++levels;
    }
    EXPECT_EQ(levels, XMLDocument::kMaxDepth);
    EXPECT_EQ(tag->value.str(), "x");

    document.Parse(Nested(XMLDocument::kMaxDepth + 1).c_str());
    EXPECT_EQ(document.error, XMLDocument::kErrorTooDeep);

    document.Parse(Nested(20000).c_str());
    EXPECT_EQ(document.error, XMLDocument::kErrorTooDeep);
}

TEST(XMLDocument, NormalisesPaths) {
    EXPECT_EQ(XMLDocument::NormalisePath("Data//Levels\\\\x.cfg").str(), "Data\\Levels\\x.cfg");
    EXPECT_EQ(XMLDocument::NormalisePath("\\/Data/x.cfg").str(), "Data\\x.cfg");
    EXPECT_TRUE(XMLDocument::NormalisePath("//").IsEmpty());
    EXPECT_TRUE(XMLDocument::NormalisePath("Data/").IsEmpty());
}

TEST(XMLDocument, LoadReportsPathAndFileProblems) {
    TempDir dir;
    XMLDocument document;
    document.Load("Data\\");
    EXPECT_EQ(document.error, XMLDocument::kErrorBadPath);

    document.Load(String(dir.File("absent.cfg")));
    EXPECT_EQ(document.error, 0);
    EXPECT_TRUE(document.tags.empty());

    document.Load(String(dir.Write("empty.cfg", "")));
    EXPECT_EQ(document.error, XMLDocument::kErrorEmptyFile);

    document.Load(String(dir.Write("comment.cfg", "<!-- nothing -->")));
    EXPECT_EQ(document.error, XMLDocument::kErrorNoTopLevelElement);

    // Doubled and mixed separators inside the path still reach the file.
    dir.Write("Levels/x.cfg", "<x>1</x>");
    document.Load(String(dir.Path() + "//Levels\\x.cfg"));
    ASSERT_EQ(document.error, 0);
    EXPECT_EQ(document.Root()->value.str(), "1");
}
