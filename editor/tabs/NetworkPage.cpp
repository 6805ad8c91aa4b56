#include "editor/tabs/NetworkPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/ChoiceBox.h"
#include "editor/ListBox.h"

namespace koru {

namespace {

// A list that shows `rows` rows at least and grows with its column.
void Growing(ListBox* list) {
    list->setMinimumHeight(list->height());
    list->setMaximumHeight(QWIDGETSIZE_MAX);
}

}  // namespace

NetworkPage::NetworkPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, controls::kNetworkTab, parent) {
    auto* layout = new QVBoxLayout(content());
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);
    buildUnitColumn(columns);
    buildTreeColumn(columns);
    buildPingColumn(columns);
    buildSetup(layout);
    buildRemotes(layout);
}

// The unit itself and the units of the library to pick its neighbours from.
void NetworkPage::buildUnitColumn(QBoxLayout* columns) {
    QWidget* page = content();
    auto* unitColumn = new QGridLayout;
    columns->addLayout(unitColumn, 3);
    controls_.alias = factory().text(page, factory().values().unit.alias, QStringLiteral("Alias"));
    unitColumn->addWidget(FieldFactory::caption(page, QStringLiteral("Alias:"), controls_.alias), 0, 0);
    unitColumn->addWidget(controls_.alias, 0, 1);
    controls_.type = factory().choice(page, factory().values().unit.type, QStringLiteral("Type"));
    QLabel* typeCaption = FieldFactory::caption(page, QStringLiteral("Type"), controls_.type);
    unitColumn->addWidget(typeCaption, 1, 0);
    unitColumn->addWidget(controls_.type, 1, 1);
    typeCaption->hide();
    controls_.type->hide();
    controls_.units = factory().list(page, controls::kUnits, 16, QStringLiteral("Units of the library"));
    Growing(controls_.units);
    unitColumn->addWidget(controls_.units, 2, 0, 1, 2);
    unitColumn->setRowStretch(2, 1);
}

// Upper and lower units.
void NetworkPage::buildTreeColumn(QBoxLayout* columns) {
    QWidget* page = content();
    const NetworkSetup& network = factory().values().network;
    auto* treeColumn = new QGridLayout;
    columns->addLayout(treeColumn, 3);
    controls_.upperUnit = factory().value(page, network.upperUnit, QStringLiteral("Upper unit"));
    treeColumn->addWidget(FieldFactory::caption(page, QStringLiteral("Upper unit:"), controls_.upperUnit), 0, 0, 1, 2);
    treeColumn->addWidget(controls_.upperUnit, 1, 0, 1, 2);
    controls_.selectUpperUnit = factory().button(page, controls::kSelectUpperUnit);
    controls_.deleteUpperUnit = factory().button(page, controls::kDeleteUpperUnit);
    treeColumn->addWidget(controls_.selectUpperUnit, 2, 0);
    treeColumn->addWidget(controls_.deleteUpperUnit, 2, 1);
    controls_.lowerUnits = factory().list(page, network.lowerUnits, 10, QStringLiteral("Lower units"));
    Growing(controls_.lowerUnits);
    treeColumn->addWidget(FieldFactory::caption(page, QStringLiteral("Lower units:"), controls_.lowerUnits), 3, 0, 1, 2);
    treeColumn->addWidget(controls_.lowerUnits, 4, 0, 1, 2);
    treeColumn->setRowStretch(4, 1);
    controls_.addLowerUnit = factory().button(page, controls::kAddLowerUnit);
    controls_.removeLowerUnit = factory().button(page, controls::kRemoveLowerUnit);
    treeColumn->addWidget(controls_.addLowerUnit, 5, 0);
    treeColumn->addWidget(controls_.removeLowerUnit, 5, 1);
}

// Ping times toward the neighbours.
void NetworkPage::buildPingColumn(QBoxLayout* columns) {
    QWidget* page = content();
    const NetworkSetup& network = factory().values().network;
    auto* pingColumn = new QGridLayout;
    columns->addLayout(pingColumn, 4);
    QLabel* upperPing = factory().value(page, network.upperPing, QStringLiteral("Upper unit ping time"));
    pingColumn->addWidget(FieldFactory::caption(page, QStringLiteral("Ping times:"), upperPing), 0, 0, 1, 2);
    pingColumn->addWidget(upperPing, 1, 0, 1, 2);
    controls_.lowerPings = factory().list(page, network.lowerPing, 10, QStringLiteral("Lower unit ping times"));
    Growing(controls_.lowerPings);
    pingColumn->addWidget(controls_.lowerPings, 2, 0, 1, 2);
    pingColumn->setRowStretch(2, 1);
    controls_.pingChoice = factory().choice(page, controls::kPingChoice, -1, QStringLiteral("Ping time"));
    pingColumn->addWidget(controls_.pingChoice, 3, 0, 1, 2);
    controls_.changeUpperPing = factory().button(page, controls::kChangeUpperPing);
    controls_.changeLowerPing = factory().button(page, controls::kChangeLowerPing);
    pingColumn->addWidget(controls_.changeUpperPing, 4, 0);
    pingColumn->addWidget(controls_.changeLowerPing, 4, 1);
    QLineEdit* userTime = factory().text(page, network.userPingTime, QStringLiteral("User defined time"));
    auto* userRow = new QHBoxLayout;
    userRow->addWidget(FieldFactory::caption(page, QStringLiteral("User defined time:"), userTime));
    userRow->addWidget(userTime, 1);
    userRow->addWidget(factory().choice(page, network.userPingUnit, QStringLiteral("User defined time unit")));
    pingColumn->addLayout(userRow, 5, 0, 1, 2);
}

// Who may set the unit up.
void NetworkPage::buildSetup(QBoxLayout* layout) {
    const NetworkSetup& network = factory().values().network;
    QGroupBox* setup = factory().group(content(), QStringLiteral("Allowed setup:"));
    layout->addWidget(setup);
    auto* setupRow = new QHBoxLayout(setup);
    setupRow->addWidget(factory().flag(setup, network.setupAllUnits, QStringLiteral("All KORU units")));
    setupRow->addWidget(factory().flag(setup, network.setupAllSetupUnits, QStringLiteral("All KORU setup units")));
    setupRow->addWidget(factory().flag(setup, network.setupOneUnit, QStringLiteral("KORU unit:")));
    setupRow->addWidget(factory().text(setup, network.setupUnit, QStringLiteral("Allowed setup: KORU unit")), 1);
    setupRow->addWidget(factory().flag(setup, network.setupViaSerial, QStringLiteral("Via serial interface")));
}

// The unit's remote controls: kept with the unit, not shown.
void NetworkPage::buildRemotes(QBoxLayout* layout) {
    auto* remotes = new QWidget(content());
    layout->addWidget(remotes);
    auto* remoteRow = new QHBoxLayout(remotes);
    controls_.remotes = factory().list(remotes, factory().values().network.remotes, 3, QStringLiteral("Remote controls"));
    remoteRow->addWidget(FieldFactory::caption(remotes, QStringLiteral("Remote controls:"), controls_.remotes));
    remoteRow->addWidget(controls_.remotes);
    remoteRow->addWidget(factory().button(remotes, controls::kAddRemote));
    remoteRow->addWidget(factory().button(remotes, controls::kRemoveRemote));
    auto* choices = factory().kept<ListBox>(remotes, controls::kRemoteChoices);
    choices->setAccessibleName(QStringLiteral("Remote control details"));
    remoteRow->addWidget(choices);
    controls_.remotes->setEnabled(false);
    choices->setEnabled(false);
    remotes->hide();
}

}  // namespace koru
