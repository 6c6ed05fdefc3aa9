#include "desktop/wrapping_label.h"

#include <QResizeEvent>

#include <algorithm>

namespace vela::desktop {

WrappingLabel::WrappingLabel(QWidget* parent) : QLabel(parent) { setWordWrap(true); }

QSize WrappingLabel::minimumSizeHint() const { return WithLinesAtWidth(QLabel::minimumSizeHint()); }

QSize WrappingLabel::sizeHint() const { return WithLinesAtWidth(QLabel::sizeHint()); }

QSize WrappingLabel::WithLinesAtWidth(QSize size) const {
    // A label not shown (on a tab behind) has not been given its width yet.
    if (!isVisible()) return size;
    // The lines the text takes at the label's width (a new text asks the layout again by itself).
    const int height = heightForWidth(width());
    if (height > 0) size.setHeight(height);
    return size;
}

void WrappingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    // A narrower label wraps onto more lines, a wider one onto fewer: the layout learns how many.
    if (event->size().width() != event->oldSize().width()) updateGeometry();
}

void WrappingLabel::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    updateGeometry();
}

}  // namespace vela::desktop
