#pragma once

#include <filesystem>
#include <string>

namespace glint::e2e {

// A fresh directory under the system's temp directory, removed with all it
// holds when the object goes, whether the test passed or not.
class TempDir {
public:
    explicit TempDir(const std::string& prefix = "glint-e2e");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace glint::e2e
