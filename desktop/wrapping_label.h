// A label whose text wraps and which asks, at any width, for the lines its text needs there: its
// minimum height follows its width and its text. To the layouts it has no height for its width, so
// a scrolling panel around it is laid out from the minimum sizes of what it holds rather than their
// preferred ones (a plain wrapping label makes a scrolling panel as tall as it would like to be).
#pragma once

#include <QLabel>

namespace vela::desktop {

class WrappingLabel : public QLabel {
    Q_OBJECT

public:
    explicit WrappingLabel(QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return false; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The size given, as tall as the text's lines at the label's width once it is shown.
    QSize WithLinesAtWidth(QSize size) const;
};

}  // namespace vela::desktop
