// The wall-check map's controls, its advice buttons and the commands it offers.

#include "windows/wall_check_window.h"

#include <QLabel>
#include <QPushButton>

#include "rules/wall_check_rules.h"
#include "ui/app_texts.h"
#include "windows/print_commands.h"
#include "windows/results_data_check.h"
#include "windows/results_fields.h"
#include "windows/rule_texts.h"
#include "windows/selector_scroll_bar.h"
#include "windows/window_links.h"

namespace calvex {

namespace {

struct CheckColumn {
    const char* name;
    QString caption, advice;
};

const std::array<CheckColumn, 3> kColumns{{
    {"cmdtaglio", qtText(kCheckCaptions[0]),
     QStringLiteral("Aumentare il tau del setto, con interventi di consolidamento (iniezioni di cemento o rete e "
                    "betoncino), modificare le dimensioni in pianta soprattutto degli altri setti in modo che possano "
                    "assorbire una maggiore quota di forza orizzontale sgravando il setto critico.")},
    {"cmdsigma", qtText(kCheckCaptions[1]),
     QStringLiteral("Biosogna aumentare la capacit\u00e0 portante del setto o diminuire i carichi gravanti: il "
                    "problema si verifica anche quando il setto \u00e8 troppo alto.")},
    {"cmdsez", qtText(kCheckCaptions[2]),
     QStringLiteral("E' necessario inserire dei tiranti verticali o modificare i carichi sul setto: il problema si "
                    "verifica quando il setto \u00e8 di minori dimensioni rispetto al corrispondente del piano "
                    "superiore.")},
}};

const QString kExplanation = QStringLiteral(
    "Controlla in questa finestra gli eventuali setti da modificare, secondo le indicazioni fornite nelle tre "
    "colonne. Qualora sia necessario intervenire, per la verifica dei setti, puoi avere dei suggerimenti cliccando "
    "sulle intestazioni di ciascuna di esse.");

const QStringList kHelpLines{
    QStringLiteral("- La finestra \u00e8 di sola lettura;"),
    QStringLiteral("- cliccare sulla barra di scorrimento verticale per visualizzare i setti degli altri piani;"),
    QStringLiteral("- cliccare sulla barra di scorrimento orizzontale per visualizzare gli altri setti da modificare;"),
    QStringLiteral("- cliccare sui tasti gialli delle tre colonne centrali per avere suggerimenti sulle modifiche da "
                   "apportare alla struttura."),
};

// Layout of the drawing area, in twips: the storey selector on the left
// edge, the storey numbers beside it and the three columns of checks.
constexpr int kLeft = 120, kWidth = 9360;
constexpr int kHeaderTop = 660, kHeaderHeight = 420;
constexpr int kRowTop = 1160, kRowStep = 320, kRowHeight = 290;
constexpr int kSelectorWidth = 255, kNumberLeft = 450, kNumberWidth = 600;
constexpr std::array<int, 3> kColumnLeft{1110, 4500, 7560}, kColumnWidth{3330, 3000, 1920};
constexpr int kWallLineTop = kRowTop + 10 * kRowStep + 140, kWallLineHeight = 300;
constexpr int kBottomButtonsTop = 5220;

} // namespace

WallCheckWindow::WallCheckWindow(WindowLinks& links)
    : WorkWindow(links, WorkWindowId::controllasetti, QStringLiteral("Calvex: controllo dei setti da modificare")),
      links_(links) {
    setObjectName(QStringLiteral("controllasetti"));
    buildHeader();
    buildRows();
    buildWallLine();
    addBottomButtons(kBottomButtonsTop);
    finishLayout();
}

void WallCheckWindow::buildHeader() {
    QLabel* explanation = addCaption(kExplanation, QString(), kLeft, 80, kWidth, 500);
    explanation->setObjectName(QStringLiteral("spiegazione"));
    explanation->setWordWrap(true);
    QLabel* heading = addCaption(QStringLiteral("piano"), QStringLiteral("il piano a cui appartiene il setto"),
                                 kNumberLeft, kHeaderTop, kNumberWidth, kHeaderHeight);
    heading->setAlignment(Qt::AlignCenter);
    setEmphasis(heading, 8, Qt::black);
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        auto* button = place(new QPushButton(kColumns[c].caption, form()), kColumnLeft[c], kHeaderTop, kColumnWidth[c],
                             kHeaderHeight);
        button->setObjectName(QString::fromLatin1(kColumns[c].name));
        button->setToolTip(QStringLiteral("cliccare per avere dei suggerimenti sulle modifiche da apportare"));
        button->setAutoFillBackground(true);
        QPalette yellow = button->palette();
        yellow.setColor(QPalette::Button, QColor(255, 255, 0));
        yellow.setColor(QPalette::ButtonText, Qt::black);
        button->setPalette(yellow);
        connect(button, &QPushButton::clicked, this, [this, advice = kColumns[c].advice] {
            shell().platform().inform(this, app::kHelpTitle, advice, MessageIcon::information);
        });
    }
}

