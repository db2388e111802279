#pragma once

#include "core/platform.h"
#include "sound/sound_player.h"
#include "ui/picture_table.h"

#include <QPointer>
#include <QString>

#include <functional>

namespace glint::ui {

class frmSplash;

// The game's window on the world: the sound player, the steady clock, and
// through Qt image decoding, the user's locale, message boxes and the splash.
class QtPlatform : public Platform {
public:
    // Shows a message to the player and returns once it is acknowledged.
    using MessageBox = std::function<void(const QString& text)>;

    // A modal box with one OK button and the game's title as caption.
    static void modalMessageBox(const QString& text);

    // `soundDir` ends with a separator; the game's sounds are decoded from
    // it once the splash is on screen. An empty `messageBox` means
    // modalMessageBox.
    explicit QtPlatform(const QString& soundDir, MessageBox messageBox = {});
    ~QtPlatform() override;

    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // The main window registers how to put the reel cells on screen.
    void setCellPainter(std::function<void()> painter) { cellPainter_ = std::move(painter); }
    // Start-up work that would delay the splash runs once, right after the
    // splash first paints: the main window builds its controls there.
    void setSplashShownWork(std::function<void()> work) { splashShownWork_ = std::move(work); }

    const PictureTable& pictures() const { return pictures_; }
    sound::SoundPlayer& sounds() { return sounds_; }
    // Silences the game for the run, whatever it asks to play (see
    // SoundPlayer::setMuted).
    void setMuted(bool muted) { sounds_.setMuted(muted); }
    bool muted() const { return sounds_.muted(); }
    // The splash while it is loaded, else nullptr.
    frmSplash* splash() const;

    void startSound(const std::string& path, int32_t flags) override;
    void silence() override;
    double monotonicSeconds() override;
    void sleepUntil(double deadline) override;
    uint64_t clockSeed() override;
    PictureId loadPicture(const std::string& path, std::string& error) override;
    void releasePicture(PictureId picture) override;
    std::string formatCurrency(Money amount) override;
    void messageBox(const std::string& text) override;
    void showSplash() override;
    void unloadSplash() override;
    void repaintCells() override;

private:
    PictureTable pictures_;
    std::string soundDir_;
    sound::SoundPlayer sounds_;
    bool soundsPreloaded_ = false;
    MessageBox messageBox_;
    std::function<void()> cellPainter_;
    std::function<void()> splashShownWork_;
    QPointer<frmSplash> splash_;
};

} // namespace glint::ui
