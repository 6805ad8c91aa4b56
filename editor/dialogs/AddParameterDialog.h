#pragma once

// "Parameters" (frmAddParam): one row per message text parameter, each with its "Add" button. "Add" accepts
// the dialog with that row's token in `chosenToken()`; "Cancel" and the close box reject it.

#include <QDialog>

#include <string>

namespace koru {

class AddParameterDialog : public QDialog {
    Q_OBJECT

public:
    explicit AddParameterDialog(QWidget* parent = nullptr);

    const std::string& chosenToken() const { return token_; }

private:
    std::string token_;
};

}  // namespace koru
