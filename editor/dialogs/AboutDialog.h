#pragma once

// "About" (frmAbout): the program's name line and version. A click anywhere on it closes it.

#include <QDialog>

namespace koru {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace koru
