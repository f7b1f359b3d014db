#include <gtest/gtest.h>

#include <memory>

#include "model/numeric_text.h"
#include "rules/general_entry.h"

namespace calvex {
namespace {

struct GeneralWindow {
    std::unique_ptr<ProjectData> project = std::make_unique<ProjectData>();
    GeneralFieldTexts texts;

    FieldChangeOutcome type(GeneralField field, std::string text) {
        return applyGeneralFieldChange(*project, texts, field, std::move(text));
    }
    // Every general field filled in, storeys with their defaults.
    void fillIn(std::string storeys) {
        type(GeneralField::grado, "9");
        type(GeneralField::np, std::move(storeys));
        type(GeneralField::numsetx, "2");
        type(GeneralField::numsety, "2");
    }
};

TEST(GeneralEntry, StoreyCountLimitsAndRefusals) {
    GeneralWindow w;
    FieldChangeOutcome outcome = w.type(GeneralField::np, "25");
    EXPECT_TRUE(outcome.emptied);
    EXPECT_EQ(w.texts.np, "");
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->text, "Il programma verifica edifici fino ad un massimo di 20 piani.");
    EXPECT_EQ(outcome.message->icon, MessageIcon::critical);
    EXPECT_EQ(outcome.storeyColumn, StoreyColumn::disabled);
    EXPECT_TRUE(w.project->general(GeneralField::np).isEmpty());

    for (const char* refused : {"abc", "0", "2.5", "0.5", "-3", ""}) {
        outcome = w.type(GeneralField::np, refused);
        EXPECT_TRUE(outcome.emptied) << refused;
        EXPECT_FALSE(outcome.message) << refused;
        EXPECT_EQ(outcome.storeyColumn, StoreyColumn::disabled) << refused;
        EXPECT_EQ(w.texts.np, "") << refused;
        EXPECT_TRUE(w.project->general(GeneralField::np).isEmpty()) << refused;
        EXPECT_TRUE(w.project->floor(1, FloorField::hp).isEmpty()) << refused;
    }

    w.project->currentFloor = 4;
    outcome = w.type(GeneralField::np, "3");
    EXPECT_FALSE(outcome.emptied);
    EXPECT_EQ(outcome.storeyColumn, StoreyColumn::enabled);
    EXPECT_TRUE(outcome.showStorey);
    EXPECT_TRUE(outcome.updateHint);
    EXPECT_EQ(w.project->general(GeneralField::np), FieldValue::text("3"));
    EXPECT_EQ(w.project->currentFloor, 1);
    EXPECT_EQ(w.project->floor(3, FloorField::hp), FieldValue::real(2.9));
    EXPECT_TRUE(w.project->floor(4, FloorField::hp).isEmpty());

    // A later refusal keeps the accepted value in the model.
    w.type(GeneralField::np, "21");
    EXPECT_EQ(w.project->general(GeneralField::np), FieldValue::text("3"));
    w.type(GeneralField::np, "20");
    EXPECT_EQ(w.project->storeyCount(), 20);
}

TEST(GeneralEntry, WallCountsStayWithinOneHundred) {
    GeneralWindow w;
    EXPECT_FALSE(w.type(GeneralField::numsety, "60").emptied);
    EXPECT_EQ(w.project->general(GeneralField::numsety), FieldValue::real(60));
    EXPECT_EQ(w.project->wallCount(), 60);

    FieldChangeOutcome outcome = w.type(GeneralField::numsetx, "50");
    EXPECT_TRUE(outcome.emptied);
    EXPECT_EQ(w.texts.numsetx, "");
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->text, "Il programma verifica edifici fino ad un massimo di 100 setti per piano.");
    EXPECT_EQ(outcome.message->icon, MessageIcon::critical);
    EXPECT_TRUE(w.project->general(GeneralField::numsetx).isEmpty());
    EXPECT_EQ(w.project->wallCount(), 60);

    outcome = w.type(GeneralField::numsetx, "40");
    EXPECT_FALSE(outcome.emptied);
    EXPECT_FALSE(outcome.message);
    EXPECT_TRUE(outcome.updateHint);
    EXPECT_EQ(outcome.storeyColumn, StoreyColumn::unchanged);
    EXPECT_EQ(w.project->general(GeneralField::numsetx), FieldValue::real(40));
    EXPECT_EQ(w.project->wallCount(), 100);
    EXPECT_EQ(w.project->xWallCount(), 40);

    // Raising Y past the limit keeps both previous counts.
    outcome = w.type(GeneralField::numsety, "61");
    EXPECT_TRUE(outcome.emptied);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(w.project->general(GeneralField::numsety), FieldValue::real(60));
    EXPECT_EQ(w.project->wallCount(), 100);

