#include "editor/WindowHooks.h"

#include <QDialog>
#include <QPushButton>

#include "editor/MainWindow.h"

namespace koru {

void OnButton(MainWindow& window, const QString& name, QObject* context, std::function<void()> handler) {
    auto* button = window.control<QPushButton>(name);
    if (button == nullptr) {
        qWarning("The window has no button %s", qPrintable(name));
        return;
    }
    button->setEnabled(true);
    QObject::connect(button, &QPushButton::clicked, context, [handler = std::move(handler)] { handler(); });
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
