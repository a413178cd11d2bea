// The highlight that keys and the pad move among a screen's controls: which
// controls it reaches, where each move lands, what presses and backs out, and
// how it shares the keys with a focused field and the hover with the pointer.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "StandInHost.h"
#include "media/Font.h"
#include "ui/Button.h"
#include "ui/EditBox.h"
#include "ui/KeyNavigation.h"
#include "ui/LetterRow.h"

namespace {

void MakeFont(Font& font) {
    for (int32_t ch = ' '; ch <= 'z'; ++ch) font.AddGlyph(static_cast<uint8_t>(ch), -1, Rect{0, 0, 8, 12}, 10, 0, 0);
    font.MarkLoaded();
}

class KeyNavigationTest : public testing::Test {
protected:
    // Three buttons in a row above two: A B C / D E, D under A and E under C.
    void SetUp() override {
        host.mGadgets.Add(&screen);
        const char* labels[] = {"A", "B", "C", "D", "E"};
        for (int32_t i = 0; i < 5; ++i) {
            auto& button = buttons[static_cast<size_t>(i)];
            float x = static_cast<float>(i < 3 ? 100 + 200 * i : 150 + 300 * (i - 3));
            button.SetRect({x, i < 3 ? 100.0f : 300.0f, 80, 40});
            button.mLabel = labels[i];
            button.SetListener(&screen, true);
        }
    }
    void Key(uint32_t key) {
        host.Send(WindowMessage::KeyDown, 0, 0, key);
        host.Send(WindowMessage::KeyUp, 0, 0, key);
    }
    void Pad(PadButton button) {
        host.Send(WindowMessage::PadButtonDown, 0, 0, static_cast<uint32_t>(button));
        host.Send(WindowMessage::PadButtonUp, 0, 0, static_cast<uint32_t>(button));
    }
    std::string Lit() const {
        const Gadget* lit = KeyNavigation::Highlighted(host);
        return lit ? std::string(lit->mLabel.c_str()) : "";
    }

    StandInHost host;
    Probe screen{0, 0, 800, 600, "screen"};
    std::array<Button, 5> buttons;
};

TEST_F(KeyNavigationTest, TabReadsInOrderAndArrowsGoToTheNearestThatWay) {
    Key(VirtualKey::Tab);
    EXPECT_EQ(Lit(), "A");
    EXPECT_EQ(buttons[0].Frame(), 1);  // the hover picture is the highlight
    Key(VirtualKey::Tab);
    Key(VirtualKey::Tab);
    Key(VirtualKey::Tab);
    EXPECT_EQ(Lit(), "D");
    Key(VirtualKey::Tab);
    Key(VirtualKey::Tab);
    EXPECT_EQ(Lit(), "A");  // round again
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Shift);
    Key(VirtualKey::Tab);
    host.Send(WindowMessage::KeyUp, 0, 0, VirtualKey::Shift);
    EXPECT_EQ(Lit(), "E");
    Key(VirtualKey::Up);
    EXPECT_EQ(Lit(), "C");
    Key(VirtualKey::Left);
    EXPECT_EQ(Lit(), "B");
    Key(VirtualKey::Left);
    EXPECT_EQ(Lit(), "A");
    Key(VirtualKey::Down);
    EXPECT_EQ(Lit(), "D");
    Key(VirtualKey::Down);
    EXPECT_EQ(Lit(), "D");  // nothing lies that way: it stays
    Key(VirtualKey::Right);
    EXPECT_EQ(Lit(), "E");
    EXPECT_EQ(screen.notifications, 0);
}

TEST_F(KeyNavigationTest, EnterSpaceAndAPressThePointerTakesTheHighlightBack) {
    Key(VirtualKey::Return);
    EXPECT_EQ(Lit(), "A");  // several controls: the first key only shows where it is
    EXPECT_EQ(screen.notifications, 0);
    Key(VirtualKey::Return);
    EXPECT_EQ(screen.notifications, 1);
    Key(VirtualKey::Right);
    Key(VirtualKey::Space);
    Pad(PadButton::A);
    EXPECT_EQ(screen.notifications, 3);
    EXPECT_FALSE(buttons[1].mPressed);
    EXPECT_TRUE(host.mKeyHighlight);
    host.Send(WindowMessage::MouseMove, 160, 310);
    EXPECT_FALSE(host.mKeyHighlight);
    EXPECT_EQ(Lit(), "D");
    // Out of the window the pointer ends its own hover, never the keys'.
    Key(VirtualKey::Right);
    host.pointerInWindow = false;
    host.CheckMouseOutside();
    EXPECT_EQ(Lit(), "E");
}

