#pragma once
// The message box: a question with YES and NO, or a note with OK, over the
// dimmed screen. Run modally; the result is 1 for YES or OK, 0 for NO.

#include <vector>

#include "core/String.h"
#include "ui/Button.h"
#include "ui/Gadget.h"

class Font;
class PlimbZappetsApp;
class Sprite;

class InfoBox : public Gadget {
public:
    static constexpr float kWrapWidth = 338;  // pixels of text per line

    InfoBox(PlimbZappetsApp& app, bool yesNo);
    ~InfoBox() override;

    // Word-wraps `text` to the box.
    void SetText(const String& text);
    const std::vector<String>& Lines() const { return lines; }

    void Draw() override;
    void DrawOverlay() override;
    void Notify(Gadget* source) override;

private:
    struct Choice {
        Button button;
        const Sprite* states[3] = {};  // rest, hovered, pressed
        int32_t result = 0;
    };
    void AddChoice(Choice& choice, const char* word, float x, int32_t result);

    PlimbZappetsApp& app;
    const Font* font = nullptr;
    const Sprite* panel = nullptr;
    Choice first, second;  // YES and NO, or OK alone
    bool yesNo;
    std::vector<String> lines;
};

// Splits `text` at spaces (and at line breaks) into lines no wider than
// `width` in `font`; a single word wider than that gets a line of its own.
std::vector<String> WrapText(const Font& font, const String& text, float width);
