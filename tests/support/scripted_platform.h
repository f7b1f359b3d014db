#pragma once
// The platform layer for window tests: records every call and answers
// from queues filled by the test. With nothing queued a message box gets
// its default answer and a dialog is cancelled.

#include <QPointer>
#include <QWidget>
#include <deque>
#include <vector>

#include "platform/platform.h"
#include "support/recording_device.h"
#include "support/recording_word_document.h"

namespace calvex::testing {

class RecordingMusic : public MusicPlayer {
public:
    void open(const QString& midiFile) override { commands.push_back("open " + midiFile); }
    void play() override { commands.push_back("play"); }
    void pause() override { commands.push_back("pause"); }
    void close() override { commands.push_back("close"); }
    QStringList commands;
};

class ScriptedPlatform : public Platform {
public:
    struct Message {
        MessageRequest request;
        QPointer<QWidget> parent;
    };
    struct FileDialog {
        bool save;
        FileDialogRequest request;
    };

    MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    // A recording device; what it recorded lands in `printouts` when the
    // printout is over.
    std::unique_ptr<TextDevice> choosePrinter(QWidget* parent) override;
    // A recording document kept in `documents`; the outcome comes from
    // `documentFailures` (an empty text: the document opens).
    std::optional<QString> openWordDocument(QWidget* parent, const QString& name,
                                            const std::function<void(documents::WordDocument&)>& build) override;
    QSize screenSizeTwips() const override { return screen; }
    double twipsPerPixel() const override { return 15.0; }
    QDate currentDate() const override { return today; }
    MusicPlayer& music() override { return musicPlayer; }

    // The texts of the messages shown so far, in order.
    QStringList messageTexts() const;
    // Forgets what was recorded.
    void clearRecords();

    std::deque<MessageAnswer> answers;
    std::deque<QString> files; // an empty name cancels the dialog
    std::deque<QColor> colors; // an invalid colour cancels the dialog
    std::deque<bool> printers; // false cancels the printer dialog

    std::vector<Message> messages;
    std::vector<FileDialog> fileDialogs;
    std::vector<QColor> colorDialogs; // the initial colour of each
    int printerDialogs = 0;
    std::vector<std::vector<RecordingDevice::Item>> printouts;
    std::deque<QString> documentFailures;
    std::vector<std::unique_ptr<RecordingWordDocument>> documents;
    QStringList documentNames;

    QSize screen{19200, 14400};
    QDate today{2026, 12, 8};
    RecordingMusic musicPlayer;
};

} // namespace calvex::testing
