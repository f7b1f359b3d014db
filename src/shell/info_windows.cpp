#include "shell/info_windows.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app_texts.h"

namespace calvex {

namespace {

QPushButton* addCloseButton(QWidget& window, QVBoxLayout& layout, const QString& name) {
    auto* ok = new QPushButton(QStringLiteral("OK"), &window);
    ok->setObjectName(name);
    ok->setDefault(true);
    layout.addWidget(ok, 0, Qt::AlignCenter);
    QObject::connect(ok, &QPushButton::clicked, &window, &QWidget::close);
    return ok;
}

QLabel* addLine(QWidget& window, QVBoxLayout& layout, const QString& text, int pointSize, bool bold = false) {
    auto* label = new QLabel(text, &window);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout.addWidget(label);
    return label;
}

} // namespace

AboutWindow::AboutWindow(Shell&) {
    setObjectName(QStringLiteral("informa"));
    setWindowTitle(QStringLiteral("Informazioni su ") + app::kProductName);
    auto* layout = new QVBoxLayout(this);
    addLine(*this, *layout, app::kProductName, 20, true);
    addLine(*this, *layout, app::kSubtitle, 10);
    addLine(*this, *layout, QStringLiteral("per sistemi Windows a 32 bit "), 9);
    // One line: the window is as wide as the edition line.
    addLine(*this, *layout, editionLine(), 9)->setWordWrap(false);
    addCloseButton(*this, *layout, QStringLiteral("cmdOK"));
}

QString AboutWindow::editionLine() {
    const int year = app::kReleaseDate.right(4).toInt();
    return QStringLiteral("edizione professionale - versione ") + app::kVersion + QStringLiteral("  ") +
           QStringLiteral(" %1").arg(year) + QStringLiteral("- 20") + app::kBuildCode.right(2);
}

SupportWindow::SupportWindow(Shell&) {
    setObjectName(QStringLiteral("supporto"));
    setWindowTitle(QStringLiteral("Supporto prodotto"));
    auto* layout = new QVBoxLayout(this);
    addLine(*this, *layout, QStringLiteral("Supporto prodotto"), 12, true);
    addLine(*this, *layout,
            QStringLiteral("Per segnalazioni e richieste di assistenza rivolgersi al servizio clienti, indicando "
                           "la versione del programma (") +
                app::kVersion +
                QStringLiteral(") e allegando, se possibile, il file di dati Calvex-dati-... su cui si stava "
                               "lavorando e una descrizione dei passi che hanno portato al problema."),
            9);
    addCloseButton(*this, *layout, QStringLiteral("cmdOK"));
    resize(420, 200);
}

} // namespace calvex
