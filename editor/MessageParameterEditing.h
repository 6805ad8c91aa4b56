#pragma once

// "Add parameter" of the message actions tab: the dialog "Parameters" appends the token the user adds to the
// message text that last had the focus.

#include <QObject>

namespace koru {

class MainWindow;

class MessageParameterEditing : public QObject {
    Q_OBJECT

public:
    explicit MessageParameterEditing(MainWindow& window);

private:
    void addParameter();

    MainWindow& window_;
};

}  // namespace koru
