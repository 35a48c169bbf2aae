#pragma once

#include <optional>

#include "editing/string_source.h"
#include "platform/string_table_file.h"

// Strings modules made for this release know the numbers up to this one, so they must hold
// them all. A module lacking a later number predates it, and the built-in text serves.
inline constexpr int LastOriginalStringNumber = 108;

// The numbered texts of the user interface: the built-in English table compiled into the
// program, and the strings module chosen once at start-up.
class StringTable final : public StringSource {
  public:
    StringTable();  // reads the built-in table from the program's resources
    explicit StringTable(NumberedTexts builtin) : builtin_(std::move(builtin)) {}

    // Until a module is chosen, or with none, the built-in table serves. A number the module
    // lacks gives the empty text, unless it is above LastOriginalStringNumber.
    std::string loadText(int n) const override;
    // The text of string n from the built-in English table, whatever module is chosen.
    std::string builtinText(int n) const;

    // Chooses the strings module, or the built-in table when given nothing. Only the first
    // call chooses; later ones are ignored.
    void setStringsModule(std::optional<NumberedTexts> module);
    bool hasStringsModule() const { return module_.has_value(); }
    // Lets the module go; the built-in table serves from then on.
    void releaseStringsModule() { module_.reset(); }

  private:
    NumberedTexts builtin_;
    std::optional<NumberedTexts> module_;
    bool moduleChosen_ = false;
};
