#include "game/ResourceCatalogue.h"

namespace {

constexpr int32_t kBallFrames = 90;
constexpr int32_t kRobotFrames = 90;
constexpr int32_t kCoinFrames = 6;
constexpr int32_t kBonusItemFrames = 5;
constexpr int32_t kFireballFrames = 20;
constexpr int32_t kButtonFrames = 3;  // normal, highlighted, pressed
constexpr int32_t kManyCopies = 5;    // effects that may overlap themselves

ResourceEntry Sprite(const char* name, int32_t step) { return {name, ResourceKind::Image, 1, 0, step, 1}; }
// A sprite that moves the progress bar by nothing.
ResourceEntry SilentSprite(const char* name, int32_t step) { return {name, ResourceKind::Image, 1, 0, step, 0}; }
ResourceEntry Strip(const char* name, int32_t frames, int32_t step) {
    return {name, ResourceKind::Strip, frames, 0, step, 1};
}
ResourceEntry Buttons(const char* name) {
    return {name, ResourceKind::ButtonStates, kButtonFrames, 0, kStepDialogSprites, 1};
}
ResourceEntry Mirrored(const char* name) { return {name, ResourceKind::MirroredPair, 1, 0, kStepTempleSprites, 1}; }
ResourceEntry Doors(const char* name) { return {name, ResourceKind::DoorRow, 1, 0, kStepTempleSprites, 2}; }
ResourceEntry Mask(const char* name) { return {name, ResourceKind::MaskRow, 1, 0, kStepTempleSprites, 1}; }
ResourceEntry Effect(const char* name, int32_t copies = kManyCopies) {
    return {name, ResourceKind::Sound, 1, copies, kStepSounds, 1};
}
ResourceEntry Font(const char* name) { return {name, ResourceKind::Font, 1, 0, kStepFonts, 1}; }
ResourceEntry Document(const char* name) { return {name, ResourceKind::Document, 1, 0, kStepConfiguration, 1}; }
ResourceEntry BoardImage(const char* name) { return {name, ResourceKind::Image, 1, 0, 0, 0}; }
ResourceEntry Music(const char* name) { return {name, ResourceKind::Music, 1, 0, 0, 0}; }

}  // namespace

