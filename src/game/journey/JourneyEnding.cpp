// The journey's end on the summit: the storm flashes, then bolts strike
// round the shrine with fireworks where they land, and "you win" fades in
// with a glow that swells from it again and again.
#include <algorithm>
#include <cmath>

#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/journey/DifficultyMenu.h"
#include "media/Animator_Sprite.h"
#include "media/Graphics.h"
#include "track/CelebrationBurst.h"

namespace {
// Flashes while endTicks lies strictly inside one of these spans.
constexpr int32_t kFlashSpans[][2] = {{100, 200}, {300, 400}, {500, 700}};
constexpr float kEndAnglePerTick = 2;                          // degrees
constexpr int32_t kFirstStrikeDelay = 20;                      // ticks
constexpr int32_t kStrikeDelay = 30, kStrikeDelayRange = 50;   // ticks: 30 ... 79 between strikes
constexpr int32_t kStrikeTurnRange = 100;                      // degrees: the aim turns by 0 ... 99 after a strike
constexpr int32_t kSecondStrikeOdds = 3;                       // one strike in three has a twin opposite
constexpr float kCentreX = 400, kCentreY = 300;                // screen
constexpr int32_t kStrikeReach = 150, kStrikeReachRange = 80;  // pixels from the centre: 150 ... 229
constexpr float kBoltTopY = -25;
constexpr int32_t kBoltLeft = 200, kBoltXRange = 401;
constexpr float kStrikeBoltWidth = 8;  // pixels
constexpr int32_t kStrikeBoltTicks = 18;
constexpr float kFadePerTick = 0.02f;
constexpr int32_t kGlowEvery = 60;  // ticks
constexpr float kYouWinX = 400, kYouWinY = 230;
constexpr float kGlowStartAlpha = 0.8f, kGlowFade = 0.01f, kGlowGrowth = 0.004f;  // per tick
constexpr float kOutlinePulse = 0.35f, kOutlinePulseDegrees = 4;                  // opacity, degrees per tick
constexpr Colour kFlash{0.85f, 0.9f, 1, 1};
constexpr float kFlashBright = 0.55f, kFlashDim = 0.12f;  // opacity
constexpr int32_t kFlashFlickerTicks = 3;                 // ticks per flicker step
constexpr float kDegreesToRadians = 0.0174533f;
constexpr const char* kThunderSound = "Sounds\\THUNDER_CLAP";
}  // namespace

void DifficultyMenu::StartEnding() {
    journeyEnded = true;
    scrollTarget = TempleLayout::ScrollFor(kFinalWorld);
    endTicks = 0;
    endAngle = 0;
    endFade = 0;
    flashing = false;
    strikesBegun = false;
}

void DifficultyMenu::UpdateEnding() {
    endTicks = std::min(endTicks + 1, kEndTicksLimit);
    endAngle = std::fmod(endAngle + kEndAnglePerTick, 360.0f);
    flashing = std::any_of(std::begin(kFlashSpans), std::end(kFlashSpans),
                           [this](const int32_t* span) { return endTicks > span[0] && endTicks < span[1]; });
    if (endTicks == kStrikesStart) {
        strikesBegun = true;
        lightningTimer = kFirstStrikeDelay;
    }
    if (strikesBegun && --lightningTimer <= 0) {
        Random& random = GetRandom();
        float aim = endAngle;
        Strike(aim);
        endAngle = std::fmod(endAngle + static_cast<float>(random.Next(kStrikeTurnRange)), 360.0f);
        if (random.Next(kSecondStrikeOdds) == 0) Strike(aim + 180);
        lightningTimer = kStrikeDelay + random.Next(kStrikeDelayRange);
    }
    if (endTicks == kContinueTick) ShowContinueButton();
    if (endTicks <= kContinueTick) return;
    endFade = std::min(1.0f, endFade + kFadePerTick);
    if (++glowTimer < kGlowEvery) return;
    glowTimer = 0;
    if (!pictures.youWinOutline) return;
    auto* glow = new Animator_Sprite(pictures.youWinOutline);
    glow->mX = kYouWinX;
    glow->mY = kYouWinY;
    glow->mAlpha = kGlowStartAlpha;
    glow->mAlphaSpeed = kGlowFade;
    glow->mScaleSpeed = kGlowGrowth;
    effects.Add(glow);
}

void DifficultyMenu::Strike(float degrees) {
    Random& random = GetRandom();
    float reach = static_cast<float>(kStrikeReach + random.Next(kStrikeReachRange));
    float x = kCentreX + std::cos(degrees * kDegreesToRadians) * reach;
    float y = kCentreY + std::sin(degrees * kDegreesToRadians) * reach;
    Vec2 from{static_cast<float>(kBoltLeft + random.Next(kBoltXRange)), kBoltTopY};
    bolts.push_back({LightningBolt(from, Vec2{x, y}, kStrikeBoltWidth, effectImages.speck), kStrikeBoltTicks});
    CelebrationBurst(effects, effectImages, x, y);
    app.PlaySound(kThunderSound);
}

void DifficultyMenu::ShowContinueButton() {
    continueShown = true;
    float width = pictures.clickToContinue ? pictures.clickToContinue->Width() : 0;
    float height = pictures.clickToContinue ? pictures.clickToContinue->Height() : 0;
    continueButton.SetRect(
        Rect{TempleLayout::kContinueX - width / 2, TempleLayout::kContinueY - height / 2, width, height});
    if (!continueButton.mParent) continueButton.SetListener(this, true);
}

void DifficultyMenu::DrawEnding() {
    if (!journeyEnded) return;
    Graphics& graphics = GetGraphics();
    if (flashing) {
        bool bright = (mapTicks / kFlashFlickerTicks) % 2 == 0;
        graphics.SetColour(kFlash.r, kFlash.g, kFlash.b, bright ? kFlashBright : kFlashDim);
        graphics.FillRect(0, 0, mRect.width, mRect.height);
    }
    graphics.SetColour(1, 1, 1, 1);
    effects.Draw();
    if (endFade > 0) {
        float pulse = std::sin(static_cast<float>(mapTicks) * kOutlinePulseDegrees * kDegreesToRadians);
        graphics.SetColour(1, 1, 1, endFade * (1 - kOutlinePulse + kOutlinePulse * pulse));
        if (pictures.youWinOutline) pictures.youWinOutline->DrawCentred(kYouWinX, kYouWinY);
        graphics.SetColour(1, 1, 1, endFade);
        if (pictures.youWin) pictures.youWin->DrawCentred(kYouWinX, kYouWinY);
        graphics.SetColour(1, 1, 1, 1);
    }
    if (continueShown) DrawButton(continueButton, pictures.clickToContinue);
}
