#include "common/ToolError.h"

#include <cstdio>
#include <cstdlib>

void FailAt(const std::string& file, int line, const std::string& message) {
    std::fprintf(stderr, "%s:%d: error: %s\n", file.c_str(), line, message.c_str());
    std::exit(1);
}

void Fail(const std::string& message) {
    std::fprintf(stderr, "error: %s\n", message.c_str());
    std::exit(1);
}
