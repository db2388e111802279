#include "test_support.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace glint::test {
namespace {

// A machine over its own asset tree, for start-ups that are meant to fail
// or to see unusual picture directories.
class Pictures : public ::testing::Test {
protected:
    void addSymbols(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            assets.addFile("images/" + name);
    }
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

    AssetTree assets;
    FakePlatform fake;
    Machine m{fake, AssetPaths(assets.root().string())};
};

std::vector<std::string> numbered(int from, int to, const char* ext = ".zri")
{
    std::vector<std::string> out;
    for (int i = from; i <= to; ++i)
        out.push_back((i < 10 ? "0" : "") + std::to_string(i) + ext);
    return out;
}

TEST_F(Pictures, ExtensionMatchesInAnyLetterCaseButOnlyAtTheEnd)
{
    addSymbols({"a.zri", "B.ZrI", "c.ZRI", "d.zRi"});
    addSymbols(numbered(10, 21));
    addSymbols({"e.zri.bak", "fzri", "notes.txt", "g.zr"});
    assets.addLamps();
    ASSERT_EQ(startUp(), "");
    std::vector<std::string> expected = {"10.zri", "11.zri", "12.zri", "13.zri", "14.zri", "15.zri",
                                         "16.zri", "17.zri", "18.zri", "19.zri", "20.zri", "21.zri",
                                         "a.zri",  "B.ZrI",  "c.ZRI",  "d.zRi"};
    EXPECT_EQ(m.ui.List4.items, expected);
    EXPECT_EQ(symbolFile(13), "a.zri");
    EXPECT_EQ(symbolFile(14), "B.ZrI");
}

TEST_F(Pictures, SymbolsAreNumberedByNameIgnoringCaseWhateverOrderTheFilesWereMade)
{
    std::vector<std::string> names = {"apple.ZRI", "Bell.zri", "cherry.zri", "Diamond.zri",
                                      "egg.zri",   "Fig.zri",  "grape.zri",  "Horse.zri",
                                      "ice.zri",   "Jewel.zri", "kiwi.zri",  "Lemon.zri",
                                      "melon.zri", "Nut.zri",  "orange.zri", "Plum.zri"};
    std::vector<std::string> reversed(names.rbegin(), names.rend());
    addSymbols(reversed);
    assets.addLamps();
    ASSERT_EQ(startUp(), "");
    EXPECT_EQ(m.ui.List4.items, names);
    for (size_t k = 1; k <= 16; ++k)
        EXPECT_EQ(symbolFile(k), names[k - 1]);
}

TEST_F(Pictures, OnlyTheFirstSixteenOfMoreFilesAreLoaded)
{
    addSymbols(numbered(1, 16));
    assets.addFile("images/17.zri", "not a picture");
    assets.addLamps();
    ASSERT_EQ(startUp(), "");
    EXPECT_EQ(m.ui.List4.listCount(), 17);
    EXPECT_EQ(symbolFile(16), "16.zri");
    EXPECT_TRUE(std::none_of(fake.loadAttempts.begin(), fake.loadAttempts.end(),
                             [](const std::string& p) { return p.ends_with("17.zri"); }));
}

TEST_F(Pictures, FifteenFilesStopStartUpNamingTheDirectory)
{
    addSymbols(numbered(1, 15));
    assets.addLamps();
    const std::string error = startUp();
    EXPECT_NE(error.find(assets.images().string()), std::string::npos) << error;
    EXPECT_EQ(fake.kinds().back(), Event::Kind::UnloadSplash);
}

TEST_F(Pictures, ACorruptSymbolFileStopsStartUpNamingTheFileAndReason)
{
    addSymbols(numbered(1, 16));
    assets.addFile("images/07.zri", "GIF89a");
    assets.addLamps();
    const std::string error = startUp();
    EXPECT_NE(error.find("07.zri"), std::string::npos) << error;
    EXPECT_NE(error.find("Unsupported image format"), std::string::npos) << error;
}

TEST_F(Pictures, DirectoriesAndPipesNamedLikePicturesAreNotListed)
{
    addSymbols(numbered(2, 17));
    assets.addLamps();
    fs::create_directory(assets.images() / "00.zri");
    ASSERT_EQ(mkfifo((assets.images() / "01.zri").c_str(), 0600), 0);
    ASSERT_EQ(startUp(), "");
    EXPECT_EQ(m.ui.List4.items, numbered(2, 17));
}

TEST_F(Pictures, ADanglingLinkAmongFifteenGoodFilesIsReportedByName)
{
    addSymbols(numbered(1, 15));
    fs::create_symlink(assets.root() / "nowhere.zri", assets.images() / "z.zri");
    assets.addLamps();
    const std::string error = startUp();
    EXPECT_NE(error.find("z.zri"), std::string::npos) << error;
    EXPECT_NE(error.find("File not found"), std::string::npos) << error;
}

TEST_F(Pictures, MissingImagesDirectoryOrLampStopsStartUp)
{
    fs::remove_all(assets.images());
    EXPECT_NE(startUp(), "");

    AssetTree other;
    other.addStandardSet();
    fs::remove(other.images() / "bonus" / "bonusoff.bmp");
    FakePlatform otherFake;
    Machine otherMachine(otherFake, AssetPaths(other.root().string()));
    try {
        otherMachine.Form_Load();
        ADD_FAILURE() << "start-up went on without bonusoff.bmp";
    } catch (const AssetError& e) {
        EXPECT_NE(std::string(e.what()).find("bonusoff.bmp"), std::string::npos) << e.what();
    }
}

TEST_F(Pictures, PreviewingAListedFileNeverStopsTheGame)
{
    addSymbols(numbered(1, 16));
    assets.addFile("images/17.zri", "broken");
    assets.addLamps();
    ASSERT_EQ(startUp(), "");
    for (int32_t index : {-1, 16, 17, 1000})
        EXPECT_NO_THROW(m.List4_Click(index));
    m.List4_Click(0);
    EXPECT_EQ(fake.released.size(), 1u);
}

} // namespace
} // namespace glint::test
