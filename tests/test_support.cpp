#include "test_support.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

namespace fs = std::filesystem;

namespace glint::test {

void FakePlatform::sleepUntil(double deadline)
{
    record({Event::Kind::Sleep, "", 0, deadline - now});
    now = std::max(now, deadline);
}

uint64_t FakePlatform::clockSeed()
{
    const uint64_t scripted = std::exchange(nextSeed, 0);
    return scripted != 0 ? scripted : ++lastSeed;
}

PictureId FakePlatform::loadPicture(const std::string& path, std::string& error)
{
    std::string head(3, '\0');
    // Never opened unless regular: reading a pipe would block.
    if (fs::is_regular_file(path))
        std::ifstream(path, std::ios::binary).read(head.data(), 3);
    if (head == "PIC") {
        pictures[nextPicture_] = fs::path(path).filename().string();
        return nextPicture_++;
    }
    error = fs::exists(path) ? "Unsupported image format" : "File not found";
    return kNoPicture;
}

std::string FakePlatform::formatCurrency(Money amount)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(amount.tenThousandths()) / 10000.0);
    return text;
}

namespace {

// The trail lamps as 1 (lit), 0 (unlit), ^ (the arrow placeholder) or -,
// rung 1 first.
std::string lampsOf(const Machine& m)
{
    std::string out;
    for (const Image& l : m.ui.bonus)
        out += l.picture == m.bonusOnPic ? '1' : l.picture == m.bonusOffPic ? '0' : l.picture == kArrowPicture ? '^' : '-';
    return out;
}

} // namespace

void FakePlatform::repaintCells()
{
    if (recording && machine)
        events.push_back({Event::Kind::Repaint, lampsOf(*machine), 0, 0,
                          {machine->reelLeft, machine->reelMiddle, machine->reelRight}});
}

AssetTree::AssetTree()
    : root_(fs::temp_directory_path() / ("glint-assets-" + std::to_string(getpid()) + "-" + std::to_string(++made)))
{
    fs::create_directories(root_);
}

AssetTree::~AssetTree()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void AssetTree::addFile(const std::string& relative, const std::string& content)
{
    const fs::path path = root_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

void AssetTree::addStandardSet(int last)
{
    for (int i = 1; i <= last; ++i)
        addFile((i < 10 ? "images/0" : "images/") + std::to_string(i) + ".zri");
    addFile("images/bonus/bonuson.bmp");
    addFile("images/bonus/bonusoff.bmp");
}

namespace {

template <class Range, class Show>
std::string joined(const Range& items, const char* separator, Show show)
{
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : separator) + show(item);
    return out;
}

} // namespace

