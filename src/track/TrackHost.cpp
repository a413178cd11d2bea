#include "track/TrackHost.h"

const char* TrackSoundName(TrackSound sound) {
    switch (sound) {
        case TrackSound::BallBump: return "Sounds\\ball_bump";
        case TrackSound::Explode: return "Sounds\\explode";
        case TrackSound::GapBonus: return "Sounds\\GapBonus";
    }
    return "";
}
