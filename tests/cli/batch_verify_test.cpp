#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "batch_run.h"
#include "model/archive.h"
#include "model/numeric_text.h"
#include "rules/general_entry.h"

namespace calvex::testing {
namespace {

// One storey with one X wall and one Y wall; `general` is the first record.
std::string smallArchive(const std::string& general, const std::string& xWallDimx = "\"4\"") {
    return general + "\r\n" + "2,.35,.2,.4,.4,2.9\r\n" + xWallDimx +
           ",\"0.3\",\"2\",\"0\",\"0\",\"0\",\"8\",\"200\",\"10\",\"0\"\r\n"
           "\"0.3\",\"4\",\"0\",\"2\",\"0\",\"0\",\"8\",\"200\",\"10\",\"0\"\r\n"
           "\"Prova\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
}

// The example saved as a user typing decimal commas would have saved it:
// every value a text with its points made commas, the counts "n,0".
void typeWithCommas(ProjectData& project) {
    const auto commas = [](const FieldValue& value, const char* suffix = "") {
        return FieldValue::text(pointsToCommas(value.fieldText()) + suffix);
    };
    for (GeneralField f : kGeneralEntryOrder) {
        const bool count = f == GeneralField::np || f == GeneralField::numsetx || f == GeneralField::numsety;
        project.setGeneral(f, commas(project.general(f), count ? ",0" : ""));
    }
    for (int s = 1; s <= project.storeyCount(); ++s) {
        for (int f = 0; f < kFloorFieldCount; ++f)
            project.setFloor(s, FloorField(f), commas(project.floor(s, FloorField(f))));
        for (int w = 1; w <= project.wallCount(); ++w)
            for (int f = 0; f < kWallFieldCount; ++f)
                project.setWall(s, w, WallField(f), commas(project.wall(s, w, WallField(f))));
    }
}

TEST(BatchVerify, DecimalCommasGiveTheResultsOfPoints) {
    const std::filesystem::path example = examplePath("Calvex-dati-esempio");
    const std::filesystem::path commas = scratchDir("files") / "Calvex-dati-virgole";
    ProjectData project;
    ASSERT_TRUE(readArchiveFile(example, project).complete);
    typeWithCommas(project);
    writeBytes(commas, encodeArchive(project).bytes);
    ASSERT_TRUE(readBytes(commas).starts_with("\"9\",\"4\",\"0,33\",\"1\",\"3,0\",\"6,0\",\"6,0\"\r\n\"1,9\""));

    const BatchRun withPoints = runBatch({"verifica", "--json", example.string()});
    const BatchRun withCommas = runBatch({"verifica", "--json", commas.string()});
    EXPECT_EQ(withCommas.status, withPoints.status) << withCommas.err;
    const nlohmann::json json = nlohmann::json::parse(withPoints.out);
    ASSERT_TRUE(json["complete"].get<bool>());
    EXPECT_EQ(nlohmann::json::parse(withCommas.out), json);
}

TEST(BatchVerify, ExamplesGiveTheirVerdicts) {
    const BatchRun failing = runBatch({"verifica", examplePath("Calvex-dati-esempio").string()});
    EXPECT_EQ(failing.status, 1) << failing.err;
    EXPECT_EQ(failing.err, "");
    EXPECT_NE(failing.out.find("Peso totale dell'edificio"), std::string::npos);
    EXPECT_NE(failing.out.find("piano n. 1 non verificato"), std::string::npos);
    EXPECT_NE(failing.out.find("piano n. 3 verificato"), std::string::npos);
    EXPECT_NE(failing.out.find("piano n. 1 - setto n. 3 (direzione X)  taglio t.=  6 < forza orizz. t.="),
              std::string::npos);
    EXPECT_NE(failing.out.find("per sigma ammissibile inferiore a sigma di lavoro\n  piano n. 1 - setto n. 9 "
                               "sigma ammissibile t.=  15 <  sigma lavoro t.="),
              std::string::npos);
    EXPECT_NE(
        failing.out.find("per sezione parzializzata (inserire tiranti verticali)\n  piano n. 3 - setto n. 4 --- "),
        std::string::npos);
    EXPECT_EQ(failing.out.find("nessuno"), std::string::npos);
    EXPECT_TRUE(failing.out.ends_with("\nedificio non verificato\n"));

    const BatchRun sound = runBatch({"verifica", examplePath("Calvex-dati-verificato").string()});
    EXPECT_EQ(sound.status, 0) << sound.err;
    EXPECT_EQ(sound.out.find("non verificato"), std::string::npos);
    std::size_t nobody = 0;
    for (std::size_t at = sound.out.find("*** nessuno ***"); at != std::string::npos;
         at = sound.out.find("*** nessuno ***", at + 1))
        ++nobody;
    EXPECT_EQ(nobody, 3u);
    EXPECT_TRUE(sound.out.ends_with("\nedificio verificato\n"));
}

TEST(BatchVerify, JsonHoldsEveryResult) {
    const BatchRun run = runBatch({"verifica", "--json", examplePath("Calvex-dati-esempio").string()});
    EXPECT_EQ(run.status, 1) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["complete"], true);
    EXPECT_TRUE(json["stopReason"].is_null());
    for (const char* key :
         {"totalWeight", "massHeight", "totalForce", "forceHeight", "sideLong", "sideShort", "lambda"})
        EXPECT_TRUE(json[key].is_number()) << key;
    EXPECT_GT(json["totalWeight"].get<double>(), 0.0);
    EXPECT_TRUE(json["sectionFailList"].get<std::string>().starts_with("piano n. 3 - setto n. 4 --- "));
    EXPECT_NE(json["sigmaFailList"].get<std::string>().find("setto n. 9 "), std::string::npos);

