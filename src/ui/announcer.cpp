#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

namespace glint::ui {

namespace {

// The notification itself: nothing to see, a name to hear.
class Notice : public QWidget {
    Q_OBJECT
public:
    explicit Notice(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("announcement"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        hide();
    }
};

QAccessibleInterface* noticeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(Notice::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* messageLine)
{
    QAccessible::installFactory(&noticeInterface);
    notice_ = new Notice(messageLine);
    hide_ = new QTimer(notice_);
    hide_->setSingleShot(true);
    hide_->setInterval(1000);
    QObject::connect(hide_, &QTimer::timeout, notice_, &QWidget::hide);
}

void Announcer::announce(const QString& sentence)
{
    // Hidden first, so that showing it is news even while the last
    // sentence is still showing.
    notice_->hide();
    notice_->setAccessibleName(sentence);
    notice_->show();
    hide_->start();
}

} // namespace glint::ui

#include "announcer.moc"
