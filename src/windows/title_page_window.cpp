#include "title_page_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>
#include <utility>

#include "rules/title_page_rules.h"
#include "ui/app_texts.h"
#include "windows/print_commands.h"
#include "windows/rule_texts.h"
#include "windows/window_links.h"

namespace calvex {

namespace {

struct FieldText {
    TitleField field;
    const char* caption;
    const char* toolTip;
};

constexpr std::array<FieldText, kTitleFieldCount> kFieldTexts{{
    {TitleField::progetto,
     " progetto............................:", "la denominazione del progetto del quale si è elaborata la verifica"},
    {TitleField::localita, " località..............................:", "la località a cui si riferisce il progetto"},
    {TitleField::committente, " committente......................:", "chi ha commissionato il progetto"},
    {TitleField::architettonico, " progettista architettonico...:", "il tecnico della sola parte architettonica"},
    {TitleField::direttore,
     " direttore dei lavori..............:", "il direttore dei lavori delle opere da realizzare"},
    {TitleField::luogo, " luogo elaborazione............:", "la località in cui viene effettuata la elaborazione"},
    {TitleField::data, " data elaborazione.............:", "la data della elaborazione"},
    {TitleField::allegati, " allegati alla relazione.........:", "grafici, schemi, disegni, planimetrie, foto, ecc."},
}};

const QStringList kWindowHelp{
    QStringLiteral("- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei campi;"),
    QStringLiteral("- la data viene impostata in automatico, ma è modificabile;"),
    QStringLiteral("- aprire un file archiviato per prelevare, eventualmente, i dati registrati (Calvex-dati-...);"),
    QStringLiteral("- non digitare dati più lunghi di 60 spazi;"),
    QStringLiteral("- effettuare il controllo dei dati immessi cliccando sul tasto ABC."),
};

// Layout of the drawing area, in twips.
constexpr int kMargin = 240;
constexpr int kFieldLeft = 2940;
constexpr int kFieldWidth = 5520;
constexpr int kLineHeight = 300;
constexpr int kRowPitch = 330;
constexpr int kFirstRowTop = 420;
constexpr int kCalculatorTop = kFirstRowTop + kTitleFieldCount * kRowPitch + 120;
constexpr int kFrameTop = kCalculatorTop + 2 * kRowPitch + 120;
constexpr int kFrameHeight = 1140;
constexpr int kButtonTop = kFrameTop + kFrameHeight + 180;
constexpr int kButtonHeight = 390;
constexpr int kButtonGap = 60;

// What a screen reader says for a field: its caption without the dots.
QString spokenName(const QString& caption) {
    QString name = caption;
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(':'))) name.chop(1);
    return name.trimmed();
}

} // namespace

TitlePageWindow::TitlePageWindow(WindowLinks& links)
    : WorkWindow(links, WorkWindowId::frontespizio, QStringLiteral("Calvex: frontespizio per la relazione")),
      links_(links) {
    QLabel* heading = addCaption(QStringLiteral("Dati per la relazione"), QString(), kMargin, 90, 4000, kLineHeight);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    buildFields();
    buildCalculatorLines();
    buildReportChoice();
    buildButtons();

    ProjectData& project = links.project();
    // A project read before the window's first display keeps its own date.
    if (project.title(TitleField::data).empty())
        project.setTitle(TitleField::data, titlePageDate(yearMonthDay(links.platform().currentDate())));
    refreshFromProject();
    finishLayout();
}

void TitlePageWindow::buildFields() {
    for (int i = 0; i < kTitleFieldCount; ++i) {
        const FieldText& text = kFieldTexts[i];
        const QString caption = QString::fromUtf8(text.caption);
        const int top = kFirstRowTop + i * kRowPitch;
        QLabel* label = addCaption(caption, QString(), kMargin, top, kFieldLeft - kMargin - 60, kLineHeight);
        auto* field = place(new QLineEdit(form()), kFieldLeft, top, kFieldWidth, kLineHeight);
        field->setObjectName(QString::fromLatin1(kTitleFieldNames[static_cast<int>(text.field)]));
        field->setToolTip(QString::fromUtf8(text.toolTip));
        field->setAccessibleName(spokenName(caption));
        label->setBuddy(field);
        connect(field, &QLineEdit::textEdited, this,
                [this, f = text.field](const QString& typed) { textEdited(f, typed); });
        fields_[static_cast<int>(text.field)] = field;
    }
}

void TitlePageWindow::buildCalculatorLines() {
    addCaption(QStringLiteral(" il calcolatore......................:"),
               QStringLiteral("il professionista che ha eseguito la verifica delle strutture"), kMargin, kCalculatorTop,
               kFieldLeft - kMargin - 60, kLineHeight);
    const ShellSettings& settings = shell().settings();
    const std::array<std::pair<const char*, QString>, 2> lines{{
        {"Labelstudio", settings.calculatorName},
        {"labelindirizzo", settings.calculatorAddress},
    }};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto* line = place(new QLabel(lines[i].second, form()), kFieldLeft,
                           kCalculatorTop + static_cast<int>(i) * kRowPitch, kFieldWidth, kLineHeight);
        line->setObjectName(QString::fromLatin1(lines[i].first));
        line->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
}