std::map<std::string, std::string> fields(const Machine& m, FakePlatform& fake)
{
    const Form1Controls& ui = m.ui;
    std::string sounds, soundsAt, messages, released, splash, lamps;
    int repaints = 0;
    bool paced = true;
    // Where the spin's first drawing shows the reels, and the last step in
    // which each was seen to turn.
    std::array<int32_t, 3> start{}, rest{}, last{};
    for (size_t i = 0; i < fake.events.size(); ++i) {
        const Event& e = fake.events[i];
        using K = Event::Kind;
        if (e.kind == K::Sound) {
            const std::string& dir = m.assets().sound;
            sounds += (e.text.starts_with(dir) ? e.text.substr(dir.size()) : e.text) +
                      (e.flags == 1 ? "," : "*" + std::to_string(e.flags) + ",");
            soundsAt += std::to_string(repaints) + ",";
        }
        sounds += e.kind == K::Silence ? "~," : "";
        messages += e.kind == K::Message ? e.text + ";" : "";
        released += e.kind == K::Release ? e.text + ";" : "";
        splash += e.kind == K::ShowSplash ? "+" : e.kind == K::UnloadSplash ? "-" : "";
        if (e.kind == K::Repaint) {
            // Every drawing of the reels follows its own pause of 10 ms.
            paced = paced && i > 0 && fake.events[i - 1].kind == K::Sleep &&
                    std::abs(fake.events[i - 1].seconds - 0.01) < 1e-9;
            for (size_t k = 0; k < 3 && repaints > 0; ++k)
                rest[k] = e.reels[k] != last[k] ? repaints + 1 : rest[k];
            start = repaints == 0 ? e.reels : start;
            last = e.reels;
            lamps += repaints++ == 0 ? e.text : "";
        }
    }
    auto n = [](auto v) { return std::to_string(v); };
    auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
    auto text = [](const std::string& s) { return s; };
    auto exact = [](Money a) { // all four decimals, so that a stray ten-thousandth shows
        return std::to_string(a.tenThousandths() / 10000) + "." + std::to_string(a.tenThousandths() % 10000 + 10000).substr(1);
    };
    auto list = [](std::string s) { return s.empty() ? s : s.substr(0, s.size() - 1); };
    auto symbol = [&m](const Image* c) {
        return std::to_string(std::find(m.symbolPics.begin() + 1, m.symbolPics.end(), c->picture) - m.symbolPics.begin());
    };
    const Colour light = ui.trailHeldLight.foreColor; // red or grey
    return {
        {"credit", exact(m.credit)}, {"pot", exact(m.cashPot)}, {"coins", n(m.coins)},
        {"cheat", n(m.cheatCount)}, {"cashpot", ui.cashpot.text}, {"prize", ui.prizeMoney.text},
        {"status", ui.status.caption}, {"nudges", n(m.nudges)}, {"offer", flag(m.holdAllowed)},
        {"points", n(m.trailPoints) + "/" + ui.nopoints.caption},
        {"holds", std::string{m.holdLeft ? 'L' : '-', m.holdMiddle ? 'M' : '-', m.holdRight ? 'R' : '-'}},
        {"trailHold", flag(m.trailHeld) + "/" + n(m.heldTrailPoints) + (light == kRed ? "/red" : "/grey")},
        {"sounds", list(sounds)}, {"soundsAt", list(soundsAt)}, {"messages", list(messages)}, {"splash", splash},
        {"steps", n(repaints) + (paced ? "" : " unpaced")}, {"spinLamps", lamps}, {"lamps", lampsOf(m)},
        {"ladder", joined(ui.Trail, " ", [](const Label& l) { return l.caption + (l.foreColor == kRed ? "*" : ""); })},
        {"labels", joined(std::array{&ui.Label4, &ui.Label5, &ui.Label6, &ui.Label7, &ui.trailHeldLight}, " ",
                          [](const Label* l) { return l->caption; })},
        {"reels", n(m.reelLeft) + "," + n(m.reelMiddle) + "," + n(m.reelRight)},
        {"spinStart", joined(start, ",", n)}, {"turns", joined(rest, ",", n)},
        {"strips", joined(std::array{&ui.List1, &ui.List2, &ui.List3}, "/",
                          [&](const ListBox* l) { return joined(l->items, " ", text); })},
        {"scores", joined(m.symbolPoints, " ", n)},
        {"cells", joined(std::array{&ui.tl, &ui.ml, &ui.bl, &ui.tm, &ui.mm, &ui.bm, &ui.tr, &ui.mr, &ui.br}, " ", symbol)},
        {"bonus", (ui.bonusTimer.enabled ? "on/" : "off/") + n(ui.bonusTimer.starts)},
        {"feature", n(m.featureIndex)}, {"features", joined(m.featureNames, "/", text)},
        {"attract", n(m.attractStep)},
        {"timers", joined(std::array{&ui.flashLights, &ui.bonusTimer, &ui.Timer1, &ui.Timer2, &ui.Timer3}, " ",
                          [](const Timer* t) { return std::to_string(t->interval) + (t->enabled ? "+" : "-"); })},
        {"trace", joined(ui.myDebug.items, ";", text)},
        {"released", list(released)},
    };
}

void MachineTest::SetUp()
{
    assets.addStandardSet();
    fake.machine = &m;
    m.Form_Load();
    fake.events.clear();
}

void MachineTest::check(const std::vector<Case>& table)
{
    for (const Case& c : table) {
        SCOPED_TRACE(c.name);
        Machine fresh(fake, AssetPaths(assets.root().string()));
        fake.machine = &fresh;
        fresh.Form_Load();
        if (c.given)
            c.given(fresh);
        fake.events.clear();
        const uint32_t announced = fresh.ui.announcement.serial;
        c.when(fresh);
        std::map<std::string, std::string> actual = fields(fresh, fake);
        actual["said"] = fresh.ui.announcement.serial == announced ? "(nothing)" : fresh.ui.announcement.text;
        std::istringstream wanted(c.then);
        for (std::string field; std::getline(wanted, field, '|');) {
            const auto at = actual.find(field.substr(0, field.find('=')));
            EXPECT_EQ(at == actual.end() ? "no such field" : at->first + "=" + at->second, field);
        }
        fake.nextSeed = 0;
    }
    fake.machine = &m;
}

void MachineTest::script(const Machine& on, const std::vector<Draw>& draws)
{
    for (uint64_t seed = 1; seed < 100'000'000; ++seed) {
        Random r = on.rnd;
        r.reseed(seed);
        if (std::all_of(draws.begin(), draws.end(), [&r](Draw d) {
                const double v = r.draw();
                return v >= d.lo && v < d.hi;
            })) {
            fake.nextSeed = seed;
            return;
        }
    }
    ADD_FAILURE() << "no clock seed gives the wanted draws";
}

std::function<void(Machine&)> MachineTest::playAt(int32_t left, int32_t middle, int32_t right, std::vector<Draw> awards)
{
    awards.insert(awards.begin(), {stop(0), stop(0), stop(0)});
    return [=, this](Machine& on) {
        on.reelLeft = left, on.reelMiddle = middle, on.reelRight = right;
        script(on, awards);
        on.Command2_Click();
    };
}

} // namespace glint::test
