#pragma once

#include "test_assets.h"

#include "ui/form1.h"

#include <QLabel>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace glint::ui::test {

// A started main window on a generated asset tree, with message boxes
// recorded instead of shown.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Form1>(assets.root(), [this](const QString& text) { messages << text; });
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
