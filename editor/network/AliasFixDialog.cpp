#include "editor/network/AliasFixDialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/dialogs/OkCancelRow.h"
#include "model/NetworkTexts.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

QString joined(const std::vector<std::string>& settings) {
    QStringList keys;
    for (const std::string& setting : settings) keys << QString::fromStdString(setting);
    return keys.join(QStringLiteral(", "));
}

QTreeWidget* changesList(const std::vector<AliasFix>& fixes, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("lstAliasFixes"));
    list->setAccessibleName(QStringLiteral("Entries to rewrite"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QStringLiteral("Unit"), QStringLiteral("Setting"), QStringLiteral("Entry before"),
                           QStringLiteral("Entry after")});
    for (const AliasFix& fix : fixes) {
        for (const EntryRename& rename : fix.renames) {
            new QTreeWidgetItem(list, {ToWidgetText(fix.unitEntry), joined(rename.settings),
                                       ToWidgetText(rename.oldEntry), ToWidgetText(rename.newEntry)});
        }
    }
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setMinimumWidth(720);
    return list;
}

}  // namespace

AliasFixDialog::AliasFixDialog(const std::vector<AliasFix>& fixes, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmFixAliases"));
    setWindowTitle(QStringLiteral("Fix old aliases"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* heading = new QLabel(QStringLiteral("Entries with an old alias, to be rewritten (only the ID reaches a "
                                              "unit, so the network works either way):"),
                               this);
    heading->setWordWrap(true);
    QTreeWidget* list = changesList(fixes, this);
    heading->setBuddy(list);
    auto* question = new QLabel(QString::fromStdString(AliasFixQuestion(fixes.size())), this);
    question->setObjectName(QStringLiteral("lblQuestion"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list);
    layout->addWidget(question);
    layout->addLayout(OkCancelRow(this, [this] { accept(); }));
}

}  // namespace koru
