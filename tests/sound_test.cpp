#include "test_support.h"

namespace glint::test {
namespace {

using Sound = MachineTest;

TEST_F(Sound, PlayJoinsTheSoundDirectoryAndNameAndPassesFlagsUnchanged)
{
    const struct {
        const char* name;
        int32_t flags;
    } cases[] = {{"LEFT.WAV", 1}, {"BONUSspin.WAV", 9}, {"no such file.wav", 12345}};
    for (const auto& c : cases) {
        fake.events.clear();
        m.playSound(c.name, c.flags);
        ASSERT_EQ(fake.events.size(), 1u);
        EXPECT_EQ(fake.events[0].text, assets.root().string() + "/sound/" + c.name);
        EXPECT_EQ(fake.events[0].flags, c.flags);
    }
}

TEST_F(Sound, NothingStartsOrStopsWhileSoundIsOff)
{
    m.soundOn = false;
    m.playSound("theme.wav", 1);
    m.playSound("nudges.wav", 9);
    EXPECT_TRUE(fake.events.empty());
    // Stopping is never gated, and is harmless with nothing playing.
    m.stopSound();
    m.stopSound();
    EXPECT_EQ(fake.count(Event::Kind::Silence), 2u);
}

} // namespace
} // namespace glint::test
