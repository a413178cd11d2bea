#include "track/PewPewFire.h"

#include <algorithm>
#include <cmath>

#include "core/Random.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "track/EffectImages.h"

namespace {
constexpr float kStartSpeedRange = 0.75f;   // pixels per tick either way
constexpr float kSwingChange = -0.01f;      // of the start speed, per tick
constexpr float kRiseSpeed = -0.2f;         // pixels per tick
constexpr float kRiseChange = -0.001f;      // pixels per tick per tick
constexpr float kAlphaBase = 0.65f, kAlphaRange = 0.25f;
constexpr float kAlphaLoss = 0.002f;        // per tick
constexpr float kSpinRange = 2;             // degrees per tick either way
constexpr float kScaleBase = 0.5f, kScaleRange = 0.15f;
constexpr float kChangeDecay = 0.97f;       // per tick once the swing is over
constexpr float kNearEmitter = 8;           // pixels
constexpr float kNearEmitterDamping = 0.97f;
constexpr float kRedLoss = 0.003f, kBlueLoss = 0.0002f;  // per tick
constexpr float kBlueRange = 0.15f;

// Deep red, orange and yellow flames, each cooling at its own pace (per tick).
struct FlameStyle {
    float greenBase, greenRange, greenLoss;
};
constexpr int32_t kFlameStyleCount = 3;
constexpr FlameStyle kFlameStyles[kFlameStyleCount] = {{0, 0.15f, 0.0002f}, {0.5f, 0.1f, 0.002f}, {1, 0, 0.0025f}};

float Cool(float value, float loss) { return std::clamp(value - loss, 0.0f, 1.0f); }
}  // namespace

PewPewFire::PewPewFire(const EffectImages* images, float emitterX)
    : speedY(kRiseSpeed), speedYChange(kRiseChange), emitterX(emitterX) {
    mName = "flame";
    Random& random = GetRandom();
    startSpeed = random.NextFloatRange(kStartSpeedRange, true);
    speedX = startSpeed;
    speedXChange = kSwingChange * startSpeed;

    const FlameStyle& style = kFlameStyles[random.Next(kFlameStyleCount)];
    colour = {1, style.greenBase + style.greenRange * random.NextFloat(), kBlueRange * random.NextFloat(), 1};
    colourLoss.g = style.greenLoss;
    colourLoss.r = kRedLoss;
    colourLoss.b = kBlueLoss;
    colourLoss.a = 0;

    alpha = kAlphaBase + kAlphaRange * random.NextFloat();
    angle = static_cast<float>(random.Next(360));
    spin = random.NextFloatRange(kSpinRange, true);
    scale = kScaleBase + kScaleRange * random.NextFloat();
    imageIndex = random.Next(EffectImages::kSmokeCount);
    if (images) image = images->smoke[imageIndex];
}

void PewPewFire::Update() {
    speedY += speedYChange;
    position.y += speedY;
    angle += spin;
    if (swinging) {
        speedX += speedXChange;
        // The swing is over when the speed has come back through zero.
        if (startSpeed == 0 || speedX * startSpeed <= 0) {
            speedX = 0;
            swinging = false;
        }
    } else {
        speedX += speedXChange;
        speedXChange *= kChangeDecay;
        if (std::fabs(position.x - emitterX) <= kNearEmitter) speedX *= kNearEmitterDamping;
    }
    position.x += speedX;
    alpha -= kAlphaLoss;
    if (alpha < 0) Kill();
    colour.r = Cool(colour.r, colourLoss.r);
    colour.g = Cool(colour.g, colourLoss.g);
    colour.b = Cool(colour.b, colourLoss.b);
}

void PewPewFire::Draw() {
    if (!image) return;
    Graphics& graphics = GetGraphics();
    graphics.PushColour(Colour{colour.r, colour.g, colour.b, std::clamp(alpha, 0.0f, 1.0f)});
    image->DrawRotatedScaled(position.x, position.y, angle, scale);
    graphics.PopColour();
}
