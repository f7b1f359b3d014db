#include <QAction>
#include <QPushButton>
#include <QTest>

#include "windows/general_data_window.h"
#include "windows/plan_view.h"
#include "windows/plan_window.h"
#include "windows/wall_data_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class PlanWindowTest : public WindowTest {
protected:
    // The example house opened and handed over to the wall window, which
    // shows storey 1, wall 1, computed.
    PlanWindowTest() {
        platform.files.push_back(QStringLiteral(CALVEX_SOURCE_DIR "/examples/Calvex-dati-esempio"));
        shell.generalWindow().findChild<QAction*>("apri")->trigger();
        shell.generalWindow().goAhead();
    }
    // Opening an archive makes the wall window anew.
    WallDataWindow& walls() { return shell.wallWindow(); }

    static QPoint centreOf(const PlanView& view, int wall) {
        for (const DrawnWall& drawn : view.layout().walls)
            if (drawn.number == wall) return {static_cast<int>(drawn.centre.x), static_cast<int>(drawn.centre.y)};
        ADD_FAILURE() << "wall " << wall << " not drawn";
        return {};
    }
};

TEST_F(PlanWindowTest, FollowsTheWallWindowAndAClickShowsAWallThere) {
    ASSERT_TRUE(project->resultsCurrent());
    walls().showStoreyAndWall(2, 3);
    walls().findChild<QPushButton*>("pianta")->click();
    auto* plan = static_cast<PlanWindow*>(shell.existingWorkWindow(WorkWindowId::pianta));
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(plan->isVisible());
    EXPECT_EQ(plan->storeySelector(), 2);
    EXPECT_EQ(plan->view().highlightedWall(), 3);

    // The wall window moves: the plan follows.
    walls().showStoreyAndWall(3, 4);
    EXPECT_EQ(plan->storeySelector(), 3);
    EXPECT_EQ(plan->view().highlightedWall(), 4);
    EXPECT_EQ(plan->view().plan().storey, 3);
    EXPECT_EQ(plan->staleCaption(), "");

    // A click on a wall of the storey shown.
    plan->setStoreySelector(1);
    PlanView& view = plan->view();
    QTest::mouseClick(&view, Qt::LeftButton, {}, centreOf(view, 5));
    EXPECT_EQ(walls().shownStorey(), 1);
    EXPECT_EQ(walls().shownWall(), 5);
    EXPECT_TRUE(walls().isVisible());
    EXPECT_EQ(view.highlightedWall(), 5);

    // With the live calculation off, an edit leaves the plan's results stale.
    walls().toggleLiveCalculation();
    type(walls(), "datisismici1", "7");
    EXPECT_EQ(plan->staleCaption(), "risultati non aggiornati");
    EXPECT_EQ(view.plan().walls[4].sizeX, 7);

    // Printed: the storey shown, on one page.
    platform.clearRecords();
    plan->findChild<QAction*>("solodati")->trigger();
    ASSERT_EQ(platform.printouts.size(), 1u);
    const auto& items = platform.printouts[0];
    EXPECT_TRUE(std::any_of(items.begin(), items.end(),
                            [](const auto& item) { return item.text == "PIANTA DEL PIANO n. 1 di 3"; }));
    EXPECT_TRUE(project->resultsCurrent());
}

// Past the top storey the selector is refused; the drawing keeps fitted
// in its widget whatever the window's shape.
TEST_F(PlanWindowTest, SelectorStopsAtTheTopStoreyAndTheDrawingStaysFitted) {
    PlanWindow& plan = *static_cast<PlanWindow*>(shell.showWorkWindow(WorkWindowId::pianta));
    plan.setStoreySelector(4);
    EXPECT_EQ(plan.storeySelector(), 3);
    EXPECT_EQ(lastMessage(), "Non vi sono altri piani.");

    for (const QSize size : {QSize(1200, 500), QSize(500, 900)}) {
        plan.resize(size);
        QApplication::processEvents();
        const PlanView& view = plan.view();
        const PlanBox frame = view.layout().frame;
        EXPECT_GE(frame.left, 0);
        EXPECT_GE(frame.top, 0);
        EXPECT_LE(frame.left + frame.width, view.width() + 0.5);
        EXPECT_LE(frame.top + frame.height, view.height() + 0.5);
        // Fitted: it fills the widget's width or its height, less the axes' room.
        EXPECT_TRUE(frame.width > view.width() - 60 || frame.height > view.height() - 80)
            << size.width() << "x" << size.height();
    }
}

} // namespace
} // namespace calvex::testing
