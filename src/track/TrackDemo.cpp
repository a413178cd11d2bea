#include "track/TrackDemo.h"

#include <cmath>

#include "core/Random.h"
#include "core/String.h"
#include "media/Graphics.h"
#include "media/Image.h"
#include "media/ImageFile.h"
#include "track/Plimb.h"

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
}

TrackDemo::~TrackDemo() { effects.Clear(); }

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

void TrackDemo::DrawBallSquares(const Track& track) const {
    Graphics& graphics = GetGraphics();
    for (const Plimb* item : track.Items()) {
        if (item->isRobot) {
            if (images.robot != nullptr) continue;
            graphics.SetColour(0.5f, 0.5f, 0.5f, item->alpha);
        } else {
            if (images.balls[item->colour] != nullptr) continue;
            const float* rgb = kSquareColours[item->colour];
            graphics.SetColour(rgb[0], rgb[1], rgb[2], item->alpha);
        }
        float size = kSquareSize * item->scale;
        graphics.FillRect(item->position.x - size / 2, item->position.y - size / 2, size, size);
    }
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
        DrawBallSquares(*track);
    }
    effects.Draw();
    graphics.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
}
