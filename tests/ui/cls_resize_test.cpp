#include "ui/cls_resize.h"

#include <gtest/gtest.h>
#include <QWidget>
#include <cstdlib>

#include "support/scripted_platform.h"

namespace calvex {
namespace {

class ClsResizeTest : public ::testing::Test {
protected:
    void SetUp() override { window.resize(400, 300); }

    QWidget* control(const char* tag, QRect geometry, QWidget* parent = nullptr) {
        auto* widget = new QWidget(parent ? parent : &window);
        widget->setProperty("tag", QString::fromLatin1(tag));
        widget->setGeometry(geometry);
        return widget;
    }

    testing::ScriptedPlatform platform;
    QWidget window;
    ClsResize resizer{platform};
};

TEST_F(ClsResizeTest, TagSelectsTheValuesThatFollowTheWindow) {
    const QRect design(40, 30, 80, 20);
    QWidget* moveHorizontally = control("@L", design);
    QWidget* plainWord = control("etichetta", design);
    QWidget* pinned = control("@", design);
    QWidget* untagged = control("", design);
    QWidget* sizeOnly = control("@w,h", design);
    QWidget* grandchild = control("", QRect(4, 4, 10, 10), plainWord);
    auto* ownWindow = new QWidget(&window, Qt::Window);
    ownWindow->setGeometry(design);
    resizer.setSourceForm(&window);

    resizer.resizeControls();
    EXPECT_EQ(untagged->geometry(), design) << "the first call only captures";
    window.resize(800, 450);
    resizer.resizeControls();

    EXPECT_EQ(moveHorizontally->geometry(), QRect(80, 30, 80, 20));
    EXPECT_EQ(plainWord->geometry(), QRect(80, 45, 160, 30));
    EXPECT_EQ(untagged->geometry(), QRect(80, 45, 160, 30));
    EXPECT_EQ(pinned->geometry(), design);
    EXPECT_EQ(sizeOnly->geometry(), QRect(40, 30, 160, 30));
    EXPECT_EQ(grandchild->geometry(), QRect(4, 4, 10, 10));
    EXPECT_EQ(ownWindow->geometry(), design);
}

TEST_F(ClsResizeTest, ResizeEventsCaptureFirstThenRescaleFromTheCapture) {
    QWidget* label = control("", QRect(40, 30, 80, 20));
    resizer.setSourceForm(&window);
    window.show(); // its first resize event captures the 400 x 300 design
    EXPECT_EQ(label->geometry(), QRect(40, 30, 80, 20));

    window.resize(800, 600);
    EXPECT_EQ(label->geometry(), QRect(80, 60, 160, 40));
    window.resize(200, 300);
    EXPECT_EQ(label->geometry(), QRect(20, 30, 40, 20));
}

TEST_F(ClsResizeTest, MinimisedWindowKeepsItsControlsAndRestoreScalesFromTheCapture) {
    QWidget* label = control("", QRect(40, 30, 80, 20));
    resizer.setSourceForm(&window);
    resizer.resizeControls();
    window.resize(800, 600);
    resizer.resizeControls();
    ASSERT_EQ(label->geometry(), QRect(80, 60, 160, 40));

    window.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(window.isMinimized());
    window.resize(200, 150);
    resizer.resizeControls();
    EXPECT_EQ(label->geometry(), QRect(80, 60, 160, 40));

    window.setWindowState(Qt::WindowNoState);
    window.resize(600, 450);
    resizer.resizeControls();
    EXPECT_EQ(label->geometry(), QRect(60, 45, 120, 30));
}

TEST_F(ClsResizeTest, HalfWidthAndBackRestoresTheDesignWithinOneTwip) {
    window.resize(333, 247);
    const QRect design(37, 19, 53, 29);
    QWidget* label = control("", design);
    resizer.setSourceForm(&window);
    resizer.resizeControls();
    for (int round = 0; round < 3; ++round) {
        window.resize(166, 247);
        resizer.resizeControls();
        EXPECT_NEAR(label->x(), 18.5, 0.5);
        EXPECT_NEAR(label->width(), 26.5, 0.5);
        window.resize(333, 247);
        resizer.resizeControls();
        const QRect back = label->geometry();
        EXPECT_LE(std::abs(back.x() - design.x()) * 15, 1);
        EXPECT_LE(std::abs(back.width() - design.width()) * 15, 1);
        EXPECT_EQ(back.y(), design.y());
        EXPECT_EQ(back.height(), design.height());
    }
}

TEST_F(ClsResizeTest, SizeFormToScreenCentresTheWindowAndScalesTheDesign) {
    QWidget* label = control("", QRect(40, 30, 80, 20));
    resizer.setSourceForm(&window);

    resizer.sizeFormToScreen(75); // 14400 x 10800 twips on a 19200 x 14400 screen
    EXPECT_EQ(window.pos(), QPoint(160, 120));
    EXPECT_EQ(window.size(), QSize(960, 720));
    EXPECT_EQ(label->geometry(), QRect(96, 72, 192, 48));

    resizer.sizeFormToScreen(100);
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    EXPECT_EQ(label->geometry(), QRect(128, 96, 256, 64)) << "still scaled from the 400 x 300 design";
}

TEST_F(ClsResizeTest, SeparateDrawingAreaGivesTheRatios) {
    auto* area = new QWidget(&window);
    area->setGeometry(0, 20, 400, 280);
    QWidget* label = control("", QRect(40, 28, 80, 28), area);
    resizer.setSourceForm(&window, area);
    resizer.resizeControls();
    EXPECT_EQ(resizer.sourceForm(), &window);

    area->resize(200, 560);
    resizer.resizeControls();
    EXPECT_EQ(label->geometry(), QRect(20, 56, 40, 56));
    EXPECT_EQ(area->geometry(), QRect(0, 20, 200, 560));
}

} // namespace
} // namespace calvex
