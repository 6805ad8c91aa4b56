#include "editor/history/HistoryWidgets.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

#include "editor/history/HistoryText.h"

namespace koru {

HistoryTable AddHistoryTable(QWidget* parent, QBoxLayout* layout, const char* name,
                             const QString& accessibleName, const QStringList& headers) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String("lbl") + QLatin1String(name));
    label->setWordWrap(true);
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QLatin1String("tbl") + QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);  // Tab leaves the table, arrows move in it
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(static_cast<int>(headers.size()) - 1,
                                                    QHeaderView::Stretch);
    label->setBuddy(table);
    layout->addWidget(label);
    layout->addWidget(table, 1);
    return {label, table};
}

void AddRow(QTableWidget* table, const QStringList& cells) {
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < cells.size(); ++column) {
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void FitColumns(QTableWidget* table) {
    constexpr int kWidest = 1100;  // the dialogs fit on a screen of 1280 pixels
    for (int column = 0; column + 1 < table->columnCount(); ++column) {
        table->resizeColumnToContents(column);  // the last one stretches
    }
    table->resizeRowsToContents();
    const QHeaderView* header = table->horizontalHeader();
    const QAbstractItemView* view = table;  // where the hint is public
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table->columnCount(); ++column) {
        width += std::max(view->sizeHintForColumn(column), header->sectionSizeHint(column));
    }
    table->setMinimumWidth(std::min(width, kWidest));
}

QLabel* NewHistoryNote(QWidget* parent) {
    auto* note = new QLabel(parent);
    note->setObjectName(QStringLiteral("lblHistoryNote"));
    note->setStyleSheet(QStringLiteral("QLabel { color: #8a4b00; }"));
    note->setWordWrap(true);
    note->hide();
    return note;
}

void ShowHistoryNote(QLabel* note, const QString& problems) {
    note->setText(problems);
    note->setVisible(!problems.isEmpty());
}

void AddHistoryFoot(QDialog* dialog, QBoxLayout* layout, const QString& problems) {
    auto* onlyHere = new QLabel(kOnlyThisLibrary, dialog);
    onlyHere->setObjectName(QStringLiteral("lblOnlyThisLibrary"));
    layout->addWidget(onlyHere);
    QLabel* note = NewHistoryNote(dialog);
    ShowHistoryNote(note, problems);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setText(QStringLiteral("&Close"));
    close->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace koru
