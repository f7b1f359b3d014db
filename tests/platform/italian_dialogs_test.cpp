#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>

#include "platform/qt_platform.h"
#include "shell/data_folder.h"
#include "support/scripted_platform.h"

namespace calvex::testing {
namespace {

QStringList buttonTexts() {
    const QDialogButtonBox box(QDialogButtonBox::Open | QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    return {box.button(QDialogButtonBox::Open)->text(), box.button(QDialogButtonBox::Save)->text(),
            box.button(QDialogButtonBox::Cancel)->text()};
}

// Qt's dialogs speak Italian while the platform lives, even for an English
// user; the texts come from the Italian Qt translations the build puts in
// the program's data folder, as the program loads them.
TEST(ItalianDialogs, StandardButtonsAndDialogTextsWhateverTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QStringList english = buttonTexts();
    {
        const QtPlatform platform(std::make_unique<RecordingMusic>(), QString(),
                                  dataFolderFor(QStringLiteral(CALVEX_BINARY_DIR "/bin")) + "/translations");
        EXPECT_EQ(buttonTexts(), (QStringList{"Apri", "Salva", "Annulla"}));
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nome del file:");
    }
    EXPECT_EQ(buttonTexts(), english);
    QLocale::setDefault(previous);
}

} // namespace
} // namespace calvex::testing
