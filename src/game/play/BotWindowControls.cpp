#include "game/play/BotWindowControls.h"

#include <cmath>

#include "app/App.h"
#include "platform/WindowMessages.h"
#include "ui/GadgetHost.h"

void BotWindowControls::Send(uint32_t message, uint32_t wparam) const {
    auto windowX = static_cast<int32_t>(static_cast<float>(pointedX) * app.MouseScaleX());
    auto windowY = static_cast<int32_t>(kPointerY * app.MouseScaleY());
    app.InjectInput(WindowEvent{app.mWindow.Id(), message, wparam, PackPoint(windowX, windowY)});
}

void BotWindowControls::Point(float x) {
    // Whole pixels, as a window reports them; an unchanged pointer sends nothing.
    auto pixel = static_cast<int32_t>(std::lround(x));
    if (pixel == pointedX) return;
    pointedX = pixel;
    Send(WindowMessage::MouseMove, 0);
}

void BotWindowControls::Click(bool left) {
    if (pointedX < 0) Point(app.mMouseX);
    Send(left ? WindowMessage::LeftButtonDown : WindowMessage::RightButtonDown,
         left ? MouseKeys::Left : MouseKeys::Right);
    Send(left ? WindowMessage::LeftButtonUp : WindowMessage::RightButtonUp, 0);
}
