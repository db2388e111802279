#include "test_support.h"

#include <sys/stat.h>

#include <functional>

namespace fs = std::filesystem;

namespace glint::test {
namespace {

// A machine over its own asset tree, for start-ups that are meant to fail
// or to see unusual picture directories.
struct Pictures {
    // Runs start-up and returns the AssetError's message, or "" on success.
    std::string startUp()
    {
        try {
            m.Form_Load();
        } catch (const AssetError& e) {
            return e.what();
        }
        return "";
    }
    std::string symbolFile(size_t k) { return fs::path(fake.pictures.at(m.symbolPics[k])).filename().string(); }
    void addSymbols(int from, int to)
    {
        for (int i = from; i <= to; ++i)
            assets.addFile((i < 10 ? "images/0" : "images/") + std::to_string(i) + ".zri");
    }

    AssetTree assets;
    FakePlatform fake;
    Machine m{fake, AssetPaths(assets.root().string())};
};

TEST(PictureListing, PlainFilesEndingInZriInAnyCaseAreSortedIgnoringCaseAndTheFirstSixteenLoaded)
{
    Pictures p;
    const std::vector<std::string> names = {"apple.ZRI", "B.ZrI",     "cherry.zri", "Diamond.zri", "egg.zRi",
                                            "Fig.zri",   "grape.zri", "Horse.zri",  "ice.zri",     "Jewel.zri",
                                            "kiwi.zri",  "Lemon.zri", "melon.zri",  "Nut.zri",     "orange.zri",
                                            "Plum.zri",  "zz.zri"};
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        p.assets.addFile("images/" + *name, *name == "zz.zri" ? "not a picture" : "PIC");
    for (const char* other : {"e.zri.bak", "fzri", "notes.txt", "g.zr"})
        p.assets.addFile(std::string("images/") + other);
    fs::create_directory(p.assets.images() / "dir.zri");
    ASSERT_EQ(mkfifo((p.assets.images() / "pipe.zri").c_str(), 0600), 0);
    p.assets.addLamps();
    ASSERT_EQ(p.startUp(), ""); // the seventeenth would not decode
    EXPECT_EQ(p.m.ui.List4.items, names);
    for (size_t k = 1; k <= 16; ++k)
        EXPECT_EQ(p.symbolFile(k), names[k - 1]);
}

TEST(PictureListing, StartUpStopsNamingTheMissingOrBrokenFileAndTakesTheSplashAway)
{
    const struct {
        const char* what;
        std::function<void(AssetTree&)> make;
        std::vector<std::string> named; // "" stands for the images directory
    } cases[] = {
        {"fifteen files", [](AssetTree&) {}, {""}},
        {"a corrupt file", [](AssetTree& a) { a.addFile("images/07.zri", "GIF89a"); a.addFile("images/16.zri"); },
         {"07.zri", "Unsupported image format"}},
        {"a dangling link",
         [](AssetTree& a) { fs::create_symlink(a.root() / "nowhere.zri", a.images() / "z.zri"); },
         {"z.zri", "File not found"}},
        {"no unlit lamp",
         [](AssetTree& a) { a.addFile("images/16.zri"); fs::remove(a.images() / "bonus/bonusoff.bmp"); },
         {"bonusoff.bmp"}},
        {"no images directory", [](AssetTree& a) { fs::remove_all(a.images()); }, {"images"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Pictures p;
        p.addSymbols(1, 15);
        p.assets.addLamps();
        c.make(p.assets);
        const std::string error = p.startUp();
        for (const std::string& part : c.named)
            EXPECT_NE(error.find(part.empty() ? p.assets.images().string() : part), std::string::npos) << error;
        ASSERT_FALSE(p.fake.events.empty());
        EXPECT_EQ(p.fake.kinds().back(), Event::Kind::UnloadSplash);
    }
}

TEST(PictureListing, PreviewingAListedFileNeverStopsTheGame)
{
    Pictures p;
    p.addSymbols(1, 16);
    p.assets.addFile("images/17.zri", "broken");
    p.assets.addLamps();
    ASSERT_EQ(p.startUp(), "");
    for (int32_t index : {-1, 16, 17, 1000})
        EXPECT_NO_THROW(p.m.List4_Click(index));
    p.m.List4_Click(0);
    EXPECT_EQ(p.fake.released.size(), 1u);
}

} // namespace
} // namespace glint::test
