#pragma once
// The first and last window: product name, edition, and the music.

#include <QWidget>

class QLabel;

namespace calvex {

class Shell;

class SplashWindow : public QWidget {
public:
    explicit SplashWindow(Shell& shell);

    // Opens the music file of the data folder and plays it.
    void startMusic();
    // After the exit command: the second line becomes the closing credit.
    void showClosingCredit();
    QString secondLine() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Shell& shell_;
    QLabel* secondLine_;
};

} // namespace calvex
