#pragma once
// The panel that closes a level: it drops in from above the screen, bounces
// to rest, reveals the level's eight tallies one row at a time and leads on
// to the next level, or, after the last life, out of the game.

#include <array>
#include <cstdint>

#include "ui/Button.h"
#include "ui/Gadget.h"

class PlimbZappetsApp;
class Sprite;

class LevelUp : public Gadget {
public:
    static constexpr int32_t kRows = 8;
    static constexpr float kCentreX = 400;
    static constexpr float kStartY = -600, kRestY = 300;  // panel centre
    static constexpr float kStartSpeed = 15;              // pixels per tick
    static constexpr float kFallGain = 0.01f;             // pixels per tick, each tick while falling
    static constexpr float kBounceBrake = 1.5f;           // pixels per tick, each tick past the rest
    static constexpr int32_t kRowTicks = 15;              // between two revealed rows

    explicit LevelUp(PlimbZappetsApp& app);
    ~LevelUp() override;

    // The final statistics of a lost game: continue then leads out of it.
    void SetGameOver();
    // Row 0 .. 7, in the order the panel shows them.
    void SetValue(int32_t row, int32_t value);
    int32_t Value(int32_t row) const;
    bool Passed() const { return passed; }
    bool HasLanded() const { return !arriving; }
    // Landed with every row shown.
    bool IsSettled() const { return !arriving && rowsRevealed == kRows; }
    float Y() const { return y; }
    int32_t RowsRevealed() const { return rowsRevealed; }
    const Button& ContinueButton() const { return continueButton; }
    // What a click on continue does; nothing until the panel has landed.
    void PressContinue();

    void Update() override;
    void Draw() override;
    void Notify(Gadget* source) override;

private:
    void PlaceButton();
    void Continue();

    PlimbZappetsApp& app;
    const Sprite* background = nullptr;
    Button continueButton;
    bool passed = true;
    float y = kStartY;
    float speed = kStartSpeed;
    bool arriving = true;
    int32_t rowsRevealed = 0;
    int32_t rowCountdown = kRowTicks;
    std::array<int32_t, kRows> values{};
    std::array<int32_t, kRows> shown{};
};
