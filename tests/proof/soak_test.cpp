#include "quiet_platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <random>
#include <string>

namespace glint::test {
namespace {

// How many random events one soak delivers; the sanitizer build asks for
// fewer through the environment.
int64_t eventCount()
{
    const char* wanted = std::getenv("GLINT_SOAK_EVENTS");
    return wanted != nullptr ? std::atoll(wanted) : 1'000'000;
}

enum class Action { Start, NudgeLeft, NudgeMiddle, NudgeRight, Cash, MoreMoney, Cheat, Flash, Bonus, Attract };

// Start and the Hold/Nudge buttons come most often; cheat rarely, since
// each press makes every later play win ever more nudges.
Action pick(std::mt19937_64& events)
{
    const int64_t roll = static_cast<int64_t>(events() % 1000);
    if (roll < 250) return Action::Start;
    if (roll < 380) return Action::NudgeLeft;
    if (roll < 510) return Action::NudgeMiddle;
    if (roll < 640) return Action::NudgeRight;
    if (roll < 760) return Action::Cash;
    if (roll < 790) return Action::MoreMoney;
    if (roll < 792) return Action::Cheat;
    if (roll < 880) return Action::Flash;
    if (roll < 940) return Action::Bonus;
    return Action::Attract;
}

// What the soak knows independently of the machine: the money that went in
// and the plays that were paid for.
struct Ledger {
    int64_t coinsAccepted = 0;
    int64_t playsStaked = 0;
    int64_t scorings = 0;
    int16_t coins = 10;
    int16_t cheatCount = 0;
};

int16_t clamped(int32_t v)
{
    return static_cast<int16_t>(std::clamp<int32_t>(v, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

// Returns the first broken rule, or an empty text.
std::string brokenRule(const Machine& m, const Ledger& ledger, bool spun)
{
    for (int32_t reel : {m.reelLeft, m.reelMiddle, m.reelRight})
        if (reel < 0 || reel > 15)
            return "a reel position left 0..15: " + std::to_string(reel);
    if (spun && (m.rightSteps != 0 || m.leftSteps >= 0 || m.middleSteps >= 0))
        return "step counters after a spin: " + std::to_string(m.leftSteps) + ", " +
               std::to_string(m.middleSteps) + ", " + std::to_string(m.rightSteps);
    const int64_t credit = m.credit.tenThousandths();
    if (credit < 0 || credit % 2500 != 0)
        return "credit not a non-negative multiple of 0.25: " + std::to_string(credit);
    if (ledger.coinsAccepted * 10000 != credit + ledger.playsStaked * 2500)
        return "coins accepted do not equal credit plus stakes";
    if (m.cashPot != Money::fromWhole(71 + ledger.coinsAccepted))
        return "cash pot is not 71 plus the coins accepted";
    if (m.nudges < 0)
        return "negative nudges";
    if (m.featureIndex < 0 || m.featureIndex > 5)
        return "feature index out of 0..5";
    if (m.attractStep < 0 || m.attractStep > 4)
        return "attract step out of 0..4";
    if (static_cast<int64_t>(m.ui.myDebug.items.size()) != 2 * ledger.scorings)
        return "trace lines are not two per scoring";
    if (m.coins != ledger.coins)
        return "coins wrapped or miscounted: " + std::to_string(m.coins);
    if (m.cheatCount != ledger.cheatCount)
        return "cheat count wrapped or miscounted: " + std::to_string(m.cheatCount);
    return {};
}

TEST(Soak, AMillionRandomEventsKeepEveryInvariant)
{
    const char* replay = std::getenv("GLINT_SOAK_SEED");
    const uint64_t seed = replay != nullptr ? std::strtoull(replay, nullptr, 10) : std::random_device{}();
    std::mt19937_64 events(seed);
    // The machine's own clock seeds follow from the soak seed too, so a
    // failing run replays exactly.
    QuietPlatform platform;
    platform.fixedSeed = seed | 1;
    Machine m(platform, AssetPaths(GLINT_TEST_DATA_DIR));
    m.Form_Load();
    Ledger ledger;

    const int64_t total = eventCount();
    const auto began = std::chrono::steady_clock::now();
    for (int64_t n = 0; n < total; ++n) {
        const Action action = pick(events);
        const Money creditBefore = m.credit;
        const int32_t nudgesBefore = m.nudges;
        bool spun = false;
        switch (action) {
        case Action::Start:
            m.Command2_Click();
            spun = m.credit < creditBefore;
            ledger.playsStaked += spun ? 1 : 0;
            ledger.scorings += spun ? 1 : 0;
            break;
        case Action::NudgeLeft:
        case Action::NudgeMiddle:
        case Action::NudgeRight:
            if (action == Action::NudgeLeft) m.nudgel_Click();
            if (action == Action::NudgeMiddle) m.nudgem_Click();
            if (action == Action::NudgeRight) m.nudgeR_Click();
            ledger.scorings += nudgesBefore > 0 ? 1 : 0;
            break;
        case Action::Cash:
            ledger.coins = clamped(ledger.coins - 1);
            m.Command3_Click();
            ledger.coinsAccepted += m.credit > creditBefore ? 1 : 0;
            break;
        case Action::MoreMoney:
            ledger.coins = clamped(ledger.coins + 5);
            m.Command5_Click();
            break;
        case Action::Cheat:
            ledger.cheatCount = clamped(ledger.cheatCount + 5);
            m.Command4_Click();
            break;
        case Action::Flash:
            m.flashLights_Timer();
            break;
        case Action::Bonus:
            // The selector's timer only ticks while it is switched on.
            if (m.ui.bonusTimer.enabled)
                m.bonusTimer_Timer();
            break;
        case Action::Attract:
            m.Timer2_Timer();
            break;
        }
        const std::string broken = brokenRule(m, ledger, spun);
        ASSERT_TRUE(broken.empty()) << broken << " after event " << n << " (soak seed " << seed
                                    << "; replay with GLINT_SOAK_SEED=" << seed << ")";
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("soak: %lld events in %.2f s, %.0f events per second (seed %llu)\n",
                static_cast<long long>(total), seconds, static_cast<double>(total) / seconds,
                static_cast<unsigned long long>(seed));
    EXPECT_GT(ledger.playsStaked, 0);
    EXPECT_GT(ledger.coinsAccepted, 0);
}

} // namespace
} // namespace glint::test
