#pragma once

#include <span>
#include <string>
#include <string_view>

// A subcommand of glyphlib. It receives the arguments after its name (never --help, which the
// dispatcher answers from `help`) and returns the exit code.
using CommandMain = int (*)(std::span<const std::string> args);

struct Command {
    std::string_view name;
    std::string_view synopsis;  // the arguments, for the usage lines
    std::string_view help;      // what it does, for --help
    CommandMain run;
};

// Every subcommand, in the order the usage text lists them.
std::span<const Command> commandTable();

namespace exit_code {
inline constexpr int Success = 0;
inline constexpr int ProblemsFound = 1;  // check: an error; diff: the libraries differ
inline constexpr int Unreadable = 2;     // the file could not be read or is no library
inline constexpr int Usage = 64;
}  // namespace exit_code
