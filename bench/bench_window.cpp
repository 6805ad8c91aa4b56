// How quickly the editor window is there, side by side with the floor Qt itself sets: a bare QMainWindow with
// one label, the program on an empty library, the program on a library of 10,000 units, and opening the
// busiest unit into the shown window. Prints the medians, the two ratios and the goals. For comparison it
// also shows the bare window at the program's size: the first paint of a large window costs more by itself.
//
//   bench_window            every figure, on the offscreen platform unless a display or QT_QPA_PLATFORM is set
//                           (run it under xvfb-run for the figures a user sees)
//   bench_window --child    (used by the start-up figures) runs the program's own start-up, ends once shown
//   bench_window --bare     (used by the floor) a QMainWindow with one label, ends once shown
//   bench_window --bare-sized   the same at the program's window size
//   bench_window --opens    only the opening figures (for a profiler: no child processes)

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include <unistd.h>

#include "editor/ConfiguratorMain.h"
#include "editor/EditorStyle.h"
#include "editor/MainWindow.h"
#include "model/UnitFile.h"
#include "platform/widgets/QtUserDialogs.h"
#include "tests/support/GeneratedUnits.h"
#include "tests/support/NetworkUnits.h"
#include "tests/support/TestSupport.h"

namespace {

constexpr int kStarts = 15;
constexpr int kOpens = 20;
constexpr int kLibraryUnits = 10000;
constexpr int kBusiestTab = 5;  // "I/O and sleep events": the most fields on one page
constexpr double kProgramToBareGoal = 1.3;
constexpr double kLargeToEmptyGoal = 1.5;
constexpr double kOpenGoalMs = 16.0;  // one frame

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Min(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

bool HasPlatform() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Prints "shown" and ends once `window` has painted for the first time.
class EndAfterPaint : public QObject {
public:
    explicit EndAfterPaint(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(this, [] {
                std::puts("shown");
                std::fflush(stdout);
                QCoreApplication::quit();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

int RunBareWindow(int argc, char** argv, bool programSize) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("KORU")));
    if (programSize) window.resize(koru::MainWindow::PreferredSize());
    new EndAfterPaint(window);
    window.show();
    return QApplication::exec();
}

// Milliseconds from starting a process with `arguments` until its window has painted; -1 when it never did.
double StartToShown(const QStringList& arguments) {
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForStarted(10000)) return -1;
    QByteArray output;
    while (!output.contains("shown") && child.waitForReadyRead(30000)) output += child.readAllStandardOutput();
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    child.waitForFinished(30000);
    return output.contains("shown") ? elapsed : -1;
}

QStringList ProgramOn(const koru::test::TempDir& library) {
    return {QStringLiteral("--child"), QStringLiteral("--library"), QFile::decodeName(library.path().c_str())};
}

// Counts the paints a window gets.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget& window) : QObject(&window) { window.installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count_;
        return false;
    }

private:
    int count_ = 0;
};

