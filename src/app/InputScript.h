#pragma once
// A text script of timed input events, one per line, ticks counted in update
// steps since start and positions in logical screen pixels:
//   seed N | T move X Y | T down left|right|middle | T up BUTTON |
//   T click BUTTON X Y | T key NAME | T keydown NAME | T keyup NAME |
//   T text CHARACTERS | T focus lost|gained | T screenshot FILE | T close |
//   T press GADGET | T pad BUTTON [down|up] | T pad axis leftx|lefty VALUE
// A pad button without down or up is tapped (down now, up a tick later);
// buttons are a b x y back start up down left right, axis values -32768 ... 32767.
// "#" starts a comment. Key names are the platform's, or one character.

#include <cstdint>
#include <string>
#include <vector>

enum class ScriptAction : int32_t {
    Move,
    Down,
    Up,
    Click,
    Key,
    KeyDown,
    KeyUp,
    Text,
    FocusLost,
    FocusGained,
    Screenshot,
    Close,
    Press,
    PadTap,
    PadDown,
    PadUp,
    PadAxis
};

struct ScriptLine {
    int32_t line = 0;  // in the file, from 1
    int32_t tick = 0;
    ScriptAction action = ScriptAction::Move;
    int32_t x = 0, y = 0;
    int32_t button = 0;  // 0 left, 1 right, 2 middle
    uint32_t key = 0;    // virtual-key code; a pad's button or axis number
    std::string text;    // characters, file or gadget name
};

struct InputScript {
    static constexpr int32_t kMaxLines = 100000;
    static constexpr int32_t kMaxTick = 100000000;  // about 11 days of play

    bool hasSeed = false;
    int32_t seed = 0;
    std::vector<ScriptLine> lines;  // in tick order
    std::string error;              // "input script LINE: what is wrong"; empty when good

    // Parses `text`; on a malformed line `error` says which and why.
    static InputScript Parse(const std::string& text);
    // Reads and parses a file; a missing file is an error too.
    static InputScript Load(const std::string& path);
};

// The script's names of the pad's buttons (in PadButton order) and axes.
const char* PadButtonName(uint32_t button);
const char* PadAxisName(uint32_t axis);

// One line of a recording in the script's own notation.
std::string FormatScriptLine(const ScriptLine& line);
