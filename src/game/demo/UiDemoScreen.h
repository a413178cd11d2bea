#pragma once
// A check scene for the controls, reached only with "--ui-demo": three
// buttons (one reports on release, one on press, one quits) and a name box,
// with a line that says what happened last.

#include <memory>

#include "core/String.h"
#include "media/Font.h"
#include "ui/Button.h"
#include "ui/EditBox.h"
#include "ui/Gadget.h"

class UiDemoScreen : public Gadget {
public:
    UiDemoScreen();

    void Draw() override;
    void Notify(Gadget* source) override;

private:
    void SetUpButton(Button& button, const char* label, float x, float y);

    Font mFont;
    Button mRelease;
    Button mPress;
    Button mQuit;
    EditBox mName;
    EditBox mNote;
    String mStatus = "NOTHING YET";
    int32_t mReports = 0;
};
