// Which lines of a text box are in view, and scrolling a line into it.

#include "platform/Controls.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

namespace {

// Where line `index` lies in the laid-out text, in pixels from its top; empty if there is no
// such line. Asking the layout for the text's size first lays out every line, so that the scroll
// range and the rectangle are up to date right after lines were added.
QRectF LineRect(const QTextEdit& edit, int index) {
    QTextDocument* document = edit.document();
    const QTextBlock block = document->findBlockByNumber(index);
    if (index < 0 || !block.isValid())
        return {};
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    layout->documentSize();
    return layout->blockBoundingRect(block);
}

} // namespace

void TMemo::ScrollToLine(int index) {
    auto* edit = static_cast<QTextEdit*>(widget_);
    const QRectF line = LineRect(*edit, index);
    if (line.isEmpty())
        return;
    edit->verticalScrollBar()->setValue(static_cast<int>(line.top()));
}

bool TMemo::LineInView(int index) const {
    auto* edit = static_cast<QTextEdit*>(widget_);
    const QRectF line = LineRect(*edit, index);
    if (line.isEmpty())
        return false;
    const int top = edit->verticalScrollBar()->value();
    const int bottom = top + edit->viewport()->height();
    return line.top() >= top && line.bottom() <= bottom;
}
