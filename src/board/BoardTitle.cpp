#include "board/Board.h"
#include "board/BoardMedia.h"
#include "board/TitleImage.h"

void Board::BuildTitleImages(const String& title, const String& line) {
    titleHold = kTitleTicks;
    titleAlpha = 1.0f;
    titleSprite.reset();
    lineSprite.reset();
    if (!media || !media->titleFont) return;
    Image titleImage = TitleImage::Render(*media->titleFont, title);
    if (!titleImage.IsEmpty()) titleSprite = std::make_unique<Sprite>(titleImage);
    Image lineImage = TitleImage::Render(*media->titleFont, line);
    if (!lineImage.IsEmpty()) lineSprite = std::make_unique<Sprite>(lineImage);
}
