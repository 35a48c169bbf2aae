#include "model/ini_text.h"

#include "model/number_text.h"

#include <algorithm>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Control characters other than the tab end a line's reading: no text file holds them.
bool isLineSafe(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; });
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The parts of a path, empty ones dropped: "Software\\Maker/" gives Software, Maker.
std::vector<std::string_view> pathParts(std::string_view path) {
    std::vector<std::string_view> parts;
    size_t begin = 0;
    while (begin <= path.size()) {
        const auto separator =
            std::find_if(path.begin() + static_cast<ptrdiff_t>(begin), path.end(), isSeparator);
        const size_t end = static_cast<size_t>(separator - path.begin());
        if (end > begin) {
            parts.push_back(path.substr(begin, end - begin));
        }
        begin = end + 1;
    }
    return parts;
}

// The form in which paths are compared: each part upper-cased and ended by a '\0', which no
// part holds, so that comparing prefixes compares whole parts. Names read from the file have
// their %XX decoded (except %00); names asked for are taken as they are.
std::string comparablePath(std::string_view path, bool decode) {
    std::string out;
    out.reserve(path.size() + 1);
    for (const std::string_view part : pathParts(path)) {
        for (size_t i = 0; i < part.size(); ++i) {
            char c = part[i];
            if (decode && c == '%' && i + 2 < part.size() && hexDigit(part[i + 1]) >= 0 &&
                hexDigit(part[i + 2]) >= 0) {
                const int byte = hexDigit(part[i + 1]) * 16 + hexDigit(part[i + 2]);
                if (byte != 0) {
                    c = static_cast<char>(byte);
                    i += 2;
                }
            }
            out += upperAscii(c);
        }
        out += '\0';
    }
    return out;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// A name part as it is written: letters, digits, "-_.~" and bytes beyond ASCII stay; anything
// else becomes %XX ("Symbol Library" -> "Symbol%20Library").
void appendEncodedPart(std::string& out, std::string_view part) {
    constexpr char Hex[] = "0123456789ABCDEF";
    for (const char c : part) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '~' ||
                           byte >= 0x80;
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        }
    }
}

std::string encodedPath(const std::vector<std::string_view>& parts) {
    std::string out;
    for (const std::string_view part : parts) {
        if (!out.empty()) {
            out += '\\';
        }
        appendEncodedPart(out, part);
    }
    return out;
}

// Whether the value's backslashes all come in pairs, the escaped form; false without any.
bool backslashesPaired(std::string_view value) {
    bool any = false;
    size_t run = 0;
    for (const char c : value) {
        if (c == '\\') {
            ++run;
            any = true;
        } else if (run % 2 != 0) {
            return false;
        } else {
            run = 0;
        }
    }
    return any && run % 2 == 0;
}

std::string decodedValue(std::string_view raw) {
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
        raw = raw.substr(1, raw.size() - 2);
    }
    if (!backslashesPaired(raw)) {
        return std::string(raw);
    }
    std::string value;
    value.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        value += raw[i];
        i += raw[i] == '\\' ? 1 : 0;
    }
    return value;
}

bool isValidName(std::string_view name) {
    return !name.empty() && std::none_of(name.begin(), name.end(), isSeparator);
}

// The line ending the text uses already; LF for a text without one.
std::string_view lineEndingOf(std::string_view text) {
    const size_t newline = text.find('\n');
    return newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r'
               ? std::string_view("\r\n")
               : std::string_view("\n");
}

// The last line of the text, without its line ending.
std::string_view lastLine(std::string_view text) {
    if (!text.empty() && text.back() == '\n') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    const size_t newline = text.rfind('\n');
    return newline == std::string_view::npos ? text : text.substr(newline + 1);
}

bool atTextStart(std::string_view before) {
    return before.empty() || before == ByteOrderMark;
}

// What ends the line before a line added after before: nothing at the start of the text or of
// a line, LF after a lone CR (which no line ends in otherwise), else the text's line ending.
std::string_view lineEndNeeded(std::string_view before, std::string_view eol) {
    if (atTextStart(before) || before.back() == '\n') {
        return {};
    }
    return before.back() == '\r' ? std::string_view("\n") : eol;
}

}  // namespace

