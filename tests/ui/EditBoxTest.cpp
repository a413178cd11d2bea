#include <gtest/gtest.h>

#include <string>

#include "StandInHost.h"
#include "media/Font.h"
#include "media/Keyboard.h"
#include "platform/Clipboard.h"
#include "platform/Window.h"
#include "ui/EditBox.h"

namespace {
constexpr float kAdvance = 10;  // every glyph of the test font

// Letters, digits and '*', but no 'Q' and no upper-case 'Z'.
void MakeFont(Font& font) {
    auto add = [&](char ch) { font.AddGlyph(static_cast<uint8_t>(ch), -1, Rect{0, 0, 8, 12}, kAdvance, 0, 0); };
    for (char ch = 'a'; ch <= 'z'; ++ch) add(ch);
    for (char ch = 'A'; ch <= 'Y'; ++ch) {
        if (ch != 'Q') add(ch);
    }
    for (char ch = '0'; ch <= '9'; ++ch) add(ch);
    add('*');
    add(' ');
    font.MarkLoaded();
}

class EditBoxTest : public testing::Test {
protected:
    void SetUp() override {
        MakeFont(font);
        box.SetFont(&font);
        box.SetRect({100, 100, 200, 30});
        box.SetListener(&screen, true);
        host.mGadgets.Add(&screen);
        box.TakeFocus();
    }
    void Type(const std::string& text) {
        for (char ch : text) host.Send(WindowMessage::Char, 0, 0, static_cast<uint8_t>(ch));
    }
    void Key(uint32_t key) { host.Send(WindowMessage::KeyDown, 0, 0, key); }

    StandInHost host;
    Font font;
    Probe screen{0, 0, 800, 600, "screen"};
    EditBox box;
};

// The clipboard needs a display; headless, it is kept in memory.
class ClipboardTest : public EditBoxTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create("clipboard", 0, 0, 16, 16));
        EditBoxTest::SetUp();
    }
    Window window;
};
}  // namespace

TEST_F(EditBoxTest, ASpaceIsRefusedAtTheStartAndAcceptedAfterALetter) {
    Type(" ");
    EXPECT_EQ(box.GetText(), "");
    EXPECT_EQ(host.beeps, 1);
    Type("a b");
    EXPECT_EQ(box.GetText(), "a b");
    Key(VirtualKey::Home);
    Type(" ");
    EXPECT_EQ(box.GetText(), "a b");
    EXPECT_EQ(host.beeps, 2);
}

TEST_F(EditBoxTest, EnterOnAnEmptyBoxDoesNothingUnlessAllowed) {
    Type("\r");
    EXPECT_EQ(screen.notifications, 0);
    EXPECT_EQ(host.mFocusGadget, &box);
    box.mAllowEmpty = true;
    Type("\r");
    EXPECT_EQ(screen.notifications, 1);
    EXPECT_EQ(host.mFocusGadget, nullptr);  // the box gave up the keyboard
    Type("x");
    EXPECT_EQ(box.GetText(), "");
}

TEST_F(EditBoxTest, RefusedAndDroppedCharacters) {
    box.SetForbidden("*");
    Type("a*Q");  // '*' forbidden: beep; 'Q' has no glyph: dropped quietly
    EXPECT_EQ(box.GetText(), "a");
    EXPECT_EQ(host.beeps, 1);
    box.OnChar(static_cast<int32_t>(0x80000000u));
    box.OnChar(300);
    box.OnChar(200);  // beyond the font's glyphs
    EXPECT_EQ(box.GetText(), "a");

    box.mLimitLength = true;
    box.mMaxLength = 3;
    Type("bcd");
    EXPECT_EQ(box.GetText(), "abc");
    EXPECT_EQ(host.beeps, 2);
}

