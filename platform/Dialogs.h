#pragma once
// The colour-choice dialog, the runtime's error box and the conversions between reals and text.

#include "platform/Component.h"
#include "platform/Types.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

class TColorDialog : public TComponent {
public:
    using TComponent::TComponent;
    // Opens with Color; returns whether the learner chose a colour, which is then in Color.
    bool Execute();
    TColor Color = clBlack;
};

// The error a failed conversion raises. Every event handler runs under the application's guard,
// which shows the message in the error box and ends the handler; nothing else happens.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decimal real: optional blanks around it, an optional sign, '.' or ',' as the decimal
// separator, an optional exponent. Anything else, the empty text included, raises EConvertError
// with the message "'text' ist kein gültiger Gleitkommawert".
double StrToFloat(const std::string& text);
// General format, up to 15 significant digits in the shortest form, with a decimal comma.
std::string FloatToStr(double value);

namespace Dialogs {
// The box that shows an error to the learner.
void ShowError(const std::string& message);
// Tests answer the dialogs instead of a learner: the colour responder gets the dialog's colour
// and returns the chosen one or nothing for a cancel; the error sink receives each message.
using ColorResponder = std::function<std::optional<TColor>(TColor current)>;
void SetColorResponder(ColorResponder responder);
void SetErrorSink(std::function<void(const std::string&)> sink);
} // namespace Dialogs
