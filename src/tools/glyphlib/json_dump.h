#pragma once

#include <string>

#include "model/library.h"
#include "model/read_result.h"

// The library as read, as one line of JSON:
// {"kind":..,"layout":..,"entries":[..],"findings":[..]} and "error" when the read stopped.
std::string libraryJson(const Library& library, const ReadResult& result);
