// The storey and wall selectors under real mouse gestures past the last
// storey or wall: one gesture, one message, however long the button is held.

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "windows/general_data_window.h"
#include "windows/results_window.h"
#include "windows/wall_data_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class SelectorScrollBarTest : public WindowTest {
protected:
    void SetUp() override {
        GeneralDataWindow& general = shell.generalWindow();
        type(general, "grado", "9");
        type(general, "np", "2");
        type(general, "numsetx", "1");
        type(general, "numsety", "1");
        general.goAhead();
    }

    static QPoint centreOf(QScrollBar* bar, QStyle::SubControl part) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
    }

    // Presses at `at`, lets the auto-repeat run, optionally drags to `to`,
    // and returns the messages shown while the button was still held.
    qsizetype holdAndRelease(QScrollBar* bar, QPoint at, std::optional<QPoint> to = std::nullopt) {
        platform.clearRecords();
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        QTest::qWait(900); // past the repeat threshold: several repeat steps
        if (to) QTest::mouseMove(bar, *to);
        QTest::qWait(100);
        const qsizetype whileHeld = platform.messages.size();
        QTest::mouseRelease(bar, Qt::LeftButton, {}, to.value_or(at));
        return whileHeld;
    }
};

TEST_F(SelectorScrollBarTest, HeldArrowPageAreaOrDragGiveOneMessageOnRelease) {
    WallDataWindow& walls = shell.wallWindow();
    walls.show();
    auto* wallBar = walls.findChild<QScrollBar*>("HScroll1");
    walls.showStoreyAndWall(2, 2);
    EXPECT_EQ(holdAndRelease(wallBar, centreOf(wallBar, QStyle::SC_ScrollBarAddLine)), 0);
    EXPECT_EQ(platform.messageTexts(), QStringList{"Non vi sono altri setti."});
    EXPECT_EQ(wallBar->value(), 2);
    EXPECT_EQ(project->currentWall, 2);

    auto* storeyBar = walls.findChild<QScrollBar*>("VScroll1");
    holdAndRelease(storeyBar, centreOf(storeyBar, QStyle::SC_ScrollBarAddPage));
    EXPECT_EQ(platform.messageTexts(), QStringList{"Non vi sono altri piani."});
    EXPECT_EQ(project->currentFloor, 2);

    ResultsWindow& results = shell.resultsWindow();
    results.show();
    auto* selector = results.findChild<QScrollBar*>("VScroll1");
    results.setStoreySelector(2);
    const QPoint handle = centreOf(selector, QStyle::SC_ScrollBarSlider);
    const QPoint bottom(handle.x(), selector->height() - 1);
    EXPECT_EQ(holdAndRelease(selector, handle, bottom), 0);
    EXPECT_EQ(platform.messageTexts(), QStringList{"Non vi sono altri piani."});
    EXPECT_EQ(selector->value(), 2);
}

TEST_F(SelectorScrollBarTest, KeysPastTheEndGiveOneMessageEachAndStayOnTheLast) {
    GeneralDataWindow& general = shell.generalWindow();
    general.QWidget::show();
    auto* bar = general.findChild<QScrollBar*>("VScroll1");
    general.showStorey(2);
    platform.clearRecords();
    QTest::keyClick(bar, Qt::Key_Down);
    QTest::keyClick(bar, Qt::Key_PageDown);
    EXPECT_EQ(platform.messageTexts(), (QStringList{"Non vi sono altri piani.", "Non vi sono altri piani."}));
    EXPECT_EQ(general.shownStorey(), 2);
}

} // namespace
} // namespace calvex::testing
