#include "platform/ResourcePaths.h"

#include <filesystem>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Log.h"

namespace {
// A data tree larger than this is a mistake (a root pointed at "/"): stop indexing.
constexpr size_t kMaxIndexedFiles = 200000;

struct Index {
    std::mutex lock;
    std::string root;
    std::unordered_map<std::string, std::string> files;  // normalised lower-case relative name -> full path
};

Index& TheIndex() {
    static Index index;
    return index;
}

bool IsAbsolute(const String& name) { return !name.IsEmpty() && (name[0] == '/'); }
}  // namespace

String ResourcePaths::Normalise(const String& name, bool lower) {
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&] {
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (char c : name.view()) {
        if (c == '\\' || c == '/') {
            flush();
        } else {
            part += lower ? AsciiLower(c) : c;
        }
    }
    flush();
    std::string joined;
    if (IsAbsolute(name)) joined = "/";
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) joined += '/';
        joined += parts[i];
    }
    return String(joined);
}

void ResourcePaths::SetDataRoot(const String& root) {
    namespace fs = std::filesystem;
    std::unordered_map<std::string, std::string> files;
    std::error_code error;
    fs::path base(root.str());
    for (fs::recursive_directory_iterator it(base, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error)) continue;
        std::string relative = it->path().lexically_relative(base).string();
        files.emplace(Normalise(String(relative), true).str(), it->path().string());
        if (files.size() >= kMaxIndexedFiles) {
            Log::Line("Data root %s holds too many files; indexing stopped", root.c_str());
            break;
        }
    }
    Index& index = TheIndex();
    std::lock_guard<std::mutex> guard(index.lock);
    index.root = root.str();
    index.files.swap(files);
}

String ResourcePaths::DataRoot() {
    Index& index = TheIndex();
    std::lock_guard<std::mutex> guard(index.lock);
    return String(index.root);
}

String ResourcePaths::Find(const String& name) {
    if (IsAbsolute(name)) {
        String path = Normalise(name, false);
        std::error_code error;
        return std::filesystem::is_regular_file(path.str(), error) ? path : String();
    }
    String key = Normalise(name, true);
    Index& index = TheIndex();
    std::lock_guard<std::mutex> guard(index.lock);
    auto found = index.files.find(key.str());
    return found == index.files.end() ? String() : String(found->second);
}
