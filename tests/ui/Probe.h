#pragma once
// A gadget that writes down what reaches it, for routing tests.

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Gadget.h"

// A gadget that writes down what reaches it.
class Probe : public Gadget {
public:
    Probe(float x, float y, float width, float height, std::string name = "probe") : label(std::move(name)) {
        SetRect({x, y, width, height});
    }
    ~Probe() override {
        if (deletions) ++*deletions;
    }
    void Update() override { ++updates; }
    void Draw() override { ++draws; }
    void OnMouseDown(float x, float y, int32_t button) override { Note("down", x, y); }
    void OnMouseUp(float x, float y, int32_t button) override { Note("up", x, y); }
    void OnDragStart(float x, float y) override {
        Note("dragstart", x, y);
        if (refuseDrag) EndDrag();
    }
    void OnDrag(float x, float y) override { Note("drag", x, y); }
    void OnDragEnd(float x, float y) override { Note("dragend", x, y); }
    void OnMouseMove(float x, float y) override { Note("move", x, y); }
    void OnMouseEnter() override { events.push_back("enter"); }
    void OnMouseLeave() override { events.push_back("leave"); }
    void OnKeyDown(int32_t key) override { events.push_back("key " + std::to_string(key)); }
    void OnChar(int32_t ch) override { events.push_back("char " + std::to_string(ch)); }
    void Notify(Gadget* source) override { ++notifications; }

    void Note(const char* what, float x, float y) {
        events.push_back(std::string(what) + " " + std::to_string(static_cast<int>(x)) + "," +
                         std::to_string(static_cast<int>(y)));
    }
    bool Saw(const std::string& event) const {
        for (const std::string& e : events) {
            if (e == event) return true;
        }
        return false;
    }
    bool SawPrefix(const std::string& prefix) const {
        for (const std::string& e : events) {
            if (e.rfind(prefix, 0) == 0) return true;
        }
        return false;
    }

    std::string label;
    std::vector<std::string> events;
    int32_t updates = 0;
    int32_t draws = 0;
    int32_t notifications = 0;
    int32_t* deletions = nullptr;
    bool refuseDrag = false;
};
