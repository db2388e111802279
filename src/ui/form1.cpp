#include "ui/form1.h"

#include "core/version.h"
#include "ui/accessibility.h"
#include "ui/announcer.h"
#include "ui/debug_list_model.h"
#include "ui/design_widgets.h"
#include "ui/help_window.h"
#include "ui/keyboard_play.h"
#include "ui/trace_view.h"
#include "ui/translation.h"
#include "ui/window_system.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegion>
#include <QTimer>

#include <string_view>
#include <tuple>
#include <utility>

namespace glint::ui {

namespace {

std::string assetRoot(const QString& dataDir)
{
    return QFile::encodeName(dataDir).toStdString();
}

// A text of the layout in the player's language.
QString layoutText(const char* english)
{
    return *english ? QCoreApplication::translate("Form1", english) : QString();
}

QFont fontFor(FontRole role)
{
    switch (role) {
    case FontRole::Status:
        return designFont(QStringLiteral("Times New Roman"), 12);
    case FontRole::Trail:
        return designFont(QStringLiteral("Verdana"), 18, true);
    case FontRole::TrailHeld:
        return designFont(QStringLiteral("Arial"), 15.75);
    case FontRole::Default:
        break;
    }
    return defaultDesignFont();
}

// Guards the one-handler-at-a-time rule, also when a handler throws.
class HandlerScope {
public:
    explicit HandlerScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~HandlerScope() { flag_ = false; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

private:
    bool& flag_;
};

} // namespace

Form1::Form1(const QString& dataDir, QtPlatform::MessageBox messageBox)
    : platform_(QString::fromStdString(AssetPaths(assetRoot(dataDir)).sound), std::move(messageBox)),
      machine_(platform_, AssetPaths(assetRoot(dataDir)))
{
    // Before the title is set: assistive technology keeps the first kind it
    // is told a widget is.
    installAccessibleInterfaces();
    reportTitleChanges(*this);
    setObjectName(QStringLiteral("Form1"));
    showCaption();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(defaultDesignFont());
    resize(kForm1Width, kForm1Height);
    // The controls are many, and the icon and the description for screen
    // readers each wake a part of Qt; all of it waits until the splash is
    // up, so the player sees the game start at once.
    platform_.setSplashShownWork([this] { buildControls(); });
}

void Form1::buildControls()
{
    if (controlsBuilt_)
        return;
    controlsBuilt_ = true;
    setWindowIcon(PictureTable::appIcon());
    describeOnce(*this, QCoreApplication::translate(
        "Form1", "Keys: Space or Enter start, 1, 2 and 3 hold or nudge the left, middle and right reel, C inserts a "
                 "coin, M turns the sound off or on, F1 explains how to play, Ctrl+Q quits."));
    for (const ControlSpec& control : form1Layout()) {
        QWidget* widget = build(control);
        widget->setObjectName(QLatin1String(control.name));
        widget->setGeometry(control.x, control.y, control.width, control.height);
        widget->setVisible(control.visible);
        if (control.accessibleName)
            widget->setAccessibleName(layoutText(control.accessibleName));
        if (control.toolTip)
            widget->setToolTip(layoutText(control.toolTip));
        if (control.picture != kNoPicture)
            static_cast<ImageWidget*>(widget)->setPicture(platform_.pictures().pixmap(control.picture),
                                                          platform_.pictures().sharp(control.picture));
    }
    announcer_ = std::make_unique<Announcer>(findChild<QWidget*>(QStringLiteral("status")));
    bindModels();
    connectHandlers();
    setUpTimers();

    QWidget* previous = nullptr;
    for (const char* name : kForm1TabOrder) {
        auto* widget = findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
    findChild<QWidget*>(QLatin1String(kForm1TabOrder.front()))->setFocus();
    setUpKeyboard();
    addHelpAndQuitKeys(*this, machine_, platform_.pictures());

    platform_.setCellPainter([this] { paintCells(); });
    for (LabelView& view : labels_)
        syncLabel(view, true);
    sync();
}

Form1::~Form1()
{
    terminate();
    platform_.setCellPainter({});
}

QWidget* Form1::build(const ControlSpec& control)
{
    switch (control.kind) {
    case ControlKind::Shape:
        return new ShapeWidget(this, toQColor(control.fill), Qt::black);
    case ControlKind::Line:
        return new ShapeWidget(this, toQColor(control.fill), toQColor(control.fill));
    case ControlKind::Label: {
        QLabel* label = std::string_view(control.name) == "status" ? new StatusLabel(this) : new QLabel(this);
        label->setText(layoutText(control.caption));
        label->setFont(fontFor(control.font));
        label->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(true);
        label->setAutoFillBackground(true);
        if (control.background) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, toQColor(*control.background));
            label->setPalette(palette);
        }
        return label;
    }
    case ControlKind::Image:
        return new ImageWidget(this);
    case ControlKind::Button:
        return new QPushButton(layoutText(control.caption), this);
    case ControlKind::TextBox:
        return new ValueBox(this);
    case ControlKind::ListBox:
        if (std::string_view(control.name) == "myDebug") {
            // The trace grows by two lines a play, without end.
            auto* view = new TraceView(this);
            debugModel_ = new DebugListModel(machine_.ui.myDebug, view);
            view->setModel(debugModel_);
            return view;
        }
        return new QListWidget(this);
    }
    return nullptr;
}

void Form1::bindModels()
{
    Form1Controls& ui = machine_.ui;
    auto widget = [this](const char* name) { return findChild<QWidget*>(QLatin1String(name)); };

    const std::pair<const char*, const Label*> labels[] = {
        {"status", &ui.status},    {"Label4", &ui.Label4},     {"Label5", &ui.Label5},     {"Label6", &ui.Label6},
        {"Label7", &ui.Label7},    {"Trail1", &ui.Trail[0]},   {"Trail2", &ui.Trail[1]},   {"Trail3", &ui.Trail[2]},
        {"Trail4", &ui.Trail[3]},  {"Trail5", &ui.Trail[4]},   {"Trail6", &ui.Trail[5]},   {"Trail7", &ui.Trail[6]},
        {"Trail8", &ui.Trail[7]},  {"trailHeldLight", &ui.trailHeldLight}, {"nopoints", &ui.nopoints},
    };
    for (const auto& [name, model] : labels)
        labels_.push_back({static_cast<QLabel*>(widget(name)), model, {}, {}, {}});

    const std::pair<const char*, const Image*> images[] = {
        {"tl", &ui.tl},         {"ml", &ui.ml},         {"bl", &ui.bl},         {"tm", &ui.tm},
        {"mm", &ui.mm},         {"bm", &ui.bm},         {"tr", &ui.tr},         {"mr", &ui.mr},
        {"br", &ui.br},         {"bonus1", &ui.bonus[0]}, {"bonus2", &ui.bonus[1]}, {"bonus3", &ui.bonus[2]},
        {"bonus4", &ui.bonus[3]}, {"bonus5", &ui.bonus[4]}, {"bonus6", &ui.bonus[5]}, {"bonus7", &ui.bonus[6]},
        {"bonus8", &ui.bonus[7]}, {"titlepic", &ui.titlepic},
    };
    for (const auto& [name, model] : images)
        images_.push_back({static_cast<ImageWidget*>(widget(name)), model, kNoPicture, {}});
    // The first nine are the cells, already in the order they are painted.
    for (size_t i = 0; i < cells_.size(); ++i)
        cells_[i] = &images_[i];

    texts_ = {TextView{static_cast<QLineEdit*>(widget("prizeMoney")), &ui.prizeMoney, {}},
              TextView{static_cast<QLineEdit*>(widget("cashpot")), &ui.cashpot, {}}};
    for (TextView& view : texts_) {
        view.shown = view.model->text;
        view.widget->setText(QString::fromStdString(view.shown));
    }

    const std::pair<const char*, const ListBox*> lists[] = {
        {"List1", &ui.List1}, {"List2", &ui.List2}, {"List3", &ui.List3}, {"List4", &ui.List4}};
    for (const auto& [name, model] : lists)
        lists_.push_back({static_cast<QListWidget*>(widget(name)), model, 0});
}

void Form1::connectHandlers()
{
    const std::pair<const char*, void (Machine::*)()> clicks[] = {
        {"Command2", &Machine::Command2_Click}, {"nudgel", &Machine::nudgel_Click},
        {"nudgem", &Machine::nudgem_Click},     {"nudgeR", &Machine::nudgeR_Click},
        {"Command3", &Machine::Command3_Click}, {"Command4", &Machine::Command4_Click},
        {"Command5", &Machine::Command5_Click},
    };
    for (const auto& [name, handler] : clicks) {
        auto* button = findChild<QPushButton*>(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, [this, h = handler] { handle([this, h] { (machine_.*h)(); }); });
    }

    // The player's typing goes straight into the machine, which reads it on
    // its next tick.
    for (TextView& view : texts_) {
        connect(view.widget, &QLineEdit::textEdited, this, [&view](const QString& text) {
            view.shown = text.toStdString();
            view.model->text = view.shown;
        });
    }

    auto* pictureNames = findChild<QListWidget*>(QStringLiteral("List4"));
    connect(pictureNames, &QListWidget::itemClicked, this, [this, pictureNames](QListWidgetItem* item) {
        const int row = pictureNames->row(item);
        handle([this, row] { machine_.List4_Click(row); });
    });
}

void Form1::setUpKeyboard()
{
    auto button = [this](const char* name) { return findChild<QPushButton*>(QLatin1String(name)); };
    auto* keyboard = new KeyboardPlay({button("Command2"), {button("nudgel"), button("nudgem"), button("nudgeR")},
                                       button("Command3")},
                                      [this] { toggleMute(); }, this);
    for (const char* name : kForm1TabOrder)
        keyboard->watch(findChild<QWidget*>(QLatin1String(name)));
}

void Form1::toggleMute()
{
    platform_.setMuted(!platform_.muted());
    showCaption();
    handle([this] { machine_.soundSwitched(!platform_.muted()); });
}

void Form1::showCaption()
{
    QString caption = QString::fromLatin1(kAppTitle) + QStringLiteral(" - \u00A9 2026 KQProductions");
    if (platform_.muted())
        caption = QCoreApplication::translate("Form1", "%1 [muted]").arg(caption);
    setWindowTitle(caption);
    refreshTitleBar(*this);
}

void Form1::setUpTimers()
{
    Form1Controls& ui = machine_.ui;
    const std::tuple<const char*, const Timer*, void (Machine::*)()> timers[] = {
        {"flashLights", &ui.flashLights, &Machine::flashLights_Timer},
        {"bonusTimer", &ui.bonusTimer, &Machine::bonusTimer_Timer},
        {"Timer1", &ui.Timer1, nullptr},
        {"Timer2", &ui.Timer2, &Machine::Timer2_Timer},
        {"Timer3", &ui.Timer3, nullptr},
    };
    // Each timer starts stopped; the first sync after start-up switches on
    // those the machine has enabled.
    for (const auto& [name, model, handler] : timers) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(model->interval);
        if (handler)
            connect(timer, &QTimer::timeout, this, [this, h = handler] { handle([this, h] { (machine_.*h)(); }); });
        timers_.push_back({timer, model, false, model->starts});
    }
}

