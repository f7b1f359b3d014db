#pragma once
// The about window and the product-support window.

#include <QWidget>

namespace calvex {

class Shell;

// "Informazioni su Calvex": product, subtitle and the edition line.
class AboutWindow : public QWidget {
public:
    explicit AboutWindow(Shell& shell);
    // "edizione professionale - versione 3.04.05   1999- 2011"
    static QString editionLine();
};

class SupportWindow : public QWidget {
public:
    explicit SupportWindow(Shell& shell);
};

} // namespace calvex
