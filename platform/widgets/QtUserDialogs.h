#pragma once

// The user's dialogs as Qt widgets: window-modal message boxes and file dialogs opened with open(), each
// deleted when it closes. Also the MessageBoxes of the core, so the link's messages show the same way.

#include <QPointer>
#include <QWidget>

#include "platform/UserDialogs.h"

namespace koru {

class QtUserDialogs : public UserDialogs, public MessageBoxes {
public:
    // `parent` is the window the dialogs belong to (may be null before the window exists).
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void inform(const std::string& text, const std::string& title, MessageIcon icon) override;
    void informThen(const std::string& text, const std::string& title, MessageIcon icon,
                    std::function<void()> closed) override;
    void askYesNo(const std::string& text, const std::string& title, Answered answered) override;
    void chooseFileToOpen(const FileChoice& choice, Chosen chosen) override;
    void chooseFileToSave(const FileChoice& choice, Chosen chosen) override;

    // MessageBoxes: shown without waiting.
    void show(const std::string& text, const std::string& title, MessageIcon icon) override;
    void showThen(const std::string& text, const std::string& title, MessageIcon icon,
                  std::function<void()> closed) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace koru
