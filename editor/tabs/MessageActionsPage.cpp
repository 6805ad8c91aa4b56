#include "editor/tabs/MessageActionsPage.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/ChoiceBox.h"
#include "model/UnitConfiguration.h"

namespace koru {

namespace {

const char* const kMessageIndex = "koruMessageIndex";

}  // namespace

MessageActionsPage::MessageActionsPage(FieldFactory& factory, QWidget* parent)
    : TabPage(factory, "fraMessAction", parent) {
    QWidget* page = content();
    auto* columns = new QHBoxLayout(page);

    QGroupBox* messages = factory.group(page, QStringLiteral("Make messages"));
    columns->addWidget(messages, 3, Qt::AlignTop);
    auto* grid = new QGridLayout(messages);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(2, 1);
    for (int i = 0; i < kMessageCount; ++i) {
        const QString name = QStringLiteral("Message %1").arg(i + 1);
        ChoiceBox* type = factory.choice(messages, "cmbTypeOfMessage", i, name + QLatin1String(": type"));
        QLineEdit* text = factory.text(messages, "txtTextString", i, name + QLatin1String(": text"));
        text->setProperty(kMessageIndex, i);
        text->installEventFilter(this);
        grid->addWidget(FieldFactory::caption(messages, QString::number(i + 1), type), i, 0);
        grid->addWidget(type, i, 1);
        grid->addWidget(text, i, 2);
    }
    grid->addWidget(factory.button(messages, "cmdAddParameter", -1, QStringLiteral("Add &parameter")), kMessageCount,
                    2, Qt::AlignLeft);

    auto* actions = new QGridLayout;
    columns->addLayout(actions, 2);
    ChoiceBox* number = factory.choice(page, "cmbMessageNumber", -1, QStringLiteral("Message number"));
    actions->addWidget(FieldFactory::caption(page, QStringLiteral("Message number:"), number), 0, 0);
    actions->addWidget(number, 0, 1, Qt::AlignLeft);
    QListWidget* destinations = factory.list(page, "lstDest", -1, 8, QStringLiteral("Destination"));
    actions->addWidget(FieldFactory::caption(page, QStringLiteral("Destination:"), destinations), 1, 0, Qt::AlignTop);
    actions->addWidget(destinations, 1, 1);
    actions->addWidget(factory.button(page, "cmdCreateMessageAction", -1, QStringLiteral("&Create action")), 2, 1,
                       Qt::AlignLeft);
    QListWidget* defined = factory.list(page, "lstMessageActions", -1, 12, QStringLiteral("Message actions"));
    defined->setMaximumHeight(QWIDGETSIZE_MAX);
    actions->addWidget(defined, 3, 0, 1, 2);
    actions->setRowStretch(3, 1);
    actions->addWidget(factory.button(page, "cmdDeleteMessAction", -1, QStringLiteral("&Delete action")), 4, 1,
                       Qt::AlignLeft);
    actions->setColumnStretch(1, 1);
}

bool MessageActionsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) current_ = watched->property(kMessageIndex).toInt();
    return TabPage::eventFilter(watched, event);
}

}  // namespace koru
