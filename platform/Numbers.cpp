#include "platform/Numbers.h"

#include "platform/TextDirection.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether s is [sign] digits [sep digits] [e [sign] digits] with at least one mantissa digit.
bool IsDecimal(const std::string& s) {
    std::size_t i = 0, n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(s[i]))
        ++i, ++digits;
    if (i < n && (s[i] == '.' || s[i] == ',')) {
        ++i;
        while (i < n && IsDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponent = 0;
        while (i < n && IsDigit(s[i]))
            ++i, ++exponent;
        if (exponent == 0)
            return false;
    }
    return i == n;
}

// Whether a decimal text that does not fit a double is too small rather than too large: the
// power of ten of its first significant digit is negative. Takes what IsDecimal took, with a
// decimal point; a mantissa without a significant digit is zero and always fits.
bool IsUnderflow(const std::string& s) {
    std::size_t e = s.find_first_of("eE");
    std::string mantissa = s.substr(0, e);
    std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::size_t first = mantissa.find_first_of("123456789");
    long long power = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);
    if (e != std::string::npos) {
        std::size_t k = e + 1;
        bool negative = s[k] == '-';
        if (s[k] == '-' || s[k] == '+')
            ++k;
        // Past a few thousand the answer no longer changes; the cap keeps long exponents finite.
        long long exponent = 0;
        for (; k < s.size(); ++k)
            exponent = std::min(exponent * 10 + (s[k] - '0'), 1000000LL);
        power += negative ? -exponent : exponent;
    }
    return power < 0;
}
} // namespace

double StrToFloat(const std::string& text) {
    // The typed text keeps its own direction inside the quotes; the sentence reads left to right.
    const std::string invalid = "'" + Isolated(text) + "' ist kein gültiger Gleitkommawert";
    std::size_t first = text.find_first_not_of(" \t");
    std::size_t last = text.find_last_not_of(" \t");
    std::string s = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    if (!IsDecimal(s))
        throw EConvertError(invalid);
    for (char& c : s)
        if (c == ',')
            c = '.';
    if (!s.empty() && s[0] == '+')
        s.erase(0, 1);
    double value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    // A number beyond a double's range is still a number: too small to hold, it is zero; too
    // large, it is infinite, and the caller's range check refuses it like any other large value.
    if (ec == std::errc::result_out_of_range) {
        if (IsUnderflow(s))
            return 0;
        const double infinity = std::numeric_limits<double>::infinity();
        return s[0] == '-' ? -infinity : infinity;
    }
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        throw EConvertError(invalid);
    return value;
}

std::string FloatToStr(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string s = buffer;
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s == "-0" ? "0" : s;
}
