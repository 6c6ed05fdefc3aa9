// Runs the built vela-upagrahas-cli as a user runs it, from the tests of the command line:
// standard input from a file, output and messages caught in files of a working folder.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vela::clitest {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::string ShellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs the program with the arguments in the folder `dir` (which holds its files "stdin", "stdout"
// and "stderr"); standard input is the given text, never the terminal. When stdoutPath is given the
// output goes there and is not read back.
inline CliRun RunCli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                     const std::string& input = "", const std::string& stdoutPath = "") {
    Write(dir / "stdin", input);
    const std::filesystem::path out = stdoutPath.empty() ? dir / "stdout" : std::filesystem::path(stdoutPath);
    std::string command = ShellQuoted(VELA_CLI_PATH);
    for (const auto& arg : args) command.append(" ").append(ShellQuoted(arg));
    command.append(" < ").append(ShellQuoted(dir / "stdin"));
    command.append(" > ").append(ShellQuoted(out));
    command.append(" 2> ").append(ShellQuoted(dir / "stderr"));
    const int raw = std::system(command.c_str());
    CliRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (stdoutPath.empty()) r.out = Slurp(out);
    r.err = Slurp(dir / "stderr");
    return r;
}

}  // namespace vela::clitest
