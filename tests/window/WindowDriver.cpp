// The real program, koru-configurator, driven from inside for tests that need the whole process: its own
// start-up, event loop, signals and end. Steps run in order once the window has painted; each reports on
// standard output, and "ready" follows the last. The program then runs on until it ends by itself.
//
//   koru_window_driver [STEP...] -- [koru-configurator arguments]
//
//   send            "SEND TO UNIT", then Ok with every group ticked
//   type:NAME=TEXT  types TEXT over what the line edit NAME holds, then leaves it
//   answer:yes|no   answers the open question (prints "asked: TEXT")
//   print:NAME      prints "NAME=TEXT" of a line edit
//   messages        prints "message: TEXT" for every open message box
//   close           closes the window as Ctrl+Q does
//   quit            ends the program's event loop with status 0

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <string>
#include <vector>

#include "editor/ConfiguratorMain.h"
#include "editor/MainWindow.h"

namespace {

void Say(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

QMessageBox* OpenBox(bool question) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr) {
            for (QMessageBox* child : widget->findChildren<QMessageBox*>()) {
                if (child->isVisible() && (child->button(QMessageBox::Yes) != nullptr) == question) return child;
            }
            continue;
        }
        if (box->isVisible() && (box->button(QMessageBox::Yes) != nullptr) == question) return box;
    }
    return nullptr;
}

// A field by its object name, as a test names it (its tab's page is built when first shown: build them all).
QLineEdit* Field(koru::MainWindow& window, const QString& name) {
    window.buildAllPages();
    return window.findChild<QLineEdit*>(name);
}

void ShowTabOf(koru::MainWindow& window, QWidget* control) {
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("sstEvents"));
    for (int tab = 0; tabs != nullptr && tab < tabs->count(); ++tab) {
        if (tabs->widget(tab)->isAncestorOf(control)) tabs->setCurrentIndex(tab);
    }
}

void Type(koru::MainWindow& window, const QString& name, const QString& text) {
    auto* edit = Field(window, name);
    if (edit == nullptr) {
        Say(QStringLiteral("no field ") + name);
        return;
    }
    ShowTabOf(window, edit);
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    edit->clearFocus();
    Say(QStringLiteral("typed ") + name);
}

void Send(koru::MainWindow& window) {
    window.controls().overview.send->click();
    auto* dialog = window.findChild<QWidget*>(QStringLiteral("frmSendToKoru"));
    auto* ok = dialog != nullptr ? dialog->findChild<QAbstractButton*>(QStringLiteral("cmdOk")) : nullptr;
    if (ok == nullptr || !ok->isEnabled()) {
        Say(QStringLiteral("cannot send"));
        return;
    }
    ok->click();
    Say(QStringLiteral("sending"));
}

void Run(koru::MainWindow& window, const QStringList& steps) {
    for (const QString& step : steps) {
        const QString verb = step.section(QLatin1Char(':'), 0, 0);
        const QString argument = step.section(QLatin1Char(':'), 1);
        if (verb == QLatin1String("send")) {
            Send(window);
        } else if (verb == QLatin1String("type")) {
            Type(window, argument.section(QLatin1Char('='), 0, 0), argument.section(QLatin1Char('='), 1));
        } else if (verb == QLatin1String("answer")) {
            QMessageBox* box = OpenBox(true);
            if (box == nullptr) {
                Say(QStringLiteral("no question"));
                continue;
            }
            Say(QStringLiteral("asked: ") + box->text());
            box->button(argument == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No)->click();
        } else if (verb == QLatin1String("print")) {
            auto* edit = Field(window, argument);
            Say(argument + QLatin1Char('=') + (edit != nullptr ? edit->text() : QStringLiteral("(no field)")));
        } else if (verb == QLatin1String("messages")) {
            for (QMessageBox* box = OpenBox(false); box != nullptr; box = OpenBox(false)) {
                Say(QStringLiteral("message: ") + box->text());
                box->hide();
            }
        } else if (verb == QLatin1String("close")) {
            window.close();
        } else if (verb == QLatin1String("quit")) {
            QCoreApplication::exit(0);
        }
    }
    Say(QStringLiteral("ready"));
}

}  // namespace

int main(int argc, char** argv) {
    QStringList steps;
    std::vector<char*> program{argv[0]};
    bool forProgram = false;
    for (int i = 1; i < argc; ++i) {
        if (!forProgram && std::string(argv[i]) == "--") {
            forProgram = true;
        } else if (forProgram) {
            program.push_back(argv[i]);
        } else {
            steps.append(QString::fromLocal8Bit(argv[i]));
        }
    }
    int programArgc = static_cast<int>(program.size());
    program.push_back(nullptr);
    return koru::RunConfigurator(programArgc, program.data(), [steps](koru::MainWindow& window) {
        Say(QStringLiteral("shown"));
        Run(window, steps);
    });
}
