#pragma once
// The journey map: the temple of five worlds, one tier each, climbed door by
// door. Worlds 1-4 have three doors (their three stages), world 5 a single
// one. The door of the stage that opens next bursts open under a lightning
// bolt once the map has scrolled to it; pressing an open door plays its
// stage. Completing world 5 runs the journey's end: flashes, strikes round
// the summit, "you win" and a continue button that leads to the high scores.
//
// The map lives for a whole journey: the application removes it from the
// screen while a level is played and shows it again afterwards.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/ObjectManager.h"
#include "game/journey/DoorBurst.h"
#include "game/journey/TempleLayout.h"
#include "track/EffectImages.h"
#include "track/LightningBolt.h"
#include "ui/Button.h"
#include "ui/Gadget.h"

class IOBuffer;
class PlimbZappetsApp;

class DifficultyMenu : public Gadget {
public:
    static constexpr int32_t kDoorWorlds = TempleLayout::kDoorWorlds;
    static constexpr int32_t kDoors = TempleLayout::kDoorsPerWorld;
    static constexpr int32_t kFinalWorld = TempleLayout::kWorlds - 1;  // world index of world 5
    static constexpr int32_t kFirstStageState = 1;                     // a world's stages open as states 1, 0, 2
    static constexpr int32_t kShowDelay = 140;                         // ticks before a shown map starts scrolling
    static constexpr int32_t kStagePause = 50;  // ticks after a completed stage before a door opens
    static constexpr float kScrollStep = 3;     // pixels per tick at most
    // The ending's timeline, in ticks of endTicks.
    static constexpr int32_t kStrikesStart = 750, kContinueTick = 1000;
    static constexpr int32_t kEndTicksLimit = 1 << 20;  // the counter stops here; the ending is long settled
    static constexpr int32_t kMapTicksWrap = 1 << 20;   // the map's own tick counter wraps here

    explicit DifficultyMenu(PlimbZappetsApp& app);
    ~DifficultyMenu() override;

    void Update() override;
    void Draw() override;
    void Notify(Gadget* source) override;

    // The stage played from this map has been played through: opens the
    // next door (with an extra life) or, after world 5, ends the journey.
    void CompleteStage();
    // Called each time the map is shown: the scroll waits a moment first.
    void ResetForDisplay();

    // The map's record inside the saved journey. Load refuses (false) a
    // record with anything out of range; the map is then not to be used.
    void Save(IOBuffer& out) const;
    bool Load(IOBuffer& in);

    // "World w-s" of door j of world index w (0-3): the middle door is stage
    // 1, the left stage 2, the right stage 3.
    static String DoorStageName(int32_t world, int32_t door);

    int32_t WorldIndex() const { return worldIndex; }
    int32_t StageState() const { return stageState; }
    bool IsStageDone() const { return stageDone; }
    bool HasJourneyEnded() const { return journeyEnded; }
    bool IsFlashing() const { return flashing; }
    bool HasStrikesBegun() const { return strikesBegun; }
    bool HasContinueButton() const { return continueShown; }
    int32_t EndTicks() const { return endTicks; }
    float Scroll() const { return scroll; }
    float ScrollTarget() const { return scrollTarget; }
    float EndAngle() const { return endAngle; }
    float EndFade() const { return endFade; }
    bool IsDoorPending(int32_t world, int32_t door) const;
    const Button& Door(int32_t world, int32_t door) const { return doors[world][door]; }
    const Button& FinalDoor() const { return finalDoor; }
    const Button& BackButton() const { return backButton; }
    const Button& ContinueButton() const { return continueButton; }
    // Door pieces still in flight (for the look and the benchmark).
    bool IsBursting() const { return burst.has_value(); }

private:
    // DifficultyMenu.cpp
    void SetUpButton(Button& button, const char* label);
    // Enables the doors of stages already reached and opened.
    void RefreshDoors();
    bool IsReached(int32_t world, int32_t door) const;
    void PlaceDoors();
    void MoveScroll();
    // The door of the current stage bursts open.
    void OpenCurrentDoor();
    void PressDoor(const String& stageName);
    void EndJourneyPress();

    // DifficultyMenuDraw.cpp
    void DrawTemple() const;
    void DrawDoors() const;
    void DrawNextDoorGlow(const Rect& door) const;
    void DrawTorches() const;
    void DrawFloaters() const;
    void DrawButton(const Button& button, const Sprite* picture) const;
    void FindPictures();
    void SpawnFloaters();
    void UpdateFloaters();

    // JourneyEnding.cpp
    void StartEnding();
    void UpdateEnding();
    void Strike(float degrees);
    void ShowContinueButton();
    void DrawEnding();

    PlimbZappetsApp& app;
    struct Pictures {
        const Sprite *background = nullptr, *tree = nullptr, *treeMirrored = nullptr, *leaves = nullptr,
                     *leavesMirrored = nullptr, *leaf = nullptr, *leafMirrored = nullptr, *torch = nullptr,
                     *torchMirrored = nullptr, *stairs = nullptr, *finalDoor = nullptr, *back = nullptr,
                     *youWin = nullptr, *youWinOutline = nullptr, *clickToContinue = nullptr, *glow = nullptr;
        const Sprite* tiers[TempleLayout::kWorlds] = {};
        const Sprite* doors[kDoorWorlds][kDoors] = {};
        const Sprite* floaters[3] = {};
    } pictures;
    EffectImages effectImages;
    Button doors[kDoorWorlds][kDoors];
    Button finalDoor, backButton, continueButton;
    bool doorPending[kDoorWorlds][kDoors] = {};
    bool finalDoorPending = true;
    int32_t worldIndex = 0;
    int32_t stageState = kFirstStageState;
    // A fresh journey's first door opens as if a stage had just been done.
    bool stageDone = true;
    bool journeyEnded = false;
    bool flashing = false;
    bool strikesBegun = false;
    bool continueShown = false;
    float scroll = TempleLayout::kLowestScroll;
    float scrollTarget = TempleLayout::kLowestScroll;
    int32_t scrollDelay = kShowDelay;
    int32_t pauseTicks = kStagePause;
    int32_t mapTicks = 0;
    int32_t endTicks = 0;
    int32_t lightningTimer = 0;
    int32_t glowTimer = 0;
    float endAngle = 0;
    float endFade = 0;

    // The passing show, not kept in the record.
    struct Bolt {
        LightningBolt shape;
        int32_t ticksLeft;
    };
    std::vector<Bolt> bolts;
    std::optional<DoorBurst> burst;
    ObjectManager effects;  // the ending's fireworks and glows
    struct Floater {
        int32_t kind;
        float x, y, vx, vy, phase;
    };
    std::vector<Floater> floaters;
};
