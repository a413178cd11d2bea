#pragma once
// Asset tools stop at the first problem and say where it is: a person fixing a
// source file needs the file and line, not a half-built data folder.
#include <string>

[[noreturn]] void FailAt(const std::string& file, int line, const std::string& message);
[[noreturn]] void Fail(const std::string& message);
