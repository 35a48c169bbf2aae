#pragma once

#include <string>

// The numbered texts of the user interface, 1..108 and above. UTF-8.
class StringSource {
  public:
    virtual ~StringSource() = default;
    // The text of string n from the chosen strings module (or the built-in table).
    virtual std::string loadText(int n) const = 0;
};
