#pragma once
// A platform that answers without a person: messages get their default
// answer, the open dialog the file set beforehand.

#include "platform/platform.h"
#include "print/device/text_device.h"

namespace calvex::bench {

class SilentMusic : public MusicPlayer {
public:
    void open(const QString&) override {}
    void play() override {}
    void pause() override {}
    void close() override {}
};

class BenchPlatform : public Platform {
public:
    MessageAnswer showMessage(QWidget*, const MessageRequest& request) override {
        ++messages;
        return request.buttons == MessageButtons::ok ? MessageAnswer::ok : request.defaultAnswer;
    }
    std::optional<QString> chooseFileToOpen(QWidget*, const FileDialogRequest&) override { return fileToOpen; }
    std::optional<QString> chooseFileToSave(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    std::unique_ptr<TextDevice> choosePrinter(QWidget*) override { return nullptr; }
    std::optional<QString> openWordDocument(QWidget*, const QString&,
                                            const std::function<void(documents::WordDocument&)>&) override {
        return QStringLiteral("no word processor");
    }
    QSize screenSizeTwips() const override { return {19200, 14400}; }
    double twipsPerPixel() const override { return 15.0; }
    QDate currentDate() const override { return {2026, 12, 8}; }
    MusicPlayer& music() override { return music_; }

    QString fileToOpen;
    int messages = 0;

private:
    SilentMusic music_;
};

} // namespace calvex::bench
