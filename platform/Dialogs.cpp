#include "platform/Dialogs.h"

#include "platform/detail/QtBridge.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>

namespace {
Dialogs::ColorResponder colorResponder;
std::function<void(const std::string&)> errorSink;
} // namespace

bool TColorDialog::Execute() {
    if (colorResponder) {
        std::optional<TColor> chosen = colorResponder(Color);
        if (chosen)
            Color = *chosen;
        return chosen.has_value();
    }
    QColor chosen = QColorDialog::getColor(detail::ToQColor(Color), QApplication::activeWindow());
    if (!chosen.isValid())
        return false;
    Color = RGB(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

namespace Dialogs {

void ShowError(const std::string& message) {
    if (errorSink) {
        errorSink(message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Fehler"),
                          detail::Q(message));
}

void SetColorResponder(ColorResponder responder) {
    colorResponder = std::move(responder);
}

void SetErrorSink(std::function<void(const std::string&)> sink) {
    errorSink = std::move(sink);
}

} // namespace Dialogs
