#include "board/BoardMediaStore.h"

#include "core/Log.h"
#include "media/Image.h"

namespace {
constexpr int32_t kBallFrames = 90, kRobotFrames = 90, kCoinFrames = 6, kBonusFrames = 5, kFireballFrames = 20;
constexpr const char* kBallStrips[TrackImages::kColours] = {
    "graphics\\balls\\1", "graphics\\balls\\2", "graphics\\balls\\3", "graphics\\balls\\4",
    "graphics\\balls\\5", "graphics\\balls\\6", "graphics\\balls\\7", "graphics\\balls\\8"};
constexpr const char* kSmoke[EffectImages::kSmokeCount] = {"graphics\\Smoke1", "graphics\\Smoke2", "graphics\\Smoke3"};
constexpr const char* kStars[BoardMedia::kSparkCount] = {"graphics\\Star1", "graphics\\Star2", "graphics\\Star3"};

bool LoadImage(const char* name, Image& image) {
    if (image.Load(String(name))) return true;
    Log::Line("Board picture \"%s\" is missing", name);
    return false;
}
}  // namespace

const Sprite* BoardMediaStore::LoadSprite(const char* name) {
    Image image;
    if (!LoadImage(name, image)) return nullptr;
    sprites.push_back(std::make_unique<Sprite>(image));
    return sprites.back().get();
}

const SpriteStrip* BoardMediaStore::LoadStrip(const char* name, int32_t frames) {
    Image image;
    if (!LoadImage(name, image)) return nullptr;
    strips.push_back(std::make_unique<SpriteStrip>(image, frames));
    return strips.back().get();
}

void BoardMediaStore::Load() {
    for (int32_t i = 0; i < TrackImages::kColours; ++i) media.track.balls[i] = LoadStrip(kBallStrips[i], kBallFrames);
    media.track.robot = LoadStrip("graphics\\Robot", kRobotFrames);
    media.launcher.base = LoadSprite("graphics\\Launcher");
    media.launcher.light = LoadSprite("graphics\\LauncherLight");
    EffectImages& effects = media.effects;
    effects.coin = LoadStrip("graphics\\Coin", kCoinFrames);
    effects.gemHalo = LoadSprite("Graphics\\GemHalo");
    effects.bonusItems = LoadStrip("Graphics\\BonusItems", kBonusFrames);
    effects.fireball = LoadStrip("graphics\\fireball", kFireballFrames);
    effects.bomb = LoadSprite("graphics\\Bomb");
    effects.wickSegment = LoadSprite("graphics\\WickSegment");
    effects.spark = LoadSprite("graphics\\Spark");
    effects.speck = LoadSprite("graphics\\Speck");
    for (int32_t i = 0; i < EffectImages::kSmokeCount; ++i) effects.smoke[i] = LoadSprite(kSmoke[i]);
    effects.poof = LoadSprite("graphics\\Poof");
    media.flash = LoadSprite("graphics\\Halo");
    for (int32_t i = 0; i < BoardMedia::kSparkCount; ++i) media.sparks[i] = LoadSprite(kStars[i]);
    media.explosion = LoadSprite("graphics\\explosion");
    media.swirl = LoadSprite("Graphics\\Swirl");
    media.rewindCaption = LoadSprite("Graphics\\REDO");
    if (titleFont.Load("Fonts\\ArialBlack20Bold")) media.titleFont = &titleFont;
    if (floaterFont.Load("Fonts\\ArialBlack16Bold")) media.floaterFont = &floaterFont;
}
