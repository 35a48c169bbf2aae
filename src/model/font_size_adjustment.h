#pragma once

#include <string_view>

#include "model/settings_store.h"

inline constexpr std::string_view FontSettingsKey = "Software\\Veltrax\\Veltrax Ducton\\4.0";
inline constexpr std::string_view FontSizeAdjustmentValue = "Font Size Adjustment";
// The adjustment is added to the 8-point window font; this range keeps it between 2 and 32.
inline constexpr int MinFontSizeAdjustment = -6;
inline constexpr int MaxFontSizeAdjustment = 24;

// The whole number of points every window's font grows by. Read from the current user's key
// (created when missing), the local machine's value standing in for a missing one. A missing
// value or one that is not a whole number gives 0; numbers outside the range are clamped.
int readFontSizeAdjustment(SettingsStore& settings);

// The adjustment a value's text stands for, by the rules above.
int parseFontSizeAdjustment(std::string_view text);
