#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/app_texts.h"
#include "windows/help_index_window.h"
#include "windows/shown_windows.h"
#include "windows/title_page_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

constexpr const char* kFieldNames[] = {"progetto",  "localita", "committente", "architettonico",
                                       "direttore", "luogo",    "data",        "allegati"};

class TitlePageTest : public WindowTest {
protected:
    TitlePageWindow& window = shell.titlePageWindow();

    QLineEdit* field(const char* name) const { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(QString::fromLatin1(name)); }
    std::string title(TitleField f) const { return project->title(f); }
    // Types into a field key by key, as the user does.
    void keyIn(const char* name, const QString& keys) {
        for (const QChar key : keys)
            QTest::sendKeyEvent(QTest::Click, field(name), static_cast<Qt::Key>(key.toUpper().unicode()), QString(key),
                                Qt::NoModifier);
    }
    // Selects the field's text and types over it; nothing typed deletes it.
    void retype(const char* name, const QString& keys) {
        field(name)->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(field(name), Qt::Key_Delete);
        else
            keyIn(name, keys);
    }
    void fillAll() {
        for (const char* name : kFieldNames) retype(name, "x");
    }
    QString check() {
        platform.clearRecords();
        window.checkData();
        return lastMessage();
    }
};

TEST_F(TitlePageTest, OpensWithTodaysDateAndTheCalculatorsLines) {
    EXPECT_EQ(field("data")->text(), QString::fromUtf8("martedì, 8 dic 2026"));
    EXPECT_EQ(title(TitleField::data), "martedì, 8 dic 2026");
    for (const char* name : kFieldNames) {
        if (std::string_view(name) == "data") continue;
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
    }
    EXPECT_EQ(window.findChild<QLabel*>("Labelstudio")->text(), "Studio");
    EXPECT_EQ(window.findChild<QLabel*>("labelindirizzo")->text(), "Via Roma 1");
    // The editable document is the form proposed.
    EXPECT_TRUE(window.findChild<QRadioButton*>("comestampo1")->isChecked());
    EXPECT_EQ(window.reportForm(), TitlePageWindow::ReportForm::wordDocument);
    window.findChild<QRadioButton*>("comestampo2")->click();
    EXPECT_EQ(window.reportForm(), TitlePageWindow::ReportForm::directPrint);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TitlePageTest, EachFieldIsNamedByItsCaption) {
    const char* spoken[] = {"progetto",
                            "località",
                            "committente",
                            "progettista architettonico",
                            "direttore dei lavori",
                            "luogo elaborazione",
                            "data elaborazione",
                            "allegati alla relazione"};
    QList<QLabel*> labels = window.findChildren<QLabel*>();
    for (int i = 0; i < kTitleFieldCount; ++i) {
        QLineEdit* edit = field(kFieldNames[i]);
        ASSERT_NE(edit, nullptr) << kFieldNames[i];
        EXPECT_EQ(edit->accessibleName(), QString::fromUtf8(spoken[i]));
        const bool hasBuddy = std::ranges::any_of(labels, [edit](QLabel* l) { return l->buddy() == edit; });
        EXPECT_TRUE(hasBuddy) << kFieldNames[i];
    }
    EXPECT_EQ(field("allegati")->toolTip(), "grafici, schemi, disegni, planimetrie, foto, ecc.");
}

TEST_F(TitlePageTest, TextsLongerThanSixtyCharactersWarnAtEveryKeystrokeAndStayWhole) {
    keyIn("progetto", QString(60, QLatin1Char('a')));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(title(TitleField::progetto), std::string(60, 'a'));

    keyIn("progetto", "bc");
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const auto& message : platform.messages) {
        EXPECT_EQ(message.request.text,
                  QString::fromUtf8("Per una stampa corretta non digitare dati lunghi più di 60 spazi."));
        EXPECT_EQ(message.request.title, app::kCheckTitle);
        EXPECT_EQ(message.request.icon, MessageIcon::exclamation);
        EXPECT_EQ(message.parent, &window);
    }
    EXPECT_EQ(field("progetto")->text().size(), 62);
    EXPECT_EQ(title(TitleField::progetto), std::string(60, 'a') + "bc");

    // Back to 61 warns again; back to 60 does not.
    QTest::keyClick(field("progetto"), Qt::Key_Backspace);
    EXPECT_EQ(platform.messages.size(), 3u);
    QTest::keyClick(field("progetto"), Qt::Key_Backspace);
    EXPECT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(title(TitleField::progetto), std::string(60, 'a'));

    // Characters count, not bytes: sixty accented letters are within the limit.
    keyIn("luogo", QString(60, QChar(0xE8)));
    EXPECT_EQ(platform.messages.size(), 3u);
    keyIn("luogo", QString(QChar(0xE8)));
    EXPECT_EQ(platform.messages.size(), 4u);
}

