#include "game/TitleScreen.h"

#include <cmath>

#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "media/Graphics.h"
#include "media/Image.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"
#include "track/QuickSpline.h"

namespace {
// The groove of the title picture, in the path notation (y counts upwards).
constexpr const char* kTitlePath =
    "%%Note:;\t155.8247 654.1412 m;\t164.0858 612.0119 157.7233 561.1119 v;\t156.774 553.5177 165.3175 534.5322 "
    "129.2449 534.5322 c;\t93.1724 534.5322 101.759 533.5829 59.9476 533.5829 c;\t30.52 533.5829 16.2808 492.7639 "
    "66.5926 494.6625 c;\t91.2563 495.5932 105.513 495.6118 132.0928 495.6118 c;\t158.6726 495.6118 181.4552 "
    "441.5029 114.0565 441.5029 c\t68.4516 441.5029 -32.1322 441.5029 -56.8134 441.5029 c;\t-81.4946 441.5029 "
    "-157.4369 394.039 -64.4076 392.1404 c;\t28.6215 390.2419 120.7014 392.1404 156.774 392.1404 c;\t192.8466 "
    "392.1404 216.5785 403.5318 215.6292 433.9087 c;\t214.7319 462.625 186.5176 467.151 185.2524 512.6988 "
    "c;\t184.3031 546.8728 223.1928 546.9245 277.3323 439.6044 c;\t307.4186 379.9647 349.4775 432.0101 299.1657 "
    "518.3945 c;\t288.6118 536.5153 320.9991 562.0612 391.2457 542.1264 c;\t424.3238 532.7393 477.8854 522.18 "
    "477.63 473.7784 c;\t477.3695 424.4075 438.7881 414.3566 417.8255 414.9231 c;\t382.7022 415.8724 349.4775 "
    "440.5536 358.9703 486.119 c;\t368.463 531.6843 397.8907 540.2278 459.5937 538.3293 c;\t518.696 536.5107 "
    "511.6156 539.2786 560.978 537.38 c;\t610.3405 535.4814 630.1954 514.7364 628.3768 474.7277 c;\t626.4782 "
    "432.9594 597.9937 418.1905 575.2172 418.7202 c;\t534.3983 419.6695 512.7828 438.9448 513.5141 476.6262 "
    "c;\t514.8672 546.3405 565.4828 541.0649 705.1306 535.4814 c;\t801.9398 531.6107 799.0516 417.0468 729.8118 "
    "415.8724 c;\t650.9416 414.5347 666.2102 447.1986 666.2102 464.2856 c;\t666.2102 515.5817 639.9423 666.0071 "
    "641.8409 675.4999 c;";
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
