#pragma once

// A lamp of the serial settings dialog: a modem line (green on, red off, grey when the port cannot
// report it) or the transfer indicator. A lamp that can be clicked (DTR, RTS) also takes the keyboard:
// Space or Enter does what a click does.

#include <QColor>
#include <QLabel>

#include "platform/SerialPort.h"

namespace koru {

class LineLamp : public QLabel {
    Q_OBJECT

public:
    static const QColor kOn;
    static const QColor kOff;
    static const QColor kUnknown;
    static const QColor kTransferBright;
    static const QColor kTransferDark;

    // `caption` is the lamp's text ("DTR"), `line` what it shows for assistive tools ("data terminal ready").
    LineLamp(const QString& caption, const QString& line, QWidget* parent = nullptr);

    void showLine(LineState state);
    void showColour(const QColor& colour, const QString& state);
    const QColor& colour() const { return colour_; }

    void setClickable(bool clickable);
    bool isClickable() const { return clickable_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString line_;
    QColor colour_;
    QString state_;
    bool clickable_ = false;
};

}  // namespace koru
