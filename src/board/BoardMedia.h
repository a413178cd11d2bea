#pragma once
// The catalogue pictures a board draws with, shared by every board. The owner
// of the catalogue fills it once; a missing entry (null) is not drawn.

#include "track/EffectImages.h"
#include "track/LauncherHost.h"
#include "track/TrackHost.h"

class Font;
class Sprite;

struct BoardMedia {
    static constexpr int kSparkCount = 3;

    TrackImages track;
    LauncherImages launcher;
    EffectImages effects;
    const Sprite* flash = nullptr;                // robot burst flash
    const Sprite* sparks[kSparkCount] = {};       // robot burst sparks
    const Sprite* explosion = nullptr;            // bomb blast, 240 pixels across at scale 1
    const Sprite* swirl = nullptr;                // rewind swirl
    const Sprite* rewindCaption = nullptr;        // rewind caption
    const Font* titleFont = nullptr;              // "Fonts\\ArialBlack20Bold"
    const Font* floaterFont = nullptr;            // "Fonts\\ArialBlack16Bold"
};
