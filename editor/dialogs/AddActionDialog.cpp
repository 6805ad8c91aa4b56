#include "editor/dialogs/AddActionDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/ListItems.h"
#include "editor/ListSelection.h"
#include "editor/dialogs/OkCancelRow.h"
#include "model/ActionEntries.h"

namespace koru {

namespace {

constexpr int kMinimumListWidth = 260;
constexpr int kMaximumListWidth = 520;

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

AddActionDialog::AddActionDialog(TextList offered, TextList current, QWidget* parent)
    : QDialog(parent), offered_(std::move(offered)), current_(std::move(current)) {
    setObjectName("frmAddAction");
    setWindowTitle("Actions");
    setAttribute(Qt::WA_DeleteOnClose);

    // Made in reading order, which is also the order the Tab key follows.
    offeredList_ = new QListWidget(this);
    offeredList_->setObjectName("lstAction");
    offeredList_->setAccessibleName("Actions");
    QPushButton* add = Button("cmdAddAction", "A&dd", this);
    QPushButton* remove = Button("cmdRemoveAction", "&Remove", this);
    currentList_ = new QListWidget(this);
    currentList_->setObjectName("lstCurrentActions");
    currentList_->setAccessibleName("Current actions");
    auto* offeredLabel = new QLabel("&Actions:", this);
    offeredLabel->setBuddy(offeredList_);
    auto* currentLabel = new QLabel("C&urrent actions:", this);
    currentLabel->setBuddy(currentList_);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(add);
    middle->addWidget(remove);
    middle->addStretch();
    auto* grid = new QGridLayout;
    grid->addWidget(offeredLabel, 0, 0);
    grid->addWidget(currentLabel, 0, 2);
    grid->addWidget(offeredList_, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(currentList_, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(OkCancelRow(this, [this] { accept(); }));

    SetListItems(offeredList_, WidgetTexts(offered_));
    SetListItems(currentList_, WidgetTexts(current_));
    // Both lists wide enough for the longest entry on offer (a message to a unit with a long alias).
    const int width = std::clamp(offeredList_->sizeHintForColumn(0) + 2 * offeredList_->frameWidth() +
                                     offeredList_->verticalScrollBar()->sizeHint().width() + 4,
                                 kMinimumListWidth, kMaximumListWidth);
    for (QListWidget* list : {offeredList_, currentList_}) list->setMinimumWidth(width);

    connect(add, &QPushButton::clicked, this, &AddActionDialog::addSelectedAction);
    connect(offeredList_, &QListWidget::itemDoubleClicked, this, &AddActionDialog::addSelectedAction);
    connect(remove, &QPushButton::clicked, this, &AddActionDialog::removeSelectedAction);
    connect(currentList_, &QListWidget::itemDoubleClicked, this, &AddActionDialog::removeSelectedAction);
}

void AddActionDialog::addSelectedAction() {
    const int row = SelectedRow(offeredList_);
    if (row < 0 || !AppendUnique(current_, offered_[row])) return;
    SetListItems(currentList_, WidgetTexts(current_));
}

void AddActionDialog::removeSelectedAction() {
    if (!RemoveEntryAt(current_, SelectedRow(currentList_))) return;
    SetListItems(currentList_, WidgetTexts(current_));
}

}  // namespace koru
