#include "windows/general_data_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "ui/app_texts.h"
#include "ui/work_windows.h"
#include "windows/captions.h"
#include "windows/combo_accessibility.h"
#include "windows/print_commands.h"
#include "windows/selector_scroll_bar.h"
#include "windows/window_links.h"

namespace calvex {

namespace {

struct GeneralFieldSpec {
    GeneralField field;
    const char* name;
    QString caption, captionTip, fieldTip;
    QStringList choices; // a drop-down list with free text when not empty
};

const QString kPresetTip = QStringLiteral("i valori preimpostati sono desunti dalla normativa vigente");

const std::array<GeneralFieldSpec, 7> kGeneralFields{{
    {GeneralField::grado,
     "grado",
     QStringLiteral(" Grado di sismicit\u00e0"),
     QStringLiteral("2=non sismica; 6=bassa sismicit\u00e0; 9=II' categoria; 12=I' categoria"),
     kPresetTip,
     {"2", "6", "9", "12"}},
    {GeneralField::strutt,
     "strutt",
     QStringLiteral(" Coefficiente di struttura"),
     QStringLiteral("beta=4 per la verifica 'a rottura'"),
     QStringLiteral("il valore preimpostato \u00e8 quello comunemente usato nei calcoli"),
     {}},
    {GeneralField::riduz,
     "riduz",
     QStringLiteral(" Coefficiente di riduzione dei sovraccarichi"),
     QStringLiteral("s=0.33 per abitazioni, alberghi, uffici privati; s=0.5 per locali con affollamento "
                    "(uffici,banche,scuole,ecc.); s=1 per locali con grande affollamento (sale,chiese,negozi,ecc.)"),
     kPresetTip,
     {"0.33", "0.50", "1.00"}},
    {GeneralField::protez,
     "protez",
     QStringLiteral(" Coefficiente di protezione sismica"),
     QStringLiteral("I=1.4 per opere di importanza primaria; I=1.2 per opere che presentano un particolare rischio; "
                    "I=1 negli altri casi"),
     kPresetTip,
     {"1.0", "1.2", "1.4"}},
    {GeneralField::np,
     "np",
     QStringLiteral(" Numero massimo dei piani"),
     QStringLiteral("i piani dell'edificio fino ad un massimo di 20"),
     QStringLiteral("digitare un numero compreso tra 1 e 20"),
     {}},
    {GeneralField::numsetx,
     "numsetx",
     QStringLiteral(" Numero massimo dei setti in direzione  X"),
     QStringLiteral("il numero massimo in pianta dei setti paralleli all'asse X"),
     QStringLiteral("digitare un valore compreso tra 1 e 100 (praticamente 100 \u00e8 il numero massimo dei setti "
                    "nelle due direzioni)"),
     {}},
    {GeneralField::numsety,
     "numsety",
     QStringLiteral(" Numero massimo dei setti in direzione  Y"),
     QStringLiteral("il numero massimo in pianta dei setti paralleli all'asse Y"),
     QStringLiteral("digitare un numero compreso tra 1 e 100 (viene controllato in automatico il massimo valore "
                    "di 100 setti complessivi)"),
     {}},
}};

struct StoreyFieldSpec {
    const char* name;
    QString caption, captionTip;
};

const std::array<StoreyFieldSpec, kFloorFieldCount> kStoreyFields{{
    {"specifico", QStringLiteral(" Peso specifico delle murature.....................t/mc"),
     QStringLiteral("valore preimpostato, ma modificabile, riferito alla media dei muri del piano")},
    {"permsolai", QStringLiteral(" Carichi permanenti del solaio......................t/mq"),
     QStringLiteral("il peso proprio, i pavimenti, i divisori gravanti")},
    {"accsolai", QStringLiteral(" Sovraccarico accidentale del solaio...........t/mq"),
     QStringLiteral("i sovraccarichi determinati in base all'uso del piano")},
    {"permsbalzi", QStringLiteral(" Carichi permanenti degli sbalzi....................t/mq"),
     QStringLiteral("il peso proprio, i pavimenti, gli eventuali divisori e i parapetti")},
    {"accsbalzi", QStringLiteral(" Sovraccarichi accidentali degli sbalzi.........t/mq"),
     QStringLiteral("non inferiore a 0.4 t/mq")},
    {"hp", QStringLiteral(" Altezza del piano............................................m."),
     QStringLiteral("l'altezza d'interpiano, comprendente cio\u00e8 met\u00e0 spessore dei solai sotto e sopra")},
}};

const QStringList kHelpLines{
    QStringLiteral("- Prelevare un file di dati archiviati del tipo Calvex-dati-...;"),
    QStringLiteral("- seguire le indicazioni progressive nella casella gialla in basso nella finestra;"),
    QStringLiteral("- digitare i dati mancanti nei campi a sfondo bianco sulla colonna di sinistra;"),
    QStringLiteral("- modificare, se necessario, i coefficienti preimpostati;"),
    QStringLiteral("- modificare, se necessario, i dati dei piani preimpostati sulla colonna di destra (campi a "
                   "sfondo bianco);"),
    QStringLiteral("- effettuare il controllo dei dati immessi cliccando sul tasto ABC;"),
    QStringLiteral("- (eventuali correzioni vengono segnalate quando si clicca su AVANTI o si archiviano i dati)."),
};

// Layout of the drawing area, in twips.
constexpr int kRowTop = 650, kRowStep = 480, kRowHeight = 315;
constexpr int kLeftCaption = 120, kLeftCaptionWidth = 3450, kLeftField = 3600, kLeftFieldWidth = 900;
constexpr int kRightCaption = 4700, kRightCaptionWidth = 3600, kRightField = 8340, kRightFieldWidth = 660;

// Shows a text without running the field's change handling.
void display(QWidget* field, const QString& text) {
    const QSignalBlocker blocker(field);
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        const QSignalBlocker editBlocker(combo->lineEdit());
        combo->setEditText(text);
    } else {
        static_cast<QLineEdit*>(field)->setText(text);
    }
}

int index(GeneralField field) { return static_cast<int>(field); }

} // namespace

