#pragma once

#include <string>
#include <string_view>

// Entry names are single bytes in the Windows-1252 code page, in the model and in the file.
// The five bytes that code page leaves undefined map to the C1 controls of the same value, so
// every byte string has a UTF-8 form and converts back unchanged.

std::string cp1252ToUtf8(std::string_view bytes);

// Characters the code page cannot hold become '?'; malformed UTF-8 sequences become '?' too.
std::string utf8ToCp1252(std::string_view text);

// Whether a character can be part of an entry name: it has a byte in the code page and is not
// a control character (a line break or tab would break the file's line layout). The five
// undefined bytes count as controls.
bool isNameCharacter(char32_t c);

// Whether the host can show this byte of a name: it stands for a name character.
bool isNameByte(char byte);

// The byte of the same letter in lower case (A-Z, the accented capitals, Š, Œ, Ž and Ÿ); other
// bytes unchanged.
char foldCaseCp1252(char byte);
