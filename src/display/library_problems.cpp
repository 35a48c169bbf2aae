#include "display/library_problems.h"

void LibraryProblems::checkAll(const Library& library) {
    library_.clear();
    if (options_.layout != LibraryLayout::Current) {
        library_.push_back({ProblemRule::OlderLayout, 0, 0, {}});
    }
    names_ = checkNames(library);
    entries_.clear();
    for (int n = 1; n <= library.entryCount; ++n) {
        entries_.push_back(checkEntry(library, n, options_));
    }
    recount();
}

void LibraryProblems::checkStored(const Library& library, int n) {
    if (n < 1 || n > library.entryCount ||
        static_cast<size_t>(library.entryCount) != entries_.size()) {
        // Not an entry this index knows: the list itself changed.
        checkAll(library);
        return;
    }
    names_ = checkNames(library);
    entries_[static_cast<size_t>(n - 1)] = checkEntry(library, n, options_);
    recount();
}

std::vector<Problem> LibraryProblems::all() const {
    std::vector<Problem> out = library_;
    auto name = names_.begin();
    for (size_t i = 0; i < entries_.size(); ++i) {
        const auto n = static_cast<int32_t>(i + 1);
        for (; name != names_.end() && name->entry == n; ++name) {
            out.push_back(*name);
        }
        out.insert(out.end(), entries_[i].begin(), entries_[i].end());
    }
    return out;
}

void LibraryProblems::recount() {
    errors_ = 0;
    warnings_ = 0;
    const auto count = [this](const std::vector<Problem>& problems) {
        for (const Problem& p : problems) {
            ++(ruleInfo(p.rule).severity == Severity::Error ? errors_ : warnings_);
        }
    };
    count(library_);
    count(names_);
    for (const auto& entry : entries_) {
        count(entry);
    }
}
