// The menus in the running game application, without a window: the main
// menu's greeting and new game, the profile menu's pages, the name entry,
// the options panel and its sliders. Dialogs that ask a question run
// modally and are walked by the process tests instead.
#include <gtest/gtest.h>

#include <string>

#include "app/InputScriptPlayer.h"
#include "game/BuiltData.h"
#include "game/PlimbZappetsApp.h"
#include "game/Transition.h"
#include "game/menus/EnterYourName.h"
#include "game/menus/MainMenu.h"
#include "game/menus/MenuText.h"
#include "game/menus/Slider.h"
#include "game/menus/UserMenu.h"
#include "media/Graphics.h"
#include "platform/ResourcePaths.h"
#include "support/TempDir.h"

namespace {

class MenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string root = BuiltDataRoot();
        if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
        ResourcePaths::SetDataRoot(root.c_str());
        savedDisplay = GetGraphics().Settings();
        app.mDataFolder = String(folder.Path() + "/");
        app.mConfigPath = String(folder.File("config.cfg"));
    }
    void TearDown() override { GetGraphics().Settings() = savedDisplay; }
    void Start(const std::string& config) {
        folder.Write("config.cfg", config);
        app.LoadResources();
    }
    Gadget* Find(const char* label) { return FindLabelledGadget(app, label); }
    // What a click on the control does: its listener hears of it; a list
    // row is a press on the list where the row is.
    void Press(const char* label) {
        Gadget* control = Find(label);
        ASSERT_NE(control, nullptr) << label;
        if (control->mListener) return control->mListener->Notify(control);
        ASSERT_NE(control->mParent, nullptr) << label;
        control->mParent->OnMouseDown(control->mRect.x + control->mRect.width / 2,
                                      control->mRect.y + control->mRect.height / 2, kLeftButton);
    }
    const Font& NameFont() const { return *app.Resources().FindFont("Fonts\\ArialBlack20Bold"); }

    TempDir folder;
    PlimbZappetsApp app;
    DisplaySettings savedDisplay;
};

TEST_F(MenusTest, TheGreetingTrimsFitsAndNamesTheNewPlayer) {
    Start("");
    const Font& font = NameFont();
    EXPECT_EQ(GreetingName(font, "   ", 300), "New User");
    EXPECT_EQ(GreetingName(font, "  Bo ", 300), "Bo");
    String longName = GreetingName(font, "Wilhelmina Wolfeschlegelsteinhausen", 300);
    EXPECT_TRUE(longName.str().ends_with("...")) << longName.str();
    EXPECT_LE(font.TextWidth(longName), 300);
    EXPECT_GT(font.TextWidth(longName + "WWWW"), 300) << "shortened no more than needed";

    // With no profile listed the stand-in folder's name is not shown.
    app.ShowMainMenu();
    app.profiles.ProfileFolder();
    auto* menu = dynamic_cast<MainMenu*>(app.mGadgets.GadgetAtIndex(0));
    ASSERT_NE(menu, nullptr);
    menu->RefreshUserName();
    EXPECT_EQ(menu->ShownName(), "New User");
}

TEST_F(MenusTest, TextPicturesHaveTheirPaddedEvenSizeAndAnOutline) {
    Start("");
    const Font& font = NameFont();
    Image picture = RenderOutlinedText(font, "Welcome Back");
    int32_t width = font.TextWidth("Welcome Back") + 15;
    EXPECT_EQ(picture.Width(), width + width % 2);
    EXPECT_EQ(picture.Height() % 2, 0);
    EXPECT_GE(picture.Height(), static_cast<int32_t>(font.LineHeight()) + 15);
    EXPECT_EQ(*picture.PixelAt(0, 0) >> 24, 0u) << "the corner stays clear";
    int32_t white = 0, outline = 0;
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x) {
            uint32_t pixel = *picture.PixelAt(x, y);
            if (pixel >> 24 == 255 && (pixel & 0xFF) == 255) ++white;
            if (pixel >> 24 >= 128 && (pixel & 0xFF) < 64) ++outline;
        }
    EXPECT_GT(white, 0);
    EXPECT_GT(outline, 0);
}

