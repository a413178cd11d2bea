#include "board/LevelPlayApp.h"

#include <cstdio>

#include "app/CommandLine.h"
#include "board/Board.h"
#include "board/BoardFactory.h"

namespace {
constexpr const char* kDataFolder = "Data/";  // in the game data root
}  // namespace

LevelPlayApp::LevelPlayApp() = default;

LevelPlayApp::~LevelPlayApp() = default;

bool LevelPlayApp::HasBoardFor(const String& levelName) {
    GameStandIn probe(0, PlayStyle::Normal);
    return CreateBoard(levelName, probe, nullptr) != nullptr;
}

void LevelPlayApp::Initialize(const LaunchOptions& launch) {
    App::Initialize(launch);
    if (IsQuitting()) return;
    int32_t worldIndex = launch.world - 1;
    game = std::make_unique<GameStandIn>(worldIndex, static_cast<PlayStyle>(launch.playStyle));
    library.Load(mDataRoot + kDataFolder);
    media.Load();
    std::unique_ptr<Board> created = CreateBoard(launch.level, *game, &media.Media());
    if (!created) {
        Quit();
        return;
    }
    board = created.release();
    game->Attach(board);
    library.LoadLevel(launch.level, worldIndex, game->Style(), *board);
    board->BuildTitleImages(board->DisplayName(), String());
    board->Start();
    mGadgets.Add(board);
    hud = new StandInHud(*game, *board, media);
    mGadgets.Add(hud);
    board->TakeFocus();
    if (launch.autoplay) autoPlayer = std::make_unique<AutoPlayer>(*board);
}

void LevelPlayApp::Update() {
    if (autoPlayer && !reported) autoPlayer->Tick();
    App::Update();
}

void LevelPlayApp::AfterUpdate() {
    if (!board || reported) return;
    if (!board->paused) ++ticks;
    if (game->won || board->gameOver) Quit();
}

void LevelPlayApp::Quit() {
    if (board && !reported) {
        reported = true;
        std::printf("%s\n", ReportLine().c_str());
        std::fflush(stdout);
    }
    App::Quit();
}

String LevelPlayApp::ReportLine() const {
    const char* outcome = game->won ? "won" : board->gameOver ? "lost" : "running";
    return String::Format("level=%s world=%d style=%s outcome=%s ticks=%d score=%d popped=%d shots=%d lives=%d",
                          mInstance.level.c_str(), mInstance.world, CommandLine::StyleName(mInstance.playStyle),
                          outcome, ticks, game->score, game->popped, game->launched, game->lives);
}
