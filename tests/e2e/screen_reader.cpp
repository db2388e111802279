#include "screen_reader.h"

#include "game_layout.h"
#include "pixel_compare.h"

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace glint::e2e {

namespace {

using namespace std::chrono_literals;

// The pictures are shown pixel for pixel; a little slack covers any
// rounding of colours by the X server.
constexpr double kSameTolerance = 2.0;

QImage loadPicture(const std::filesystem::path& path)
{
    QImage image(QString::fromStdString(path.string()));
    if (image.isNull())
        throw std::runtime_error("cannot read the picture " + path.string());
    return image.convertToFormat(QImage::Format_RGB32);
}

QPoint cellCorner(int cell)
{
    return {layout::kColumnX.at(static_cast<size_t>(cell % 3)), layout::kRowY.at(static_cast<size_t>(cell / 3))};
}

} // namespace

ScreenReader::ScreenReader(const std::filesystem::path& dataDir)
    : placeholder_(loadPicture(builtInPicture("pound.png"))),
      lampOn_(loadPicture(dataDir / "images" / "bonus" / "bonuson.bmp")),
      lampOff_(loadPicture(dataDir / "images" / "bonus" / "bonusoff.bmp"))
{
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir / "images")) {
        if (entry.is_regular_file() && entry.path().extension() == ".zri")
            names.push_back(entry.path());
    }
    std::sort(names.begin(), names.end());
    for (const auto& name : names)
        symbols_.push_back(loadPicture(name));
}

double ScreenReader::difference(const QImage& mainWindow, int cell, const QImage& picture) const
{
    return meanDifference(mainWindow, cellCorner(cell), picture, layout::kFirstUnshadedRow, layout::kEndUnshadedRow);
}

ReelWindow ScreenReader::readReels(const QImage& mainWindow) const
{
    ReelWindow result;
    result.fill(kUnknownSymbol);
    for (int cell = 0; cell < 9; ++cell) {
        for (size_t symbol = 0; symbol < symbols_.size(); ++symbol) {
            if (difference(mainWindow, cell, symbols_[symbol]) <= kSameTolerance) {
                result[static_cast<size_t>(cell)] = static_cast<int>(symbol);
                break;
            }
        }
    }
    return result;
}

double ScreenReader::differenceFromPlaceholder(const QImage& mainWindow, int cell) const
{
    return difference(mainWindow, cell, placeholder_);
}

std::string ScreenReader::readLamps(const QImage& mainWindow) const
{
    std::string result;
    const int lampHeight = layout::kLampColumn.height / 8;
    for (int lamp = 0; lamp < 8; ++lamp) {
        const QPoint corner(layout::kLampColumn.x, layout::kLampColumn.y + lamp * lampHeight);
        if (meanDifference(mainWindow, corner, lampOn_, 0, lampOn_.height()) <= kSameTolerance)
            result += '1';
        else if (meanDifference(mainWindow, corner, lampOff_, 0, lampOff_.height()) <= kSameTolerance)
            result += '0';
        else
            result += '?';
    }
    return result;
}

std::optional<StillReels> waitForStillReels(X11Driver& x11, unsigned long window, std::chrono::milliseconds stillFor,
                                            std::chrono::milliseconds timeout)
{
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + timeout;
    QImage last = x11.capture(window, layout::kReelArea);
    StillReels result{{}, start, false};
    while (!last.isNull()) {
        std::this_thread::sleep_for(10ms);
        const QImage now = x11.capture(window, layout::kReelArea);
        const auto when = std::chrono::steady_clock::now();
        if (now.isNull())
            break;
        if (now != last) {
            result.changed = true;
            result.lastChange = when;
            last = now;
        } else if (when - result.lastChange >= stillFor) {
            result.window = x11.capture(window, {0, 0, layout::kMainWidth, layout::kMainHeight});
            return result;
        }
        if (when >= deadline)
            break;
    }
    return std::nullopt;
}

} // namespace glint::e2e