TEST_F(EditBoxTest, TheWidthLimitLeavesRoomForTheCaret) {
    box.mLimitWidth = true;
    box.mMaxWidth = 34;  // 30 pixels of text plus the 4-pixel caret
    Type("abcd");
    EXPECT_EQ(box.GetText(), "abc");
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(EditBoxTest, CaseRules) {
    box.mCapitalise = true;
    Type("ab");
    EXPECT_EQ(box.GetText(), "Ab");
    box.SetText("");
    Type("zz");  // no upper-case 'Z' glyph: stays as typed
    EXPECT_EQ(box.GetText(), "zz");
    box.SetText("");
    box.mUpperCase = true;
    Type("abc");
    EXPECT_EQ(box.GetText(), "ABC");
}

TEST_F(EditBoxTest, KeysMoveTheCaretAndEdit) {
    Type("abcd");
    Key(VirtualKey::Left);
    Key(VirtualKey::Left);
    Type("\b");
    EXPECT_EQ(box.GetText(), "acd");
    EXPECT_EQ(box.mCaret, 1);
    Key(VirtualKey::Delete);
    EXPECT_EQ(box.GetText(), "ad");
    Key(VirtualKey::Home);
    Type("\b");
    Key(VirtualKey::Left);
    EXPECT_EQ(box.mCaret, 0);
    Key(VirtualKey::End);
    Key(VirtualKey::Right);
    Key(VirtualKey::Delete);
    EXPECT_EQ(box.mCaret, 2);
    EXPECT_EQ(box.GetText(), "ad");

    EditBox next;
    next.SetFont(&font);
    box.mNextField = &next;
    Key(VirtualKey::Tab);
    EXPECT_EQ(host.mFocusGadget, &next);
}

TEST_F(EditBoxTest, AClickPutsTheCaretAtTheNearestBoundary) {
    box.SetText("abc");
    host.Send(WindowMessage::MouseMove, 100 + 2 + 14, 110);
    host.Send(WindowMessage::LeftButtonDown, 100 + 2 + 14, 110);  // left half of 'b'
    EXPECT_EQ(box.mCaret, 1);
    host.Send(WindowMessage::LeftButtonUp, 100 + 2 + 16, 110);
    host.Send(WindowMessage::LeftButtonDown, 100 + 2 + 16, 110);  // right half of 'b'
    host.Send(WindowMessage::LeftButtonUp, 100 + 2 + 16, 110);
    EXPECT_EQ(box.mCaret, 2);
    host.Click(299, 110);
    EXPECT_EQ(box.mCaret, 3);
}

TEST_F(EditBoxTest, ALongTextScrollsToKeepTheCaretInside) {
    box.mRect.width = 50;  // 42 pixels for text and caret
    Type("abcdefgh");
    EXPECT_EQ(box.mScroll, 80 - 42);
    Key(VirtualKey::Home);
    EXPECT_EQ(box.mScroll, 0);
}

TEST_F(EditBoxTest, WithoutAFontOrReadOnlyNothingIsTyped) {
    box.mReadOnly = true;
    Type("abc");
    box.mReadOnly = false;
    box.SetFont(nullptr);
    Type("abc");
    EXPECT_EQ(box.GetText(), "");
}

TEST_F(ClipboardTest, PasteGoesThroughTheCharacterRules) {
    box.SetForbidden("*");
    ASSERT_TRUE(WriteClipboardText("ab*c\x01\td"));
    uint8_t shift[kKeyCodeCount] = {};
    shift[DIK_LSHIFT] = 0x80;
    GetKeyboard().Step(shift);
    Key(VirtualKey::Insert);
    GetKeyboard().Clear();
    EXPECT_EQ(box.GetText(), "abcd");
    EXPECT_EQ(host.beeps, 1);
    Key(VirtualKey::Insert);  // without Shift nothing is pasted
    EXPECT_EQ(box.GetText(), "abcd");
    host.Send(WindowMessage::RightButtonDown, 110, 110);  // a right click pastes too
    EXPECT_EQ(box.GetText(), "abcdabcd");
}

TEST_F(ClipboardTest, AHugeClipboardIsCutAt1024Characters) {
    ASSERT_TRUE(WriteClipboardText(String(std::string(1 << 20, 'a'))));
    box.Paste();
    EXPECT_EQ(box.GetText().Length(), EditBox::kMaxPasteLength);
}
