// The board's frame: background, chains, the aiming aids, effects, the
// screen flash, the bomb blast, the rewind overlay and the title.
#include <algorithm>
#include <cmath>

#include "board/Board.h"
#include "board/BoardMedia.h"
#include "core/Random.h"
#include "media/Graphics.h"
#include "media/SpriteStrip.h"
#include "track/Geometry.h"
#include "track/Plimb.h"
#include "track/Track.h"

namespace {
constexpr float kScreenWidth = 800, kScreenHeight = 600;
constexpr float kDegrees = 3.14159265f / 180;
constexpr float kProbeTop = -40;                                    // probing stops above this (y)
constexpr float kCoarseStep = 5, kFineStep = 0.25f, kBackOff = 10;  // pixels
constexpr float kBeamReach = 75;                                    // balls within this in x block the beam
constexpr float kMarkerReach = 60;                                  // and the landing marker
constexpr float kBeamAlpha = 0.35f;
constexpr int32_t kBeamFadeTicks = 300;
constexpr float kBeamBarHeight = 2, kBeamBarStep = 2, kBeamWidth = 60;
constexpr float kGhostAlpha = 0.25f;
constexpr float kExplosionSpriteRadius = 120;
constexpr float kRewindDarkness = 0.45f;
constexpr float kCentreX = 400, kCentreY = 300;
constexpr float kLineY = 66, kTitleY = 100;

// Drawing never changes a replay: the shake direction has its own generator.
Random& ShakeRandom() {
    static Random shaking;
    return shaking;
}
}  // namespace

void Board::DrawImageCentred(const Sprite& sprite, float x, float y, float alpha) {
    Graphics& graphics = GetGraphics();
    graphics.PushColour(Colour{1, 1, 1, alpha});
    sprite.DrawCentred(x, y);
    graphics.PopColour();
}

float Board::ProbeHit(float x, float y, float reach) const {
    std::vector<const Plimb*> near;
    for (const TrackSlot& slot : tracks)
        for (const Plimb* item : slot.track->Items())
            if (item->hittable && std::fabs(item->position.x - x) < reach) near.push_back(item);
    auto hits = [&](float probeY) {
        for (const Plimb* item : near)
            if (DistanceSquared(item->position, Vec2{x, probeY}) < hitDistanceSq) return true;
        return false;
    };
    float probe = y;
    while (probe > kProbeTop && !hits(probe)) probe -= kCoarseStep;
    if (probe <= kProbeTop) return kProbeTop;
    probe += kBackOff;
    while (probe > kProbeTop && !hits(probe)) probe -= kFineStep;
    return probe;
}

void Board::DrawGhostBall(float x, float y) const {
    if (!media || !media->track.balls[0] || media->track.balls[0]->FrameCount() == 0) return;
    Graphics& graphics = GetGraphics();
    graphics.PushColour(Colour{1, 1, 1, kGhostAlpha});
    media->track.balls[0]->Frame(0).DrawRotatedScaled(x, y, 0, ballScale);
    graphics.PopColour();
}

void Board::DrawPlain() {
    for (TrackSlot& slot : tracks) slot.track->Draw();
    DrawEatersAndShots();
}

void Board::DrawAimingBeam() {
    float x = launcher.X();
    float hitY = ProbeHit(x, launcher.Y(), kBeamReach);
    float alpha = aimTimer < kBeamFadeTicks ? kBeamAlpha * static_cast<float>(aimTimer) / kBeamFadeTicks : kBeamAlpha;
    Graphics& graphics = GetGraphics();
    float top = hitY - ballSpacing;
    float span = kScreenHeight - top;
    for (float y = top; y < kScreenHeight && span > 0; y += kBeamBarStep) {
        float t = (y - top) / span;
        float width = t * kBeamWidth * ballScale;
        graphics.PushColour(Colour{1, 1, 1, t * alpha});
        graphics.FillRect(x - width / 2, y, width, kBeamBarHeight);
        graphics.PopColour();
    }
    DrawGhostBall(x, hitY);
}

void Board::DrawLandingMarker() {
    float x = launcher.X();
    float tip = launcher.Loaded() ? launcher.Loaded()->position.y : launcher.Y();
    float hitY = ProbeHit(x, tip, kMarkerReach);
    if (hitY > kProbeTop) DrawGhostBall(x, hitY);
}

void Board::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(1, 1, 1, 1);
    Vec2 offset;
    if (shake > 0) {
        float direction = static_cast<float>(ShakeRandom().Next(360)) * kDegrees;
        offset = Vec2{std::cos(direction) * shake, std::sin(direction) * shake};
    }
    graphics.PushOffset(offset.x, offset.y);
    // The background is scenery too: with the mirror flag its lanes follow the mirrored paths.
    DrawScenery(background.get(), Vec2{0, 0});
    if (!DrawPlayfield()) DrawPlain();
    if (aimTimer > 0) DrawAimingBeam();
    launcher.Draw();
    effects.Draw();
    fuseEffects.Draw();
    trackEffects.Draw();
    bonusItems.Draw();
    if (flashLeft > 0) {
        graphics.PushColour(Colour{flashColour.r, flashColour.g, flashColour.b,
                                   static_cast<float>(flashLeft) / static_cast<float>(flashDuration) * flashColour.a});
        graphics.FillRect(0, 0, kScreenWidth, kScreenHeight);
        graphics.PopColour();
    }
    graphics.PopOffset();
    DrawLandingMarker();
    if (explosionActive && media && media->explosion) {
        media->explosion->DrawRotatedScaled(explosionCentre.x, explosionCentre.y, 0,
                                            explosionRadius / kExplosionSpriteRadius);
    }
    if (rewinding) {
        graphics.PushColour(Colour{0, 0, 0, darken * kRewindDarkness});
        graphics.FillRect(0, 0, kScreenWidth, kScreenHeight);
        graphics.PopColour();
        if (media && media->swirl) {
            graphics.PushColour(Colour{1, 1, 1, darken});
            media->swirl->DrawRotatedScaled(kCentreX, kCentreY, swirlAngle, 1);
            graphics.PopColour();
        }
        if (media && media->rewindCaption) DrawImageCentred(*media->rewindCaption, kCentreX, kCentreY, swirlAlpha);
    }
    if (titleAlpha > 0) {
        if (lineSprite) DrawImageCentred(*lineSprite, kCentreX, kLineY, titleAlpha);
        if (titleSprite) DrawImageCentred(*titleSprite, kCentreX, kTitleY, titleAlpha);
    }
}
