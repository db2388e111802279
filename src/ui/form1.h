#pragma once

#include "core/machine.h"
#include "ui/form1_layout.h"
#include "ui/qt_platform.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;

namespace glint::ui {

class Announcer;
class DebugListModel;
class ImageWidget;

// The main window. It owns the machine, builds every control of the layout
// at its fixed place, forwards clicks, the keys that press buttons (see
// KeyboardPlay) and timer ticks to the machine's handlers and then shows
// what the handlers changed. Widgets are named after their controls.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // `dataDir` is the asset tree (images/ and sound/). An empty
    // `messageBox` shows real modal message boxes.
    explicit Form1(const QString& dataDir, QtPlatform::MessageBox messageBox = {});
    ~Form1() override;

    // The start-up sequence, before the window is shown. Throws AssetError
    // when a picture the game needs cannot be loaded.
    void load();

    // Shows the machine's current control content, touching only widgets
    // whose content changed. (The timers follow their models after each
    // handler and after start-up.)
    void sync();

    Machine& machine() { return machine_; }
    QtPlatform& platform() { return platform_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct LabelView {
        QLabel* widget;
        const Label* model;
        std::string caption;
        Colour colour;
        std::string ownName; // what assistive technology hears beyond the caption
    };
    struct ImageView {
        ImageWidget* widget;
        const Image* model;
        PictureId shown;
        std::string name;
    };
    struct TextView {
        QLineEdit* widget;
        TextBox* model;
        std::string shown;
    };
    struct ListView {
        QListWidget* widget;
        const ListBox* model;
        int shown;
    };
    struct TimerView {
        QTimer* timer;
        const Timer* model;
        bool enabled;
        uint32_t starts;
    };

    // Every control of the layout, bound to its model; done once.
    void buildControls();
    QWidget* build(const ControlSpec& control);
    void bindModels();
    void connectHandlers();
    void setUpTimers();
    void setUpKeyboard();
    // Sound off or on for the rest of the run; the caption tells which.
    void toggleMute();
    void showCaption();
    // Runs one machine handler, then shows its effects.
    template <class Handler>
    void handle(Handler handler);
    void syncLabel(LabelView& view, bool force);
    void syncImage(ImageView& view);
    // The spoken names of labels and pictures, and the latest announcement.
    void syncSpeech();
    void syncTimers();
    // The reel cells' new pictures on screen now, while a spin blocks.
    void paintCells();
    void terminate();

    QtPlatform platform_;
    Machine machine_;
    DebugListModel* debugModel_ = nullptr;
    std::vector<LabelView> labels_;
    std::vector<ImageView> images_;
    std::array<ImageView*, 9> cells_{}; // in painting order: tl, ml, bl, tm, ...
    std::array<TextView, 2> texts_{}; // prizeMoney, cashpot
    std::vector<ListView> lists_;
    std::vector<TimerView> timers_;
    std::unique_ptr<Announcer> announcer_;
    uint32_t announced_ = 0;
    bool controlsBuilt_ = false;
    bool inHandler_ = false;
    bool terminated_ = false;
};

} // namespace glint::ui
