#include "test_assets.h"

#include "ui/sound_player.h"

#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include <sys/stat.h>

namespace glint::ui::test {
namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// The test machines have no audio device: everything here must work, and
// return promptly, without one.
class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = QDir(sounds.path()).absolutePath() + QLatin1Char('/');
        for (const QString& name : SoundPlayer::knownSounds())
            TestAssets::writeWav(dir + name);
    }

    // Waits until no effect of the player is still decoding its file: one
    // that is when the program ends is reported as a leak.
    void waitForDecoding(const SoundPlayer& player, QStringList names)
    {
        for (const QString& name : names) {
            const QSoundEffect* effect = player.effectFor(dir + name);
            EXPECT_TRUE(QTest::qWaitFor([effect] { return effect->status() != QSoundEffect::Loading; }))
                << name.toStdString();
        }
    }

    QTemporaryDir sounds;
    QString dir;
};

TEST_F(SoundPlayerTest, TheGamesSoundsArePreparedOnceAtTheStartAndAnUnknownFileOnDemand)
{
    SoundPlayer player(dir);
    ASSERT_EQ(SoundPlayer::knownSounds().size(), 11);
    for (const QString& name : SoundPlayer::knownSounds()) {
        const QSoundEffect* effect = player.effectFor(dir + name);
        ASSERT_NE(effect, nullptr) << name.toStdString();
        EXPECT_EQ(effect->source(), QUrl::fromLocalFile(dir + name));
    }
    player.stop(); // nothing started yet
    player.start(dir + QStringLiteral("LEFT.WAV"), false);
    EXPECT_EQ(player.current(), player.effectFor(dir + QStringLiteral("LEFT.WAV")));

    const QString other = dir + QStringLiteral("other.wav");
    TestAssets::writeWav(other);
    EXPECT_EQ(player.effectFor(other), nullptr);
    player.start(other, true);
    const QSoundEffect* first = player.effectFor(other);
    player.start(other, false);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(player.effectFor(other), first);
    EXPECT_EQ(first->source(), QUrl::fromLocalFile(other));
    waitForDecoding(player, QStringList(SoundPlayer::knownSounds()) << QStringLiteral("other.wav"));
}

TEST_F(SoundPlayerTest, EachStartReplacesTheCurrentSoundWithItsOwnLooping)
{
    SoundPlayer player(dir);
    const std::tuple<const char*, bool, int> starts[] = {
        {"BONUSspin.WAV", true, QSoundEffect::Infinite},
        {"Bonusstop.wav", false, 1},
        {"Bonusstop.wav", false, 1}, // restarting the same sound
        {"nudges.wav", true, QSoundEffect::Infinite},
    };
    for (const auto& [name, loop, loopCount] : starts) {
        player.start(dir + QLatin1String(name), loop);
        ASSERT_NE(player.current(), nullptr);
        EXPECT_EQ(player.current()->source().fileName(), QLatin1String(name));
        EXPECT_EQ(player.current()->loopCount(), loopCount) << name;
    }
    QTest::qWait(100); // lets the effects decode and try to reach a device
    player.stop();
    player.stop();
}

// A file the effects would wait on forever must not reach them, or the
// player could never be deleted and the game never end.
TEST_F(SoundPlayerTest, MissingCutShortOrForeignFilesStaySilentAndLetThePlayerEnd)
{
    const QByteArray header("RIFF\x24\x08\x00\x00WAVEfmt ", 16);
    QFile goodFile(dir + QStringLiteral("LEFT.WAV"));
    goodFile.open(QIODevice::ReadOnly);
    const QByteArray good = goodFile.readAll();
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
    } spoilt[] = {
        {"missing.wav", [](const QString&) {}},
        {"empty.wav", [](const QString& path) { writeFile(path, {}); }},
        {"header.wav", [&](const QString& path) { writeFile(path, header); }},
        {"cut.wav", [&](const QString& path) { writeFile(path, good.left(good.size() - 10)); }},
        {"noise.wav", [](const QString& path) { writeFile(path, QByteArray(3000, '\x5a')); }},
        {"pipe.wav", [](const QString& path) { ::mkfifo(QFile::encodeName(path).constData(), 0600); }},
    };
    for (const auto& s : spoilt)
        s.make(dir + QLatin1String(s.name));
    {
        SoundPlayer player(dir);
        for (const auto& s : spoilt) {
            player.start(dir + QLatin1String(s.name), true);
            EXPECT_TRUE(player.current()->source().isEmpty()) << s.name;
        }
        QTest::qWait(100);
        player.stop();
    }
    SUCCEED() << "the player was deleted";
}

} // namespace
} // namespace glint::ui::test
