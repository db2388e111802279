#include "core/sounds.h"
#include "sound/sound_player.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

// The player's rules seen through its own interface, playing into a private
// PulseAudio server's null sink, which plays in real time without a sound
// card, so sounds end, loop and are replaced as on a real one.
namespace glint::sound::test {
namespace {

using namespace std::chrono_literals;

constexpr int kFifth = 44100 / 5; // frames of a 0.2 s sound

// A 16-bit mono 44.1 kHz WAV file of `frames` frames at a steady level
// (each sample is `level` * 257); its header may promise more, as in a file
// cut short.
QByteArray wave(int frames, int promised, char level = '\x10')
{
    QByteArray bytes(44 + 2 * frames, level);
    const char* header = "RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0\x02\0\x10\0data";
    std::copy_n(header, 40, bytes.data());
    qToLittleEndian(quint32(bytes.size() - 8), bytes.data() + 4);
    qToLittleEndian(quint32(2 * promised), bytes.data() + 40);
    return bytes;
}

// A private PulseAudio server for the test, in the test's own directory,
// and what its null sink plays, recorded as raw samples. The recorder also
// keeps the null sink playing in real time: left alone, it renders two
// seconds ahead and a new sound waits for them.
class SoundServer {
public:
    explicit SoundServer(const QString& dir) : recording_(dir + "/heard.raw")
    {
        QProcess start;
        start.start("bash", {"-c", ". \"$0\"; start_sound_server pulseaudio \"$1\" heard >&2 && echo $sound_server",
                             GLINT_BUNDLED_DATA_DIR "/../tools/sound-servers.sh", dir});
        start.waitForFinished();
        group_ = start.readAllStandardOutput().trimmed().toInt();
        qputenv("PULSE_SERVER", "unix:" + dir.toUtf8() + "/pulse/native");
        recorder_.setStandardOutputFile(recording_);
        recorder_.start("parec", {"-d", "heard.monitor", "--raw", "--format=s16le", "--rate=44100", "--channels=1",
                                  "--latency-msec=10"});
        for (int i = 0; i < 100 && QFileInfo(recording_).size() == 0; ++i)
            std::this_thread::sleep_for(20ms);
    }
    ~SoundServer()
    {
        recorder_.kill();
        recorder_.waitForFinished();
        ::kill(-group_, SIGKILL);
    }
    bool started() const { return group_ > 0 && QFileInfo(recording_).size() > 0; }
    void stopAnswering() const { ::kill(-group_, SIGSTOP); }
    QByteArray heard() const
    {
        QFile file(recording_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString recording_;
    QProcess recorder_;
    pid_t group_ = 0;
};

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.started()); }
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
    SoundServer server{dir.path() + "/server"};
    SoundPlayer player;
};

TEST_F(SoundPlayerTest, EveryGameSoundIsDecodedAtPreloadAndPlaysWithoutItsFile)
{
    for (std::string_view name : sound::kAll)
        write(name, wave(kFifth, kFifth));
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
    write(sound::kHold, wave(kFifth, kFifth));
    const std::string bad = path(sound::kTheme);
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"missing", [] {}},
        {"empty", [&] { write(sound::kTheme, {}); }},
        {"without samples", [&] { write(sound::kTheme, wave(0, 0)); }},
        {"cut short", [&] { write(sound::kTheme, wave(kFifth / 2, kFifth)); }},
        {"not a WAV", [&] { write(sound::kTheme, "ID3 no wave at all"); }},
        {"a directory", [&] { QDir().mkpath(QString::fromStdString(bad)); }},
        {"a named pipe", [&] { ::mkfifo(bad.c_str(), 0600); }},
    };
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        QDir(QString::fromStdString(bad)).removeRecursively();
        QFile::remove(QString::fromStdString(bad));
        make();
        SoundPlayer fresh; // decodes the bad file at preload, and on demand
        fresh.preload(path(""));
        for (const std::string& p : {bad, path("elsewhere.wav")}) {
            fresh.start(path(sound::kHold), true);
            fresh.start(p, false);
            fresh.sync();
            EXPECT_EQ(fresh.playing(), "");
        }
    }
}

