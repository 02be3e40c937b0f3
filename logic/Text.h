#pragma once

#include <string>
#include <string_view>

// Text as the operations see it: a sequence of Unicode code points, so that a typed å or an
// emoji is one character. Positions count characters from 1, as a user counts them.
namespace pnr {

using Text = std::u32string;
using TextView = std::u32string_view;

[[nodiscard]] int lengthOf(TextView s);

// At most count characters from position index on; fewer at the end of the text, none when
// index is past the end or count is below 1.
[[nodiscard]] Text substring(TextView s, int index, int count);

// Position of the first occurrence of needle, 0 when there is none.
[[nodiscard]] int firstPosition(TextView needle, TextView s);

// Removes the first count characters (all of them when the text is shorter).
void removeLeading(Text& s, int count);

// The character at a position; a position outside 1..length is a RangeError.
[[nodiscard]] char32_t charAt(TextView s, int index);

[[nodiscard]] bool isDecimalDigit(char32_t c);

// The value of a decimal digit; any other character is a ConversionError.
[[nodiscard]] int digitValue(char32_t c);

// Decimal text: a minus sign for a negative value, no leading zeros or spaces.
[[nodiscard]] Text decimalText(int value);

// How a character is named in a message: quoted when it can be seen, by name or code when not.
[[nodiscard]] std::string describeCharacter(char32_t c);

[[nodiscard]] std::string toUtf8(TextView s);
[[nodiscard]] Text fromAscii(std::string_view s);

} // namespace pnr
