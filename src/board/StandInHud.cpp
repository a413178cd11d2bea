#include "board/StandInHud.h"

#include <algorithm>

#include "board/Board.h"
#include "board/BoardMediaStore.h"
#include "board/GameStandIn.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"

namespace {
constexpr float kProgressStep = 0.01f;  // bar fill per update step
constexpr float kFrameX = 399, kFrameY = 300;
constexpr float kProgressX = 597, kProgressY = 8;  // the bar's top left corner
constexpr float kScoreCentreX = 96, kScoreTop = 2;
constexpr float kLivesIconX = 769, kLivesIconY = 590;
constexpr float kLivesCentreX = 774, kLivesTop = 550;
constexpr float kScreenWidth = 800, kScreenHeight = 600;
constexpr float kCentreX = 400, kCentreY = 300;
constexpr float kDimStep = 0.005f, kDimMost = 0.35f;  // opacity per update step, and its limit
constexpr int32_t kMenuButtonFrames = 3;              // normal, highlighted, pressed
}  // namespace

StandInHud::StandInHud(const GameStandIn& game, const Board& board, BoardMediaStore& media)
    : game(game),
      board(board),
      frame(media.LoadSprite("graphics\\UIBorder")),
      progressFill(media.LoadSprite("graphics\\ProgressFill")),
      livesIcon(media.LoadSprite("Graphics\\LivesIcon")),
      pauseBox(media.LoadSprite("graphics\\PauseBox")),
      menuButton(media.LoadStrip("graphics\\PopupMenu\\InGameMenuButton", kMenuButtonFrames)) {
    FillScreen();
    mInputTransparent = true;  // every click belongs to the board below
    scoreFont.Load("Fonts\\Arial24Bold");
    livesFont.Load("Fonts\\ArialBlack20Bold");
}

void StandInHud::Update() {
    if (game.paused) {
        dimAlpha = std::min(dimAlpha + kDimStep, kDimMost);
        return;
    }
    dimAlpha = 0;
    float target = board.ProgressTarget() > 0
                       ? std::clamp(static_cast<float>(game.progress) / static_cast<float>(board.ProgressTarget()), 0.0f, 1.0f)
                       : 0.0f;
    if (progressShown < target) progressShown = std::min(progressShown + kProgressStep, target);
}

void StandInHud::Draw() {
    Graphics& graphics = GetGraphics();
    graphics.PushColour(Colour{1, 1, 1, 1});
    if (frame) frame->DrawCentred(kFrameX, kFrameY);
    if (progressFill && progressShown > 0) {
        graphics.PushClip(Rect{kProgressX, kProgressY, progressFill->Width() * progressShown, progressFill->Height()});
        progressFill->Draw(kProgressX, kProgressY);
        graphics.PopClip();
    }
    String score = String::Format("%d", game.score);
    scoreFont.Draw(score, kScoreCentreX - static_cast<float>(scoreFont.TextWidth(score)) / 2, kScoreTop);
    const Button& button = board.MenuButton();
    if (menuButton) menuButton->Frame(button.Frame()).Draw(button.mRect.x, button.mRect.y);
    if (game.Style() != PlayStyle::Child) {
        if (livesIcon) livesIcon->DrawCentred(kLivesIconX, kLivesIconY);
        String lives = String::Format("%d", game.lives);
        livesFont.Draw(lives, kLivesCentreX - static_cast<float>(livesFont.TextWidth(lives)) / 2, kLivesTop);
    }
    if (game.paused && !board.gameOver) {
        graphics.PushColour(Colour{0, 0, 0, dimAlpha});
        graphics.FillRect(0, 0, kScreenWidth, kScreenHeight);
        graphics.PopColour();
        if (pauseBox) pauseBox->DrawCentred(kCentreX, kCentreY);
    }
    graphics.PopColour();
}
