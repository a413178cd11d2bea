#pragma once
// The name entry of a new high score: one field over the dimmed screen,
// ended by Enter with a name that is not blank. With a gamepad the name is
// spelt on the letters under the field.

#include "core/String.h"
#include "ui/EditBox.h"
#include "ui/Gadget.h"
#include "ui/LetterRow.h"

class PlimbZappetsApp;
class Sprite;

class EnterYourName : public Gadget {
public:
    explicit EnterYourName(PlimbZappetsApp& app);
    ~EnterYourName() override;

    // The trimmed name, once Enter ended the dialog.
    const String& EnteredName() const { return entered; }
    EditBox& Field() { return field; }

    void Draw() override;
    void Notify(Gadget* source) override;

private:
    const Sprite* panel = nullptr;
    const Sprite* badge = nullptr;
    EditBox field;
    LetterRow letters;
    String entered;
};

// Asks for the high-score name modally over the current screen. True with
// `name` set once the player entered one; false (name untouched) when the
// game quit first.
bool RunNameEntry(PlimbZappetsApp& app, String& name);
