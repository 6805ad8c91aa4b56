#include "editor/tabs/OverviewPage.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "editor/ListBox.h"

namespace koru {

namespace {

// A caption beside a read-only value: "Alias:" beside the alias.
QLabel* AddValue(QGridLayout* grid, int& row, const QString& caption, QLabel* value) {
    grid->addWidget(FieldFactory::caption(value->parentWidget(), caption, value), row, 0);
    grid->addWidget(value, row++, 1);
    return value;
}

}  // namespace

OverviewPage::OverviewPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, controls::kOverviewTab, parent) {
    QWidget* page = content();
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);

    int row = 0;
    AddValue(grid, row, QStringLiteral("Id number:"), factory.value(page, factory.values().unit.id, QStringLiteral("Id number")));
    controls_.alias = AddValue(grid, row, QStringLiteral("Alias:"), factory.value(page, controls::kAliasCopy, QStringLiteral("Alias")));
    controls_.type = AddValue(grid, row, QStringLiteral("Type:"), factory.value(page, controls::kTypeCopy, QStringLiteral("Type")));
    controls_.upperUnit = AddValue(grid, row, QStringLiteral("Upper unit:"),
                                   factory.value(page, controls::kUpperUnitCopy, QStringLiteral("Upper unit")));

    controls_.lowerUnits = factory.list(page, controls::kLowerUnitsCopy, 16, QStringLiteral("Lower units"));
    grid->addWidget(FieldFactory::caption(page, QStringLiteral("Lower units:"), controls_.lowerUnits), row, 0, Qt::AlignTop);
    grid->addWidget(controls_.lowerUnits, row++, 1);

    // Kept for the remote controls and the unit's communication summary, which the window does not show.
    controls_.remotes = factory.list(page, controls::kRemotesCopy, 4, QStringLiteral("Remote controls"));
    QLabel* remotesCaption = FieldFactory::caption(page, QStringLiteral("Remote controls:"), controls_.remotes);
    grid->addWidget(remotesCaption, row, 0, Qt::AlignTop);
    grid->addWidget(controls_.remotes, row++, 1);
    remotesCaption->hide();
    controls_.remotes->hide();
    const std::pair<QString, const EditorField*> summaries[] = {
        {QStringLiteral("I/O:"), &controls::kIoSummary},
        {QStringLiteral("Serial communication:"), &controls::kSerialSummary},
        {QStringLiteral("Radio communication:"), &controls::kRadioSummary}};
    for (const auto& [text, field] : summaries) {
        auto* summary = factory.kept<QLabel>(page, *field);
        QLabel* caption = FieldFactory::caption(page, text, summary);
        grid->addWidget(caption, row, 0);
        grid->addWidget(summary, row++, 1);
        caption->hide();
        summary->hide();
    }

    // The way to the unit, beside what will be sent.
    controls_.send = factory.button(page, controls::kSend);
    QFont bold = controls_.send->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    controls_.send->setFont(bold);
    controls_.send->setMinimumSize(controls_.send->sizeHint().width() + 80, controls_.send->sizeHint().height() * 3);
    grid->addWidget(controls_.send, 0, 2, 5, 1, Qt::AlignCenter);
    grid->setRowStretch(row, 1);
}

}  // namespace koru
