#pragma once

#include "temp_dir.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace glint::e2e {

// A throw-away copy of the bundled asset tree that a test then spoils in
// one way or another. Paths are relative to the tree's root, such as
// "images/07-banana.zri".
class AssetTree {
public:
    AssetTree();

    const std::filesystem::path& root() const { return dir_.path(); }
    std::filesystem::path at(const std::string& relative) const { return root() / relative; }

    void remove(const std::string& relative);
    void write(const std::string& relative, const std::string& bytes);
    // The first `fraction` of the bundled file of the same name.
    void truncate(const std::string& relative, double fraction);
    // A valid grey-scale PNG of the given size, all black. Its rows are
    // compressed as they are made, so the file stays small however large
    // the picture claims to be.
    void writeBlackPng(const std::string& relative, uint32_t width, uint32_t height);
    void makeDirectory(const std::string& relative);
    void makePipe(const std::string& relative);
    void makeLink(const std::string& relative, const std::filesystem::path& target);

private:
    TempDir dir_;
};

} // namespace glint::e2e
