#include "editor/MessageParameterEditing.h"

#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "editor/dialogs/AddParameterDialog.h"

namespace koru {

MessageParameterEditing::MessageParameterEditing(MainWindow& window) : QObject(&window), window_(window) {
    window_.onPage(WindowTab::MessageActions, this, [this] {
        OnClicked(window_.controls().messageActions.addParameter, this, [this] { addParameter(); });
    });
}

void MessageParameterEditing::addParameter() {
    auto* dialog = new AddParameterDialog(&window_);
    OpenAlone(window_, dialog, [this, dialog](int result) {
        if (result != QDialog::Accepted) return;
        // Appended at the end, past the typing limit if need be: a parameter never cuts the text.
        const std::size_t message = static_cast<std::size_t>(window_.currentMessageText());
        const std::string token = dialog->chosenToken();
        window_.edit(QStringLiteral("Add parameter"), [&](UnitConfiguration& config) {
            config.messageActions.messages[message].text += token;
            return true;
        });
    });
}

}  // namespace koru
