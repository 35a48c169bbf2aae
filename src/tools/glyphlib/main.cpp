#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"

namespace {

void printUsage(std::ostream& out) {
    out << "usage: glyphlib COMMAND [ARGS]\n"
           "       glyphlib COMMAND --help\n\n"
           "Commands:\n";
    for (const Command& command : commandTable()) {
        out << "  glyphlib " << command.name << ' ' << command.synopsis << '\n';
    }
    out << "\nExit codes: 0 success, 1 check found an error or diff a difference, 2 a file could\n"
           "not be read or written or is no library, 64 bad usage.\n";
}

bool isHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    if (args.empty()) {
        printUsage(std::cerr);
        return exit_code::Usage;
    }
    if (isHelp(args[0]) || args[0] == "help") {
        printUsage(std::cout);
        return exit_code::Success;
    }
    const auto commands = commandTable();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return c.name == args[0]; });
    if (command == commands.end()) {
        std::cerr << "glyphlib: unknown command \"" << args[0] << "\"\n\n";
        printUsage(std::cerr);
        return exit_code::Usage;
    }
    const std::span<const std::string> rest(args.begin() + 1, args.end());
    if (std::any_of(rest.begin(), rest.end(), isHelp)) {
        std::cout << "usage: glyphlib " << command->name << ' ' << command->synopsis << "\n\n"
                  << command->help << '\n'
                  << kindHelp();
        return exit_code::Success;
    }
    return command->run(rest);
}
