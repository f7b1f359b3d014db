#include "print/documents/report_document_parts.h"

#include <array>
#include <string>

namespace calvex::documents {

namespace {

constexpr std::string_view bodyFont = "Century Gothic";

constexpr std::array<std::string_view, 3> methodParagraphs{
    "Il presente calcolo \u00e8 stato eseguito secondo le norme tecniche del D.M. 9/1/1996. La verifica \u00e8 "
    "effettuata 'a rottura' riferendosi, per quanto riguarda i valori delle caratteristiche delle murature "
    "dell'edificio, alla tabella contenuta nella Circolare Ministeriale LL.PP. del 30/7/1981 che emanava "
    "'Istruzioni per l'applicazione della normativa tecnica per la riparazione ed il rafforzamento degli "
    "edifici danneggiati dal sisma del 23/11/1980'.",
    "La rigidezza dei setti \u00e8 stata calcolata considerando la sezione interamente reagente. Il peso dei "
    "piani, determinato per valutare le forze sismiche, \u00e8 stato calcolato come somma del peso dei solai e "
    "degli sbalzi,  oltre che dei tramezzi gravanti su di essi, con un'aliquota del sovraccarico accidentale "
    "e con la met\u00e0 del peso di ogni setto del piano superiore e di quello aldisotto della quota di "
    "riferimento.",
    "Per quanto concerne la schematizzazione dei vincoli dei setti si \u00e8 ipotizzato l'incastro al piede ed "
    "il carrello in testa. La forza ultima tagliante, (massima forza sopportabile dal setto), \u00e8 stata "
    "valutata con la seguente formula che considera gli apporti anche delle eventuali tirantature verticali "
    "e/o orizzontali nella muratura:",
};

constexpr std::array<Row2, 7> formulaSymbols{{
    {"Tu", "forza ultima tagliante"},
    {"A", "area della sezione normale del pannello"},
    {"tk", "resistenza tangenziale caratteristica della muratura"},
    {"sqr", "radice quadrata"},
    {"so", "tensione normale applicata nel centro del pannello e dovuta ai carichi verticali agenti"},
    {"sy", "tensione normale verticale nel centro del pannello e dovuta ai tiranti verticali"},
    {"sx", "tensione normale orizzontale nel centro del pannello e dovuta ai tiranti orizzontali"},
}};

void addEmptyParagraphs(WordDocument& document, int count) {
    for (int i = 0; i < count; ++i) document.addParagraph("");
}

void addTitleBlock(WordDocument& document, const ProjectData& project, std::string_view calculatorName) {
    const auto line = [&document](std::string_view caption, std::string_view value) {
        document.addParagraph(joined({caption, value}));
    };
    document.setFontName(std::string(bodyFont));
    document.setFontSize(20);
    document.addParagraph("VERIFICA ANTISISMICA");
    document.setFontSize(14);
    document.addParagraph("(per un edificio in muratura portante)");
    document.setBold(true);
    line("progetto: ", project.title(TitleField::progetto));
    line("in localit\u00e0: ", project.title(TitleField::localita));
    line("committente: ", project.title(TitleField::committente));
    line("progettista: ", project.title(TitleField::architettonico));
    line("calcolatore: ", calculatorName);
    line("direttore dei lavori: ", project.title(TitleField::direttore));
    addEmptyParagraphs(document, 6);
    document.addParagraph(joined({project.title(TitleField::luogo), ": ", project.title(TitleField::data)}));
    // The title block alone is bold and fills the first page: the report
    // starts on the next one, whatever the spacing of the word processor.
    // Its page alone carries no page number, like the printed report's.
    document.setBold(false);
    document.numberFollowingPages("pagina ");
    document.addPageBreak();
}

} // namespace

int addTwoColumnTable(WordDocument& document, std::string_view firstHeading, std::string_view secondHeading,
                      std::span<const Row2> rows) {
    document.setFontSize(tableSize);
    const int table = document.addTable(static_cast<int>(rows.size()) + 1, 2);
    document.setCell(table, 1, 1, firstHeading);
    document.setCell(table, 1, 2, secondHeading);
    document.setHeadingRows(table, 1);
    document.keepTableWhole(table);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 2;
        document.setCell(table, row, 1, rows[i].first);
        document.setCell(table, row, 2, rows[i].second);
    }
    document.setFontSize(bodySize);
    return table;
}

void addSectionHeading(WordDocument& document, std::string_view heading) {
    document.setFontSize(sectionSize);
    document.addParagraph(heading);
    document.keepWithNext();
    document.setFontSize(bodySize);
}

void addTitleAndMethod(WordDocument& document, const ProjectData& project, std::string_view calculatorName) {
    const std::string_view name = project.title(TitleField::progetto);
    document.setProperties(
        name.empty() ? std::string("Relazione di calcolo") : joined({"Relazione di calcolo: ", name}), calculatorName);
    addTitleBlock(document, project, calculatorName);
    document.setFontSize(18);
    document.addParagraph("RELAZIONE CALCOLO");
    document.setFontSize(bodySize);
    for (const std::string_view paragraph : methodParagraphs) document.addParagraph(paragraph);
    // The last method paragraph introduces the formula, which its symbols
    // explain: the three go together.
    document.keepWithNext();
    document.setFontSize(10);
    document.addParagraph("Tu = A * tk * sqr( 1 + (so+sy+sx)/1.5*tk + (so+sy)*sx/2.25*tk^2)");
    document.keepWithNext();
    addTwoColumnTable(document, "simbolo", "significato", formulaSymbols);
    document.addParagraph(
        "La struttura globale \u00e8 verificata sismicamente quando, per ciascun piano, la sommatoria delle forze "
        "ultime taglianti \u00e8 superiore alla sommatoria delle forze sismiche agenti su ogni piano e per ognuna "
        "delle due direzioni X e Y (vedi il paragrafo D).");
}

void addClosing(WordDocument& document, const ProjectData& project, std::string_view calculatorName) {
    document.setFontSize(bodySize);
    document.addParagraph("");
    // The block stays together on one page, down to the signature.
    document.addPageCountParagraph("La presente relazione \u00e8 composta di n. ", " pagine.");
    document.keepWithNext();
    document.addParagraph(joined({"Si allegano: ", project.title(TitleField::allegati)}));
    document.keepWithNext();
    document.addParagraph(joined({project.title(TitleField::luogo), ": ", project.title(TitleField::data)}));
    document.keepWithNext();
    document.addParagraph("il calcolatore");
    document.keepWithNext();
    document.addParagraph(joined({"(", calculatorName, ")"}));
}

} // namespace calvex::documents
