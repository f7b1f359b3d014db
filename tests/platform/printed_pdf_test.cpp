#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt_platform.h"

namespace calvex::testing {
namespace {

QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(PrintedPdf, ReachesTheChosenFileOnlyWhenWhole) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString printed = folder.filePath("stampa.pdf");
    const QString target = folder.filePath("relazione.pdf");
    put(printed, "%PDF-1.4 whole");
    put(target, "earlier");

    std::optional<QString> problem = deliverPrintedPdf(false, printed, target);
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains(QDir::toNativeSeparators(target))) << problem->toStdString();
    EXPECT_EQ(contents(target), "earlier");

    const QString nowhere = folder.filePath("relazione.pdf/sotto.pdf");
    problem = deliverPrintedPdf(true, printed, nowhere);
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains("sotto.pdf")) << problem->toStdString();

    EXPECT_EQ(deliverPrintedPdf(true, printed, target), std::nullopt);
    EXPECT_EQ(contents(target), "%PDF-1.4 whole");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

} // namespace
} // namespace calvex::testing
