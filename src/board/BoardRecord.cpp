// The board's record in the saved journey: its state, then each track, the
// balls in flight, the eaters and the falling bonus items.
#include <memory>

#include "board/Board.h"
#include "board/BoardMedia.h"
#include "core/IOBuffer.h"
#include "track/Bomb.h"
#include "track/Bonus.h"
#include "track/Eater.h"
#include "track/FireBall.h"
#include "track/Plimb.h"
#include "track/RecordLimits.h"
#include "track/Track.h"

namespace {
// Kinds of balls in flight in the record.
constexpr int32_t kPlainShot = 0, kBombShot = 1, kFireShot = 2;

int32_t ShotKind(const Plimb& shot) {
    if (shot.isBomb) return kBombShot;
    if (shot.isFireBall) return kFireShot;
    return kPlainShot;
}
}  // namespace

void Board::Save(IOBuffer& out) const {
    for (float value : {flashColour.r, flashColour.g, flashColour.b, flashColour.a, swirlAlpha, darken, swirlAngle,
                        shake, explosionRadius, shakeOffset.x, shakeOffset.y, explosionCentre.x, explosionCentre.y})
        out.WriteFloat(value);
    for (int32_t value :
         {lossesOnBoard, rewindTicks, lossWait, startDelay, slowTimer, backTimer, fireGrant, bombGrant, aimTimer,
          completeCountdown, endDelay, 0, flashLeft, flashDuration, dangerRepeats, dangerColour, fallbackColour})
        out.WriteInt(value);
    for (bool flag :
         {rewindBraking, rewinding, wavesOver, needColourCheck, false, losing, drained, gameOver, explosionActive,
          wavesEnded, completing, complete, completeStarted, completeReported, advance, rushActive})
        out.WriteBool(flag);
    out.WriteInt(TrackCount());
    for (const TrackSlot& slot : tracks) slot.track->Save(out);
    out.WriteInt(static_cast<int32_t>(shots.size()));
    for (const Plimb* shot : shots) {
        out.WriteInt(ShotKind(*shot));
        shot->SaveRecord(out, -1, -1);
    }
    out.WriteInt(eaters.Count());
    for (int32_t i = 0; i < eaters.Count(); ++i) static_cast<const Eater*>(eaters.At(i))->Save(out);
    out.WriteInt(bonusItems.Count());
    for (int32_t i = 0; i < bonusItems.Count(); ++i) {
        const auto* item = static_cast<const Bonus*>(bonusItems.At(i));
        out.WriteInt(static_cast<int32_t>(item->kind));
        item->Save(out);
    }
    launcher.Save(out);
}

