#include "editor/MessageParameterEditing.h"

#include "editor/ControlSet.h"
#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "editor/dialogs/AddParameterDialog.h"

namespace koru {

MessageParameterEditing::MessageParameterEditing(MainWindow& window) : QObject(&window), window_(window) {
    OnButton(window_, "cmdAddParameter", this, [this] { addParameter(); });
}

void MessageParameterEditing::addParameter() {
    auto* dialog = new AddParameterDialog(&window_);
    OpenAlone(window_, dialog, [this, dialog](int result) {
        if (result != QDialog::Accepted) return;
        // Appended at the end, past the typing limit if need be: a parameter never cuts the text.
        const int message = window_.currentMessageText();
        window_.configuration().messageActions.messages[message].text += dialog->chosenToken();
        window_.refreshFields({ObjectName("txtTextString", message)});
    });
}

}  // namespace koru
