#include "core/machine.h"
#include "core/strips.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace glint {

namespace {

bool hasPictureExtension(const std::string& name)
{
    std::string tail = name.size() > 4 ? name.substr(name.size() - 4) : name;
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return tail == ".ZRI";
}

// Plain files only: directories, pipes, sockets and devices are never listed,
// so none of them can be opened by mistake. A link is listed unless it leads
// to one of those, so a broken link is reported when its picture is loaded.
bool isListedFile(const fs::directory_entry& entry)
{
    std::error_code ec;
    fs::file_status own = entry.symlink_status(ec);
    if (ec)
        return false;
    if (fs::is_regular_file(own))
        return true;
    if (!fs::is_symlink(own))
        return false;
    fs::file_status target = entry.status(ec);
    return !fs::exists(target) || fs::is_regular_file(target);
}

} // namespace

void Machine::loadPictures()
{
    std::error_code ec;
    fs::directory_iterator listing(fs::path(paths_.images), ec);
    for (; !ec && listing != fs::directory_iterator(); listing.increment(ec)) {
        std::string name = listing->path().filename().string();
        if (isListedFile(*listing) && hasPictureExtension(name))
            ui.List4.addItem(std::move(name));
    }
    if (ec)
        throw AssetError("Cannot list pictures in " + paths_.images + ": " + ec.message());

    if (ui.List4.listCount() < kSymbolCount)
        throw AssetError("Cannot load the symbol pictures in " + paths_.images + ": found " +
                         std::to_string(ui.List4.listCount()) + " files named *.zri, " +
                         std::to_string(kSymbolCount) + " are needed");

    auto load = [this](const std::string& path) {
        std::string error;
        PictureId picture = platform_.loadPicture(path, error);
        if (picture == kNoPicture)
            throw AssetError("Cannot load picture " + path + ": " + error);
        return picture;
    };
    for (int32_t i = 1; i <= kSymbolCount; ++i)
        symbolPics[static_cast<size_t>(i)] = load(paths_.images + ui.List4.items[static_cast<size_t>(i - 1)]);

    for (int32_t i = 1; i <= 8; ++i)
        symbolPoints[static_cast<size_t>(i)] = 0;
    for (int32_t i = 9; i <= 16; ++i)
        symbolPoints[static_cast<size_t>(i)] = kScoringPoints[static_cast<size_t>(i - 9)];

    bonusOnPic = load(paths_.images + "bonus/bonuson.bmp");
    bonusOffPic = load(paths_.images + "bonus/bonusoff.bmp");

    // The title picture is a nicety: when it is there it replaces the
    // built-in logo, when it is not the built-in logo stays.
    std::string ignored;
    PictureId title = platform_.loadPicture(paths_.images + "startup/title.bmp", ignored);
    if (title != kNoPicture)
        ui.titlepic.picture = title;
}

void Machine::List4_Click(int32_t index)
{
    // A preview aid for whoever sets up the pictures: it only proves the
    // file decodes and must never stop the game.
    if (index < 0 || index >= ui.List4.listCount())
        return;
    std::string ignored;
    PictureId preview = platform_.loadPicture(paths_.images + ui.List4.items[static_cast<size_t>(index)], ignored);
    if (preview != kNoPicture)
        platform_.releasePicture(preview);
}

} // namespace glint
