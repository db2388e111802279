#include "core/sounds.h"
#include "sound/sound_player.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

// The player's rules seen through its own interface, playing into a private
// sound server's null sink, which plays in real time without a sound card,
// so sounds end, loop and are replaced as on a real one.
namespace glint::sound::test {
namespace {

using namespace std::chrono_literals;

constexpr int kFifth = 44100 / 5; // frames of a 0.2 s sound

// A WAV file of `frames` frames, each channel at a steady level (a fraction
// of full scale), as 16- or 24-bit integers or 32-bit floats. A recorder
// that never came back to fill in the sizes leaves them at 0xFFFFFFFF.
enum class Encoding { Pcm16, Pcm24, Float32 };
QByteArray steadyWave(Encoding encoding, int rate, const std::vector<double>& levels, int frames, bool unfilled = false)
{
    const int width = encoding == Encoding::Pcm16 ? 2 : encoding == Encoding::Pcm24 ? 3 : 4;
    const auto channels = quint16(levels.size());
    const auto size = quint32(frames * channels * width);
    QByteArray out, frame;
    QDataStream data(&out, QIODevice::WriteOnly);
    data.setByteOrder(QDataStream::LittleEndian);
    data.writeRawData("RIFF", 4);
    data << (unfilled ? ~0u : 36 + size);
    data.writeRawData("WAVEfmt ", 8);
    data << 16u << quint16(encoding == Encoding::Float32 ? 3 : 1) << channels << quint32(rate)
         << quint32(rate * channels * width) << quint16(channels * width) << quint16(8 * width);
    data.writeRawData("data", 4);
    data << (unfilled ? ~0u : size);
    for (double level : levels) {
        char bytes[4];
        if (encoding == Encoding::Float32)
            qToLittleEndian(float(level), bytes);
        else
            qToLittleEndian(qint32(std::lround(level * double(1 << (8 * width - 1)))), bytes);
        frame.append(bytes, width);
    }
    return out + frame.repeated(frames);
}

// A 16-bit mono 44.1 kHz sound at a level of `level` in every sample.
QByteArray wave(int frames, int16_t level = 0x1000)
{
    return steadyWave(Encoding::Pcm16, 44100, {level / 32768.0}, frames);
}

// What was heard: each level in turn and for how many samples. The null
// sink's monitor may record a rewind as a hole of silence, so silence is
// left out and what it split is joined.
std::vector<std::pair<int16_t, size_t>> levelsIn(const QByteArray& recording)
{
    std::vector<std::pair<int16_t, size_t>> runs;
    for (qsizetype at = 0; at + 1 < recording.size(); at += 2) {
        const auto sample = qFromLittleEndian<int16_t>(recording.data() + at);
        if (sample == 0)
            continue;
        if (runs.empty() || runs.back().first != sample)
            runs.push_back({sample, 0});
        ++runs.back().second;
    }
    return runs;
}

// A private PulseAudio or PipeWire server for the test, in the test's own
// directory, and what its null sink plays, recorded as raw 44.1 kHz
// samples. The recorder also keeps the null sink playing in real time:
// left alone, it renders two seconds ahead and a new sound waits for them.
class SoundServer {
public:
    explicit SoundServer(const QString& dir, const char* kind = "pulseaudio") : recording_(dir + "/heard.raw")
    {
        QProcess start;
        start.start("bash", {"-c", ". \"$0\"; start_sound_server $2 \"$1\" heard >&2 && echo $sound_server",
                             GLINT_BUNDLED_DATA_DIR "/../tools/sound-servers.sh", dir, kind});
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
    // Processor time the server's first process has taken, in seconds.
    double cpuSeconds() const
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(group_));
        if (!stat.open(QIODevice::ReadOnly))
            return 0;
        const QList<QByteArray> fields = stat.readAll().split(')').last().split(' ');
        return (fields.value(12).toDouble() + fields.value(13).toDouble()) / double(sysconf(_SC_CLK_TCK));
    }

private:
    QString recording_;
    QProcess recorder_;
    pid_t group_ = 0;
};

// A desktop whose sound is PipeWire's goes without PulseAudio, and one whose
// sound is PulseAudio's without PipeWire: the tests on the missing server are
// skipped.
bool installed(const char* server)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(server)).isEmpty();
}

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!installed("pulseaudio"))
            GTEST_SKIP() << "pulseaudio is not installed";
        ASSERT_TRUE(server.started());
    }
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
        write(name, wave(kFifth));
    player.preload(path(""));
    player.sync();
    ASSERT_TRUE(QDir(dir.path()).removeRecursively());
    for (std::string_view name : sound::kAll) {
        player.start(path(name), true);
        EXPECT_EQ(playing(), path(name));
    }
}