TEST_F(MenusTest, NewGameWithoutASavedJourneyOpensOnePlayStyleScreenAndOnlyOutsideTransitions) {
    Start("Profiles=Bo\r\n");
    app.ShowMainMenu();
    // With a profile the first-run prompt passes without showing anything.
    for (int32_t tick = 0; tick < 2 * MainMenu::kPromptDelayTicks; ++tick) app.mGadgets.Update();
    EXPECT_EQ(app.mGadgets.Count(), 1);

    app.StartTransition(TransitionKind::HighScores);
    Press("NewGame");
    EXPECT_EQ(Find("Normal"), nullptr) << "buttons wait for the transition";
    app.CurrentTransition()->Kill();
    app.SetTransitionSlot(nullptr);

    Press("NewGame");
    Gadget* card = Find("Normal");
    ASSERT_NE(card, nullptr);
    ASSERT_NE(card->mParent, nullptr);
    Press("NewGame");
    Gadget* parent = card->mParent->mParent;
    ASSERT_NE(parent, nullptr);
    int32_t screens = 0;
    for (int32_t i = 0; i < parent->mChildren->Count(); ++i)
        screens += std::string(parent->mChildren->GadgetAtIndex(i)->mName) == "PickDiff";
    EXPECT_EQ(screens, 1);
}

TEST_F(MenusTest, TheProfileMenuCreatesTrimmedNamesAndKeepsTheListAndServiceTogether) {
    Start("Profiles=Bo,Al\r\nCurrentProfile=Bo\r\n");
    auto* menu = new UserMenu(app, UserMenu::kChoose);
    app.mGadgets.Add(menu);
    EXPECT_FALSE(menu->OnCreatePage());
    EXPECT_EQ(menu->List().Selected(), 0);

    Press("Al");
    EXPECT_EQ(app.profiles.CurrentName(), "Al") << "a click in the list switches at once";

    Press("CREATE");
    ASSERT_TRUE(menu->OnCreatePage());
    auto* field = dynamic_cast<EditBox*>(Find("Name"));
    ASSERT_NE(field, nullptr);
    field->SetText("   ");
    Press("Name");
    EXPECT_TRUE(menu->OnCreatePage()) << "a blank name is no name";
    EXPECT_EQ(app.profiles.Count(), 2);

    field->SetText("  Cy  ");
    Press("CREATE");
    EXPECT_FALSE(menu->OnCreatePage());
    ASSERT_EQ(app.profiles.Count(), 3);
    EXPECT_EQ(app.profiles.NameAt(2), "Cy");
    EXPECT_EQ(app.profiles.CurrentName(), "Cy");
    EXPECT_EQ(menu->List().Count(), 3);
    EXPECT_EQ(menu->List().Selected(), 2);

    Press("SELECT");
    EXPECT_FALSE(menu->mModal);
    EXPECT_EQ(menu->mModalResult, 1);
    menu->Close();
    EXPECT_NE(folder.Read("config.cfg").find("Profiles=Bo,Al,Cy\r\nCurrentProfile=Cy"), std::string::npos);
}

TEST_F(MenusTest, TheFirstRunPromptOpensOnTheCreatePageWithoutAWayBack) {
    Start("");
    auto* menu = new UserMenu(app, UserMenu::kFirstRun);
    app.mGadgets.Add(menu);
    EXPECT_TRUE(menu->OnCreatePage());
    EXPECT_EQ(Find("CANCEL"), nullptr);
}

TEST_F(MenusTest, TheNameEntryEndsOnlyWithANameThatIsNotBlank) {
    Start("");
    auto* entry = new EnterYourName(app);
    app.mGadgets.Add(entry);
    entry->mModal = true;
    entry->Field().SetText("    ");
    Press("Name");
    EXPECT_TRUE(entry->mModal);
    EXPECT_TRUE(entry->EnteredName().IsEmpty());
    entry->Field().SetText(" Zed  ");
    Press("Name");
    EXPECT_FALSE(entry->mModal);
    EXPECT_EQ(entry->EnteredName(), "Zed");
}

