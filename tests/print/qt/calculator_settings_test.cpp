#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <sstream>

#include "print/qt/calculator_settings.h"
#include "support/hang_guard.h"
#include "support/special_files.h"

namespace calvex {
namespace {

class CalculatorSettingsTest : public ::testing::Test {
protected:
    QString put(const QString& name, const QByteArray& contents) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }
    qt::CalculatorSettings read(const QStringList& files) {
        return qt::readCalculatorSettings(files, warnings, "calvex-batch");
    }
    qt::CalculatorSettings readFrom(const QByteArray& contents) {
        return read({put(QStringLiteral("Calvex.conf"), contents)});
    }

    QTemporaryDir dir;
    std::ostringstream warnings;
};

const QString placeholderName = QStringLiteral("Studio tecnico (nome da configurare)");
const QString placeholderAddress = QStringLiteral("Indirizzo dello studio (da configurare)");

TEST_F(CalculatorSettingsTest, TextsComeBackWholeWithCommasQuotesAndAccents) {
    const qt::CalculatorSettings plain = readFrom(
        "[General]\nnome=altro\n\n[calcolatore]\n; the office\nnome=Studio tecnico Ing. Rossi\n"
        "indirizzo=Via dei Test 7, 00100 Roma\n");
    EXPECT_EQ(plain.name, "Studio tecnico Ing. Rossi");
    EXPECT_EQ(plain.address, "Via dei Test 7, 00100 Roma");

    const qt::CalculatorSettings quoted = readFrom(
        "[calcolatore]\r\nnome = Ing. Niccol\xc3\xb2 Bianchi,geom. Neri\r\nindirizzo=\"via dei Priori 12,  "
        "Perugia\"\r\n");
    EXPECT_EQ(quoted.name, QString::fromUtf8("Ing. Niccolò Bianchi,geom. Neri"));
    EXPECT_EQ(quoted.address, "via dei Priori 12,  Perugia");

    // Written by an editor of the 8-bit character set.
    const qt::CalculatorSettings latin = readFrom("[calcolatore]\nnome=Ing. Niccol\xf2 Bianchi\nindirizzo=Citt\xe0\n");
    EXPECT_EQ(latin.name, QString::fromUtf8("Ing. Niccolò Bianchi"));
    EXPECT_EQ(latin.address, QString::fromUtf8("Città"));
    EXPECT_EQ(warnings.str(), "");
}

TEST_F(CalculatorSettingsTest, EachValueComesFromTheFirstFileThatHoldsIt) {
    const QString user = put(QStringLiteral("utente.conf"), "[calcolatore]\nnome=Ing. Rossi\n");
    const QString system =
        put(QStringLiteral("sistema.conf"), "[calcolatore]\nnome=Ing. Verdi\nindirizzo=Via Roma 1\n");
    const qt::CalculatorSettings settings = read({dir.filePath(QStringLiteral("manca.conf")), user, system});
    EXPECT_EQ(settings.name, "Ing. Rossi");
    EXPECT_EQ(settings.address, "Via Roma 1");

    const qt::CalculatorSettings missing = readFrom("[altro]\nnome=x\n");
    EXPECT_EQ(missing.name, placeholderName);
    EXPECT_EQ(missing.address, placeholderAddress);
    EXPECT_EQ(warnings.str(), "") << "a missing file is no news";
}

TEST_F(CalculatorSettingsTest, AFileThatCannotBeReadGivesThePlaceholdersAtOnceAndAWarning) {
    const testing::HangGuard guard;
    const QString pipe = QString::fromStdString(testing::idlePipe(dir.path().toStdString()).string());
    ASSERT_FALSE(pipe.isEmpty());
    const QString huge = put(QStringLiteral("grande.conf"), "[calcolatore]\nnome=Ing. Rossi\n");
    ASSERT_TRUE(QFile::resize(huge, qint64{1} << 30));

    for (const QString& file : {pipe, huge, dir.path()}) {
        warnings.str("");
        const qt::CalculatorSettings settings = read({file});
        EXPECT_EQ(settings.name, placeholderName);
        EXPECT_EQ(settings.address, placeholderAddress);
        EXPECT_EQ(warnings.str().rfind("calvex-batch: attenzione: impostazioni del calcolatore non lette da " +
                                           QDir::toNativeSeparators(file).toStdString() + ": ",
                                       0),
                  0u)
            << warnings.str();
    }
    EXPECT_NE(warnings.str().find("il nome indica una cartella"), std::string::npos);
}

TEST(CalculatorSettingsFiles, FirstTheOneQSettingsWritesForCalvex) {
    const QStringList files = qt::calculatorSettingsFiles();
    ASSERT_GE(files.size(), 2);
    const QString nativeFile =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Calvex"), QStringLiteral("Calvex"))
            .fileName();
    if (nativeFile.startsWith(QStringLiteral("\\HKEY_")))
        GTEST_SKIP() << "QSettings keeps its settings in the registry here: no file to be the same as";
    EXPECT_EQ(files[0], nativeFile);
    EXPECT_EQ(files[1], QFileInfo(files[0]).dir().path() + ".conf");
}

} // namespace
} // namespace calvex
