#pragma once

// The parts the history's windows share: read-only tables under a label that names them and takes their
// mnemonic, the note that tells a history's problems, and the foot of a dialog.

#include <QString>
#include <QStringList>

class QBoxLayout;
class QDialog;
class QLabel;
class QTableWidget;
class QWidget;

namespace koru {

struct HistoryTable {
    QLabel* label;
    QTableWidget* table;
};

// A table with these column headers, rows selected whole, under an (empty) label that is its buddy; both
// go into `layout`. The table's accessible name is `accessibleName`.
HistoryTable AddHistoryTable(QWidget* parent, QBoxLayout* layout, const char* name,
                             const QString& accessibleName, const QStringList& headers);

// Appends a row of texts.
void AddRow(QTableWidget* table, const QStringList& cells);

// Fits the columns to their texts, the last one taking the room left.
void FitColumns(QTableWidget* table);

// A label for the problems met reading the history (lblHistoryNote), shown only while it has a text.
QLabel* NewHistoryNote(QWidget* parent);
void ShowHistoryNote(QLabel* note, const QString& problems);

// The foot of a history dialog: that the history knows only this library, the note of `problems`, and
// "Close", the default button.
void AddHistoryFoot(QDialog* dialog, QBoxLayout* layout, const QString& problems);

}  // namespace koru
