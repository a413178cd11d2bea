#pragma once
// A fresh temporary folder for one test, removed with everything in it when
// the object goes away.

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return mPath; }
    // Path() + "/" + name
    std::string File(const std::string& name) const;
    // Writes `bytes` to File(name), creating folders on the way; answers the path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::string mPath;
};
