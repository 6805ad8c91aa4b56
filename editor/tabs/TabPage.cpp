#include "editor/tabs/TabPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace koru {

TabPage::TabPage(FieldFactory& factory, std::string_view container, QWidget* parent)
    : QWidget(parent), factory_(factory) {
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);  // the keyboard goes from field to field; the page follows the focus
    content_ = container.empty() ? new QWidget : factory.frame(nullptr, container);
    scroll->setWidget(content_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

QString RowName(const QStringList& captions) {
    QStringList bare;
    for (const QString& caption : captions) {
        bare.append(caption.trimmed().endsWith(QLatin1Char(':')) ? caption.trimmed().chopped(1) : caption.trimmed());
    }
    return bare.join(QLatin1Char(' '));
}

EventRow AddEventRow(FieldFactory& factory, QWidget* parent, QGridLayout* grid, int row,
                     const QStringList& captions, Ctl on, const QString& onCaption, Ctl frame,
                     const QString& rowName) {
    EventRow parts;
    QList<QLabel*> labels;
    for (const QString& caption : captions) labels.append(FieldFactory::caption(parent, caption));
    const QString name = rowName.isEmpty() ? RowName(captions) : rowName;
    parts.on = factory.flag(parent, on.control, on.index, onCaption, name + QLatin1String(": ") + onCaption);
    labels.front()->setBuddy(parts.on);
    parts.frame = factory.frame(parent, frame.control, frame.index);
    parts.frameLayout = new QHBoxLayout(parts.frame);
    parts.frameLayout->setContentsMargins(0, 0, 0, 0);
    if (labels.size() == 1) {
        grid->addWidget(labels.front(), row, 0);
    } else {
        auto* captionRow = new QHBoxLayout;
        for (QLabel* label : labels) captionRow->addWidget(label);
        captionRow->addStretch(1);
        grid->addLayout(captionRow, row, 0);
    }
    grid->addWidget(parts.on, row, 1);
    grid->addWidget(parts.frame, row, 2);
    return parts;
}

QListWidget* AddActionList(FieldFactory& factory, const EventRow& row, Ctl button, Ctl list, const QString& rowName,
                           int visibleRows) {
    QPushButton* actions = factory.button(row.frame, button.control, button.index, QStringLiteral("&Actions"),
                                          rowName + QLatin1String(": Actions"));
    QListWidget* entries =
        factory.list(row.frame, list.control, list.index, visibleRows, rowName + QLatin1String(": action list"));
    row.frameLayout->addWidget(actions, 0, Qt::AlignTop);
    row.frameLayout->addWidget(entries, 1);
    return entries;
}

}  // namespace koru