// Opens the files in turn, kOpens times, into the shown `window`; the milliseconds of each open, empty when
// one did not open. Never inlined, so a profiler shows the opens on their own.
[[gnu::noinline]] std::vector<double> TimeOpens(koru::MainWindow& window, const std::vector<std::string>& files) {
    const auto* paints = new PaintCount(window);
    std::vector<double> times;
    for (int round = 0; round < kOpens; ++round) {
        const int paintsBefore = paints->count();
        QElapsedTimer timer;
        timer.start();
        if (!window.openUnitFile(files[static_cast<std::size_t>(round % 2)])) return {};
        // The layout, the lists' own layout of their items (on a zero timer), and the paint they ask for.
        for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
        if (paints->count() == paintsBefore) window.repaint();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

// Milliseconds to open the busiest unit into the program's shown window, with all its parts: the load, every
// field of the pages built, the rules, the layout and the paint that shows the unit on the busiest tab. With
// `everyPage`, every tab has been visited first.
std::vector<double> OpenBusiestUnits(const koru::test::TempDir& library, bool everyPage) {
    std::vector<std::string> files;
    for (int seed = 1; seed <= 2; ++seed) {
        const std::string path = (library.path() / ("busiest" + std::to_string(seed) + ".kuf")).string();
        koru::test::WriteBytes(path, koru::UnitFileText(koru::test::MaximalUnit(seed)));
        files.push_back(path);
    }
    koru::QtUserDialogs dialogs;
    koru::MainWindow window(koru::UnitLibrary(library.path()), dialogs);
    koru::AttachWindowParts(window);  // as the program's window: an open also updates its recent units
    window.show();
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("sstEvents"));
    for (int tab = everyPage ? 0 : kBusiestTab; tab <= kBusiestTab; ++tab) tabs->setCurrentIndex(tab);
    if (everyPage) {
        for (int tab = kBusiestTab + 1; tab < tabs->count(); ++tab) tabs->setCurrentIndex(tab);
        tabs->setCurrentIndex(kBusiestTab);
    }
    QCoreApplication::processEvents();
    return TimeOpens(window, files);
}

void PrintStart(const char* what, const std::vector<double>& times) {
    std::printf("%-44s %7.0f ms median of %d (min %.0f)\n", what, Median(times), kStarts, Min(times));
}

// Prints the opening figures; false when the busiest unit did not open.
bool PrintOpens() {
    const koru::test::TempDir library;
    const std::vector<double> opens = OpenBusiestUnits(library, false);
    const std::vector<double> opensEveryPage = OpenBusiestUnits(library, true);
    if (opens.empty() || opensEveryPage.empty()) {
        std::fprintf(stderr, "the busiest unit did not open\n");
        return false;
    }
    std::printf("%-44s %7.1f ms median of %d (min %.1f)  (goal: under %.0f ms)%s\n",
                "(d) open the busiest unit (tab 5 shown)", Median(opens), kOpens, Min(opens), kOpenGoalMs,
                Median(opens) < kOpenGoalMs ? "" : "  MISSED");
    std::printf("%-44s %7.1f ms median of %d (min %.1f)  (for comparison)\n", "    the same with every tab visited",
                Median(opensEveryPage), kOpens, Min(opensEveryPage));
    return true;
}

void PrintRatio(const char* what, double ratio, double goal) {
    std::printf("%-44s %7.2f      (goal: at most %.1f)%s\n", what, ratio, goal, ratio <= goal ? "" : "  MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) return RunBareWindow(argc, argv, false);
    if (argc > 1 && std::strcmp(argv[1], "--bare-sized") == 0) return RunBareWindow(argc, argv, true);
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) {
        argv[1] = argv[0];
        return koru::RunConfigurator(argc - 1, argv + 1, [](koru::MainWindow& window) {
            std::puts("shown");
            std::fflush(stdout);
            window.close();
        });
    }
    if (!HasPlatform()) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The opens remember their units as recent ones: in settings of their own, not the user's.
    const koru::test::TempDir settings;
    qputenv("XDG_CONFIG_HOME", QByteArray(settings.path().c_str()));
    QApplication app(argc, argv);
    koru::UseEditorStyle();  // as the program does
    if (argc > 1 && std::strcmp(argv[1], "--opens") == 0) return PrintOpens() ? 0 : 1;
    const koru::test::TempDir empty;
    const koru::test::TempDir large;
    if (!koru::test::WriteUnitTree(large / "Units", kLibraryUnits, 8,
                                   std::filesystem::path(KORU_SOURCE_DIR) / "files" / "Default Files" / "KORU Base.kdf")) {
        std::fprintf(stderr, "the default file for the large library cannot be read\n");
        return 1;
    }
    ::sync();  // the library's files reach the disk now, not while the starts are timed

    // Side by side: one start of each kind per round, so a busy machine slows all three alike.
    std::vector<double> bare, bareSized, program, largeLibrary;
    for (int run = 0; run < kStarts; ++run) {
        bare.push_back(StartToShown({QStringLiteral("--bare")}));
        bareSized.push_back(StartToShown({QStringLiteral("--bare-sized")}));
        program.push_back(StartToShown(ProgramOn(empty)));
        largeLibrary.push_back(StartToShown(ProgramOn(large)));
        if (bare.back() < 0 || bareSized.back() < 0 || program.back() < 0 || largeLibrary.back() < 0) {
            std::fprintf(stderr, "a window did not show\n");
            return 1;
        }
    }
    std::printf("platform: %s; process start to window shown:\n", qPrintable(QGuiApplication::platformName()));
    PrintStart("(a) a bare QMainWindow with one label", bare);
    const QSize size = koru::MainWindow::PreferredSize();
    const std::string sized = "    the same at the program's size, " + std::to_string(size.width()) + "x" +
                              std::to_string(size.height());
    std::printf("%-44s %7.0f ms median of %d (min %.0f)  (for comparison)\n", sized.c_str(), Median(bareSized),
                kStarts, Min(bareSized));
    PrintStart("(b) koru-configurator, empty library", program);
    PrintStart("(c) koru-configurator, 10,000-unit library", largeLibrary);
    if (!PrintOpens()) return 1;
    PrintRatio("program / bare window (b / a)", Median(program) / Median(bare), kProgramToBareGoal);
    PrintRatio("10,000 units / empty library (c / b)", Median(largeLibrary) / Median(program), kLargeToEmptyGoal);
    std::printf("%-44s %7.2f      (for comparison)\n", "program / bare window of its size",
                Median(program) / Median(bareSized));
    return 0;
}
