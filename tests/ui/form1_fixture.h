#pragma once

#include "test_assets.h"

#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace glint::ui::test {

// A started main window on a generated asset tree. Each message box is the
// real one, recorded as "caption: text [OK]" when OK is its one button, and closed once it is up.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Form1>(assets.root(), [this](const QString& text) {
            QTimer::singleShot(0, [this] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                const bool okAlone = box->buttons() == QList<QAbstractButton*>{box->button(QMessageBox::Ok)};
                messages << box->windowTitle() + ": " + box->text() + (okAlone ? " [OK]" : " [not OK alone]");
                box->done(QMessageBox::Ok);
            });
            QtPlatform::modalMessageBox(text);
        });
        window->load();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class W = QWidget>
    W* find(const char* name)
    {
        auto* widget = window->findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString text(const char* name) { return find<QLabel>(name)->text(); }

    TestAssets assets;
    QStringList messages;
    std::unique_ptr<Form1> window;
};

} // namespace glint::ui::test
