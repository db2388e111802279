#include "test_support.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace glint::test {
namespace {

// A machine over an asset tree with fifteen good symbol pictures and both
// lamps, changed by a test before start-up.
struct Tree {
    Tree() { assets.addStandardSet(15); }
    // Runs start-up; returns its error, the images directory written as
    // "<images>", or "" when it started.
    std::string startUp()
    {
        std::string error;
        try {
            m.Form_Load();
        } catch (const AssetError& e) {
            error = e.what();
        }
        const std::string images = assets.images().string();
        for (size_t at; (at = error.find(images)) != std::string::npos;)
            error.replace(at, images.size(), "<images>");
        return error;
    }
    void link(const char* name, const fs::path& to) { fs::create_symlink(to, assets.images() / name); }

    AssetTree assets;
    FakePlatform fake;
    Machine m{fake, AssetPaths(assets.root().string())};
};

TEST(Pictures, StartUpRefusesAnIncompleteTreeNamingTheFileAndWhyAndTakesTheSplashAway)
{
    const struct {
        const char* what;
        std::function<void(Tree&)> make;
        std::string error;
    } cases[] = {
        {"fifteen pictures", [](Tree&) {},
         "Cannot load the symbol pictures in <images>/: found 15 files named *.zri, 16 are needed"},
        {"a directory, a pipe and a link to a directory named like pictures",
         [](Tree& t) {
             fs::create_directory(t.assets.images() / "dir.zri");
             mkfifo((t.assets.images() / "pipe.zri").c_str(), 0600);
             t.link("dirlink.zri", t.assets.images() / "bonus");
         },
         "Cannot load the symbol pictures in <images>/: found 15 files named *.zri, 16 are needed"},
        {"a corrupt picture", [](Tree& t) { t.assets.addFile("images/16.zri", "GIF89a"); },
         "Cannot load picture <images>/16.zri: Unsupported image format"},
        {"a dangling link", [](Tree& t) { t.link("z.zri", t.assets.root() / "nowhere"); },
         "Cannot load picture <images>/z.zri: File not found"},
        {"no unlit lamp",
         [](Tree& t) { t.assets.addFile("images/16.zri"); fs::remove(t.assets.images() / "bonus/bonusoff.bmp"); },
         "Cannot load picture <images>/bonus/bonusoff.bmp: File not found"},
        {"no images directory", [](Tree& t) { fs::remove_all(t.assets.images()); },
         "Cannot list pictures in <images>/: No such file or directory"},
        {"complete, without a title", [](Tree& t) { t.assets.addFile("images/16.zri"); }, ""},
    };
    for (const auto& c : cases) {
        Tree t;
        c.make(t);
        EXPECT_EQ(t.startUp(), c.error) << c.what;
        EXPECT_EQ(fields(t.m, t.fake)["splash"], "+-") << c.what;
    }
}

TEST(Pictures, SymbolsAreTheFirstSixteenPicturesByNameIgnoringCaseAndAPreviewNeverStopsTheGame)
{
    Tree t;
    fs::remove_all(t.assets.images());
    const std::vector<std::string> names = {"apple.ZRI", "B.ZrI", "cherry.zri", "Diamond.zri", "egg.zRi", "Fig.zri",
                                            "grape.zri", "Horse.zri", "ice.zri", "Jewel.zri", "kiwi.zri", "Lemon.zri",
                                            "melon.zri", "Nut.zri", "orange.zri", "Plum.zri", "zz.zri"};
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        t.assets.addFile("images/" + *name, *name == "zz.zri" ? "not a picture" : "PIC");
    for (const char* other : {"e.zri.bak", "fzri", "g.zr", "bonus/bonuson.bmp", "bonus/bonusoff.bmp", "startup/title.bmp"})
        t.assets.addFile(std::string("images/") + other);
    ASSERT_EQ(t.startUp(), "");
    EXPECT_EQ(t.m.ui.List4.items, names);
    for (size_t k = 1; k <= 16; ++k)
        EXPECT_EQ(t.fake.pictures[t.m.symbolPics[k]], names[k - 1]);
    EXPECT_EQ(t.fake.pictures[t.m.bonusOnPic] + " " + t.fake.pictures[t.m.bonusOffPic] + " " +
                  t.fake.pictures[t.m.ui.titlepic.picture],
              "bonuson.bmp bonusoff.bmp title.bmp");

    // Previews load and at once release their own picture; files that do not
    // decode and rows that do not exist change nothing.
    for (int32_t row : {2, 16, -1, 17, 15})
        t.m.List4_Click(row);
    EXPECT_EQ(fields(t.m, t.fake)["released"], "cherry.zri;Plum.zri");
}

} // namespace
} // namespace glint::test
