#include "track/EffectsDemo.h"

#include <cmath>

#include "core/Random.h"
#include "core/String.h"
#include "media/Graphics.h"
#include "media/Image.h"
#include "media/ImageFile.h"
#include "track/Bomb.h"
#include "track/Bonus.h"
#include "track/CelebrationBurst.h"
#include "track/Eater.h"
#include "track/FireBall.h"
#include "track/FireEmitter.h"
#include "track/LightningBolt.h"
#include "track/TrackDemo.h"
#include "track/Wick.h"

namespace {
constexpr int32_t kStandInSize = 16;     // pixels
constexpr int32_t kCoinFrames = 6, kBonusFrames = 5, kFireballFrames = 20;
// Drops as the board throws them: up and to one side, then falling.
constexpr float kDropY = 250;
constexpr float kDropUp = -3, kDropUpRange = 0.5f;            // pixels per tick
constexpr float kDropSide = 0.5f, kDropSideRange = 0.5f;      // pixels per tick
constexpr float kDropGravity = 0.1f;                          // pixels per tick per tick
constexpr float kDropLeft = 200, kDropWidth = 400;            // pixels
// The launcher's place: a falling item this close to it is caught.
constexpr float kLauncherX = 400, kLauncherY = 560, kCatchReach = 60;  // pixels
constexpr float kShotSpeed = 6;          // pixels per tick upwards
constexpr float kShotScale = 1;
constexpr float kGoneAbove = -60;        // pixels
constexpr float kFireX = 60, kFireY = 560;
constexpr int32_t kBoltTicks = 30;
constexpr float kBoltWidth = 8;          // pixels
constexpr float kTextX = 8, kTextY = 8, kLineHeight = 16;  // pixels

// A soft white dot: the stand-in for any effect picture not yet in the data.
Image StandInDot(int32_t width, int32_t height) {
    Image image;
    image.Create(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            float cell = static_cast<float>(x % kStandInSize) - kStandInSize / 2.0f + 0.5f;
            float dy = static_cast<float>(y) - height / 2.0f + 0.5f;
            float reach = 1.0f - std::sqrt(cell * cell + dy * dy) / (kStandInSize / 2.0f);
            uint32_t alpha = reach > 0 ? static_cast<uint32_t>(reach * 255) : 0;
            *image.PixelAt(x, y) = (alpha << 24) | 0xFFFFFF;
        }
    }
    return image;
}

void LoadSprite(const String& name, Sprite& sprite) {
    Image image;
    if (ImageFile::Read(name, image) == ImageFile::Source::None || image.IsEmpty())
        image = StandInDot(kStandInSize, kStandInSize);
    sprite.Load(image);
}

void LoadStrip(const String& name, int32_t frames, SpriteStrip& strip) {
    Image image;
    if (ImageFile::Read(name, image) == ImageFile::Source::None || image.IsEmpty())
        image = StandInDot(kStandInSize * frames, kStandInSize);
    strip.Load(image, frames);
}

bool Near(float a, float b, float reach) { return std::fabs(a - b) < reach; }
}  // namespace

EffectsDemo::EffectsDemo(const TrackDemo& scene) : scene(scene) {
    mName = "EffectsDemo";
    mInputTransparent = true;
    FillScreen();
    LoadImages();
}

EffectsDemo::~EffectsDemo() {
    bonuses.Clear();
    shots.Clear();
    effects.Clear();
}

void EffectsDemo::LoadImages() {
    LoadSprite("Graphics\\GemHalo", halo);
    LoadSprite("graphics\\Bomb", bomb);
    LoadSprite("graphics\\WickSegment", wickSegment);
    LoadSprite("graphics\\Spark", spark);
    LoadSprite("graphics\\Speck", speck);
    for (int32_t i = 0; i < EffectImages::kSmokeCount; ++i)
        LoadSprite(String::Format("graphics\\Smoke%d", i + 1), smoke[i]);
    LoadStrip("graphics\\Coin", kCoinFrames, coin);
    LoadStrip("Graphics\\BonusItems", kBonusFrames, bonusItems);
    LoadStrip("graphics\\fireball", kFireballFrames, fireball);
    images.gemHalo = &halo;
    images.bomb = &bomb;
    images.wickSegment = &wickSegment;
    images.spark = &spark;
    images.speck = &speck;
    for (int32_t i = 0; i < EffectImages::kSmokeCount; ++i) images.smoke[i] = &smoke[i];
    images.coin = &coin;
    images.bonusItems = &bonusItems;
    images.fireball = &fireball;
}

void EffectsDemo::OnFirstUpdate() { TakeFocus(); }

