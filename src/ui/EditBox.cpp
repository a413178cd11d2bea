#include "ui/EditBox.h"

#include <algorithm>
#include <cmath>

#include "media/Font.h"
#include "media/Graphics.h"
#include "media/Keyboard.h"
#include "platform/Clipboard.h"
#include "platform/WindowMessages.h"

namespace {
constexpr int32_t kBlinkPeriod = 25;  // update steps per caret phase
constexpr int32_t kBackspace = 8;
constexpr int32_t kEnter = 13;
constexpr uint8_t kFirstPrintable = 32;  // pasted bytes below this are skipped
constexpr uint32_t kKeyV = VirtualKey::LetterA + ('V' - 'A');
constexpr float kKeyFrameWidth = 2;     // pixels of the frame round a field the keys highlight
constexpr float kKeyFrameAlpha = 0.7f;  // of the text colour

uint8_t UpperCase(uint8_t ch) { return ch >= 'a' && ch <= 'z' ? static_cast<uint8_t>(ch - 'a' + 'A') : ch; }

bool ShiftHeld() { return GetKeyboard().IsDown(DIK_LSHIFT) || GetKeyboard().IsDown(DIK_RSHIFT); }
bool ControlHeld() { return GetKeyboard().IsDown(DIK_LCONTROL) || GetKeyboard().IsDown(DIK_RCONTROL); }
}  // namespace

EditBox::EditBox() : mBlink(kBlinkPeriod) { SetTextCursor(); }

void EditBox::SetText(const String& text) {
    mText = text;
    MoveCaret(mText.Length());
}

void EditBox::Update() { mBlink.Update(); }

float EditBox::BoundaryX(int32_t index) const {
    if (!mFont || index <= 0) return 0;
    return static_cast<float>(mFont->TextWidth(mText.Substring(0, index)));
}

float EditBox::TextLeft() const {
    if (mCentred && mFont) return std::floor((mRect.width - static_cast<float>(mFont->TextWidth(mText))) / 2);
    return static_cast<float>(mMargin - mScroll);
}

float EditBox::TextTop() const { return mFont ? std::floor((mRect.height - mFont->LineHeight()) / 2) : 0; }

void EditBox::MoveCaret(int32_t position) {
    mCaret = std::clamp(position, 0, mText.Length());
    if (mCentred) {
        mScroll = 0;
        return;
    }
    // Keep the caret inside the box.
    float caretX = BoundaryX(mCaret);
    float visible = mRect.width - static_cast<float>(2 * mMargin) - mCaretWidth;
    if (caretX - static_cast<float>(mScroll) > visible) mScroll = static_cast<int32_t>(std::ceil(caretX - visible));
    if (caretX < static_cast<float>(mScroll)) mScroll = static_cast<int32_t>(caretX);
    if (mScroll < 0) mScroll = 0;
}

void EditBox::OnKeyDown(int32_t key) {
    if (!TakesInput()) return;
    mBlink.Restart(true);
    switch (static_cast<uint32_t>(key)) {
    case VirtualKey::Tab:
        if (mNextField) mNextField->TakeFocus();
        break;
    case VirtualKey::Left: MoveCaret(mCaret - 1); break;
    case VirtualKey::Right: MoveCaret(mCaret + 1); break;
    case VirtualKey::Home: MoveCaret(0); break;
    case VirtualKey::End: MoveCaret(mText.Length()); break;
    case VirtualKey::Delete:
        if (mCaret < mText.Length()) {
            mText = mText.Substring(0, mCaret) + mText.Substring(mCaret + 1);
            MoveCaret(mCaret);
        }
        break;
    case VirtualKey::Insert:
        if (ShiftHeld()) Paste();
        break;
    case kKeyV:
        if (ControlHeld()) Paste();
        break;
    default: break;
    }
}

bool EditBox::TakesKey(int32_t key) const {
    switch (static_cast<uint32_t>(key)) {
        case VirtualKey::Tab: return mNextField != nullptr;
        case VirtualKey::Up:
        case VirtualKey::Down:
        case VirtualKey::Escape: return false;
        case VirtualKey::Return: {
            const GadgetHost* host = GetGadgetHost();
            return !(host && host->mKeyHighlight && host->mHoverGadget && host->mHoverGadget != this);
        }
        default: return true;
    }
}

bool EditBox::PressByKey() {
    if (!TakesInput()) return true;
    TakeFocus();
    mBlink.Restart(true);
    MoveCaret(mText.Length());
    return true;
}