void Form1::load()
{
    {
        HandlerScope scope(inHandler_);
        machine_.Form_Load();
    }
    buildControls(); // already done unless start-up never showed the splash
    sync();
    syncTimers();
}

template <class Handler>
void Form1::handle(Handler handler)
{
    // A tick that comes while a handler waits in a message box is skipped:
    // the machine runs one handler at a time.
    if (inHandler_ || terminated_)
        return;
    {
        HandlerScope scope(inHandler_);
        handler();
    }
    sync();
    syncTimers();
}

void Form1::sync()
{
    for (LabelView& view : labels_)
        syncLabel(view, false);
    for (ImageView& view : images_)
        syncImage(view);
    for (TextView& view : texts_) {
        if (view.model->text != view.shown) {
            view.shown = view.model->text;
            view.widget->setText(QString::fromStdString(view.shown));
        }
    }
    for (ListView& view : lists_) {
        // These lists are filled once at start-up; a sorted list may insert
        // anywhere, so a change is shown by refilling.
        if (view.model->listCount() == view.shown)
            continue;
        view.widget->clear();
        for (const std::string& item : view.model->items)
            view.widget->addItem(QString::fromStdString(item));
        view.shown = view.model->listCount();
    }
    debugModel_->refresh();
    syncSpeech();
}

