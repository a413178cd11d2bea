#pragma once
// One ball of a chain; also the base of the robot, of the special balls and of
// every launcher ball and shot. Its fields are shared state of the track, the
// launcher and the board, which read and change them directly.

#include <cstdint>

#include "core/Object.h"
#include "track/Vec2.h"

class IOBuffer;
class SpriteStrip;
class Track;
class TrackHost;
struct ChainSegment;

class Plimb : public Object {
public:
    static constexpr int32_t kRollFrames = 90;
    static constexpr float kCreatedScale = 0.6f;
    // Fire balls and bombs: outside the ball colours, so that no colour rule
    // (matching, the launcher's choice, the colour upkeep) ever counts them.
    static constexpr int32_t kSpecialColour = -1;

    // A random rolling frame and a random colour in [0, the board's colour
    // count); board may be null (colour 0).
    explicit Plimb(TrackHost* board);

    // The per-item update, once per tick after the track has moved it.
    void Update() override;
    // Starts fading out (a ball leaving play); nothing when already fading.
    void Sink();

    // The grey silhouette under the ball, then the ball itself; nothing
    // without the board's images.
    virtual void DrawShadow() const;
    virtual void DrawBody() const;
    void Draw() override;

    // The ball record of the saved game; gap flanks travel as item indices
    // (-1 for none). Load answers false on a short record or a value outside
    // what the game gives a ball (distances against a path of `pathLength`
    // pixels, 0 for a ball off the tracks), leaving the ball unchanged.
    void SaveRecord(IOBuffer& out, int32_t gapLeftIndex, int32_t gapRightIndex) const;
    bool LoadRecord(IOBuffer& in, float pathLength, int32_t& gapLeftIndex, int32_t& gapRightIndex);

    Vec2 position;
    Track* track = nullptr;  // none for launcher balls and flying shots
    TrackHost* board = nullptr;
    ChainSegment* segment = nullptr;
    bool isRobot = false;
    bool hasAppeared = false;  // has been on screen while on a track, or fired
    float distance = 0;        // pixels along the path
    float previousDistance = 0;
    float angle = 0;      // degrees
    float rollFrame = 0;  // [0, kRollFrames)
    float speed = 0;      // copy of the segment's speed
    float scale = kCreatedScale;
    int32_t colour = 0;  // 0 .. 7; robots and special balls negative
    Plimb* gapLeft = nullptr;
    Plimb* gapRight = nullptr;
    bool gapShot = false;
    bool isFireBall = false;
    bool isBomb = false;
    bool hidden = false;
    bool onPath = false;
    bool hittable = false;
    int32_t gapTimer = 0;
    bool fading = false;
    float alpha = 1.0f;
    float alphaStep = 0;
    int32_t angleEase = 0;  // ticks the angle still eases towards the path
    // The board's flight state while the ball flies as a shot.
    float flight[4] = {0, 0, 0, 1};

protected:
    void UpdateFade();
    // The shadow's or body's opacity: the fading alpha while fading.
    float DrawAlpha(float opaque) const { return fading ? alpha : opaque; }
    // Draws `strip` frame `frame` in blend mode 1 (shadow) or 0 (body).
    void DrawFrame(const SpriteStrip* strip, int32_t frame, float degrees, float drawScale, bool shadow) const;
};
