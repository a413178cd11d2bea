// The temple scene of the journey map: the tiers from the summit down, the
// doors (locked ones dimmed, the one to play glowing), torches, drifting
// floaters, the leaves framing the screen and the back button.
#include <cmath>

#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/journey/DifficultyMenu.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
using namespace TempleLayout;
constexpr float kScreenWidth = PlimbZappetsApp::kScreenWidth, kScreenHeight = PlimbZappetsApp::kScreenHeight;
constexpr float kTreeX = 0, kTreeMirroredX = 520, kTreeY = 960;
constexpr float kTierX[kWorlds] = {30, 80, 120, 160, 200}, kTierY[kWorlds] = {1280, 1030, 780, 530, 150};
constexpr float kLeafX = 0, kLeafMirroredX = 560, kLeafY = 1380;
constexpr float kStairsX = 280, kStairsBelowBase = 54;
constexpr float kTorchX = 250, kTorchMirroredX = 510, kTorchAboveBase = 30;
constexpr float kSummitTorchX = 290, kSummitTorchMirroredX = 470, kSummitTorchY = 320;
constexpr float kTorchFlameX = 20, kTorchFlameY = 14;  // the flame's centre in the torch picture
constexpr float kLeavesMirroredX = 600;
constexpr Colour kLockedDoor{0.45f, 0.45f, 0.55f, 1};
constexpr Colour kDoorGlow{1, 0.78f, 0.35f, 1};
constexpr Colour kTorchGlow{1, 0.6f, 0.2f, 1};
constexpr float kDoorGlowReach = 1.9f;    // glow width over the door's width
constexpr float kDoorGlowPulse = 0.15f;   // of the glow's scale
constexpr float kGlowDegreesPerTick = 6;  // pulse speed
constexpr float kGlowAlpha = 0.55f, kGlowAlphaPulse = 0.3f, kHoverGlowAlpha = 0.35f;
constexpr float kTorchGlowSize = 70, kTorchGlowAlpha = 0.35f, kTorchFlicker = 0.12f;  // pixels, opacity
constexpr float kDegreesToRadians = 0.0174533f;
constexpr float kButtonSwayDegrees = 5;
constexpr float kPressedCopyAlpha = 0.5f;
// Floaters: motes drifting up across the view in a slow sway.
constexpr int32_t kFloaterCount = 14;
constexpr int32_t kFloaterKinds = 3;
constexpr float kFloaterDrift = 0.25f, kFloaterRise = 0.2f;     // pixels per tick
constexpr float kFloaterSway = 12, kFloaterSwayPerTick = 1.5f;  // pixels, degrees
constexpr float kFloaterMargin = 30;                            // pixels past the screen edge before wrapping
constexpr float kFloaterAlpha = 0.8f;

void DrawAt(const Sprite* sprite, float x, float y) {
    if (sprite) sprite->Draw(x, y);
}
float Pulse(int32_t ticks) { return std::sin(static_cast<float>(ticks) * kGlowDegreesPerTick * kDegreesToRadians); }
}  // namespace

void DifficultyMenu::FindPictures() {
    const Catalogue& catalogue = app.Resources();
    pictures.background = catalogue.FindSprite(TemplePictures::kBackground);
    pictures.tree = catalogue.FindSprite(TemplePictures::kTree);
    pictures.treeMirrored = catalogue.FindMirrored(TemplePictures::kTree);
    pictures.leaves = catalogue.FindSprite(TemplePictures::kForegroundLeaves);
    pictures.leavesMirrored = catalogue.FindMirrored(TemplePictures::kForegroundLeaves);
    pictures.leaf = catalogue.FindSprite(TemplePictures::kLeaf);
    pictures.leafMirrored = catalogue.FindMirrored(TemplePictures::kLeaf);
    pictures.torch = catalogue.FindSprite(TemplePictures::kTorch);
    pictures.torchMirrored = catalogue.FindMirrored(TemplePictures::kTorch);
    pictures.stairs = catalogue.FindSprite(TemplePictures::kStairs);
    pictures.finalDoor = catalogue.FindSprite(TemplePictures::kFinalDoor);
    pictures.back = catalogue.FindSprite(TemplePictures::kBackToMainMenu);
    pictures.youWin = catalogue.FindSprite(TemplePictures::kYouWin);
    pictures.youWinOutline = catalogue.FindSprite(TemplePictures::kYouWinOutline);
    pictures.clickToContinue = catalogue.FindSprite(TemplePictures::kClickToContinue);
    pictures.glow = catalogue.FindSprite(TemplePictures::kGlow);
    for (int32_t w = 0; w < kWorlds; ++w) pictures.tiers[w] = catalogue.FindSprite(TemplePictures::kTiers[w]);
    for (int32_t w = 0; w < kDoorWorlds; ++w)
        for (int32_t j = 0; j < kDoors; ++j)
            pictures.doors[w][j] = catalogue.FindPieceSprite(TemplePictures::kDoors[w], j);
    for (int32_t k = 0; k < kFloaterKinds; ++k)
        pictures.floaters[k] = catalogue.FindSprite(TemplePictures::kFloaters[k]);
}

