#include "durable_file.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>

#include "model/durable_file_parts.h"
#include "model/windows_file_names.h"

namespace calvex {

namespace {

namespace fs = std::filesystem;

using namespace durable;
using windows_files::errnoFor;
using windows_files::systemName;

// What stands at the target now: nothing, a regular file the user may
// replace, or something that must not be replaced. The check opens the
// name, so that a device ("NUL", "COM1") is known by its kind.
int checkTarget(const fs::path& target, bool& replacing) {
    replacing = false;
    const HANDLE handle = CreateFileW(systemName(target).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return 0;
        // A pipe whose every instance is taken.
        return error == ERROR_PIPE_BUSY ? kSpecialTarget : errnoFor(error);
    }
    const DWORD type = GetFileType(handle);
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(handle, &information);
    const DWORD error = GetLastError();
    CloseHandle(handle);
    if (type != FILE_TYPE_DISK) return kSpecialTarget;
    if (!known) return errnoFor(error);
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return EISDIR;
    // As an editor that will not save over a read-only file.
    if (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) return kReadOnlyTarget;
    replacing = true;
    return 0;
}

// A hidden file while it is written, opened for the C runtime's calls.
int createTemporary(const fs::path& target, fs::path& temporary, int& error) {
    for (int attempt = 0;; ++attempt) {
        temporary = temporaryBeside(target);
        const HANDLE handle = CreateFileW(systemName(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD failure = GetLastError();
            if (failure == ERROR_FILE_EXISTS && attempt < 100) continue;
            error = errnoFor(failure);
            return -1;
        }
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
        if (fd < 0) {
            error = EMFILE;
            CloseHandle(handle);
            DeleteFileW(systemName(temporary).c_str());
        }
        return fd;
    }
}

HANDLE handleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

int writtenSize(int fd, std::size_t expected) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handleOf(fd), &size)) return errnoFor(GetLastError());
    return static_cast<std::uint64_t>(size.QuadPart) == expected ? 0 : kShortWrite;
}

} // namespace

DurableFileSteps systemFileSteps() {
    return {[](int fd, const void* data, std::size_t size) -> ssize_t {
                return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
            },
            [](int fd) {
                if (FlushFileBuffers(handleOf(fd))) return 0;
                errno = errnoFor(GetLastError());
                return -1;
            }};
}

DurableWriteResult writeFileDurably(const fs::path& chosen, std::string_view bytes, const DurableFileSteps& steps) {
    DurableWriteResult result;
    if (chosen.filename().empty()) {
        result.error = "impossibile salvare il file: manca il nome del file";
        return result;
    }
    // Saving through a symbolic link writes the file it points to.
    fs::path target = chosen;
    std::error_code failure;
    if (fs::is_symlink(target, failure)) {
        target = fs::weakly_canonical(chosen, failure);
        if (failure) {
            result.error = writeProblem(ELOOP);
            return result;
        }
    }
    bool replacing = false;
    if (const int error = checkTarget(target, replacing); error != 0) {
        result.error = writeProblem(error);
        return result;
    }

    fs::path temporary;
    int error = 0;
    const int fd = createTemporary(target, temporary, error);
    if (fd < 0) {
        result.error = writeProblem(error);
        return result;
    }
    if (writeAll(fd, bytes, steps, error)) {
        if (steps.sync(fd) != 0)
            error = errno;
        else
            error = writtenSize(fd, bytes.size());
    }
    if (_close(fd) != 0 && error == 0) error = errno;
    const std::wstring temporaryName = systemName(temporary);
    // The hidden mark would otherwise pass to the target with the rename.
    if (error == 0 && !SetFileAttributesW(temporaryName.c_str(), FILE_ATTRIBUTE_NORMAL))
        error = errnoFor(GetLastError());
    if (error == 0 && !MoveFileExW(temporaryName.c_str(), systemName(target).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = errnoFor(GetLastError());
    if (error != 0) {
        DeleteFileW(temporaryName.c_str());
        result.error = writeProblem(error);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace calvex