GeneralDataWindow::GeneralDataWindow(WindowLinks& links)
    : WorkWindow(links, WorkWindowId::dati, QStringLiteral("Calvex: dati generali")), links_(links) {
    setObjectName(QStringLiteral("dati"));
    ProjectData& project = links.project();
    project.currentFloor = 1;
    project.setStartCoefficients();
    for (FloorField field :
         {FloorField::permsolai, FloorField::accsolai, FloorField::permsbalzi, FloorField::accsbalzi})
        project.setFloor(0, field, FieldValue::integer(0));

    auto* heading =
        addCaption(QStringLiteral("INTRODUZIONE DATI GENERALI DELLA STRUTTURA"), QString(), 120, 100, 9240, 330);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(10);
    heading->setFont(bold);
    buildGeneralColumn();
    buildStoreyColumn();
    buildHintAndButtons();
    setStoreyColumnEnabled(false);
    updateHint();
    finishLayout();
}

void GeneralDataWindow::buildGeneralColumn() {
    for (const GeneralFieldSpec& spec : kGeneralFields) {
        const int top = kRowTop + index(spec.field) * kRowStep;
        QLabel* caption = addCaption(spec.caption, spec.captionTip, kLeftCaption, top, kLeftCaptionWidth, kRowHeight);
        QWidget* field = nullptr;
        if (spec.choices.isEmpty()) {
            auto* edit = new QLineEdit(form());
            connect(edit, &QLineEdit::textChanged, this,
                    [this, f = spec.field](const QString& text) { generalFieldChanged(f, text); });
            field = edit;
        } else {
            installComboAccessibility();
            auto* combo = new QComboBox(form());
            combo->setEditable(true);
            combo->addItems(spec.choices);
            combo->setInsertPolicy(QComboBox::NoInsert);
            connect(combo, &QComboBox::editTextChanged, this,
                    [this, f = spec.field](const QString& text) { generalFieldChanged(f, text); });
            field = combo;
        }
        field->setObjectName(QString::fromLatin1(spec.name));
        field->setToolTip(spec.fieldTip);
        field->setAccessibleName(accessibleCaption(spec.caption));
        caption->setBuddy(field);
        place(field, kLeftField, top - 15, kLeftFieldWidth, kRowHeight + 30);
        generalFields_[index(spec.field)] = field;
        display(field, QString::fromStdString(texts_[spec.field]));
    }
}