bool EditBox::Refuses(uint8_t ch) const {
    if (mForbidden.FindChar(static_cast<char>(ch)) >= 0) return true;
    if (ch == ' ' && mCaret == 0) return true;
    if (mLimitLength && mText.Length() >= mMaxLength) return true;
    if (mLimitWidth && static_cast<float>(mFont->TextWidth(mText) + mFont->Advance(ch)) >
                           static_cast<float>(mMaxWidth) - mCaretWidth)
        return true;
    return false;
}

void EditBox::Insert(uint8_t ch) {
    if (mUpperCase || (mCapitalise && mText.IsEmpty() && mFont->HasGlyph(UpperCase(ch)))) ch = UpperCase(ch);
    if (!mFont->HasGlyph(ch)) return;  // nothing to show it with: dropped without a sound
    mText = mText.Substring(0, mCaret) + String(reinterpret_cast<const char*>(&ch), 1) + mText.Substring(mCaret);
    MoveCaret(mCaret + 1);
}

void EditBox::OnChar(int32_t ch) {
    if (!TakesInput()) return;
    mBlink.Restart(true);
    if (ch == kBackspace) {
        if (mCaret > 0) {
            mText = mText.Substring(0, mCaret - 1) + mText.Substring(mCaret);
            MoveCaret(mCaret - 1);
        }
        return;
    }
    if (ch == kEnter) {
        if (!mAllowEmpty && mText.IsEmpty()) return;
        ReleaseFocus();
        if (mListener) mListener->PostNotify(this);
        return;
    }
    if (ch < 0 || ch > 255) return;  // not a character of the game's text
    uint8_t byte = static_cast<uint8_t>(ch);
    if (Refuses(byte)) {
        if (GadgetHost* host = GetGadgetHost()) host->Beep();
        return;
    }
    Insert(byte);
}

void EditBox::Paste() {
    if (!TakesInput()) return;
    String text = ReadClipboardText(kMaxPasteLength);
    for (int32_t i = 0; i < text.Length(); ++i) {
        uint8_t byte = static_cast<uint8_t>(text[i]);
        if (byte >= kFirstPrintable) OnChar(byte);
    }
}

void EditBox::OnMouseDown(float x, float y, int32_t button) {
    if (!TakesInput()) return;
    TakeFocus();
    mBlink.Restart(true);
    if (button == kRightButton) {
        Paste();
        return;
    }
    if (button != kLeftButton) return;
    // The nearest character boundary: a click on a character's right half
    // lands after it.
    float textX = x - TextLeft();
    int32_t best = 0;
    for (int32_t i = 1; i <= mText.Length(); ++i) {
        if (std::fabs(BoundaryX(i) - textX) < std::fabs(BoundaryX(best) - textX)) best = i;
    }
    MoveCaret(best);
}

void EditBox::DrawKeyFrame() const {
    // The pointer shows itself; only the keys' highlight needs a mark.
    const GadgetHost* host = GetGadgetHost();
    if (!mHovered || !host || !host->mKeyHighlight) return;
    Graphics& graphics = GetGraphics();
    graphics.PushColour({mTextColour.r, mTextColour.g, mTextColour.b, mTextColour.a * kKeyFrameAlpha});
    graphics.FillRect(0, 0, mRect.width, kKeyFrameWidth);
    graphics.FillRect(0, mRect.height - kKeyFrameWidth, mRect.width, kKeyFrameWidth);
    graphics.FillRect(0, kKeyFrameWidth, kKeyFrameWidth, mRect.height - 2 * kKeyFrameWidth);
    graphics.FillRect(mRect.width - kKeyFrameWidth, kKeyFrameWidth, kKeyFrameWidth, mRect.height - 2 * kKeyFrameWidth);
    graphics.PopColour();
}

void EditBox::Draw() {
    Graphics& graphics = GetGraphics();
    if (mBackColour.a != 0) {
        graphics.PushColour(mBackColour);
        graphics.FillRect(0, 0, mRect.width, mRect.height);
        graphics.PopColour();
    }
    DrawKeyFrame();
    if (!mFont) return;
    float margin = static_cast<float>(mMargin);
    graphics.PushClip({graphics.OffsetX() + margin, graphics.OffsetY() + margin, mRect.width - 2 * margin,
                       mRect.height - 2 * margin});
    float left = TextLeft();
    float top = TextTop();
    mFont->Draw(mText, left, top, mTextColour);
    GadgetHost* host = GetGadgetHost();
    if (host && host->mFocusGadget == this && mBlink.IsOn()) {
        graphics.PushColour(mTextColour);
        graphics.FillRect(left + BoundaryX(mCaret), top, mCaretWidth, mFont->LineHeight());
        graphics.PopColour();
    }
    graphics.PopClip();
}
