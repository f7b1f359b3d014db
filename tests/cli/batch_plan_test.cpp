#include <gtest/gtest.h>

#include "cli/batch_run.h"

namespace calvex::testing {
namespace {

std::size_t pageCount(const std::string& pdf) {
    std::size_t count = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        count += pdf.compare(at, 12, "/Type /Pages") != 0;
    return count;
}

TEST(BatchPlan, WritesOnePageForEachStorey) {
    const std::filesystem::path pdf = scratchDir("pdf") / "piante.PDF";
    const BatchRun run = runBatch({"pianta", examplePath("Calvex-dati-esempio").string(), "-o", pdf.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = readBytes(pdf);
    ASSERT_TRUE(bytes.starts_with("%PDF"));
    EXPECT_EQ(pageCount(bytes), 3u);
}

TEST(BatchPlan, RefusesAnOutputThatIsNotAPdfOrIsTheArchive) {
    const std::filesystem::path dir = scratchDir("out");
    const std::filesystem::path archive = dir / "Calvex-dati-esempio";
    std::filesystem::copy_file(examplePath("Calvex-dati-esempio"), archive);
    const std::string before = readBytes(archive);
    std::filesystem::create_symlink(archive, dir / "link.pdf");
    for (const std::string& output : {(dir / "piante.odt").string(), (dir / "link.pdf").string()}) {
        const BatchRun run = runBatch({"pianta", archive.string(), "-o", output});
        EXPECT_EQ(run.status, 2) << output;
        EXPECT_NE(run.err.find("uso:"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "piante.odt"));
    EXPECT_EQ(readBytes(archive), before);
}

} // namespace
} // namespace calvex::testing
