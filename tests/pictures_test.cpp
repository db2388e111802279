#include "test_support.h"

#include <sys/stat.h>

#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace glint::test {
namespace {

using Pictures = MachineTest;

// Starts a machine over `tree`; returns the start-up's error, the images
// directory written as "<images>", or "" when it started.
std::string startUp(Machine& m, const AssetTree& tree)
{
    std::string error;
    try {
        m.Form_Load();
    } catch (const AssetError& e) {
        error = e.what();
    }
    for (size_t at; (at = error.find(tree.images().string())) != std::string::npos;)
        error.replace(at, tree.images().string().size(), "<images>");
    return error;
}

TEST_F(Pictures, StartUpRefusesAnIncompleteTreeNamingTheFileAndWhyAndTakesTheSplashAway)
{
    const std::string fifteen = "Cannot load the symbol pictures in <images>/: found 15 files named *.zri, 16 are needed";
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make; // given the images directory
        std::string error;
    } cases[] = {
        {"fifteen pictures", [](const fs::path&) {}, fifteen},
        {"a directory, a pipe and a link to a directory named like pictures",
         [](const fs::path& images) {
             fs::create_directory(images / "dir.zri");
             mkfifo((images / "pipe.zri").c_str(), 0600);
             fs::create_directory_symlink(images / "bonus", images / "dirlink.zri");
         },
         fifteen},
        {"a corrupt picture", [](const fs::path& images) { std::ofstream(images / "16.zri") << "GIF89a"; },
         "Cannot load picture <images>/16.zri: Unsupported image format"},
        {"a dangling link", [](const fs::path& images) { fs::create_symlink(images / "nowhere", images / "z.zri"); },
         "Cannot load picture <images>/z.zri: File not found"},
        {"no images directory", [](const fs::path& images) { fs::remove_all(images); },
         "Cannot list pictures in <images>/: No such file or directory"},
        {"complete, without a title", [](const fs::path& images) { std::ofstream(images / "16.zri") << "PIC"; }, ""},
    };
    for (const auto& c : cases) {
        AssetTree tree;
        tree.addStandardSet(15);
        c.make(tree.images());
        Machine machine(fake, AssetPaths(tree.root().string()));
        fake.events.clear();
        EXPECT_EQ(startUp(machine, tree), c.error) << c.what;
        EXPECT_EQ(fields(machine, fake)["splash"], "+-") << c.what;
    }
}

TEST_F(Pictures, SymbolsAreTheFirstSixteenPicturesByNameIgnoringCaseAndAPreviewNeverStopsTheGame)
{
    AssetTree tree;
    // pa.ZRI, pB.zri, pc.zRi, pD.ZRI ... in mixed case after a common first
    // letter, written in reverse; the last does not decode.
    std::vector<std::string> names;
    for (char c = 0; c < 17; ++c)
        names.push_back("p" + std::string(1, char((c % 2 ? 'A' : 'a') + c)) + (c % 3 == 0 ? ".ZRI" : c % 3 == 1 ? ".zri" : ".zRi"));
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        tree.addFile("images/" + *name, *name == names.back() ? "not a picture" : "PIC");
    for (const char* other : {"e.zri.bak", "fzri", "g.zr", "bonus/bonuson.bmp", "bonus/bonusoff.bmp", "startup/title.bmp"})
        tree.addFile(std::string("images/") + other);
    Machine machine(fake, AssetPaths(tree.root().string()));
    ASSERT_EQ(startUp(machine, tree), "");
    EXPECT_EQ(machine.ui.List4.items, names);
    for (size_t k = 1; k <= 16; ++k)
        EXPECT_EQ(fake.pictures[machine.symbolPics[k]], names[k - 1]);
    EXPECT_EQ(fake.pictures[machine.ui.titlepic.picture], "title.bmp");
    // Each built-in picture has a handle of its own, apart from the loaded ones.
    EXPECT_EQ((std::set{kNoPicture, kPoundPicture, kArrowPicture, kTitlePicture, kShadeTopPicture, kShadeBottomPicture,
                        kFirstLoadedPicture}.size()), 7u);

    // Previews load and at once release their own picture; files that do not
    // decode and rows that do not exist change nothing.
    fake.events.clear();
    for (int32_t row : {0, 2, 16, -1, 17, 15})
        machine.List4_Click(row);
    EXPECT_EQ(fields(machine, fake)["released"], names[0] + ";" + names[2] + ";" + names[15]);
}

} // namespace
} // namespace glint::test
