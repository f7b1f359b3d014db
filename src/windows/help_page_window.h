#pragma once
// One help page: its title, its fixed text and the buttons to close it,
// to copy it into the word processor and to go back to the help index.

#include <QWidget>

#include "ui/window_ids.h"

namespace calvex {

class WindowHost;

class HelpPageWindow : public QWidget {
public:
    HelpPageWindow(WindowHost& host, HelpPage page);

    HelpPage page() const { return page_; }

private:
    HelpPage page_;
};

} // namespace calvex
