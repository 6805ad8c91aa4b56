#include "editor/tabs/MessageActionsPage.h"

#include <QEvent>
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

const char* const kMessageIndex = "koruMessageIndex";

}  // namespace

MessageActionsPage::MessageActionsPage(FieldFactory& factory, QWidget* parent)
    : TabPage(factory, controls::kMessageActionsTab, parent) {
    QWidget* page = content();
    const MessageActionSection& values = factory.values().messageActions;
    auto* columns = new QHBoxLayout(page);

    QGroupBox* messages = factory.group(page, QStringLiteral("Make messages"));
    columns->addWidget(messages, 3, Qt::AlignTop);
    auto* grid = new QGridLayout(messages);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(2, 1);
    for (int i = 0; i < kMessageCount; ++i) {
        const QString name = QStringLiteral("Message %1").arg(i + 1);
        const MessageText& message = values.messages[static_cast<std::size_t>(i)];
        ChoiceBox* type = factory.choice(messages, message.type, name + QLatin1String(": type"));
        QLineEdit* text = factory.text(messages, message.text, name + QLatin1String(": text"));
        text->setProperty(kMessageIndex, i);
        text->installEventFilter(this);
        grid->addWidget(FieldFactory::caption(messages, QString::number(i + 1), type), i, 0);
        grid->addWidget(type, i, 1);
        grid->addWidget(text, i, 2);
    }
    controls_.addParameter = factory.button(messages, controls::kAddParameter);
    grid->addWidget(controls_.addParameter, kMessageCount, 2, Qt::AlignLeft);

    auto* actions = new QGridLayout;
    columns->addLayout(actions, 2);
    controls_.messageNumber = factory.choice(page, controls::kMessageNumber, -1, QStringLiteral("Message number"));
    actions->addWidget(FieldFactory::caption(page, QStringLiteral("Message number:"), controls_.messageNumber), 0, 0);
    actions->addWidget(controls_.messageNumber, 0, 1, Qt::AlignLeft);
    const Destinations made = destinations(actions, 1, controls::kMessageDestinations, 8,
                                           controls::kCreateMessageAction);
    controls_.destinations = made.list;
    controls_.create = made.create;
    controls_.actions = factory.list(page, values.actions, 12, QStringLiteral("Message actions"));
    controls_.actions->setMaximumHeight(QWIDGETSIZE_MAX);
    actions->addWidget(controls_.actions, 3, 0, 1, 2);
    actions->setRowStretch(3, 1);
    controls_.remove = factory.button(page, controls::kDeleteMessageAction);
    actions->addWidget(controls_.remove, 4, 1, Qt::AlignLeft);
    actions->setColumnStretch(1, 1);
}

bool MessageActionsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) current_ = watched->property(kMessageIndex).toInt();
    return TabPage::eventFilter(watched, event);
}

}  // namespace koru
