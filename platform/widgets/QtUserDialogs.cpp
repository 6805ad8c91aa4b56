#include "platform/widgets/QtUserDialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

QString Display(const std::string& text) { return ToWidgetText(text); }

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Critical: return QMessageBox::Critical;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString TitleOr(const std::string& title) {
    return title.empty() ? QCoreApplication::applicationName() : Display(title);
}

QFileDialog* MakeFileDialog(QWidget* parent, const FileChoice& choice, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent, Display(choice.title), QFile::decodeName(choice.folder.c_str()),
                                   Display(choice.filter));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!choice.defaultSuffix.empty()) dialog->setDefaultSuffix(Display(choice.defaultSuffix));
    // Qt would confirm a replacement with a message box of its own that waits in a nested event loop; the
    // caller asks instead.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

void OpenFileDialog(QFileDialog* dialog, UserDialogs::Chosen chosen) {
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, chosen = std::move(chosen)](int result) {
        const QStringList files = dialog->selectedFiles();
        if (result != QDialog::Accepted || files.isEmpty()) {
            chosen(std::nullopt);
        } else {
            chosen(QFile::encodeName(files.front()).toStdString());
        }
    });
    dialog->open();
}

}  // namespace

void QtUserDialogs::inform(const std::string& text, const std::string& title, MessageIcon icon) {
    informThen(text, title, icon, {});
}

void QtUserDialogs::informThen(const std::string& text, const std::string& title, MessageIcon icon,
                               std::function<void()> closed) {
    auto* box = new QMessageBox(IconOf(icon), TitleOr(title), Display(text), QMessageBox::Ok, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent_ ? Qt::WindowModal : Qt::ApplicationModal);
    // Gone for good when destroyed, however that came (the window closing takes its boxes along).
    if (closed) QObject::connect(box, &QObject::destroyed, std::move(closed));
    box->open();
}

void QtUserDialogs::askYesNo(const std::string& text, const std::string& title, Answered answered) {
    auto* box = new QMessageBox(QMessageBox::Question, TitleOr(title), Display(text),
                                QMessageBox::Yes | QMessageBox::No, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent_ ? Qt::WindowModal : Qt::ApplicationModal);
    box->setEscapeButton(QMessageBox::No);
    QObject::connect(box, &QMessageBox::finished, box, [box, answered = std::move(answered)](int) {
        answered(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    box->open();
}

void QtUserDialogs::chooseFileToOpen(const FileChoice& choice, Chosen chosen) {
    OpenFileDialog(MakeFileDialog(parent_, choice, QFileDialog::AcceptOpen), std::move(chosen));
}

void QtUserDialogs::chooseFileToSave(const FileChoice& choice, Chosen chosen) {
    OpenFileDialog(MakeFileDialog(parent_, choice, QFileDialog::AcceptSave), std::move(chosen));
}

void QtUserDialogs::show(const std::string& text, const std::string& title, MessageIcon icon) {
    inform(text, title, icon);
}

void QtUserDialogs::showThen(const std::string& text, const std::string& title, MessageIcon icon,
                             std::function<void()> closed) {
    informThen(text, title, icon, std::move(closed));
}

}  // namespace koru
