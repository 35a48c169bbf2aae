#include <algorithm>
#include <iostream>

#include "tools/glyphlib/command.h"
#include "tools/glyphlib/command_options.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/json_text.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_description.h"
#include "tools/glyphlib/library_loading.h"
#include "tools/glyphlib/library_problems.h"

namespace {

constexpr std::string_view Flags[] = {"--json"};

std::string_view severityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

bool hasEntry(const Library& library, int32_t n) {
    return n >= 1 && n <= library.entryCount;
}

std::string counted(size_t n, std::string_view what) {
    return std::to_string(n) + ' ' + std::string(what) + (n == 1 ? "" : "s");
}

// FILE: SEVERITY RULE: entry N "NAME", entity K: TEXT
void printText(const std::string& file, const Library& library,
               const std::vector<CheckFinding>& findings, size_t errors) {
    for (const CheckFinding& f : findings) {
        std::cout << file << ": " << severityName(f.severity) << ' ' << f.rule << ": ";
        if (f.firstLine == 0 && hasEntry(library, f.entry)) {
            std::cout << "entry " << f.entry << " \"" << printableName(library, f.entry) << '"';
            if (f.entity > 0) {
                std::cout << ", entity " << f.entity;
            }
            std::cout << ": ";
        }
        std::cout << f.text << '\n';
    }
    if (findings.empty()) {
        std::cout << file << ": no problems found\n";
    } else {
        std::cout << file << ": " << counted(errors, "error") << ", "
                  << counted(findings.size() - errors, "warning") << '\n';
    }
}

void printJson(const std::string& file, const Library& library,
               const std::vector<CheckFinding>& findings, size_t errors) {
    std::string out = "{";
    json::appendKey(out, "file");
    json::appendString(out, file);
    json::appendInt(out += ',', "errors", static_cast<int64_t>(errors));
    json::appendInt(out += ',', "warnings", static_cast<int64_t>(findings.size() - errors));
    json::appendKey(out += ',', "findings");
    out += '[';
    for (size_t i = 0; i < findings.size(); ++i) {
        const CheckFinding& f = findings[i];
        out += i > 0 ? ",{" : "{";
        json::appendKey(out, "rule");
        json::appendString(out, f.rule);
        json::appendKey(out += ',', "severity");
        json::appendString(out, severityName(f.severity));
        json::appendInt(out += ',', "entry", f.entry);
        if (hasEntry(library, f.entry)) {
            json::appendKey(out += ',', "name");
            json::appendString(out, printableName(library, f.entry));
        }
        json::appendInt(out += ',', "entity", f.entity);
        if (f.firstLine > 0) {
            json::appendInt(out += ',', "firstLine", f.firstLine);
            json::appendInt(out += ',', "lastLine", f.lastLine);
        }
        json::appendKey(out += ',', "text");
        json::appendString(out, f.text);
        out += '}';
    }
    out += "]}";
    std::cout << out << '\n';
}

}  // namespace

int runCheck(std::span<const std::string> args) {
    const auto options = takeOptions(args, "check", {}, Flags);
    if (!options) {
        return exit_code::Usage;
    }
    const NamedLibrary named = loadNamedLibrary(options->rest, "check");
    if (!named.loaded) {
        return named.exitCode;
    }
    const std::string& file = named.file;
    const auto& loaded = named.loaded;
    const std::vector<CheckFinding> findings = libraryFindings(loaded->library, loaded->result);
    const auto errors = static_cast<size_t>(
        std::count_if(findings.begin(), findings.end(),
                      [](const CheckFinding& f) { return f.severity == Severity::Error; }));
    if (options->has("--json")) {
        printJson(file, loaded->library, findings, errors);
    } else {
        printText(file, loaded->library, findings, errors);
    }
    return errors > 0 ? exit_code::ProblemsFound : exit_code::Success;
}
