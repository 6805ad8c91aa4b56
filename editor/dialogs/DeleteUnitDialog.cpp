#include "editor/dialogs/DeleteUnitDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/AskingOperation.h"
#include "editor/DialogText.h"
#include "editor/ListBox.h"
#include "editor/ListItems.h"
#include "editor/ListSelection.h"
#include "model/ActionEntries.h"
#include "model/UnitLibrary.h"

namespace koru {

DeleteUnitDialog::DeleteUnitDialog(const UnitLibrary& library, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), library_(library), dialogs_(dialogs), entries_(library.UnitEntries()) {
    setObjectName("frmDeleteUnit");
    setWindowTitle("Delete KORU unit");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QGroupBox(this);
    frame->setObjectName("fraNewKoru");
    list_ = new ListBox(frame);
    list_->setObjectName("lstUnitInSystem");
    list_->setAccessibleName("Units");
    list_->setMinimumWidth(280);
    list_->setTexts(WidgetTexts(entries_));
    auto* remove = new QPushButton("&Remove unit", frame);
    remove->setObjectName("cmdRemoveUnit");
    auto* close = new QPushButton("&Close", frame);
    close->setObjectName("cmdClose");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* inside = new QHBoxLayout(frame);
    inside->addWidget(list_);
    inside->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);

    connect(remove, &QPushButton::clicked, this, &DeleteUnitDialog::removeSelectedUnit);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void DeleteUnitDialog::removeSelectedUnit() {
    const int row = SelectedRow(list_);
    if (row < 0) return;
    const std::string entry = entries_[row];
    const QPointer<DeleteUnitDialog> self(this);
    const LibraryOperation remove = [self, entry](Consent consent) {
        if (self == nullptr) return LibraryResult{LibraryStatus::NotDone, {}, {}, {}};
        return self->library_.DeleteUnit(entry, consent);
    };
    RunAsking(dialogs_, remove, [self, entry](const LibraryResult& result) {
        if (self == nullptr) return;
        if (!result.message.empty()) {
            self->dialogs_.inform(DialogText(result.message), "Delete KORU unit",
                                  result.done() ? MessageIcon::Information : MessageIcon::Exclamation);
        }
        if (!result.done()) return;
        const auto at = std::find(self->entries_.begin(), self->entries_.end(), entry);
        if (at == self->entries_.end()) return;
        RemoveEntryAt(self->entries_, static_cast<int>(at - self->entries_.begin()));
        self->list_->setTexts(WidgetTexts(self->entries_));
    });
}

}  // namespace koru
