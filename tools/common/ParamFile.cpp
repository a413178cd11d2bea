#include "common/ParamFile.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>

#include "common/ToolError.h"

void ParamLine::Fail(const std::string& message) const { FailAt(file, line, message); }

std::string ParamLine::Text(const std::string& key, const std::string& fallback) const {
    auto found = values.find(key);
    return found == values.end() ? fallback : found->second;
}

double ParseNumber(const ParamLine& at, const std::string& text) {
    if (text.empty()) at.Fail("empty number");
    char* end = nullptr;
    errno = 0;
    double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || end == text.c_str() || *end != '\0' || !std::isfinite(value))
        at.Fail("not a number: \"" + text + "\"");
    return value;
}

double ParamLine::Number(const std::string& key, double fallback) const {
    auto found = values.find(key);
    return found == values.end() ? fallback : ParseNumber(*this, found->second);
}

double ParamLine::RequiredNumber(const std::string& key) const {
    if (!Has(key)) Fail("missing setting " + key + "=");
    return Number(key, 0.0);
}

void ParamLine::Range(const std::string& key, double fallback, double& from, double& to) const {
    auto found = values.find(key);
    if (found == values.end()) {
        from = to = fallback;
        return;
    }
    size_t colon = found->second.find(':');
    if (colon == std::string::npos) {
        from = to = ParseNumber(*this, found->second);
        return;
    }
    from = ParseNumber(*this, found->second.substr(0, colon));
    to = ParseNumber(*this, found->second.substr(colon + 1));
}

void ParamLine::Colour(const std::string& key, float out[3]) const {
    std::string hex = Text(key, "");
    if (hex.size() != 7 || hex[0] != '#' || hex.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos)
        Fail(key + "= must be a colour like #rrggbb");
    for (int i = 0; i < 3; ++i) out[i] = float(std::stoi(hex.substr(1 + 2 * i, 2), nullptr, 16)) / 255.0f;
}

void ParamLine::AllowOnly(const std::vector<std::string>& keys) const {
    for (const auto& [key, value] : values) {
        bool known = false;
        for (const auto& allowed : keys) known = known || allowed == key;
        if (!known) Fail("unknown setting \"" + key + "\" for " + command);
    }
}

namespace {

// Splits a line into blank-separated tokens; "..." keeps blanks inside a token.
std::vector<std::string> Tokens(const ParamLine& at, const std::string& text) {
    std::vector<std::string> tokens;
    std::string current;
    bool quoted = false, any = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (any) tokens.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (quoted) at.Fail("unterminated quote");
    if (any) tokens.push_back(current);
    return tokens;
}

}  // namespace

std::vector<ParamLine> ReadParamFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) ::Fail("cannot open " + path);
    std::vector<ParamLine> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        // "#" starts a comment at the line start or after a blank, so colours
        // like body=#ff8000 stay values.
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '#' && (i == 0 || text[i - 1] == ' ' || text[i - 1] == '\t')) {
                text.erase(i);
                break;
            }
        }
        ParamLine line;
        line.file = path;
        line.line = number;
        std::vector<std::string> tokens = Tokens(line, text);
        if (tokens.empty()) continue;
        line.command = tokens[0];
        for (size_t i = 1; i < tokens.size(); ++i) {
            size_t equals = tokens[i].find('=');
            if (equals == std::string::npos) {
                line.words.push_back(tokens[i]);
            } else {
                std::string key = tokens[i].substr(0, equals);
                if (key.empty()) line.Fail("setting without a name: \"" + tokens[i] + "\"");
                if (line.values.count(key)) line.Fail("setting " + key + " given twice");
                line.values[key] = tokens[i].substr(equals + 1);
            }
        }
        lines.push_back(line);
    }
    return lines;
}
