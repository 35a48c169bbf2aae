#pragma once

// The font character set a window takes from the system's ANSI code page. It also names the
// code page in which entry names are shown and typed.
enum class FontCharset : int {
    Default = 1,
    ShiftJis = 128,
    Hangeul = 129,
    GB2312 = 134,
    ChineseBig5 = 136,
};

FontCharset charsetForCodePage(int codePage);

// The system's default ANSI code page; 1252 where the system has none.
int systemAnsiCodePage();
