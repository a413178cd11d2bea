#include "game/MusicDirector.h"

#include "core/Log.h"
#include "media/Audio.h"

namespace {
constexpr const char* kCalmPiece = "Sounds\\Music\\Calm";
constexpr const char* kMapPiece = "Sounds\\Music\\Temple";
constexpr const char* kPlayPieces[MusicDirector::kPlayPieceCount] = {"Sounds\\Music\\Lively", "Sounds\\Music\\Bounce",
                                                                     "Sounds\\Music\\Chase"};
constexpr const char* kLevelWonSting = "Sounds\\Music\\LevelWon";
constexpr const char* kGameOverSting = "Sounds\\Music\\GameOver";
}  // namespace

const char* MusicDirector::PieceFor(MusicScene shown) const {
    switch (shown) {
        case MusicScene::Calm: return kCalmPiece;
        case MusicScene::Map: return kMapPiece;
        case MusicScene::Play: return kPlayPieces[(levelsPlayed + kPlayPieceCount - 1) % kPlayPieceCount];
        case MusicScene::LevelWon: return kLevelWonSting;
        case MusicScene::GameOver: return kGameOverSting;
        case MusicScene::Unknown:
        case MusicScene::LastLife: break;
    }
    return "";
}

void MusicDirector::Follow(MusicScene shown, bool playPaused) {
    Audio& audio = GetAudio();
    if (shown != MusicScene::Unknown && shown != scene) {
        scene = shown;
        switch (scene) {
            case MusicScene::Calm:
            case MusicScene::Map: audio.PlayMusic(PieceFor(scene), kCrossFadeSteps); break;
            case MusicScene::Play:
                ++levelsPlayed;
                audio.PlayMusic(PieceFor(scene), kCrossFadeSteps);
                break;
            case MusicScene::LastLife: audio.StopMusic(kLastLifeFadeSteps); break;
            case MusicScene::LevelWon:
            case MusicScene::GameOver:
                audio.StopMusic(kStingFadeSteps);
                audio.PlayMusic(PieceFor(scene), 0, false);
                break;
            case MusicScene::Unknown: break;
        }
        const char* piece = PieceFor(scene);
        Log::Line("Music: %s", *piece ? piece : "(fading out)");
    }
    audio.SetMusicPaused(playPaused && scene == MusicScene::Play);
}