// Files a player or packager may drop in, each asked for twice, a loop
// playing before each time. The player stays up, plays what it can whole
// and at its level, cuts off the loop either way, names each file it
// refuses once, in one line, and keeps its memory.
TEST_F(SoundPlayerTest, NoSoundFileCrashesStallsOrSilencesThePlayer)
{
    constexpr int kTenth = 4410;
    constexpr int16_t kBetween = 0x100;
    enum Kind { Plain, Loop, Directory, Pipe, Missing };
    const struct {
        const char* what;
        Kind kind;
        QByteArray bytes;
        int16_t level;      // heard at; 0 when refused
        const char* reason; // on stderr; none when heard or missing
    } cases[] = {
        {"1 Hz", Plain, steadyWave(Encoding::Pcm16, 1, {0.5}, 1 << 20), 0, "sample rate 1 Hz"},
        {"float32", Plain, steadyWave(Encoding::Float32, 44100, {0.5}, kTenth), 16384, nullptr},
        {"24-bit", Plain, steadyWave(Encoding::Pcm24, 44100, {0.25}, kTenth), 8192, nullptr},
        {"48 kHz stereo", Plain, steadyWave(Encoding::Pcm16, 48000, {0.5, 0.25}, 4800), 12288, nullptr},
        {"unfilled sizes", Plain, steadyWave(Encoding::Pcm16, 44100, {0.125}, kTenth, true), 4096, nullptr},
        {"truncated", Plain, wave(kTenth).chopped(100), 0, "cut short"},
        {"text", Plain, "ID3 this is no sound at all", 0, "not a WAV file"},
        {"empty", Plain, "", 0, "empty"},
        {"without samples", Plain, wave(0), 0, "no samples"},
        {"11 minutes", Plain, steadyWave(Encoding::Pcm16, 8000, {0.5}, 8000 * 660), 0, "longer than 10 minutes"},
        {"a directory", Directory, {}, 0, "not a plain file"},
        {"a named pipe", Pipe, {}, 0, "not a plain file"},
        {"missing", Missing, {}, 0, nullptr},
        {"one-sample loop", Loop, steadyWave(Encoding::Pcm16, 44100, {0.75}, 1), 24576, nullptr},
    };
    write("between.wav", wave(kTenth, kBetween));
    ::testing::internal::CaptureStderr();
    std::vector<int16_t> expected;
    double loopCpu = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = path(c.what);
        if (c.kind == Directory)
            ASSERT_TRUE(QDir().mkpath(QString::fromStdString(file)));
        else if (c.kind == Pipe)
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        else if (c.kind != Missing)
            write(c.what, c.bytes);
        for (int time = 0; time < 2; ++time) {
            player.start(path("between.wav"), true);
            std::this_thread::sleep_for(50ms);
            player.start(file, c.kind == Loop);
            EXPECT_EQ(playing(), c.level ? file : "");
            const double before = server.cpuSeconds();
            std::this_thread::sleep_for(c.kind == Loop ? 1s : 200ms);
            loopCpu = std::max(loopCpu, c.kind == Loop ? server.cpuSeconds() - before : 0);
            if (c.level)
                expected.push_back(c.level);
        }
    }
    player.stop();
    std::this_thread::sleep_for(100ms);
    const QString said = QString::fromStdString(::testing::internal::GetCapturedStderr());
    const auto occurrences = [&](const std::string& part) { return said.count(QString::fromStdString(part)); };
    qsizetype refused = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string line = "glint-galore: not playing " + path(c.what) + ": ";
        EXPECT_EQ(occurrences(line), c.reason ? 1 : 0) << said.toStdString();
        if (c.reason) {
            EXPECT_EQ(occurrences(line + c.reason), 1) << said.toStdString();
        }
        refused += c.reason ? 1 : 0;
    }
    EXPECT_EQ(occurrences("\n"), refused) << said.toStdString();
    std::vector<int16_t> heard;
    for (const auto& [level, samples] : levelsIn(server.heard())) {
        if (level != kBetween) {
            heard.push_back(level);
            EXPECT_GE(samples, size_t(level == 24576 ? 44100 * 9 / 10 : kTenth)) << "at " << level;
        }
    }
    EXPECT_EQ(heard, expected);
    // A loop of one sample is written in chunks, not a copy at a time (which
    // kept a core busy on the server).
    EXPECT_LT(loopCpu, 0.2);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss, 200 * 1024) << "kB at the peak";
}
TEST_F(SoundPlayerTest, OneSoundAtATimeLoopingOnlyWhenAskedAndSilencedByStopOrMute)
{
    write("a.wav", wave(kFifth));
    write("b.wav", wave(kFifth));
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
    write("a.wav", wave(kFifth));
    auto stalled = std::make_unique<SoundPlayer>();
    stalled->start(path("a.wav"), true);
    stalled->sync();
    server.stopAnswering();
    auto before = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i)
        stalled->start(path("a.wav"), i % 2);
    stalled->stop();
    stalled->sync();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 200ms) << "to handle the requests";
    before = std::chrono::steady_clock::now();
    stalled.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 200ms) << "to close";
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
    write("loop.wav", wave(kFifth, 0x1111));
    write("first.wav", wave(kFifth, 0x2222));
    write("next.wav", wave(kFifth, 0x3333));
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
    const auto runs = levelsIn(server.heard());
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].first, 0x1111);
    EXPECT_EQ(runs[1].first, 0x2222);
    EXPECT_GE(runs[1].second, 44100u * 20 / 1000);
    EXPECT_EQ(runs[2].first, 0x3333);
    EXPECT_EQ(runs[2].second, size_t(kFifth));
}

