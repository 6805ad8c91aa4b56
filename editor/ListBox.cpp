#include "editor/ListBox.h"

#include <QAbstractItemDelegate>
#include <QStringListModel>
#include <QStyleOptionViewItem>

namespace koru {

ListBox::ListBox(QWidget* parent, QStringListModel* shared)
    : QListView(parent), texts_(shared != nullptr ? shared : new QStringListModel(this)) {
    setModel(texts_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

int ListBox::rowHeightFor(const QString& text) const {
    ensurePolished();
    const QStringListModel row({text});
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return itemDelegate()->sizeHint(option, row.index(0)).height();
}

bool SetTexts(QStringListModel& model, const QStringList& texts) {
    if (model.stringList() == texts) return false;
    model.setStringList(texts);
    return true;
}

bool ListBox::setTexts(const QStringList& texts) { return SetTexts(*texts_, texts); }

QStringList ListBox::texts() const { return texts_->stringList(); }

int ListBox::count() const { return texts_->rowCount(); }

int ListBox::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void ListBox::setCurrentRow(int row) {
    selectionModel()->setCurrentIndex(texts_->index(row), QItemSelectionModel::ClearAndSelect);
}

}  // namespace koru