TEST_F(KeyNavigationTest, OnlyShownEnabledUncoveredLeafControlsAreReached) {
    buttons[1].mDisabled = true;
    buttons[2].mHidden = true;
    buttons[3].mLabel = String();
    Key(VirtualKey::Tab);
    Key(VirtualKey::Tab);
    EXPECT_EQ(Lit(), "E");
    // A dialog over the screen: only its controls, and Escape presses its way back.
    Probe dialog{0, 0, 800, 600, "dialog"};
    Button ok, cancel;
    ok.SetRect({300, 250, 80, 40});
    ok.mLabel = "OK";
    cancel.SetRect({420, 250, 80, 40});
    cancel.mLabel = "CANCEL";
    ok.SetListener(&dialog, true);
    cancel.SetListener(&dialog, true);
    host.mGadgets.Add(&dialog);
    ASSERT_EQ(KeyNavigation::Controls(host).size(), 2u);
    Key(VirtualKey::Escape);
    EXPECT_EQ(dialog.notifications, 1);
    EXPECT_EQ(Lit(), "CANCEL");
    // A gadget holding labelled ones is a container, not a control.
    dialog.mLabel = "Dialog";
    EXPECT_EQ(KeyNavigation::Controls(host).size(), 2u);
    host.mGadgets.Remove(&dialog);
    // No way back on the screen: Escape does nothing.
    Key(VirtualKey::Escape);
    EXPECT_EQ(screen.notifications, 0);
}

TEST_F(KeyNavigationTest, AScreenWithOneControlTakesEnterAtOnce) {
    for (size_t i = 1; i < buttons.size(); ++i) screen.RemoveChild(&buttons[i]);
    Key(VirtualKey::Return);
    EXPECT_EQ(screen.notifications, 1);
}

TEST_F(KeyNavigationTest, TheFocusKeepsItsKeysUntilSomethingLiesOverIt) {
    struct Field : Probe {
        using Probe::Probe;
        void OnKeyUp(int32_t key) override { events.push_back("keyup " + std::to_string(key)); }
    } field{100, 500, 200, 30, "field"};
    screen.AddChild(&field);
    field.TakeFocus();
    Key(VirtualKey::Tab);
    host.Send(WindowMessage::Char, 0, 0, 'x');
    EXPECT_TRUE(field.Saw("key 9"));
    EXPECT_TRUE(field.Saw("char 120"));
    EXPECT_EQ(Lit(), "");
    Probe cover{0, 0, 800, 600, "cover"};
    host.mGadgets.Add(&cover);
    field.events.clear();
    host.Send(WindowMessage::KeyDown, 0, 0, 'Y');
    host.Send(WindowMessage::Char, 0, 0, 'y');
    EXPECT_TRUE(field.events.empty());
    EXPECT_EQ(host.KeyTarget(), nullptr);
    host.Send(WindowMessage::KeyUp, 0, 0, 'Y');
    EXPECT_TRUE(field.Saw("keyup 89"));  // releases still arrive, so no key stays held
    host.mGadgets.Remove(&cover);
}

TEST_F(KeyNavigationTest, ATextFieldLetsGoOfEnterWhenAButtonIsLit) {
    Font font;
    MakeFont(font);
    EditBox box;
    box.SetFont(&font);
    box.SetRect({100, 500, 200, 30});
    box.mLabel = "Name";
    box.SetListener(&screen, true);
    box.TakeFocus();
    host.Send(WindowMessage::Char, 0, 0, 'a');
    Key(VirtualKey::Up);  // leaves the field for the buttons
    EXPECT_EQ(Lit(), "A");
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Return);
    host.Send(WindowMessage::Char, 0, 0, VirtualKey::Return);
    EXPECT_EQ(screen.notifications, 1);  // the button, and the field did not answer too
    EXPECT_EQ(std::string(box.GetText().c_str()), "a");
    EXPECT_EQ(host.mFocusGadget, &box);
    // Back on the field, Enter is its own again.
    Key(VirtualKey::Tab);
    while (Lit() != "Name") Key(VirtualKey::Tab);
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Return);
    host.Send(WindowMessage::Char, 0, 0, VirtualKey::Return);
    EXPECT_EQ(screen.notifications, 2);
}

