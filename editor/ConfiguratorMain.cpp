#include "editor/ConfiguratorMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <string_view>

#include "editor/EditorStyle.h"
#include "editor/MainWindow.h"
#include "editor/RecentUnits.h"
#include "editor/RecoveryKeeper.h"
#include "editor/StartPreparation.h"
#include "editor/UnitFileDrop.h"
#include "editor/UnitEditing.h"
#include "editor/history/HistoryCommands.h"
#include "editor/network/NetworkMapCommand.h"
#include "editor/send/SendController.h"
#include "platform/BuildInfo.h"
#include "platform/InterruptNotifier.h"
#include "platform/LibraryLocation.h"
#include "platform/widgets/QtUserDialogs.h"

namespace koru {

namespace {

const char* const kProgram = "koru-configurator";
constexpr int kExitBySignal = 128;  // a program ended by signal N exits with 128 + N

// Whether a window can be shown at all: on X11 and Wayland desktops the session names its display.
bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

bool AsksForInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v" ||
            argument == "--version") {
            return true;
        }
    }
    return false;
}

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("KORU Configurator: edit a KORU unit's configuration and keep it in the unit library."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("library"),
                      QStringLiteral("The library folder (default: beside the program, or the per-user library when "
                                     "installed)."),
                      QStringLiteral("DIR")});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A unit file to open at start."),
                                 QStringLiteral("[FILE]"));
}

void NameProgram() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgram));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
}

// Calls `shown` after the window's first paint.
class FirstPaint : public QObject {
public:
    FirstPaint(MainWindow& window, std::function<void(MainWindow&)> shown)
        : QObject(&window), window_(window), shown_(std::move(shown)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && shown_) {
            window_.removeEventFilter(this);
            QMetaObject::invokeMethod(this, [this] { shown_(window_); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    MainWindow& window_;
    std::function<void(MainWindow&)> shown_;
};

}  // namespace

RecoveryKeeper& AttachWindowParts(MainWindow& window) {
    SendController::AttachLive(window);
    AttachUnitEditing(window);
    new HistoryCommands(window);
    AttachNetworkMap(window);
    AttachRecentUnits(window);
    new UnitFileDrop(window);
    return *new RecoveryKeeper(window);
}

int RunConfigurator(int argc, char** argv, std::function<void(MainWindow&)> shown) {
    if (AsksForInformation(argc, argv) || !HasDisplay()) {
        QCoreApplication app(argc, argv);
        NameProgram();
        QCommandLineParser parser;
        Describe(parser);
        parser.process(app);  // prints the help or the version and ends there
        QTextStream(stderr) << kProgram
                            << ": there is no graphical display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so "
                               "the window cannot open.\n"
                               "Run it on a desktop, on a virtual display (xvfb-run koru-configurator), or try the "
                               "command-line tool:\n"
                               "  korucfg --help\n";
        return 1;
    }

    QApplication app(argc, argv);
    NameProgram();
    QCommandLineParser parser;
    Describe(parser);
    parser.process(app);
    UseEditorStyle();
    StartPreparation preparation;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        QTextStream(stderr) << kProgram << ": open one FILE at a time\n\n" << parser.helpText();
        return 2;
    }
    // A logout or shutdown (SIGTERM), a closed terminal (SIGHUP) or Ctrl+C in it end the program the way its
    // own close does, without the question nobody could answer: a send is aborted with its abort line, and
    // unsaved edits are kept for the next start.
    InterruptNotifier interrupts;
    QtUserDialogs dialogs;
    MainWindow window(LocateLibrary(parser.value(QStringLiteral("library"))), dialogs);
    dialogs.setParent(&window);
    RecoveryKeeper& recovery = AttachWindowParts(window);
    int endedBy = 0;
    QObject::connect(&interrupts, &InterruptNotifier::interrupted, &window, [&](int signalNumber) {
        if (endedBy != 0) return;
        endedBy = signalNumber;
        recovery.keepForNextStart();
        window.endWithoutAsking();
    });
    QObject::connect(&window, &MainWindow::programEnding, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (shown) new FirstPaint(window, std::move(shown));
    preparation.prepareFirstPaint(window);
    window.show();
    window.activateWindow();  // a display without a window manager gives the keyboard to nobody otherwise
    if (!files.isEmpty()) window.openUnitFile(QFile::encodeName(files.front()).toStdString());
    recovery.offerLeftEdits();
    const int status = QApplication::exec();
    return endedBy != 0 ? kExitBySignal + endedBy : status;
}

}  // namespace koru
