#include "game/menus/HSMenu.h"

#include <cmath>

#include "game/PlimbZappetsApp.h"
#include "game/Statistic.h"
#include "game/menus/MenuText.h"
#include "media/Font.h"
#include "media/Graphics.h"
#include "media/Sprite.h"

namespace {
constexpr const char* kFont = "Fonts\\ArialBlack16Bold";
constexpr const char* kScoresTitle = "Graphics\\HighScore\\MasterZappets";
constexpr const char* kStatsTitle = "Graphics\\HighScore\\ZappetStats";
constexpr const char* kBackPicture = "Graphics\\TempleScreen\\BackToMainMenu";
constexpr const char* kStatsPicture = "Graphics\\HighScore\\ViewStats";
constexpr const char* kScoresPicture = "Graphics\\HighScore\\ViewScores";
constexpr float kTitleX = 400, kTitleY = 100;  // centre of the scores page's heading
constexpr float kFirstRowY = 164, kRowSpacing = 27;
constexpr float kScoreNameX = 200, kScoreValueX = 500;
constexpr float kStatLabelX = 1000, kStatValueX = 1300;
constexpr float kScreenWidth = 800, kScreenHeight = 600;
constexpr float kScoresButtonX = 40;      // left edge
constexpr float kStatsButtonRight = 760;  // right edge
constexpr float kDisabledOpacity = 0.5f;
constexpr float kPressedShade = 0.75f;
constexpr float kHoverGlow = 0.25f;   // added brightness of a lit button
constexpr float kFallbackSize = 100;  // pixels of a button whose picture is missing
constexpr float kPhasePeriod = 2;

struct ShownStatistic {
    const char* label;
    Statistic which;
};
constexpr std::array<ShownStatistic, 10> kShownStatistics = {{
    {"Plimbs Popped", Statistic::PlimbsPopped},
    {"Plimbs Launched", Statistic::PlimbsLaunched},
    {"Bonuses Caught", Statistic::BonusesCaught},
    {"Combo Count", Statistic::ComboCount},
    {"Largest Combo", Statistic::LargestCombo},
    {"Largest Group Popped", Statistic::LargestGroupPopped},
    {"Switches Made", Statistic::SwitchesMade},
    {"Robots Cleared", Statistic::RobotsCleared},
    {"Levels Cleared", Statistic::LevelsCleared},
    {"Extra Lives Earned", Statistic::ExtraLivesEarned},
}};
}  // namespace

HSMenu::HSMenu(PlimbZappetsApp& owner) : app(owner) {
    mName = "HSMenu";
    FillScreen();
    const Catalogue& art = app.Resources();
    font = art.FindFont(kFont);
    background = art.FindSprite(kBackground);
    scoresTitle = art.FindSprite(kScoresTitle);
    statsTitle = art.FindSprite(kStatsTitle);
    backPicture = art.FindSprite(kBackPicture);
    statsPicture = art.FindSprite(kStatsPicture);
    scoresPicture = art.FindSprite(kScoresPicture);

    for (int32_t i = 0; i < app.highScores.Size(); ++i) {
        const HighScoreEntry& entry = app.highScores.At(i);
        String text = String::Format("%d.) - %s", i + 1, entry.name.c_str());
        if (font) text = ShortenToWidth(*font, text, kNameColumnWidth);
        scoreRows.push_back({text, String::Format("%d", entry.score)});
    }
    for (const ShownStatistic& shown : kShownStatistics)
        statRows.push_back({shown.label, String::Format("%d", app.stats[static_cast<size_t>(shown.which)])});

    float backWidth = backPicture ? backPicture->Width() : kFallbackSize;
    PlaceButton(back, "BackToMainMenu", backPicture, kScreenWidth / 2 - backWidth / 2);
    float statsWidth = statsPicture ? statsPicture->Width() : kFallbackSize;
    PlaceButton(viewStats, "ViewStats", statsPicture, kStatsButtonRight - statsWidth);
    PlaceButton(viewScores, "ViewScores", scoresPicture, kScoresButtonX);
    viewScores.mDisabled = true;
}

HSMenu::~HSMenu() {
    for (Button* button : {&back, &viewStats, &viewScores})
        if (button->mParent) RemoveChild(button);
}

