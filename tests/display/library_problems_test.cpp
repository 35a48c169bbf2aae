#include "display/library_problems.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "model/codec_test_support.h"

namespace {

std::string sample(const char* name) {
    std::ifstream in(std::string(GLYPH_SOURCE_DIR "/samples/") + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// One random change of entry n of the kinds the rules look at: a point moved, maybe off the
// drawing area, a colour, a copied entity, a name taken from another entry, the entry emptied.
void changeEntry(Library& library, int n, std::mt19937& random) {
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    EntityArray& slots = library.entities(n);
    const int count = countEntities(slots);
    switch (pick(0, 4)) {
        case 0:
            if (count > 0) {
                Entity& e = slots[static_cast<size_t>(pick(0, count - 1))];
                e.x2 = pick(1, 320);
                e.y2 = pick(1, 320);
            }
            break;
        case 1:
            if (count > 0) {
                slots[static_cast<size_t>(pick(0, count - 1))].colour = pick(0, 18);
            }
            break;
        case 2:
            if (count > 0 && count < MaxEntities) {
                slots[static_cast<size_t>(count)] = slots[0];
            }
            break;
        case 3: {
            std::string name = library.entry(pick(1, library.entryCount)).name.str();
            if (pick(0, 1) == 1) {
                name += ' ';
            }
            library.entry(n).name.assign(name);
            break;
        }
        default:
            for (Entity& e : slots) {
                e = {};
            }
            break;
    }
}

// After every stored entry the kept problems are exactly those a whole check finds, in the
// same order and with the same counts.
TEST(LibraryProblemsTest, StoringEntriesKeepsTheWholeCheck) {
    for (const char* file : {"survey.sym", "boundaries.ltp"}) {
        SCOPED_TRACE(file);
        codec_test::TestLibrary test(
            std::string_view(file).ends_with(".ltp") ? LibraryKind::LineType : LibraryKind::Symbol);
        test.read(sample(file));
        Library& library = test.library;
        ASSERT_GT(library.entryCount, 2);
        const CheckOptions options{.heightsAsRead = false};
        LibraryProblems problems(options);
        problems.checkAll(library);
        std::mt19937 random(18);
        for (int step = 0; step < 400; ++step) {
            const int n = std::uniform_int_distribution<int>(1, library.entryCount)(random);
            changeEntry(library, n, random);
            problems.checkStored(library, n);
            const std::vector<Problem> whole = checkLibrary(library, options);
            ASSERT_EQ(problems.all(), whole) << "step " << step << ", entry " << n;
            int errors = 0;
            for (const Problem& p : whole) {
                errors += ruleInfo(p.rule).severity == Severity::Error ? 1 : 0;
            }
            ASSERT_EQ(problems.errorCount(), errors);
            ASSERT_EQ(problems.warningCount(), static_cast<int>(whole.size()) - errors);
        }
        EXPECT_GT(problems.errorCount(), 0);  // the changes planted some
        // An entry the index has not seen (the list grew) is checked with all the others.
        ++library.entryCount;
        problems.checkStored(library, library.entryCount);
        EXPECT_EQ(problems.all(), checkLibrary(library, options));
    }
}

}  // namespace
