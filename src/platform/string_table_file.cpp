#include "platform/string_table_file.h"

#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

std::optional<int> parseNumber(std::string_view digits) {
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') {
        return std::nullopt;
    }
    int n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size() || n < 1 ||
        n > MaxStringNumber) {
        return std::nullopt;
    }
    return n;
}

std::optional<std::string> decodeText(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError()) {
        return std::nullopt;
    }
    if (text.size() > MaxStringLength) {
        // Never split a surrogate pair: an unpaired half would not survive the way back.
        const bool splitsPair = text.at(MaxStringLength - 1).isHighSurrogate();
        text.truncate(splitsPair ? MaxStringLength - 1 : MaxStringLength);
    }
    return text.toStdString();
}

}  // namespace

NumberedTexts parseStringTable(std::string_view fileText) {
    constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
    if (fileText.starts_with(utf8Bom)) {
        fileText.remove_prefix(utf8Bom.size());
    }
    NumberedTexts texts;
    while (!fileText.empty()) {
        const size_t lineEnd = std::min(fileText.find('\n'), fileText.size());
        std::string_view line = fileText.substr(0, lineEnd);
        fileText.remove_prefix(std::min(lineEnd + 1, fileText.size()));
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            continue;
        }
        const std::optional<int> number = parseNumber(line.substr(0, tab));
        if (!number || texts.contains(*number)) {
            continue;
        }
        if (std::optional<std::string> text = decodeText(line.substr(tab + 1))) {
            texts.emplace(*number, std::move(*text));
        }
    }
    return texts;
}
