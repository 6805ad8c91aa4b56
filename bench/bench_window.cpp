// The editor window's two speeds a technician feels: from starting the program to its window on the screen,
// and opening the largest unit into the window. Prints the medians and the goals.
//
//   bench_window            both figures, on the offscreen platform unless a display or QT_QPA_PLATFORM is set
//   bench_window --child    (used by the first figure) runs the program's own start-up and ends once shown

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "editor/ConfiguratorMain.h"
#include "editor/MainWindow.h"
#include "model/UnitFile.h"
#include "platform/widgets/QtUserDialogs.h"
#include "tests/support/GeneratedUnits.h"
#include "tests/support/TestSupport.h"

namespace {

constexpr int kStarts = 7;
constexpr int kOpens = 20;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool HasPlatform() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Milliseconds from starting a process that runs the program's start-up until its window has painted.
double StartToShown(const QString& self, const QString& library) {
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(self, {QStringLiteral("--child"), QStringLiteral("--library"), library});
    if (!child.waitForStarted(10000)) return -1;
    QByteArray output;
    while (!output.contains("shown") && child.waitForReadyRead(30000)) output += child.readAllStandardOutput();
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    child.waitForFinished(30000);
    return output.contains("shown") ? elapsed : -1;
}

// Milliseconds to open a maximal unit into a shown window: the load, every field, the rules, the layout and a
// repaint of the busiest tab.
std::vector<double> OpenMaximalUnits(const koru::test::TempDir& library) {
    std::vector<std::string> files;
    for (int seed = 1; seed <= 2; ++seed) {
        const std::string path = (library.path() / ("maximal" + std::to_string(seed) + ".kuf")).string();
        koru::test::WriteBytes(path, koru::UnitFileText(koru::test::MaximalUnit(seed)));
        files.push_back(path);
    }
    koru::QtUserDialogs dialogs;
    koru::MainWindow window(koru::UnitLibrary(library.path()), dialogs);
    window.findChild<QTabWidget*>(QStringLiteral("sstEvents"))->setCurrentIndex(5);
    window.show();
    QCoreApplication::processEvents();
    std::vector<double> times;
    for (int round = 0; round < kOpens; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (!window.openUnitFile(files[static_cast<std::size_t>(round % 2)])) return {};
        QCoreApplication::sendPostedEvents();
        window.repaint();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) {
        argv[1] = argv[0];
        return koru::RunConfigurator(argc - 1, argv + 1, [](koru::MainWindow& window) {
            std::puts("shown");
            std::fflush(stdout);
            window.close();
        });
    }
    if (!HasPlatform()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const koru::test::TempDir library;

    std::vector<double> starts;
    for (int run = 0; run < kStarts; ++run) {
        const double ms = StartToShown(QCoreApplication::applicationFilePath(), QFile::decodeName(library.path().c_str()));
        if (ms < 0) {
            std::fprintf(stderr, "the window did not show\n");
            return 1;
        }
        starts.push_back(ms);
    }
    const std::vector<double> opens = OpenMaximalUnits(library);
    if (opens.empty()) {
        std::fprintf(stderr, "the maximal unit did not open\n");
        return 1;
    }
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("process start to window shown: %.0f ms median of %d (min %.0f)  (goal: under 400 ms)\n",
                Median(starts), kStarts, *std::min_element(starts.begin(), starts.end()));
    std::printf("open a maximal unit into the window: %.1f ms median of %d (min %.1f)  (goal: under 100 ms)\n",
                Median(opens), kOpens, *std::min_element(opens.begin(), opens.end()));
    return 0;
}
