#pragma once
// Where the temple's pictures stand. The map is one tall picture that
// scrolls vertically: x is as on screen, y in map pixels, and a map point
// (x, y) shows at screen (x, y + scroll).

#include <cstdint>

#include "core/Rect.h"

namespace TempleLayout {
inline constexpr int32_t kWorlds = 5;
inline constexpr int32_t kDoorWorlds = 4;  // worlds 1-4 have three doors, world 5 the final one
inline constexpr int32_t kDoorsPerWorld = 3;
// Top of each world's door row, world 1 at the foot of the temple.
inline constexpr float kWorldBase[kWorlds] = {1350, 1100, 850, 600, 350};
// A world's doors stand at this screen y when the map has scrolled to it.
inline constexpr float kViewedRowY = 350;
inline constexpr float kLowestScroll = -1000, kHighestScroll = 0;  // pixels

// The door row pictures are cut into three doors at these x (pixels).
inline constexpr float kDoorRowX = 300;
inline constexpr float kDoorCutX[kDoorsPerWorld] = {0, 67, 135};
inline constexpr float kDoorCutWidth[kDoorsPerWorld] = {67, 68, 65};
inline constexpr float kDoorHeight = 58;
inline constexpr float kFinalDoorX = 350, kFinalDoorAboveBase = 42, kFinalDoorSize = 100;

inline constexpr Rect kBackButton{12, 538, 200, 56};        // screen
inline constexpr float kContinueX = 400, kContinueY = 430;  // screen, centre

// The scroll that brings world `world` (0-4) into view.
inline float ScrollFor(int32_t world) { return kViewedRowY - kWorldBase[world]; }
// Door j of world w (0-3) before scrolling.
inline Rect DoorRect(int32_t world, int32_t door) {
    return {kDoorRowX + kDoorCutX[door], kWorldBase[world], kDoorCutWidth[door], kDoorHeight};
}
inline Rect FinalDoorRect() {
    return {kFinalDoorX, kWorldBase[kWorlds - 1] - kFinalDoorAboveBase, kFinalDoorSize, kFinalDoorSize};
}
}  // namespace TempleLayout

// The catalogue names of the temple's pictures.
namespace TemplePictures {
inline constexpr const char* kBackground = "Graphics\\TempleScreen\\Background";
inline constexpr const char* kTree = "Graphics\\TempleScreen\\BackgroundTree";
inline constexpr const char* kForegroundLeaves = "Graphics\\TempleScreen\\ForegroundLeaves";
inline constexpr const char* kLeaf = "Graphics\\TempleScreen\\BackgroundLeaf";
inline constexpr const char* kTorch = "Graphics\\TempleScreen\\Torch";
inline constexpr const char* kStairs = "Graphics\\TempleScreen\\Stairs";
inline constexpr const char* kTiers[TempleLayout::kWorlds] = {
    "Graphics\\TempleScreen\\World1", "Graphics\\TempleScreen\\World2", "Graphics\\TempleScreen\\World3",
    "Graphics\\TempleScreen\\World4", "Graphics\\TempleScreen\\World5"};
inline constexpr const char* kDoors[TempleLayout::kDoorWorlds] = {
    "Graphics\\TempleScreen\\World1Doors", "Graphics\\TempleScreen\\World2Doors", "Graphics\\TempleScreen\\World3Doors",
    "Graphics\\TempleScreen\\World4Doors"};
inline constexpr const char* kFinalDoor = "Graphics\\TempleScreen\\World5Doors";
inline constexpr const char* kShatterMask = "Graphics\\TempleScreen\\ShatterMask";
inline constexpr const char* kFloaters[3] = {"Graphics\\TempleScreen\\Floater1", "Graphics\\TempleScreen\\Floater2",
                                             "Graphics\\TempleScreen\\Floater3"};
inline constexpr const char* kBackToMainMenu = "Graphics\\TempleScreen\\BackToMainMenu";
inline constexpr const char* kYouWin = "Graphics\\YouWin";
inline constexpr const char* kYouWinOutline = "Graphics\\YouWinOutline";
inline constexpr const char* kClickToContinue = "Graphics\\ClickToContinue";
inline constexpr const char* kGlow = "graphics\\Halo";
}  // namespace TemplePictures
