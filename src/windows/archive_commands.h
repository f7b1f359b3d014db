#pragma once
// The open, save, save-as and delete commands of every work window.

class QString;

namespace calvex {

class Shell;
class WorkWindow;

class ArchiveCommands {
public:
    explicit ArchiveCommands(Shell& shell) : shell_(shell) {}

    void open(WorkWindow& from);
    void save(WorkWindow& from, bool saveAs);
    void deleteFile(WorkWindow& from);

    static const QString kOpenFilters;
    static const QString kSaveFilters;

private:
    Shell& shell_;
};

} // namespace calvex
