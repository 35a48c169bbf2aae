#pragma once

#include <string>
#include <string_view>

// The text converted to upper case by the rules of the current C locale (LC_CTYPE): decoded in
// the locale's multibyte encoding, each character upper-cased, encoded again. Bytes the locale
// cannot decode are kept as they are, so under the "C" locale only ASCII letters change.
std::string toUpperByLocale(std::string_view text);
