#include "editor/tabs/OutputFlagActionsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/ListBox.h"


namespace koru {

OutputFlagActionsPage::OutputFlagActionsPage(FieldFactory& factory, QWidget* parent)
    : TabPage(factory, controls::kOutputFlagActionsTab, parent) {
    QWidget* page = content();
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    QGroupBox* pattern = factory.group(page, QStringLiteral("Set output  and flags"));
    top->addWidget(pattern, 0, Qt::AlignTop);
    auto* cells = new QGridLayout(pattern);
    cells->setHorizontalSpacing(2);
    const struct {
        const char* caption;
        int first;
        int count;
    } groups[] = {{"Output", 0, kMaskOutputCells}, {"Flags", kMaskOutputCells, kMaskFlagCells}};
    int column = 0;
    for (const auto& group : groups) {
        const QString caption = QString::fromLatin1(group.caption);
        QLabel* label = FieldFactory::caption(pattern, caption);
        cells->addWidget(label, 0, column, 1, group.count);
        for (int k = 0; k < group.count; ++k) {
            const QString name = caption + QLatin1Char(' ') + QString::number(k + 1);
            QLineEdit* cell = factory.text(pattern, controls::kOutputFlagPattern, group.first + k, name);
            controls_.cells[static_cast<std::size_t>(group.first + k)] = cell;
            cell->setToolTip(name);
            if (k == 0) label->setBuddy(cell);
            auto* number = new QLabel(QString::number(k + 1), pattern);
            number->setAlignment(Qt::AlignCenter);
            cells->addWidget(number, 1, column);
            cells->addWidget(cell, 2, column++);
        }
        cells->setColumnMinimumWidth(column++, 12);
    }

    auto* destination = new QGridLayout;
    top->addLayout(destination, 1);
    const Destinations made = destinations(destination, 0, controls::kOutputFlagDestinations, 6,
                                           controls::kCreateOutputFlagAction);
    controls_.destinations = made.list;
    controls_.create = made.create;
    destination->setColumnStretch(1, 1);

    controls_.actions = factory.list(page, factory.values().outputFlagActions, 12, QStringLiteral("Output and flag actions"));
    controls_.actions->setMaximumHeight(QWIDGETSIZE_MAX);
    layout->addWidget(controls_.actions, 1);
    controls_.remove = factory.button(page, controls::kDeleteOutputFlagAction);
    layout->addWidget(controls_.remove, 0, Qt::AlignLeft);
}

}  // namespace koru
