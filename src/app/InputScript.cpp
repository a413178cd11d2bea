#include "app/InputScript.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/String.h"
#include "platform/KeyNames.h"
#include "platform/WindowMessages.h"

namespace {

constexpr int32_t kMaxCoordinate = 4096;  // logical pixels, generously off screen
constexpr size_t kMaxFileBytes = 16u << 20;

struct ActionWord {
    const char* word;
    ScriptAction action;
};
constexpr ActionWord kActions[] = {
    {"move", ScriptAction::Move},       {"down", ScriptAction::Down},
    {"up", ScriptAction::Up},           {"click", ScriptAction::Click},
    {"key", ScriptAction::Key},         {"keydown", ScriptAction::KeyDown},
    {"keyup", ScriptAction::KeyUp},     {"text", ScriptAction::Text},
    {"focus", ScriptAction::FocusLost}, {"screenshot", ScriptAction::Screenshot},
    {"close", ScriptAction::Close},     {"press", ScriptAction::Press},
    {"pad", ScriptAction::PadTap},
};
constexpr const char* kButtons[] = {"left", "right", "middle"};

bool ReadInt(const std::string& word, int32_t low, int32_t high, int32_t& out) {
    if (word.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(word.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high) return false;
    out = static_cast<int32_t>(value);
    return true;
}

constexpr const char* kPadButtons[] = {"a", "b", "x", "y", "back", "start", "up", "down", "left", "right"};
static_assert(std::size(kPadButtons) == static_cast<size_t>(PadButton::Count));
constexpr const char* kPadAxes[] = {"leftx", "lefty"};
static_assert(std::size(kPadAxes) == static_cast<size_t>(PadAxis::Count));

template <size_t N>
bool FindName(const char* const (&names)[N], const std::string& word, uint32_t& out) {
    for (size_t i = 0; i < N; ++i)
        if (EqualsIgnoreCase(word, names[i])) {
            out = static_cast<uint32_t>(i);
            return true;
        }
    return false;
}

// "pad BUTTON [down|up]" or "pad axis NAME VALUE".
std::string ParsePad(const std::vector<std::string>& words, ScriptLine& out) {
    if (words.size() == 5 && EqualsIgnoreCase(words[2], "axis")) {
        out.action = ScriptAction::PadAxis;
        if (!FindName(kPadAxes, words[3], out.key)) return "a pad axis must be leftx or lefty";
        if (!ReadInt(words[4], -kPadAxisMost - 1, kPadAxisMost, out.x))
            return "a pad axis value must be -32768 ... 32767";
        return "";
    }
    if (words.size() < 3 || words.size() > 4 || !FindName(kPadButtons, words[2], out.key))
        return "pad takes a button (a b x y back start up down left right) or axis";
    out.action = ScriptAction::PadTap;
    if (words.size() == 4) {
        if (EqualsIgnoreCase(words[3], "down"))
            out.action = ScriptAction::PadDown;
        else if (EqualsIgnoreCase(words[3], "up"))
            out.action = ScriptAction::PadUp;
        else
            return "a pad button goes down or up";
    }
    return "";
}
std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The rest of the line after `words` whitespace-separated words.
std::string RestAfter(const std::string& text, int32_t words) {
    size_t at = 0;
    for (int32_t i = 0; i < words; ++i) {
        at = text.find_first_not_of(" \t", at);
        at = text.find_first_of(" \t", at);
        if (at == std::string::npos) return "";
    }
    return Trim(text.substr(at));
}

uint32_t KeyOf(const std::string& name) {
    if (name.size() == 1) {
        char c = name[0];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<uint32_t>(c);
    }
    return VirtualKeyFromName(name);
}

// Fills `out` from the words of one line; answers what is wrong, or "".
std::string ParseLine(const std::string& text, const std::vector<std::string>& words, ScriptLine& out) {
    if (!ReadInt(words[0], 0, InputScript::kMaxTick, out.tick)) return "the tick must be a number 0 ... 100000000";
    if (words.size() < 2) return "an action must follow the tick";
    const ActionWord* found = nullptr;
    for (const ActionWord& action : kActions)
        if (EqualsIgnoreCase(words[1], action.word)) found = &action;
    if (!found) return "unknown action \"" + words[1] + "\"";
    out.action = found->action;
    auto wantWords = [&](size_t count) { return words.size() == count; };
    auto readButton = [&](const std::string& word) {
        for (int32_t i = 0; i < 3; ++i)
            if (EqualsIgnoreCase(word, kButtons[i])) {
                out.button = i;
                return true;
            }
        return false;
    };
    auto readPoint = [&](size_t at) {
        return ReadInt(words[at], -kMaxCoordinate, kMaxCoordinate, out.x) &&
               ReadInt(words[at + 1], -kMaxCoordinate, kMaxCoordinate, out.y);
    };
    switch (out.action) {
        case ScriptAction::Move:
            if (!wantWords(4) || !readPoint(2)) return "move takes two coordinates";
            break;
        case ScriptAction::Down:
        case ScriptAction::Up:
            if (!wantWords(3) || !readButton(words[2])) return "a button must be left, right or middle";
            break;
        case ScriptAction::Click:
            if (!wantWords(5) || !readButton(words[2]) || !readPoint(3))
                return "click takes a button and two coordinates";
            break;
        case ScriptAction::Key:
        case ScriptAction::KeyDown:
        case ScriptAction::KeyUp: {
            std::string name = RestAfter(text, 2);
            if (name.empty()) return "a key action takes a key name";
            out.key = KeyOf(name);
            if (out.key == 0) return "unknown key \"" + name + "\"";
        } break;
        case ScriptAction::FocusLost:
            if (!wantWords(3)) return "focus takes lost or gained";
            if (EqualsIgnoreCase(words[2], "gained"))
                out.action = ScriptAction::FocusGained;
            else if (!EqualsIgnoreCase(words[2], "lost"))
                return "focus takes lost or gained";
            break;
        case ScriptAction::Close:
            if (!wantWords(2)) return "close takes nothing";
            break;
        case ScriptAction::Text:
        case ScriptAction::Screenshot:
        case ScriptAction::Press:
            out.text = RestAfter(text, 2);
            if (out.text.empty()) return words[1] + " needs its text";
            break;
        case ScriptAction::PadTap: return ParsePad(words, out);
        case ScriptAction::FocusGained:
        case ScriptAction::PadDown:
        case ScriptAction::PadUp:
        case ScriptAction::PadAxis: break;
    }
    return "";
}

}  // namespace

const char* PadButtonName(uint32_t button) { return button < std::size(kPadButtons) ? kPadButtons[button] : "a"; }

const char* PadAxisName(uint32_t axis) { return axis < std::size(kPadAxes) ? kPadAxes[axis] : "leftx"; }

InputScript InputScript::Parse(const std::string& source) {
    InputScript script;
    std::istringstream stream(source);
    std::string raw;
    int32_t number = 0;
    auto fail = [&](const std::string& what) {
        script.error = "input script " + std::to_string(number) + ": " + what;
        script.lines.clear();
        return script;
    };
    while (std::getline(stream, raw)) {
        ++number;
        std::string text = Trim(raw.substr(0, raw.find('#')));
        if (text.empty()) continue;
        std::vector<std::string> words;
        std::istringstream split(text);
        for (std::string word; split >> word;) words.push_back(word);
        if (EqualsIgnoreCase(words[0], "seed")) {
            if (script.hasSeed || !script.lines.empty()) return fail("the seed comes once, before every event");
            if (words.size() != 2 || !ReadInt(words[1], INT32_MIN, INT32_MAX, script.seed))
                return fail("seed takes one number");
            script.hasSeed = true;
            continue;
        }
        if (static_cast<int32_t>(script.lines.size()) >= kMaxLines) return fail("too many lines");
        ScriptLine line;
        line.line = number;
        std::string problem = ParseLine(text, words, line);
        if (!problem.empty()) return fail(problem);
        if (!script.lines.empty() && line.tick < script.lines.back().tick) return fail("ticks must not go backwards");
        script.lines.push_back(line);
    }
    return script;
}

InputScript InputScript::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        InputScript script;
        script.error = "input script " + path + ": cannot be read";
        return script;
    }
    std::string text;
    char buffer[4096];
    while (file.read(buffer, sizeof(buffer)) || file.gcount() > 0) {
        text.append(buffer, static_cast<size_t>(file.gcount()));
        if (text.size() > kMaxFileBytes) {
            InputScript script;
            script.error = "input script " + path + ": larger than 16 MiB";
            return script;
        }
    }
    return Parse(text);
}

