#include "app/character_set.h"

#ifdef _WIN32
#include <windows.h>
#endif

FontCharset charsetForCodePage(int codePage) {
    switch (codePage) {
        case 932:
            return FontCharset::ShiftJis;
        case 936:
            return FontCharset::GB2312;
        case 949:
            return FontCharset::Hangeul;
        case 950:
            return FontCharset::ChineseBig5;
        default:
            return FontCharset::Default;
    }
}

int systemAnsiCodePage() {
#ifdef _WIN32
    return static_cast<int>(GetACP());
#else
    return 1252;
#endif
}
