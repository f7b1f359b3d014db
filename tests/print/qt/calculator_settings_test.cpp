#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "print/qt/calculator_settings.h"

namespace calvex {
namespace {

qt::CalculatorSettings readFrom(const QByteArray& contents) {
    const QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Calvex.conf"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    return qt::readCalculatorSettings(path);
}

TEST(CalculatorSettings, TextsComeBackWholeWithCommasQuotesAndAccents) {
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
}

TEST(CalculatorSettings, MissingValuesShowThePlaceholders) {
    const qt::CalculatorSettings missing = readFrom("[altro]\nnome=x\n");
    EXPECT_EQ(missing.name, "Studio tecnico (nome da configurare)");
    EXPECT_EQ(missing.address, "Indirizzo dello studio (da configurare)");
}

} // namespace
} // namespace calvex
