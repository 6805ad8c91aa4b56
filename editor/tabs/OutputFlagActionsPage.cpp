#include "editor/tabs/OutputFlagActionsPage.h"

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

OutputFlagActionsPage::OutputFlagActionsPage(FieldFactory& factory, QWidget* parent)
    : TabPage(factory, "fraOutputFlagAction", parent) {
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
            QLineEdit* cell = factory.text(pattern, "txtOutputFlagAction", group.first + k, name);
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
    QListWidget* destinations = factory.list(page, "lstDestOutputFlag", -1, 6, QStringLiteral("Destination"));
    destination->addWidget(FieldFactory::caption(page, QStringLiteral("Destination:"), destinations), 0, 0,
                           Qt::AlignTop);
    destination->addWidget(destinations, 0, 1);
    destination->addWidget(factory.button(page, "cmdCreateOutputFlagAction", -1, QStringLiteral("&Create action")), 1,
                           1, Qt::AlignLeft);
    destination->setColumnStretch(1, 1);

    QListWidget* defined = factory.list(page, "lstOutputFlagActions", -1, 12, QStringLiteral("Output and flag actions"));
    defined->setMaximumHeight(QWIDGETSIZE_MAX);
    layout->addWidget(defined, 1);
    layout->addWidget(factory.button(page, "cmdDeleteOutputFlagAction", -1, QStringLiteral("&Delete action")), 0,
                      Qt::AlignLeft);
}

}  // namespace koru
