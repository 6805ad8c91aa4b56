#pragma once

// The "Ok" (cmdOk, the default button) and "Cancel" (cmdCancel) buttons at the foot of a dialog.

#include <functional>

class QBoxLayout;
class QDialog;

namespace koru {

// Makes the two buttons, right-aligned in a row; "Ok" runs `ok`, "Cancel" rejects the dialog.
QBoxLayout* OkCancelRow(QDialog* dialog, std::function<void()> ok);

}  // namespace koru
