#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QPixmapCache>

#include <functional>
#include <memory>

#include "editor/CellField.h"

namespace koru {
namespace {

// A cell and a plain text box made alike, side by side in a shown window.
struct Pair {
    Pair() {
        auto* row = new QHBoxLayout(&window);
        row->addWidget(focused);  // the focus rests elsewhere, as on a page
        for (QLineEdit* field : {static_cast<QLineEdit*>(cell), plain}) {
            field->setAlignment(Qt::AlignCenter);
            field->setFixedWidth(30);
            row->addWidget(field);
        }
        window.show();
    }

    // Both fields as pictures, each painted twice: the first paint keeps a look not kept yet.
    std::pair<QImage, QImage> drawn() {
        for (int round = 0; round < 2; ++round) {
            cell->repaint();
            QApplication::processEvents();
        }
        return {cell->grab().toImage(), plain->grab().toImage()};
    }

    QWidget window;
    QLineEdit* focused = new QLineEdit(&window);
    CellField* cell = new CellField(&window);
    QLineEdit* plain = new QLineEdit(&window);
};

struct LookCase {
    const char* name;
    const char* text;
    std::function<void(QLineEdit&)> change;
    int kept;  // looks kept for two cells made alike: a palette set on a cell is that cell's own
};

// A cell looks exactly as a text box in each state, whether its look is copied or drawn; a look kept for
// one state is never shown for another.
TEST(CellField, LooksAsATextBoxInEachState) {
    const auto nothing = [](QLineEdit&) {};
    const LookCase cases[] = {
        {"a dash", "-", nothing, 1},
        {"a one", "1", nothing, 1},
        {"a zero", "0", nothing, 1},
        {"a T", "T", nothing, 1},
        {"empty", "", nothing, 1},
        {"disabled", "1", [](QLineEdit& f) { f.setEnabled(false); }, 1},
        {"read only", "1", [](QLineEdit& f) { f.setReadOnly(true); }, 1},
        {"another colour", "1",
         [](QLineEdit& f) {
             QPalette palette = f.palette();
             palette.setColor(QPalette::Text, Qt::red);
             f.setPalette(palette);
         },
         2},
        {"bold", "1",
         [](QLineEdit& f) {
             QFont font = f.font();
             font.setBold(true);
             f.setFont(font);
         },
         1},
        {"after a text it scrolled", "1",
         [](QLineEdit& f) {
             f.setText(QStringLiteral("WWWWWWWW"));
             f.grab();
             f.setCursorPosition(3);
             f.grab();
             f.setText(QStringLiteral("1"));
         },
         0},
        {"selected", "1", [](QLineEdit& f) { f.selectAll(); }, 0},
        {"too wide for the cell", "WW", nothing, 0},
        {"longer than a symbol", "1010", nothing, 0},
        {"two symbols", "10", nothing, 1},
    };
    for (const LookCase& c : cases) {
        SCOPED_TRACE(c.name);
        Pair pair;
        for (QLineEdit* field : {static_cast<QLineEdit*>(pair.cell), pair.plain}) {
            field->setText(QString::fromLatin1(c.text));
            c.change(*field);
        }
        const int keptBefore = CellField::keptLooks();
        const auto [cell, plain] = pair.drawn();
        EXPECT_TRUE(cell == plain);
        // A second cell in the same look copies the same picture.
        Pair again;
        again.cell->setText(QString::fromLatin1(c.text));
        c.change(*again.cell);
        again.drawn();
        EXPECT_EQ(CellField::keptLooks() - keptBefore, c.kept);
    }
}

// A look kept is looked up anew after the cache forgot it, and a cell being typed in draws itself.
TEST(CellField, DrawsItselfWhenItsPictureIsGoneOrItHasTheFocus) {
    Pair pair;
    for (QLineEdit* field : {static_cast<QLineEdit*>(pair.cell), pair.plain}) field->setText(QStringLiteral("0"));
    pair.drawn();
    QPixmapCache::clear();
    const auto [cell, plain] = pair.drawn();
    EXPECT_TRUE(cell == plain);

    pair.window.activateWindow();
    pair.cell->setFocus();
    pair.cell->setCursorPosition(0);
    QApplication::processEvents();
    EXPECT_TRUE(pair.cell->hasFocus());
    const int kept = CellField::keptLooks();
    pair.drawn();
    EXPECT_EQ(CellField::keptLooks(), kept);
}

}  // namespace
}  // namespace koru