bool Board::Load(IOBuffer& in) {
    using namespace RecordLimits;
    // The screen shakes by 20 pixels at most; the bomb's blast ends at 200.
    constexpr Bounds<float> kShake{0, 10000};
    constexpr Bounds<float> kBlastRadius{0, 10000};
    constexpr Bounds<float> kPoint = Either(kCoordinate);
    constexpr Bounds<float> kFloatRanges[] = {kUnit,  kUnit,        kUnit,  kUnit,  kUnit,  kUnit, Either(kAngle),
                                              kShake, kBlastRadius, kPoint, kPoint, kPoint, kPoint};
    // A flash lasts at least one tick: it divides by its length. The grants
    // hold a positive amount while a special ball waits for the launcher.
    constexpr Bounds<int32_t> kFlashLength{1, kTicks.high};
    constexpr Bounds<int32_t> kAny{INT32_MIN, INT32_MAX};
    constexpr Bounds<int32_t> kIntRanges[] = {
        kCount,     kTicks, kTicks, kTicks, kTicks, kTicks,       kCount, kCount,
        kTicks,     kTicks, kTicks, kAny,   kTicks, kFlashLength, kCount, kBallColourOrNone,
        kBallColour};
    float floats[13];
    for (float& value : floats) value = in.ReadFloat();
    int32_t ints[17];
    for (int32_t& value : ints) value = in.ReadInt();
    bool flags[16];
    for (bool& flag : flags) flag = in.ReadBool();
    if (in.HasError() || !AllInBounds<float>(floats, kFloatRanges) || !AllInBounds<int32_t>(ints, kIntRanges))
        return false;

    // Every part is read and checked before anything changes, so a refused
    // record leaves the board as it was.
    if (in.ReadInt() != TrackCount() || in.HasError()) return false;
    std::vector<Track::PendingRecord> trackRecords;
    for (const TrackSlot& slot : tracks) {
        trackRecords.push_back(slot.track->ReadRecord(in));
        if (!trackRecords.back()) return false;
    }

    int32_t shotCount = in.ReadInt();
    if (in.HasError() || shotCount < 0 || shotCount > kMaxShots) return false;
    std::vector<std::unique_ptr<Plimb>> loadedShots;
    const EffectImages* images = media ? &media->effects : nullptr;
    for (int32_t i = 0; i < shotCount; ++i) {
        int32_t kind = in.ReadInt();
        std::unique_ptr<Plimb> shot;
        if (kind == kBombShot)
            shot = std::make_unique<Bomb>(this, this, images);
        else if (kind == kFireShot)
            shot = std::make_unique<FireBall>(this, images);
        else if (kind == kPlainShot)
            shot = std::make_unique<Plimb>(this);
        else
            return false;
        int32_t gapLeft = -1, gapRight = -1;
        if (!shot->LoadRecord(in, 0, gapLeft, gapRight) || shot->isRobot) return false;
        shot->track = nullptr;
        shot->gapLeft = shot->gapRight = nullptr;
        loadedShots.push_back(std::move(shot));
    }

    int32_t eaterCount = in.ReadInt();
    if (in.HasError() || eaterCount != eaters.Count()) return false;
    std::vector<Eater::Record> eaterRecords(static_cast<size_t>(eaterCount));
    for (int32_t i = 0; i < eaterCount; ++i)
        if (!static_cast<const Eater*>(eaters.At(i))->ReadRecord(in, eaterRecords[i])) return false;

    int32_t itemCount = in.ReadInt();
    if (in.HasError() || itemCount < 0 || itemCount > kMaxBonusItems) return false;
    std::vector<std::unique_ptr<Bonus>> loadedItems;
    int32_t nextCoin = coinKind;
    for (int32_t i = 0; i < itemCount; ++i) {
        int32_t kind = in.ReadInt();
        if (kind == static_cast<int32_t>(BonusKind::Coin)) nextCoin = (nextCoin + 1) % Bonus::kCoinKinds;
        std::unique_ptr<Bonus> item(Bonus::Create(kind, images, nextCoin));
        if (in.HasError() || !item || !item->Load(in)) return false;
        loadedItems.push_back(std::move(item));
    }
    Launcher::Record launcherRecord;
    if (!launcher.ReadRecord(in, launcherRecord)) return false;

    flashColour = Colour{floats[0], floats[1], floats[2], floats[3]};
    swirlAlpha = floats[4];
    darken = floats[5];
    swirlAngle = floats[6];
    shake = floats[7];
    explosionRadius = floats[8];
    shakeOffset = Vec2{floats[9], floats[10]};
    explosionCentre = Vec2{floats[11], floats[12]};
    lossesOnBoard = ints[0];
    rewindTicks = ints[1];
    lossWait = ints[2];
    startDelay = ints[3];
    slowTimer = ints[4];
    backTimer = ints[5];
    fireGrant = ints[6];
    bombGrant = ints[7];
    aimTimer = ints[8];
    completeCountdown = ints[9];
    endDelay = ints[10];
    flashLeft = ints[12];
    flashDuration = ints[13];
    dangerRepeats = ints[14];
    dangerColour = ints[15];
    fallbackColour = ints[16];
    rewindBraking = flags[0];
    rewinding = flags[1];
    wavesOver = flags[2];
    needColourCheck = flags[3];
    losing = flags[5];
    drained = flags[6];
    gameOver = flags[7];
    explosionActive = flags[8];
    wavesEnded = flags[9];
    completing = flags[10];
    complete = flags[11];
    completeStarted = flags[12];
    completeReported = flags[13];
    advance = flags[14];
    rushActive = flags[15];
    requestLevelComplete = advance;

    for (size_t i = 0; i < tracks.size(); ++i) tracks[i].track->TakeRecord(std::move(trackRecords[i]));
    for (Plimb* shot : shots) delete shot;
    shots.clear();
    for (auto& shot : loadedShots) shots.push_back(shot.release());
    for (int32_t i = 0; i < eaterCount; ++i) static_cast<Eater*>(eaters.At(i))->TakeRecord(std::move(eaterRecords[i]));
    bonusItems.Clear();
    for (auto& item : loadedItems) bonusItems.Add(item.release());
    coinKind = nextCoin;
    launcher.TakeRecord(launcherRecord);
    return true;
}
