#pragma once
// The open, save, save-as and delete commands of every work window.

class QString;

namespace calvex {

class WindowLinks;
class WorkWindow;

class ArchiveCommands {
public:
    explicit ArchiveCommands(WindowLinks& links) : links_(links) {}

    // The open command: the dialog, then `openFile` on the file chosen.
    void open(WorkWindow& from);
    // Reads the archive into the windows, as the open command does once a
    // file is chosen (also for a file named on the command line).
    void openFile(WorkWindow& from, const QString& file);
    void save(WorkWindow& from, bool saveAs);
    void deleteFile(WorkWindow& from);

    static const QString kOpenFilters;
    static const QString kSaveFilters;

private:
    WindowLinks& links_;
};

} // namespace calvex
