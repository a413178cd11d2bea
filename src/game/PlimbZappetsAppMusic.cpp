// What the screens show, told to the music director once per update step.
#include "game/PlimbZappetsApp.h"
#include "game/TitleScreen.h"
#include "game/journey/DifficultyMenu.h"
#include "game/play/Game.h"
#include "game/play/LevelUp.h"

MusicScene PlimbZappetsApp::ShownMusicScene() const {
    if (IsShown(levelUp)) return CurrentLevelUp()->Passed() ? MusicScene::LevelWon : MusicScene::GameOver;
    if (IsShown(game)) {
        const Game* playing = CurrentGame();
        if (playing->gameOver) return MusicScene::LastLife;
        return playing->CurrentBoard() ? MusicScene::Play : MusicScene::Unknown;
    }
    if (IsShown(journeyMap)) return MusicScene::Map;
    const Gadget* calmScreens[] = {title, mainMenu, highScoreScreen};
    for (const Gadget* calm : calmScreens)
        if (IsShown(calm)) return MusicScene::Calm;
    return MusicScene::Unknown;
}

void PlimbZappetsApp::FollowMusic() {
    const Game* playing = CurrentGame();
    music.Follow(ShownMusicScene(), playing && playing->paused);
}
