#pragma once

#include <stdexcept>
#include <string>

namespace pnr {

// Every failure of an operation is one of these. The message is UTF-8 Swedish text for the user.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A character that should be a decimal digit is something else.
class ConversionError : public Error {
public:
    using Error::Error;
};

// A character position lies outside the text.
class RangeError : public Error {
public:
    using Error::Error;
};

// A date text cannot be read as a calendar date.
class DateError : public Error {
public:
    using Error::Error;
};

// Ends an operation without any further message: the user has already been told.
class Abandon : public Error {
public:
    Abandon() : Error(std::string()) {}
};

} // namespace pnr
