#include "model/locale_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

// Switches LC_CTYPE for one test and restores it afterwards.
class ScopedCtype {
  public:
    explicit ScopedCtype(const char* name) : saved_(std::setlocale(LC_CTYPE, nullptr)) {
        ok_ = std::setlocale(LC_CTYPE, name) != nullptr;
    }
    ~ScopedCtype() { std::setlocale(LC_CTYPE, saved_.c_str()); }
    bool ok() const { return ok_; }

  private:
    std::string saved_;
    bool ok_ = false;
};

TEST(ToUpperByLocale, CLocaleChangesAsciiLettersOnlyAndKeepsOtherBytes) {
    ScopedCtype c("C");
    EXPECT_EQ(toUpperByLocale("d:\\maps\\std-1.sym"), "D:\\MAPS\\STD-1.SYM");
    EXPECT_EQ(toUpperByLocale(std::string("a\xE4\0b", 4)), std::string("A\xE4\0B", 4));
}

TEST(ToUpperByLocale, Utf8LocaleUpperCasesLettersBeyondAscii) {
    ScopedCtype utf8("C.UTF-8");
    if (!utf8.ok()) {
        GTEST_SKIP() << "C.UTF-8 locale not available";
    }
    EXPECT_EQ(toUpperByLocale("/karten/straße/größe.sym"), "/KARTEN/STRAßE/GRÖßE.SYM");
    // Invalid and cut-off sequences stay as they are around the letters that change.
    EXPECT_EQ(toUpperByLocale("a\xFF"
                              "b\xC3"),
              "A\xFF"
              "B\xC3");
}

}  // namespace
