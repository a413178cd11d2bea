#pragma once
// The line format shared by the generator sources: one command per line, a
// command word followed by blank-separated "key=value" settings; "#" starts a
// comment. Every malformed value is reported with its file and line.
#include <map>
#include <string>
#include <vector>

struct ParamLine {
    std::string file;
    int line = 0;
    std::string command;
    std::vector<std::string> words;             // plain words after the command
    std::map<std::string, std::string> values;  // key=value settings

    [[noreturn]] void Fail(const std::string& message) const;
    bool Has(const std::string& key) const { return values.count(key) != 0; }
    std::string Text(const std::string& key, const std::string& fallback) const;
    double Number(const std::string& key, double fallback) const;
    double RequiredNumber(const std::string& key) const;
    // "a:b" gives (a, b); a single number gives (a, a).
    void Range(const std::string& key, double fallback, double& from, double& to) const;
    // A "#rrggbb" setting as three channels in 0 ... 1.
    void Colour(const std::string& key, float out[3]) const;
    // Fails on any key that is not in the list (catches misspelt settings).
    void AllowOnly(const std::vector<std::string>& keys) const;
};

// Reads the whole file; fails when it cannot be opened. Values may be quoted
// with double quotes to hold blanks.
std::vector<ParamLine> ReadParamFile(const std::string& path);
double ParseNumber(const ParamLine& at, const std::string& text);
