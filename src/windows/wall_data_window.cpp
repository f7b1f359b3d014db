#include "windows/wall_data_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "windows/captions.h"
#include "windows/print_commands.h"
#include "windows/selector_scroll_bar.h"
#include "windows/window_links.h"

namespace calvex {

namespace {

struct EntryFieldSpec {
    QString caption, captionTip, copyTip;
};

const std::array<EntryFieldSpec, kWallFieldCount> kEntryFields{{
    {QStringLiteral("Misura in direzione X................................m."),
     QStringLiteral("dimensione del setto nella direzione X rispetto all'origine degli assi"),
     QStringLiteral("cliccare per copiare la misura in direzione X del setto precedente")},
    {QStringLiteral("Misura in direzione Y................................m."),
     QStringLiteral("dimensione del setto nella direzione Y rispetto all'origine degli assi"),
     QStringLiteral("cliccare per copiare la  misura in direzione Y del setto precedente")},
    {QStringLiteral("Ascissa del baricentro del setto................m."),
     QStringLiteral("coordinata X rispetto all'origine degli assi"),
     QStringLiteral("cliccare per copiare l'ascissa del baricentro del setto precedente")},
    {QStringLiteral("Ordinata del baricentro del setto..............m."),
     QStringLiteral("coordinata Y rispetto all'origine degli assi"),
     QStringLiteral("cliccare per copiare l'ordinata del baricentro del setto precedente")},
    {QStringLiteral("Forza dovuta ai tiranti verticali...................t."),
     QStringLiteral("forza dispiegata nel setto da eventuali tiranti verticali"),
     QStringLiteral("cliccare per copiare la forza dovuta ai tiranti verticali del setto precedente")},
    {QStringLiteral("Forza dovuta ai tiranti orizzontali................t."),
     QStringLiteral("forza dispiegata nel setto da eventuali tiranti orizzontali"),
     QStringLiteral("cliccare per copiare la forza dovuta ai tiranti orizzontali del setto precedente")},
    {QStringLiteral("Tensione tangenziale ammissibile........t/mq."),
     QStringLiteral("tensione ammissibile a taglio nella muratura"),
     QStringLiteral("cliccare per copiare la tensione tangenziale ammissibile del setto precedente")},
    {QStringLiteral("Sigma ammissibile................................t/mq."),
     QStringLiteral("sigma a compressione ammissibile nella muratura"),
     QStringLiteral("cliccare per copiare il sigma ammissibile del setto precedente")},
    {QStringLiteral("Superficie di influenza dei solai..............mq."),
     QStringLiteral("porzione di solai che scaricano sul setto"),
     QStringLiteral("cliccare per copiare la superficie di influenza dei solai del setto precedente")},
    {QStringLiteral("Superficie di influenza degli sbalzi..........mq."),
     QStringLiteral("porzione di sbalzi che scaricano sul setto"),
     QStringLiteral("cliccare per copiare la superficie di influenza degli sbalzi del setto precedente")},
}};

const std::array<QString, 14> kResultCaptions{
    QStringLiteral("Peso proprio della muratura..................t."),
    QStringLiteral("Carichi sismici gravanti sul setto..........t."),
    QStringLiteral("Sforzo normale alla base.......................t."),
    QStringLiteral("Tensione di compressione alla base...t/mq"),
    QStringLiteral("Rigidezza in direzione X.....................t/m"),
    QStringLiteral("Rigidezza in direzione Y.....................t/m"),
    QStringLiteral("Ascissa dal baricentro delle rigidezze..m."),
    QStringLiteral("Ordinata dal baricentro delle rigidezze.m."),
    QStringLiteral("Direzione delle forze agenti"),
    QStringLiteral("Quota della forza di piano....................t."),
    QStringLiteral("Forza orizzontale agente sul setto.......t."),
    QStringLiteral("Forza ultima tagliante............................t."),
    QStringLiteral("Tensione massima nel setto................t/mq"),
    QStringLiteral("Forza dovuta al momento torcente.......t."),
};

// Layout of the drawing area, in twips.
constexpr int kEntryTop = 720, kEntryStep = 370, kEntryHeight = 300;
constexpr int kResultTop = 120, kResultStep = 315, kResultHeight = 270;

} // namespace

WallDataWindow::WallDataWindow(WindowLinks& links)
    : WorkWindow(links, WorkWindowId::sismica, QStringLiteral("Calvex: verifica sismica")), links_(links) {
    setObjectName(QStringLiteral("sismica"));
    auto* heading = addCaption(QStringLiteral("DATI DELLA VERIFICA"),
                               QStringLiteral("dati da inserire per effettuare la verifica sismica del setto"), 120,
                               100, 4500, 300);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    storeyLabel_ = addCaption(QStringLiteral("piano n. 1"),
                              QStringLiteral("numero del piano a cui appartiene il setto"), 120, 400, 2000, 280);
    wallLabel_ = addCaption(QStringLiteral("setto n. 1"), QStringLiteral("numero del setto da verificare"), 2400, 400,
                            2000, 280);
    storeyLabel_->setFont(bold);
    wallLabel_->setFont(bold);
    buildEntryFields();
    buildResultFields();

    const int bottom = kEntryTop + kWallFieldCount * kEntryStep + 300;
    auto* order = place(new QPushButton(QStringLiteral("Ordi&na"), form()), 120, bottom, 900, 380);
    order->setObjectName(QStringLiteral("ordino"));
    order->setToolTip(QStringLiteral("cliccare per ordinare i dati (prima i setti in direzione X)"));
    connect(order, &QPushButton::clicked, this, &WallDataWindow::orderWalls);
    auto* plan = place(new QPushButton(QStringLiteral("&Pianta"), form()), 1080, bottom, 900, 380);
    plan->setObjectName(QStringLiteral("pianta"));
    plan->setToolTip(QStringLiteral("cliccare per visualizzare la pianta del piano con il setto in evidenza"));
    connect(plan, &QPushButton::clicked, this, &WallDataWindow::showPlan);
    liveButton_ = place(new QPushButton(QStringLiteral("RISULTATI DELLA VERIFICA"), form()), 2040, bottom, 2660, 380);
    liveButton_->setObjectName(QStringLiteral("risulta"));
    showLiveState();
    connect(liveButton_, &QPushButton::clicked, this, &WallDataWindow::toggleLiveCalculation);
    verdict_ = place(new QLabel(form()), 5000, bottom, 4400, 380);
    verdict_->setObjectName(QStringLiteral("risultato"));
    verdict_->setAlignment(Qt::AlignCenter);
    QFont large = bold;
    large.setPointSize(10);
    verdict_->setFont(large);
    progress_ = place(new QProgressBar(form()), 5000, bottom - 250, 4400, 180);
    progress_->setTextVisible(false);
    progress_->hide();
    addBottomButtons(bottom + 500);
    finishLayout();
}

void WallDataWindow::buildEntryFields() {
    for (int f = 0; f < kWallFieldCount; ++f) {
        const EntryFieldSpec& spec = kEntryFields[f];
        const int top = kEntryTop + f * kEntryStep;
        QLabel* caption = addCaption(spec.caption, spec.captionTip, 120, top, 3280, kEntryHeight);
        auto* field = place(new QLineEdit(form()), 3420, top - 15, 880, kEntryHeight + 30);
        field->setObjectName(QStringLiteral("datisismici%1").arg(f + 1));
        field->setAccessibleName(accessibleCaption(spec.caption));
        caption->setBuddy(field);
        connect(field, &QLineEdit::textChanged, this, [this, f](const QString& text) { fieldChanged(f, text); });
        fields_[f] = field;
        auto* copy = place(new QPushButton(QStringLiteral("C"), form()), 4330, top - 15, 300, kEntryHeight + 30);
        copy->setObjectName(QStringLiteral("copiami%1").arg(f + 1));
        copy->setToolTip(spec.copyTip);
        copy->setAccessibleName(QStringLiteral("C ") + field->accessibleName());
        connect(copy, &QPushButton::clicked, this, [this, f] { copyFromPreviousWall(f); });
    }
    storeyScroll_ = place(new SelectorScrollBar(Qt::Vertical, form()), 4700, kEntryTop - 15, 240,
                          (kWallFieldCount - 1) * kEntryStep + kEntryHeight + 30);
    storeyScroll_->setObjectName(QStringLiteral("VScroll1"));
    storeyScroll_->setAccessibleName(QStringLiteral("piano"));
    storeyScroll_->setRange(1, kMaxStoreys);
    connect(storeyScroll_, &QScrollBar::valueChanged, this, &WallDataWindow::storeyScrolled);
    wallScroll_ =
        place(new SelectorScrollBar(Qt::Horizontal, form()), 120, kEntryTop + kWallFieldCount * kEntryStep, 4510, 240);
    wallScroll_->setObjectName(QStringLiteral("HScroll1"));
    wallScroll_->setAccessibleName(QStringLiteral("setto"));
    wallScroll_->setRange(1, kMaxWalls);
    connect(wallScroll_, &QScrollBar::valueChanged, this, &WallDataWindow::wallScrolled);
}

void WallDataWindow::buildResultFields() {
    for (int i = 0; i < 14; ++i) {
        const int top = kResultTop + i * kResultStep;
        QLabel* caption = addCaption(kResultCaptions[i], QString(), 5050, top, 3200, kResultHeight);
        auto* field = place(new QLabel(form()), 8300, top, 1100, kResultHeight);
        field->setObjectName(QStringLiteral("risultati%1").arg(i + 1));
        field->setAutoFillBackground(true);
        field->setFrameShape(QFrame::Panel);
        field->setFrameShadow(QFrame::Sunken);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(field);
        results_[i] = field;
    }
    resetResultColours();
}

void WallDataWindow::printTemplate() { PrintCommands(links_).wallTemplate(*this); }

void WallDataWindow::printWindowData() { PrintCommands(links_).wallDataAndResults(*this); }

int WallDataWindow::shownStorey() const { return storeyScroll_->value(); }

int WallDataWindow::shownWall() const { return wallScroll_->value(); }

void WallDataWindow::showPlan() { showWindow(WorkWindowId::pianta); }

QString WallDataWindow::resultField(int field) const { return results_[field - 1]->text(); }

QString WallDataWindow::verdictText() const { return verdict_->text(); }

} // namespace calvex
