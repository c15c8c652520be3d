#pragma once
// The conversions between reals and the text of edit boxes, as a German learner writes them.
// Plain C++: the fuzz target builds them on their own.

#include <stdexcept>
#include <string>

// The error a failed conversion raises. Every event handler runs under the application's guard,
// which shows the message in the error box and ends the handler; nothing else happens.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decimal real: optional blanks around it, an optional sign, '.' or ',' as the decimal
// separator, an optional exponent. Anything else, the empty text included, raises EConvertError
// with the message "'text' ist kein gültiger Gleitkommawert", the text in it isolated (see
// Isolated). A decimal too small for a double is zero, one too large is infinity with its sign.
double StrToFloat(const std::string& text);
// General format, up to 15 significant digits in the shortest form, with a decimal comma.
std::string FloatToStr(double value);
