#include "game/attract/Demo.h"

#include <cmath>
#include <vector>

#include "board/AutoPlayer.h"
#include "board/Board.h"
#include "board/BoardFactory.h"
#include "board/JourneyNames.h"
#include "core/Log.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/play/Game.h"
#include "media/Font.h"
#include "media/Graphics.h"
#include "media/Sound.h"

namespace {
constexpr float kScreenWidth = 800, kScreenHeight = 600;
constexpr const char* kCaptionFont = "Fonts\\Arial24Bold";
constexpr float kCaptionCentreY = 300;  // pixels; the middle of the field
constexpr float kBandHeight = 44;       // pixels of the dark band behind the caption
constexpr float kBandOpacity = 0.45f;
constexpr float kPulseTicks = 160;  // update steps of one fade out and in of the caption
constexpr float kLowestCaptionOpacity = 0.7f;
constexpr float kSoundVolume = 0.5f;  // the show is quieter than a game
constexpr float kTwoPi = 6.2831853f;

struct DemoLevel {
    String name;
    int32_t worldIndex;
};

// Every level of the first worlds' stages a built board plays, in library order.
std::vector<DemoLevel> DemoLevels(const PlimbZappetsApp& app) {
    std::vector<DemoLevel> levels;
    for (const LevelGroup& group : app.Resources().Levels().Groups()) {
        int32_t world = 0, stage = 0;
        if (!JourneyNames::ParseStageName(group.name, world, stage) || world < 1 || world > Demo::kLastWorld) continue;
        for (const String& name : group.levelNames)
            if (HasBoardFor(name)) levels.push_back({name, world - 1});
    }
    return levels;
}
}  // namespace

Demo::Demo(PlimbZappetsApp& owner) : app(owner), media(owner.Resources().BoardPictures(owner.colourOrder)) {
    mName = "Demo";
    FillScreen();
    StartRandomBoard();
}

Demo::~Demo() { DestroyBoard(); }

void Demo::DestroyBoard() {
    bot.reset();
    if (!board) return;
    RemoveChild(board);
    delete board;
    board = nullptr;
}

void Demo::StartRandomBoard() {
    DestroyBoard();
    std::vector<DemoLevel> levels = DemoLevels(app);
    if (levels.empty()) return;
    const DemoLevel& chosen = levels[static_cast<size_t>(GetRandom().Next(static_cast<int32_t>(levels.size())))];
    levelName = chosen.name;
    worldIndex = chosen.worldIndex;
    lives = kLives;
    progress = 0;
    meterFull = boardOver = false;
    std::unique_ptr<Board> created = CreateBoard(levelName, *this, &media);
    if (!created) return;
    board = created.release();
    AddChild(board);
    app.Resources().Levels().LoadLevel(levelName, worldIndex, Style(), *board);
    board->BuildTitleImages(board->DisplayName(), String());
    board->Start();
    quota = board->ProgressTarget() > 0 ? board->ProgressTarget() : Game::kStartQuota;
    bot = std::make_unique<AutoPlayer>(*board);
    ++boardsShown;
    Log::Line("Demo level: %s (world %d)", levelName.c_str(), worldIndex + 1);
}

void Demo::AddProgress(int32_t count) {
    progress += count;
    if (progress >= quota && board) board->SetWavesOver();
}

void Demo::Update() {
    ++age;
    if (boardOver) StartRandomBoard();
    if (!board) return;
    // The game screen ends the waves once its meter has filled; here there is
    // no meter to wait for.
    if (progress >= quota && !meterFull) {
        meterFull = true;
        board->EndWaves();
    }
    // Before the board's own step, as the player's input would come.
    bot->Tick();
}

void Demo::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(0, 0, 0, 1);
    graphics.FillRect(0, 0, kScreenWidth, kScreenHeight);
}

void Demo::DrawOverlay() {
    const Font* font = app.Resources().FindFont(kCaptionFont);
    if (!font) return;
    Graphics& graphics = GetGraphics();
    graphics.PushColour(Colour{0, 0, 0, kBandOpacity});
    graphics.FillRect(0, kCaptionCentreY - kBandHeight / 2, kScreenWidth, kBandHeight);
    graphics.PopColour();
    float wave = (std::cos(kTwoPi * static_cast<float>(age) / kPulseTicks) + 1) / 2;
    float opacity = kLowestCaptionOpacity + (1 - kLowestCaptionOpacity) * wave;
    float width = 0, height = 0;
    font->TextSize(kCaption, width, height);
    font->Draw(kCaption, (kScreenWidth - width) / 2, kCaptionCentreY - height / 2, Colour{1, 1, 1, opacity});
}

void Demo::PlaySound(const char* name, float pitch, float volume) {
    if (Sound* sound = app.Resources().FindSound(name)) sound->PlayPitched(pitch, volume * kSoundVolume);
}
