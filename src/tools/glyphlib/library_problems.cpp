#include "tools/glyphlib/library_problems.h"

#include "tools/glyphlib/library_loading.h"

namespace {

// Each is content of the file that a save would not write back.
std::string_view findingRule(FindingKind kind) {
    switch (kind) {
        case FindingKind::LineBeforeFirstEntry:
            return "line-before-entry";
        case FindingKind::EntryBeyondCapacity:
            return "entries-beyond-limit";
        case FindingKind::EntityBeyondCapacity:
            return "entities-beyond-limit";
        case FindingKind::EntityListEnded:
            return "list-ended";
        case FindingKind::MissingEndLine:
            return "missing-end";
    }
    return {};
}

}  // namespace

std::vector<CheckFinding> libraryFindings(const Library& library, const ReadResult& result) {
    std::vector<CheckFinding> findings;
    for (const ReadFinding& f : result.findings) {
        findings.push_back({findingRule(f.kind), Severity::Error, f.entry, 0, f.firstLine,
                            f.lastLine, findingText(f)});
    }
    for (const Problem& p : checkLibrary(library, {.layout = result.layout})) {
        const RuleInfo& rule = ruleInfo(p.rule);
        findings.push_back(
            {rule.id, rule.severity, p.entry, p.entity, 0, 0, problemText(p, stringText)});
    }
    return findings;
}