TEST_F(TitlePageTest, CompletenessCheck) {
    const QString none = QString::fromUtf8("Non è stato immesso alcun dato.");
    const QString incomplete = "Inserire dati in ogni campo.";
    const QString complete = "I dati sono stati immessi correttamente.";

    // The date alone, and luogo too, do not count as data.
    keyIn("luogo", "Roma");
    EXPECT_EQ(check(), none);
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::question);
    EXPECT_EQ(platform.messages.back().request.title, app::kCheckTitle);

    keyIn("allegati", "tavole");
    EXPECT_EQ(check(), incomplete);
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::exclamation);

    fillAll();
    retype("luogo", "");
    EXPECT_EQ(title(TitleField::luogo), "");
    EXPECT_EQ(check(), complete);
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::information);

    // An empty date makes the page incomplete; a text of blanks fills a field.
    retype("data", "");
    EXPECT_EQ(title(TitleField::data), "");
    EXPECT_EQ(check(), incomplete);
    keyIn("data", " ");
    EXPECT_EQ(check(), complete);
    EXPECT_EQ(title(TitleField::progetto), "x");
}

// Through the menu, as "Cancella dati &finestra" and "Controllo &dati immessi".
TEST_F(TitlePageTest, ClearEmptiesEveryFieldAndTheDate) {
    fillAll();
    ASSERT_TRUE(window.action(Command::cancella)->isEnabled());
    window.action(Command::cancella)->trigger();
    for (int i = 0; i < kTitleFieldCount; ++i) {
        EXPECT_TRUE(field(kFieldNames[i])->text().isEmpty()) << kFieldNames[i];
        EXPECT_EQ(project->title(static_cast<TitleField>(i)), "") << kFieldNames[i];
    }
    ASSERT_TRUE(window.action(Command::controllodat)->isEnabled());
    window.action(Command::controllodat)->trigger();
    EXPECT_EQ(lastMessage(), QString::fromUtf8("Non è stato immesso alcun dato."));
}

TEST_F(TitlePageTest, ShowsTheProjectsTextsWithoutWarning) {
    const std::string longName(70, 'p');
    project->setTitle(TitleField::progetto, longName);
    project->setTitle(TitleField::data, "1 gennaio 1999");
    window.refreshFromProject();
    EXPECT_EQ(field("progetto")->text().toStdString(), longName);
    EXPECT_EQ(field("data")->text(), "1 gennaio 1999");
    EXPECT_TRUE(platform.messages.empty());

    // A project read before the window's first display keeps its date.
    ProjectData read;
    read.setTitle(TitleField::progetto, "Scuola");
    read.setTitle(TitleField::data, "1 gennaio 1999");
    Shell otherShell(platform, read, {"Studio", "Via Roma 1", "."});
    TitlePageWindow& page = otherShell.titlePageWindow();
    EXPECT_EQ(page.findChild<QLineEdit*>("progetto")->text(), "Scuola");
    EXPECT_EQ(page.findChild<QLineEdit*>("data")->text(), "1 gennaio 1999");
    EXPECT_EQ(read.title(TitleField::data), "1 gennaio 1999");
}

TEST_F(TitlePageTest, BottomButtons) {
    button("aiuto")->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    const MessageRequest& help = platform.messages[0].request;
    EXPECT_EQ(help.title, app::kHelpTitle);
    EXPECT_EQ(help.icon, MessageIcon::information);
    const QStringList lines = help.text.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1], QString::fromUtf8("- la data viene impostata in automatico, ma è modificabile;"));
    EXPECT_EQ(lines[4], "- effettuare il controllo dei dati immessi cliccando sul tasto ABC.");

    EXPECT_EQ(shownWindow<HelpIndexWindow>(), nullptr);
    button("guida")->click();
    EXPECT_NE(shownWindow<HelpIndexWindow>(), nullptr);

    button("sismica")->click();
    EXPECT_NE(shell.existingWorkWindow(WorkWindowId::sismica), nullptr);
    EXPECT_TRUE(button("stampa")->isEnabled());
    EXPECT_EQ(button("stampa")->toolTip(), "cliccare per avere la stampa completa della elaborazione eseguita");

    button("dati")->click();
    EXPECT_NE(shell.existingWorkWindow(WorkWindowId::dati), nullptr);

    platform.clearRecords();
    platform.answers.push_back(MessageAnswer::no);
    button("uscita")->click();
    EXPECT_EQ(lastMessage(), "Vuoi uscire da Calvex?");
    EXPECT_EQ(shell.existingWorkWindow(WorkWindowId::frontespizio), &window);
}

} // namespace
} // namespace calvex::testing