void HSMenu::PlaceButton(Button& button, const char* label, const Sprite* picture, float x) {
    float height = picture ? picture->Height() : kFallbackSize;
    if (picture)
        button.SetSpriteShape(x, kScreenHeight - height, picture);
    else
        button.SetRect({x, kScreenHeight - height, kFallbackSize, kFallbackSize});
    button.mLabel = label;
    button.SetHandCursor();
    const Catalogue& art = app.Resources();
    button.SetSounds(art.FindSound("Sounds\\pop"), art.FindSound("Sounds\\snap"));
    button.SetListener(this, true);
}

void HSMenu::StartSlide(float target) {
    if (sliding) return;
    sliding = true;
    slideTarget = target;
    viewStats.mDisabled = true;
    viewScores.mDisabled = true;
}

void HSMenu::Notify(Gadget* source) {
    if (app.IsTransitionRunning()) return;
    if (source == &back)
        app.StartTransition(TransitionKind::MainMenu);
    else if (source == &viewStats && !viewStats.mDisabled)
        StartSlide(kPageWidth);
    else if (source == &viewScores && !viewScores.mDisabled)
        StartSlide(0);
}

void HSMenu::Update() {
    colourPhase += kPhaseStep;
    if (colourPhase >= kPhasePeriod) colourPhase -= kPhasePeriod;
    if (!sliding) return;
    float step = slideTarget > pageOffset ? kSlideStep : -kSlideStep;
    pageOffset += step;
    if ((step > 0 && pageOffset < slideTarget) || (step < 0 && pageOffset > slideTarget)) return;
    pageOffset = slideTarget;
    sliding = false;
    // Only the way back is offered on the page the slide arrived at.
    (slideTarget > 0 ? viewScores : viewStats).mDisabled = false;
}

Colour HSMenu::HighlightColour() const {
    float phase = std::fmod(colourPhase, kPhasePeriod);
    float green = phase < 1 ? phase : kPhasePeriod - phase;
    return {1, green, 0, 1};
}

void HSMenu::DrawRows(const std::vector<Row>& rows, float leftX, float rightX, int32_t highlighted) const {
    if (!font) return;
    for (size_t i = 0; i < rows.size(); ++i) {
        Colour colour = static_cast<int32_t>(i) == highlighted ? HighlightColour() : Colour{1, 1, 1, 1};
        float y = kFirstRowY + kRowSpacing * static_cast<float>(i);
        font->Draw(rows[i].left, leftX - pageOffset, y, colour);
        font->Draw(rows[i].right, rightX - pageOffset, y, colour);
    }
}

void HSMenu::DrawButton(const Button& button, const Sprite* picture) const {
    if (!picture) return;
    Graphics& graphics = GetGraphics();
    if (button.mDisabled)
        graphics.PushColour({1, 1, 1, kDisabledOpacity});
    else if (button.mPressed)
        graphics.PushColour({kPressedShade, kPressedShade, kPressedShade, 1});
    else
        graphics.PushColour({1, 1, 1, 1});
    picture->Draw(button.mRect.x, button.mRect.y);
    graphics.PopColour();
    if (button.mDisabled || !button.mHovered || button.mPressed) return;
    // The hover look: the same plaque again, faintly, as a glow.
    graphics.PushColour({1, 1, 1, kHoverGlow});
    picture->Draw(button.mRect.x, button.mRect.y);
    graphics.PopColour();
}

void HSMenu::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(0, 0, 0);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.SetColour(1, 1, 1);
    if (background) {
        background->Draw(-pageOffset, 0);
        background->Draw(kPageWidth - pageOffset, 0);
    }
    if (scoresTitle) scoresTitle->DrawCentred(kTitleX - pageOffset, kTitleY);
    if (statsTitle) statsTitle->DrawCentred(kTitleX + kPageWidth - pageOffset, kTitleY);
    DrawRows(scoreRows, kScoreNameX, kScoreValueX, app.highScoreRank);
    DrawRows(statRows, kStatLabelX, kStatValueX, -1);
    DrawButton(back, backPicture);
    DrawButton(viewStats, statsPicture);
    DrawButton(viewScores, scoresPicture);
}
