#include "track/Launcher.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/IOBuffer.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "track/LauncherHost.h"
#include "track/Plimb.h"
#include "track/RecordLimits.h"
#include "track/TrackHost.h"

namespace {
struct SizeRow {
    float ballScale, nextStart, loadedStart, loadedEnd, reloadTicks, rollStep, y, sizeValue;
};
// Per size class: ball scale, slot positions along the aim (pixels), ticks
// per reload or swap, rolling frames per reload tick, the launcher's y and a
// further value of the size.
constexpr SizeRow kSizes[] = {
    {0.6f, -32.0f, -8.0f, 8.0f, 40.0f, 1.3f, 572.0f, 42.0f},
    {0.8f, -38.0f, -11.0f, 13.0f, 40.0f, 1.0f, 569.0f, 12.0f},
    {1.0f, -44.0f, -14.0f, 16.0f, 40.0f, 0.7f, 562.0f, 12.0f},
};
// Following the mouse: a seventh of the way per tick, at most 35 pixels.
constexpr float kFollowShare = 7.0f;
constexpr float kFollowLimit = 35.0f;
constexpr float kRecoilKick = 10.0f;
constexpr float kRecoilDecay = 0.95f;
// Rapid shots raise the shot sound's pitch up to the first step at or above
// the limit; it returns to 1 after the board's countdown.
constexpr float kPitchStep = 0.075f;
constexpr float kPitchLimit = 1.65f;
constexpr int32_t kPitchResetTicks = 150;
// The two lights beside the barrel turn with the pull of the mouse.
constexpr float kLightTurnShare = 6.0f;
constexpr float kLightOffsetX = 65.0f;
constexpr float kLightOffsetY = 10.0f;
// A saved reload count beyond this is damage, not a reload.
constexpr int32_t kMaxReloadTick = 1000;
// The launcher rests at the bottom of the screen and follows the pointer
// across it, pixels either way; its balls sit up to 44 pixels along the aim.
constexpr float kLauncherReach = 10000;
// The recoil kicks 10 pixels and dies away.
constexpr RecordLimits::Bounds<float> kRecoil{0, 1000};
// The aim is a direction, each part of it within -1 .. 1.
constexpr RecordLimits::Bounds<float> kAimPart = RecordLimits::Either(1);
// An aim shorter than this (squared length) gives no slot along it.
constexpr float kShortestAimSquared = 0.01f;
// How far a loaded ball may sit from the slot of a swap tick, pixels along
// the aim; one tick of a swap moves each ball 0.4 pixels or more.
constexpr float kSlotTolerance = 0.05f;
}  // namespace

Launcher::Launcher(LauncherHost* board) : board(board) {}

Launcher::~Launcher() {
    delete loaded;
    delete next;
}

void Launcher::SetSize(int32_t size) {
    const SizeRow& row = kSizes[size == 1 || size == 2 ? size : 0];
    ballScale = row.ballScale;
    nextStart = row.nextStart;
    loadedStart = row.loadedStart;
    loadedEnd = row.loadedEnd;
    reloadTicks = row.reloadTicks;
    rollStep = row.rollStep;
    baseY = row.y;
    y = row.y;
    sizeValue = row.sizeValue;
}

void Launcher::PlaceBall(Plimb* ball, float slot) const {
    if (ball != nullptr) ball->position = {x + slot * aimX, y + slot * aimY};
}

