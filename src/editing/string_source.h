#pragma once

#include <string>
#include <vector>

// The numbered texts of the user interface, 1..108 and above. UTF-8.
class StringSource {
  public:
    virtual ~StringSource() = default;
    // The text of string n from the chosen strings module (or the built-in table).
    virtual std::string loadText(int n) const = 0;
};

// String n with %1 to %9 replaced by values, in one pass: a value that holds "%2" itself stays
// as it is. A placeholder without a value stays as written.
std::string formattedText(const StringSource& strings, int n,
                          const std::vector<std::string>& values);
