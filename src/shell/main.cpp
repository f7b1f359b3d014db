// Calvex: starts the splash and hands over to the windows.

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QStandardPaths>
#include <iostream>
#include <memory>
#include <optional>

#include "model/project_data.h"
#include "platform/qt_platform.h"
#include "platform/system_music.h"
#include "print/qt/calculator_settings.h"
#include "shell/command_line.h"
#include "shell/data_folder.h"
#include "shell/shell.h"
#include "ui/app_texts.h"

int main(int argc, char** argv) {
    // The program takes at most an archive's name, and nothing of the command
    // line reaches Qt: its own options (-platform, -stylesheet and the like)
    // could end or block the start.
    const std::optional<calvex::StartRequest> request = calvex::readCommandLine(argc, argv);
    if (!request) {
        std::cerr << calvex::kUsageLine;
        return 2;
    }
    char fallbackName[] = "calvex";
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    QApplication application(qtArgc, qtArgv);
    QApplication::setOrganizationName(QStringLiteral("Calvex"));
    QApplication::setApplicationName(QStringLiteral("Calvex"));
    // A face with the metrics of the classic sans serif: the layouts in
    // twips are drawn for it.
    // Windows has Arial, of the same widths, in its place.
    QFont::insertSubstitution(QStringLiteral("Liberation Sans"), QStringLiteral("Arial"));
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);

    // The calculator's name and address are set by whoever installs the
    // program; the user cannot change them from the windows.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir::setCurrent(calvex::workingFolderAtStart(QDir::currentPath(), QApplication::applicationDirPath(),
                                                  QDir(documents).exists() ? documents : QDir::homePath()));

    const calvex::qt::CalculatorSettings calculator = calvex::qt::readCalculatorSettings(std::cerr, "calvex");
    const QString dataFolder = calvex::dataFolderFor(QApplication::applicationDirPath());
    calvex::ShellSettings shellSettings{calculator.name, calculator.address, dataFolder};

    calvex::QtPlatform platform(calvex::makeSystemMusicPlayer(), calvex::app::kCheckTitle,
                                dataFolder + QStringLiteral("/translations"));
    auto project = std::make_unique<calvex::ProjectData>();
    calvex::Shell shell(platform, *project, shellSettings);
    shell.start();
    if (!request->archive.isEmpty()) shell.openAtStart(request->archive);
    return QApplication::exec();
}