void WallCheckWindow::buildRows() {
    storeySelector_ = place(new SelectorScrollBar(Qt::Vertical, form()), kLeft, kRowTop, kSelectorWidth,
                            10 * kRowStep - (kRowStep - kRowHeight));
    storeySelector_->setObjectName(QStringLiteral("VScroll1"));
    storeySelector_->setAccessibleName(QStringLiteral("piano"));
    storeySelector_->setToolTip(QStringLiteral("cliccare per visualizzare i setti degli altri piani"));
    storeySelector_->setRange(1, kMaxStoreys - 9);
    storeySelector_->setPageStep(1);
    connect(storeySelector_, &QScrollBar::valueChanged, this, &WallCheckWindow::showStoreys);

    for (int row = 0; row < 10; ++row) {
        const int top = kRowTop + row * kRowStep;
        QLabel* number = place(makeValueField(form()), kNumberLeft, top, kNumberWidth, kRowHeight);
        number->setAlignment(Qt::AlignCenter);
        number->setText(QString::number(row + 1));
        rows_[row][0] = number;
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            QLabel* cell = place(makeValueField(form()), kColumnLeft[c], top, kColumnWidth[c], kRowHeight);
            cell->setAlignment(Qt::AlignCenter);
            rows_[row][c + 1] = cell;
        }
    }
}

void WallCheckWindow::buildWallLine() {
    wallSelector_ =
        place(new SelectorScrollBar(Qt::Horizontal, form()), kLeft, kWallLineTop + 20, 3000, kSelectorWidth);
    wallSelector_->setObjectName(QStringLiteral("HScroll1"));
    wallSelector_->setAccessibleName(QStringLiteral("setto"));
    wallSelector_->setToolTip(QStringLiteral("cliccare per visualizzare gli altri setti da modificare"));
    wallSelector_->setRange(1, kMaxWalls);
    wallSelector_->setPageStep(5);
    connect(wallSelector_, &QScrollBar::valueChanged, this, &WallCheckWindow::showWall);

    wallCaption_ = addCaption(QStringLiteral("Setto n."), QStringLiteral("il setto visualizzato nella mappa"), 3360,
                              kWallLineTop, 3400, kWallLineHeight);
    wallCaption_->setObjectName(QStringLiteral("numerosetto"));
    setEmphasis(wallCaption_, 9, Qt::black);
    wallMark_ = addCaption(QString(), QStringLiteral("se il setto deve essere modificato"), 6900, kWallLineTop, 2580,
                           kWallLineHeight);
    wallMark_->setObjectName(QStringLiteral("modifica"));
    wallMark_->setAlignment(Qt::AlignCenter);
    setEmphasis(wallMark_, 10, kVerdictBlue);
}

void WallCheckWindow::printWindowData() { PrintCommands(links_).wallsToModify(*this); }

void WallCheckWindow::checkData() { checkEnteredData(links_, this); }

void WallCheckWindow::showWindowHelp() {
    shell().platform().inform(this, app::kHelpTitle, kHelpLines.join('\n'), MessageIcon::information);
}

QString WallCheckWindow::rowText(int row, int column) const { return rows_.at(row - 1).at(column)->text(); }

QString WallCheckWindow::wallCaption() const { return wallCaption_->text(); }

QString WallCheckWindow::wallMark() const { return wallMark_->text(); }

} // namespace calvex
