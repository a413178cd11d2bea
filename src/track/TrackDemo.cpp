#include "track/TrackDemo.h"

#include <algorithm>
#include <cmath>

#include "core/Random.h"
#include "core/String.h"
#include "media/Graphics.h"
#include "media/Image.h"
#include "media/ImageFile.h"
#include "track/Plimb.h"
#include "track/TextFloater.h"

namespace {
// The Blue board: two paths, each entering from off screen at one side.
const char* const kBluePaths[] = {
    "%%Note:;\t859.9999 130 m;\t247.0425 130 200 130 v;\t10.9301 130 37.8461 365.9812 201.9999 366 c;"
    "\t277.0066 366.0085 468.9999 366 y",
    "%%Note:;\t-78.9999 500 m;\t533.9574 500 580.9999 500 v;\t770.0697 500 743.1537 264.0187 578.9999 264 c;"
    "\t503.9933 263.9914 311.9999 264 y",
};
// The Blue board's large balls.
constexpr float kBallScale = 1.0f;
constexpr float kBallSpacing = 53.0f;
constexpr float kHitDistanceSquared = 2888.0f;
constexpr int32_t kColours = 5;
constexpr float kRushFraction = 0.25f;
constexpr int32_t kRollFrames = 90;
// Every so often a ball is taken out, so that pieces part and join again.
constexpr int32_t kTicksBetweenRemovals = 170;
constexpr float kSquareSize = 20.0f;
constexpr float kPathDotSize = 2.0f;
constexpr int32_t kPathDotStep = 4;  // samples between dots of the path line

// Balls in flight: sub-steps per tick and their length (pixels), and the
// height above which a shot is gone.
constexpr int32_t kFlightSubSteps = 37;
constexpr float kFlightSubStep = 0.25f;
constexpr float kShotGoneAbove = -40.0f;
constexpr int32_t kLargeBalls = 2;
constexpr float kLauncherWidth = 60.0f;
constexpr float kLauncherHeight = 24.0f;

const float kSquareColours[TrackImages::kColours][3] = {
    {0.9f, 0.2f, 0.2f}, {0.2f, 0.8f, 0.3f}, {0.25f, 0.4f, 0.95f}, {0.95f, 0.85f, 0.2f},
    {0.8f, 0.3f, 0.9f}, {0.2f, 0.85f, 0.9f}, {0.95f, 0.55f, 0.15f}, {0.9f, 0.9f, 0.9f},
};

// Quietly: a missing picture leaves the stand-in drawing.
bool LoadQuietly(const String& name, Image& image) {
    return ImageFile::Read(name, image) != ImageFile::Source::None && !image.IsEmpty();
}

WaveSpec DemoWave(int32_t count, float speed, bool repeat) {
    WaveSpec wave;
    wave.count = count;
    wave.types = kColours;
    wave.speed = speed;
    wave.speedInitial = speed * 3.0f;
    wave.speedFast = speed * 1.6f;
    wave.speedSlow = speed * 0.5f;
    wave.delayDist = 0.25f;
    wave.repeat = repeat;
    return wave;
}
}  // namespace

TrackDemo::TrackDemo() {
    mName = "TrackDemo";
    FillScreen();
    Image image;
    if (LoadQuietly("Levels\\Blue\\Background", image)) background.Load(image);
    for (int32_t c = 0; c < TrackImages::kColours; ++c) {
        Image strip;
        if (LoadQuietly(String::Format("graphics\\balls\\%d", c + 1), strip) && ballStrips[c].Load(strip, kRollFrames))
            images.balls[c] = &ballStrips[c];
    }
    Image robot;
    if (LoadQuietly("graphics\\Robot", robot) && robotStrip.Load(robot, kRollFrames)) images.robot = &robotStrip;
    StartTracks();
    launcher.SetSize(kLargeBalls);
}

TrackDemo::~TrackDemo() {
    effects.Clear();
    for (Plimb* shot : shots) delete shot;
}

void TrackDemo::OnMouseDown(float x, float y, int32_t button) {
    if (button == kLeftButton) {
        launcher.Fire();
    } else {
        launcher.RequestSwap();
    }
}

int32_t TrackDemo::ChooseLauncherColour(int32_t excludedColour) {
    std::vector<int32_t> present;
    for (const auto& track : tracks) {
        for (const Plimb* item : track->Items()) {
            if (!item->isRobot && item->colour != excludedColour &&
                std::find(present.begin(), present.end(), item->colour) == present.end())
                present.push_back(item->colour);
        }
    }
    if (present.empty()) return GetRandom().Next(kColours);
    return present[GetRandom().Next(static_cast<int32_t>(present.size()))];
}

void TrackDemo::ShowFloatingText(const String& text, Vec2 where, FloaterKind kind) {
    effects.Add(new TextFloater(text, where.x, where.y, nullptr, Colour{}, Colour{0, 0, 0, 1}));
}