std::string FormatScriptLine(const ScriptLine& line) {
    std::string tick = std::to_string(line.tick) + " ";
    std::string button = kButtons[std::clamp(line.button, 0, 2)];
    switch (line.action) {
        case ScriptAction::Move: return tick + "move " + std::to_string(line.x) + " " + std::to_string(line.y);
        case ScriptAction::Down: return tick + "down " + button;
        case ScriptAction::Up: return tick + "up " + button;
        case ScriptAction::Click:
            return tick + "click " + button + " " + std::to_string(line.x) + " " + std::to_string(line.y);
        case ScriptAction::Key: return tick + "key " + NameOfVirtualKey(line.key);
        case ScriptAction::KeyDown: return tick + "keydown " + NameOfVirtualKey(line.key);
        case ScriptAction::KeyUp: return tick + "keyup " + NameOfVirtualKey(line.key);
        case ScriptAction::Text: return tick + "text " + line.text;
        case ScriptAction::FocusLost: return tick + "focus lost";
        case ScriptAction::FocusGained: return tick + "focus gained";
        case ScriptAction::Screenshot: return tick + "screenshot " + line.text;
        case ScriptAction::Close: return tick + "close";
        case ScriptAction::Press: return tick + "press " + line.text;
        case ScriptAction::PadTap: return tick + "pad " + PadButtonName(line.key);
        case ScriptAction::PadDown: return tick + "pad " + PadButtonName(line.key) + " down";
        case ScriptAction::PadUp: return tick + "pad " + PadButtonName(line.key) + " up";
        case ScriptAction::PadAxis: return tick + "pad axis " + PadAxisName(line.key) + " " + std::to_string(line.x);
    }
    return tick;
}
