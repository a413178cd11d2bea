#include "ui/KeyNavigation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "ui/Gadget.h"

namespace {
// Controls whose centres lie within this many pixels of one another vertically share a row.
constexpr float kRowTolerance = 12.0f;
// A sideways step weighs this much more than one along the direction of a move.
constexpr float kOffAxisWeight = 2.0f;
// The labels of the controls that back out of a screen, the most likely first.
constexpr std::array<std::string_view, 6> kBackLabels = {"Back",       "CANCEL",         "NO",
                                                         "BackToGame", "BackToMainMenu", "Done"};

ScreenPoint Centre(const Gadget& gadget) {
    ScreenPoint corner = gadget.ScreenPosition();
    return {corner.x + gadget.mRect.width / 2, corner.y + gadget.mRect.height / 2};
}

bool HoldsLabelled(const Gadget& gadget) {
    if (!gadget.mChildren) return false;
    for (int32_t i = 0; i < gadget.mChildren->Count(); ++i) {
        const Gadget* child = gadget.mChildren->GadgetAtIndex(i);
        if (!child->mKilled && (!child->mLabel.IsEmpty() || HoldsLabelled(*child))) return true;
    }
    return false;
}

void Collect(const GadgetHost& host, const GadgetManager& list, std::vector<Gadget*>& out) {
    for (int32_t i = 0; i < list.Count(); ++i) {
        Gadget* gadget = list.GadgetAtIndex(i);
        if (gadget->mKilled || gadget->mHidden || gadget->mDisabled) continue;
        if (gadget->mChildren) Collect(host, *gadget->mChildren, out);
        if (gadget->mLabel.IsEmpty() || HoldsLabelled(*gadget)) continue;
        if (KeyNavigation::IsUncovered(host, *gadget)) out.push_back(gadget);
    }
}

bool ReadsBefore(const Gadget* a, const Gadget* b) {
    ScreenPoint pa = Centre(*a), pb = Centre(*b);
    if (std::fabs(pa.y - pb.y) > kRowTolerance) return pa.y < pb.y;
    return pa.x < pb.x;
}

// The nearest control in the direction (dx, dy) from `from`; null when none lies that way.
Gadget* Nearest(const std::vector<Gadget*>& controls, const Gadget& from, float dx, float dy) {
    ScreenPoint start = Centre(from);
    Gadget* best = nullptr;
    float bestScore = 0;
    for (Gadget* candidate : controls) {
        if (candidate == &from) continue;
        ScreenPoint at = Centre(*candidate);
        float along = (at.x - start.x) * dx + (at.y - start.y) * dy;
        float across = std::fabs((at.x - start.x) * dy - (at.y - start.y) * dx);
        if (along <= 0) continue;
        float score = along + kOffAxisWeight * across;
        if (!best || score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

void Highlight(GadgetHost& host, Gadget* gadget) {
    host.SetHover(gadget);
    host.mKeyHighlight = true;
}

void Press(GadgetHost& host, Gadget& control) {
    if (control.PressByKey()) return;
    // A click at the middle, in window pixels, exactly as the pointer would give it.
    ScreenPoint centre = Centre(control);
    int32_t x = static_cast<int32_t>(std::lround(centre.x * host.MouseScaleX()));
    int32_t y = static_cast<int32_t>(std::lround(centre.y * host.MouseScaleY()));
    host.MouseMove(x, y);
    host.MouseDown(x, y, kLeftButton);
    host.MouseUp(x, y, kLeftButton);
    host.mKeyHighlight = true;
}

Gadget* BackControl(const std::vector<Gadget*>& controls) {
    for (std::string_view label : kBackLabels)
        for (Gadget* control : controls)
            if (control->mLabel.view() == label) return control;
    return nullptr;
}
}  // namespace

namespace KeyNavigation {

std::vector<Gadget*> Controls(const GadgetHost& host) {
    std::vector<Gadget*> controls;
    Collect(host, host.mGadgets, controls);
    std::stable_sort(controls.begin(), controls.end(), ReadsBefore);
    return controls;
}

Gadget* GadgetUnder(const GadgetHost& host, float x, float y) {
    Gadget* gadget = host.mGadgets.GadgetAt(x, y);
    while (gadget && !gadget->mDisabled) {
        if (!gadget->mChildren) return gadget;
        x -= gadget->mRect.x;
        y -= gadget->mRect.y;
        Gadget* child = gadget->mChildren->GadgetAt(x, y);
        if (!child) return gadget;
        gadget = child;
    }
    return nullptr;
}

bool IsUncovered(const GadgetHost& host, const Gadget& gadget) {
    ScreenPoint centre = Centre(gadget);
    for (const Gadget* under = GadgetUnder(host, centre.x, centre.y); under; under = under->mParent)
        if (under == &gadget) return true;
    return false;
}

Gadget* Highlighted(const GadgetHost& host) {
    std::vector<Gadget*> controls = Controls(host);
    auto found = std::find(controls.begin(), controls.end(), host.mHoverGadget);
    return found == controls.end() ? nullptr : *found;
}

bool Move(GadgetHost& host, NavigationMove move) {
    std::vector<Gadget*> controls = Controls(host);
    if (controls.empty()) return false;
    auto found = std::find(controls.begin(), controls.end(), host.mHoverGadget);
    Gadget* current = found == controls.end() ? nullptr : *found;
    if (move == NavigationMove::PressOrBack)
        move = BackControl(controls) ? NavigationMove::Back : NavigationMove::Press;
    switch (move) {
        case NavigationMove::Back: {
            Gadget* back = BackControl(controls);
            if (!back) return false;
            Highlight(host, back);
            Press(host, *back);
            return true;
        }
        case NavigationMove::Press:
            if (current) {
                Press(host, *current);
            } else if (controls.size() == 1) {
                // A screen with one control takes the key without a highlight first.
                Highlight(host, controls.front());
                Press(host, *controls.front());
            } else {
                Highlight(host, controls.front());
            }
            return true;
        case NavigationMove::Next:
        case NavigationMove::Previous: {
            size_t count = controls.size();
            size_t index = found == controls.end() ? (move == NavigationMove::Next ? count - 1 : 0)
                                                   : static_cast<size_t>(found - controls.begin());
            index = move == NavigationMove::Next ? (index + 1) % count : (index + count - 1) % count;
            Highlight(host, controls[index]);
            return true;
        }
        default: break;
    }
    bool sideways = move == NavigationMove::Left || move == NavigationMove::Right;
    int32_t sign = move == NavigationMove::Left || move == NavigationMove::Up ? -1 : 1;
    if (!current) {
        Highlight(host, controls.front());
        return true;
    }
    if (sideways && current->StepByKey(sign)) return true;
    float dx = sideways ? static_cast<float>(sign) : 0.0f, dy = sideways ? 0.0f : static_cast<float>(sign);
    if (Gadget* next = Nearest(controls, *current, dx, dy)) Highlight(host, next);
    return true;
}

bool MoveOfKey(uint32_t key, bool shift, NavigationMove& move) {
    switch (key) {
        case VirtualKey::Tab: move = shift ? NavigationMove::Previous : NavigationMove::Next; return true;
        case VirtualKey::Left: move = NavigationMove::Left; return true;
        case VirtualKey::Right: move = NavigationMove::Right; return true;
        case VirtualKey::Up: move = NavigationMove::Up; return true;
        case VirtualKey::Down: move = NavigationMove::Down; return true;
        case VirtualKey::Return:
        case VirtualKey::Space: move = NavigationMove::Press; return true;
        case VirtualKey::Escape: move = NavigationMove::Back; return true;
        default: return false;
    }
}

bool MoveOfPadButton(PadButton button, NavigationMove& move) {
    switch (button) {
        case PadButton::DPadLeft: move = NavigationMove::Left; return true;
        case PadButton::DPadRight: move = NavigationMove::Right; return true;
        case PadButton::DPadUp: move = NavigationMove::Up; return true;
        case PadButton::DPadDown: move = NavigationMove::Down; return true;
        case PadButton::A: move = NavigationMove::Press; return true;
        case PadButton::B: move = NavigationMove::Back; return true;
        case PadButton::Start: move = NavigationMove::PressOrBack; return true;
        default: return false;
    }
}

}  // namespace KeyNavigation
