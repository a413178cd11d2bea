#include "game/journey/DifficultyMenu.h"

#include <algorithm>
#include <cmath>

#include "board/JourneyNames.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"

namespace {
constexpr const char* kThunderSound = "Sounds\\THUNDER_CLAP";
constexpr int32_t kExtraLivesStat = 13;
constexpr float kBoltTopY = -25;                       // screen pixels: the bolt starts above the screen
constexpr int32_t kBoltLeft = 200, kBoltXRange = 401;  // screen pixels: it starts at x 200 ... 600
constexpr float kDoorBoltWidth = 14;                   // pixels
constexpr int32_t kDoorBoltTicks = 24;
// A world's stages open as states 1, 0, 2; -1 ends the world.
int32_t NextStageState(int32_t state) { return state == 1 ? 0 : state == 0 ? 2 : -1; }
}  // namespace

DifficultyMenu::DifficultyMenu(PlimbZappetsApp& owner) : app(owner) {
    mName = "DifficultyMenu";
    FillScreen();
    FindPictures();
    for (int32_t w = 0; w < kDoorWorlds; ++w)
        for (int32_t j = 0; j < kDoors; ++j) {
            doorPending[w][j] = true;
            SetUpButton(doors[w][j], DoorStageName(w, j).c_str());
        }
    SetUpButton(finalDoor, JourneyNames::kFinalStage);
    SetUpButton(backButton, "Back");
    backButton.SetRect(TempleLayout::kBackButton);
    continueButton.mLabel = "ContinueButton";
    continueButton.SetHandCursor();
    SpawnFloaters();
    PlaceDoors();
    RefreshDoors();
}

DifficultyMenu::~DifficultyMenu() {
    for (auto& row : doors)
        for (Button& door : row)
            if (door.mParent) RemoveChild(&door);
    for (Button* button : {&finalDoor, &backButton, &continueButton})
        if (button->mParent) RemoveChild(button);
    effects.Clear();
}

void DifficultyMenu::SetUpButton(Button& button, const char* label) {
    button.mLabel = label;
    button.SetHandCursor();
    button.SetListener(this, true);
}

String DifficultyMenu::DoorStageName(int32_t world, int32_t door) {
    return JourneyNames::StageName(world + 1, JourneyNames::StageNumber(door));
}

bool DifficultyMenu::IsDoorPending(int32_t world, int32_t door) const {
    if (world == kFinalWorld) return finalDoorPending;
    return doorPending[world][door];
}

bool DifficultyMenu::IsReached(int32_t world, int32_t door) const {
    return world == worldIndex && (world == kFinalWorld || door == stageState);
}

void DifficultyMenu::RefreshDoors() {
    // Only the stage the journey stands at can be played, once its door is open.
    for (int32_t w = 0; w < kDoorWorlds; ++w)
        for (int32_t j = 0; j < kDoors; ++j)
            doors[w][j].mDisabled = journeyEnded || !IsReached(w, j) || doorPending[w][j];
    finalDoor.mDisabled = journeyEnded || !IsReached(kFinalWorld, 0) || finalDoorPending;
    // At the journey's end the way out is the continue button.
    backButton.mHidden = backButton.mDisabled = journeyEnded;
}

void DifficultyMenu::PlaceDoors() {
    for (int32_t w = 0; w < kDoorWorlds; ++w)
        for (int32_t j = 0; j < kDoors; ++j) {
            Rect rect = TempleLayout::DoorRect(w, j);
            rect.y += scroll;
            doors[w][j].SetRect(rect);
        }
    Rect rect = TempleLayout::FinalDoorRect();
    rect.y += scroll;
    finalDoor.SetRect(rect);
}

void DifficultyMenu::ResetForDisplay() {
    scrollDelay = kShowDelay;
    bolts.clear();
    PlaceDoors();
    RefreshDoors();
}