void GeneralDataWindow::buildStoreyColumn() {
    storeyLabel_ =
        addCaption(QStringLiteral("piano n. 1"), QStringLiteral("il piano a cui si riferiscono i dati della colonna"),
                   kRightCaption, kRowTop, 3000, kRowHeight);
    QFont bold = storeyLabel_->font();
    bold.setBold(true);
    storeyLabel_->setFont(bold);
    for (int f = 0; f < kFloorFieldCount; ++f) {
        const StoreyFieldSpec& spec = kStoreyFields[f];
        const int top = kRowTop + (f + 1) * kRowStep;
        QLabel* caption = addCaption(spec.caption, spec.captionTip, kRightCaption, top, kRightCaptionWidth, kRowHeight);
        auto* edit = place(new QLineEdit(form()), kRightField, top - 15, kRightFieldWidth, kRowHeight + 30);
        edit->setObjectName(QString::fromLatin1(spec.name));
        edit->setAccessibleName(accessibleCaption(spec.caption));
        caption->setBuddy(edit);
        connect(edit, &QLineEdit::textChanged, this,
                [this, f](const QString& text) { storeyFieldChanged(static_cast<FloorField>(f), text); });
        storeyFields_[f] = edit;
    }
    storeyScroll_ = place(new SelectorScrollBar(Qt::Vertical, form()), kRightField + kRightFieldWidth + 60,
                          kRowTop + kRowStep - 15, 255, kFloorFieldCount * kRowStep - 120);
    storeyScroll_->setObjectName(QStringLiteral("VScroll1"));
    storeyScroll_->setAccessibleName(QStringLiteral("piano"));
    storeyScroll_->setRange(1, kMaxStoreys);
    connect(storeyScroll_, &QScrollBar::valueChanged, this, &GeneralDataWindow::storeyScrolled);
}

void GeneralDataWindow::buildHintAndButtons() {
    const int top = kRowTop + 7 * kRowStep + 120;
    hint_ = place(new QLabel(form()), kLeftCaption, top, 6900, 800);
    hint_->setObjectName(QStringLiteral("passo"));
    hint_->setToolTip(QStringLiteral("indicazioni progressive sull'uso della finestra"));
    hint_->setWordWrap(true);
    hint_->setFrameShape(QFrame::Box);
    hint_->setMargin(4);
    hint_->setAutoFillBackground(true);
    QPalette yellow = hint_->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    hint_->setPalette(yellow);

    ahead_ = place(new QPushButton(QStringLiteral(" AVA&NTI"), form()), 7200, top, 1000, 420);
    ahead_->setObjectName(QStringLiteral("avanti"));
    ahead_->setToolTip(QStringLiteral("cliccare per passare alla finestra 'Verifica sismica'"));
    connect(ahead_, &QPushButton::clicked, this, &GeneralDataWindow::goAhead);
    auto* help = place(new QPushButton(QStringLiteral("&AIUTO"), form()), 8300, top, 1000, 420);
    help->setObjectName(QStringLiteral("aiuto"));
    help->setToolTip(QStringLiteral("cliccare per avere informazioni sull'uso della finestra"));
    connect(help, &QPushButton::clicked, this, &GeneralDataWindow::showHelp);
    progress_ = place(new QProgressBar(form()), 7200, top + 500, 2100, 200);
    progress_->setTextVisible(false);
    progress_->hide();
}

void GeneralDataWindow::printTemplate() { PrintCommands(links_).generalTemplate(*this); }

void GeneralDataWindow::printWindowData() { PrintCommands(links_).generalTable(*this); }

void GeneralDataWindow::show(const WindowMessage& message) {
    shell().platform().inform(this, app::kCheckTitle, QString::fromStdString(message.text), message.icon);
}

void GeneralDataWindow::generalFieldChanged(GeneralField field, const QString& text) {
    const FieldChangeOutcome outcome = applyGeneralFieldChange(shell().project(), texts_, field, text.toStdString());
    if (outcome.emptied) display(generalFields_[index(field)], QString());
    if (outcome.message) show(*outcome.message);
    if (outcome.storeyColumn != StoreyColumn::unchanged)
        setStoreyColumnEnabled(outcome.storeyColumn == StoreyColumn::enabled);
    if (outcome.showStorey) showStorey(1);
    if (outcome.updateHint) updateHint();
}

void GeneralDataWindow::storeyFieldChanged(FloorField field, const QString& text) {
    applyStoreyFieldChange(shell().project(), field, text.toStdString());
}

void GeneralDataWindow::showStorey(int storey) {
    if (storeyScroll_->value() == storey)
        storeyScrolled(storey);
    else
        storeyScroll_->setValue(storey);
}

void GeneralDataWindow::storeyScrolled(int value) {
    const SelectorOutcome outcome = selectGeneralStorey(shell().project(), texts_, value);
    if (outcome.step == SelectorStep::refused) {
        showStorey(outcome.position);
        storeyScroll_->refuseStep([this, message = *outcome.message] { show(message); });
        return;
    }
    if (outcome.step != SelectorStep::accepted) return;
    storeyLabel_->setText(QStringLiteral("piano n. %1").arg(value));
    fillStoreyFields();
    updateHint();
}

