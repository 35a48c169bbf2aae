#include "editing/string_source.h"

std::string formattedText(const StringSource& strings, int n,
                          const std::vector<std::string>& values) {
    const std::string wording = strings.loadText(n);
    std::string text;
    text.reserve(wording.size());
    for (size_t i = 0; i < wording.size(); ++i) {
        const char c = wording[i];
        if (c == '%' && i + 1 < wording.size() && wording[i + 1] >= '1' && wording[i + 1] <= '9') {
            const size_t index = static_cast<size_t>(wording[i + 1] - '1');
            if (index < values.size()) {
                text += values[index];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}
