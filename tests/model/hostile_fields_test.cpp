// Texts no program would write, in every field of every kind of line: the reader must take
// each safely (a default or a bounded value, never a non-finite real), and what it made of
// them must survive a save unchanged.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "codec_test_support.h"
#include "model/library_writer.h"

namespace {

using codec_test::crlf;
using codec_test::TestLibrary;

const std::vector<std::string> HostileTexts = {" 1e309",
                                               "   NaN",
                                               "  -nan",
                                               "   inf",
                                               "999999",
                                               "-99999",
                                               std::string(6, '\0'),
                                               "\r\r\r\r\r\r",
                                               "  \r 7",
                                               "0x1F  ",
                                               " 1e-45",
                                               "999999999999",
                                               "2147483647",
                                               "-2147483648"};

// Six-column fields 1..8 of a line, the field at `hostile` replaced by the text.
std::string lineWith(char type, int hostile, const std::string& text) {
    std::string line = std::string(1, type) + " ";
    for (int k = 1; k <= 8; ++k) {
        line += k == hostile ? text : "    50";
    }
    return line;
}

// Whole-number fields of the current layout hold at most 6 characters, so display values stay
// within this; the older layouts' numbers may be any whole number.
constexpr int64_t CurrentLayoutBound = 1'500'005;

void expectBounded(const Library& library, int64_t bound) {
    for (int n = 1; n <= library.entryCount; ++n) {
        const LibraryEntry& entry = library.entry(n);
        EXPECT_LE(std::abs(int64_t{entry.originX}), bound);
        EXPECT_LE(std::abs(int64_t{entry.originY}), bound);
        for (const Entity& e : library.entities(n)) {
            EXPECT_TRUE(std::isfinite(e.centreX) && std::isfinite(e.centreY));
            EXPECT_LE(std::abs(int64_t{e.x1}), bound);
            EXPECT_LE(std::abs(int64_t{e.y2}), bound);
        }
    }
}

// Writing what was read, reading that again and writing once more gives the same text.
void expectStableOnSave(Library& library) {
    const std::string first = writeLibraryText(library);
    ASSERT_EQ(readLibraryText(first, library).outcome, ReadOutcome::Read);
    const std::string second = writeLibraryText(library);
    ASSERT_EQ(readLibraryText(second, library).outcome, ReadOutcome::Read);
    EXPECT_EQ(writeLibraryText(library), second);
}

TEST(HostileFields, EveryFieldOfTheCurrentLayoutTakesAnyText) {
    for (const LibraryKind kind : {LibraryKind::Symbol, LibraryKind::LineType}) {
        for (const char type : {'P', 'L', 'A'}) {
            for (int field = 1; field <= 8; ++field) {
                for (const std::string& text : HostileTexts) {
                    SCOPED_TRACE(std::string(1, type) + " field " + std::to_string(field) + ": \"" +
                                 text + "\"");
                    TestLibrary t(kind);
                    const std::string file =
                        crlf({"Veltrax Sym/Ltype File Version 1.0", "S Hostile",
                              type == 'P' ? lineWith('P', field, text) : "P",
                              type == 'P' ? "L" : lineWith(type, field, text), "E"});
                    ASSERT_EQ(t.read(file).outcome, ReadOutcome::Read);
                    EXPECT_EQ(t.library.entryCount, 1);
                    expectBounded(t.library, CurrentLayoutBound);
                    expectStableOnSave(t.library);
                }
            }
        }
    }
}

// The older layouts read whitespace-separated numbers: a text that is not one stops the read
// with its report, and what was read so far is kept.
TEST(HostileFields, EveryNumberOfTheOlderLayoutsTakesAnyText) {
    struct Layout {
        LibraryKind kind;
        std::string firstLine;
        std::vector<std::string> settings;  // the lines between the S line and the entities
    };
    const std::vector<Layout> layouts = {
        {LibraryKind::Symbol, "Version 1.0 of file format", {"1", "0 0"}},
        {LibraryKind::LineType, "File format version 2", {"", "", "", "", "1", "", ""}}};
    const std::vector<std::string> entity = {"A", "10", "10", "20", "20", "15", "15", "90"};
    for (const Layout& layout : layouts) {
        for (const std::string& text : HostileTexts) {
            for (size_t at = 0; at <= entity.size(); ++at) {
                SCOPED_TRACE(layout.firstLine + ", number " + std::to_string(at) + ": \"" + text +
                             "\"");
                std::string file = layout.firstLine + "\r\nS Old\r\n";
                for (const std::string& line : layout.settings) {
                    file += line + "\r\n";
                }
                file += (at == 0 ? text : "1") + "\r\n";  // the entity count
                for (size_t k = 0; k < entity.size(); ++k) {
                    file += (k + 1 == at ? text : entity[k]) + " ";
                }
                file += "\r\nE\r\n";
                TestLibrary t(layout.kind);
                const ReadResult result = t.read(file);
                ASSERT_NE(result.outcome, ReadOutcome::InvalidFormat);
                EXPECT_EQ(result.outcome == ReadOutcome::StoppedWithError,
                          result.error.has_value());
                expectBounded(t.library, -int64_t{INT32_MIN});
                expectStableOnSave(t.library);
            }
        }
    }
}

}  // namespace
