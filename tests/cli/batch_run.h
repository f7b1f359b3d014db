#pragma once
// Runs the built calvex-batch and collects what it prints.

#include <gtest/gtest.h>

#include <unistd.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace calvex::testing {

struct BatchRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::filesystem::path examplePath(const char* name) {
    return std::filesystem::path(CALVEX_SOURCE_DIR) / "examples" / name;
}

inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// A folder of the running test for one purpose, emptied first.
inline std::filesystem::path scratchDir(const std::string& purpose) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("calvex_cli_" + std::to_string(::getpid()) + "_" +
                                       std::string(info->test_suite_name()) + "_" + info->name() + "_" + purpose);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

#ifdef _WIN32
// The command interpreter's quoting; no argument of the tests holds a quote.
inline std::string quoted(const std::string& arg) { return "\"" + arg + "\""; }

inline BatchRun runBatch(std::initializer_list<std::string> args) {
    const std::filesystem::path dir = scratchDir("run");
    std::filesystem::path program = std::filesystem::path(CALVEX_BINARY_DIR) / "bin" / "calvex-batch.exe";
    std::string command = quoted(program.make_preferred().string());
    for (const std::string& arg : args) command.append(" ").append(quoted(arg));
    command.append(" >").append(quoted((dir / "out").string()));
    command.append(" 2>").append(quoted((dir / "err").string())).append(" <NUL");
    // The interpreter drops the first and the last quote of the line.
    const int status = std::system(("\"" + command + "\"").c_str());
    return {status, readBytes(dir / "out"), readBytes(dir / "err")};
}
#else
inline std::string quoted(const std::string& arg) {
    std::string text = "'";
    for (char c : arg) {
        if (c == '\'')
            text.append("'\\''");
        else
            text.push_back(c);
    }
    text.push_back('\'');
    return text;
}

inline BatchRun runBatch(std::initializer_list<std::string> args) {
    const std::filesystem::path dir = scratchDir("run");
    std::string command = quoted((std::filesystem::path(CALVEX_BINARY_DIR) / "bin" / "calvex-batch").string());
    for (const std::string& arg : args) command.append(" ").append(quoted(arg));
    command.append(" >").append(quoted((dir / "out").string()));
    command.append(" 2>").append(quoted((dir / "err").string())).append(" </dev/null");
    const int raw = std::system(command.c_str());
    BatchRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readBytes(dir / "out");
    run.err = readBytes(dir / "err");
    return run;
}
#endif

} // namespace calvex::testing
