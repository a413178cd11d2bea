// The saved journey of the game application (PlimbZappetsApp.h). The file
// is the player's and may be damaged or forged: the journey itself is read
// and checked whole before anything changes; only a game record that fails
// after that ends the journey, on a new map.
#include <algorithm>

#include "core/IOBuffer.h"
#include "core/Log.h"
#include "game/PlimbZappetsApp.h"
#include "game/SavedGameWord.h"
#include "game/ScreenFactory.h"
#include "game/journey/DifficultyMenu.h"
#include "game/journey/PickDiff.h"
#include "game/play/Game.h"

namespace {
constexpr const char* kJourneyFile = "Journey.SAV";
constexpr int32_t kLongestGroupName = 64;  // characters; stage names are far shorter
constexpr int32_t kMostLives = 1 << 20;    // a journey could never earn this many
constexpr int32_t kWorlds = 5;
constexpr int32_t kPlayStyles = 3;

// The journey's own fields, as read before the application takes them.
struct JourneyFields {
    String group;
    std::array<int32_t, Catalogue::kBallColours> colourOrder{};
    int32_t score = 0, lives = 0, worldReached = 0, playStyle = 0;
};

bool IsPermutation(const std::array<int32_t, Catalogue::kBallColours>& order) {
    std::array<bool, Catalogue::kBallColours> seen{};
    for (int32_t colour : order) {
        if (colour < 0 || colour >= Catalogue::kBallColours || seen[static_cast<size_t>(colour)]) return false;
        seen[static_cast<size_t>(colour)] = true;
    }
    return true;
}

bool ReadFields(IOBuffer& in, JourneyFields& fields) {
    fields.group = in.ReadString();
    for (int32_t& colour : fields.colourOrder) colour = in.ReadInt();
    fields.score = in.ReadInt();
    fields.lives = in.ReadInt();
    fields.worldReached = in.ReadInt();
    fields.playStyle = in.ReadInt();
    return !in.HasError() && fields.group.Length() <= kLongestGroupName && IsPermutation(fields.colourOrder) &&
           fields.score >= 0 && fields.lives >= 0 && fields.lives <= kMostLives && fields.worldReached >= 0 &&
           fields.worldReached <= kWorlds && fields.playStyle >= 0 && fields.playStyle < kPlayStyles;
}
}  // namespace

String PlimbZappetsApp::SavedJourneyVersion() {
    IOBuffer buffer;
    if (!buffer.LoadFile(profiles.ProfileFilePath(kJourneyFile))) return String();
    String version = buffer.ReadString();
    return buffer.HasError() ? String() : version;
}

bool PlimbZappetsApp::IsShown(const Gadget* screen) const {
    if (!screen || screen->mKilled) return false;
    for (int32_t i = 0; i < mGadgets.Count(); ++i)
        if (mGadgets.At(i) == screen) return true;
    return false;
}

void PlimbZappetsApp::DestroyGame() {
    if (!game) return;
    // Killed gadgets are deleted by the list that holds them.
    if (!IsShown(game)) mGadgets.Add(game);
    KillSlot(game);
}

void PlimbZappetsApp::WriteJourney(IOBuffer& out) const {
    out.WriteString(kVersion);
    out.WriteString(currentGroup);
    for (int32_t colour : colourOrder) out.WriteInt(colour);
    out.WriteInt(score);
    out.WriteInt(lives);
    out.WriteInt(worldReached);
    out.WriteInt(playStyle);
    journeyMap->Save(out);
    Game* playing = CurrentGame();
    bool levelRunning = playing && playing->CurrentBoard();
    out.WriteBool(levelRunning);
    out.WriteBool(playing != nullptr);
    if (!playing) return;
    out.WriteInt(levelRunning ? SavedGameWord::WithMirror(savedGameWord, mirrorPaths) : savedGameWord);
    playing->Save(out);
}

void PlimbZappetsApp::SaveJourney() {
    if (!IsShown(game) && !IsShown(journeyMap)) return;
    if (!journeyMap) return;
    IOBuffer out;
    WriteJourney(out);
    if (!out.SaveFile(profiles.ProfileFilePath(kJourneyFile))) Log::Line("Could not write %s", kJourneyFile);
    // Saving ends play: the player comes back through the main menu.
    DestroyGame();
}

void PlimbZappetsApp::ClearJourney() {
    IOBuffer empty;
    if (!empty.SaveFile(profiles.ProfileFilePath(kJourneyFile))) Log::Line("Could not write %s", kJourneyFile);
}

bool PlimbZappetsApp::LoadJourney() {
    if (IsTransitionRunning()) return false;
    IOBuffer in;
    in.LoadFile(profiles.ProfileFilePath(kJourneyFile));
    String version = in.ReadString();
    if (in.HasError() || !version.EqualsIgnoreCase(kVersion)) {
        // Another version's journey cannot be continued; an empty file stays empty.
        ClearJourney();
        return false;
    }
    JourneyFields fields;
    auto map = std::make_unique<DifficultyMenu>(*this);
    if (!ReadFields(in, fields) || !map->Load(in)) {
        Log::Line("The saved journey is damaged; it is left as it is");
        return false;
    }
    bool levelRunning = in.ReadBool();
    bool gamePresent = in.ReadBool();
    levelRunning = levelRunning && gamePresent;

    DestroyGame();
    freshStart = true;
    restartGroup = false;
    currentGroup = fields.group;
    colourOrder = fields.colourOrder;
    score = fields.score;
    lives = fields.lives;
    worldReached = fields.worldReached;
    playStyle = fields.playStyle;
    DiscardJourneyMap();
    keptJourneyMap = std::move(map);
    journeyMap = keptJourneyMap.get();

    if (!gamePresent) {
        StartTransition(TransitionKind::JourneyMap);
        return true;
    }
    game = CreateScreen(*this, ScreenKind::Game);
    savedGameWord = in.ReadInt();
    freshStart = false;
    SelectLevelGroup();
    if (!CurrentGame()->Load(in)) {
        Log::Line("The saved game could not be restored; the journey starts again on a new map");
        DestroyGame();
        CloseAllScreens();
        DiscardJourneyMap();
        StartTransition(TransitionKind::JourneyMap);
        return false;
    }
    if (levelRunning) {
        resumeGame = true;
        StartTransition(TransitionKind::StartGame);
    } else {
        DestroyGame();
        StartTransition(TransitionKind::JourneyMap);
    }
    return true;
}

void PlimbZappetsApp::OpenPlayStyleChoice(Gadget& menu) { menu.AddChild(new PickDiff(*this)); }

void PlimbZappetsApp::StartNewJourney() {
    if (IsTransitionRunning()) return;
    DiscardJourneyMap();
    score = 0;
    lives = kStartLives;
    worldReached = 0;
    StartTransition(TransitionKind::JourneyMap);
}