void TitlePageWindow::buildReportChoice() {
    auto* frame = place(new QGroupBox(QStringLiteral("Tipo di stampa"), form()), kMargin, kFrameTop,
                        kFieldLeft + kFieldWidth - kMargin, kFrameHeight);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(twipsToPixels(120), 0, twipsToPixels(120), twipsToPixels(60));
    reportChoice_ = new QButtonGroup(this);
    const std::array<QString, 2> captions{
        QStringLiteral("Stampa con Word (relazione modificabile e integrabile)"),
        QStringLiteral("Stampa diretta (con editor interno: relazione non modificabile)"),
    };
    for (int index = 1; index <= 2; ++index) {
        auto* option = new QRadioButton(captions[index - 1], frame);
        option->setObjectName(QStringLiteral("comestampo%1").arg(index));
        reportChoice_->addButton(option, index);
        layout->addWidget(option);
    }
    reportChoice_->button(static_cast<int>(ReportForm::wordDocument))->setChecked(true);
}

void TitlePageWindow::buildButtons() {
    struct ButtonText {
        const char* name;
        const char* caption;
        const char* toolTip;
        int width;
    };
    constexpr std::array<ButtonText, 7> kButtons{{
        {"aiuto", "&AIUTO", "cliccare per avere informazioni sull'uso della finestra", 960},
        {"guida", "&Guida in linea", "cliccare per visualizzare il Sommario della guida", 1440},
        {"dati", "&Dati", "cliccare per visualizzare la finestra 'Dati'", 960},
        {"sismica", "Verifica &sismica", "cliccare per visualizzare la finestra 'Verifica sismica'", 1500},
        {"risultati", "&Risultati dei piani", "cliccare per visualizzare la finestra 'Risultati dei piani'", 1740},
        {"stampa", "S&tampa", "cliccare per avere la stampa completa della elaborazione eseguita", 960},
        {"uscita", "&USCITA", "cliccare per uscire da Calvex", 960},
    }};
    std::array<QPushButton*, kButtons.size()> buttons{};
    int left = kMargin;
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const ButtonText& text = kButtons[i];
        buttons[i] = place(new QPushButton(QString::fromUtf8(text.caption), form()), left, kButtonTop, text.width,
                           kButtonHeight);
        buttons[i]->setObjectName(QString::fromLatin1(text.name));
        buttons[i]->setToolTip(QString::fromUtf8(text.toolTip));
        left += text.width + kButtonGap;
    }
    const auto show = [this](WorkWindowId id) { return [this, id] { shell().showWorkWindow(id); }; };
    connect(buttons[0], &QPushButton::clicked, this, [this] { showWindowHelp(); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { shell().showHelpIndex(); });
    connect(buttons[2], &QPushButton::clicked, this, show(WorkWindowId::dati));
    connect(buttons[3], &QPushButton::clicked, this, show(WorkWindowId::sismica));
    connect(buttons[4], &QPushButton::clicked, this, show(WorkWindowId::risultati));
    connect(buttons[5], &QPushButton::clicked, this, [this] { printAll(); });
    connect(buttons[6], &QPushButton::clicked, this, [this] { shell().exitProgram(this); });
}

void TitlePageWindow::textEdited(TitleField field, const QString& text) {
    shell().project().setTitle(field, utf8(text));
    if (exceedsPrintLimit(shell().project().title(field)))
        shell().platform().inform(this, app::kCheckTitle, qtText(kMessageTitleTooLong), MessageIcon::exclamation);
}

void TitlePageWindow::showWindowHelp() {
    shell().platform().inform(this, app::kHelpTitle, kWindowHelp.join(QLatin1Char('\n')), MessageIcon::information);
}

void TitlePageWindow::checkData() {
    const WindowMessage message = checkTitlePage(shell().project());
    shell().platform().inform(this, app::kCheckTitle, QString::fromStdString(message.text), message.icon);
}

void TitlePageWindow::clearWindow() {
    ProjectData& project = shell().project();
    for (int i = 0; i < kTitleFieldCount; ++i) {
        project.setTitle(static_cast<TitleField>(i), std::string());
        fields_[i]->clear();
    }
}

void TitlePageWindow::showOpenedArchive() { refreshFromProject(); }

void TitlePageWindow::refreshFromProject() {
    const ProjectData& project = shell().project();
    for (int i = 0; i < kTitleFieldCount; ++i)
        fields_[i]->setText(QString::fromStdString(project.title(static_cast<TitleField>(i))));
}

TitlePageWindow::ReportForm TitlePageWindow::reportForm() const {
    return static_cast<ReportForm>(reportChoice_->checkedId());
}

void TitlePageWindow::printAll() {
    if (reportForm() == ReportForm::directPrint)
        PrintCommands(links_).calculationReport(*this);
    else
        PrintCommands(links_).calculationDocument(*this);
}

void TitlePageWindow::printWindowData() { PrintCommands(links_).titlePageData(*this); }

} // namespace calvex
