#include <iostream>

#include "model/library_compare.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/command_options.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/diff_report.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_description.h"
#include "tools/glyphlib/library_loading.h"

namespace {

constexpr std::string_view Valued[] = {"--html"};
constexpr std::string_view Flags[] = {"--json"};

void printText(const std::vector<EntryReport>& reports) {
    for (const EntryReport& report : reports) {
        std::cout << report.heading << '\n';
        for (const std::string& detail : report.details) {
            std::cout << "  " << detail << '\n';
        }
    }
}

std::string summary(const std::string& fileA, const std::string& fileB,
                    const LibraryComparison& diff) {
    if (diff.equal()) {
        return fileA + " and " + fileB + " are equal";
    }
    const size_t n = diff.entries.size();
    return fileA + " and " + fileB + ": " + std::to_string(n) +
           (n == 1 ? " entry differs" : " entries differ");
}

}  // namespace

int runDiff(std::span<const std::string> args) {
    const auto options = takeOptions(args, "diff", Valued, Flags);
    if (!options) {
        return exit_code::Usage;
    }
    if (options->has("--json") && options->has("--html")) {
        printUsageError("diff", "expects either --json or --html OUT.html");
        return exit_code::Usage;
    }
    const auto parsed = parseLibraryArguments(options->rest, 2, "diff");
    if (!parsed) {
        return exit_code::Usage;
    }
    const std::string& fileA = parsed->files[0];
    const std::string& fileB = parsed->files[1];
    const LibraryKind kind = parsed->kindFor(fileA);
    if (parsed->kindFor(fileB) != kind) {
        printUsageError("diff", fileA + " is read as a " + std::string(kindName(kind)) +
                                    " library and " + fileB + " as a " +
                                    std::string(kindName(parsed->kindFor(fileB))) +
                                    " library; --kind reads both as one kind");
        return exit_code::Usage;
    }
    const auto a = loadLibrary(fileA, kind);
    const auto b = loadLibrary(fileB, kind);
    const bool readable = reportUnreadable(fileA, a->result);
    if (!reportUnreadable(fileB, b->result) || !readable) {
        return exit_code::Unreadable;
    }
    reportFindings(fileA, a->result);
    reportFindings(fileB, b->result);

    const LibraryComparison diff = compareLibraries(a->library, b->library);
    if (options->has("--json")) {
        std::cout << comparisonJson(fileA, a->library, fileB, b->library, diff) << '\n';
    } else if (const std::string* report = options->value("--html")) {
        QString error;
        if (!writeComparisonHtml(QString::fromLocal8Bit(*report), fileA, *a, fileB, *b, diff,
                                 error)) {
            std::cerr << "glyphlib: " << *report
                      << ": cannot write the report: " << error.toLocal8Bit().toStdString() << '\n';
            return exit_code::Unreadable;
        }
        std::cout << summary(fileA, fileB, diff) << '\n';
    } else {
        printText(describeComparison(a->library, b->library, diff));
        std::cout << summary(fileA, fileB, diff) << '\n';
    }
    return diff.equal() ? exit_code::Success : exit_code::ProblemsFound;
}
