#include "ui/sound_player.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include <cstring>

namespace glint::ui {

namespace {

// Whether the file is a RIFF WAVE file whose format and sound data are all
// there. An effect given a file cut short waits for the rest forever, and
// while any effect waits no effect can be deleted, so the game could never
// end; such files are treated like missing ones.
bool isCompleteWave(const QString& path)
{
    // Only plain files: opening a named pipe would wait for a writer.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    char riff[12];
    if (file.read(riff, 12) != 12 || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    qint64 at = 12;
    while (at + 8 <= size && file.seek(at)) {
        char chunk[8];
        if (file.read(chunk, 8) != 8)
            return false;
        const qint64 length = qFromLittleEndian<quint32>(chunk + 4);
        const qint64 body = at + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0)
            haveFormat = length >= 16 && body + length <= size;
        else if (std::memcmp(chunk, "data", 4) == 0)
            return haveFormat && length > 0 && body + length <= size;
        at = body + length + (length & 1); // chunks are padded to even lengths
    }
    return false;
}

} // namespace

const QStringList& SoundPlayer::knownSounds()
{
    static const QStringList names = {
        QStringLiteral("LEFT.WAV"),     QStringLiteral("reelstop.wav"),  QStringLiteral("right.wav"),
        QStringLiteral("nudges.wav"),   QStringLiteral("Hold.wav"),      QStringLiteral("inMoney.wav"),
        QStringLiteral("cheat.wav"),    QStringLiteral("okeydokey2.wav"), QStringLiteral("BONUSspin.WAV"),
        QStringLiteral("Bonusstop.wav"), QStringLiteral("theme.wav"),
    };
    return names;
}

SoundPlayer::SoundPlayer(const QString& soundDir, QObject* parent) : QObject(parent)
{
    for (const QString& name : knownSounds())
        prepare(soundDir + name);
}

QSoundEffect* SoundPlayer::prepare(const QString& path)
{
    auto* effect = new QSoundEffect(this);
    if (isCompleteWave(path))
        effect->setSource(QUrl::fromLocalFile(path));
    effects_.insert(path, effect);
    return effect;
}

void SoundPlayer::start(const QString& path, bool loop)
{
    if (muted_)
        return;
    QSoundEffect* effect = effects_.value(path);
    if (!effect)
        effect = prepare(path);
    stop();
    effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect->play();
    current_ = effect;
}

void SoundPlayer::stop()
{
    if (current_)
        current_->stop();
}

void SoundPlayer::setMuted(bool muted)
{
    muted_ = muted;
    if (muted_)
        stop();
}

} // namespace glint::ui