void GeneralDataWindow::fillStoreyFields() {
    const ProjectData& project = shell().project();
    for (int f = 0; f < kFloorFieldCount; ++f)
        display(storeyFields_[f],
                QString::fromStdString(project.floor(project.currentFloor, static_cast<FloorField>(f)).fieldText()));
}

void GeneralDataWindow::updateHint() {
    // Moving to the storey that the hint names runs the hint again: once is enough.
    if (updatingHint_) return;
    updatingHint_ = true;
    const GeneralHint hint = generalHint(shell().project(), texts_);
    if (hint.message) show(*hint.message);
    if (hint.storeyToShow > 0) showStorey(hint.storeyToShow);
    hint_->setText(QString::fromStdString(hint.text));
    updatingHint_ = false;
}

QString GeneralDataWindow::hintText() const { return hint_->text(); }

int GeneralDataWindow::shownStorey() const { return storeyScroll_->value(); }

void GeneralDataWindow::setStoreyColumnEnabled(bool enabled) {
    for (QLineEdit* field : storeyFields_) field->setEnabled(enabled);
    storeyScroll_->setEnabled(enabled);
}

bool GeneralDataWindow::validate(CheckMode mode) {
    const CheckResult result = checkGeneralData(texts_, mode);
    if (result.message) show(*result.message);
    return result.passed;
}

bool GeneralDataWindow::validateValues() {
    const std::optional<ValueRefusal> refusal = checkSignificantValues(shell().project());
    if (!refusal) return true;
    show(refusal->message);
    if (refusal->storey > 0) showStorey(refusal->storey);
    return false;
}

void GeneralDataWindow::setFieldText(GeneralField field, const QString& text) {
    QWidget* widget = generalFields_[index(field)];
    display(widget, text);
    generalFieldChanged(field, text);
}

void GeneralDataWindow::loadGeneralValues() {
    for (GeneralField field : kGeneralEntryOrder)
        setFieldText(field, QString::fromStdString(shell().project().general(field).fieldText()));
}

void GeneralDataWindow::copyToNextStorey() {
    const StoreyCopy copy = planStoreyCopy(shell().project());
    if (copy.message) {
        show(*copy.message);
        return;
    }
    showStorey(copy.to);
    if (copyStoreyInputs(shell().project(), copy)) fillStoreyFields();
}

void GeneralDataWindow::clearWindow() {
    ProjectData& project = shell().project();
    const int previousStoreys = texts_.np.empty() ? 0 : project.storeyCount();
    for (GeneralField field : {GeneralField::strutt, GeneralField::riduz, GeneralField::protez}) {
        texts_[field] = GeneralFieldTexts{}[field];
        display(generalFields_[index(field)], QString::fromStdString(texts_[field]));
    }
    for (GeneralField field : {GeneralField::grado, GeneralField::np, GeneralField::numsetx, GeneralField::numsety}) {
        texts_[field].clear();
        display(generalFields_[index(field)], QString());
    }
    setStoreyColumnEnabled(false);
    project.resetGeneral(previousStoreys);
    for (int f = 0; f < kFloorFieldCount; ++f) {
        display(storeyFields_[f], QString());
        project.setFloor(project.currentFloor, static_cast<FloorField>(f), FieldValue::text(""));
    }
    updateHint();
}

void GeneralDataWindow::goAhead() {
    if (!validate(CheckMode::silent) || !validateValues()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    progress_->setValue(2);
    progress_->show();
    shell().project().prepareWallEntry();
    links_.showStoreyAndWall(1, 1);
    links_.setResultsStorey(1);
    shell().showWorkWindow(WorkWindowId::sismica);
    progress_->hide();
    QApplication::restoreOverrideCursor();
}

void GeneralDataWindow::chooseBackground() {
    const QColor grey(192, 192, 192);
    Platform& platform = shell().platform();
    if (background() != grey &&
        platform.askYesNo(this, QStringLiteral("Calvex: colore di sfondo"),
                          QStringLiteral("Desideri colori uguali e riposanti (grigio) per tutte le finestre?"))) {
        shell().choices().sharedBackground = grey;
        for (const WorkWindowInfo& info : kWorkWindows)
            if (WorkWindow* window = shell().existingWorkWindow(info.id)) window->setBackground(grey);
        return;
    }
    if (const auto colour = platform.chooseColor(this, shell().choices().lastChosenColour)) {
        shell().choices().lastChosenColour = *colour;
        setBackground(*colour);
    }
}

void GeneralDataWindow::showHelp() {
    shell().platform().inform(this, app::kHelpTitle, kHelpLines.join('\n'), MessageIcon::information);
}

} // namespace calvex