void TrackDemo::FlyShots() {
    for (size_t i = 0; i < shots.size();) {
        Plimb* shot = shots[i];
        if (shot->position.y < kShotGoneAbove) {
            delete shot;
            shots.erase(shots.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        shot->Update();
        bool taken = false;
        for (int32_t step = 0; step < kFlightSubSteps && !taken; ++step) {
            shot->position.y -= kFlightSubStep;
            for (auto& track : tracks) {
                if (track->InsertShot(shot)) {
                    taken = true;
                    break;
                }
            }
        }
        if (taken) {  // later shots wait for the next tick
            shots.erase(shots.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
        ++i;
    }
}

void TrackDemo::StartTracks() {
    tracks.clear();
    rush = true;
    for (const char* path : kBluePaths) {
        auto track = std::make_unique<Track>(this);
        track->Path().Parse(path);
        track->BuildFromPath();
        track->AddWave(DemoWave(18, 0.8f, false));
        track->AddWave(DemoWave(12, 1.2f, true));
        track->AddWave(DemoWave(24, 0.6f, true));
        tracks.push_back(std::move(track));
    }
}

float TrackDemo::BallSpacing() const { return kBallSpacing; }
float TrackDemo::HitRadius() const { return std::sqrt(kHitDistanceSquared); }
float TrackDemo::BallScale() const { return kBallScale; }
int32_t TrackDemo::ColourCount() const { return kColours; }
float TrackDemo::RushFraction() const { return kRushFraction; }

bool TrackDemo::AnyTrackHoldsItems() const {
    for (const auto& track : tracks) {
        if (!track->Items().empty()) return true;
    }
    return false;
}


void TrackDemo::Update() {
    bool lost = false;
    for (auto& track : tracks) {
        track->Update();
        lost = lost || track->IsLost();
    }
    if (lost) {  // as on a board: one chain at its end lets every chain run in
        bool drained = true;
        for (auto& track : tracks) {
            track->SetLost(true);
            drained = drained && track->IsRearmostBeyondEnd();
        }
        if (drained) StartTracks();
    }
    if (++ticks % kTicksBetweenRemovals == 0) {
        Track& track = *tracks[GetRandom().Next(static_cast<int32_t>(tracks.size()))];
        std::vector<Plimb*> onScreen;
        for (Plimb* item : track.Items()) {
            if (!item->isRobot && item->onPath) onScreen.push_back(item);
        }
        if (!onScreen.empty()) track.RemoveBall(onScreen[GetRandom().Next(static_cast<int32_t>(onScreen.size()))]);
    }
    FlyShots();
    launcher.Update();
    if (pitchReset > 0 && --pitchReset == 0) shotPitch = 1.0f;
    effects.Update();
}

void TrackDemo::DrawPathLines() const {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(0.5f, 0.6f, 0.9f, 1.0f);
    for (const auto& track : tracks) {
        const std::vector<Vec2>& samples = track->Samples();
        for (size_t i = 0; i < samples.size(); i += kPathDotStep)
            graphics.FillRect(samples[i].x - kPathDotSize / 2, samples[i].y - kPathDotSize / 2, kPathDotSize,
                              kPathDotSize);
    }
}

void TrackDemo::DrawSquares(const std::vector<Plimb*>& balls) const {
    Graphics& graphics = GetGraphics();
    for (const Plimb* item : balls) {
        if (item->isRobot) {
            if (images.robot != nullptr) continue;
            graphics.SetColour(0.5f, 0.5f, 0.5f, item->alpha);
        } else {
            if (item->colour < 0 || item->colour >= TrackImages::kColours || images.balls[item->colour] != nullptr)
                continue;
            const float* rgb = kSquareColours[item->colour];
            graphics.SetColour(rgb[0], rgb[1], rgb[2], item->alpha);
        }
        float size = kSquareSize * item->scale;
        graphics.FillRect(item->position.x - size / 2, item->position.y - size / 2, size, size);
    }
}

void TrackDemo::DrawLauncherStandIn() const {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(0.6f, 0.6f, 0.65f, 1.0f);
    graphics.FillRect(launcher.X() - kLauncherWidth / 2, launcher.Y() + launcher.Recoil(), kLauncherWidth,
                      kLauncherHeight);
    std::vector<Plimb*> balls;
    for (Plimb* ball : {launcher.Loaded(), launcher.Next()}) {
        if (ball != nullptr) balls.push_back(ball);
    }
    DrawSquares(balls);
}

void TrackDemo::Draw() {
    Graphics& graphics = GetGraphics();
    if (background.IsLoaded()) {
        graphics.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        background.Draw(0, 0);
    } else {
        graphics.SetColour(0.05f, 0.07f, 0.15f, 1.0f);
        graphics.FillRect(0, 0, mRect.width, mRect.height);
        DrawPathLines();
    }
    for (const auto& track : tracks) {
        track->Draw();
        DrawSquares(track->Items());
    }
    for (const Plimb* shot : shots) {
        shot->DrawShadow();
        shot->DrawBody();
    }
    DrawSquares(shots);
    launcher.Draw();
    DrawLauncherStandIn();
    effects.Draw();
    graphics.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    graphics.DrawDebugText(String::Format("SCORE %d", score), 10, 580);
}
