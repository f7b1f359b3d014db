#include "tip_window.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "ui/window_host.h"
#include "windows/tip_file.h"
#include "windows/twips_geometry.h"

namespace calvex {

namespace {

// Layout in twips.
constexpr int kWidth = 6000;
constexpr int kHeight = 3600;
constexpr int kMargin = 240;
constexpr int kTextTop = 660;
constexpr int kTextHeight = 2040;
constexpr int kButtonWidth = 1440;
constexpr int kButtonHeight = 390;
constexpr int kButtonTop = kTextTop + kTextHeight + 240;

QString missingFileText(const QString& fileName) {
    return QStringLiteral("Impossibile trovare il file ") + fileName + QStringLiteral("\n\n") +
           QStringLiteral("Creare un file di testo denominato ") + fileName +
           QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni riga. ") +
           QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

} // namespace

TipWindow::TipWindow(WindowHost& host) {
    const Platform& platform = host.platform();
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));

    auto* heading = new QLabel(QStringLiteral("Non tutti sanno che..."), this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(11);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    placeInTwips(platform, heading, kMargin, 180, kWidth - 2 * kMargin, 420);

    text_ = new QLabel;
    text_->setObjectName(QStringLiteral("lblTipText"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setMargin(6);
    QFont textFont = text_->font();
    textFont.setPointSize(9);
    text_->setFont(textFont);
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(text_);
    scroller->setWidgetResizable(true);
    placeInTwips(platform, scroller, kMargin, kTextTop, kWidth - 2 * kMargin, kTextHeight);

    auto* previous = new QPushButton(QStringLiteral("&Precedente"), this);
    previous->setObjectName(QStringLiteral("cmdprecedente"));
    connect(previous, &QPushButton::clicked, this, &TipWindow::showPreviousTip);
    auto* next = new QPushButton(QStringLiteral("&Successivo"), this);
    next->setObjectName(QStringLiteral("cmdNextTip"));
    connect(next, &QPushButton::clicked, this, &TipWindow::showNextTip);
    auto* close = new QPushButton(QStringLiteral("&Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdOK"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    const int gap = (kWidth - 3 * kButtonWidth) / 4;
    int left = gap;
    for (QPushButton* button : {previous, next, close}) {
        placeInTwips(platform, button, left, kButtonTop, kButtonWidth, kButtonHeight);
        left += kButtonWidth + gap;
    }
    resize(twipsToPixels(platform, kWidth, kHeight));

    const QString fileName =
        QDir::toNativeSeparators(QDir::cleanPath(host.settings().dataFolder + QLatin1Char('/') + kTipsFileName));
    if (std::optional<QStringList> tips = readTipsFile(fileName)) {
        tips_ = std::move(*tips);
        showNextTip();
    } else {
        text_->setText(missingFileText(fileName));
    }
}

QString TipWindow::tipText() const { return text_->text(); }

void TipWindow::showNextTip() {
    ++tipNumber_;
    if (tipNumber_ > tips_.size()) tipNumber_ = 1;
    if (!tips_.isEmpty()) showTip();
}

void TipWindow::showPreviousTip() {
    if (tipNumber_ <= 1) return;
    --tipNumber_;
    showTip();
}

void TipWindow::showTip() { text_->setText(tips_[tipNumber_ - 1]); }

} // namespace calvex
