#include "bounded_file_parts.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "model/windows_file_names.h"

namespace calvex::bounded {

namespace {

// Reads up to one byte over the limit, which tells a file that grew since
// its size was taken.
int readUpTo(HANDLE handle, std::size_t size, std::size_t maxBytes, std::string& bytes) {
    const std::size_t room = maxBytes + 1;
    bytes.resize(size + 1);
    std::size_t filled = 0;
    while (filled < room) {
        if (filled == bytes.size()) bytes.resize(std::min(room, 2 * bytes.size()));
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(handle, bytes.data() + filled, wanted, &got, nullptr)) {
            bytes.resize(filled);
            return windows_files::errnoFor(GetLastError());
        }
        if (got == 0) break;
        filled += got;
    }
    bytes.resize(filled);
    return filled > maxBytes ? kTooLarge : 0;
}

} // namespace

// The name is opened for reading only, sharing it with any other program;
// its kind and size are checked before a byte is read, so that a pipe or a
// device ("NUL", "COM1") is refused at once.
int readWholeFile(const std::filesystem::path& file, std::size_t maxBytes, std::string& bytes) {
    const HANDLE handle = CreateFileW(windows_files::systemName(file).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A pipe whose every instance is taken.
        return error == ERROR_PIPE_BUSY ? kNotARegularFile : windows_files::errnoFor(error);
    }
    int error = 0;
    BY_HANDLE_FILE_INFORMATION information{};
    LARGE_INTEGER size{};
    if (GetFileType(handle) != FILE_TYPE_DISK)
        error = kNotARegularFile;
    else if (!GetFileInformationByHandle(handle, &information))
        error = windows_files::errnoFor(GetLastError());
    else if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        error = EISDIR;
    else if (!GetFileSizeEx(handle, &size))
        error = windows_files::errnoFor(GetLastError());
    else if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes)
        error = kTooLarge;
    if (error == 0) error = readUpTo(handle, static_cast<std::size_t>(size.QuadPart), maxBytes, bytes);
    CloseHandle(handle);
    return error;
}

} // namespace calvex::bounded
