#pragma once
// The play field of one level: it owns the level's tracks, the balls in
// flight, the falling bonus items, the eaters and the effect objects, drives
// them in a fixed order every tick, decides when a life is lost, runs the
// rewind that follows and decides when the level is complete. Themed boards
// (Board_Blue, ...) add scenery and paths.
//
// The files: Board.cpp (construction, level set-up, hooks), BoardUpdate.cpp
// (the tick), BoardFlight.cpp (balls in flight, the bomb blast, drops),
// BoardChoices.cpp (launcher colours, bonus items, catches), BoardEffects.cpp
// (pop, robot and firework effects, end-of-level hand-over), BoardTitle.cpp
// (title images), BoardDraw.cpp (the frame), BoardThemeParts.cpp (what themed
// boards build and draw with), BoardRecord.cpp (saved state).

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "board/LevelTarget.h"
#include "board/SlideControl.h"
#include "core/Colour.h"
#include "core/ObjectManager.h"
#include "media/Image.h"
#include "media/Sound.h"
#include "media/Sprite.h"
#include "track/EffectHost.h"
#include "track/Launcher.h"
#include "track/LauncherHost.h"
#include "track/QuickSpline.h"
#include "track/TrackHost.h"
#include "track/Vec2.h"
#include "ui/Button.h"
#include "ui/Gadget.h"

class Bonus;
enum class BonusKind : int32_t;
class BoardGame;
class IOBuffer;
class Plimb;
class Track;
struct BoardMedia;

class Board : public Gadget, public TrackHost, public EffectHost, public LauncherHost, public LevelTarget {
public:
    // Ball size classes: drawing scale, pixels between ball centres and the
    // squared hit distance.
    struct BallSizeClass {
        float scale, spacing, hitDistanceSq;
    };
    static constexpr BallSizeClass kBallSizes[3] = {
        {0.6f, 32.0f, 1058.0f}, {0.8f, 42.0f, 1800.0f}, {1.0f, 53.0f, 2888.0f}};
    static constexpr int32_t kLargestBallSize = 2;
    static constexpr int32_t kIntroTicks = 300;
    static constexpr int32_t kTitleTicks = 260;
    static constexpr int32_t kEndDelayTicks = 300;
    static constexpr float kMirrorAxis = 400;  // x, pixels
    // The menu button in the bottom left corner (pixels); the game screen
    // draws it over its own frame.
    static constexpr Rect kMenuButtonRect{0, 542, 64, 58};
    // Bounds of a loaded record.
    static constexpr int32_t kMaxShots = 64;
    static constexpr int32_t kMaxBonusItems = 256;

    // `game` outlives the board; `media` may be null (nothing drawn) and
    // outlives it.
    Board(BoardGame& game, const BoardMedia* media);
    ~Board() override;

    // The level's waves, title, rush and progress target from the level
    // loader (LevelTarget); tracks must exist (the themed constructor).
    void Start();
    // Holds the title on screen; `line` (the journey's "%s LEVEL %d-%d") may
    // be empty.
    void BuildTitleImages(const String& title, const String& line);

    void Update() override;
    void Draw() override;
    void OnMouseDown(float x, float y, int32_t button) override;
    void OnMouseMove(float x, float y) override;
    // Keys and the pad play as the mouse does (BoardSteering.cpp): slide,
    // fire, swap, pause and the in-game menu.
    void OnKeyDown(int32_t key) override;
    void OnKeyUp(int32_t key) override;
    bool OnPadButton(PadButton button, bool down) override;
    bool OnPadAxis(PadAxis axis, int32_t value) override;
    // Mouse buttons: a negative code fires, any other swaps.
    void OnMouseButton(float x, float y, int32_t button);
    // The board's own controls report here: the menu button opens the game
    // screen's in-game menu.
    void Notify(Gadget* source) override;
    const Button& MenuButton() const { return menuButton; }
    // The rolling chains' loop; null without audio.
    SoundInstance* RollLoop() const { return rollSound.GetInstance(0); }

    // A theme's path builder: appends its unmirrored path curves in track
    // order. The board builds its tracks from it and the background painter
    // draws its lanes along the same curves.
    using PathBuilder = void (*)(std::vector<QuickSpline>& curves);
    // Path builders' parts: a curve from a path string, or one through points.
    static void AppendParsedPath(std::vector<QuickSpline>& curves, const char* text);
    static void AppendPointPath(std::vector<QuickSpline>& curves, std::initializer_list<Vec2> points);

