#pragma once
// The high-score screen: the shared table and the current profile's lifetime
// statistics on two pages side by side, slid between with two buttons. A row
// entered in this run glows between red and yellow.

#include <array>
#include <cstdint>
#include <vector>

#include "core/String.h"
#include "ui/Button.h"
#include "ui/Gadget.h"

class Font;
class PlimbZappetsApp;
class Sprite;

class HSMenu : public Gadget {
public:
    static constexpr const char* kBackground = "Graphics\\HighScore\\InfoBackground";

    static constexpr float kPageWidth = 800;          // the statistics page's offset
    static constexpr float kSlideStep = 15;           // pixels per tick
    static constexpr float kPhaseStep = 0.01f;        // colour phase per tick: red to yellow and back in 200
    static constexpr int32_t kNameColumnWidth = 290;  // pixels from the name's x to the score's x, less a gap

    explicit HSMenu(PlimbZappetsApp& app);
    ~HSMenu() override;

    void Update() override;
    void Draw() override;
    void Notify(Gadget* source) override;

    struct Row {
        String left, right;
    };
    const std::vector<Row>& ScoreRows() const { return scoreRows; }
    const std::vector<Row>& StatRows() const { return statRows; }
    float PageOffset() const { return pageOffset; }
    bool IsSliding() const { return sliding; }
    // The highlighted row's colour now: red at phase 0, yellow at 1, red at 2.
    Colour HighlightColour() const;
    const Button& BackButton() const { return back; }
    const Button& StatsButton() const { return viewStats; }
    const Button& ScoresButton() const { return viewScores; }

private:
    void PlaceButton(Button& button, const char* label, const Sprite* picture, float x);
    void StartSlide(float target);
    void DrawButton(const Button& button, const Sprite* picture) const;
    void DrawRows(const std::vector<Row>& rows, float leftX, float rightX, int32_t highlighted) const;

    PlimbZappetsApp& app;
    const Font* font = nullptr;
    const Sprite *background = nullptr, *scoresTitle = nullptr, *statsTitle = nullptr;
    const Sprite *backPicture = nullptr, *statsPicture = nullptr, *scoresPicture = nullptr;
    std::vector<Row> scoreRows, statRows;
    float pageOffset = 0;
    float slideTarget = 0;
    bool sliding = false;
    float colourPhase = 0;
    Button back, viewStats, viewScores;
};
