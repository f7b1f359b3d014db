#pragma once
// Everything modal or outside the program that the windows need: message
// boxes, file and colour dialogs, the screen, today's date and the splash
// music. Windows ask this interface and never call the dialogs directly;
// tests answer it from a script.

#include <QColor>
#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "rules/window_message.h"

class QWidget;

namespace calvex {

class TextDevice;
namespace documents {
class WordDocument;
} // namespace documents

enum class MessageButtons { ok, yesNo };
enum class MessageAnswer { ok, yes, no };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::information;
    MessageButtons buttons = MessageButtons::ok;
    MessageAnswer defaultAnswer = MessageAnswer::ok;
};

// A file dialog as the program describes it: the filter string of pairs
// "description|pattern|description|pattern", the filter preselected
// (0-based) and the name proposed.
struct FileDialogRequest {
    QString title;
    QString filters;
    int selectedFilter = 0;
    QString proposedName;
};

// The splash music: a MIDI file opened, played, paused and closed.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    virtual void open(const QString& midiFile) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void close() = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseFileToSave(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // The printer chosen in the printer-selection dialog, ready to print
    // on, or nothing when the user cancels or the printer cannot start.
    virtual std::unique_ptr<TextDevice> choosePrinter(QWidget* parent) = 0;
    // A new document for the user's word processor, written by `build`,
    // kept in a file named after `name` and opened there for the user to
    // edit, print or save. Nothing when it is open; otherwise what went
    // wrong, in the program's words.
    virtual std::optional<QString> openWordDocument(QWidget* parent, const QString& name,
                                                    const std::function<void(documents::WordDocument&)>& build) = 0;

    // The screen in twips (1440 to the inch) and the size of one pixel in twips.
    virtual QSize screenSizeTwips() const = 0;
    virtual double twipsPerPixel() const = 0;
    virtual QDate currentDate() const = 0;
    virtual MusicPlayer& music() = 0;

    // Shorthands for the two kinds of box the program shows.
    void inform(QWidget* parent, const QString& title, const QString& text, MessageIcon icon);
    bool askYesNo(QWidget* parent, const QString& title, const QString& text,
                  MessageAnswer defaultAnswer = MessageAnswer::yes);
};

} // namespace calvex
