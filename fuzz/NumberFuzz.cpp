// Fuzz target for the conversion of typed numbers: whatever a learner types into a box, the
// conversion gives a value or the conversion error with the typed text in its message; never a
// crash, a hang, another exception or NaN, and infinity only for a decimal too large for a double.
// An accepted text means what the C library reads in it.

#include "platform/Numbers.h"
#include "platform/TextDirection.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Fault(const char* what, const std::string& text) {
    std::fprintf(stderr, "number fuzz: %s for \"%s\"\n", what, text.c_str());
    std::abort();
}

// The value the C library reads in an accepted text, with the decimal comma as a point.
void CheckAgainstLibrary(const std::string& text, double value) {
    std::string s = text;
    for (char& c : s)
        if (c == ',')
            c = '.';
    errno = 0;
    char* end = nullptr;
    const double expected = std::strtod(s.c_str(), &end);
    if (errno == ERANGE && std::abs(expected) < 1) {
        if (value != 0 && std::abs(value - expected) > 0)
            Fault("an underflowing number is not zero", text);
        return;
    }
    // The library overflows to infinity with the number's sign, and so must the conversion.
    if (errno == ERANGE && value != expected)
        Fault("an overflowing number is not infinite with its sign", text);
    if (errno == 0 && value != expected)
        Fault("a value other than the C library's", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = StrToFloat(text);
        if (std::isnan(value))
            Fault("a value that is no number", text);
        CheckAgainstLibrary(text, value);
    } catch (const EConvertError& e) {
        // what() ends at the first NUL a text may hold; the message holds it all.
        const std::string message = "'" + Isolated(text) + "' ist kein gültiger Gleitkommawert";
        if (e.what() != message.substr(0, message.find('\0')))
            Fault("a wrong error message", text);
    }
    return 0;
}