    const auto& floors = json["floors"];
    ASSERT_EQ(floors.size(), 4u);
    for (int level = 0; level <= 3; ++level) {
        EXPECT_EQ(floors[level]["level"], level);
        EXPECT_EQ(floors[level].size(), 26u);
    }
    EXPECT_LT(floors[1]["safetyY"].get<double>(), 1.0);
    EXPECT_GE(floors[3]["safetyY"].get<double>(), 1.0);

    const auto& walls = json["walls"];
    ASSERT_EQ(walls.size(), 36u);
    EXPECT_EQ(walls[0]["storey"], 1);
    EXPECT_EQ(walls[0]["wall"], 1);
    EXPECT_EQ(walls[35]["storey"], 3);
    EXPECT_EQ(walls[35]["wall"], 12);
    EXPECT_EQ(walls[0].size(), 2u + 23u + 1u + 4u);
    const auto& pier = walls[2 * 12 + 3];
    EXPECT_EQ(pier["wall"], 4);
    EXPECT_EQ(pier["sectionCheckText"], "sez. parzializzata");
    EXPECT_EQ(pier["verdict"], "setto non verificato");
    EXPECT_EQ(walls[8]["sigmaCheckText"].get<std::string>().substr(0, 9), "tonn. 15 ");
    EXPECT_EQ(walls[0]["sigmaCheckText"], "");
    EXPECT_TRUE(walls[0]["area"].is_number());
}

TEST(BatchVerify, UnusableInputsExitWithTwo) {
    const std::filesystem::path dir = scratchDir("files");

    const std::string missing = (dir / "Calvex-dati-assente").string();
    BatchRun run = runBatch({"verifica", missing});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");

    const std::filesystem::path noY = dir / "Calvex-dati-senza-y";
    writeBytes(noY, smallArchive("\"9\",4,.33,1,\"1\",1,"));
    run = runBatch({"verifica", noY.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Digitare il numero massimo dei setti in direzione Y."), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(noY.string()), std::string::npos);
    EXPECT_EQ(run.out, "");

    const std::filesystem::path tooMany = dir / "Calvex-dati-troppi-piani";
    writeBytes(tooMany, smallArchive("\"9\",4,.33,1,\"25\",1,1"));
    run = runBatch({"verifica", tooMany.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("riga 1"), std::string::npos) << run.err;

    for (auto args : {std::initializer_list<std::string>{},
                      {"verifica"},
                      {"verifica", "a", "b"},
                      {"verifica", "--xml", "a"},
                      {"copia", "a"},
                      {"stampa", "a"}}) {
        run = runBatch(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("calvex-batch verifica FILE [--json]"), std::string::npos);
    }
}

TEST(BatchVerify, IncompleteDataExitWithTwoAndTheWindowsMessage) {
    const std::filesystem::path dir = scratchDir("files");
    const std::filesystem::path file = dir / "Calvex-dati-senza-misure";
    writeBytes(file, smallArchive("\"9\",4,.33,1,\"1\",1,1", "\"\""));

    BatchRun run = runBatch({"verifica", file.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(file.string()), std::string::npos) << run.err;
    const std::string message =
        "Digitare un valore significativo per la dimensione in direzione X del setto n. 1 al piano 1.";
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");

    run = runBatch({"verifica", file.string(), "--json"});
    EXPECT_EQ(run.status, 2);
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["complete"], false);
    EXPECT_EQ(json["stopReason"], message);
    EXPECT_EQ(json["floors"].size(), 2u);
    EXPECT_EQ(json["walls"].size(), 2u);
    EXPECT_TRUE(json["shearFailList"].is_null());
    EXPECT_TRUE(json["walls"][0]["verdict"].is_null());

    // Filled in, the same building verifies.
    writeBytes(file, smallArchive("\"9\",4,.33,1,\"1\",1,1"));
    EXPECT_EQ(runBatch({"verifica", file.string()}).status, 0);
}

} // namespace
} // namespace calvex::testing
