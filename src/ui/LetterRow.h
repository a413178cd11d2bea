#pragma once
// Letters on screen for a name typed with a gamepad: two rows of cells (the
// alphabet, a space, a rubout and the key that ends the name) that feed a
// text field as its keys would. The rows show only while the last input came
// from a pad; each cell is a control the highlight reaches, labelled
// "Letter A" .. "Letter Z", "Letter Space", "Letter Delete", "Letter Done".

#include <array>
#include <cstdint>

#include "core/Colour.h"
#include "core/String.h"
#include "ui/Button.h"
#include "ui/Gadget.h"

class EditBox;
class Font;

class LetterRow : public Gadget {
public:
    static constexpr int32_t kCellCount = 26 + 3;
    static constexpr float kCellHeight = 34;  // pixels
    static constexpr float kRowGap = 4;       // pixels between the two rows

    LetterRow();
    ~LetterRow() override;

    // The field typed into and the font the cells are drawn with; neither owned.
    void SetTarget(EditBox* field, const Font* font);
    // Lays the cells out in two rows on a framed backing centred on `centreX`, its top at `top`.
    void Place(float centreX, float top);

    void Update() override;
    void Draw() override;
    void Notify(Gadget* source) override;

    Colour mFrame{0.96f, 0.78f, 0.26f, 1};  // the gold edge of the game's panels
    Colour mBacking{0.08f, 0.16f, 0.48f, 0.96f};
    Colour mPlate{0.16f, 0.3f, 0.72f, 1};
    Colour mLitPlate{1.0f, 0.8f, 0.2f, 0.95f};
    Colour mText{1, 1, 1, 1};
    Colour mLitText{0.1f, 0.05f, 0.0f, 1};

private:
    struct Cell {
        Button button;
        String face;        // what the cell shows
        int32_t character;  // what it types
    };
    // The character a letter types: a capital to start a word, else small.
    int32_t Typed(int32_t letter) const;

    std::array<Cell, kCellCount> cells;
    EditBox* field = nullptr;
    const Font* font = nullptr;
};
