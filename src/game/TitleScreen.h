#pragma once
// The first screen: the logo over a scene whose groove the loading balls
// roll along, a progress bar while the catalogue loads, then "click here to
// play" and the play button.

#include <cstdint>
#include <memory>
#include <vector>

#include "track/Vec2.h"
#include "ui/Button.h"
#include "ui/Gadget.h"

class PlimbZappetsApp;
class Sprite;

class TitleScreen : public Gadget {
public:
    static constexpr int32_t kBallSpacingPoints = 31;  // path points between two new balls

    struct RollingBall {
        int32_t colour = 0;
        int32_t point = 0;  // index into the sampled path
        float frame = 0;    // rolling frame 0 ... 90
        Vec2 position, previous;
    };

    explicit TitleScreen(PlimbZappetsApp& app);
    ~TitleScreen() override;

    void Update() override;
    void Draw() override;
    void Notify(Gadget* source) override;

    // Loading has ended: the play button takes the bar's place.
    void ShowPlayButton();
    bool IsLoading() const { return loading; }
    const std::vector<RollingBall>& Balls() const { return balls; }
    // Width of the full bar drawn for `progress` loading steps (never wider than the bar).
    float ProgressWidth(int32_t progress) const;
    const Button* PlayButton() const { return loading ? nullptr : &play; }

private:
    void DrawBall(const RollingBall& ball) const;

    PlimbZappetsApp& app;
    std::unique_ptr<Sprite> background, loadingFull, loadingGray, clickHere, logo;
    Button play;
    bool loading = true;
    std::vector<Vec2> points;
    std::vector<RollingBall> balls;  // newest first
};
