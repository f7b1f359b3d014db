// The windows driven as a user drives them, on the largest building: one
// edit of a wall value and opening the archive then AVANTI, each with the
// data windows alone and with every window on screen, and the report.

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <initializer_list>

#include "bench_platform.h"
#include "large_building.h"
#include "model/archive.h"
#include "print/documents/odt_word_document.h"
#include "print/documents/report_document.h"
#include "print/qt/qt_text_device.h"
#include "print/report/report_printout.h"
#include "shell/shell.h"
#include "windows/general_data_window.h"
#include "windows/plan_view.h"
#include "windows/plan_window.h"
#include "windows/results_window.h"
#include "windows/wall_data_window.h"

namespace calvex::bench {
namespace {

struct LargeBuildingSession {
    LargeBuildingSession() : project(std::make_unique<ProjectData>()), shell(platform, *project, {}) {
        const auto building = makeLargeBuilding();
        file = folder.filePath(QStringLiteral("Calvex-dati-grande"));
        writeArchiveFile(file.toStdString(), *building);
        platform.fileToOpen = file;
    }
    void openAndGoAhead() {
        shell.generalWindow().findChild<QAction*>(QStringLiteral("apri"))->trigger();
        shell.generalWindow().goAhead();
    }

    // The five work windows shown, the map opened from the results window
    // as the user opens it, so that it shows the first wall's checks.
    void showAllWindows() {
        for (WorkWindowId id : {WorkWindowId::dati, WorkWindowId::frontespizio, WorkWindowId::risultati})
            shell.showWorkWindow(id);
        shell.resultsWindow().openWallCheck();
        shell.showWorkWindow(WorkWindowId::sismica);
        QApplication::processEvents();
    }
    // Paints the windows at once, as the screen would after the event.
    void repaint(std::initializer_list<WorkWindowId> ids) {
        for (WorkWindowId id : ids) shell.existingWorkWindow(id)->repaint();
    }

    BenchPlatform platform;
    std::unique_ptr<ProjectData> project;
    Shell shell;
    QTemporaryDir folder;
    QString file;
};

void BM_WallEdit_20x100(benchmark::State& state) {
    LargeBuildingSession session;
    session.openAndGoAhead();
    WallDataWindow& window = session.shell.wallWindow();
    auto* slabs = window.findChild<QLineEdit*>(QStringLiteral("datisismici9"));
    int edit = 0;
    for (auto _ : state) {
        slabs->setText(QString::number(10 + (++edit % 2)));
        QApplication::processEvents();
    }
    if (!session.project->resultsCurrent()) state.SkipWithError("the edits were not computed");
}
BENCHMARK(BM_WallEdit_20x100)->Unit(benchmark::kMillisecond);

// The same edit with the results window and the map beside the wall
// window: the run, the results published and the three windows repainted.
void BM_WallEditAllWindowsShown_20x100(benchmark::State& state) {
    LargeBuildingSession session;
    session.openAndGoAhead();
    session.showAllWindows();
    auto* slabs = session.shell.wallWindow().findChild<QLineEdit*>(QStringLiteral("datisismici9"));
    int edit = 0;
    for (auto _ : state) {
        slabs->setText(QString::number(10 + (++edit % 2)));
        QApplication::processEvents();
        session.repaint({WorkWindowId::sismica, WorkWindowId::risultati, WorkWindowId::controllasetti});
    }
    if (!session.project->resultsCurrent()) state.SkipWithError("the edits were not computed");
}
BENCHMARK(BM_WallEditAllWindowsShown_20x100)->Unit(benchmark::kMillisecond);

void BM_OpenArchiveAndAvanti_20x100(benchmark::State& state) {
    LargeBuildingSession session;
    for (auto _ : state) {
        session.openAndGoAhead();
        QApplication::processEvents();
    }
    if (session.project->storeyCount() != 20) state.SkipWithError("the archive was not read");
}
BENCHMARK(BM_OpenArchiveAndAvanti_20x100)->Unit(benchmark::kMillisecond);

void BM_OpenArchiveAndAvantiAllWindowsShown_20x100(benchmark::State& state) {
    LargeBuildingSession session;
    session.openAndGoAhead();
    session.showAllWindows();
    for (auto _ : state) {
        session.openAndGoAhead();
        QApplication::processEvents();
        session.repaint({WorkWindowId::dati, WorkWindowId::sismica, WorkWindowId::risultati,
                         WorkWindowId::controllasetti, WorkWindowId::frontespizio});
    }
    if (session.project->storeyCount() != 20) state.SkipWithError("the archive was not read");
}
BENCHMARK(BM_OpenArchiveAndAvantiAllWindowsShown_20x100)->Unit(benchmark::kMillisecond);

// The plan window drawing a storey of the largest building, 100 walls,
// at its design size: the layout and the painting of one frame.
void BM_PlanDraw_100Walls(benchmark::State& state) {
    LargeBuildingSession session;
    session.openAndGoAhead();
    auto& plan = *static_cast<PlanWindow*>(session.shell.showWorkWindow(WorkWindowId::pianta));
    QApplication::processEvents();
    if (plan.view().plan().walls.size() != 100) state.SkipWithError("the storey does not have 100 walls drawn");
    for (auto _ : state) plan.view().repaint();
}
BENCHMARK(BM_PlanDraw_100Walls)->Unit(benchmark::kMillisecond);

// The printed report of the largest building written to a PDF file.
void BM_ReportPdf_20x100(benchmark::State& state) {
    const auto building = makeLargeBuilding();
    building->prepareWallEntry();
    if (!runEngine(*building, RunContext{true, 1, 1, false}).complete) state.SkipWithError("the run did not complete");
    QTemporaryDir folder;
    for (auto _ : state) {
        QPdfWriter pdf(folder.filePath(QStringLiteral("relazione.pdf")));
        qt::setUpA4Pdf(pdf);
        qt::QtTextDevice device(pdf);
        report::printCalculationReport(device, *building, "Studio", "Via Roma 1");
    }
}
BENCHMARK(BM_ReportPdf_20x100)->Unit(benchmark::kMillisecond);

// The editable report of the largest building, built and packaged as an
// OpenDocument text file.
void BM_ReportDocument_20x100(benchmark::State& state) {
    const auto building = makeLargeBuilding();
    building->prepareWallEntry();
    if (!runEngine(*building, RunContext{true, 1, 1, false}).complete) state.SkipWithError("the run did not complete");
    for (auto _ : state) {
        documents::OdtWordDocument document;
        documents::buildReportDocument(document, *building, "Studio", NumberSymbols{});
        if (!document.package()) state.SkipWithError("the document was not written");
    }
}
BENCHMARK(BM_ReportDocument_20x100)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace calvex::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
