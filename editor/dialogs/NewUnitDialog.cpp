#include "editor/dialogs/NewUnitDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include <memory>

#include "editor/AskingOperation.h"
#include "editor/DialogText.h"
#include "editor/dialogs/OkCancelRow.h"
#include "model/FileSyntax.h"
#include "model/UnitLibrary.h"
#include "model/UnitName.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

constexpr int kIdTypingLimit = 10;

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

NewUnitDialog::NewUnitDialog(const UnitLibrary& library, UserDialogs& dialogs, const UnitConfiguration& config,
                             QWidget* parent)
    : QDialog(parent), library_(library), dialogs_(dialogs), config_(config) {
    setObjectName("frmNewKoru");
    setWindowTitle("New KORU unit");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QGroupBox(this);
    frame->setObjectName("fraNewKoru");
    id_ = new QLineEdit(frame);
    id_->setObjectName("txtId");
    id_->setValidator(new TypingValidator(id_, kIdTypingLimit));
    alias_ = new QLineEdit(frame);
    alias_->setObjectName("txtAlias");
    alias_->setValidator(new TypingValidator(alias_, 0));
    type_ = new QComboBox(frame);
    type_->setObjectName("cmbType");
    type_->setEditable(true);  // a type may also be typed
    type_->setInsertPolicy(QComboBox::NoInsert);
    type_->lineEdit()->setValidator(new TypingValidator(type_->lineEdit(), 0));
    for (const std::string& name : library_.ListDefaultFiles()) type_->addItem(ToWidgetText(name));
    auto* fields = new QFormLayout(frame);
    fields->addRow("&ID number:", id_);
    fields->addRow("&Alias:", alias_);
    fields->addRow("&Type of unit:", type_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(OkCancelRow(this, [this] { createUnit(); }));
}

void NewUnitDialog::createUnit() {
    const auto idText = FromWidgetText(id_->text());
    const auto alias = FromWidgetText(alias_->text());
    const auto type = FromWidgetText(type_->currentText());
    if (!idText || !alias || !type) return;
    // An empty or non-numeric ID and an empty type are simply not taken.
    if (TrimBlanks(*idText).empty() || type->empty() || !AllDigits(PadUnitId(*idText))) return;

    // Runs only while the dialog is open: a unit made after it closed would reach no window. The unit is made
    // over the window's unit as it is when the user agrees.
    const QPointer<NewUnitDialog> self(this);
    auto unit = std::make_shared<UnitConfiguration>();
    const LibraryOperation create = [self, unit, id = *idText, alias = *alias, type = *type](Consent consent) {
        if (self == nullptr) return LibraryResult{LibraryStatus::NotDone, {}, {}, {}};
        *unit = self->config_;
        return self->library_.NewUnit(id, alias, type, *unit, consent);
    };
    RunAsking(dialogs_, create, [dialog = self, unit](const LibraryResult& result) {
        if (dialog == nullptr) return;
        if (!result.message.empty()) {
            dialog->dialogs_.inform(DialogText(result.message), "New KORU unit",
                                    result.done() ? MessageIcon::Information : MessageIcon::Exclamation);
        }
        if (!result.done()) return;
        emit dialog->unitCreated(*unit);
        dialog->accept();
    });
}

}  // namespace koru