    // One step of a layered frame: the visible balls of a track whose path
    // position lies in [from, to), a scenery picture, the eaters or the balls
    // in flight. Balls under scenery come in a step before it.
    struct Layer {
        enum class Kind { Balls, Scenery, Eaters, Shots } kind;
        int32_t track = 0;
        float from = 0, to = 0;
        const Sprite* sprite = nullptr;  // null: nothing drawn
        Vec2 topLeft;                    // unmirrored
    };
    static Layer BallsBetween(int32_t track, float from, float to) {
        return {Layer::Kind::Balls, track, from, to, nullptr, {}};
    }
    static Layer BallsFrom(int32_t track, float from);
    static Layer BallsBefore(int32_t track, float to);
    static Layer AllBalls(int32_t track);
    static Layer Scenery(const Sprite* sprite, Vec2 topLeft) {
        return {Layer::Kind::Scenery, 0, 0, 0, sprite, topLeft};
    }
    static Layer EaterLayer() { return {Layer::Kind::Eaters, 0, 0, 0, nullptr, {}}; }
    static Layer ShotLayer() { return {Layer::Kind::Shots, 0, 0, 0, nullptr, {}}; }
    // A layered theme's frame, in drawing order; empty: the plain order.
    const std::vector<Layer>& Layers() const { return layers; }

    // Themed drawing between the background and the aiming beam: the layers;
    // false (nothing drawn) without any, for the plain order (tracks, eaters,
    // balls in flight).
    virtual bool DrawPlayfield();
    virtual void HandOverToEater(Track& track, int32_t trackIndex);
    void BeginCompletion();
    // Destroys every track with its balls, robots, pieces and waves; the
    // board plays on without them. The destructor runs it.
    virtual void DestroyTracks();

    // Saved state. Load answers false on a damaged record or when the saved
    // counts of tracks or eaters differ from this board's.
    void Save(IOBuffer& out) const;
    bool Load(IOBuffer& in);

    // Choices.
    int32_t ChooseLauncherColour(int32_t excludedColour) override;
    Bonus* CreateBonusItem();
    // The kinds CreateBonusItem draws from, repeats included; empty: a coin.
    std::vector<BonusKind> BonusCandidates() const;
    void CollectBonus(Bonus& item);

    // Effects.
    void PopEffect(const Plimb& ball);
    void RobotBurst(Vec2 where);
    void Flash(const Colour& colour, int32_t ticks);
    void Shake(float amount) { shake = amount; }
    void AddDropRequest(Vec2 where) { dropRequests.push_back(where); }
    void RequestColourCheck();

    // The game screen: progress reached its target (no more waves), and its
    // displayed meter has filled (every track is told no wave follows).
    void SetWavesOver() { wavesOver = true; }
    void EndWaves();

    // Parts for the themes, the game screen and tests.
    int32_t AddTrack(std::unique_ptr<Track> track, int32_t eaterIndex);
    // An eater whose tile (may be null) is centred on `centre`, mirrored with
    // the board.
    int32_t AddEaterAt(const Sprite* tile, Vec2 centre);
    void AddTargetRange(int32_t trackIndex, float from, float to);
    // Balls of the track there are hidden and cannot be hit (tunnels, covers).
    void AddHiddenRange(int32_t trackIndex, float from, float to);
    Track& TrackAt(int32_t index) { return *tracks[index].track; }
    const std::vector<Plimb*>& Shots() const { return shots; }
    void AddShot(Plimb* shot) { shots.push_back(shot); }
    ObjectManager& BonusItems() { return bonusItems; }
    ObjectManager& Effects() { return effects; }
    ObjectManager& Eaters() { return eaters; }
    int32_t LiveBallCount() const;
    const String& DisplayName() const { return displayName; }
    int32_t ProgressTarget() const { return progressTarget; }
    float TargetX() const override { return targetX; }
    Launcher& GetLauncher() { return launcher; }
    const Launcher& GetLauncher() const { return launcher; }
    void SetTargetX(float x) { targetX = x; }

    // TrackHost.
    float BallSpacing() const override { return ballSpacing; }
    float HitRadius() const override { return hitDistance; }
    float BallScale() const override { return ballScale; }
    int32_t ColourCount() const override { return kDefaultColourCount; }
    float RushFraction() const override { return rush; }
    bool IsRushActive() const override { return rushActive; }
    void EndRush() override { rushActive = false; }
    bool IsReversing() const override { return backTimer > 0; }
    bool IsSlowed() const override { return slowTimer > 0; }
    bool IsFrozen() const override { return false; }
    bool IsProgressGoalReached() const override { return wavesOver; }
    bool AnyTrackHoldsItems() const override;
    int32_t LauncherLoadedColour() const override;
    int32_t LauncherNextColour() const override;
    void OnPop(Plimb& ball) override;
    void OnGroup(const std::vector<Plimb*>& group) override {}
    void OnCombo(int32_t comboCount, Vec2 where) override {}
    void OnAfterPop() override { RequestColourCheck(); }
    void OnCollision(Plimb& rear, Plimb& front, float speedDifference) override {}
    void OnRobotCleared(Vec2 where) override { RobotBurst(where); }
    void OnHit(Plimb& shot, Plimb& ball) override {}
    void AddScore(int32_t points) override;
    void AddProgress(int32_t points) override;
    int32_t WorldIndex() const override;
    PlayStyle CurrentPlayStyle() const override;
    void CountStatistic(TrackStatistic statistic, int32_t amount) override;
    void RaiseStatistic(TrackStatistic statistic, int32_t value) override;
    void PlaySound(TrackSound sound, float pitch, float volume) override;
    const TrackImages* Images() const override;
    void ShowFloatingText(const String& text, Vec2 where, FloaterKind kind) override;