void DifficultyMenu::SpawnFloaters() {
    Random& random = GetRandom();
    for (int32_t i = 0; i < kFloaterCount; ++i)
        floaters.push_back({i % kFloaterKinds, random.NextFloatRange(kScreenWidth),
                            random.NextFloatRange(kScreenHeight), random.NextFloatRange(kFloaterDrift, true),
                            -kFloaterRise - random.NextFloatRange(kFloaterRise), random.NextFloatRange(360)});
}

void DifficultyMenu::UpdateFloaters() {
    for (Floater& floater : floaters) {
        floater.x += floater.vx;
        floater.y += floater.vy;
        floater.phase = std::fmod(floater.phase + kFloaterSwayPerTick, 360.0f);
        if (floater.y < -kFloaterMargin) floater.y = kScreenHeight + kFloaterMargin;
        if (floater.x < -kFloaterMargin) floater.x = kScreenWidth + kFloaterMargin;
        if (floater.x > kScreenWidth + kFloaterMargin) floater.x = -kFloaterMargin;
    }
}

void DifficultyMenu::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(1, 1, 1, 1);
    DrawTemple();
    DrawDoors();
    DrawTorches();
    if (burst) burst->Draw(scroll);
    for (const Bolt& bolt : bolts) bolt.shape.Draw(LightningBolt::kAllLayers);
    DrawFloaters();
    DrawAt(pictures.leaves, 0, 0);
    DrawAt(pictures.leavesMirrored, kLeavesMirroredX, 0);
    if (!journeyEnded) DrawButton(backButton, pictures.back);
    DrawEnding();
    graphics.SetColour(1, 1, 1, 1);
}

void DifficultyMenu::DrawTemple() const {
    float y = scroll;
    DrawAt(pictures.background, 0, y);
    DrawAt(pictures.tree, kTreeX, kTreeY + y);
    DrawAt(pictures.treeMirrored, kTreeMirroredX, kTreeY + y);
    // From the summit down: each lower tier's terrace covers the foot of the one above.
    for (int32_t w = kWorlds - 1; w >= 0; --w) DrawAt(pictures.tiers[w], kTierX[w], kTierY[w] + y);
    DrawAt(pictures.leaf, kLeafX, kLeafY + y);
    DrawAt(pictures.leafMirrored, kLeafMirroredX, kLeafY + y);
    for (float base : kWorldBase) DrawAt(pictures.stairs, kStairsX, base + kStairsBelowBase + y);
}

void DifficultyMenu::DrawNextDoorGlow(const Rect& door) const {
    if (!pictures.glow || pictures.glow->Width() <= 0) return;
    Graphics& graphics = GetGraphics();
    float pulse = Pulse(mapTicks);
    float scale = kDoorGlowReach * door.width / pictures.glow->Width() * (1 + kDoorGlowPulse * pulse);
    graphics.SetColour(kDoorGlow.r, kDoorGlow.g, kDoorGlow.b, kGlowAlpha + kGlowAlphaPulse * pulse);
    pictures.glow->DrawRotatedScaled(door.x + door.width / 2, door.y + door.height / 2 + scroll, 0, scale);
    graphics.SetColour(1, 1, 1, 1);
}