const std::vector<ResourceEntry>& ResourceCatalogue() {
    constexpr int32_t play = kStepPlayfieldSprites, dialog = kStepDialogSprites, menu = kStepMenuSprites;
    constexpr int32_t popup = kStepPopupSprites, temple = kStepTempleSprites, scores = kStepHighScoreSprites;
    constexpr int32_t screen = kStepScreenSprites;
    static const std::vector<ResourceEntry> entries = {
        // Ball colours 1 ... 8; the loader takes them in the journey's colour order.
        Strip("graphics\\balls\\1", kBallFrames, play),
        Strip("graphics\\balls\\2", kBallFrames, play),
        Strip("graphics\\balls\\3", kBallFrames, play),
        Strip("graphics\\balls\\4", kBallFrames, play),
        Strip("graphics\\balls\\5", kBallFrames, play),
        Strip("graphics\\balls\\6", kBallFrames, play),
        Strip("graphics\\balls\\7", kBallFrames, play),
        Strip("graphics\\balls\\8", kBallFrames, play),
        Strip("graphics\\Robot", kRobotFrames, play),
        Sprite("Graphics\\GemHalo", play),
        Sprite("Graphics\\LivesIcon", play),
        Sprite("Graphics\\REDO", play),
        Sprite("Graphics\\Swirl", play),
        Sprite("graphics\\Launcher", play),
        Sprite("graphics\\LauncherLight", play),
        Strip("graphics\\Coin", kCoinFrames, play),
        Strip("Graphics\\BonusItems", kBonusItemFrames, play),
        Sprite("graphics\\PauseBox", play),
        Sprite("graphics\\ProgressFill", play),
        Sprite("graphics\\WickSegment", play),
        Sprite("graphics\\Spark", play),
        Sprite("graphics\\Poof", play),
        Sprite("graphics\\Bomb", play),
        Sprite("graphics\\explosion", play),
        Sprite("graphics\\Smoke1", play),
        Sprite("graphics\\Smoke2", play),
        Sprite("graphics\\Smoke3", play),
        Sprite("graphics\\Star1", play),
        Sprite("graphics\\Star2", play),
        Sprite("graphics\\Star3", play),
        Sprite("graphics\\Halo", play),
        Sprite("graphics\\Speck", play),
        Strip("graphics\\fireball", kFireballFrames, play),

        Sprite("Graphics\\usermenu\\currentuser", dialog),
        Sprite("Graphics\\usermenu\\changeuser", dialog),
        Sprite("Graphics\\usermenu\\userscreen", dialog),
        Buttons("Graphics\\usermenu\\createuser"),
        Buttons("Graphics\\usermenu\\Deleteuser"),
        Buttons("Graphics\\usermenu\\Selectuser"),
        Buttons("Graphics\\usermenu\\Cancel"),
        Sprite("Graphics\\usermenu\\newuser", dialog),
        Sprite("Graphics\\DialogBox\\INFOBOX", dialog),
        Sprite("Graphics\\DialogBox\\OK1", dialog),
        Sprite("Graphics\\DialogBox\\OK2", dialog),
        Sprite("Graphics\\DialogBox\\OK3", dialog),
        Sprite("Graphics\\DialogBox\\YES1", dialog),
        Sprite("Graphics\\DialogBox\\YES2", dialog),
        Sprite("Graphics\\DialogBox\\YES3", dialog),
        Sprite("Graphics\\DialogBox\\NO1", dialog),
        Sprite("Graphics\\DialogBox\\NO2", dialog),
        Sprite("Graphics\\DialogBox\\NO3", dialog),
        Sprite("graphics\\optionsmenu\\DONEDOWN", dialog),
        Sprite("graphics\\optionsmenu\\DONEHILITE", dialog),
        SilentSprite("graphics\\optionsmenu\\SliderKnob", dialog),

        Sprite("graphics\\diff\\ChooseDifficultyBackground", menu),
        Sprite("graphics\\diff\\Apocaplypse", menu),
        Sprite("graphics\\mainmenu\\HighScoresNormal", menu),
        Sprite("graphics\\mainmenu\\HighScoresHilite", menu),
        Sprite("graphics\\mainmenu\\ResumeGameNormal", menu),
        Sprite("graphics\\mainmenu\\NewGameNormal", menu),
        Sprite("graphics\\mainmenu\\NewGameHilite", menu),
        Sprite("graphics\\mainmenu\\OptionsHilite", menu),
        Sprite("graphics\\mainmenu\\ResumeGameHilite", menu),
        Sprite("graphics\\mainmenu\\OptionsNormal", menu),
        Sprite("graphics\\diff\\Normal", menu),
        Sprite("graphics\\diff\\Child", menu),
        Sprite("graphics\\mainmenu\\ExitGameNormal", menu),
        Sprite("graphics\\mainmenu\\ExitGameHilite", menu),

        Sprite("graphics\\PopupMenu\\PopupBackground", popup),
        Sprite("graphics\\PopupMenu\\BackToGame", popup),
        Sprite("graphics\\PopupMenu\\BackToGameHilite", popup),
        Sprite("graphics\\PopupMenu\\BackToMainMenu", popup),
        Sprite("graphics\\PopupMenu\\BackToMainMenuHilite", popup),
        Sprite("graphics\\PopupMenu\\BackToTemple", popup),
        Sprite("graphics\\PopupMenu\\BackToTempleHilite", popup),
        Strip("graphics\\PopupMenu\\InGameMenuButton", kButtonFrames, popup),

        Mirrored("Graphics\\TempleScreen\\BackgroundTree"),
        Mirrored("Graphics\\TempleScreen\\ForegroundLeaves"),
        Mirrored("Graphics\\TempleScreen\\BackgroundLeaf"),
        Sprite("Graphics\\TempleScreen\\Stairs", temple),
        SilentSprite("Graphics\\TempleScreen\\World1", temple),
        SilentSprite("Graphics\\TempleScreen\\World2", temple),
        SilentSprite("Graphics\\TempleScreen\\World3", temple),
        SilentSprite("Graphics\\TempleScreen\\World4", temple),
        SilentSprite("Graphics\\TempleScreen\\World5", temple),
        Doors("Graphics\\TempleScreen\\World1Doors"),
        Doors("Graphics\\TempleScreen\\World2Doors"),
        Doors("Graphics\\TempleScreen\\World3Doors"),
        Doors("Graphics\\TempleScreen\\World4Doors"),
        Sprite("Graphics\\YouWin", temple),
        Sprite("Graphics\\YouWinOutline", temple),
        Sprite("Graphics\\ClickToContinue", temple),
        Mask("Graphics\\TempleScreen\\ShatterMask"),
        Sprite("Graphics\\TempleScreen\\World5Doors", temple),
        Sprite("Graphics\\TempleScreen\\Floater1", temple),
        Sprite("Graphics\\TempleScreen\\Floater2", temple),
        Sprite("Graphics\\TempleScreen\\Floater3", temple),
        Mirrored("Graphics\\TempleScreen\\Torch"),
        Sprite("Graphics\\TempleScreen\\BackToMainMenu", temple),

        Sprite("Graphics\\HighScore\\MasterZappets", scores),
        Sprite("Graphics\\HighScore\\ZappetStats", scores),
        Sprite("Graphics\\HighScore\\ViewScores", scores),
        Sprite("Graphics\\HighScore\\ViewStats", scores),

        // The explosion is loaded twice: one copy for a single big blast, five
        // for overlapping pops.
        Effect("Sounds\\explode", 1),
        Effect("Sounds\\shot_sound"),
        Effect("Sounds\\ball_bump"),
        Effect("Sounds\\explode"),
        Effect("Sounds\\DiedSong", 1),
        Effect("Sounds\\DIEDSONGREVERSE", 1),
        Effect("Sounds\\Coin"),
        Effect("Sounds\\fanfare"),
        Effect("Sounds\\blip"),
        Effect("Sounds\\ROBO_BUST"),
        Effect("Sounds\\FIREWORK"),
        Effect("Sounds\\pop"),
        Effect("Sounds\\plimbsound"),
        Effect("Sounds\\plimbsoundskull"),
        Effect("Sounds\\snap"),
        Effect("Sounds\\THUNDER_CLAP"),
        Effect("Sounds\\FIREBALL"),
        Effect("Sounds\\ROLL"),
        Effect("Sounds\\GapBonus"),

        Sprite("Graphics\\HighScore\\InfoBackground", screen),
        Sprite("graphics\\Plimbs\\pl10", screen),
        Sprite("graphics\\Plimbs\\pl20", screen),
        Sprite("graphics\\Plimbs\\pl30", screen),
        Sprite("graphics\\Plimbs\\pl40", screen),
        Sprite("graphics\\Plimbs\\pl50", screen),
        Sprite("graphics\\Plimbs\\pl60", screen),
        Sprite("graphics\\Plimbs\\pl70", screen),
        Sprite("graphics\\Plimbs\\pl80", screen),
        Sprite("Graphics\\GameOver\\GameOver", screen),
        Sprite("Graphics\\GameOver\\YouGotAHighScore", screen),
        Sprite("Graphics\\GameOver\\EnterYourName", screen),
        Sprite("graphics\\optionsmenu\\OptionsMenu", screen),
        Sprite("graphics\\mainmenu\\Background", screen),
        Sprite("Graphics\\GameOver\\FinalStats", screen),
        Sprite("Graphics\\Levelup\\LevelupBackground", screen),
        Sprite("Graphics\\Levelup\\LevelupStats", screen),
        Strip("Graphics\\Levelup\\ContinueButton", kButtonFrames, screen),
        Sprite("graphics\\UIBorder", screen),
        Sprite("Graphics\\TempleScreen\\Background", screen),

        Font("Fonts\\Arial24Bold"),
        Font("Fonts\\Arial14Bold"),
        Font("Fonts\\ArialBlack16Bold"),
        Font("Fonts\\ArialBlack20Bold"),

        Document("Data\\Difficulty1.CFG"),
        Document("Data\\Difficulty2.CFG"),
        Document("Data\\Difficulty3.CFG"),
        Document("Data\\Difficulty4.CFG"),
        Document("Data\\Difficulty5.CFG"),
        {"Data\\LevelOrder.CFG", ResourceKind::LevelOrder, 1, 0, kStepConfiguration, 1},

        BoardImage("Levels\\Blue\\Background"),
        BoardImage("Levels\\Blue\\Enemy1"),
        BoardImage("Levels\\Blue\\Enemy2"),
        // Calm for the menus and for the temple map, three lively pieces that
        // take turns in play, and the stings of a won level and a lost game.
        Music("Sounds\\Music\\Calm"),
        Music("Sounds\\Music\\Temple"),
        Music("Sounds\\Music\\Lively"),
        Music("Sounds\\Music\\Bounce"),
        Music("Sounds\\Music\\Chase"),
        Music("Sounds\\Music\\LevelWon"),
        Music("Sounds\\Music\\GameOver"),
    };
    return entries;
}
