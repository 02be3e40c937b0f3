#include "logic/Text.h"

#include "logic/Errors.h"

#include <algorithm>
#include <cstdio>

namespace pnr {

namespace {

std::string capitalized(std::string s)
{
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff))
        c = 0xfffd;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

} // namespace

bool isDecimalDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// A space or a control character would be invisible between quotes.
std::string describeCharacter(char32_t c)
{
    if (c == U' ')
        return "ett mellanslag";
    if (c < 0x20 || (c >= 0x7f && c < 0xa0)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        return std::string("styrtecknet ") + code;
    }
    return "\"" + toUtf8(TextView(&c, 1)) + "\"";
}

int lengthOf(TextView s)
{
    return static_cast<int>(s.size());
}

Text substring(TextView s, int index, int count)
{
    if (index < 1 || count < 1 || index > lengthOf(s))
        return {};
    return Text(s.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count)));
}

int firstPosition(TextView needle, TextView s)
{
    const auto at = s.find(needle);
    return at == TextView::npos ? 0 : static_cast<int>(at) + 1;
}

void removeLeading(Text& s, int count)
{
    if (count > 0)
        s.erase(0, std::min(s.size(), static_cast<std::size_t>(count)));
}

char32_t charAt(TextView s, int index)
{
    if (index >= 1 && index <= lengthOf(s))
        return s[static_cast<std::size_t>(index - 1)];
    const std::string position = std::to_string(index);
    if (index < 1)
        throw RangeError("Tecken nr " + position + " finns inte: tecknen räknas från 1.");
    if (s.empty())
        throw RangeError("Texten är tom, så tecken nr " + position + " saknas.");
    throw RangeError("\"" + toUtf8(s) + "\" har bara " + std::to_string(lengthOf(s))
                     + " tecken, så tecken nr " + position + " saknas.");
}

int digitValue(char32_t c)
{
    if (!isDecimalDigit(c))
        throw ConversionError(capitalized(describeCharacter(c)) + " är inte en siffra.");
    return static_cast<int>(c - U'0');
}

Text decimalText(int value)
{
    return fromAscii(std::to_string(value));
}

std::string toUtf8(TextView s)
{
    std::string out;
    out.reserve(s.size());
    for (const char32_t c : s)
        appendUtf8(out, c);
    return out;
}

Text fromAscii(std::string_view s)
{
    return Text(s.begin(), s.end());
}

} // namespace pnr