void Launcher::Update() {
    x += std::clamp((board->TargetX() - x) / kFollowShare, -kFollowLimit, kFollowLimit);

    if (!swapping) {
        for (;;) {
            if (next == nullptr) {
                int32_t colour = board->ChooseLauncherColour(loaded != nullptr ? loaded->colour : -1);
                if (colour != -1) {
                    next = new Plimb(board->BallBoard());
                    next->colour = colour;
                    next->scale = board->BallBoard()->BallScale();
                }
            }
            if (static_cast<float>(reloadTick) < reloadTicks) {
                ++reloadTick;
                for (Plimb* ball : {loaded, next}) {
                    if (ball != nullptr) ball->rollFrame += rollStep;
                }
            }
            if (static_cast<float>(reloadTick) >= reloadTicks && loaded == nullptr && next != nullptr) {
                loaded = next;
                next = nullptr;
                reloadTick = 0;
                continue;
            }
            break;
        }
        const float t = reloadTicks > 0.0f ? static_cast<float>(reloadTick) / reloadTicks : 1.0f;
        PlaceBall(loaded, loadedStart + (loadedEnd - loadedStart) * t);
        PlaceBall(next, nextStart + (loadedStart - nextStart) * t);
    } else {
        if (--swapTicks <= 0) {
            swapTicks = 0;
            swapping = false;
        }
        const float t = 1.0f - static_cast<float>(swapTicks) / reloadTicks;
        PlaceBall(loaded, loadedStart + (loadedEnd - loadedStart) * t);
        PlaceBall(next, loadedEnd - (loadedEnd - loadedStart) * t);
        if (loaded != nullptr) loaded->rollFrame += rollStep;
        if (next != nullptr) next->rollFrame -= rollStep;
    }

    if (static_cast<float>(reloadTick) == reloadTicks && swapRequested) {
        swapRequested = false;
        if (loaded != nullptr && next != nullptr) {
            board->CountLauncherStatistic(LauncherStatistic::SwitchesMade);
            swapping = true;
            swapTicks = static_cast<int32_t>(reloadTicks);
            std::swap(loaded, next);
        }
    }

    if (board->HasFireGrant() && loaded != nullptr) {
        ReplaceLoaded(board->MakeFireBall());
        board->ClearFireGrant();
    }
    if (board->HasBombGrant() && loaded != nullptr) {
        ReplaceLoaded(board->MakeBomb());
        board->ClearBombGrant();
    }

    if (next != nullptr) next->Update();
    if (loaded != nullptr) loaded->Update();
    recoil *= kRecoilDecay;
}

void Launcher::ReplaceLoaded(Plimb* special) {
    if (special == nullptr) return;
    special->position = loaded->position;
    special->scale = loaded->scale;
    delete loaded;
    loaded = special;
}

void Launcher::Fire() {
    if (loaded == nullptr || board == nullptr || static_cast<float>(reloadTick) < reloadTicks || swapping ||
        swapRequested)
        return;
    if (loaded->isFireBall) {
        board->PlayLauncherSound(LauncherSound::FireBall, 1.0f, 1.0f);
    } else {
        const float pitch = board->ShotPitch();
        board->PlayLauncherSound(LauncherSound::Shot, pitch, 1.0f);
        if (pitch < kPitchLimit) board->SetShotPitch(pitch + kPitchStep);
        board->SetPitchResetTicks(kPitchResetTicks);
    }
    board->CountLauncherStatistic(LauncherStatistic::PlimbsLaunched);
    loaded->hasAppeared = true;
    board->LaunchShot(loaded);
    recoil = kRecoilKick;
    reloadTick = 0;
    flash = kFlashTicks;
    loaded = next;
    next = nullptr;
}

void Launcher::RequestSwap() {
    if (!swapping) swapRequested = true;
}

void Launcher::Draw() const {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    if (const LauncherImages* art = board->LauncherArt()) {
        if (art->base != nullptr) art->base->DrawRotatedScaled(x, y + recoil, 0.0f, ballScale);
        if (art->light != nullptr) {
            const float turn = (board->TargetX() - x) / kLightTurnShare;
            const float lightY = y + kLightOffsetY + recoil;
            art->light->DrawRotatedScaled(x - kLightOffsetX * ballScale, lightY, turn, ballScale);
            art->light->DrawRotatedScaled(x + kLightOffsetX * ballScale, lightY, turn, ballScale);
        }
    }
    // Special balls draw themselves whole; plain balls shadow first.
    for (const Plimb* ball : {loaded, next}) {
        if (ball != nullptr && !ball->isFireBall && !ball->isBomb) ball->DrawShadow();
    }
    for (Plimb* ball : {loaded, next}) {
        if (ball == nullptr) continue;
        if (ball->isFireBall || ball->isBomb) {
            ball->Draw();
        } else {
            ball->DrawBody();
        }
    }
}

int32_t Launcher::KindOf(const Plimb* ball) {
    if (ball->isBomb) return kBombKind;
    return ball->isFireBall ? kFireBallKind : kPlainKind;
}

