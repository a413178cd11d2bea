// Releasing waves: the robot and its balls enter behind everything on the path.
#include <algorithm>

#include "core/Random.h"
#include "track/Plimb.h"
#include "track/Pusher.h"
#include "track/Track.h"
#include "track/TrackHost.h"

namespace {
constexpr int32_t kMinColours = 3;
constexpr int32_t kMaxColours = 8;
constexpr int32_t kBallColours = 8;  // colours a launcher hint may name
// The next wave waits at least this many ball spacings behind the last.
constexpr float kMinWaveGapInSpacings = 3.0f;

bool IsBallColour(int32_t colour) { return colour >= 0 && colour < kBallColours; }

// The colours of one wave, drawn ball by ball as each ball is made: runs of
// one colour up to the wave's longest run, and on an empty board the last two
// balls take the launcher's colours, so the player's first shots have
// something to match.
class WaveColours {
public:
    WaveColours(const WaveSpec& wave, int32_t loadedHint, int32_t nextHint)
        : wave(wave), loadedHint(loadedHint), nextHint(nextHint) {
        colours = wave.types < kMinColours || wave.types > kMaxColours ? kMinColours : wave.types;
    }

    // The colour of ball k (0 = the rear-most), drawn after the ball itself.
    int32_t Next(int32_t k) {
        Random& random = GetRandom();
        int32_t colour = random.Next(colours);
        if (previous >= 0) {
            float r = random.NextFloat();
            if (r <= wave.sameTypeProbability && run < wave.maxSameTypeChain) colour = previous;
            if (run >= wave.maxSameTypeChain && colour == previous) colour = (colour + 1) % colours;
            run = colour == previous ? run + 1 : 1;
        } else {
            run = 1;
        }
        if (k == wave.count - 1 && IsBallColour(loadedHint)) colour = loadedHint;
        if (k == wave.count - 2 && IsBallColour(nextHint)) colour = nextHint;
        previous = colour;
        return colour;
    }

private:
    const WaveSpec& wave;
    int32_t loadedHint, nextHint;
    int32_t colours;
    int32_t previous = -1;  // the colour of the ball before; none yet
    int32_t run = 0;
};
}  // namespace

void Track::StartWave() {
    if (nextWave < 0 || nextWave >= static_cast<int32_t>(waves.size())) {
        nextWave = 0;
        for (auto& wave : waves) {
            if (!wave->repeat) retiredWaves.push_back(std::move(wave));
        }
        waves.erase(std::remove(waves.begin(), waves.end(), nullptr), waves.end());
        if (waves.empty()) waves.push_back(std::make_unique<WaveSpec>());
    }
    WaveSpec& wave = *waves[nextWave];
    waveDelay = wave.delayTicks;
    nextWaveDistance = std::max(static_cast<float>(length) * wave.delayDist, kMinWaveGapInSpacings * ballSpacing);
    robotTrigger = wave.robotTrigger;

    auto* segment = new ChainSegment();
    segments.insert(segments.begin(), segment);
    auto* robot = new Pusher(board, &wave);
    robot->colour = nextRobotColour--;
    robot->scale = ballScale;
    robot->distance = -(static_cast<float>(wave.count) * ballSpacing);
    robot->track = this;
    robot->segment = segment;
    segment->items.push_back(robot);
    robots.push_back(robot);

    int32_t loadedHint = -1, nextHint = -1;
    if (!board->AnyTrackHoldsItems()) {
        loadedHint = board->LauncherLoadedColour();
        nextHint = board->LauncherNextColour();
    }
    WaveColours colours(wave, loadedHint, nextHint);
    for (int32_t k = 0; k < wave.count; ++k) {
        auto* ball = new Plimb(board);
        ball->colour = colours.Next(k);
        ball->scale = ballScale;
        ball->track = this;
        ball->segment = segment;
        segment->items.push_back(ball);
    }
    items.insert(items.begin(), segment->items.begin(), segment->items.end());

    segment->speed = board->IsRushActive() ? wave.speedInitial : wave.speed;
    segment->ShareSpeed();
    ++nextWave;

    float d = robot->distance + segment->speed;
    for (Plimb* item : segment->items) {
        item->distance = d;
        item->position = PointAtDistance(d);
        d += ballSpacing;
    }
}

void Track::TrySpawnWave() {
    if (length <= 0 || waveDelay > 0 || wavesStopped || insertion.shot != nullptr || lost ||
        board->IsProgressGoalReached())
        return;
    Plimb* rearmost = Rearmost();
    if (rearmost != nullptr && !(nextWaveDistance < rearmost->distance && BallCount() <= robotTrigger)) return;
    StartWave();
}