std::optional<std::string> encodeIniValue(std::string_view value) {
    if (!isLineSafe(value)) {
        return std::nullopt;
    }
    std::string body;
    if (backslashesPaired(value)) {
        for (const char c : value) {
            body += c;
            if (c == '\\') {
                body += c;
            }
        }
    } else {
        body = value;
    }
    const bool quoted =
        !value.empty() && (isBlank(value.front()) || isBlank(value.back()) ||
                           (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    return quoted ? '"' + body + '"' : body;
}

IniText::IniText(std::string text) : text_(std::move(text)) {
    parse();
}

void IniText::parse() {
    const std::string_view text(text_);
    size_t pos = startsWith(text, ByteOrderMark) ? ByteOrderMark.size() : 0;
    sections_.push_back({{}, pos});
    while (pos < text.size()) {
        const size_t newline = text.find('\n', pos);
        const size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        size_t contentEnd = newline == std::string_view::npos ? text.size() : newline;
        if (contentEnd > pos && text[contentEnd - 1] == '\r') {
            --contentEnd;
        }
        const std::string_view line = text.substr(pos, contentEnd - pos);
        const std::string_view content = trimmed(line);
        if (!isLineSafe(line)) {
            break;
        }
        if (content.empty() || content.front() == ';' || content.front() == '#') {
            pos = next;
            continue;
        }
        if (content.front() == '[') {
            if (content.size() < 2 || content.back() != ']') {
                break;
            }
            sections_.push_back(
                {comparablePath(content.substr(1, content.size() - 2), true), next});
            pos = next;
            continue;
        }
        const size_t equals = content.find('=');
        if (equals == std::string_view::npos) {
            break;
        }
        const std::string namePath = comparablePath(trimmed(content.substr(0, equals)), true);
        if (namePath.empty()) {
            break;
        }
        const std::string_view raw = trimmed(content.substr(equals + 1));
        const size_t valueBegin = static_cast<size_t>(
            (raw.empty() ? content.data() + content.size() : raw.data()) - text.data());
        entries_.push_back({sections_.back().path + namePath, valueBegin, valueBegin + raw.size()});
        sections_.back().end = next;
        pos = next;
    }
    complete_ = pos >= text.size();
    readEnd_ = std::min(pos, text.size());
}

const IniText::Entry* IniText::find(const std::string& path) const {
    const auto found = std::find_if(entries_.rbegin(), entries_.rend(),
                                    [&](const Entry& e) { return e.path == path; });
    return found == entries_.rend() ? nullptr : &*found;
}

std::optional<std::string> IniText::value(std::string_view key, std::string_view name) const {
    if (!isValidName(name)) {
        return std::nullopt;
    }
    const Entry* entry = find(comparablePath(key, false) + comparablePath(name, false));
    if (entry == nullptr) {
        return std::nullopt;
    }
    return decodedValue(
        std::string_view(text_).substr(entry->valueBegin, entry->valueEnd - entry->valueBegin));
}

bool IniText::keyExists(std::string_view key) const {
    const std::string path = comparablePath(key, false);
    if (path.empty()) {
        return false;
    }
    const bool inSection = std::any_of(sections_.begin() + 1, sections_.end(),
                                       [&](const Section& s) { return startsWith(s.path, path); });
    return inSection || std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
               return e.path.size() > path.size() && startsWith(e.path, path);
           });
}

std::optional<std::string> IniText::withValue(std::string_view key, std::string_view name,
                                              std::string_view value) const {
    const std::optional<std::string> encoded = encodeIniValue(value);
    if (!isValidName(name) || !encoded) {
        return std::nullopt;
    }
    const std::string keyPath = comparablePath(key, false);
    std::string changed = text_;
    if (const Entry* entry = find(keyPath + comparablePath(name, false))) {
        changed.replace(entry->valueBegin, entry->valueEnd - entry->valueBegin, *encoded);
        return changed;
    }

    // The section that names the longest part of the key, the later one of equals.
    const std::vector<std::string_view> keyParts = pathParts(key);
    const Section* home = keyPath.empty() ? &sections_.front() : nullptr;
    for (const Section& section : sections_) {
        if (!section.path.empty() && startsWith(keyPath, section.path) &&
            (home == nullptr || section.path.size() >= home->path.size())) {
            home = &section;
        }
    }
    std::vector<std::string_view> nameParts;
    size_t at = readEnd_;
    if (home != nullptr) {
        at = home->end;
        const auto homeParts =
            static_cast<size_t>(std::count(home->path.begin(), home->path.end(), '\0'));
        nameParts.assign(keyParts.begin() + static_cast<ptrdiff_t>(homeParts), keyParts.end());
    }
    const std::string_view eol = lineEndingOf(text_);
    const std::string_view before = std::string_view(text_).substr(0, at);
    std::string added(lineEndNeeded(before, eol));
    if (home == nullptr) {
        // A blank line between the sections, unless there is one already.
        if (!atTextStart(before) && !trimmed(lastLine(before)).empty()) {
            added += eol;
        }
        added += '[' + encodedPath(keyParts) + ']';
        added += eol;
    }
    nameParts.push_back(name);
    added += encodedPath(nameParts) + '=' + *encoded;
    added += eol;
    changed.insert(at, added);
    return changed;
}
