#pragma once

// The File menu's items on the send history of the open unit: "Compare with last send..." and "Send
// history...", before "Exit". Both are off while no unit is open; each opens its dialog window-modal.

#include <QObject>

namespace koru {

class MainWindow;

class HistoryCommands : public QObject {
    Q_OBJECT

public:
    explicit HistoryCommands(MainWindow& window);

    void compareWithLastSend();
    void showSendHistory();

private:
    void updateItems();

    MainWindow& window_;
};

}  // namespace koru
