#include "help_page_window.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "ui/app_texts.h"
#include "ui/cls_resize.h"
#include "ui/window_host.h"
#include "windows/help_document_command.h"
#include "windows/help_texts.h"
#include "windows/twips_geometry.h"

namespace calvex {

namespace {

// Design sizes in twips: the quick manual is as wide as a work window,
// the other pages are narrower and stand to the right of the help index.
constexpr int kManualWidth = 9600;
constexpr int kPageWidth = 5640;
constexpr int kPageHeight = 6825;
constexpr int kPageLeft = 5467;

constexpr int kMargin = 120;
constexpr int kTitleHeight = 360;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 390;
constexpr int kButtonTop = kPageHeight - kButtonHeight - 150;
constexpr int kTextTop = kMargin + kTitleHeight + 60;

} // namespace

HelpPageWindow::HelpPageWindow(WindowHost& host, HelpPage page) : page_(page) {
    const Platform& platform = host.platform();
    const int width = page == HelpPage::manuale ? kManualWidth : kPageWidth;
    const HelpText help = helpText(page);
    setWindowTitle(QStringLiteral("Guida in linea"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* title = new QLabel(help.title, this);
    title->setObjectName(QStringLiteral("lblTitolo"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setPointSize(10);
    titleFont.setBold(true);
    title->setFont(titleFont);
    placeInTwips(platform, title, kMargin, kMargin, width - 2 * kMargin, kTitleHeight);

    auto* text = new QLabel(help.text);
    text->setObjectName(QStringLiteral("lblTesto"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignJustify | Qt::AlignTop);
    text->setMargin(4);
    QFont textFont = text->font();
    textFont.setPointSize(10);
    text->setFont(textFont);
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(text);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    placeInTwips(platform, scroller, kMargin, kTextTop, width - 2 * kMargin, kButtonTop - kTextTop - 120);

    auto* close = new QPushButton(QStringLiteral("&Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdChiudi"));
    close->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* print = new QPushButton(QStringLiteral("S&tampa"), this);
    print->setObjectName(QStringLiteral("cmdStampa"));
    connect(print, &QPushButton::clicked, this, [this, &host, help] {
        openHelpDocument(host, this, help.title, {help.text},
                         QStringLiteral("%1-guida - %2").arg(app::kProductName, help.title));
    });

    auto* index = new QPushButton(QStringLiteral("&Sommario"), this);
    index->setObjectName(QStringLiteral("cmdSommario"));
    index->setToolTip(QStringLiteral("cliccare per tornare al sommario"));
    connect(index, &QPushButton::clicked, this, [&host] { host.showHelpIndex(); });

    const int gap = (width - 3 * kButtonWidth) / 4;
    int left = gap;
    for (QPushButton* button : {close, print, index}) {
        placeInTwips(platform, button, left, kButtonTop, kButtonWidth, kButtonHeight);
        left += kButtonWidth + gap;
    }

    resize(twipsToPixels(platform, width, kPageHeight));
    auto* scaling = new ClsResize(platform, this);
    scaling->setSourceForm(this);
    scaling->sizeFormToScreen(75);
    resize(twipsToPixels(platform, width, kPageHeight));
    if (page != HelpPage::manuale) move(twipsToPixels(platform, kPageLeft), y());
}

} // namespace calvex
