#include <gtest/gtest.h>

#include "StandInHost.h"
#include "ui/Button.h"

TEST(GadgetManager, KilledGadgetIsNotDrawnAndIsDeletedOneStepLater) {
    StandInHost host;
    int32_t deletions = 0;
    struct SelfKiller : Probe {
        using Probe::Probe;
        void Update() override { Kill(); }
    };
    auto* doomed = new SelfKiller(0, 0, 10, 10);
    doomed->deletions = &deletions;
    host.mGadgets.Add(doomed);

    host.mGadgets.Update();  // kills itself during its own update
    host.mGadgets.Draw();
    EXPECT_EQ(doomed->draws, 0);
    EXPECT_EQ(deletions, 0);
    EXPECT_EQ(host.mGadgets.Count(), 0);

    host.mGadgets.Update();
    EXPECT_EQ(deletions, 1);
}

TEST(GadgetManager, AddingAPresentGadgetKeepsItsPlace) {
    StandInHost host;
    Probe bottom(0, 0, 100, 100, "bottom"), top(0, 0, 100, 100, "top");
    host.mGadgets.Add(&bottom);
    host.mGadgets.Add(&top);
    EXPECT_EQ(host.mGadgets.Add(&bottom), 0);
    EXPECT_EQ(host.mGadgets.GadgetAt(50, 50), &top);
    // Remove and Add is how a gadget moves to the top.
    host.mGadgets.Remove(&bottom);
    host.mGadgets.Add(&bottom);
    EXPECT_EQ(host.mGadgets.GadgetAt(50, 50), &bottom);
}

TEST(GadgetManager, ChildrenUpdateBeforeTheirParentAndDelayedGadgetsSkipSteps) {
    StandInHost host;
    std::vector<std::string> order;
    struct Recorder : Probe {
        Recorder(std::vector<std::string>& order, std::string name) : Probe(0, 0, 10, 10, name), order(order) {}
        void OnFirstUpdate() override { order.push_back("first " + label); }
        void Update() override { order.push_back(label); }
        std::vector<std::string>& order;
    };
    Recorder parent(order, "parent"), child(order, "child");
    parent.AddChild(&child);
    parent.mUpdateDelay = 1;
    host.mGadgets.Add(&parent);
    host.mGadgets.Update();
    host.mGadgets.Update();
    EXPECT_EQ(order, (std::vector<std::string>{"first parent", "first child", "child", "parent"}));
    EXPECT_EQ(parent.mUpdateTicks, 1);
}

TEST(GadgetManager, ClipFollowsTheParentAndDrawingStopsAtHiddenGadgets) {
    StandInHost host;
    Probe parent(100, 100, 50, 50, "parent"), inside(10, 10, 100, 100, "inside"), loose(0, 0, 5, 5, "loose");
    loose.mClip = false;
    parent.AddChild(&inside);
    parent.AddChild(&loose);
    host.mGadgets.Add(&parent);
    host.mGadgets.Draw();
    ASSERT_EQ(host.clips.size(), 3u);
    EXPECT_FLOAT_EQ(host.clips[1].width, 40);  // the child's rectangle cut at its parent's edge
    EXPECT_FLOAT_EQ(host.clips[2].width, 50);  // a gadget that does not clip still stays in its parent

    parent.mHidden = true;
    host.mGadgets.Draw();
    EXPECT_EQ(parent.draws, 1);
    EXPECT_EQ(inside.draws, 1);
}

TEST(GadgetManager, MemberControlsLeaveTheirListWhenDestroyed) {
    StandInHost host;
    Probe screen(0, 0, 800, 600, "screen");
    host.mGadgets.Add(&screen);
    {
        Probe button(10, 10, 20, 20, "button");
        screen.AddChild(&button);
        host.MouseMove(15, 15);
        button.TakeFocus();
        EXPECT_EQ(host.mHoverGadget, &button);
    }
    EXPECT_EQ(screen.mChildren->Count(), 0);
    EXPECT_EQ(host.mHoverGadget, nullptr);
    EXPECT_EQ(host.mFocusGadget, nullptr);
    host.MouseMove(16, 16);  // no dangling pick to walk into
    EXPECT_EQ(host.mHoverGadget, &screen);
}

