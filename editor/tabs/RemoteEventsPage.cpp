#include "editor/tabs/RemoteEventsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/UnitConfiguration.h"

namespace koru {

RemoteEventsPage::RemoteEventsPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, "fraRemotes", parent) {
    QWidget* page = content();
    auto* layout = new QVBoxLayout(page);
    QGroupBox* events = factory.group(page, QStringLiteral("Remote events"), "fraRemoteEvent");
    layout->addWidget(events);
    layout->addStretch(1);
    events->hide();
    auto* grid = new QGridLayout(events);
    for (int i = 0; i < kRemoteEventCount; ++i) {
        const QStringList captions{QStringLiteral("Remote event %1:").arg(i + 1)};
        const QString name = RowName(captions);
        const EventRow row = AddEventRow(factory, events, grid, i, captions, {"chkRemoteAction", i},
                                         QStringLiteral("On"), {"fraRemote", i});
        row.on->setEnabled(false);
        row.frameLayout->addWidget(factory.button(row.frame, "cmdAddButton", i, QStringLiteral("Add controls")));
        row.frameLayout->addWidget(
            factory.list(row.frame, "lstButtons", i, kActionListRows, name + QLatin1String(": controls")), 1);
        AddActionList(factory, row, {"cmdAddActionRemote", i}, {"lstRemoteAction", i}, name);
    }
}

}  // namespace koru
