#pragma once
// For the Windows halves of the file layer: the system's names of files
// and its error codes in the terms the shared code uses.

#include <windows.h>

#include <cerrno>
#include <filesystem>
#include <string>

namespace calvex::windows_files {

// The UTF-16 name the system calls take; a long one is given in the form
// that lifts the 260-character limit of the classic calls.
inline std::wstring systemName(const std::filesystem::path& file) {
    std::filesystem::path name = file;
    name.make_preferred();
    // Network names (\\server\...) and the system's own (\\.\pipe\...) stay as given.
    if (name.native().starts_with(L"\\\\")) return name.native();
    std::error_code failure;
    const std::filesystem::path absolute = std::filesystem::absolute(name, failure);
    if (failure) return name.native();
    if (absolute.native().size() < MAX_PATH) return absolute.native();
    return L"\\\\?\\" + absolute.native();
}

// The errno value of a system error, where the program names the reason;
// any other keeps its own number.
inline int errnoFor(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EACCES;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_CANT_RESOLVE_FILENAME:
            return ELOOP;
        case ERROR_WRITE_FAULT:
        case ERROR_READ_FAULT:
        case ERROR_CRC:
        case ERROR_IO_DEVICE:
            return EIO;
        default:
            return static_cast<int>(error);
    }
}

} // namespace calvex::windows_files