TEST(GadgetManager, KilledGadgetStopsReceivingInputAtOnce) {
    StandInHost host;
    auto* field = new Probe(0, 0, 100, 100, "field");
    host.mGadgets.Add(field);
    field->TakeFocus();
    field->TakeWheel();
    host.MouseMove(50, 50);
    field->Kill();
    host.mGadgets.Update();
    EXPECT_EQ(host.mFocusGadget, nullptr);
    EXPECT_EQ(host.mWheelGadget, nullptr);
    EXPECT_EQ(host.mHoverGadget, nullptr);
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Return);  // must not reach the dying gadget
    EXPECT_FALSE(field->SawPrefix("key"));
    host.Send(WindowMessage::LeftButtonDown, 50, 50);
    EXPECT_FALSE(field->SawPrefix("down"));
    host.mGadgets.Update();
}

// A screen taken away while the left button is held on one of its controls
// (the journey map between levels) gets the press ended first, so its
// controls work as before when it is shown again.
TEST(GadgetManager, RemovingAScreenUnderAHeldButtonEndsThePressOnItsControls) {
    StandInHost host;
    Probe screen(0, 0, 800, 600, "screen");
    Button button;
    button.SetRect({100, 100, 50, 20});
    button.SetListener(&screen, true);
    host.mGadgets.Add(&screen);
    host.Send(WindowMessage::MouseMove, 110, 110);
    host.Send(WindowMessage::LeftButtonDown, 110, 110);
    ASSERT_TRUE(button.mPressed);
    host.mGadgets.Remove(&screen);
    EXPECT_FALSE(button.mPressed);
    host.Send(WindowMessage::LeftButtonUp, 110, 110);
    EXPECT_EQ(screen.notifications, 0);
    host.mGadgets.Add(&screen);
    host.Click(110, 110);
    EXPECT_EQ(screen.notifications, 1);
}

TEST(GadgetManager, RemovingAScreenMidDragEndsTheDrag) {
    StandInHost host;
    Probe screen(0, 0, 800, 600, "screen");
    host.mGadgets.Add(&screen);
    host.Send(WindowMessage::MouseMove, 50, 50);
    host.Send(WindowMessage::LeftButtonDown, 50, 50);
    host.Send(WindowMessage::MouseMove, 60, 60);
    ASSERT_TRUE(screen.mDragging);
    host.mGadgets.Remove(&screen);
    EXPECT_FALSE(screen.mDragging);
    host.Send(WindowMessage::LeftButtonUp, 60, 60);
    host.mGadgets.Add(&screen);
    screen.events.clear();
    host.Send(WindowMessage::MouseMove, 70, 70);
    host.Send(WindowMessage::LeftButtonDown, 70, 70);
    EXPECT_TRUE(screen.Saw("down 70,70"));
}

TEST(GadgetManager, MovingAScreenToTheTopKeepsItsKeyboardFocus) {
    StandInHost host;
    Probe screen(0, 0, 800, 600, "screen"), other(0, 0, 800, 600, "other");
    Probe field(10, 10, 100, 20, "field");
    screen.AddChild(&field);
    host.mGadgets.Add(&screen);
    host.mGadgets.Add(&other);
    field.TakeFocus();
    host.mGadgets.Remove(&screen);
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Return);  // not while it is away
    EXPECT_FALSE(field.SawPrefix("key"));
    host.mGadgets.Add(&screen);
    EXPECT_EQ(host.mFocusGadget, &field);
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Return);
    EXPECT_TRUE(field.SawPrefix("key"));
}
