#pragma once
// What every printout of the windows does around its text: the check of
// the data it prints, fresh results when they are not current, the printer
// dialog, and the printout on the chosen printer.

namespace calvex {

class WindowLinks;
class WorkWindow;

class PrintCommands {
public:
    explicit PrintCommands(WindowLinks& links) : links_(links) {}

    void generalTemplate(WorkWindow& from);
    void generalTable(WorkWindow& from);
    void titlePageData(WorkWindow& from);
    void resultsTable(WorkWindow& from);
    void wallsToModify(WorkWindow& from);
    void wallTemplate(WorkWindow& from);
    void wallDataAndResults(WorkWindow& from);
    // The plan of one storey on one page, dated today.
    void storeyPlan(WorkWindow& from, int storey);
    // The complete report, printed on the printer.
    void calculationReport(WorkWindow& from);
    // The complete report as a document opened in the word processor.
    void calculationDocument(WorkWindow& from);

private:
    // The checks before either form of the report: general and wall data
    // in silent mode, current results, and the question for a building
    // that is not verified.
    bool reportMayStart(WorkWindow& from);
    // The wall check; when it fails, "Immettere correttamente i dati." and
    // the wall window.
    bool wallDataChecked(WorkWindow& from);
    // Results that belong to the data: a run when they do not, and a
    // message when that run cannot complete.
    bool resultsCurrent(WorkWindow& from);
    // Every number the printout shows prints as what it is; otherwise the
    // value is named in a message and nothing is printed.
    bool valuesPrintable(WorkWindow& from);
    template <typename Printout>
    void print(WorkWindow& from, Printout printout);

    WindowLinks& links_;
};

} // namespace calvex
