#pragma once
// Loads the shared board pictures and the title font by their catalogue
// names and owns them; Media() hands them to boards. Stands in for the
// game's start-up loader for single levels started from the command line.

#include <memory>
#include <vector>

#include "board/BoardMedia.h"
#include "media/Font.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"

class BoardMediaStore {
public:
    // A missing picture is logged and left null (not drawn).
    void Load();
    const BoardMedia& Media() const { return media; }
    // Loads one more picture (or strip of `frames` equal frames) and keeps
    // it; null (and a log line) when missing.
    const Sprite* LoadSprite(const char* name);
    const SpriteStrip* LoadStrip(const char* name, int32_t frames);

private:
    BoardMedia media;
    std::vector<std::unique_ptr<Sprite>> sprites;
    std::vector<std::unique_ptr<SpriteStrip>> strips;
    Font titleFont;
    Font floaterFont;
};
