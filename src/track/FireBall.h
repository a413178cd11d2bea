#pragma once
// The fire ball the launcher gets from a fire bonus: it burns every ball it
// touches (the board's flight rules). Drawn as a looping flame animation.

#include "track/Plimb.h"

struct EffectImages;

class FireBall : public Plimb {
public:
    static constexpr int32_t kFrames = 20;  // of the fire ball strip

    // images may be null (nothing drawn) and outlive the ball.
    FireBall(TrackHost* board, const EffectImages* images);

    // Advances the flame animation by one draw's share.
    void Draw() override;

    float frame;  // animation frame, [0, kFrames)

private:
    const EffectImages* images;
};
