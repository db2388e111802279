#pragma once

#include "core/machine.h"

#include <algorithm>
#include <array>
#include <cstdio>
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
    explicit Event(Kind k, std::string t = {}, int32_t f = 0, double s = 0.0)
        : kind(k), text(std::move(t)), flags(f), seconds(s) {}
    Kind kind;
    std::string text;     // sound path or message text
    int32_t flags;        // sound flags
    double seconds;       // length of a sleep
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
        events.emplace_back(Event::Kind::Sleep, "", 0, deadline - now);
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
        std::error_code ec;
        const fs::file_status st = fs::status(path, ec);
        // Never opened unless regular: reading a pipe would block.
        std::string head(3, '\0');
        if (fs::is_regular_file(st))
            std::ifstream(path, std::ios::binary).read(head.data(), 3);
        if (head != "PIC") {
            error = fs::exists(st) ? "Unsupported image format" : "File not found";
            return kNoPicture;
        }
        pictures[nextPicture] = path;
        return nextPicture++;
    }
    void releasePicture(PictureId picture) override { released.push_back(picture); }

    std::string formatCurrency(Money amount) override
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", static_cast<double>(amount.tenThousandths()) / 10000.0);
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
        for (const Event& e : events)
            if (e.kind == kind)
                out.push_back(e);
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
    std::map<PictureId, std::string> pictures; // decoded pictures by handle
    std::vector<PictureId> released;

private:
    const Machine* machine_ = nullptr;
    PictureId nextPicture = kFirstLoadedPicture;
};

} // namespace glint::test