    for (const char* refused : {"abc", "0", "1.5", "-2"}) {
        outcome = w.type(GeneralField::numsety, refused);
        EXPECT_TRUE(outcome.emptied) << refused;
        EXPECT_FALSE(outcome.message) << refused;
        EXPECT_EQ(w.project->wallCount(), 100) << refused;
    }
    // The leading number counts: "3 setti" is 3.
    w.type(GeneralField::numsetx, "3 setti");
    EXPECT_EQ(w.project->general(GeneralField::numsetx), FieldValue::real(3));
    EXPECT_EQ(w.project->wallCount(), 63);
}

TEST(GeneralEntry, CoefficientsStoreTheirText) {
    GeneralWindow w;
    w.type(GeneralField::grado, "12");
    w.type(GeneralField::riduz, "0,5");
    w.type(GeneralField::protez, "");
    EXPECT_EQ(w.project->general(GeneralField::grado), FieldValue::text("12"));
    EXPECT_EQ(w.project->general(GeneralField::riduz), FieldValue::text("0,5"));
    EXPECT_EQ(w.project->general(GeneralField::protez), FieldValue::text(""));

    EXPECT_FALSE(w.type(GeneralField::strutt, "3.5").emptied);
    EXPECT_EQ(w.project->general(GeneralField::strutt), FieldValue::text("3.5"));
    for (const char* refused : {"0", "abc", "0,0"}) {
        FieldChangeOutcome outcome = w.type(GeneralField::strutt, refused);
        EXPECT_TRUE(outcome.emptied) << refused;
        EXPECT_FALSE(outcome.updateHint) << refused;
        EXPECT_EQ(w.texts.strutt, "") << refused;
        EXPECT_EQ(w.project->general(GeneralField::strutt), FieldValue::text("3.5")) << refused;
    }
    EXPECT_THROW(w.type(GeneralField::wallCount, "3"), std::invalid_argument);
}

// The opening texts of the window and the values of a new or cleared
// project are the same coefficients.
TEST(GeneralEntry, OpeningTextsReadAsTheStartValues) {
    const GeneralFieldTexts texts;
    const auto fresh = std::make_unique<ProjectData>();
    const auto cleared = std::make_unique<ProjectData>();
    cleared->setGeneral(GeneralField::strutt, FieldValue::text("7"));
    cleared->resetGeneral(0);
    for (GeneralField field : {GeneralField::strutt, GeneralField::riduz, GeneralField::protez}) {
        const double number = readTypedNumber(texts[field]);
        EXPECT_EQ(fresh->general(field).typedNumber(), number) << texts[field];
        EXPECT_EQ(cleared->general(field).typedNumber(), number) << texts[field];
    }
    EXPECT_EQ(texts.strutt, "4");
    EXPECT_EQ(fresh->general(GeneralField::riduz).typedNumber(), 0.33);
}

TEST(GeneralEntry, StoreySelectorAndCopyStayWithinTheStoreyCount) {
    GeneralWindow window;
    EXPECT_EQ(selectGeneralStorey(*window.project, window.texts, 2).step, SelectorStep::ignored);
    window.type(GeneralField::np, "2");
    const SelectorOutcome past = selectGeneralStorey(*window.project, window.texts, 3);
    EXPECT_EQ(past.step, SelectorStep::refused);
    EXPECT_EQ(past.position, 2);
    EXPECT_EQ(past.message, (WindowMessage{"Non vi sono altri piani.", MessageIcon::critical}));

    ProjectData& project = *window.project;
    project.currentFloor = 1;
    applyStoreyFieldChange(project, FloorField::hp, "3.2");
    const StoreyCopy copy = planStoreyCopy(project);
    EXPECT_FALSE(copyStoreyInputs(project, copy)) << "not yet on storey 2";
    EXPECT_EQ(selectGeneralStorey(project, window.texts, copy.to).step, SelectorStep::accepted);
    EXPECT_TRUE(copyStoreyInputs(project, copy));
    EXPECT_EQ(project.floor(2, FloorField::hp).fieldText(), "3.2");
    EXPECT_EQ(planStoreyCopy(project).message->text, "Non esistono altri piani.");
}

TEST(GeneralEntry, HintNamesTheNextThingToDo) {
    GeneralWindow w;
    EXPECT_EQ(generalHint(*w.project, w.texts).text, "Immettere il grado di sismicit\u00e0.");
    w.type(GeneralField::grado, "9");
    w.type(GeneralField::strutt, "0");
    EXPECT_EQ(generalHint(*w.project, w.texts).text, "Digitare il coefficiente di struttura.");
    w.type(GeneralField::strutt, "4");
    EXPECT_EQ(generalHint(*w.project, w.texts).text, "Digitare il numero massimo dei piani.");
    w.type(GeneralField::np, "3");
    w.type(GeneralField::numsety, "2");
    EXPECT_EQ(generalHint(*w.project, w.texts).text, "Digitare il numero massimo dei setti in direzione X.");
    w.type(GeneralField::numsetx, "2");
    GeneralHint hint = generalHint(*w.project, w.texts);
    EXPECT_EQ(hint.text, "I dati sono stati immessi correttamente: archiviarli, correggerli o cliccare su AVANTI.");
    EXPECT_FALSE(hint.message);
    EXPECT_EQ(hint.storeyToShow, 0);
}

