#pragma once

#include <string>
#include <vector>

#include "model/library.h"
#include "model/read_result.h"

// What a library keeper should fix, one UTF-8 text per problem: the reader's findings, points
// outside the drawing area, lines of zero length, duplicate names and colours outside 1..16.
// Entities that end an entry's list early are among the reader's findings.
std::vector<std::string> libraryProblems(const Library& library, const ReadResult& result);
