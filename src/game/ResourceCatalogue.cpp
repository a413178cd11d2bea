#include "game/ResourceCatalogue.h"

namespace {

constexpr int32_t kBallFrames = 90;
constexpr int32_t kRobotFrames = 90;
constexpr int32_t kCoinFrames = 6;
constexpr int32_t kBonusItemFrames = 5;
constexpr int32_t kFireballFrames = 20;
constexpr int32_t kMenuButtonFrames = 3;  // normal, highlighted, pressed
constexpr int32_t kManyCopies = 5;  // effects that may overlap themselves

ResourceEntry Sprite(const char* name, int32_t step = kStepPlayfieldSprites) {
    return {name, ResourceKind::Image, 1, 0, step};
}
ResourceEntry Strip(const char* name, int32_t frames, int32_t step = kStepPlayfieldSprites) {
    return {name, ResourceKind::Strip, frames, 0, step};
}
ResourceEntry Effect(const char* name, int32_t copies = kManyCopies) {
    return {name, ResourceKind::Sound, 1, copies, kStepSounds};
}
ResourceEntry Font(const char* name) { return {name, ResourceKind::Font, 1, 0, kStepFonts}; }
ResourceEntry BoardImage(const char* name) { return {name, ResourceKind::Image, 1, 0, 0}; }
ResourceEntry Music(const char* name) { return {name, ResourceKind::Music, 1, 0, 0}; }

}  // namespace

const std::vector<ResourceEntry>& ResourceCatalogue() {
    static const std::vector<ResourceEntry> entries = {
        // Ball colours 1 ... 8; the loader takes them in the journey's colour order.
        Strip("graphics\\balls\\1", kBallFrames),
        Strip("graphics\\balls\\2", kBallFrames),
        Strip("graphics\\balls\\3", kBallFrames),
        Strip("graphics\\balls\\4", kBallFrames),
        Strip("graphics\\balls\\5", kBallFrames),
        Strip("graphics\\balls\\6", kBallFrames),
        Strip("graphics\\balls\\7", kBallFrames),
        Strip("graphics\\balls\\8", kBallFrames),
        Strip("graphics\\Robot", kRobotFrames),
        Sprite("Graphics\\GemHalo"),
        Sprite("Graphics\\LivesIcon"),
        Sprite("Graphics\\REDO"),
        Sprite("Graphics\\Swirl"),
        Sprite("graphics\\Launcher"),
        Sprite("graphics\\LauncherLight"),
        Strip("graphics\\Coin", kCoinFrames),
        Strip("Graphics\\BonusItems", kBonusItemFrames),
        Sprite("graphics\\PauseBox"),
        Sprite("graphics\\ProgressFill"),
        Sprite("graphics\\WickSegment"),
        Sprite("graphics\\Spark"),
        Sprite("graphics\\Poof"),
        Sprite("graphics\\Bomb"),
        Sprite("graphics\\explosion"),
        Sprite("graphics\\Smoke1"),
        Sprite("graphics\\Smoke2"),
        Sprite("graphics\\Smoke3"),
        Sprite("graphics\\Star1"),
        Sprite("graphics\\Star2"),
        Sprite("graphics\\Star3"),
        Sprite("graphics\\Halo"),
        Sprite("graphics\\Speck"),
        Strip("graphics\\fireball", kFireballFrames),
        Strip("graphics\\PopupMenu\\InGameMenuButton", kMenuButtonFrames, kStepMenuSprites),

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

        Sprite("graphics\\UIBorder", kStepScreenSprites),

        Font("Fonts\\Arial24Bold"),
        Font("Fonts\\Arial14Bold"),
        Font("Fonts\\ArialBlack16Bold"),
        Font("Fonts\\ArialBlack20Bold"),

        BoardImage("Levels\\Blue\\Background"),
        BoardImage("Levels\\Blue\\Enemy1"),
        BoardImage("Levels\\Blue\\Enemy2"),
        // Calm for the menus and the temple map, lively for play.
        Music("Sounds\\Music\\Calm"),
        Music("Sounds\\Music\\Lively"),
    };
    return entries;
}
