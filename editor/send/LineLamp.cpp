#include "editor/send/LineLamp.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace koru {

const QColor LineLamp::kOn{0, 255, 0};
const QColor LineLamp::kOff{255, 0, 0};
const QColor LineLamp::kUnknown{170, 170, 170};
const QColor LineLamp::kTransferBright{255, 192, 0};
const QColor LineLamp::kTransferDark{170, 128, 0};

LineLamp::LineLamp(const QString& caption, const QString& line, QWidget* parent)
    : QLabel(caption, parent), line_(line) {
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("transfer")) + 12);
    showLine(LineState::Unknown);
}

void LineLamp::showLine(LineState state) {
    switch (state) {
        case LineState::On:
            showColour(kOn, QStringLiteral("on"));
            return;
        case LineState::Off:
            showColour(kOff, QStringLiteral("off"));
            return;
        case LineState::Unknown:
            showColour(kUnknown, QStringLiteral("unknown: the port does not report this line"));
            return;
    }
}

void LineLamp::showColour(const QColor& colour, const QString& state) {
    colour_ = colour;
    state_ = state;
    setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: black; border: 1px solid #555; "
                                 "padding: 2px 6px; }")
                      .arg(colour.name()));
    const QString description = line_ + QStringLiteral(": ") + state;
    setToolTip(clickable_ ? description + QStringLiteral(" (click to switch)") : description);
    setAccessibleName(line_);
    setAccessibleDescription(state);
}

void LineLamp::setClickable(bool clickable) {
    clickable_ = clickable;
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    showColour(colour_, state_);
}

void LineLamp::mouseReleaseEvent(QMouseEvent* event) {
    if (clickable_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LineLamp::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (clickable_ && press) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace koru