    // EffectHost.
    void ShowPoints(int32_t points, float x, float y) override;
    void AddEffect(Object* effect) override { effects.Add(effect); }
    void SetFireGrant(int32_t value) override { fireGrant = value; }
    void SetBombGrant(int32_t value) override { bombGrant = value; }
    void SetSlowTimer(int32_t ticks) override { slowTimer = ticks; }
    void SetBackTimer(int32_t ticks) override { backTimer = ticks; }
    void SetAimTimer(int32_t ticks) override { aimTimer = ticks; }
    void FireworkBurst(float x, float y) override;
    float WickAngleOffset(bool secondEater) const override { return wickAngleOffset[secondEater ? 1 : 0]; }

    // LauncherHost.
    TrackHost* BallBoard() override { return this; }
    bool HasFireGrant() const override { return fireGrant != 0; }
    void ClearFireGrant() override { fireGrant = 0; }
    bool HasBombGrant() const override { return bombGrant != 0; }
    void ClearBombGrant() override { bombGrant = 0; }
    Plimb* MakeFireBall() override;
    Plimb* MakeBomb() override;
    float ShotPitch() const override { return shotPitch; }
    void SetShotPitch(float pitch) override { shotPitch = pitch; }
    void SetPitchResetTicks(int32_t ticks) override { shotPitchReset = ticks; }
    void LaunchShot(Plimb* shot) override { AddShot(shot); }
    void CountLauncherStatistic(LauncherStatistic statistic) override;
    void PlayLauncherSound(LauncherSound sound, float pitch, float volume) override;
    const LauncherImages* LauncherArt() const override;

    // LevelTarget.
    int32_t TrackCount() const override { return static_cast<int32_t>(tracks.size()); }
    void AddWaveToTrack(int32_t trackIndex, const WaveSpec& wave) override;
    void SetTrackReleaseWait(int32_t trackIndex, int32_t ticks) override;
    void SetDisplayName(const String& name) override { displayName = name; }
    void SetRush(float fraction) override { rush = fraction; }
    void SetProgressTarget(int32_t points) override { progressTarget = points; }

    // State; the game screen, themes and tests read and set it directly.
    int32_t startDelay = kIntroTicks;
    float rush = 0.25f;
    bool rushActive = true;
    int32_t ballSize = 0;
    float ballScale = kBallSizes[kLargestBallSize].scale;
    float ballSpacing = kBallSizes[kLargestBallSize].spacing;
    float hitDistanceSq = kBallSizes[kLargestBallSize].hitDistanceSq;
    float hitDistance;
    int32_t slowTimer = 0, backTimer = 0, aimTimer = 0;
    int32_t fireGrant = 0, bombGrant = 0;
    float shotPitch = 1.0f;
    int32_t shotPitchReset = 0;
    bool paused = false;
    bool losing = false;
    bool drained = false;
    int32_t lossWait = 0;
    bool gameOver = false;
    bool rewinding = false;
    bool rewindBraking = false;
    int32_t lossesOnBoard = 0;
    bool wavesOver = false;
    bool wavesEnded = false;
    bool mirror = false;
    bool completing = false, complete = false, completeStarted = false, completeReported = false;
    int32_t completeCountdown = 0;
    int32_t endDelay = kEndDelayTicks;
    bool needColourCheck = false;
    bool explosionActive = false;
    Vec2 explosionCentre;
    float explosionRadius = 0;
    float shake = 0;
    Vec2 shakeOffset;  // kept in the record only: drawing shakes on its own
    Colour flashColour{1, 1, 1, 1};
    int32_t flashDuration = 1, flashLeft = 0;
    int32_t titleHold = 0;
    float titleAlpha = 1.0f;
    float pulsePhase = 0;
    float darken = 0, swirlAlpha = 0, swirlAngle = 0;
    int32_t rewindTicks = 0;
    // The level was already complete when the saved game was taken.
    bool advance = false;
    bool requestLevelComplete = false;
    // Launcher chooser.
    int32_t dangerColour = -1;
    int32_t dangerRepeats = 0;
    int32_t fallbackColour = 0;
    bool boardEmpty = false;
    // A five-entry shuffle of 0 .. 4 for themes that pick among variants.
    int32_t permutation[5] = {0, 1, 2, 3, 4};
    // Degrees added to the fuse bombs of eater 0 and of the other eaters.
    float wickAngleOffset[2] = {0, 0};
    int32_t wicksOnFirstEater = 0, wicksOnOtherEaters = 0;

protected:
    static constexpr int32_t kDefaultColourCount = 3;

