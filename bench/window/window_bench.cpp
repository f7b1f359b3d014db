// The windows driven as a user drives them, on the largest building: one
// edit of a wall value, opening the archive then AVANTI, and the report.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench_platform.h"
#include "large_building.h"
#include "model/archive.h"
#include "print/qt/qt_text_device.h"
#include "print/documents/odt_word_document.h"
#include "print/documents/report_document.h"
#include "print/report/report_printout.h"
#include "shell/shell.h"
#include "windows/general_data_window.h"
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

void BM_OpenArchiveAndAvanti_20x100(benchmark::State& state) {
    LargeBuildingSession session;
    for (auto _ : state) {
        session.openAndGoAhead();
        QApplication::processEvents();
    }
    if (session.project->storeyCount() != 20) state.SkipWithError("the archive was not read");
}
BENCHMARK(BM_OpenArchiveAndAvanti_20x100)->Unit(benchmark::kMillisecond);

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
