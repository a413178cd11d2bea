// The journey map's record inside the saved journey. The file is the
// player's and may be damaged or forged, so every number read is checked
// before the map takes it.
#include <cmath>

#include "core/IOBuffer.h"
#include "game/journey/DifficultyMenu.h"

namespace {
constexpr int32_t kLongestStrikeDelay = 80;  // ticks: the lightning timer never exceeds this
constexpr int32_t kGlowEvery = 60;           // ticks

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }
bool InRange(float value, float low, float high) { return std::isfinite(value) && value >= low && value <= high; }
bool IsStageState(int32_t state) { return InRange(state, 0, DifficultyMenu::kDoors - 1); }
}  // namespace

void DifficultyMenu::Save(IOBuffer& out) const {
    out.WriteBool(journeyEnded);
    out.WriteBool(flashing);
    out.WriteBool(strikesBegun);
    out.WriteBool(continueShown);
    for (int32_t w = 0; w < kDoorWorlds; ++w)
        for (int32_t j = 0; j < kDoors; ++j) {
            out.WriteBool(doors[w][j].IsEnabled());
            out.WriteBool(doorPending[w][j]);
        }
    out.WriteBool(finalDoor.IsEnabled());
    out.WriteBool(finalDoorPending);
    out.WriteBool(stageDone);
    out.WriteInt(endTicks);
    out.WriteInt(lightningTimer);
    out.WriteInt(glowTimer);
    out.WriteInt(pauseTicks);
    out.WriteInt(mapTicks);
    out.WriteInt(worldIndex);
    out.WriteInt(stageState);
    out.WriteFloat(endAngle);
    out.WriteFloat(endFade);
    out.WriteFloat(scroll);
    out.WriteFloat(scrollTarget);
}

bool DifficultyMenu::Load(IOBuffer& in) {
    bool ended = in.ReadBool(), flash = in.ReadBool(), strikes = in.ReadBool(), continued = in.ReadBool();
    bool enabled[kDoorWorlds][kDoors], pending[kDoorWorlds][kDoors];
    for (int32_t w = 0; w < kDoorWorlds; ++w)
        for (int32_t j = 0; j < kDoors; ++j) {
            enabled[w][j] = in.ReadBool();
            pending[w][j] = in.ReadBool();
        }
    bool finalEnabled = in.ReadBool(), finalPending = in.ReadBool(), done = in.ReadBool();
    int32_t ticks = in.ReadInt(), lightning = in.ReadInt(), glow = in.ReadInt(), pause = in.ReadInt();
    int32_t map = in.ReadInt(), world = in.ReadInt(), state = in.ReadInt();
    float angle = in.ReadFloat(), fade = in.ReadFloat(), scrolled = in.ReadFloat(), target = in.ReadFloat();
    if (in.HasError()) return false;
    if (!InRange(world, 0, kFinalWorld) || !IsStageState(state) || !InRange(ticks, 0, kEndTicksLimit) ||
        !InRange(lightning, 0, kLongestStrikeDelay) || !InRange(glow, 0, kGlowEvery) ||
        !InRange(pause, 0, kStagePause) || !InRange(map, 0, kMapTicksWrap - 1) || !InRange(angle, 0.0f, 360.0f) ||
        !InRange(fade, 0.0f, 1.0f) || !InRange(scrolled, TempleLayout::kLowestScroll, TempleLayout::kHighestScroll) ||
        !InRange(target, TempleLayout::kLowestScroll, TempleLayout::kHighestScroll))
        return false;
    // Only the summit's stage can end the journey.
    if (ended && world != kFinalWorld) return false;

    journeyEnded = ended;
    flashing = flash;
    strikesBegun = strikes;
    continueShown = continued;
    for (int32_t w = 0; w < kDoorWorlds; ++w)
        for (int32_t j = 0; j < kDoors; ++j) {
            doors[w][j].mDisabled = !enabled[w][j];
            doorPending[w][j] = pending[w][j];
        }
    finalDoor.mDisabled = !finalEnabled;
    finalDoorPending = finalPending;
    stageDone = done;
    endTicks = ticks;
    lightningTimer = lightning;
    glowTimer = glow;
    pauseTicks = pause;
    mapTicks = map;
    worldIndex = world;
    stageState = state;
    endAngle = angle;
    endFade = fade;
    scroll = scrolled;
    scrollTarget = target;
    bolts.clear();
    burst.reset();
    if (journeyEnded) ShowContinueButton();
    PlaceDoors();
    return true;
}