    struct TrackSlot {
        std::unique_ptr<Track> track;
        int32_t eaterIndex;
        // Path positions (in samples) preferred for the launcher's colour.
        std::vector<std::pair<float, float>> targetRanges;
    };

    // "Levels\\<theme>\\<name>"; null without media (tests) or when missing.
    std::unique_ptr<Sprite> LoadThemeSprite(const char* theme, const char* name) const;
    // One track per curve of the builder, track i going to eaterOfTrack[i]
    // (eater 0 past the list's end).
    void AddThemeTracks(PathBuilder build, std::initializer_list<int32_t> eaterOfTrack);
    // The scene most themes are: the theme's background, one eater (its
    // picture `eaterName`, kept by the board) centred at `eaterAt`, and the
    // builder's tracks going to the eaters eaterOfTrack names.
    void SetUpOneEaterScene(const char* theme, const char* eaterName, Vec2 eaterAt, PathBuilder build,
                            std::initializer_list<int32_t> eaterOfTrack);
    // Drawing parts. The visible balls of a track whose path position
    // lies in [from, to) (shadows first), the shot sliding in counted at its
    // slot; a scenery picture (null: nothing) with its top-left corner at
    // `topLeft`, flipped to x = 800 - width - x with the mirror flag; the
    // eaters and then the balls in flight.
    void DrawTrackBalls(int32_t trackIndex, float from, float to) const;
    void DrawScenery(const Sprite* sprite, Vec2 topLeft) const;
    void DrawEatersAndShots();

    std::vector<Layer> layers;
    void ApplyBallSize();
    // From the loss of the last life on, even while the chains still drain.
    bool GameIsOver() const;
    // The in-game menu, unless the game is over or busy with a panel or transition.
    void OpenMenuByKey();
    // targetX moved by the held keys and the stick for this step.
    void Slide();
    // Update steps.
    void UpdateRollSound();
    void StopRollSound();
    void UpdateRewind();
    void FinishRewind();
    void UpdateTracks();
    void LoseLife();
    void ResolveLoss();
    void UpdateShots();
    void CatchBonusItems();
    // Offers a flying shot to every chain at its current place; true when a
    // chain took it or it blew up (it is no longer the board's to move).
    bool OfferShot(size_t index, bool& stopAll);
    void UpdateEndAndColours();
    void CheckLauncherColours();
    bool ColourPresent(int32_t colour) const;
    void UpdateCompletion();
    void UpdateExplosion();
    void HandleDropRequests();
    void RearmRush();
    void RejoinAllGaps();
    void DestroyShot(size_t index);
    bool AnyBonusFalling() const;
    bool AnyShotSpecial() const;
    Bonus* MakeCoin();
    // Drawing.
    void DrawPlain();
    void DrawAimingBeam();
    void DrawLandingMarker();
    void DrawGhostBall(float x, float y) const;
    // Probes up from (x, y) among visible balls within `reach` in x; the
    // height where a ball would be hit (or the top).
    float ProbeHit(float x, float y, float reach) const;
    static void DrawImageCentred(const Sprite& sprite, float x, float y, float alpha);

    BoardGame& game;
    const BoardMedia* media;
    ObjectManager effects;
    ObjectManager trackEffects;
    ObjectManager bonusItems;
    ObjectManager eaters;
    ObjectManager fuseEffects;
    std::vector<TrackSlot> tracks;
    Launcher launcher{this};
    std::vector<Plimb*> shots;  // owned
    std::vector<Vec2> dropRequests;
    std::unique_ptr<Sprite> background;
    std::unique_ptr<Sprite> sceneEater;  // the picture of SetUpOneEaterScene's eater
    String displayName = "UNNAMED LEVEL";
    int32_t progressTarget = 0;
    std::unique_ptr<Sprite> titleSprite, lineSprite;
    int32_t coinKind = 0;
    float targetX = kMirrorAxis;  // where the player points the launcher
    SlideControl slide;           // keys and pad moving targetX
    Button menuButton;
    // The rolling chains' loop: a sound of its own, so that its one copy can
    // loop and follow the chains' speed while the shared effects play theirs.
    Sound rollSound;
};
