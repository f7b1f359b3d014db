#pragma once
// The common part of the work windows: caption, menu bar, toolbar,
// background colour, the drawing area laid out in twips and scaled with
// the window, and the dispatch of the common commands.

#include <QMainWindow>
#include <map>

#include "ui/commands.h"
#include "ui/window_ids.h"

class QAction;
class QLabel;

namespace calvex {

class ClsResize;
class WindowHost;

class WorkWindow : public QMainWindow {
public:
    WorkWindow(WindowHost& shell, WorkWindowId id, const QString& caption);
    ~WorkWindow() override;

    WorkWindowId id() const { return id_; }
    int number() const { return static_cast<int>(id_); }
    // The shell, as far as a window may reach it.
    WindowHost& shell() { return shell_; }

    // The drawing area below the toolbar, where the controls stand.
    QWidget* form() const { return form_; }
    // Puts a control of the drawing area at a position and size in twips.
    template <typename Control>
    Control* place(Control* control, int left, int top, int width, int height) {
        placeControl(control, left, top, width, height);
        return control;
    }
    // A caption label with its tool-tip.
    QLabel* addCaption(const QString& text, const QString& toolTip, int left, int top, int width, int height);

    QColor background() const;
    void setBackground(const QColor& colour);

    QAction* action(Command command) const;

    // Commands that depend on the window. The defaults belong to windows
    // without them: checkData, copyToNextStorey and clearWindow do nothing.
    virtual void checkData() {}
    virtual void copyToNextStorey() {}
    virtual void clearWindow() {}
    // Background colour: by default the colour dialog for this window only.
    virtual void chooseBackground();
    // After an archive was opened from this window.
    virtual void showOpenedArchive() {}
    // The window's printouts: the blank template, the data (or results) of
    // the window, the complete report.
    virtual void printTemplate() {}
    virtual void printWindowData() {}
    virtual void printAll() {}
    // The window's own help message (its "&AIUTO" button).
    virtual void showWindowHelp() {}
    // The own-window rule: in its own window a window is offered its help
    // page; elsewhere it is shown.
    void showWindow(WorkWindowId target);

protected:
    // Call once all controls are placed: scales the window to the screen
    // and gives it its design size.
    void finishLayout();

    void placeControl(QWidget* control, int left, int top, int width, int height);
    // The row of seven buttons of windows 2 to 4 ("&AIUTO" ... "&USCITA"),
    // at `top` twips. "&Risultati dei piani" runs `beforeResults` first and
    // goes on only when it returns true.
    void addBottomButtons(int top);
    virtual bool beforeResults() { return true; }
    int twipsToPixels(int twips) const;

private:
    void buildMenus();
    void buildToolbar();
    void run(Command command);

    WindowHost& shell_;
    WorkWindowId id_;
    QWidget* form_;
    ClsResize* resize_;
    std::map<Command, QAction*> actions_;
};

} // namespace calvex
