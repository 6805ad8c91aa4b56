#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <vector>

#include "editor/FlagBox.h"

namespace koru {
namespace {

// A row of a line edit, three boxes and a line edit, made with `Box`, shown and active.
template <class Box>
struct Row {
    explicit Row(Qt::LayoutDirection direction) {
        window.setLayoutDirection(direction);
        auto* layout = new QHBoxLayout(&window);
        widgets.push_back(new QLineEdit(&window));
        for (int i = 0; i < 3; ++i) widgets.push_back(new Box(QStringLiteral("On"), &window));
        widgets.push_back(new QLineEdit(&window));
        for (QWidget* widget : widgets) layout->addWidget(widget);
        window.show();
    }

    // Where the focus goes when `key` is pressed on the middle box.
    int after(Qt::Key key) {
        QApplication::setActiveWindow(&window);
        widgets[2]->setFocus();
        QTest::keyClick(widgets[2], key);
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            if (widgets[i]->hasFocus()) return static_cast<int>(i);
        }
        return -1;
    }

    QWidget window;
    std::vector<QWidget*> widgets;
};

// The arrow keys move the focus from a field's box exactly as from any other check box, both ways of writing.
TEST(FlagBox, ArrowKeysMoveTheFocusAsOnAnyCheckBox) {
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        Row<QCheckBox> plain(direction);
        Row<FlagBox> flags(direction);
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            const int expected = plain.after(key);
            EXPECT_NE(expected, 2) << "the plain box kept the focus";
            EXPECT_EQ(flags.after(key), expected) << "key " << key << ", direction " << direction;
        }
    }
}

// Its own group never keeps a box on: a click and the program both switch it off again.
TEST(FlagBox, SwitchesOffAsWellAsOn) {
    QWidget window;
    auto* box = new FlagBox(QStringLiteral("On"), &window);
    window.show();
    box->setChecked(true);
    box->setChecked(false);
    EXPECT_FALSE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());
}

}  // namespace
}  // namespace koru
