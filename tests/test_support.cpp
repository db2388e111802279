#include "test_support.h"

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace glint::test {

AssetTree::AssetTree()
{
    std::string pattern = (fs::temp_directory_path() / "glint-assets-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temp directory");
    root_ = pattern;
    fs::create_directories(images() / "bonus");
    fs::create_directories(root_ / "sound");
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

void AssetTree::addStandardSet()
{
    for (int i = 1; i <= 16; ++i)
        addFile((i < 10 ? "images/0" : "images/") + std::to_string(i) + ".zri");
    addLamps();
}

void AssetTree::addLamps()
{
    addFile("images/bonus/bonuson.bmp");
    addFile("images/bonus/bonusoff.bmp");
}

uint64_t seedFor(const Random& current, const std::vector<Draw>& wanted)
{
    for (uint64_t seed = 1; seed < 100'000'000; ++seed) {
        Random r = current;
        r.reseed(seed);
        bool fits = true;
        for (const Draw& d : wanted) {
            const int32_t v = r.below(d.n);
            if (v < d.lo || v > d.hi) {
                fits = false;
                break;
            }
        }
        if (fits)
            return seed;
    }
    ADD_FAILURE() << "no clock seed gives the wanted draws";
    return 0;
}

int32_t symbolOf(const Machine& m, PictureId picture)
{
    for (size_t k = 1; k < m.symbolPics.size(); ++k)
        if (m.symbolPics[k] == picture)
            return static_cast<int32_t>(k);
    return -1;
}

void MachineTest::SetUp()
{
    assets.addStandardSet();
    fake.observe(m);
    m.Form_Load();
    fake.events.clear();
}

void MachineTest::scriptSpin(int32_t kL, int32_t kM, int32_t kR, std::vector<Draw> awards)
{
    std::vector<Draw> wanted = {exactly(15, kL), exactly(15, kM), exactly(15, kR)};
    wanted.insert(wanted.end(), awards.begin(), awards.end());
    fake.seeds.push_back(seedFor(m.rnd, wanted));
}

void MachineTest::setLine(int32_t left, int32_t middle, int32_t right)
{
    m.reelLeft = left;
    m.reelMiddle = middle;
    m.reelRight = right;
}

} // namespace glint::test
