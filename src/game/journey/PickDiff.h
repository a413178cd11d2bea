#pragma once
// The choice of play style before a new journey: three cards over the
// darkened menu. Pressing one sets the journey's play style and starts it.

#include <cstdint>

#include "track/PlayStyle.h"
#include "ui/Button.h"
#include "ui/Gadget.h"

class PlimbZappetsApp;
class Sprite;

class PickDiff : public Gadget {
public:
    static constexpr int32_t kChoices = 3;

    explicit PickDiff(PlimbZappetsApp& app);
    ~PickDiff() override;

    void Draw() override;
    void Notify(Gadget* source) override;

    const Button& Choice(int32_t index) const { return choices[index]; }

private:
    void DrawChoice(int32_t index) const;

    PlimbZappetsApp& app;
    const Sprite* background = nullptr;
    const Sprite* pictures[kChoices] = {};
    Button choices[kChoices];
};
