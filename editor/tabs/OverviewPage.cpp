#include "editor/tabs/OverviewPage.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace koru {

OverviewPage::OverviewPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, "fraOverview", parent) {
    QWidget* page = content();
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);

    int row = 0;
    const auto addValue = [&](const QString& caption, std::string_view control) {
        QLabel* value = factory.value(page, control, -1, caption.chopped(1));
        grid->addWidget(FieldFactory::caption(page, caption, value), row, 0);
        grid->addWidget(value, row++, 1);
        return value;
    };
    addValue(QStringLiteral("Id number:"), "lblId");
    addValue(QStringLiteral("Alias:"), "lblAlias");
    addValue(QStringLiteral("Type:"), "lblType");
    addValue(QStringLiteral("Upper unit:"), "lblMasterUnit");

    QListWidget* lower = factory.list(page, "lstLowerUnits", -1, 16, QStringLiteral("Lower units"));
    grid->addWidget(FieldFactory::caption(page, QStringLiteral("Lower units:"), lower), row, 0, Qt::AlignTop);
    grid->addWidget(lower, row++, 1);

    // Kept for the remote controls and the unit's communication summary, which the window does not show.
    QListWidget* remotes = factory.list(page, "lstRemotes", -1, 4, QStringLiteral("Remote controls"));
    QLabel* remotesCaption = FieldFactory::caption(page, QStringLiteral("Remote controls:"), remotes);
    grid->addWidget(remotesCaption, row, 0, Qt::AlignTop);
    grid->addWidget(remotes, row++, 1);
    remotesCaption->hide();
    remotes->hide();
    const QString summaries[] = {QStringLiteral("I/O:"), QStringLiteral("Serial communication:"),
                                 QStringLiteral("Radio communication:")};
    const std::string_view summaryControls[] = {"lblIO", "lblSerialComm", "lblRadioComm"};
    for (int i = 0; i < 3; ++i) {
        auto* summary = new QLabel(page);
        factory.controls().add(summary, ObjectName(summaryControls[i], -1));
        QLabel* caption = FieldFactory::caption(page, summaries[i], summary);
        grid->addWidget(caption, row, 0);
        grid->addWidget(summary, row++, 1);
        caption->hide();
        summary->hide();
    }

    // The way to the unit, beside what will be sent.
    QPushButton* send = factory.button(page, "cmdSetup", -1, QStringLiteral("SEND TO &UNIT"));
    QFont bold = send->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    send->setFont(bold);
    send->setMinimumSize(send->sizeHint().width() + 80, send->sizeHint().height() * 3);
    grid->addWidget(send, 0, 2, 5, 1, Qt::AlignCenter);
    grid->setRowStretch(row, 1);
}

}  // namespace koru
