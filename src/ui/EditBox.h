#pragma once
// A single-line text field (profile and high-score names). Typing follows the
// character rules below; Enter reports to the listener; Tab moves the focus
// to the next field (or the highlight, without one); Shift+Insert, Ctrl+V and a right click paste.

#include <cstdint>

#include "core/Colour.h"
#include "core/Oscillator.h"
#include "core/String.h"
#include "ui/Gadget.h"

class Font;

class EditBox : public Gadget {
public:
    // The longest clipboard text a paste reads, in characters.
    static constexpr int32_t kMaxPasteLength = 1024;

    EditBox();

    void SetText(const String& text);  // caret to the end
    const String& GetText() const { return mText; }
    void SetForbidden(const String& characters) { mForbidden = characters; }
    // Without a font the box ignores input. Not owned.
    void SetFont(const Font* font) { mFont = font; }
    // Feeds the clipboard's text through the character rules.
    void Paste();

    void Update() override;
    void Draw() override;
    void OnMouseDown(float x, float y, int32_t button) override;
    void OnKeyDown(int32_t key) override;
    void OnChar(int32_t ch) override;
    // Up, Down and Escape move on; Enter goes to a button the keys highlighted.
    bool TakesKey(int32_t key) const override;
    // Focus with the caret at the end.
    bool PressByKey() override;

    String mText;
    int32_t mCaret = 0;
    const Font* mFont = nullptr;
    String mForbidden;
    bool mLimitLength = false;
    int32_t mMaxLength = 0;
    bool mLimitWidth = false;
    int32_t mMaxWidth = 0;  // pixels
    bool mCentred = false;
    bool mUpperCase = false;
    bool mCapitalise = false;
    bool mAllowEmpty = false;
    bool mReadOnly = false;
    int32_t mMargin = 2;        // pixels
    float mCaretWidth = 4;      // pixels
    int32_t mScroll = 0;        // pixels the text is moved left
    Oscillator mBlink;          // caret blink
    Gadget* mNextField = nullptr;
    Colour mBackColour{0, 0, 0, 0};
    Colour mTextColour;

private:
    bool TakesInput() const { return mFont && !mReadOnly; }
    // Whether typing `ch` is refused (with a beep).
    bool Refuses(uint8_t ch) const;
    void Insert(uint8_t ch);
    void MoveCaret(int32_t position);
    // Pixel position of the caret boundary `index` relative to the text's start.
    float BoundaryX(int32_t index) const;
    float TextLeft() const;
    float TextTop() const;
    void DrawKeyFrame() const;
};
