#include "editor/WindowHooks.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>

#include "editor/MainWindow.h"

namespace koru {

void OnClicked(QPushButton* button, QObject* context, std::function<void()> handler) {
    button->setEnabled(true);
    QObject::connect(button, &QPushButton::clicked, context, [handler = std::move(handler)] { handler(); });
}

void OnTriggered(QAction* item, QObject* context, std::function<void()> handler) {
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, context, [handler = std::move(handler)] { handler(); });
}

void OpenAlone(MainWindow& window, QDialog* dialog, std::function<void(int result)> finished) {
    window.setWindowEnabled(false);
    QObject::connect(dialog, &QDialog::finished, &window,
                     [&window, finished = std::move(finished)](int result) {
                         window.setWindowEnabled(true);
                         if (finished) finished(result);
                     });
    dialog->open();
}

}  // namespace koru