void Form1::syncLabel(LabelView& view, bool force)
{
    if (force || view.model->caption != view.caption) {
        view.caption = view.model->caption;
        view.widget->setText(shownText(view.caption));
    }
    if (force || view.model->foreColor != view.colour) {
        view.colour = view.model->foreColor;
        QPalette palette = view.widget->palette();
        palette.setColor(QPalette::WindowText, toQColor(view.colour));
        view.widget->setPalette(palette);
    }
}

void Form1::syncImage(ImageView& view)
{
    if (view.model->picture == view.shown)
        return;
    view.shown = view.model->picture;
    view.widget->setPicture(platform_.pictures().pixmap(view.shown), platform_.pictures().sharp(view.shown));
}

void Form1::syncTimers()
{
    for (TimerView& view : timers_) {
        const bool freshStart = view.model->starts != view.starts || (view.model->enabled && !view.enabled);
        if (view.model->enabled && freshStart)
            view.timer->start();
        else if (!view.model->enabled && view.timer->isActive())
            view.timer->stop();
        view.enabled = view.model->enabled;
        view.starts = view.model->starts;
    }
}

void Form1::paintCells()
{
    for (ImageView* cell : cells_)
        syncImage(*cell);
    // All nine in one synchronous repaint: they reach the screen together,
    // with one transfer to the window system instead of nine, which keeps a
    // step close to its 10 ms.
    QRegion cells;
    for (ImageView* cell : cells_)
        cells += cell->widget->geometry();
    repaint(cells);
}

void Form1::closeEvent(QCloseEvent* event)
{
    terminate();
    event->accept();
}

void Form1::terminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    for (TimerView& view : timers_)
        view.timer->stop();
    machine_.Form_Terminate();
}

} // namespace glint::ui
