// Archives a careless user or a hostile file would give the batch tool: one
// verdict for one archive, reports only where they belong, and no value
// shifted or printed other than computed.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <utility>
#include <vector>

#include "batch_run.h"

namespace calvex::testing {
namespace {

const std::string kGeneral = "\"9\",4,.33,1,\"1\",1,1\r\n";
const std::string kStorey = "2,.35,.2,.4,.4,2.9\r\n";
const std::string kXWall = "\"4\",\"0.3\",\"2\",\"0\",\"0\",\"0\",\"8\",\"200\",\"10\",\"0\"\r\n";
const std::string kYWall = "\"0.3\",\"4\",\"0\",\"2\",\"0\",\"0\",\"8\",\"200\",\"10\",\"0\"\r\n";
const std::string kTitle = "\"Prova\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

std::string archive(const std::string& general = kGeneral, const std::string& storey = kStorey,
                    const std::string& xWall = kXWall, const std::string& title = kTitle) {
    return general + storey + xWall + kYWall + title;
}

std::string withField(std::string line, int field, const std::string& value) {
    std::size_t start = 0;
    for (int i = 0; i < field; ++i) start = line.find(',', start) + 1;
    const std::size_t end = line.find_first_of(",\r", start);
    return line.replace(start, end - start, value);
}

std::filesystem::path writeArchive(const std::string& name, const std::string& bytes) {
    const std::filesystem::path file = scratchDir("files") / name;
    writeBytes(file, bytes);
    return file;
}

TEST(BatchBadInput, AReportIsWrittenOnlyToAPdfOrOdtNameAndNeverOverItsArchive) {
    const std::filesystem::path file = writeArchive("Calvex-dati-prova.pdf", archive());
    const std::filesystem::path dir = file.parent_path();
    std::filesystem::create_symlink(file, dir / "link.odt");
    for (const std::filesystem::path& output :
         {file, dir / "link.odt", dir / "Calvex-dati-altro", dir / "relazione.pdff", dir / "senza"}) {
        const BatchRun run = runBatch({"relazione", file.string(), "-o", output.string()});
        EXPECT_EQ(run.status, 2) << output;
        EXPECT_NE(run.err.find("uso:"), std::string::npos) << run.err;
    }
    EXPECT_EQ(readBytes(file), archive());
    EXPECT_FALSE(std::filesystem::exists(dir / "Calvex-dati-altro"));
    EXPECT_EQ(runBatch({"relazione", file.string(), "-o", (dir / "R.PDF").string()}).status, 0);
}

// Data the windows refuse before a verdict or a report: the batch tool says
// the same message, exit 2, from verifica (text and JSON) and relazione.
TEST(BatchBadInput, DataTheWindowsRefuseGiveNoVerdictAndNoReport) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {archive(kGeneral, kStorey, withField(kXWall, 7, "\"abc\"")),
         "Digitare un valore significativo per il sigma ammissibile del setto n. 1 al piano 1."},
        {archive(kGeneral, kStorey, withField(kXWall, 6, "")),
         "Digitare un valore significativo per la tensione tangenziale ammissibile del setto n. 1 al piano 1."},
        {archive(kGeneral, kStorey, withField(kXWall, 0, "\"0\"")),
         "Digitare un valore significativo per la dimensione in direzione X del setto n. 1 al piano 1."},
        {archive(kGeneral, withField(kStorey, 0, "\"nan\"")),
         "Vi sono valori non significativi nei dati al piano n. 1."},
        {archive(kGeneral, withField(kStorey, 0, "\"-1.9\"")),
         "Digitare un valore significativo per il peso specifico della muratura al piano n. 1."},
        {archive(withField(kGeneral, 1, "\"0.4e1\"")), "Digitare il coefficiente di struttura."},
        {archive(withField(kGeneral, 3, "\"x\"")), "Immettere il coefficiente di protezione sismica."},
    };
    for (const auto& [bytes, message] : cases) {
        const std::filesystem::path file = writeArchive("Calvex-dati-rifiutato", bytes);
        const BatchRun text = runBatch({"verifica", file.string()});
        EXPECT_EQ(text.status, 2) << message;
        EXPECT_EQ(text.out, "");
        EXPECT_NE(text.err.find(message), std::string::npos) << text.err;
        const BatchRun json = runBatch({"verifica", file.string(), "--json"});
        EXPECT_EQ(json.status, 2);
        EXPECT_EQ(nlohmann::json::parse(json.out)["stopReason"], message);
        const BatchRun report = runBatch({"relazione", file.string(), "-o", (file.parent_path() / "r.pdf").string()});
        EXPECT_EQ(report.status, 2);
        EXPECT_NE(report.err.find(message), std::string::npos) << report.err;
    }
}

TEST(BatchBadInput, JsonIsOneObjectForEveryOutcome) {
    const std::filesystem::path dir = scratchDir("files");
    const std::vector<std::pair<std::filesystem::path, std::string>> files{
        {dir / "assente", "il file non esiste"},
        {writeArchive("Calvex-dati-senza-grado", archive(withField(kGeneral, 0, ""))),
         "Immettere il grado di sismicit\u00e0."},
    };
    for (const auto& [file, reason] : files) {
        const BatchRun run = runBatch({"verifica", "--json", file.string()});
        EXPECT_EQ(run.status, 2);
        const nlohmann::json json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json["complete"], false);
        EXPECT_NE(json["stopReason"].get<std::string>().find(reason), std::string::npos) << json["stopReason"];
    }
}

TEST(BatchBadInput, ARecordLongerThanItsLineIsNamedAndNotCopied) {
    const std::string trailingComma = kYWall.substr(0, kYWall.size() - 2) + ",\r\n";
    const std::filesystem::path file =
        writeArchive("Calvex-dati-spostato", kGeneral + kStorey + kXWall + trailingComma + kTitle + "\r\n");
    const BatchRun verify = runBatch({"verifica", file.string()});
    EXPECT_NE(verify.err.find("alla riga 4 un record non termina"), std::string::npos) << verify.err;

    const std::filesystem::path copy = file.parent_path() / "Calvex-dati-copia";
    EXPECT_EQ(runBatch({"copia", file.string(), copy.string()}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(copy));
}

TEST(BatchBadInput, AValueBeyondPrintingIsRefusedNamingStoreyWallAndField) {
    const std::string digits(400, '9');
    const std::filesystem::path file =
        writeArchive("Calvex-dati-enorme", archive(kGeneral, kStorey, withField(kXWall, 7, digits)));
    const std::string message = "Il valore sigma del setto n. 1 al piano 1 \u00e8 fuori scala";
    const BatchRun verify = runBatch({"verifica", "--json", file.string()});
    EXPECT_EQ(verify.status, 2);
    EXPECT_NE(nlohmann::json::parse(verify.out)["stopReason"].get<std::string>().find(message), std::string::npos);
    for (const char* output : {"r.pdf", "r.odt"}) {
        const std::filesystem::path report = file.parent_path() / output;
        EXPECT_EQ(runBatch({"relazione", file.string(), "-o", report.string()}).status, 2);
        EXPECT_FALSE(std::filesystem::exists(report));
    }
}

TEST(BatchBadInput, ATitleTextOverSixtyCharactersIsWarnedAbout) {
    const std::string title = "\"" + std::string(61, 'x') + "\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    const BatchRun run =
        runBatch({"verifica", writeArchive("Calvex-dati-lungo", archive(kGeneral, kStorey, kXWall, title)).string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("progetto: Per una stampa corretta non digitare dati lunghi"), std::string::npos) << run.err;
}

} // namespace
} // namespace calvex::testing
