#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// An entry name: at most 20 single-byte characters (Windows-1252 bytes), stored with its length.
class EntryName {
  public:
    static constexpr int MaxLength = 20;

    EntryName() = default;
    explicit EntryName(std::string_view text) { assign(text); }

    // Longer texts are cut to their first 20 bytes; spaces are kept.
    void assign(std::string_view text) {
        length_ = static_cast<uint8_t>(std::min<size_t>(text.size(), MaxLength));
        std::copy_n(text.begin(), length_, bytes_.begin());
    }
    void clear() { length_ = 0; }

    std::string_view view() const { return {bytes_.data(), length_}; }
    std::string str() const { return std::string(view()); }
    bool empty() const { return length_ == 0; }

    friend bool operator==(const EntryName& a, const EntryName& b) { return a.view() == b.view(); }

  private:
    uint8_t length_ = 0;
    std::array<char, MaxLength> bytes_{};
};
