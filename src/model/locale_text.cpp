#include "model/locale_text.h"

#include <climits>
#include <cwchar>
#include <cwctype>

std::string toUpperByLocale(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::mbstate_t state{};
    char encoded[MB_LEN_MAX];
    size_t pos = 0;
    while (pos < text.size()) {
        wchar_t c = 0;
        const size_t length = std::mbrtowc(&c, text.data() + pos, text.size() - pos, &state);
        if (length == 0 || length > text.size() - pos) {
            // A NUL, an invalid or an incomplete sequence: keep the byte and start afresh.
            out += text[pos];
            ++pos;
            state = std::mbstate_t{};
            continue;
        }
        const auto upper = static_cast<wchar_t>(std::towupper(static_cast<std::wint_t>(c)));
        std::mbstate_t encodeState{};
        const size_t written = std::wcrtomb(encoded, upper, &encodeState);
        if (written == static_cast<size_t>(-1)) {
            out.append(text.data() + pos, length);
        } else {
            out.append(encoded, written);
        }
        pos += length;
    }
    return out;
}
