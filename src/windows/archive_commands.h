#pragma once
// The open, save, save-as and delete commands of every work window.

class QString;

namespace calvex {

class WindowLinks;
class WorkWindow;

class ArchiveCommands {
public:
    explicit ArchiveCommands(WindowLinks& links) : links_(links) {}

    void open(WorkWindow& from);
    void save(WorkWindow& from, bool saveAs);
    void deleteFile(WorkWindow& from);

    static const QString kOpenFilters;
    static const QString kSaveFilters;

private:
    WindowLinks& links_;
};

} // namespace calvex
