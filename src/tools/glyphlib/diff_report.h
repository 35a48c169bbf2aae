#pragma once

#include <QString>
#include <string>
#include <vector>

#include "model/library.h"
#include "model/library_compare.h"

struct LoadedLibrary;

// The comparison in words, one heading per differing entry ("changed: entry 4 "Church" ->
// entry 2 "Church"") with one detail per changed field or entity.
struct EntryReport {
    std::string heading;
    std::vector<std::string> details;
};
std::vector<EntryReport> describeComparison(const Library& a, const Library& b,
                                            const LibraryComparison& diff);

// The comparison as one line of JSON.
std::string comparisonJson(const std::string& fileA, const Library& a, const std::string& fileB,
                           const Library& b, const LibraryComparison& diff);

// A self-contained HTML page: the description, and each differing entry's picture in A and
// in B side by side. Nothing when the file cannot be written; the reason is in `error`.
bool writeComparisonHtml(const QString& path, const std::string& fileA, LoadedLibrary& a,
                         const std::string& fileB, LoadedLibrary& b, const LibraryComparison& diff,
                         QString& error);
