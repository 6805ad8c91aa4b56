#include "editor/tabs/NetworkPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/ChoiceBox.h"

namespace koru {

NetworkPage::NetworkPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, "fraOtherUnits", parent) {
    QWidget* page = content();
    auto* layout = new QVBoxLayout(page);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);

    // The unit itself and the units of the library to pick its neighbours from.
    auto* unitColumn = new QGridLayout;
    columns->addLayout(unitColumn, 3);
    QLineEdit* alias = factory.text(page, "txtAlias", -1, QStringLiteral("Alias"));
    unitColumn->addWidget(FieldFactory::caption(page, QStringLiteral("Alias:"), alias), 0, 0);
    unitColumn->addWidget(alias, 0, 1);
    ChoiceBox* type = factory.choice(page, "cmbTypeOfUnit", -1, QStringLiteral("Type"));
    QLabel* typeCaption = FieldFactory::caption(page, QStringLiteral("Type"), type);
    unitColumn->addWidget(typeCaption, 1, 0);
    unitColumn->addWidget(type, 1, 1);
    typeCaption->hide();
    type->hide();
    QListWidget* units = factory.list(page, "lstUnitInSystem", -1, 16, QStringLiteral("Units of the library"));
    units->setMinimumHeight(units->height());
    units->setMaximumHeight(QWIDGETSIZE_MAX);
    unitColumn->addWidget(units, 2, 0, 1, 2);
    unitColumn->setRowStretch(2, 1);

    // Upper and lower units.
    auto* treeColumn = new QGridLayout;
    columns->addLayout(treeColumn, 3);
    QLabel* upper = factory.value(page, "lblSelectedMaster", -1, QStringLiteral("Upper unit"));
    treeColumn->addWidget(FieldFactory::caption(page, QStringLiteral("Upper unit:"), upper), 0, 0, 1, 2);
    treeColumn->addWidget(upper, 1, 0, 1, 2);
    treeColumn->addWidget(factory.button(page, "cmdAddMasterUnit", -1, QStringLiteral("S&elect upper unit")), 2, 0);
    treeColumn->addWidget(factory.button(page, "cmdDeleteMasterUnit", -1, QStringLiteral("&Delete upper unit")), 2, 1);
    QListWidget* lower = factory.list(page, "lstSlaveUnits", -1, 10, QStringLiteral("Lower units"));
    lower->setMinimumHeight(lower->height());
    lower->setMaximumHeight(QWIDGETSIZE_MAX);
    treeColumn->addWidget(FieldFactory::caption(page, QStringLiteral("Lower units:"), lower), 3, 0, 1, 2);
    treeColumn->addWidget(lower, 4, 0, 1, 2);
    treeColumn->setRowStretch(4, 1);
    treeColumn->addWidget(factory.button(page, "cmdAddSlaveUnit", -1, QStringLiteral("&Add lower unit")), 5, 0);
    treeColumn->addWidget(factory.button(page, "cmdRemoveSlaveUnit", -1, QStringLiteral("&Remove lower unit")), 5, 1);

    // Ping times toward the neighbours.
    auto* pingColumn = new QGridLayout;
    columns->addLayout(pingColumn, 4);
    QLabel* upperPing = factory.value(page, "lblUpperPingTime", -1, QStringLiteral("Upper unit ping time"));
    pingColumn->addWidget(FieldFactory::caption(page, QStringLiteral("Ping times:"), upperPing), 0, 0, 1, 2);
    pingColumn->addWidget(upperPing, 1, 0, 1, 2);
    QListWidget* lowerPing = factory.list(page, "lstLowerPingTimes", -1, 10, QStringLiteral("Lower unit ping times"));
    lowerPing->setMinimumHeight(lowerPing->height());
    lowerPing->setMaximumHeight(QWIDGETSIZE_MAX);
    pingColumn->addWidget(lowerPing, 2, 0, 1, 2);
    pingColumn->setRowStretch(2, 1);
    pingColumn->addWidget(factory.choice(page, "cmbPingTime", -1, QStringLiteral("Ping time")), 3, 0, 1, 2);
    pingColumn->addWidget(
        factory.button(page, "cmdChangeUpperPingTime", -1, QStringLiteral("Change &upper unit ping time")), 4, 0);
    pingColumn->addWidget(
        factory.button(page, "cmdChangeLowerPingTime", -1, QStringLiteral("Change &lower unit ping time")), 4, 1);
    QLineEdit* userTime = factory.text(page, "txtUserDefinedPingTime", -1, QStringLiteral("User defined time"));
    auto* userRow = new QHBoxLayout;
    userRow->addWidget(FieldFactory::caption(page, QStringLiteral("User defined time:"), userTime));
    userRow->addWidget(userTime, 1);
    userRow->addWidget(factory.choice(page, "cmbPingTimeUnit", -1, QStringLiteral("User defined time unit")));
    pingColumn->addLayout(userRow, 5, 0, 1, 2);

    // Who may set the unit up.
    QGroupBox* setup = factory.group(page, QStringLiteral("Allowed setup:"));
    layout->addWidget(setup);
    auto* setupRow = new QHBoxLayout(setup);
    setupRow->addWidget(factory.flag(setup, "chkAllUnits", -1, QStringLiteral("All KORU units")));
    setupRow->addWidget(factory.flag(setup, "chkAllSetupUnits", -1, QStringLiteral("All KORU setup units")));
    setupRow->addWidget(factory.flag(setup, "chkSetupUnit", -1, QStringLiteral("KORU unit:")));
    setupRow->addWidget(factory.text(setup, "txtSetupUnit", -1, QStringLiteral("Allowed setup: KORU unit")), 1);
    setupRow->addWidget(factory.flag(setup, "chkSetupSerial", -1, QStringLiteral("Via serial interface")));

    // The unit's remote controls: kept with the unit, not shown.
    auto* remotes = new QWidget(page);
    layout->addWidget(remotes);
    auto* remoteRow = new QHBoxLayout(remotes);
    QListWidget* remote = factory.list(remotes, "lstRemote", -1, 3, QStringLiteral("Remote controls"));
    remoteRow->addWidget(FieldFactory::caption(remotes, QStringLiteral("Remote controls:"), remote));
    remoteRow->addWidget(remote);
    remoteRow->addWidget(factory.button(remotes, "cmdAddRemote", -1, QStringLiteral("Add remote")));
    remoteRow->addWidget(factory.button(remotes, "cmdRemoveRemote", -1, QStringLiteral("Remove remote")));
    auto* list1 = new QListWidget(remotes);
    factory.controls().add(list1, QStringLiteral("List1"));
    list1->setAccessibleName(QStringLiteral("Remote control details"));
    remoteRow->addWidget(list1);
    remote->setEnabled(false);
    list1->setEnabled(false);
    remotes->hide();
}

}  // namespace koru
