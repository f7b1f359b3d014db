#include "help_index_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "ui/app_texts.h"
#include "ui/cls_resize.h"
#include "ui/window_host.h"
#include "windows/help_document_command.h"
#include "windows/twips_geometry.h"

namespace calvex {

namespace {

constexpr std::array<const char*, HelpIndexWindow::kEntryCount> kEntryCaptions{
    "  Manuale d'uso rapido",
    "  Funzionamento del programma",
    "  Archivio dati",
    " Come stampare",
    " Finestra 'Dati'",
    " Finestra 'Verifica sismica'",
    " Finestra 'Risultati dei piani'",
    " Finestra 'Controllo dei setti'",
    " Finestra Frontespizio",
    " Finestra 'Pianta del piano'",
    " Validazione: casi prova",
    "  Suggerimento del giorno",
};
constexpr int kTipsEntry = HelpIndexWindow::kEntryCount;

// Layout in twips.
constexpr int kWidth = 3975;
constexpr int kHeight = 6825;
constexpr int kMargin = 120;
constexpr int kFirstEntryTop = 600;
constexpr int kEntryHeight = 360;
constexpr int kArrowWidth = 720;
constexpr int kArrowLeft = kWidth - kMargin - kArrowWidth;
constexpr int kLabelWidth = kArrowLeft - kMargin - 60;
constexpr int kButtonWidth = 1125;
constexpr int kButtonHeight = 390;
constexpr int kButtonTop = 6000;
// Eleven entries stand 480 twips apart; more share the same room.
constexpr int kEntryPitch = std::min(480, (kButtonTop - kMargin - kFirstEntryTop) / HelpIndexWindow::kEntryCount);

void showRaised(QLabel* label) { label->setFrameStyle(QFrame::Box | QFrame::Plain); }

} // namespace

HelpIndexWindow::HelpIndexWindow(WindowHost& host) : host_(host) {
    const Platform& platform = host.platform();
    setWindowTitle(QStringLiteral("Calvex: guida in linea"));
    setMouseTracking(true);

    auto* heading = new QLabel(QStringLiteral("Argomenti della guida"), this);
    heading->setAlignment(Qt::AlignCenter);
    QFont headingFont = heading->font();
    headingFont.setPointSize(10);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    placeInTwips(platform, heading, kMargin, 150, kWidth - 2 * kMargin, kEntryHeight);

    buildEntries();
    buildButtons();

    resize(twipsToPixels(platform, kWidth, kHeight));
    auto* scaling = new ClsResize(platform, this);
    scaling->setSourceForm(this);
    scaling->sizeFormToScreen(75);
    resize(twipsToPixels(platform, kWidth, kHeight));
}

void HelpIndexWindow::buildEntries() {
    const Platform& platform = host_.platform();
    for (int i = 0; i < kEntryCount; ++i) {
        const int entry = i + 1;
        const int top = kFirstEntryTop + i * kEntryPitch;
        auto* label = new QLabel(QString::fromUtf8(kEntryCaptions[i]), this);
        label->setObjectName(QStringLiteral("lbl%1").arg(entry));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        showRaised(label);
        placeInTwips(platform, label, kMargin, top, kLabelWidth, kEntryHeight);
        labels_[i] = label;

        auto* arrow = new QPushButton(QStringLiteral("--->"), this);
        arrow->setObjectName(QStringLiteral("puls%1").arg(entry));
        arrow->setMouseTracking(true);
        placeInTwips(platform, arrow, kArrowLeft, top, kArrowWidth, kEntryHeight);
        connect(arrow, &QPushButton::clicked, this, [this, entry] { openEntry(entry); });
        arrows_[i] = arrow;
    }
}

void HelpIndexWindow::buildButtons() {
    const Platform& platform = host_.platform();
    auto* exit = new QPushButton(QStringLiteral("&USCITA"), this);
    exit->setObjectName(QStringLiteral("cmduscita"));
    exit->setToolTip(QStringLiteral("cliccare per uscire da Calvex"));
    connect(exit, &QPushButton::clicked, this, [this] { host_.exitProgram(this); });

    auto* close = new QPushButton(QStringLiteral("&Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdchiudi"));
    close->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* print = new QPushButton(QStringLiteral("&Stampa"), this);
    print->setObjectName(QStringLiteral("cmdstampa"));
    print->setToolTip(QStringLiteral("cliccare per avere la copia su carta del sommario"));
    connect(print, &QPushButton::clicked, this, [this] {
        QStringList captions;
        for (const char* caption : kEntryCaptions) captions << QString::fromUtf8(caption).trimmed();
        openHelpDocument(host_, this, QStringLiteral("Argomenti della guida"), captions,
                         app::kProductName + QStringLiteral("-guida"));
    });

    const int gap = (kWidth - 3 * kButtonWidth) / 4;
    int left = gap;
    for (QPushButton* button : {exit, close, print}) {
        placeInTwips(platform, button, left, kButtonTop, kButtonWidth, kButtonHeight);
        left += kButtonWidth + gap;
    }
}

void HelpIndexWindow::openEntry(int entry) {
    if (entry == kTipsEntry)
        host_.showTips();
    else
        host_.showHelpPage(static_cast<HelpPage>(entry - 1));
}

void HelpIndexWindow::highlight(int entry) {
    for (int i = 0; i < kEntryCount; ++i) {
        QFont font = labels_[i]->font();
        font.setBold(i + 1 == entry);
        labels_[i]->setFont(font);
    }
}

int HelpIndexWindow::entryOf(const QObject* object) const {
    for (int i = 0; i < kEntryCount; ++i)
        if (object == labels_[i] || object == arrows_[i]) return i + 1;
    return 0;
}

// Moves over an entry reach the window too: its label and arrow leave
// them to their parent.
void HelpIndexWindow::mouseMoveEvent(QMouseEvent* event) { highlight(entryOf(childAt(event->position().toPoint()))); }

bool HelpIndexWindow::eventFilter(QObject* watched, QEvent* event) {
    const int entry = entryOf(watched);
    if (entry != 0 && event->type() == QEvent::MouseButtonPress) {
        labels_[entry - 1]->setFrameShape(QFrame::NoFrame);
        openEntry(entry);
        return true;
    }
    if (entry != 0 && event->type() == QEvent::MouseButtonRelease) {
        showRaised(labels_[entry - 1]);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace calvex
