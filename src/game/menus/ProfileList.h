#pragma once
// The scrolling list of profile names with one selected entry. A click or
// the arrow keys change the selection and report it to the listener; the
// wheel and the selection keep the chosen name in view. Each visible row is
// also a gadget labelled with its name, so input scripts can press it.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/String.h"
#include "ui/Gadget.h"

class Font;

class ProfileList : public Gadget {
public:
    static constexpr float kRowPadding = 8;  // pixels between the rows' text lines

    explicit ProfileList(const Font* font);
    ~ProfileList() override;

    void SetNames(std::vector<String> names);
    void Append(const String& name);
    void RemoveAt(int32_t index);
    int32_t Count() const { return static_cast<int32_t>(names.size()); }
    // -1 for none; out of range selects none.
    void Select(int32_t index);
    int32_t Selected() const { return selected; }
    int32_t FirstVisible() const { return first; }
    int32_t VisibleRows() const;

    void SetRect(const Rect& rect) override;
    void Draw() override;
    void OnMouseDown(float x, float y, int32_t button) override;
    void OnMouseWheel(int32_t delta) override;
    void OnMouseEnter() override { TakeWheel(); }
    void OnMouseLeave() override { ReleaseWheel(); }
    void OnKeyDown(int32_t key) override;
    // Up and Down while they still move the selection.
    bool TakesKey(int32_t key) const override;
    // The pad's up and down move the selection as the keys do.
    bool OnPadButton(PadButton button, bool down) override;

private:
    float RowHeight() const;
    void ScrollTo(int32_t firstRow);
    void KeepSelectionInView();
    // Labels the row gadgets after the names or the scrolling changed.
    void RefreshRows();
    void ChooseAndReport(int32_t index);

    const Font* font;
    std::vector<String> names;
    std::vector<std::unique_ptr<Gadget>> rows;  // one per visible row, for their labels
    int32_t selected = -1;
    int32_t first = 0;  // the top row's index
};
