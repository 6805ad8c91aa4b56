#include "editor/tabs/IoEventsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/ListBox.h"
#include "editor/tabs/EventRows.h"

namespace koru {

namespace {

// A group of a mask's cells: its caption and its cells of a mask.
struct CellGroup {
    const char* caption;
    int cells;
    const Text& (*cell)(const IoMask& mask, int k);
};

constexpr CellGroup kCellGroups[] = {
    {"Input A", kMaskInputCells, [](const IoMask& mask, int k) -> const Text& { return mask.inputA[k]; }},
    {"Input B", kMaskInputCells, [](const IoMask& mask, int k) -> const Text& { return mask.inputB[k]; }},
    {"Output", kMaskOutputCells, [](const IoMask& mask, int k) -> const Text& { return mask.outputs[k]; }},
    {"Flags", kMaskFlagCells, [](const IoMask& mask, int k) -> const Text& { return mask.flags[k]; }},
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

// One mask: its switch, and the frame with its cells, its "Actions" button and its list. Returns the width of
// one cell.
int AddMask(FieldFactory& factory, QWidget* parent, QGridLayout* grid, const EventDescription& masks, int mask) {
    const QString name = EventRowName(masks, mask);
    const QString onCaption = QString::fromLatin1(masks.onCaption.data(), static_cast<qsizetype>(masks.onCaption.size()))
                                  .arg(mask + 1);
    QCheckBox* on = factory.eventSwitch(parent, masks, mask, onCaption, name + QLatin1String(": On"));
    QWidget* frame = factory.frame(parent, masks.frameControl, masks.frameControlIndex(mask));
    ShowWhenOn(on, frame);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);
    int cellWidth = 0;
    for (const CellGroup& group : kCellGroups) {
        auto* cells = new QHBoxLayout;
        cells->setSpacing(2);
        const QString caption = QString::fromLatin1(group.caption);
        for (int k = 0; k < group.cells; ++k) {
            const QString cellName = name + QLatin1String(": ") + caption + QLatin1Char(' ') + QString::number(k + 1);
            const IoMask& values = factory.values().ioEvents.masks[static_cast<std::size_t>(mask)];
            QLineEdit* cell = factory.text(frame, group.cell(values, k), cellName);
            cell->setToolTip(cellName);
            cells->addWidget(cell);
            cellWidth = cell->width();
        }
        row->addLayout(cells);
        row->addSpacing(6);
    }
    row->addWidget(factory.actionsButton(frame, masks, mask, QStringLiteral("&Actions"), name + QLatin1String(": Actions")));
    row->addWidget(factory.eventList(frame, masks, mask, kActionListRows, name + QLatin1String(": action list")), 1);
    grid->addWidget(on, mask + 1, 0);
    grid->addWidget(frame, mask + 1, 1);
    return cellWidth;
}

// The masks' frame: the cell captions over 24 masks.
QGroupBox* MaskBox(FieldFactory& factory, QWidget* page, const EventBoxRows& box) {
    QGroupBox* frame = factory.group(page, QString::fromLatin1(box.caption.data(), static_cast<qsizetype>(box.caption.size())));
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    int cellWidth = 0;
    for (const EventDescription* masks : box.events) {
        for (int mask = 0; mask < masks->items(); ++mask) cellWidth = AddMask(factory, frame, grid, *masks, mask);
    }
    grid->addWidget(CellCaptions(frame, cellWidth), 0, 1);
    return frame;
}

// A frame of events without conditions of their own (the sleep event).
QGroupBox* EventsBox(FieldFactory& factory, QWidget* page, const EventBoxRows& box) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = EventBox(factory, page, box.caption, grid);
    int line = 0;
    for (const EventDescription* event : box.events) {
        for (int item = 0; item < event->items(); ++item) {
            const EventRow row = AddEventRow(factory, frame, grid, line++, *event, item);
            AddActionList(factory, row, *event, item, EventRowName(*event, item));
        }
    }
    return frame;
}

bool HasMasks(const EventBoxRows& box) {
    return box.events.front()->details == EventDetails::MaskCells;
}

}  // namespace

IoEventsPage::IoEventsPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, controls::kIoEventsTab, parent) {
    QWidget* page = content();
    auto* layout = new QVBoxLayout(page);
    const std::vector<EventBoxRows> boxes = EventBoxes(Section::IoEvent);
    // The sleep event above the masks.
    for (const EventBoxRows& box : boxes) {
        if (!HasMasks(box)) layout->addWidget(EventsBox(factory, page, box));
    }
    for (const EventBoxRows& box : boxes) {
        if (HasMasks(box)) layout->addWidget(MaskBox(factory, page, box));
    }
    layout->addStretch(1);
}

}  // namespace koru
