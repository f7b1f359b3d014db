#pragma once
// A shell on the scripted platform, and ways to type into windows.

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <memory>

#include "shell/shell.h"
#include "support/scripted_platform.h"

// QStrings in assertion messages, as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace calvex::testing {

class WindowTest : public ::testing::Test {
protected:
    WindowTest() : project(std::make_unique<ProjectData>()), shell(platform, *project, {"Studio", "Via Roma 1", "."}) {}

    // Types a text into the field of that name, as the user would.
    static void type(QWidget& window, const char* field, const QString& text) {
        if (auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(field))) {
            combo->setEditText(text);
            return;
        }
        auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field));
        ASSERT_NE(edit, nullptr) << field;
        edit->setText(text);
    }
    static QString textOf(QWidget& window, const char* field) {
        if (auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(field))) return combo->currentText();
        return window.findChild<QLineEdit*>(QString::fromLatin1(field))->text();
    }
    QString lastMessage() const {
        return platform.messages.empty() ? QString() : platform.messages.back().request.text;
    }

    ScriptedPlatform platform;
    std::unique_ptr<ProjectData> project;
    Shell shell;
};

} // namespace calvex::testing
