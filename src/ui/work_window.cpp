#include "ui/work_window.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/platform.h"
#include "ui/app_texts.h"
#include "ui/cls_resize.h"
#include "ui/command_icons.h"
#include "ui/window_host.h"

namespace calvex {

namespace {

// The menus of the menu bar, in order: object name and caption.
struct MenuLook {
    CommandMenu menu;
    const char* name;
    const char* caption;
};

constexpr MenuLook kMenus[] = {{CommandMenu::file, "file", "&File"},
                               {CommandMenu::print, "stamp", "S&tampa"},
                               {CommandMenu::modify, "modi", "&Modifica"},
                               {CommandMenu::view, "visu", "&Visualizza"},
                               {CommandMenu::help, "help", "&?"}};

} // namespace

WorkWindow::WorkWindow(WindowHost& shell, WorkWindowId id, const QString& caption)
    : shell_(shell), id_(id), form_(new QWidget(this)), resize_(new ClsResize(shell.platform(), this)) {
    setWindowTitle(caption);
    setCentralWidget(form_);
    form_->setAutoFillBackground(true);
    buildMenus();
    buildToolbar();
    if (shell.choices().sharedBackground) setBackground(*shell.choices().sharedBackground);
}

WorkWindow::~WorkWindow() = default;

void WorkWindow::buildMenus() {
    // A menu is made where the table first names it, so that menus and
    // items follow the table's order.
    std::map<CommandMenu, QMenu*> menus;
    const auto menuOf = [this, &menus](CommandMenu which) {
        QMenu*& menu = menus[which];
        if (menu) return menu;
        const MenuLook& look = *std::find_if(std::begin(kMenus), std::end(kMenus),
                                             [which](const MenuLook& candidate) { return candidate.menu == which; });
        const QString caption = QString::fromUtf8(look.caption);
        menu =
            which == CommandMenu::print ? menus.at(CommandMenu::file)->addMenu(caption) : menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(look.name));
        return menu;
    };
    for (const CommandRow& row : commandTable()) {
        if (!row.inMenuOf.contains(id_)) continue;
        QAction* action = menuOf(row.menu)->addAction(row.caption);
        action->setObjectName(row.objectName);
        action->setEnabled(row.offeredBy.contains(id_));
        actions_.emplace(row.command, action);
        connect(action, &QAction::triggered, this, [this, command = row.command] { run(command); });
    }

    // "Finestra n.k di N" stands at the right end of the menu bar and opens
    // the window's own help page.
    auto* corner = new QMenuBar(menuBar());
    QAction* own = corner->addAction(QStringLiteral("Fi&nestra n.%1 di %2").arg(number()).arg(kWorkWindowCount));
    own->setObjectName(QStringLiteral("finestra"));
    connect(own, &QAction::triggered, this, [this] { shell_.showHelpPage(workWindowInfo(id_).helpPage); });
    menuBar()->setCornerWidget(corner, Qt::TopRightCorner);
}

void WorkWindow::buildToolbar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Strumenti"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(20, 20));
    for (const ToolbarButton& button : toolbarButtons(number())) {
        if (button.separatorBefore) toolbar->addSeparator();
        QAction* menuAction = actions_.at(button.command);
        QAction* tool = toolbar->addAction(commandIcon(button.command), button.toolTip);
        tool->setToolTip(button.toolTip);
        tool->setEnabled(menuAction->isEnabled());
        connect(menuAction, &QAction::changed, tool, [tool, menuAction] { tool->setEnabled(menuAction->isEnabled()); });
        connect(tool, &QAction::triggered, this, [this, command = button.command] { run(command); });
    }
}

QAction* WorkWindow::action(Command command) const { return actions_.at(command); }

void WorkWindow::run(Command command) {
    const CommandRow& row = commandRow(command);
    const bool inWallWindow =
        workWindowInfo(id_).readOnly && row.inReadOnlyWindow == InReadOnlyWindow::runsInWallWindow;
    row.run(inWallWindow ? *shell_.showWorkWindow(WorkWindowId::sismica) : *this);
}

void WorkWindow::showWindow(WorkWindowId target) {
    if (target != id_) {
        shell_.showWorkWindow(target);
        return;
    }
    const WorkWindowInfo& own = workWindowInfo(id_);
    const QString question = QStringLiteral("E' questa la finestra '%1': si vuole la guida della finestra?")
                                 .arg(QString::fromUtf8(own.nameInOwnQuestion));
    if (shell_.platform().askYesNo(this, app::kProductName, question)) shell_.showHelpPage(own.helpPage);
}

void WorkWindow::addBottomButtons(int top) {
    struct Button {
        const char* name;
        QString caption;
        std::function<void()> action;
    };
    const std::vector<Button> buttons{
        {"aiuto", QStringLiteral("&AIUTO"), [this] { showWindowHelp(); }},
        {"guida", QStringLiteral("&Guida in linea"), [this] { shell_.showHelpIndex(); }},
        {"dati", QStringLiteral("&Dati"), [this] { showWindow(WorkWindowId::dati); }},
        {"sismica", QStringLiteral("Verifica &sismica"), [this] { showWindow(WorkWindowId::sismica); }},
        {"risultati", QStringLiteral("&Risultati dei piani"),
         [this] {
             if (beforeResults()) showWindow(WorkWindowId::risultati);
         }},
        {"frontespizio", QStringLiteral(" Fr&ontespizio"), [this] { showWindow(WorkWindowId::frontespizio); }},
        {"uscita", QStringLiteral("&USCITA"), [this] { shell_.exitProgram(this); }},
    };
    const int width = 1300, gap = 30;
    int left = 120;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = place(new QPushButton(buttons[i].caption, form_), left, top, width, 400);
        button->setObjectName(QStringLiteral("pulsante%1").arg(i + 1));
        connect(button, &QPushButton::clicked, this, buttons[i].action);
        left += width + gap;
    }
}

QLabel* WorkWindow::addCaption(const QString& text, const QString& toolTip, int left, int top, int width, int height) {
    auto* label = place(new QLabel(text, form_), left, top, width, height);
    label->setToolTip(toolTip);
    return label;
}

QColor WorkWindow::background() const { return form_->palette().color(QPalette::Window); }

void WorkWindow::setBackground(const QColor& colour) {
    QPalette palette = form_->palette();
    palette.setColor(QPalette::Window, colour);
    form_->setPalette(palette);
}

void WorkWindow::chooseBackground() {
    if (const auto colour = shell_.platform().chooseColor(this, background())) setBackground(*colour);
}

int WorkWindow::twipsToPixels(int twips) const {
    return static_cast<int>(std::lround(twips / shell_.platform().twipsPerPixel()));
}

void WorkWindow::placeControl(QWidget* control, int left, int top, int width, int height) {
    if (control->parentWidget() != form_) control->setParent(form_);
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void WorkWindow::finishLayout() {
    // The drawing area is laid out at the design size; the scaler captures
    // it there and follows the window from then on.
    const int chrome = menuBar()->sizeHint().height() + findChild<QToolBar*>()->sizeHint().height();
    resize(twipsToPixels(app::kWorkWindowWidth), twipsToPixels(app::kWorkWindowHeight));
    form_->resize(twipsToPixels(app::kWorkWindowWidth), twipsToPixels(app::kWorkWindowHeight) - chrome);
    resize_->setSourceForm(this, form_);
    resize_->sizeFormToScreen(75);
    resize(twipsToPixels(app::kWorkWindowWidth), twipsToPixels(app::kWorkWindowHeight));
}

} // namespace calvex
