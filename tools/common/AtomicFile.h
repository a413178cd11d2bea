#pragma once
// Outputs are written beside their final name and renamed into place, so an
// interrupted or failed tool never leaves a half-written data file behind.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Calls write(tempPath); when it returns true the temporary file is renamed to
// path, otherwise it is removed and the tool fails.
void WriteAtomically(const std::string& path, const std::function<bool(const std::string& tempPath)>& write);
void WriteBytesAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
// Creates every missing folder of path's parent.
void MakeParentFolders(const std::string& path);
