#pragma once

#include "core/machine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace glint::test {

// One thing the machine asked of the outside world, in the order it asked.
struct Event {
    enum class Kind { Sound, Silence, Sleep, Repaint, Message, ShowSplash, UnloadSplash };
    explicit Event(Kind k, std::string t = {}, int32_t f = 0) : kind(k), text(std::move(t)), flags(f) {}

    Kind kind;
    std::string text;     // sound path or message text
    int32_t flags = 0;    // sound flags
    double seconds = 0.0; // length of a sleep
    // What was on screen at a repaint, and where the reels stood.
    std::array<PictureId, 9> cells{}; // tl, ml, bl, tm, mm, bm, tr, mr, br
    std::array<PictureId, 8> lamps{}; // bonus1 .. bonus8
    std::array<int32_t, 3> reels{};   // left, middle, right
};

// A recording stand-in for the window system. Nothing really waits, plays
// or decodes: sleeping advances a fake clock, and a file decodes as a
// picture when its content starts with "PIC".
class FakePlatform : public Platform {
public:
    // The machine whose cells and reels a repaint records.
    void observe(const Machine& machine) { machine_ = &machine; }

    void startSound(const std::string& path, int32_t flags) override
    {
        events.emplace_back(Event::Kind::Sound, path, flags);
    }
    void silence() override { events.emplace_back(Event::Kind::Silence); }

    double monotonicSeconds() override { return now; }
    void sleepUntil(double deadline) override
    {
        Event e{Event::Kind::Sleep};
        e.seconds = deadline - now;
        events.push_back(e);
        now = std::max(now, deadline);
    }
    uint64_t clockSeed() override
    {
        if (seeds.empty())
            return ++lastSeed;
        lastSeed = seeds.front();
        seeds.pop_front();
        return lastSeed;
    }

    PictureId loadPicture(const std::string& path, std::string& error) override
    {
        namespace fs = std::filesystem;
        loadAttempts.push_back(path);
        std::error_code ec;
        const fs::file_status st = fs::status(path, ec);
        if (!fs::exists(st)) {
            error = "File not found";
            return kNoPicture;
        }
        // Never opened unless regular: reading a pipe would block.
        std::string head(3, '\0');
        if (fs::is_regular_file(st)) {
            std::ifstream in(path, std::ios::binary);
            in.read(head.data(), 3);
        }
        if (head != "PIC") {
            error = "Unsupported image format";
            return kNoPicture;
        }
        const PictureId id = nextPicture++;
        pictures[id] = path;
        return id;
    }
    void releasePicture(PictureId picture) override { released.push_back(picture); }

    std::string formatCurrency(Money amount) override
    {
        const int64_t units = amount.tenThousandths();
        const long long cents = (std::llabs(units) + 50) / 100;
        char text[32];
        std::snprintf(text, sizeof text, "%s%lld.%02lld", units < 0 ? "-" : "", cents / 100, cents % 100);
        return text;
    }

    void messageBox(const std::string& text) override { events.emplace_back(Event::Kind::Message, text); }
    void showSplash() override { events.emplace_back(Event::Kind::ShowSplash); }
    void unloadSplash() override { events.emplace_back(Event::Kind::UnloadSplash); }

    void repaintCells() override
    {
        Event e{Event::Kind::Repaint};
        if (machine_ != nullptr) {
            const Form1Controls& ui = machine_->ui;
            e.cells = {ui.tl.picture, ui.ml.picture, ui.bl.picture, ui.tm.picture, ui.mm.picture,
                       ui.bm.picture, ui.tr.picture, ui.mr.picture, ui.br.picture};
            for (size_t i = 0; i < e.lamps.size(); ++i)
                e.lamps[i] = ui.bonus[i].picture;
            e.reels = {machine_->reelLeft, machine_->reelMiddle, machine_->reelRight};
        }
        events.push_back(e);
    }

    // --- reading the record --------------------------------------------
    std::vector<Event> ofKind(Event::Kind kind) const
    {
        std::vector<Event> out;
        std::copy_if(events.begin(), events.end(), std::back_inserter(out),
                     [kind](const Event& e) { return e.kind == kind; });
        return out;
    }
    size_t count(Event::Kind kind) const { return ofKind(kind).size(); }

    // Sounds started, by file name without the sound directory.
    std::vector<std::string> soundNames() const
    {
        std::vector<std::string> out;
        for (const Event& e : ofKind(Event::Kind::Sound))
            out.push_back(std::filesystem::path(e.text).filename().string());
        return out;
    }

    // The event kinds alone, for checking the order of things.
    std::vector<Event::Kind> kinds() const
    {
        std::vector<Event::Kind> out;
        for (const Event& e : events)
            out.push_back(e.kind);
        return out;
    }

    std::vector<Event> events;
    double now = 5000.0;
    std::deque<uint64_t> seeds; // clock seeds to hand out before counting on
    uint64_t lastSeed = 0;
    std::vector<std::string> loadAttempts;
    std::map<PictureId, std::string> pictures; // decoded pictures by handle
    std::vector<PictureId> released;

private:
    const Machine* machine_ = nullptr;
    PictureId nextPicture = kFirstLoadedPicture;
};

} // namespace glint::test
