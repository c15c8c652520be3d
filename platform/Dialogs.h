#pragma once
// The colour-choice dialog and the runtime's error box. (The conversions between reals and text,
// whose errors the box shows, are in Numbers.h.)

#include "platform/Component.h"
#include "platform/Numbers.h"
#include "platform/Types.h"

#include <functional>
#include <optional>
#include <string>

class TColorDialog : public TComponent {
public:
    using TComponent::TComponent;
    // Opens with Color; returns whether the learner chose a colour, which is then in Color.
    bool Execute();
    TColor Color = clBlack;
};

namespace Dialogs {
// The box that shows an error to the learner.
void ShowError(const std::string& message);
// Tests answer the dialogs instead of a learner: the colour responder gets the dialog's colour
// and returns the chosen one or nothing for a cancel; the error sink receives each message.
using ColorResponder = std::function<std::optional<TColor>(TColor current)>;
void SetColorResponder(ColorResponder responder);
void SetErrorSink(std::function<void(const std::string&)> sink);
} // namespace Dialogs
