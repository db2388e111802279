#include "test_support.h"

namespace glint::test {
namespace {

using Sound = MachineTest;

TEST_F(Sound, PlayJoinsTheSoundDirectoryAndPassesFlagsButNothingStartsWhileSoundIsOff)
{
    m.playSound("BONUSspin.WAV", 12345);
    ASSERT_EQ(fake.events.size(), 1u);
    EXPECT_EQ(fake.events[0].text, assets.root().string() + "/sound/BONUSspin.WAV");
    EXPECT_EQ(fake.events[0].flags, 12345);
    m.soundOn = false;
    m.playSound("theme.wav", 1);
    // Stopping is never gated, and is harmless with nothing playing.
    m.stopSound();
    m.stopSound();
    EXPECT_EQ(fake.kinds(), (std::vector<Event::Kind>{Event::Kind::Sound, Event::Kind::Silence, Event::Kind::Silence}));
}

} // namespace
} // namespace glint::test
