#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "windows/general_data_window.h"
#include "windows/title_page_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class GeneralWindowTest : public WindowTest {
protected:
    GeneralDataWindow& window = shell.generalWindow();

    void typeBuilding() {
        type(window, "grado", "9");
        type(window, "np", "3");
        type(window, "numsetx", "3");
        type(window, "numsety", "4");
    }
    QScrollBar* scroll() { return window.findChild<QScrollBar*>("VScroll1"); }
};

TEST_F(GeneralWindowTest, HintNamesTheNextThingToDo) {
    EXPECT_EQ(window.hintText(), QString::fromUtf8("Immettere il grado di sismicità."));
    EXPECT_FALSE(window.findChild<QLineEdit*>("hp")->isEnabled());
    type(window, "grado", "9");
    EXPECT_EQ(window.hintText(), "Digitare il numero massimo dei piani.");
    // A refused coefficient empties its field; the next hint names it.
    type(window, "strutt", "");
    EXPECT_EQ(window.hintText(), "Digitare il numero massimo dei piani.");
    type(window, "np", "3");
    EXPECT_EQ(window.hintText(), "Digitare il coefficiente di struttura.");
    type(window, "strutt", "4");
    EXPECT_TRUE(window.findChild<QLineEdit*>("hp")->isEnabled());
    EXPECT_EQ(textOf(window, "hp"), "2.9");
    EXPECT_EQ(window.hintText(), "Digitare il numero massimo dei setti in direzione X.");
    type(window, "numsetx", "3");
    type(window, "numsety", "4");
    EXPECT_EQ(window.hintText(),
              "I dati sono stati immessi correttamente: archiviarli, correggerli o cliccare su AVANTI.");
    EXPECT_EQ(project->wallCount(), 7);
    EXPECT_TRUE(platform.messages.empty());
    // Showing a storey does not turn its default numbers into texts.
    EXPECT_EQ(project->floor(1, FloorField::hp), FieldValue::real(2.9));
}

TEST_F(GeneralWindowTest, LimitsOfStoreysAndWalls) {
    type(window, "np", "25");
    EXPECT_EQ(textOf(window, "np"), "");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "Il programma verifica edifici fino ad un massimo di 20 piani.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::critical);
    EXPECT_EQ(platform.messages.back().request.title, "Calvex: controllo dati immessi nella finestra attiva");
    for (const char* refused : {"abc", "0", "2.5"}) {
        type(window, "np", refused);
        EXPECT_EQ(textOf(window, "np"), "") << refused;
    }
    EXPECT_EQ(platform.messages.size(), 1u);

    type(window, "numsety", "60");
    type(window, "numsetx", "50");
    EXPECT_EQ(textOf(window, "numsetx"), "");
    EXPECT_EQ(lastMessage(), "Il programma verifica edifici fino ad un massimo di 100 setti per piano.");
    EXPECT_EQ(project->wallCount(), 60);
    type(window, "numsetx", "40");
    EXPECT_EQ(project->wallCount(), 100);
}

TEST_F(GeneralWindowTest, StoreyNavigationCopyAndHintOnStoreyValues) {
    typeBuilding();
    scroll()->setValue(5);
    EXPECT_EQ(lastMessage(), "Non vi sono altri piani.");
    EXPECT_EQ(window.shownStorey(), 3);

    window.copyToNextStorey();
    EXPECT_EQ(lastMessage(), "Non esistono altri piani.");

    window.showStorey(1);
    type(window, "hp", "3.2");
    type(window, "specifico", "1,8");
    window.copyToNextStorey();
    EXPECT_EQ(window.shownStorey(), 2);
    EXPECT_EQ(project->floor(2, FloorField::hp), FieldValue::text("3.2"));
    EXPECT_EQ(textOf(window, "specifico"), "1,8");

    platform.clearRecords();
    type(window, "hp", "0");
    window.showStorey(1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "Digitare un valore significativo per l'altezza del piano n. 2.");
    EXPECT_EQ(window.shownStorey(), 2);
    EXPECT_EQ(window.hintText(), "Controllare e correggere i dati del piano n. 2 con valori attendibili.");
}

TEST_F(GeneralWindowTest, ClearAndGoAhead) {
    typeBuilding();
    window.clearWindow();
    EXPECT_EQ(window.hintText(), QString::fromUtf8("Immettere il grado di sismicità."));
    EXPECT_EQ(textOf(window, "strutt"), "4");
    EXPECT_EQ(textOf(window, "riduz"), "0.33");
    EXPECT_EQ(textOf(window, "protez"), "1.0");
    EXPECT_EQ(project->general(GeneralField::np), FieldValue::integer(0));
    EXPECT_EQ(project->floor(2, FloorField::hp), FieldValue::text(""));

    type(window, "grado", "9");
    type(window, "np", "2");
    type(window, "numsetx", "3");
    platform.clearRecords();
    window.goAhead();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "Digitare il numero massimo dei setti in direzione Y.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::question);
    EXPECT_TRUE(project->floor(21, FloorField::hp).isEmpty());

    type(window, "numsety", "1");
    window.goAhead();
    EXPECT_EQ(project->floor(21, FloorField::hp), FieldValue::integer(0));
    EXPECT_EQ(project->floor(3, FloorField::specifico), FieldValue::integer(0));

    window.checkData();
    EXPECT_EQ(lastMessage(), "I dati sono stati immessi correttamente.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::information);
}

TEST_F(GeneralWindowTest, OwnWindowQuestionAndBackground) {
    platform.answers.push_back(MessageAnswer::no);
    window.findChild<QAction*>("fin1")->trigger();
    EXPECT_EQ(lastMessage(), "E' questa la finestra 'Dati': si vuole la guida della finestra?");
    EXPECT_EQ(platform.messages.back().request.buttons, MessageButtons::yesNo);

    platform.answers.push_back(MessageAnswer::yes);
    window.findChild<QAction*>("colorare")->trigger();
    EXPECT_EQ(window.background(), QColor(192, 192, 192));
    EXPECT_EQ(shell.titlePageWindow().background(), QColor(192, 192, 192));
    // Already grey: straight to the colour dialog, starting from the last colour chosen.
    platform.colors.push_back(QColor(10, 20, 30));
    window.findChild<QAction*>("colorare")->trigger();
    ASSERT_EQ(platform.colorDialogs.size(), 1u);
    EXPECT_EQ(window.background(), QColor(10, 20, 30));
    EXPECT_EQ(shell.choices().lastChosenColour, QColor(10, 20, 30));
}

TEST_F(GeneralWindowTest, CommandsOfTheWindow) {
    EXPECT_TRUE(window.findChild<QAction*>("fin2")->isEnabled());
    EXPECT_TRUE(window.findChild<QAction*>("solodati")->isEnabled());
    EXPECT_TRUE(window.findChild<QAction*>("fin5")->isEnabled());
    EXPECT_TRUE(window.findChild<QAction*>("copiadati")->isEnabled());
    EXPECT_EQ(window.findChild<QWidget*>("np")->accessibleName(), "Numero massimo dei piani");
    EXPECT_EQ(window.findChild<QWidget*>("specifico")->accessibleName(), "Peso specifico delle murature t/mc");
}

} // namespace
} // namespace calvex::testing