void EffectsDemo::OnKeyDown(int32_t key) {
    Random& random = GetRandom();
    if (key >= '1' && key < '1' + Bonus::kKindCount) DropBonus(key - '1');
    if (key == 'F') Shoot(false);
    if (key == 'B') Shoot(true);
    if (key == 'W') LayFuses();
    if (key == 'C') FireworkBurst(kDropLeft + kDropWidth * random.NextFloat(), kDropY);
    if (key == 'L') {
        Vec2 from{kDropLeft + kDropWidth * random.NextFloat(), 0};
        Vec2 to{kDropLeft + kDropWidth * random.NextFloat(), kLauncherY};
        bolt = std::make_unique<LightningBolt>(from, to, kBoltWidth, &speck);
        boltTicks = kBoltTicks;
    }
    if (key == 'E') {
        if (fire) {
            fire->Clear();
            fire.reset();
        } else {
            fire = std::make_unique<FireEmitter>(&images, kFireX, kFireY);
        }
    }
}

void EffectsDemo::DropBonus(int32_t kind) {
    coinKind = (coinKind + 1) % kCoinFrames;
    Bonus* item = Bonus::Create(kind, &images, coinKind);
    if (!item) return;
    Random& random = GetRandom();
    item->position = {kDropLeft + kDropWidth * random.NextFloat(), kDropY};
    item->velocity = {kDropSide + kDropSideRange * random.NextFloat(), kDropUp - kDropUpRange * random.NextFloat()};
    if (random.Next(2) == 0) item->velocity.x = -item->velocity.x;
    item->acceleration = {0, kDropGravity};
    bonuses.Add(item);
}

void EffectsDemo::Shoot(bool isBomb) {
    Plimb* ball = isBomb ? static_cast<Plimb*>(new Bomb(nullptr, this, &images))
                         : static_cast<Plimb*>(new FireBall(nullptr, &images));
    ball->position = {kLauncherX, kLauncherY};
    ball->scale = kShotScale;
    shots.Add(ball);
}

void EffectsDemo::LayFuses() {
    const auto& tracks = scene.Tracks();
    while (eaters.size() < tracks.size()) eaters.push_back(std::make_unique<Eater>(this, &images, !eaters.empty()));
    for (size_t i = 0; i < tracks.size(); ++i) {
        eaters[i]->StartHandOver();
        eaters[i]->AddWick(Wick::MakeWick(this, &images, *tracks[i], i != 0));
    }
}

void EffectsDemo::FireworkBurst(float x, float y) { CelebrationBurst(effects, images, x, y); }

void EffectsDemo::CatchBonuses() {
    for (int32_t i = 0; i < bonuses.Count(); ++i) {
        auto* item = static_cast<Bonus*>(bonuses.At(i));
        if (item->mKilled || !Near(item->position.x, kLauncherX, kCatchReach) ||
            !Near(item->position.y, kLauncherY, kCatchReach))
            continue;
        item->ApplyCatch(*this);
        item->Kill();
    }
}

void EffectsDemo::MoveShots() {
    for (int32_t i = 0; i < shots.Count(); ++i) {
        auto* ball = static_cast<Plimb*>(shots.At(i));
        ball->position.y -= kShotSpeed;
        if (ball->position.y < kGoneAbove) ball->Kill();
    }
}

void EffectsDemo::Update() {
    for (int32_t* timer : {&slowTimer, &backTimer, &aimTimer})
        if (*timer > 0) --*timer;
    bonuses.Update();
    CatchBonuses();
    MoveShots();
    shots.Update();
    for (auto& eater : eaters) eater->Update();
    effects.Update();
    if (fire) fire->Update();
    if (boltTicks > 0 && --boltTicks == 0) bolt.reset();
}

void EffectsDemo::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(1, 1, 1, 1);
    for (auto& eater : eaters) eater->Draw();
    shots.Draw();
    bonuses.Draw();
    effects.Draw();
    if (fire) fire->Draw();
    if (bolt) bolt->Draw(LightningBolt::kAllLayers);
    graphics.SetColour(1, 1, 1, 1);
    graphics.DrawDebugText("1-6 coin fire bomb slow back aim  F fire ball  B bomb", kTextX, kTextY);
    graphics.DrawDebugText("W fuses  C firework  L lightning  E fire", kTextX, kTextY + kLineHeight);
    graphics.DrawDebugText(String::Format("score %d  grants %d %d  slow %d  back %d  aim %d", score, fireGrant,
                                          bombGrant, slowTimer, backTimer, aimTimer),
                           kTextX, kTextY + 2 * kLineHeight);
}
