#pragma once
// Finding the windows the shell has put on screen.

#include <QApplication>
#include <QWidget>

namespace calvex::testing {

// The visible top-level window of that kind, or nullptr.
template <typename Window>
Window* shownWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<Window*>(widget); window && window->isVisible()) return window;
    return nullptr;
}

} // namespace calvex::testing
