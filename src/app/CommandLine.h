#pragma once
// Parses the process arguments into LaunchOptions. Every switch is one row of
// the table in CommandLine.cpp (name, value name, help text, how it applies),
// so a new switch is a new row and a new LaunchOptions field.

#include "app/LaunchOptions.h"

class CommandLine {
public:
    // False on a malformed command line (unknown switch, missing or bad
    // value); Error() then says what was wrong.
    bool Parse(int argc, const char* const* argv);
    const LaunchOptions& Options() const { return mOptions; }
    const String& Error() const { return mError; }
    // The help text listing every switch.
    static String Usage();
    // The --style word of a play style (0 .. 2); "normal" for any other.
    static const char* StyleName(int32_t playStyle);

private:
    LaunchOptions mOptions;
    String mError;
};
