#pragma once
// Chooses the music for what the screen shows: a calm piece on the title and
// the menus, another on the temple map, the lively pieces taking turns level by
// level in play, and a sting when a level is won or the game is lost. Each
// change of choice is a cross-fade by the audio service; the music holds
// still while play is paused. Fades count update steps, never the clock.

#include <cstdint>

// What is on the screen, as far as the music cares.
enum class MusicScene {
    Unknown,   // nothing that asks for a change: whatever plays goes on
    Calm,      // title, menus, high scores
    Map,       // the temple map
    Play,      // a level being played
    LastLife,  // the last life is lost and the chain drains away
    LevelWon,  // the panel of a won level
    GameOver,  // the panel of a lost game
};

class MusicDirector {
public:
    static constexpr int32_t kCrossFadeSteps = 120;  // update steps from one screen's piece to the next
    static constexpr int32_t kStingFadeSteps = 25;   // the play piece making way for a sting
    static constexpr int32_t kLastLifeFadeSteps = 150;
    static constexpr int32_t kPlayPieceCount = 3;

    // Each update step, after the screens have changed: `playPaused` is the
    // game screen's pause (it holds the music only while a level is played).
    void Follow(MusicScene scene, bool playPaused);
    MusicScene Scene() const { return scene; }
    // The piece played for `scene` now ("" for none); in play, the piece of
    // the level being played.
    const char* PieceFor(MusicScene shown) const;

private:
    MusicScene scene = MusicScene::Unknown;
    int32_t levelsPlayed = 0;  // the pieces in play take turns by this count
};