TEST(GeneralEntry, HintFindsTheFirstStoreyValueNotSignificant) {
    GeneralWindow w;
    w.fillIn("3");

    w.project->currentFloor = 2;
    applyStoreyFieldChange(*w.project, FloorField::hp, "0");
    EXPECT_EQ(w.project->floor(2, FloorField::hp), FieldValue::text("0"));
    GeneralHint hint = generalHint(*w.project, w.texts);
    ASSERT_TRUE(hint.message);
    EXPECT_EQ(hint.message->text, "Digitare un valore significativo per l'altezza del piano n. 2.");
    EXPECT_EQ(hint.message->icon, MessageIcon::critical);
    EXPECT_EQ(hint.storeyToShow, 2);
    EXPECT_EQ(hint.text, "Controllare e correggere i dati del piano n. 2 con valori attendibili.");

    // Storey 1 comes first; within a storey, specifico before hp.
    w.project->setFloor(1, FloorField::specifico, FieldValue::text("abc"));
    hint = generalHint(*w.project, w.texts);
    ASSERT_TRUE(hint.message);
    EXPECT_EQ(hint.message->text, "Vi sono valori non significativi nei dati al piano n. 1.");
    EXPECT_EQ(hint.storeyToShow, 1);
    EXPECT_EQ(hint.text, "Controllare e correggere i dati del piano n. 1 con valori attendibili.");
    w.project->setFloor(1, FloorField::specifico, FieldValue::text(""));
    EXPECT_EQ(generalHint(*w.project, w.texts).message->text,
              "Vi sono valori non significativi nei dati al piano n. 1.");

    // Comma and point are both significant; zero as a number or as a
    // numeric text, and a value never set, are not.
    w.project->setFloor(1, FloorField::specifico, FieldValue::text("1,8"));
    w.project->setFloor(2, FloorField::hp, FieldValue::text("3.00"));
    w.project->setFloor(3, FloorField::permsolai, FieldValue::text("0,35"));
    w.project->setFloor(3, FloorField::accsolai, FieldValue::text("0.35"));
    EXPECT_FALSE(generalHint(*w.project, w.texts).message);

    w.project->setFloor(3, FloorField::accsbalzi, FieldValue::text("0,0"));
    EXPECT_EQ(generalHint(*w.project, w.texts).message->text,
              "Digitare un valore significativo per il sovraccarico accidentale degli sbalzi al piano n. 3.");
    w.project->setFloor(3, FloorField::permsbalzi, FieldValue::integer(0));
    EXPECT_EQ(generalHint(*w.project, w.texts).message->text,
              "Digitare un valore significativo per il carico permanente degli sbalzi al piano n. 3.");
    w.project->setFloor(3, FloorField::specifico, FieldValue());
    EXPECT_EQ(generalHint(*w.project, w.texts).message->text,
              "Digitare un valore significativo per il peso specifico della muratura al piano n. 3.");
}

TEST(GeneralEntry, CheckReportsTheFirstEmptyField) {
    GeneralWindow w;
    CheckResult check = checkGeneralData(w.texts, CheckMode::silent);
    EXPECT_FALSE(check.passed);
    ASSERT_TRUE(check.message);
    EXPECT_EQ(check.message->text, "Immettere il grado di sismicit\u00e0.");
    EXPECT_EQ(check.message->icon, MessageIcon::question);

    w.fillIn("2");
    w.type(GeneralField::numsety, "");
    check = checkGeneralData(w.texts, CheckMode::interactive);
    EXPECT_FALSE(check.passed);
    EXPECT_EQ(check.message->text, "Digitare il numero massimo dei setti in direzione Y.");
    w.type(GeneralField::riduz, "");
    EXPECT_EQ(checkGeneralData(w.texts, CheckMode::silent).message->text, "Immettere il coefficiente di riduzione.");

    w.type(GeneralField::riduz, "0.33");
    w.type(GeneralField::numsety, "1");
    check = checkGeneralData(w.texts, CheckMode::silent);
    EXPECT_TRUE(check.passed);
    EXPECT_FALSE(check.message);
    check = checkGeneralData(w.texts, CheckMode::interactive);
    EXPECT_TRUE(check.passed);
    ASSERT_TRUE(check.message);
    EXPECT_EQ(check.message->text, "I dati sono stati immessi correttamente.");
    EXPECT_EQ(check.message->icon, MessageIcon::information);
}

} // namespace
} // namespace calvex