// A sound once is heard to its last sample: on PulseAudio one longer than
// the server's buffer (such a sound was cut off at 47.5 s), on PipeWire one
// at its longest period, whose last part PipeWire plays only once the next
// one is there (it lost its last 50 ms).
class SoundHeardWhole : public ::testing::TestWithParam<std::pair<const char*, int>> {};

TEST_P(SoundHeardWhole, ToItsLastSample)
{
    const auto [kind, milliseconds] = GetParam();
    if (!installed(kind))
        GTEST_SKIP() << kind << " is not installed";
    QTemporaryDir dir;
    SoundServer server(dir.path() + "/server", kind);
    ASSERT_TRUE(server.started());
    if (std::string_view(kind) == "pipewire") {
        ASSERT_EQ(QProcess::execute("bash", {"-c", "XDG_RUNTIME_DIR=$0 pw-metadata -n settings 0 clock.force-quantum 8192 >/dev/null",
                                             dir.path() + "/server"}),
                  0);
    }
    QFile file(dir.path() + "/once.wav");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wave(int(44100LL * milliseconds / 1000), 0x2345));
    file.close();
    SoundPlayer player;
    player.start(file.fileName().toStdString(), false);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds) + 1500ms);
    // Resampled to PipeWire's 48 kHz and back, and mixed to stereo and back,
    // its level changes and its ends ring: it is measured from where it
    // first reaches half its level to where it last does.
    const QByteArray heard = server.heard();
    std::vector<int16_t> samples(size_t(heard.size() / 2));
    qFromLittleEndian<int16_t>(heard.data(), qsizetype(samples.size()), samples.data());
    const int16_t half = *std::max_element(samples.begin(), samples.end()) / 2;
    const auto first = std::find_if(samples.begin(), samples.end(), [&](int16_t s) { return s > half; });
    const auto last = std::find_if(samples.rbegin(), samples.rend(), [&](int16_t s) { return s > half; });
    ASSERT_GT(half, 1000);
    EXPECT_NEAR(double(last.base() - first), 44100.0 * milliseconds / 1000, 44) << "samples heard";
}

INSTANTIATE_TEST_SUITE_P(OnEachServer, SoundHeardWhole,
                         ::testing::Values(std::pair{"pulseaudio", 70'000}, std::pair{"pipewire", 220}),
                         [](const auto& server) { return std::string(server.param.first); });

} // namespace
} // namespace glint::sound::test
