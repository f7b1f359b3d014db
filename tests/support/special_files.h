#pragma once
// Names that lead to no regular file, for the tests of reads that must
// refuse them at once: a pipe nobody writes to, on which an ordinary open
// or read would wait for ever, and devices that never end.

#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace calvex::testing {

#ifdef _WIN32
// Windows keeps its pipes in a namespace of their own, apart from folders.
inline constexpr bool kPipesLiveInFolders = false;

// A named pipe of this process, waiting for a writer until the process ends.
inline std::filesystem::path idlePipe(const std::filesystem::path&) {
    static int made = 0;
    const std::wstring name =
        L"\\\\.\\pipe\\calvex-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made);
    const HANDLE pipe = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED, PIPE_TYPE_BYTE,
                                         PIPE_UNLIMITED_INSTANCES, 0, 0, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) return {};
    // Listening, as a server does; the wait is never finished, and its
    // record lives as long as the process.
    ConnectNamedPipe(pipe, new OVERLAPPED{});
    return std::filesystem::path(name);
}

inline std::vector<std::string> endlessDevices() { return {"NUL"}; }
#else
inline constexpr bool kPipesLiveInFolders = true;

// A pipe in `folder`; empty when it cannot be made.
inline std::filesystem::path idlePipe(const std::filesystem::path& folder) {
    const std::filesystem::path pipe = folder / "tubo";
    return ::mkfifo(pipe.c_str(), 0600) == 0 ? pipe : std::filesystem::path();
}

inline std::vector<std::string> endlessDevices() { return {"/dev/zero", "/dev/urandom"}; }
#endif

} // namespace calvex::testing
