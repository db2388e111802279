#include "test_support.h"

#include <tuple>

namespace glint::test {
namespace {

// A complete start-up with a given pair of clock seeds (one for the seeding
// before the pictures load, one for the start-up spin's own re-seeding).
struct StartedMachine {
    explicit StartedMachine(std::vector<uint64_t> clockSeeds)
    {
        assets.addStandardSet();
        fake.seeds.assign(clockSeeds.begin(), clockSeeds.end());
        fake.observe(m);
        m.Form_Load();
    }
    AssetTree assets;
    FakePlatform fake;
    Machine m{fake, AssetPaths(assets.root().string())};
};

TEST(StartUp, LeavesTheMachineReadyAndQuietWithTheSplashOnlyAroundASilentSpin)
{
    StartedMachine s({11, 22});
    const Machine& m = s.m;
    EXPECT_EQ(m.credit, Money());
    EXPECT_EQ(m.coins, 10);
    EXPECT_EQ(m.cashPot, Money::fromWhole(71));
    EXPECT_EQ(m.ui.cashpot.text, "71.00");
    EXPECT_FALSE(m.holdLeft || m.holdMiddle || m.holdRight || m.holdAllowed);
    EXPECT_TRUE(m.soundOn);
    EXPECT_EQ(std::vector<int32_t>({m.nudges, m.attractStep, m.cheatCount, m.flashPhase}),
              std::vector<int32_t>({0, 0, 0, 0}));
    EXPECT_EQ(m.featureNames,
              (std::array<std::string, 6>{"Respin", "Boost", "Selector", "Random", "Number Run", "HI/LO Climb"}));
    EXPECT_EQ(m.ui.status.caption, "###########INITIALISING###########");
    EXPECT_EQ(m.ui.prizeMoney.text, "Text1");
    EXPECT_EQ(m.ui.bonus[0].picture, kArrowPicture);
    EXPECT_FALSE(m.ui.bonusTimer.enabled);
    EXPECT_EQ(m.rightSteps, 0);

    const std::vector<Event::Kind> kinds = s.fake.kinds();
    ASSERT_GE(kinds.size(), 50u);
    EXPECT_EQ(kinds.front(), Event::Kind::ShowSplash);
    EXPECT_EQ(kinds.back(), Event::Kind::UnloadSplash);
    EXPECT_EQ(s.fake.count(Event::Kind::Sound) + s.fake.count(Event::Kind::Silence), 0u);
    EXPECT_EQ(s.fake.count(Event::Kind::Repaint), kinds.size() / 2 - 1);
}

TEST(StartUp, EveryRunSpinsFromTheSameReelsButStopsByTheClock)
{
    StartedMachine a({11, 22});
    StartedMachine b({33, 44});
    // The first drawing shows each reel one on from its start position,
    // which comes from the generator's fixed state: 10, 1, 4.
    const std::array<int32_t, 3> firstStep = {11, 2, 5};
    EXPECT_EQ(a.fake.ofKind(Event::Kind::Repaint).at(0).reels, firstStep);
    EXPECT_EQ(b.fake.ofKind(Event::Kind::Repaint).at(0).reels, firstStep);
    EXPECT_NE(std::make_tuple(a.m.reelLeft, a.m.reelMiddle, a.m.reelRight),
              std::make_tuple(b.m.reelLeft, b.m.reelMiddle, b.m.reelRight));
    // Both clock readings are used: the spin re-seeds after start-up did.
    EXPECT_TRUE(a.fake.seeds.empty());

    // Shutting down silences whatever plays.
    a.m.playSound("Hold.wav", 9);
    a.m.Form_Terminate();
    EXPECT_EQ(a.fake.kinds().back(), Event::Kind::Silence);
}

} // namespace
} // namespace glint::test
