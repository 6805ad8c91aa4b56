#include "editor/tabs/IoEventsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/UnitConfiguration.h"

namespace koru {

namespace {

struct CellGroup {
    const char* caption;
    std::string_view control;
    int cells;
};

constexpr CellGroup kCellGroups[] = {
    {"Input A", "txtInputA", kMaskInputCells},
    {"Input B", "txtInputB", kMaskInputCells},
    {"Output", "txtOutput", kMaskOutputCells},
    {"Flags", "txtFlag", kMaskFlagCells},
};

// The column captions over the cells of every mask: each group's caption and its cell numbers, in columns as
// wide as the cells below them.
QWidget* CellCaptions(QWidget* parent, int cellWidth) {
    auto* header = new QWidget(parent);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    for (const CellGroup& group : kCellGroups) {
        auto* cells = new QGridLayout;
        cells->setHorizontalSpacing(2);
        cells->setVerticalSpacing(1);
        cells->addWidget(FieldFactory::caption(header, QString::fromLatin1(group.caption)), 0, 0, 1, group.cells);
        for (int k = 0; k < group.cells; ++k) {
            auto* number = new QLabel(QString::number(k + 1), header);
            number->setAlignment(Qt::AlignCenter);
            number->setFixedWidth(cellWidth);
            cells->addWidget(number, 1, k);
        }
        row->addLayout(cells);
        row->addSpacing(6);
    }
    row->addStretch(1);
    return header;
}

// Returns the width of one cell.
int AddMask(FieldFactory& factory, QWidget* parent, QGridLayout* grid, int mask) {
    const QString name = QStringLiteral("Mask %1").arg(mask + 1);
    QCheckBox* on = factory.flag(parent, "chkBitMaskOn", mask, QStringLiteral("On Mask %1").arg(mask + 1),
                                 name + QLatin1String(": On"));
    QWidget* frame = factory.frame(parent, "fraMask", mask);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);
    int cellWidth = 0;
    for (const CellGroup& group : kCellGroups) {
        auto* cells = new QHBoxLayout;
        cells->setSpacing(2);
        const QString caption = QString::fromLatin1(group.caption);
        for (int k = 0; k < group.cells; ++k) {
            const QString cellName = name + QLatin1String(": ") + caption + QLatin1Char(' ') + QString::number(k + 1);
            QLineEdit* cell = factory.text(frame, group.control, mask * group.cells + k, cellName);
            cell->setToolTip(cellName);
            cells->addWidget(cell);
            cellWidth = cell->width();
        }
        row->addLayout(cells);
        row->addSpacing(6);
    }
    row->addWidget(factory.button(frame, "cmdAddActionBitMask", mask, QStringLiteral("&Actions"),
                                  name + QLatin1String(": Actions")));
    row->addWidget(factory.list(frame, "lstBitMask", mask, kActionListRows, name + QLatin1String(": action list")),
                   1);
    grid->addWidget(on, mask + 1, 0);
    grid->addWidget(frame, mask + 1, 1);
    return cellWidth;
}

}  // namespace

IoEventsPage::IoEventsPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, "Frame3", parent) {
    QWidget* page = content();
    auto* layout = new QVBoxLayout(page);

    QGroupBox* sleep = factory.group(page, QStringLiteral("Sleep event"));
    auto* sleepGrid = new QGridLayout(sleep);
    sleepGrid->setColumnStretch(2, 1);
    const QStringList captions{QStringLiteral("Sleep input activated:")};
    const EventRow row =
        AddEventRow(factory, sleep, sleepGrid, 0, captions, {"chkSleepOn"}, QStringLiteral("On"), {"fraSleepActions"});
    AddActionList(factory, row, {"cmdAddActionSleep"}, {"lstSleepActions"}, RowName(captions));
    layout->addWidget(sleep);

    QGroupBox* masks = factory.group(page, QStringLiteral("I/O events"));
    auto* grid = new QGridLayout(masks);
    grid->setColumnStretch(1, 1);
    int cellWidth = 0;
    for (int mask = 0; mask < kMaskCount; ++mask) cellWidth = AddMask(factory, masks, grid, mask);
    grid->addWidget(CellCaptions(masks, cellWidth), 0, 1);
    layout->addWidget(masks);
    layout->addStretch(1);
}

}  // namespace koru