void DifficultyMenu::CompleteStage() {
    if (stageDone || journeyEnded) return;
    if (worldIndex == kFinalWorld) {
        StartEnding();
        RefreshDoors();
        return;
    }
    // Every finished stage is worth a life, whatever the play style.
    ++app.lives;
    ++app.stats[kExtraLivesStat];
    int32_t next = NextStageState(stageState);
    if (next >= 0) {
        stageState = next;
    } else {
        ++worldIndex;
        stageState = kFirstStageState;
        app.worldReached = worldIndex;
        scrollTarget = TempleLayout::ScrollFor(worldIndex);
    }
    stageDone = true;
    pauseTicks = kStagePause;
    RefreshDoors();
}

void DifficultyMenu::MoveScroll() {
    if (scrollDelay > 0) {
        --scrollDelay;
        return;
    }
    scroll += std::clamp(scrollTarget - scroll, -kScrollStep, kScrollStep);
}

void DifficultyMenu::Update() {
    mapTicks = (mapTicks + 1) % kMapTicksWrap;
    UpdateFloaters();
    for (Bolt& bolt : bolts) --bolt.ticksLeft;
    std::erase_if(bolts, [](const Bolt& bolt) { return bolt.ticksLeft <= 0; });
    if (burst) {
        burst->Update();
        if (burst->IsDone()) burst.reset();
    }
    effects.Update();
    MoveScroll();
    PlaceDoors();
    if (journeyEnded) {
        UpdateEnding();
        return;
    }
    if (pauseTicks > 0) --pauseTicks;
    if (scroll == scrollTarget && stageDone && pauseTicks == 0) OpenCurrentDoor();
}

void DifficultyMenu::OpenCurrentDoor() {
    stageDone = false;
    bool final = worldIndex == kFinalWorld;
    bool& pending = final ? finalDoorPending : doorPending[worldIndex][stageState];
    if (pending) {
        pending = false;
        Rect door = final ? TempleLayout::FinalDoorRect() : TempleLayout::DoorRect(worldIndex, stageState);
        Random& random = GetRandom();
        Vec2 from{static_cast<float>(kBoltLeft + random.Next(kBoltXRange)), kBoltTopY};
        Vec2 to{door.x + door.width / 2, door.y + door.height / 2 + scroll};
        bolts.push_back({LightningBolt(from, to, kDoorBoltWidth, pictures.boltStroke), kDoorBoltTicks});
        app.PlaySound(kThunderSound);
        const Catalogue& catalogue = app.Resources();
        if (final) {
            if (pictures.finalDoor) burst = DoorBurst::FromSprite(*pictures.finalDoor, door);
        } else if (const Image* picture = catalogue.FindPieceImage(TemplePictures::kDoors[worldIndex], stageState)) {
            const Image* mask = catalogue.FindPieceImage(TemplePictures::kShatterMask, stageState);
            burst = DoorBurst::FromImage(*picture, mask, door);
        }
    }
    RefreshDoors();
}

void DifficultyMenu::Notify(Gadget* source) {
    if (app.IsTransitionRunning()) return;
    // Whatever is pressed, a stage starts from its first level.
    app.restartGroup = true;
    if (journeyEnded) {
        EndJourneyPress();
        return;
    }
    if (source == &backButton) {
        app.SaveJourney();
        app.StartTransition(TransitionKind::MainMenu);
        return;
    }
    if (source == &finalDoor) {
        PressDoor(JourneyNames::kFinalStage);
        return;
    }
    for (int32_t w = 0; w < kDoorWorlds; ++w)
        for (int32_t j = 0; j < kDoors; ++j)
            if (source == &doors[w][j]) PressDoor(DoorStageName(w, j));
}

void DifficultyMenu::PressDoor(const String& stageName) {
    app.currentGroup = stageName;
    // The stage's levels read the difficulty file of the world it stands in.
    app.worldIndex = worldIndex;
    stageDone = false;
    app.StartTransition(TransitionKind::StartGame);
}

void DifficultyMenu::EndJourneyPress() {
    app.ClearJourney();
    app.OfferHighScore();
    app.StartTransition(TransitionKind::HighScores);
}