struct Listener : Gadget {
    void Notify(Gadget*) override { ++heard; }
    int32_t heard = 0;
};

TEST_F(MenusTest, KeysStepTheSliderToItsEndsAndPressItHarmlessly) {
    Listener listener;
    Slider slider(nullptr, 75, 15, 4);
    slider.SetRect({320, 260, 292, 25});
    slider.mListener = &listener;
    slider.SetValue(1 - Slider::kKeyStep / 2);
    EXPECT_TRUE(slider.StepByKey(1));
    EXPECT_FLOAT_EQ(slider.Value(), 1);
    EXPECT_TRUE(slider.StepByKey(1));  // already at the end: no report
    EXPECT_EQ(listener.heard, 1);
    EXPECT_TRUE(slider.StepByKey(-1));
    EXPECT_FLOAT_EQ(slider.Value(), 1 - Slider::kKeyStep);
    EXPECT_TRUE(slider.PressByKey());  // a click in the middle would not move it either
    EXPECT_FLOAT_EQ(slider.Value(), 1 - Slider::kKeyStep);
    EXPECT_EQ(listener.heard, 2);
}

TEST_F(MenusTest, TheSliderFollowsItsKnobAndStopsAtBothEnds) {
    Listener listener;
    Slider slider(nullptr, 75, 15, 4);
    slider.SetRect({320, 260, 292, 25});
    slider.mListener = &listener;
    slider.SetValue(0.5f);
    float centre = slider.KnobCentreX();
    EXPECT_FLOAT_EQ(centre, 146);

    slider.OnMouseDown(10, 12, kLeftButton);  // beside the knob: no drag
    slider.OnDrag(200, 12);
    EXPECT_FLOAT_EQ(slider.Value(), 0.5f);
    EXPECT_EQ(listener.heard, 0);

    slider.OnMouseDown(centre + 20, 12, kLeftButton);  // taken off its centre
    slider.OnDrag(centre + 20, 12);
    EXPECT_FLOAT_EQ(slider.Value(), 0.5f) << "the knob does not jump to the pointer";
    slider.OnDrag(5000, 12);
    EXPECT_FLOAT_EQ(slider.Value(), 1);
    slider.OnDrag(-5000, 12);
    EXPECT_FLOAT_EQ(slider.Value(), 0);
    slider.OnDrag(-6000, 12);
    EXPECT_EQ(listener.heard, 2) << "every change, and only changes, are reported";
    slider.OnDragEnd(0, 0);
    slider.OnDrag(5000, 12);
    EXPECT_FLOAT_EQ(slider.Value(), 0);
    slider.SetValue(7);
    EXPECT_FLOAT_EQ(slider.Value(), 1);
}

TEST_F(MenusTest, TheOptionsRestartOnlyForAChangedAllowedHardwareChoice) {
    Start("");
    DisplaySettings& display = GetGraphics().Settings();
    display.safeMode = true;
    display.safeModeRequired = false;
    display.fullscreen = false;

    app.ShowOptions();
    Press("FullScreenOff");  // already windowed
    EXPECT_FALSE(display.fullscreen);
    Press("Done");
    EXPECT_FALSE(app.mRestart) << "nothing was touched";
    EXPECT_EQ(Find("Done"), nullptr);

    app.ShowOptions();
    Press("HardwareOn");
    Press("HardwareOff");
    Press("Done");
    EXPECT_FALSE(app.mRestart) << "changed and changed back";

    display.safeModeRequired = true;
    app.ShowOptions();
    Press("HardwareOn");
    Press("Done");
    EXPECT_FALSE(app.mRestart) << "this card needs safe mode";

    display.safeModeRequired = false;
    app.ShowOptions();
    Press("HardwareOn");
    Press("Done");
    EXPECT_TRUE(app.mRestart);
    EXPECT_FALSE(display.safeMode);
    EXPECT_EQ(display.width, 800);
    EXPECT_EQ(display.height, 600);
}

}  // namespace
