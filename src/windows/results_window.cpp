// The results window's controls and the commands it offers.

#include "windows/results_window.h"

#include <QLabel>
#include <QPushButton>

#include "rules/results_verdicts.h"
#include "ui/app_texts.h"
#include "windows/captions.h"
#include "windows/failure_list_view.h"
#include "windows/print_commands.h"
#include "windows/results_data_check.h"
#include "windows/results_fields.h"
#include "windows/rule_texts.h"
#include "windows/selector_scroll_bar.h"
#include "windows/window_links.h"

namespace calvex {

namespace {

const std::array<QString, 7> kGeneralCaptions{
    QStringLiteral("Peso totale dell'edificio...................t."),
    QStringLiteral("Baricentro verticale delle masse....m."),
    QStringLiteral("Totale forze orizzontali....................t."),
    QStringLiteral("Centro delle forze orizzontali..........m."),
    QStringLiteral("Dimensione maggiore (D)..............m."),
    QStringLiteral("Dimensione minore (B)..................m."),
    QStringLiteral("Valore di lambda..............................:"),
};

const std::array<QString, 14> kStoreyCaptions{
    QStringLiteral("Peso totale del piano dell'edificio....t."),
    QStringLiteral("Coefficiente di distribuzione gamma"),
    QStringLiteral("Forza di piano.................................t."),
    QStringLiteral("Ascissa del baric.delle masse........m."),
    QStringLiteral("Ordinata del baric.delle masse.......m."),
    QStringLiteral("Ascissa del baric.delle rigidezze....m."),
    QStringLiteral("Ordinata del baric.delle rigidezze...m."),
    QStringLiteral("Eccentricit\u00e0 lungo l'asse X............m."),
    QStringLiteral("Eccentricit\u00e0 lungo l'asse Y............m."),
    QStringLiteral("Momento d'inerzia polare..............tm."),
    QStringLiteral("Momento torcente dovuto a D/B tm."),
    QStringLiteral("Forza dovuta al momento torcente t."),
    QStringLiteral("Coefficiente di sicurezza (direz. X)"),
    QStringLiteral("Coefficiente di sicurezza (direz. Y)"),
};

const std::array<QString, 3> kListCaptions{
    QStringLiteral("per forza ultima tagliante inferiore a forza orizz.agente"),
    QStringLiteral("per sigma ammissibile inferiore a sigma di lavoro"),
    QStringLiteral("per sezione parzializzata (inserire tiranti verticali)"),
};

const QStringList kHelpLines{
    QStringLiteral("- La finestra \u00e8 di sola lettura;"),
    QStringLiteral("- cliccare sulla barra di scorrimento verticale per visualizzare i risultati degli altri piani;"),
    QStringLiteral("- cliccare sui vari tasti verticali per visualizzare tutti i setti da modificare;"),
    QStringLiteral("- cliccare sul tasto 'Controllo' per visualizzare la finestra con la mappa delle modifiche da "
                   "apportare alla struttura."),
};

// Layout of the drawing area, in twips: the general results and the lists
// on the left, the storey selector in the middle, the storey on the right.
constexpr int kTitleTop = 100, kRowTop = 450, kRowStep = 270, kRowHeight = 240;
constexpr int kLeft = 120, kGeneralCaptionWidth = 2850, kGeneralField = 2990, kGeneralFieldWidth = 1390;
constexpr int kListTop = 2760, kListStep = 800, kListCaptionHeight = 210, kListHeight = 570, kListWidth = 4260;
constexpr int kSelectorLeft = 4620, kSelectorWidth = 255;
constexpr int kStoreyLeft = 5100, kStoreyCaptionWidth = 2850, kStoreyField = 7980, kStoreyFieldWidth = 1440;
constexpr int kVerdictTop = 4340, kVerdictHeight = 330;
constexpr int kBottomButtonsTop = 5220;

} // namespace

ResultsWindow::ResultsWindow(WindowLinks& links)
    : WorkWindow(links, WorkWindowId::risultati, QStringLiteral("Calvex: risultati dei piani e verifica globale")),
      links_(links) {
    setObjectName(QStringLiteral("risultati"));
    buildingVerdictText_ = qtText(kBuildingNotYetChecked);
    buildGeneralColumn();
    buildStoreyColumn();
    addBottomButtons(kBottomButtonsTop);
    finishLayout();
}

void ResultsWindow::buildGeneralColumn() {
    QLabel* title =
        addCaption(QStringLiteral("RISULTATI GENERALI"), QStringLiteral("i risultati riferiti all'intero edificio"),
                   kLeft, kTitleTop, kGeneralField + kGeneralFieldWidth - kLeft, kRowHeight + 60);
    setEmphasis(title, 9, Qt::black);
    for (int row = 0; row < 7; ++row) {
        const int top = kRowTop + row * kRowStep;
        QLabel* caption = addCaption(kGeneralCaptions[row], QString(), kLeft, top, kGeneralCaptionWidth, kRowHeight);
        QLabel* field = place(makeValueField(form()), kGeneralField, top, kGeneralFieldWidth, kRowHeight);
        field->setObjectName(QStringLiteral("generali%1").arg(row + 1));
        // The value is what the field says; the caption labels it.
        caption->setBuddy(field);
        general_[row] = field;
    }

    auto* open = place(new QPushButton(QStringLiteral("S&ETTI DA MODIFICARE:"), form()), kLeft,
                       kRowTop + 7 * kRowStep + 30, 2400, 330);
    open->setObjectName(QStringLiteral("Command1"));
    open->setToolTip(QStringLiteral("cliccare per visualizzare la finestra 'Controllo dei setti'"));
    connect(open, &QPushButton::clicked, this, &ResultsWindow::openWallCheck);

    for (int box = 0; box < 3; ++box) {
        const int top = kListTop + box * kListStep;
        addCaption(kListCaptions[box], QString(), kLeft, top, kListWidth, kListCaptionHeight);
        auto* list = place(new FailureListView(form()), kLeft, top + kListCaptionHeight, kListWidth, kListHeight);
        list->setObjectName(QStringLiteral("comm%1").arg(box + 1));
        list->setToolTip(QStringLiteral("elenco degli eventuali setti da modificare"));
        list->setAccessibleName(kListCaptions[box]);
        // Qt's list interface does not fall back on the tooltip.
        list->setAccessibleDescription(list->toolTip());
        lists_[box] = list;
    }
}

void ResultsWindow::buildStoreyColumn() {
    selector_ = place(new SelectorScrollBar(Qt::Vertical, form()), kSelectorLeft, kRowTop, kSelectorWidth,
                      14 * kRowStep - (kRowStep - kRowHeight));
    selector_->setObjectName(QStringLiteral("VScroll1"));
    selector_->setAccessibleName(QStringLiteral("piano"));
    selector_->setToolTip(QStringLiteral("cliccare per visualizzare i risultati degli altri piani"));
    selector_->setRange(0, kMaxStoreys);
    selector_->setPageStep(1);
    selector_->setValue(1);
    connect(selector_, &QScrollBar::valueChanged, this, &ResultsWindow::showStorey);

    storeyCaption_ =
        addCaption(QStringLiteral("Piano n."), QStringLiteral("il piano a cui si riferiscono i risultati"), kStoreyLeft,
                   kTitleTop, kStoreyField + kStoreyFieldWidth - kStoreyLeft, kRowHeight + 60);
    storeyCaption_->setObjectName(QStringLiteral("numeropiano"));
    setEmphasis(storeyCaption_, 9, Qt::black);
    for (int item = 0; item < 14; ++item) {
        const int top = kRowTop + item * kRowStep;
        QLabel* caption =
            addCaption(kStoreyCaptions[item], QString(), kStoreyLeft, top, kStoreyCaptionWidth, kRowHeight);
        QLabel* field = place(makeValueField(form()), kStoreyField, top, kStoreyFieldWidth, kRowHeight);
        field->setObjectName(QStringLiteral("rispiani%1").arg(item + 1));
        caption->setBuddy(field);
        items_[item] = field;
    }

    const int width = kStoreyField + kStoreyFieldWidth - kStoreyLeft;
    storeyVerdict_ = addCaption(QString(), QStringLiteral("la verifica del piano visualizzato"), kStoreyLeft,
                                kVerdictTop, width, kVerdictHeight);
    storeyVerdict_->setObjectName(QStringLiteral("verificapiani"));
    storeyVerdict_->setAlignment(Qt::AlignCenter);
    setEmphasis(storeyVerdict_, 10, kVerdictBlue);
    storeyVerdict_->hide();
    buildingVerdict_ = addCaption(buildingVerdictText_, QStringLiteral("la verifica dell'intero edificio"), kStoreyLeft,
                                  kVerdictTop + kVerdictHeight + 60, width, kVerdictHeight);
    buildingVerdict_->setObjectName(QStringLiteral("verificaedificio"));
    buildingVerdict_->setAlignment(Qt::AlignCenter);
    setEmphasis(buildingVerdict_, 10, kVerdictBlue);
}

void ResultsWindow::printWindowData() { PrintCommands(links_).resultsTable(*this); }

void ResultsWindow::checkData() { checkEnteredData(links_, this); }

void ResultsWindow::showWindowHelp() {
    shell().platform().inform(this, app::kHelpTitle, kHelpLines.join('\n'), MessageIcon::information);
}

void ResultsWindow::openWallCheck() {
    if (const auto refusal = refuseWallCheck(shell().project(), !general_[0]->text().isEmpty(),
                                             buildingVerdictText_ == qtText(kBuildingVerified))) {
        shell().platform().inform(this, app::kCheckTitle, qtText(refusal->message.text), refusal->message.icon);
        if (refusal->backToWalls) shell().showWorkWindow(WorkWindowId::sismica);
        return;
    }
    links_.makeFreshWallCheck(1, 1);
    shell().showWorkWindow(WorkWindowId::controllasetti);
}

QString ResultsWindow::generalValue(int row) const { return general_.at(row - 1)->text(); }

QString ResultsWindow::storeyItem(int item) const { return items_.at(item - 1)->text(); }

QString ResultsWindow::storeyCaption() const { return storeyCaption_->text(); }

QString ResultsWindow::storeyVerdict() const { return storeyVerdict_->isHidden() ? QString() : storeyVerdict_->text(); }

QString ResultsWindow::buildingVerdict() const { return buildingVerdict_->text(); }

QString ResultsWindow::failureList(int box) const {
    return QString::fromStdString(lists_.at(box - 1)->rows().list().str());
}

} // namespace calvex
