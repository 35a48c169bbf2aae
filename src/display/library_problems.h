#pragma once

#include <vector>

#include "display/problem_rules.h"

// The problems of a library kept current entry by entry, for a view that follows the edits:
// after one entry was stored, only its own rules and the names are checked again. What it
// holds is always what checkLibrary would find.
class LibraryProblems {
  public:
    explicit LibraryProblems(CheckOptions options = {}) : options_(options) {}

    // Checks every entry again.
    void checkAll(const Library& library);
    // Entry n (1..entryCount) was stored; the other entries are as when last checked.
    void checkStored(const Library& library, int n);

    // Every problem in checkLibrary's order.
    std::vector<Problem> all() const;
    int errorCount() const { return errors_; }
    int warningCount() const { return warnings_; }

  private:
    void recount();

    CheckOptions options_;
    std::vector<Problem> library_;               // of the library as a whole
    std::vector<Problem> names_;                 // as checkNames, in entry order
    std::vector<std::vector<Problem>> entries_;  // entry n's at n - 1
    int errors_ = 0;
    int warnings_ = 0;
};
