#include "ui/LetterRow.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "media/Font.h"
#include "media/Graphics.h"
#include "ui/EditBox.h"

namespace {
constexpr int32_t kBackspace = 8;
constexpr int32_t kEnter = 13;
constexpr int32_t kLetters = 26;
constexpr int32_t kFirstRowLetters = 13;  // A .. M
constexpr float kLetterWidth = 30;        // pixels
constexpr float kWordPadding = 16;        // pixels beside a word cell's text
constexpr float kCellGap = 3;             // pixels between cells
constexpr float kPlateInset = 1;          // pixels of the cell left bare round its plate
constexpr float kPadding = 8;             // pixels of backing round the cells
constexpr float kFrameWidth = 3;          // pixels of the backing's frame

struct Special {
    const char* face;
    const char* label;
    int32_t character;
};
constexpr Special kSpecials[] = {
    {"SPACE", "Letter Space", ' '}, {"DEL", "Letter Delete", kBackspace}, {"OK", "Letter Done", kEnter}};
}  // namespace

LetterRow::LetterRow() {
    mName = "LetterRow";
    mHidden = true;
    mClip = false;
    for (int32_t i = 0; i < kCellCount; ++i) {
        Cell& cell = cells[static_cast<size_t>(i)];
        if (i < kLetters) {
            char letter = static_cast<char>('A' + i);
            cell.face = String(&letter, 1);
            cell.character = letter;
            cell.button.mLabel = String::Format("Letter %c", letter);
        } else {
            const Special& special = kSpecials[i - kLetters];
            cell.face = special.face;
            cell.character = special.character;
            cell.button.mLabel = special.label;
        }
        cell.button.SetListener(this, true);
    }
}

LetterRow::~LetterRow() {
    for (Cell& cell : cells) RemoveChild(&cell.button);
}

void LetterRow::SetTarget(EditBox* target, const Font* cellFont) {
    field = target;
    font = cellFont;
}

void LetterRow::Place(float centreX, float top) {
    // A cell is as wide as its face; each row is centred under the widest.
    auto widthOf = [&](int32_t index) {
        float text = font ? static_cast<float>(font->TextWidth(cells[static_cast<size_t>(index)].face)) : 0;
        return index < kLetters ? kLetterWidth : std::max(kLetterWidth, text + kWordPadding);
    };
    // A .. M and the space; N .. Z, the rubout and the last key.
    std::vector<int32_t> rows[2];
    for (int32_t i = 0; i < kCellCount; ++i) rows[i < kFirstRowLetters || i == kLetters ? 0 : 1].push_back(i);
    float widths[2] = {};
    for (int32_t row = 0; row < 2; ++row)
        for (int32_t index : rows[row]) widths[row] += widthOf(index) + (widths[row] > 0 ? kCellGap : 0);
    float widest = std::max(widths[0], widths[1]);
    float width = widest + 2 * kPadding;
    SetRect({std::floor(centreX - width / 2), top, width, 2 * kCellHeight + kRowGap + 2 * kPadding});
    for (int32_t row = 0; row < 2; ++row) {
        float x = kPadding + std::floor((widest - widths[row]) / 2);
        for (int32_t index : rows[row]) {
            float cellWidth = widthOf(index);
            cells[static_cast<size_t>(index)].button.SetRect(
                {x, kPadding + static_cast<float>(row) * (kCellHeight + kRowGap), cellWidth, kCellHeight});
            x += cellWidth + kCellGap;
        }
    }
}

void LetterRow::Update() {
    const GadgetHost* host = GetGadgetHost();
    mHidden = !host || !host->mPadInUse || !field;
}

int32_t LetterRow::Typed(int32_t letter) const {
    const String& text = field->GetText();
    bool startsWord = text.IsEmpty() || text[text.Length() - 1] == ' ';
    return startsWord ? letter : letter - 'A' + 'a';
}

void LetterRow::Notify(Gadget* source) {
    if (!field) return;
    for (const Cell& cell : cells) {
        if (source != &cell.button) continue;
        bool letter = cell.character >= 'A' && cell.character <= 'Z';
        field->TakeFocus();
        field->DispatchChar(letter ? Typed(cell.character) : cell.character);
        return;
    }
}

void LetterRow::Draw() {
    if (!font) return;
    Graphics& graphics = GetGraphics();
    graphics.PushColour(mFrame);
    graphics.FillRect(0, 0, mRect.width, mRect.height);
    graphics.PopColour();
    graphics.PushColour(mBacking);
    graphics.FillRect(kFrameWidth, kFrameWidth, mRect.width - 2 * kFrameWidth, mRect.height - 2 * kFrameWidth);
    graphics.PopColour();
    for (const Cell& cell : cells) {
        const Rect& at = cell.button.mRect;
        bool lit = cell.button.mHovered;
        graphics.PushColour(lit ? mLitPlate : mPlate);
        graphics.FillRect(at.x + kPlateInset, at.y + kPlateInset, at.width - 2 * kPlateInset,
                          at.height - 2 * kPlateInset);
        graphics.PopColour();
        float textX = std::floor(at.x + (at.width - static_cast<float>(font->TextWidth(cell.face))) / 2);
        float textY = std::floor(at.y + (at.height - font->LineHeight()) / 2);
        font->Draw(cell.face, textX, textY, lit ? mLitText : mText);
    }
}
