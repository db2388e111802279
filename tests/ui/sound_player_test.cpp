#include "core/sounds.h"
#include "ui/sound_player.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// The player's rules seen through its own interface, on SDL's "dummy" audio
// driver (set by the test's environment): it plays in real time without a
// sound server, so sounds end, loop and are replaced as on a real device.
namespace glint::ui::test {
namespace {

using namespace std::chrono_literals;

// A 16-bit mono 44.1 kHz WAV file of a quiet tone; `frames` beyond the data
// the header promises make a file cut short.
QByteArray wave(int frames, int promised = -1)
{
    if (promised < 0)
        promised = frames;
    QByteArray bytes("RIFF----WAVEfmt ");
    auto put = [&bytes](auto value) {
        char raw[sizeof value];
        qToLittleEndian(value, raw);
        bytes.append(raw, sizeof value);
    };
    put(quint32(16)), put(quint16(1)), put(quint16(1)), put(quint32(44100)), put(quint32(88200));
    put(quint16(2)), put(quint16(16));
    bytes.append("data");
    put(quint32(promised * 2));
    for (int i = 0; i < frames; ++i)
        put(qint16(i % 64 * 100));
    qToLittleEndian(quint32(bytes.size() - 8), bytes.data() + 4);
    return bytes;
}

constexpr int kFifth = 44100 / 5; // frames of a 0.2 s sound

class SoundPlayerTest : public ::testing::Test {
protected:
    std::string path(std::string_view name) const { return dir.path().toStdString() + "/" + std::string(name); }
    void write(std::string_view name, const QByteArray& bytes) const
    {
        QFile file(QString::fromStdString(path(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    std::string playing()
    {
        player.sync();
        return player.playing();
    }

    QTemporaryDir dir;
    SoundPlayer player;
};

TEST_F(SoundPlayerTest, EveryGameSoundIsDecodedOnceAtPreloadAndPlaysWithoutItsFile)
{
    for (std::string_view name : sound::kAll)
        write(name, wave(kFifth));
    player.preload(path(""));
    player.sync();
    ASSERT_TRUE(QDir(dir.path()).removeRecursively());
    for (std::string_view name : sound::kAll) {
        player.start(path(name), true);
        EXPECT_EQ(playing(), path(name));
    }
}

TEST_F(SoundPlayerTest, ABadFileIsNeverHeardNeverBlocksAndStillCutsOffTheCurrentSound)
{
    const std::string hold = path(sound::kHold);
    write(sound::kHold, wave(kFifth));
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
    } cases[] = {
        {"missing", [](const std::string&) {}},
        {"empty", [&](const std::string&) { write(sound::kTheme, {}); }},
        {"without samples", [&](const std::string&) { write(sound::kTheme, wave(0)); }},
        {"cut short", [&](const std::string&) { write(sound::kTheme, wave(100, kFifth)); }},
        {"not a WAV", [&](const std::string&) { write(sound::kTheme, "ID3 this is no wave file"); }},
        {"a directory", [](const std::string& p) { ASSERT_TRUE(QDir().mkpath(QString::fromStdString(p))); }},
        {"a named pipe", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string bad = path(sound::kTheme);
        QDir(QString::fromStdString(bad)).removeRecursively();
        QFile::remove(QString::fromStdString(bad));
        c.make(bad);
        SoundPlayer fresh;
        fresh.preload(path(""));
        for (const std::string& p : {bad, path("elsewhere.wav")}) {
            fresh.start(hold, true);
            fresh.start(p, false);
            fresh.sync();
            EXPECT_EQ(fresh.playing(), "");
        }
    }
}

TEST_F(SoundPlayerTest, OneSoundAtATimeLoopingOnlyWhenAskedAndSilencedByStopOrMute)
{
    write("a.wav", wave(kFifth));
    write("b.wav", wave(kFifth));
    const std::string a = path("a.wav"), b = path("b.wav");
    enum class Do { OnceA, LoopA, OnceB, Stop, Mute, Unmute, Wait };
    struct Case {
        const char* what;
        std::vector<Do> steps;
        std::string playing;
    } cases[] = {
        {"a sound started once plays", {Do::OnceA}, a},
        {"a sound started once ends by itself", {Do::OnceA, Do::Wait}, ""},
        {"a loop goes on past its end", {Do::LoopA, Do::Wait}, a},
        {"a new sound replaces the loop at once", {Do::LoopA, Do::OnceB}, b},
        {"the replaced loop does not come back", {Do::LoopA, Do::OnceB, Do::Wait}, ""},
        {"stop silences a loop", {Do::LoopA, Do::Stop}, ""},
        {"stop with nothing playing is harmless", {Do::Stop, Do::Stop}, ""},
        {"muting cuts off the loop", {Do::LoopA, Do::Mute}, ""},
        {"nothing starts while muted", {Do::Mute, Do::OnceB}, ""},
        {"unmuting does not bring the loop back", {Do::LoopA, Do::Mute, Do::Unmute}, ""},
        {"after unmuting sounds are heard", {Do::Mute, Do::Unmute, Do::OnceB}, b},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        player.stop();
        player.setMuted(false);
        for (Do step : c.steps) {
            switch (step) {
            case Do::OnceA: player.start(a, false); break;
            case Do::LoopA: player.start(a, true); break;
            case Do::OnceB: player.start(b, false); break;
            case Do::Stop: player.stop(); break;
            case Do::Mute: player.setMuted(true); break;
            case Do::Unmute: player.setMuted(false); break;
            case Do::Wait: std::this_thread::sleep_for(400ms); break;
            }
        }
        EXPECT_EQ(playing(), c.playing);
    }
}

TEST_F(SoundPlayerTest, TheDeviceIsOpenOnlyWhileSoundsPlayAndShortlyAfter)
{
    write("a.wav", wave(kFifth));
    player.start(path("a.wav"), false);
    player.sync();
    EXPECT_TRUE(player.deviceOpen());
    std::this_thread::sleep_for(1200ms); // the sound, then half a second of silence
    EXPECT_FALSE(player.deviceOpen());
    player.start(path("a.wav"), true);
    std::this_thread::sleep_for(1200ms);
    EXPECT_TRUE(player.deviceOpen());
}

} // namespace
} // namespace glint::ui::test
