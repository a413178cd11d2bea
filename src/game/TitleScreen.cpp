#include "game/TitleScreen.h"

#include <cmath>

#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/TitlePath.h"
#include "media/Graphics.h"
#include "media/Image.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"
#include "track/QuickSpline.h"

namespace {
constexpr float kPathSpacing = 1.0f;
constexpr float kFramesPerTick = 2;
constexpr float kRollFrames = 90;
constexpr float kBallScale = 0.6f;
constexpr float kLogoX = 405, kLogoY = 240;
constexpr float kBarX = 400, kBarY = 550;
constexpr Rect kPlayButton{200, 530, 400, 40};
constexpr float kRadiansToDegrees = 57.29578f;

std::unique_ptr<Sprite> LoadPicture(const char* name) {
    Image image;
    if (!image.Load(name)) return nullptr;
    return std::make_unique<Sprite>(image);
}
}  // namespace

TitleScreen::TitleScreen(PlimbZappetsApp& owner) : app(owner) {
    mName = "TitleScreen";
    FillScreen();
    background = LoadPicture("Graphics\\Titlescreen\\Background");
    loadingFull = LoadPicture("Graphics\\Titlescreen\\Loading-Full");
    loadingGray = LoadPicture("Graphics\\Titlescreen\\Loading-Gray");
    clickHere = LoadPicture("Graphics\\Titlescreen\\ClickHereToPlay");
    logo = LoadPicture("Graphics\\Titlescreen\\ZappetsOverlay");
    QuickSpline path;
    path.Parse(kTitlePath);
    path.SampleEvenly(points, kPathSpacing);
    play.mLabel = "Play";
    play.SetHandCursor();
}

TitleScreen::~TitleScreen() {
    if (play.mParent) RemoveChild(&play);
}

void TitleScreen::ShowPlayButton() {
    if (!loading) return;
    play.SetRect(kPlayButton);
    play.SetListener(this, true);
    loading = false;
}

void TitleScreen::Notify(Gadget* source) {
    if (source == &play) app.StartTransition(TransitionKind::MainMenu);
}

void TitleScreen::Update() {
    for (size_t i = 0; i < balls.size();) {
        RollingBall& ball = balls[i];
        ball.frame += kFramesPerTick;
        if (ball.frame > kRollFrames) ball.frame -= kRollFrames;
        ball.previous = ball.position;
        ++ball.point;
        if (ball.point < static_cast<int32_t>(points.size())) {
            ball.position = points[static_cast<size_t>(ball.point)];
            ++i;
        } else {
            balls.erase(balls.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    int32_t loaded = app.coloursLoaded.load();
    if (loaded <= 0 || points.empty()) return;
    if (!balls.empty() && balls.front().point <= kBallSpacingPoints) return;
    RollingBall ball;
    ball.colour = app.colourOrder[static_cast<size_t>(GetRandom().Next(loaded))];
    ball.position = ball.previous = points.front();
    balls.insert(balls.begin(), ball);
}

float TitleScreen::ProgressWidth(int32_t progress) const {
    if (!loadingFull) return 0;
    float share = static_cast<float>(progress) / PlimbZappetsApp::kProgressSteps;
    if (share > 1) share = 1;
    if (share < 0) share = 0;
    return loadingFull->Width() * share;
}

void TitleScreen::DrawBall(const RollingBall& ball) const {
    const SpriteStrip* strip = app.Resources().Ball(ball.colour);
    if (!strip) return;
    int32_t frame = static_cast<int32_t>(ball.frame);
    if (frame < 0 || frame >= strip->FrameCount()) frame = 0;
    float dx = ball.position.x - ball.previous.x, dy = ball.position.y - ball.previous.y;
    float heading = std::atan2(dx, -dy) * kRadiansToDegrees;
    strip->Frame(frame).DrawRotatedScaled(ball.position.x, ball.position.y, heading + 360 - 90, kBallScale);
}

void TitleScreen::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(0, 0, 0);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.SetColour(1, 1, 1);
    if (background) background->Draw(0, 0);
    for (const RollingBall& ball : balls) DrawBall(ball);
    if (logo) logo->DrawCentred(kLogoX, kLogoY);
    if (!loading) {
        if (clickHere) clickHere->DrawCentred(kBarX, kBarY);
        return;
    }
    if (loadingGray) loadingGray->DrawCentred(kBarX, kBarY);
    if (!loadingFull) return;
    float left = kBarX - loadingFull->Width() / 2, top = kBarY - loadingFull->Height() / 2;
    graphics.PushClip({left, top, ProgressWidth(app.loadProgress.load()), loadingFull->Height()});
    loadingFull->Draw(left, top);
    graphics.PopClip();
}
