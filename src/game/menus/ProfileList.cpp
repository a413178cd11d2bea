#include "game/menus/ProfileList.h"

#include <algorithm>
#include <cmath>

#include "media/Font.h"
#include "media/Graphics.h"
#include "platform/WindowMessages.h"

namespace {
constexpr float kTextIndent = 12;  // pixels from the list's left edge to the names
constexpr Colour kSelectedBand{0.95f, 0.75f, 0.2f, 0.85f};
constexpr Colour kSelectedText{0.08f, 0.08f, 0.25f, 1};
constexpr Colour kText{1, 1, 1, 1};
constexpr float kFallbackRowHeight = 24;  // pixels, when the font is missing
}  // namespace

ProfileList::ProfileList(const Font* listFont) : font(listFont) { SetHandCursor(); }

ProfileList::~ProfileList() {
    for (auto& row : rows)
        if (row->mParent) RemoveChild(row.get());
}

float ProfileList::RowHeight() const { return font ? font->LineHeight() + kRowPadding : kFallbackRowHeight; }

int32_t ProfileList::VisibleRows() const { return std::max(1, static_cast<int32_t>(mRect.height / RowHeight())); }

void ProfileList::SetRect(const Rect& rect) {
    Gadget::SetRect(rect);
    RefreshRows();
}

void ProfileList::SetNames(std::vector<String> list) {
    names = std::move(list);
    selected = -1;
    first = 0;
    RefreshRows();
}

void ProfileList::Append(const String& name) {
    names.push_back(name);
    RefreshRows();
}

void ProfileList::RemoveAt(int32_t index) {
    if (index < 0 || index >= Count()) return;
    names.erase(names.begin() + index);
    if (selected == index)
        selected = -1;
    else if (selected > index)
        --selected;
    ScrollTo(first);
}

void ProfileList::Select(int32_t index) {
    selected = index >= 0 && index < Count() ? index : -1;
    KeepSelectionInView();
}

void ProfileList::ScrollTo(int32_t firstRow) {
    first = std::clamp(firstRow, 0, std::max(0, Count() - VisibleRows()));
    RefreshRows();
}

void ProfileList::KeepSelectionInView() {
    if (selected < 0) return ScrollTo(first);
    if (selected < first) return ScrollTo(selected);
    if (selected >= first + VisibleRows()) return ScrollTo(selected - VisibleRows() + 1);
    RefreshRows();
}

void ProfileList::RefreshRows() {
    int32_t shown = std::min(VisibleRows(), Count() - first);
    while (static_cast<int32_t>(rows.size()) < shown) {
        auto row = std::make_unique<Gadget>();
        row->mInputTransparent = true;  // the list itself takes the click
        rows.push_back(std::move(row));
    }
    for (int32_t i = 0; i < static_cast<int32_t>(rows.size()); ++i) {
        Gadget& row = *rows[static_cast<size_t>(i)];
        if (i >= shown) {
            if (row.mParent) RemoveChild(&row);
            continue;
        }
        row.SetRect({0, static_cast<float>(i) * RowHeight(), mRect.width, RowHeight()});
        row.mLabel = names[static_cast<size_t>(first + i)];
        if (!row.mParent) AddChild(&row);
    }
}

void ProfileList::ChooseAndReport(int32_t index) {
    if (index < 0 || index >= Count()) return;
    Select(index);
    if (mListener) mListener->PostNotify(this);
}

void ProfileList::OnMouseDown(float x, float y, int32_t button) {
    TakeFocus();
    if (button != kLeftButton || y < 0) return;
    ChooseAndReport(first + static_cast<int32_t>(y / RowHeight()));
}

void ProfileList::OnMouseWheel(int32_t delta) {
    if (delta != 0) ScrollTo(first + (delta > 0 ? -1 : 1));
}

void ProfileList::OnKeyDown(int32_t key) {
    switch (static_cast<uint32_t>(key)) {
        case VirtualKey::Up: ChooseAndReport(std::max(0, selected - 1)); break;
        case VirtualKey::Down: ChooseAndReport(std::min(Count() - 1, selected + 1)); break;
        default: break;
    }
}

bool ProfileList::TakesKey(int32_t key) const {
    if (static_cast<uint32_t>(key) == VirtualKey::Up) return selected > 0;
    if (static_cast<uint32_t>(key) == VirtualKey::Down) return selected < Count() - 1;
    return false;
}

bool ProfileList::OnPadButton(PadButton button, bool down) {
    uint32_t key = button == PadButton::DPadUp ? VirtualKey::Up : button == PadButton::DPadDown ? VirtualKey::Down : 0;
    if (key == 0 || !TakesKey(static_cast<int32_t>(key))) return false;
    if (down) OnKeyDown(static_cast<int32_t>(key));
    return true;
}

void ProfileList::Draw() {
    if (!font) return;
    Graphics& graphics = GetGraphics();
    float height = RowHeight();
    float textTop = std::floor((height - font->LineHeight()) / 2);
    for (int32_t i = 0; i < VisibleRows() && first + i < Count(); ++i) {
        int32_t index = first + i;
        float top = static_cast<float>(i) * height;
        if (index == selected) {
            graphics.PushColour(kSelectedBand);
            graphics.FillRect(0, top, mRect.width, height);
            graphics.PopColour();
        }
        font->Draw(names[static_cast<size_t>(index)], kTextIndent, top + textTop,
                   index == selected ? kSelectedText : kText);
    }
}
