#include "common/AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "common/ToolError.h"

void MakeParentFolders(const std::string& path) {
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (parent.empty()) return;
    std::error_code error;
    std::filesystem::create_directories(parent, error);
    if (error) Fail("cannot create folder " + parent.string() + ": " + error.message());
}

void WriteAtomically(const std::string& path, const std::function<bool(const std::string&)>& write) {
    MakeParentFolders(path);
    std::string temp = path + ".tmp" + std::to_string(getpid());
    if (!write(temp)) {
        std::remove(temp.c_str());
        Fail("cannot write " + path);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        Fail("cannot rename " + temp + " to " + path);
    }
}

void WriteBytesAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteAtomically(path, [&](const std::string& temp) {
        FILE* file = std::fopen(temp.c_str(), "wb");
        if (!file) return false;
        bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        ok = std::fclose(file) == 0 && ok;
        return ok;
    });
}
