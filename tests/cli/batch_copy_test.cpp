#include <gtest/gtest.h>

#include "batch_run.h"

namespace calvex::testing {
namespace {

TEST(BatchCopy, ExamplesCopyByteForByte) {
    const std::filesystem::path dir = scratchDir("files");
    for (const char* name : {"Calvex-dati-esempio", "Calvex-dati-verificato"}) {
        const std::filesystem::path copy = dir / name;
        const BatchRun run = runBatch({"copia", examplePath(name).string(), copy.string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(readBytes(copy), readBytes(examplePath(name))) << name;
    }
}

TEST(BatchCopy, ProblemsAreReported) {
    const std::filesystem::path dir = scratchDir("files");

    const std::string missing = (dir / "Calvex-dati-assente").string();
    BatchRun run = runBatch({"copia", missing, (dir / "copia").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "copia"));

    const std::string unwritable = (dir / "cartella-assente" / "copia").string();
    run = runBatch({"copia", examplePath("Calvex-dati-esempio").string(), unwritable});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(unwritable), std::string::npos) << run.err;

    // A title with a line break reads back but cannot be written as it is.
    const std::filesystem::path broken = dir / "Calvex-dati-a-capo";
    writeBytes(broken,
               "\"9\",4,.33,1,\"1\",1,1\r\n2,.35,.2,.4,.4,2.9\r\n"
               "\"4\",\"0.3\",\"2\",\"0\",\"0\",\"0\",\"8\",\"200\",\"10\",\"0\"\r\n"
               "\"0.3\",\"4\",\"0\",\"2\",\"0\",\"0\",\"8\",\"200\",\"10\",\"0\"\r\n"
               "\"Casa\r\nRossi\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    run = runBatch({"copia", broken.string(), (dir / "copia").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("progetto"), std::string::npos) << run.err;
    EXPECT_NE(readBytes(dir / "copia").find("\"Casa Rossi\""), std::string::npos);
}

} // namespace
} // namespace calvex::testing
