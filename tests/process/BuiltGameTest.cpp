#include "process/BuiltGameTest.h"

#include <cstdlib>
#include <fstream>

void BuiltGameTest::SetUp() {
    const char* data = std::getenv("PZ_TEST_DATA");
    if (!data || !*data) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    dataRoot = data;
}

std::string BuiltGameTest::Script(const std::string& name, const std::string& text) const {
    std::string path = scratch.File(name);
    std::ofstream(path) << text;
    return path;
}

std::vector<std::string> BuiltGameTest::RunSwitches(const std::string& userName) const {
    return {"--headless", "--fast", "--data", dataRoot, "--user-dir", user.File(userName)};
}

Outcome BuiltGameTest::Run(const std::string& userName, std::vector<std::string> arguments) const {
    std::vector<std::string> switches = RunSwitches(userName);
    arguments.insert(arguments.begin(), switches.begin(), switches.end());
    return RunGame(scratch, arguments);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<std::string> ScreenLines(const std::string& log) {
    std::vector<std::string> lines;
    for (size_t at = log.find("Screen: "); at != std::string::npos; at = log.find("Screen: ", at + 1))
        lines.push_back(log.substr(at, log.find('\r', at) - at));
    return lines;
}
