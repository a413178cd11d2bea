#include "data/HardwareSwitches.h"

HardwareSwitches HardwareSwitches::FromCommandLine(const String& commandLine) {
    HardwareSwitches switches;
    switches.hardware = commandLine.Contains("-hardware");
    switches.software = commandLine.Contains("-software");
    switches.fullTest = commandLine.Contains("-hwtest");
    return switches;
}
