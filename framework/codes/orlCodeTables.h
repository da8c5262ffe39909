// The Japanese mapping tables of the character-code layer, generated from the published
// mappings (see generate_code_tables.py beside this file). Every function returns 0 for a code
// or character that has no mapping. JIS codes are row * 256 + column (0x2121 to 0x7E7E);
// Shift_JIS codes are lead * 256 + trail.
#pragma once

#include <cstdint>

namespace orlCodeTables {

// JIS X 0208 rows 0x21 to 0x7C as code page 932 sees them (with the NEC special row 0x2D and
// the NEC-selected IBM rows 0x79 to 0x7C): 7336 characters.
std::uint16_t Jis0208ToUnicode(std::uint16_t jis);
// The reverse, preferring the lower code where a character has two (the row-2 code of the nine
// mathematical symbols of the NEC row; 0x224C for U+FFE2), and mapping the standard's own
// characters for the seven codes where code page 932 differs (U+005C to 0x2140, U+301C to
// 0x2141, U+2016 to 0x2142, U+2212 to 0x215D, U+00A2 to 0x2171, U+00A3 to 0x2172, U+00AC to
// 0x224C). U+0000 to U+005B and U+FFE6 to U+FFFF never map.
std::uint16_t UnicodeToJis0208(std::uint16_t unicode);

// Code page 932's extension rows, Shift_JIS lead bytes 0xED to 0xFC (the user-defined area
// 0xF0 to 0xF9 is empty): 762 codes.
std::uint16_t Cp932ExtensionToUnicode(std::uint16_t sjis);
// The code page 932 Shift_JIS code of a character that has no JIS X 0208 code in rows 0x21 to
// 0x78 outside the NEC special row 0x2D: its NEC special row code (lead byte 0x87) if it has
// one, else its IBM extension code (lead bytes 0xFA to 0xFC); 0 for every other character.
// Never a NEC-selected IBM code (0xED, 0xEE). Tried before UnicodeToJis0208, this gives code
// page 932's choice: U+2160 0x8754, U+2170 0xFA40 (not 0xEEEF), and 0 for U+FFE2, whose
// row-2 code 0x224C is preferred.
std::uint16_t UnicodeToCp932Extension(std::uint16_t unicode);

// JIS X 0212, the kanji rows 0x30 to 0x6D: 5801 characters.
std::uint16_t Jis0212ToUnicode(std::uint16_t jis);
std::uint16_t UnicodeToJis0212(std::uint16_t unicode);

// JIS X 0213:2000, the characters of the Basic Multilingual Plane that plane 1 adds in rows
// 0x2E, 0x2F, 0x4F and 0x74 to 0x7E (169), and those of plane 2 (388; its code 0x7D3B, which
// the 2004 edition corrected into a JIS X 0212 character, is left out).
std::uint16_t Jis0213Plane1ToUnicode(std::uint16_t jis);
std::uint16_t UnicodeToJis0213Plane1(std::uint16_t unicode);
std::uint16_t Jis0213Plane2ToUnicode(std::uint16_t jis);
std::uint16_t UnicodeToJis0213Plane2(std::uint16_t unicode);

// The JIS C 6226-1978 code of a character turned into its JIS X 0208-1983 code: the code
// pairs the 1983 edition exchanged are swapped; every other code is returned unchanged.
std::uint16_t Jis1978To1983(std::uint16_t jis);

}  // namespace orlCodeTables
