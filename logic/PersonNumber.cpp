#include "logic/PersonNumber.h"

#include "logic/Errors.h"

#include <string>

namespace pnr {

namespace {

constexpr int stemLength = 9;
constexpr int datePartLength = 6;
constexpr int serialStart = 7;

} // namespace

NumberParts splitNumber(TextView typed, int serialLength)
{
    NumberParts parts;
    const int separator = firstPosition(U"-", typed);
    parts.hadSeparator = separator > 0;
    if (parts.hadSeparator) {
        parts.datePart = substring(typed, 1, separator - 1);
        parts.serialPart = substring(typed, separator + 1, serialLength);
        parts.digits = parts.datePart + parts.serialPart;
    } else {
        parts.digits = Text(typed);
        parts.datePart = substring(typed, 1, datePartLength);
        parts.serialPart = substring(typed, serialStart, serialLength);
    }
    return parts;
}

int numberDigit(TextView digits, int position)
{
    if (position > lengthOf(digits))
        throw RangeError("Numret är för kort: utan bindestreck är \"" + toUtf8(digits) + "\" "
                         + std::to_string(lengthOf(digits)) + " tecken, men tecken nr "
                         + std::to_string(position) + " behövs.");
    const char32_t c = charAt(digits, position);
    if (!isDecimalDigit(c))
        throw ConversionError("Tecken nr " + std::to_string(position) + " i \"" + toUtf8(digits)
                              + "\" (numret utan bindestreck) är " + describeCharacter(c)
                              + ", inte en siffra.");
    return digitValue(c);
}

int weightedSum(TextView digits)
{
    int sum = 0;
    for (int position = 1; position <= stemLength; ++position) {
        int d = numberDigit(digits, position);
        if (position % 2 == 1)
            d *= 2;
        if (d >= 10)
            d = d / 10 + d % 10;
        sum += d;
    }
    return sum;
}

int checkDigit(int weightedSum)
{
    return (10 - weightedSum % 10) % 10;
}

Sex sexOf(int sexDigit)
{
    return sexDigit % 2 != 0 ? Sex::Male : Sex::Female;
}

} // namespace pnr
