// The built interface pictures against the places the screens draw them at:
// sizes that must agree, panels that must cover what is drawn on them, and
// buttons that must stay on screen and apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/BuiltData.h"

namespace {

constexpr int kScreenWidth = 800, kScreenHeight = 600;
constexpr float kTransitionScale = 9.0f;                 // the creature's full size
constexpr float kTransitionX = 400, kTransitionY = 300;  // where it is centred
constexpr int kOpaque = 255;

struct Rect {
    float x, y, w, h;
    bool Overlaps(const Rect& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
};

class ContentScreens : public testing::Test {
protected:
    void SetUp() override {
        root = BuiltDataRoot();
        if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    }
    Picture Load(const std::string& name) {
        std::string base = ResolveResource(root, name, {".png", ".jpg"});
        if (base.empty()) return {};
        Picture picture = LoadPicture(base + ".png");
        return picture.width > 0 ? picture : LoadPicture(base + ".jpg");
    }
    // Every corner of `area` (screen pixels) is opaque in `picture` drawn at `at`.
    void ExpectCovers(const std::string& name, Rect at, Rect area) {
        SCOPED_TRACE(name);
        Picture picture = Load(name);
        ASSERT_GT(picture.width, 0);
        for (float y : {area.y, area.y + area.h - 1})
            for (float x : {area.x, area.x + area.w - 1}) {
                int px = int(x - at.x), py = int(y - at.y);
                ASSERT_TRUE(px >= 0 && py >= 0 && px < picture.width && py < picture.height) << x << ", " << y;
                EXPECT_EQ(picture.At(px, py)[3], kOpaque) << x << ", " << y;
            }
    }
    std::string root;
};

TEST_F(ContentScreens, TransitionCreaturesCoverTheScreenAtFullSize) {
    for (int i = 1; i <= 8; ++i) {
        std::string name = "graphics\\Plimbs\\pl" + std::to_string(i) + "0";
        SCOPED_TRACE(name);
        Picture creature = Load(name);
        ASSERT_GT(creature.width, 0);
        // The screen seen through the creature at full size, in picture pixels.
        float cx = creature.width / 2.0f, cy = creature.height / 2.0f;
        int left = int(cx - kTransitionX / kTransitionScale), right = int(cx + kTransitionX / kTransitionScale);
        int top = int(cy - kTransitionY / kTransitionScale), bottom = int(cy + kTransitionY / kTransitionScale);
        ASSERT_GE(left, 0);
        ASSERT_GE(top, 0);
        int holes = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) holes += creature.At(x, y)[3] != kOpaque;
        EXPECT_EQ(holes, 0) << "the screen shows through at full size";
    }
}

TEST_F(ContentScreens, LooksOfOneControlShareOneSize) {
    const std::vector<std::vector<std::string>> groups = {
        {"Graphics\\Titlescreen\\Loading-Gray", "Graphics\\Titlescreen\\Loading-Full"},
        // Every message box button is shaped like OK1.
        {"Graphics\\DialogBox\\OK1", "Graphics\\DialogBox\\OK2", "Graphics\\DialogBox\\OK3",
         "Graphics\\DialogBox\\YES1", "Graphics\\DialogBox\\YES2", "Graphics\\DialogBox\\YES3",
         "Graphics\\DialogBox\\NO1", "Graphics\\DialogBox\\NO2", "Graphics\\DialogBox\\NO3"},
        {"graphics\\optionsmenu\\DONEDOWN", "graphics\\optionsmenu\\DONEHILITE"},
        {"Graphics\\usermenu\\currentuser", "Graphics\\usermenu\\changeuser"},
    };
    std::vector<std::vector<std::string>> all = groups;
    for (const char* button : {"createuser", "Deleteuser", "Selectuser", "Cancel"}) {
        std::string base = std::string("Graphics\\usermenu\\") + button;
        all.push_back({base + "1", base + "2", base + "3"});
    }
    for (const char* button : {"NewGame", "ResumeGame", "Options", "ExitGame", "HighScores"}) {
        std::string base = std::string("graphics\\mainmenu\\") + button;
        all.push_back({base + "Normal", base + "Hilite"});
    }
    for (const auto& group : all) {
        SCOPED_TRACE(group.front());
        Picture first = Load(group.front());
        ASSERT_GT(first.width, 0);
        for (const std::string& name : group) {
            Picture other = Load(name);
            EXPECT_EQ(other.width, first.width) << name;
            EXPECT_EQ(other.height, first.height) << name;
        }
    }
}

TEST_F(ContentScreens, MainMenuButtonsStayOnScreenAndApart) {
    struct Placed {
        const char* name;
        float x, y;
    };
    const Placed buttons[] = {{"NewGame", 87, 256},
                              {"ResumeGame", 525, 250},
                              {"Options", 640, 440},
                              {"ExitGame", 720, -15},
                              {"HighScores", 10, 441}};
    const Rect greeting{250, 458, 300, 115};
    constexpr float kExitOverhang = 15;  // the exit tab hangs from above the top edge
    constexpr float kCornerDepth = 60;   // how far down the exit tab may reach
    std::vector<Rect> placed;
    for (const Placed& b : buttons) {
        SCOPED_TRACE(b.name);
        Picture picture = Load(std::string("graphics\\mainmenu\\") + b.name + "Normal");
        ASSERT_GT(picture.width, 0);
        Rect r{b.x, b.y, float(picture.width), float(picture.height)};
        EXPECT_GE(r.x, 0);
        EXPECT_GE(r.y, -kExitOverhang);
        EXPECT_LE(r.x + r.w, kScreenWidth);
        EXPECT_LE(r.y + r.h, kScreenHeight);
        EXPECT_FALSE(r.Overlaps(greeting)) << "covers the greeting";
        for (const Rect& other : placed) EXPECT_FALSE(r.Overlaps(other)) << "overlaps another button";
        placed.push_back(r);
    }
    EXPECT_LE(placed[3].y + placed[3].h, kCornerDepth) << "the exit tab leaves the corner";
}

TEST_F(ContentScreens, PanelsCoverWhatIsDrawnOnThem) {
    // Message box (its own coordinates; the panel is centred at 400, 300): six
    // lines of the 20-pixel font from (231, 238), 338 wide, and the button row.
    Picture info = Load("Graphics\\DialogBox\\INFOBOX");
    Picture ok = Load("Graphics\\DialogBox\\OK1");
    ASSERT_GT(info.width, 0);
    ASSERT_GT(ok.width, 0);
    Rect infoAt{400.0f - info.width / 2, 300.0f - info.height / 2, 0, 0};
    ExpectCovers("Graphics\\DialogBox\\INFOBOX", infoAt, {231, 238, 338, 6 * 24});
    ExpectCovers("Graphics\\DialogBox\\INFOBOX", infoAt, {273, 429, 443.0f + ok.width - 273, float(ok.height)});
    EXPECT_EQ(358 + ok.width / 2, 400) << "the OK button is off the box's middle";

    // Options panel: the done button, both volume tracks and the four boxes.
    const Rect optionsAt{134.5f, 40, 0, 0};
    for (Rect area : {Rect{231, 468, 336, 75}, Rect{320, 260, 292, 25}, Rect{315, 209, 53, 25}, Rect{390, 287, 53, 25}})
        ExpectCovers("graphics\\optionsmenu\\OptionsMenu", optionsAt, area);

    // The two screens' backgrounds fill the screen.
    for (const char* name : {"Graphics\\Titlescreen\\Background", "graphics\\mainmenu\\Background"}) {
        Picture background = Load(name);
        EXPECT_EQ(background.width, kScreenWidth) << name;
        EXPECT_EQ(background.height, kScreenHeight) << name;
    }
}

}  // namespace