TEST_F(KeyNavigationTest, ThePadMovesOnceForEachLeanOfTheStick) {
    Pad(PadButton::DPadRight);
    EXPECT_EQ(Lit(), "A");
    EXPECT_TRUE(host.mPadInUse);
    auto lean = [&](PadAxis axis, int32_t value) {
        host.HandleEvent(0, WindowMessage::PadAxisMotion, static_cast<uint32_t>(axis), PackAxisValue(value));
    };
    lean(PadAxis::LeftX, kPadAxisMost);
    lean(PadAxis::LeftX, kPadAxisMost - 10);  // still held: no second move
    EXPECT_EQ(Lit(), "B");
    lean(PadAxis::LeftX, 0);
    lean(PadAxis::LeftX, kPadAxisMost);
    EXPECT_EQ(Lit(), "C");
    lean(PadAxis::LeftY, kPadAxisMost);
    EXPECT_EQ(Lit(), "E");
    Pad(PadButton::A);
    EXPECT_EQ(screen.notifications, 1);
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Left);
    EXPECT_FALSE(host.mPadInUse);  // a key ends the pad's turn
}

TEST(LetterRowTest, SpellsANameIntoItsFieldWithThePad) {
    StandInHost host;
    Font font;
    MakeFont(font);
    Probe screen{0, 0, 800, 600, "screen"};
    host.mGadgets.Add(&screen);
    EditBox box;
    box.SetFont(&font);
    box.SetRect({250, 300, 300, 30});
    box.mLabel = "Name";
    box.SetListener(&screen, true);
    LetterRow letters;
    letters.SetTarget(&box, &font);
    letters.Place(400, 350);
    screen.AddChild(&letters);
    host.mGadgets.Update();
    EXPECT_TRUE(letters.mHidden);  // keys and mouse type themselves
    EXPECT_EQ(KeyNavigation::Controls(host).size(), 1u);

    auto pad = [&](PadButton button) {
        host.Send(WindowMessage::PadButtonDown, 0, 0, static_cast<uint32_t>(button));
        host.Send(WindowMessage::PadButtonUp, 0, 0, static_cast<uint32_t>(button));
    };
    pad(PadButton::DPadDown);
    host.mGadgets.Update();
    EXPECT_FALSE(letters.mHidden);
    ASSERT_EQ(KeyNavigation::Controls(host).size(), 1u + LetterRow::kCellCount);
    // The highlight put on a cell (the moves have tests of their own), then A.
    auto press = [&](const char* label) {
        for (Gadget* control : KeyNavigation::Controls(host))
            if (control->mLabel == label) host.SetHover(control);
        ASSERT_NE(KeyNavigation::Highlighted(host), nullptr);
        ASSERT_EQ(std::string(KeyNavigation::Highlighted(host)->mLabel.c_str()), label);
        host.mKeyHighlight = true;
        pad(PadButton::A);
    };
    press("Letter G");
    press("Letter M");
    pad(PadButton::A);
    EXPECT_EQ(std::string(box.GetText().c_str()), "Gmm");
    press("Letter Space");
    press("Letter Delete");
    press("Letter Z");
    EXPECT_EQ(std::string(box.GetText().c_str()), "Gmmz");
    press("Letter Done");
    EXPECT_EQ(screen.notifications, 1);
    // Every cell lies inside the row, the two rows apart.
    for (const Gadget* control : KeyNavigation::Controls(host)) {
        if (control == &box) continue;
        EXPECT_GE(control->mRect.x, 0);
        EXPECT_LE(control->mRect.x + control->mRect.width, letters.mRect.width);
    }
}

}  // namespace
