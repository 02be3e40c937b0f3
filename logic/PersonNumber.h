#pragma once

#include "logic/Text.h"

// The rules of a Swedish personal identity number ÅÅMMDD-NNNC: the check digit C completes the
// nine digits before it by the Luhn mod-10 scheme, and the third serial digit tells the sex.
namespace pnr {

enum class Sex { Male, Female };

// A typed number split at its first "-": the date part before it and a serial part of at most
// serialLength characters after it. Without a separator the date part is the first six
// characters and the serial part follows from the seventh. digits is the number without its
// separator; normalForm is how it is written with one.
struct NumberParts {
    Text datePart;
    Text serialPart;
    Text digits;
    bool hadSeparator = false;

    [[nodiscard]] Text normalForm() const { return datePart + U'-' + serialPart; }
};

[[nodiscard]] NumberParts splitNumber(TextView typed, int serialLength);

// The digit at a position of a number written without its separator. A number too short for
// the position is a RangeError; a character other than 0-9 a ConversionError naming it.
[[nodiscard]] int numberDigit(TextView digits, int position);

// The weighted sum of the first nine digits: digits at odd positions are doubled and a
// two-digit product counts as the sum of its digits. The first non-digit ends it.
[[nodiscard]] int weightedSum(TextView digits);

// The digit that makes the weighted sum plus itself a multiple of ten.
[[nodiscard]] int checkDigit(int weightedSum);

[[nodiscard]] Sex sexOf(int sexDigit);

} // namespace pnr
