#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "display/problem_rules.h"
#include "model/library.h"
#include "model/read_result.h"

// One thing `glyphlib check` reports: a line of the file the reader had to skip or lose, or a
// problem the rules found in the library as read.
struct CheckFinding {
    std::string_view rule;
    Severity severity = Severity::Error;
    int32_t entry = 0;      // 1-based; 0 = none
    int32_t entity = 0;     // 1-based; 0 = none
    int64_t firstLine = 0;  // the file lines of a reader's finding; 0 for a rule's
    int64_t lastLine = 0;
    std::string text;  // UTF-8; a reader's finding names its lines and entry itself
};

// The reader's findings, then the problems of the rules, each with the built-in English text.
std::vector<CheckFinding> libraryFindings(const Library& library, const ReadResult& result);
