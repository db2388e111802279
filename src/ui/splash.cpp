#include "ui/splash.h"

#include "core/version.h"
#include "ui/design_widgets.h"
#include "ui/translation.h"
#include "ui/notices.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace glint::ui {

namespace {

// The window's own raised border lies outside the client area.
constexpr int kBorder = 2;

enum class Sizing { Fixed, ToTextFromLeft, ToTextFromRight };

QLabel* addLabel(QWidget* frame, const char* name, const QString& text, QRect area, const QFont& font,
                 Sizing sizing)
{
    auto* label = new QLabel(text, frame);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setGeometry(area);
    label->setAlignment((sizing == Sizing::ToTextFromRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(sizing == Sizing::Fixed);
    return label;
}

// A label sized to its text keeps the edge its alignment names in place.
void fitToText(QLabel* label, Sizing sizing)
{
    if (sizing == Sizing::Fixed)
        return;
    const int right = label->geometry().right();
    label->adjustSize();
    if (sizing == Sizing::ToTextFromRight)
        label->move(right - label->width() + 1, label->y());
}

} // namespace

SplashFrame::SplashFrame(QWidget* parent) : QGroupBox(parent) {}

void SplashFrame::mousePressEvent(QMouseEvent* event)
{
    // Clicks on the labels and the logo arrive here too, passed up by them.
    const QPoint at = event->position().toPoint();
    pressedOnFreeArea_ = event->button() == Qt::LeftButton && rect().contains(at) && !childAt(at);
    event->accept();
}

void SplashFrame::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool onFreeArea = rect().contains(at) && !childAt(at);
    event->accept();
    if (pressedOnFreeArea_ && onFreeArea && event->button() == Qt::LeftButton) {
        pressedOnFreeArea_ = false;
        emit clicked();
    }
}

frmSplash::frmSplash(const QPixmap& logo) : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    setFixedSize(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder);
    setFont(defaultDesignFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(kBorder, kBorder, kClientWidth, kClientHeight);

    auto* frame = new SplashFrame(client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(7, 0, 480, 278);
    connect(frame, &SplashFrame::clicked, this, &frmSplash::unload);

    auto* imgLogo = new QLabel(frame);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(logo);
    imgLogo->setGeometry(QRect(QPoint(8, 40), logo.isNull() ? QSize(200, 123) : logo.deviceIndependentSize().toSize()));

    const QString arial = QStringLiteral("Arial");
    struct Caption {
        const char* name;
        QString text;
        QRect area;
        QFont font;
        Sizing sizing;
    };
    const Caption captions[] = {
        {"lblCompanyProduct", QStringLiteral("KQProductions"), {208, 56, 174, 29}, designFont(arial, 18, true),
         Sizing::ToTextFromLeft},
        {"lblProductName", QStringLiteral("Product"), {208, 80, 268, 51}, designFont(arial, 32.25, true),
         Sizing::ToTextFromLeft},
        {"lblPlatform", QStringLiteral("Linux"), {394, 156, 63, 24}, designFont(arial, 15.75, true),
         Sizing::ToTextFromRight},
        {"lblVersion", QStringLiteral("Beta1.1"), {400, 180, 57, 19}, designFont(arial, 12, true),
         Sizing::ToTextFromRight},
        {"lblCopyright", QCoreApplication::translate("frmSplash", kCopyrightNotice), {256, 204, 209, 17},
         designFont(arial, 8.25), Sizing::Fixed},
        {"lblWarning", QCoreApplication::translate("frmSplash", kLicenceNotice), {16, 244, 449, 29},
         designFont(arial, 8.25), Sizing::Fixed},
    };
    for (const Caption& c : captions)
        fitToText(addLabel(frame, c.name, c.text, c.area, c.font, c.sizing), c.sizing);

    Form_Load();
}

void frmSplash::Form_Load()
{
    auto* version = findChild<QLabel*>(QStringLiteral("lblVersion"));
    auto* product = findChild<QLabel*>(QStringLiteral("lblProductName"));
    version->setText(shownText(versionText()));
    fitToText(version, Sizing::ToTextFromRight);
    product->setText(QString::fromLatin1(kAppTitle));
    fitToText(product, Sizing::ToTextFromLeft);
}

void frmSplash::centreOnScreen()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect area = rect();
    area.moveCenter(screen->availableGeometry().center());
    move(area.topLeft());
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    // Only keys that type a character count, as for any key-press handler.
    if (event->text().isEmpty()) {
        QFrame::keyPressEvent(event);
        return;
    }
    unload();
}

void frmSplash::unload()
{
    close(); // deletes the window: it is never shown again
}

} // namespace glint::ui
