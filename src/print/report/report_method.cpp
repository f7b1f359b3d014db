#include "print/device/page_frame.h"
#include "print/report/report_lines.h"
#include "print/report/report_sections.h"

#include <array>
#include <string>

namespace calvex::report {

namespace {

// One line of the method statement: its column and whether an empty line
// follows it.
struct MethodLine {
    int column;
    std::string_view text;
    bool emptyAfter = false;
};

constexpr int body = frameHeadingColumn;
constexpr int symbols = 18;
constexpr int continued = 24;

constexpr std::array<MethodLine, 35> method{{
    {body, "Il presente calcolo \u00e8 stato eseguito secondo le norme tecniche del"},
    {body, "D.M. 9/1/1996. La verifica \u00e8 effettuata  'a rottura'  riferendosi,"},
    {body, "per quanto riguarda i valori delle caratteristiche delle  murature"},
    {body, "dell'edificio, alla tabella contenuta nella Circolare Ministeriale"},
    {body, "LL.PP. del 30/7/1981 che  emanava  'Istruzioni per  l'applicazione"},
    {body, "della normativa tecnica per la  riparazione  ed  il  rafforzamento"},
    {body, "degli edifici danneggiati dal sisma del 23/11/1980'."},
    {body, "La rigidezza dei setti \u00e8 stata calcolata considerando  la  sezione"},
    {body, "interamente reagente. Il peso dei piani, determinato per  valutare"},
    {body, "le forze sismiche, \u00e8 stato calcolato come somma del peso dei solai"},
    {body, "e degli sbalzi,  oltre che dei tramezzi  gravanti su di essi,  con"},
    {body, "un'aliquota del sovraccarico accidentale e con la met\u00e0 del peso di"},
    {body, "ogni setto del piano superiore e di quello aldisotto  della  quota"},
    {body, "di riferimento."},
    {body, "Per quanto concerne la schematizzazione dei vincoli dei setti si \u00e8"},
    {body, "ipotizzato l'incastro al piede ed il carrello in testa."},
    {body, "La forza ultima tagliante, (massima forza sopportabile dal setto),"},
    {body, "\u00e8 stata valutata con la seguente formula che considera gli apporti"},
    {body, "anche delle eventuali tirantature verticali e/o orizzontali  nella"},
    {body, "muratura:", true},
    {body, "Tu = A * tk * sqr( 1 + (so+sx+sy)/1.5*tk + (so+sy)*sx/2.25*tk^2)", true},
    {body, "in cui  Tu  = forza ultima tagliante;"},
    {symbols, "A   = area della sezione normale del pannello;"},
    {symbols, "tk  = resistenza tangenziale caratteristica della muratura;"},
    {symbols, "sqr = radice quadrata;"},
    {symbols, "so  = tensione normale applicata nel centro del pannello  e"},
    {continued, "dovuta ai carichi verticali agenti;"},
    {symbols, "sy  = tensione normale verticale nel centro del pannello  e"},
    {continued, "dovuta ai tiranti verticali;"},
    {symbols, "sx  = tensione normale orizzontale nel centro del  pannello"},
    {continued, "dovuta ai tiranti orizzontali.", true},
    {body, "La struttura globale \u00e8 verificata sismicamente quando, per ciascun"},
    {body, "piano, la sommatoria delle forze ultime taglianti \u00e8 superiore alla"},
    {body, "sommatoria delle forze sismiche agenti su ogni piano e per  ognuna"},
    {body, "delle due direzioni X e Y (vedi il paragrafo D)."},
}};

} // namespace

void printMethodStatement(TextDevice& device) {
    device.setFont(std::string(frameFont), 20);
    device.setCurrentX(1000);
    device.setCurrentY(1000);
    printLineAt(device, frameHeadingColumn, "RELAZIONE DI CALCOLO");
    device.endLine();

    device.setFontSize(frameHeadingSize);
    for (const MethodLine& line : method) {
        printLineAt(device, line.column, line.text);
        if (line.emptyAfter) device.endLine();
    }
}

} // namespace calvex::report
