#include "editor/tabs/TabPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editor/ListBox.h"

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

TabPage::Columns TabPage::columns(int leftStretch, int rightStretch) const {
    auto* row = new QHBoxLayout(content_);
    Columns columns{new QVBoxLayout, new QVBoxLayout};
    row->addLayout(columns.left, leftStretch);
    row->addLayout(columns.right, rightStretch);
    return columns;
}

TabPage::Destinations TabPage::destinations(QGridLayout* grid, int row, const EditorField& list, int rows,
                                            const ButtonControl& create) const {
    Destinations made{factory_.list(content_, list, rows, QStringLiteral("Destination")),
                      factory_.button(content_, create)};
    QLabel* caption = FieldFactory::caption(content_, QStringLiteral("Destination:"), made.list);
    grid->addWidget(caption, row, 0, Qt::AlignTop);
    grid->addWidget(made.list, row, 1);
    grid->addWidget(made.create, row + 1, 1, Qt::AlignLeft);
    return made;
}

}  // namespace koru