void Launcher::Save(IOBuffer& out) const {
    out.WriteBool(savedFlag);
    out.WriteInt(flash);
    out.WriteInt(reloadTick);
    out.WriteFloat(recoil);
    for (float value : {x, y, aimX, aimY}) out.WriteFloat(value);
    for (const Plimb* ball : {loaded, next}) {
        out.WriteBool(ball != nullptr);
        if (ball == nullptr) continue;
        out.WriteInt(KindOf(ball));
        ball->SaveRecord(out, -1, -1);
    }
}

Launcher::Record::~Record() {
    delete loaded;
    delete next;
}

bool Launcher::Load(IOBuffer& in) {
    Record record;
    if (!ReadRecord(in, record)) return false;
    TakeRecord(record);
    return true;
}

bool Launcher::ReadRecord(IOBuffer& in, Record& record) const {
    record.savedFlag = in.ReadBool();
    record.flash = in.ReadInt();
    record.reloadTick = in.ReadInt();
    float floats[5];  // recoil, x, y, aimX, aimY
    for (float& value : floats) value = in.ReadFloat();
    constexpr RecordLimits::Bounds<float> kFloatRanges[] = {kRecoil, RecordLimits::Either(kLauncherReach),
                                                            RecordLimits::Either(kLauncherReach), kAimPart, kAimPart};
    if (in.HasError() || record.reloadTick < 0 || record.reloadTick > kMaxReloadTick ||
        !RecordLimits::InBounds(record.flash, RecordLimits::kTicks) ||
        !RecordLimits::AllInBounds<float>(floats, kFloatRanges))
        return false;
    record.recoil = floats[0];
    record.x = floats[1];
    record.y = floats[2];
    record.aimX = floats[3];
    record.aimY = floats[4];
    for (Plimb** ball : {&record.loaded, &record.next}) {
        if (!in.ReadBool()) continue;
        const int32_t kind = in.ReadInt();
        if (kind == kBombKind) {
            *ball = board->MakeBomb();
        } else if (kind == kFireBallKind) {
            *ball = board->MakeFireBall();
        } else if (kind == kPlainKind) {
            *ball = new Plimb(board->BallBoard());
        }
        int32_t gapLeft = 0, gapRight = 0;
        if (*ball == nullptr || !(*ball)->LoadRecord(in, 0, gapLeft, gapRight) || (*ball)->isRobot ||
            KindOf(*ball) != kind)
            return false;
    }
    return !in.HasError();
}

void Launcher::TakeRecord(Record& record) {
    delete loaded;
    delete next;
    loaded = record.loaded;
    next = record.next;
    record.loaded = record.next = nullptr;
    savedFlag = record.savedFlag;
    flash = record.flash;
    reloadTick = record.reloadTick;
    recoil = record.recoil;
    x = record.x;
    y = record.y;
    aimX = record.aimX;
    aimY = record.aimY;
    ResumeSwap();
}

float Launcher::SlotOf(const Plimb& ball) const {
    return ((ball.position.x - x) * aimX + (ball.position.y - y) * aimY) / (aimX * aimX + aimY * aimY);
}

// The record has no room for a running swap, yet a swap places both balls by
// its progress alone, so their saved slots tell how far it had come. A swap
// asked for but not begun is lost with the save, like a click in between.
void Launcher::ResumeSwap() {
    swapRequested = false;
    swapping = false;
    swapTicks = 0;
    const float travel = loadedEnd - loadedStart;
    if (loaded == nullptr || next == nullptr || static_cast<float>(reloadTick) != reloadTicks || travel == 0.0f ||
        aimX * aimX + aimY * aimY < kShortestAimSquared)
        return;
    const float progress = (SlotOf(*loaded) - loadedStart) / travel;
    const float ticksLeft = std::round(reloadTicks * (1.0f - progress));
    if (!(ticksLeft >= 1.0f && ticksLeft <= reloadTicks)) return;
    const float t = 1.0f - ticksLeft / reloadTicks;
    if (std::fabs(SlotOf(*loaded) - (loadedStart + travel * t)) > kSlotTolerance ||
        std::fabs(SlotOf(*next) - (loadedEnd - travel * t)) > kSlotTolerance)
        return;
    swapping = true;
    swapTicks = static_cast<int32_t>(ticksLeft);
}
