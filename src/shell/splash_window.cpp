#include "shell/splash_window.h"

#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "shell/shell.h"
#include "ui/app_texts.h"

namespace calvex {

namespace {

// A wall of bricks with a crack: the picture of the splash.
QPixmap wallPicture() {
    QPixmap pixmap(240, 96);
    pixmap.fill(QColor(236, 228, 214));
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(236, 228, 214), 2));
    const QColor brick(176, 82, 52);
    for (int row = 0; row < 6; ++row)
        for (int column = -1; column < 8; ++column) {
            const int x = column * 34 + (row % 2) * 17;
            painter.fillRect(QRect(x + 1, row * 16 + 1, 32, 14), brick.darker(100 + (row * 7 + column * 13) % 25));
        }
    painter.setPen(QPen(QColor(40, 30, 25), 2));
    painter.drawPolyline(QPolygon({{150, 0}, {142, 20}, {156, 38}, {146, 60}, {160, 80}, {152, 96}}));
    return pixmap;
}

QLabel* centredLabel(const QString& text, int pointSize, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

SplashWindow::SplashWindow(Shell& shell) : shell_(shell) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(app::kProductName);
    setAttribute(Qt::WA_QuitOnClose, true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(centredLabel(QStringLiteral("software Selvarin"), 11, false, this));
    secondLine_ = centredLabel(QStringLiteral("                        presenta"), 10, false, this);
    layout->addWidget(secondLine_);
    layout->addWidget(centredLabel(app::kProductName, 28, true, this));
    layout->addWidget(centredLabel(app::kSubtitle, 11, false, this));
    auto* picture = new QLabel(this);
    picture->setPixmap(wallPicture());
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    layout->addWidget(
        centredLabel(QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") + app::kVersion, 9, true, this));
    layout->addWidget(centredLabel(
        QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"), 8, false, this));
    for (QLabel* label : findChildren<QLabel*>()) label->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    resize(520, 400);
}

void SplashWindow::startMusic() {
    MusicPlayer& music = shell_.platform().music();
    music.open(QDir(shell_.settings().dataFolder).filePath(QStringLiteral("Internet.mid")));
    music.play();
}

void SplashWindow::showClosingCredit() { secondLine_->setText(QStringLiteral("          elaborazione eseguita con")); }

QString SplashWindow::secondLine() const { return secondLine_->text(); }

void SplashWindow::mousePressEvent(QMouseEvent*) { shell_.splashClicked(); }

void SplashWindow::keyPressEvent(QKeyEvent*) { shell_.splashKeyPressed(); }

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        shell_.splashClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace calvex
