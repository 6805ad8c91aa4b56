#pragma once

// One tab of the window's tab set, drawn by the style as a tab, so the twelve tabs can stand in rows of four.

#include <QAbstractButton>

class QStyleOptionTab;

namespace koru {

class TabButton : public QAbstractButton {
    Q_OBJECT

public:
    TabButton(const QString& caption, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void initStyleOption(QStyleOptionTab* option) const;
};

}  // namespace koru