TEST_F(SoundPlayerTest, OneSoundAtATimeLoopingOnlyWhenAskedAndSilencedByStopOrMute)
{
    write("a.wav", wave(kFifth, kFifth));
    write("b.wav", wave(kFifth, kFifth));
    const std::string a = path("a.wav"), b = path("b.wav");
    enum Do { OnceA, LoopA, OnceB, Stop, Mute, Unmute, Wait };
    const std::vector<std::tuple<const char*, std::vector<Do>, std::string>> cases = {
        {"a sound started once plays", {OnceA}, a},
        {"a sound started once ends by itself", {OnceA, Wait}, ""},
        {"a loop goes on past its end", {LoopA, Wait}, a},
        {"a new sound replaces the loop at once", {LoopA, OnceB}, b},
        {"the replaced loop does not come back", {LoopA, OnceB, Wait}, ""},
        {"stop silences a loop", {LoopA, Stop}, ""},
        {"stop with nothing playing is harmless", {Stop, Stop}, ""},
        {"muting cuts off the loop", {LoopA, Mute}, ""},
        {"nothing starts while muted", {Mute, OnceB}, ""},
        {"unmuting does not bring the loop back", {LoopA, Mute, Unmute}, ""},
        {"after unmuting sounds are heard", {Mute, Unmute, OnceB}, b},
    };
    for (const auto& [what, steps, expected] : cases) {
        SCOPED_TRACE(what);
        player.stop();
        player.setMuted(false);
        for (Do step : steps) {
            if (step == OnceA || step == LoopA)
                player.start(a, step == LoopA);
            if (step == OnceB)
                player.start(b, false);
            if (step == Stop)
                player.stop();
            if (step == Mute || step == Unmute)
                player.setMuted(step == Mute);
            if (step == Wait)
                std::this_thread::sleep_for(600ms);
        }
        EXPECT_EQ(playing(), expected);
        // Once a sound has had time to end, the server no longer plays the stream.
        if (steps.back() == Wait) {
            EXPECT_EQ(player.streaming(), !expected.empty());
        }
    }
}

TEST_F(SoundPlayerTest, AServerThatStopsAnsweringHoldsNeitherTheSoundsNorClosing)
{
    write("a.wav", wave(kFifth, kFifth));
    const auto before = std::chrono::steady_clock::now();
    {
        SoundPlayer stalled;
        stalled.start(path("a.wav"), true);
        stalled.sync();
        server.stopAnswering();
        for (int i = 0; i < 10; ++i)
            stalled.start(path("a.wav"), i % 2);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1500ms);
}

TEST(SoundPlayerWithoutAServer, IsSilentAndSaysSoInOneLine)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    ::testing::internal::CaptureStderr();
    {
        SoundPlayer player;
        for (bool loop : {false, true, false})
            player.start(GLINT_BUNDLED_DATA_DIR "/sound/LEFT.WAV", loop);
        player.sync();
        EXPECT_EQ(player.playing(), "");
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "glint-galore: no sound server answers; playing on without sound\n");
}

TEST_F(SoundPlayerTest, ASoundCutOffBeforeTheServerPlayedItIsHeardUntilTheNextOne)
{
    write("loop.wav", wave(kFifth, kFifth, '\x11'));
    write("first.wav", wave(kFifth, kFifth, '\x22'));
    write("next.wav", wave(kFifth, kFifth, '\x33'));
    player.start(path("loop.wav"), true);
    std::this_thread::sleep_for(100ms);
    // Two steps apart, less than the server renders ahead, as the left and
    // middle reels coming to rest.
    player.start(path("first.wav"), false);
    std::this_thread::sleep_for(20ms);
    player.start(path("next.wav"), false);
    // Long enough for all of it to be recorded on a busy machine too.
    std::this_thread::sleep_for(1s);
    // The sounds follow each other without overlap: the loop, at least the
    // 20 ms between the two requests of the first, then the next, whole.
    // The null sink's monitor may record a rewind as a hole of silence; the
    // levels heard, in order, are what count.
    std::vector<std::pair<int16_t, size_t>> runs;
    const QByteArray heard = server.heard();
    for (qsizetype at = 0; at + 1 < heard.size(); at += 2) {
        const auto sample = qFromLittleEndian<int16_t>(heard.data() + at);
        if (sample == 0)
            continue;
        if (runs.empty() || runs.back().first != sample)
            runs.push_back({sample, 0});
        ++runs.back().second;
    }
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].first, 0x1111);
    EXPECT_EQ(runs[1].first, 0x2222);
    EXPECT_GE(runs[1].second, 44100u * 20 / 1000);
    EXPECT_EQ(runs[2].first, 0x3333);
    EXPECT_EQ(runs[2].second, size_t(kFifth));
}

} // namespace
} // namespace glint::sound::test
