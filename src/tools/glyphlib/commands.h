#pragma once

#include <span>
#include <string>
#include <string_view>

// The subcommands registered in the command table.
int runInfo(std::span<const std::string> args);
int runDump(std::span<const std::string> args);
int runConvert(std::span<const std::string> args);
int runCheck(std::span<const std::string> args);
int runRender(std::span<const std::string> args);
int runDiff(std::span<const std::string> args);
int runExport(std::span<const std::string> args);
int runVersions(std::span<const std::string> args);
int runTransform(std::span<const std::string> args);
int runPreview(std::span<const std::string> args);
int runCatalogue(std::span<const std::string> args);

// How the library kind is chosen, for every command's help.
std::string_view kindHelp();