void DifficultyMenu::DrawDoors() const {
    Graphics& graphics = GetGraphics();
    if (!journeyEnded) {
        bool final = worldIndex == kFinalWorld;
        Rect next = final ? FinalDoorRect() : DoorRect(worldIndex, stageState);
        DrawNextDoorGlow(next);
        const Button& door = final ? finalDoor : doors[worldIndex][stageState];
        if (door.mHovered && door.IsEnabled()) DrawNextDoorGlow(next);
    }
    for (int32_t w = 0; w < kDoorWorlds; ++w)
        for (int32_t j = 0; j < kDoors; ++j) {
            // An opened door is gone: the tier's lit doorway shows through.
            if (!doorPending[w][j] || !pictures.doors[w][j]) continue;
            bool next = !journeyEnded && IsReached(w, j);
            graphics.SetColour(next ? Colour{1, 1, 1, 1} : kLockedDoor);
            Rect rect = DoorRect(w, j);
            pictures.doors[w][j]->Draw(rect.x, rect.y + scroll);
        }
    if (finalDoorPending && pictures.finalDoor) {
        graphics.SetColour(IsReached(kFinalWorld, 0) ? Colour{1, 1, 1, 1} : kLockedDoor);
        Rect rect = FinalDoorRect();
        pictures.finalDoor->Draw(rect.x, rect.y + scroll);
    }
    graphics.SetColour(1, 1, 1, 1);
}

void DifficultyMenu::DrawTorches() const {
    Graphics& graphics = GetGraphics();
    struct Place {
        float x, y;
        bool mirrored;
    };
    Place places[2 * kWorlds];
    int32_t count = 0;
    for (int32_t w = 0; w < kDoorWorlds; ++w) {
        places[count++] = {kTorchX, kWorldBase[w] - kTorchAboveBase, false};
        places[count++] = {kTorchMirroredX, kWorldBase[w] - kTorchAboveBase, true};
    }
    places[count++] = {kSummitTorchX, kSummitTorchY, false};
    places[count++] = {kSummitTorchMirroredX, kSummitTorchY, true};
    for (int32_t i = 0; i < count; ++i) {
        const Place& place = places[i];
        float y = place.y + scroll;
        if (y > kScreenHeight || y < -kTorchGlowSize * 2) continue;
        DrawAt(place.mirrored ? pictures.torchMirrored : pictures.torch, place.x, y);
        if (!pictures.glow || pictures.glow->Width() <= 0) continue;
        // Each torch flickers out of step with its neighbours.
        float flicker = Pulse(mapTicks * 3 + i * 47) * Pulse(mapTicks * 2 + i * 29);
        graphics.SetColour(kTorchGlow.r, kTorchGlow.g, kTorchGlow.b, kTorchGlowAlpha + kTorchFlicker * flicker);
        float scale = kTorchGlowSize / pictures.glow->Width() * (1 + kTorchFlicker * flicker);
        pictures.glow->DrawRotatedScaled(place.x + kTorchFlameX, y + kTorchFlameY, 0, scale);
        graphics.SetColour(1, 1, 1, 1);
    }
}

void DifficultyMenu::DrawFloaters() const {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(1, 1, 1, kFloaterAlpha);
    for (const Floater& floater : floaters) {
        const Sprite* sprite = pictures.floaters[floater.kind];
        if (!sprite) continue;
        float sway = std::sin(floater.phase * kDegreesToRadians);
        sprite->DrawRotatedScaled(floater.x + kFloaterSway * sway, floater.y, kFloaterSway * sway, 1);
    }
    graphics.SetColour(1, 1, 1, 1);
}

void DifficultyMenu::DrawButton(const Button& button, const Sprite* picture) const {
    if (!picture) return;
    const Rect& rect = button.mRect;
    float x = rect.x + rect.width / 2, y = rect.y + rect.height / 2;
    if (!button.mHovered && !button.mPressed) {
        picture->DrawCentred(x, y);
        return;
    }
    float degrees = kButtonSwayDegrees * std::sin(static_cast<float>(app.UpdateCount()) * kDegreesToRadians);
    picture->DrawRotatedScaled(x, y, degrees, 1);
    if (button.mPressed) {
        GetGraphics().SetColour(1, 1, 1, kPressedCopyAlpha);
        picture->DrawRotatedScaled(x, y, degrees, 1);
        GetGraphics().SetColour(1, 1, 1, 1);
    }
}
