#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

namespace glint::ui {

// Plays one WAV file at a time. The game's own sounds are prepared once, when
// the player is made, so starting one during a spin costs no file access;
// any other file gets an effect on first use, kept for later.
//
// Effects do not cut each other off, so the player remembers which one is
// current and stops it before starting the next. Whether an effect is
// playing is never asked: without an audio device it may report playing
// forever. A missing, incomplete or undecodable file simply stays silent.
class SoundPlayer : public QObject {
public:
    // The file names the game plays, relative to the sound directory.
    static const QStringList& knownSounds();

    explicit SoundPlayer(const QString& soundDir, QObject* parent = nullptr);

    // Cuts off the current sound and starts `path`, once or looping.
    void start(const QString& path, bool loop);
    // Stops the current sound; harmless when none plays.
    void stop();

    // The player's own choice of silence for the run, beneath the game's
    // rules: muting cuts off the current sound and makes every start do
    // nothing; unmuting lets the next start be heard but does not bring
    // back a sound that was cut off.
    void setMuted(bool muted);
    bool muted() const { return muted_; }

    // The effect started last (nullptr before the first start).
    const QSoundEffect* current() const { return current_; }
    // The effect prepared for `path`, or nullptr if none is yet.
    const QSoundEffect* effectFor(const QString& path) const { return effects_.value(path); }

private:
    QSoundEffect* prepare(const QString& path);

    QHash<QString, QSoundEffect*> effects_; // children of this object
    QSoundEffect* current_ = nullptr;
    bool muted_ = false;
};

} // namespace glint::ui
