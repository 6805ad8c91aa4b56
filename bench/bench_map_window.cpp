// The network map window on a library of 10,000 units: the longest the window's thread is held up while the map is
// read and shown (the map is read on a thread of its own), the time until it shows, the same after one unit file
// changed, and for comparison how long reading the map on the window's own thread would hold it up.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "editor/MainWindow.h"
#include "editor/network/NetworkMapCommand.h"
#include "editor/network/NetworkMapWindow.h"
#include "model/LibraryNetwork.h"
#include "platform/widgets/QtUserDialogs.h"
#include "tests/support/NetworkUnits.h"
#include "tests/support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kUnitCount = 10000;
constexpr int kBranches = 8;
constexpr int kAfterShownMs = 200;  // the watch goes on this long after the map shows: its first paints count
constexpr double kGoalMs = 50;      // the window feels held up beyond this

// The gaps between the turns of the window thread's event loop: a zero timer fires on every turn, so the longest
// gap is the longest time the thread was busy with one thing.
class StallWatch {
public:
    StallWatch() {
        QObject::connect(&beat_, &QTimer::timeout, [this] { tick(); });
    }
    void start() {
        longest_ = 0;
        clock_.start();
        last_ = 0;
        beat_.start(0);
    }
    double stop() {
        tick();
        beat_.stop();
        return static_cast<double>(longest_) / 1e6;
    }
    double elapsedMs() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }

private:
    void tick() {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }

    QTimer beat_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

// Runs `start` (which returns the map window), then the event loop until the map shows and kAfterShownMs more;
// prints when it showed and the longest stall. The map is shown from a queued call, never within `start`.
bool measure(const char* what, StallWatch& watch, const std::function<koru::NetworkMapWindow*()>& start) {
    QEventLoop loop;
    double shownAt = -1;
    watch.start();
    koru::NetworkMapWindow* map = start();
    QObject::connect(map, &koru::NetworkMapWindow::mapShown, &loop, [&] {
        if (shownAt >= 0) return;
        shownAt = watch.elapsedMs();
        QTimer::singleShot(kAfterShownMs, &loop, &QEventLoop::quit);
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    const double longest = watch.stop();
    QObject::disconnect(map, &koru::NetworkMapWindow::mapShown, &loop, nullptr);
    if (shownAt < 0) {
        std::printf("%s: the map did not show\n", what);
        return false;
    }
    std::printf("%-40s shown after %6.1f ms; window thread held up at most %5.1f ms%s\n", what, shownAt, longest,
                longest < kGoalMs ? "  (goal < 50 ms)" : "  TOO LONG (goal < 50 ms)");
    return longest < kGoalMs;
}

bool hasPlatform() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    if (!hasPlatform()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const koru::test::TempDir library;
    const fs::path units = library / "Units";
    if (!koru::test::WriteUnitTree(units, kUnitCount, kBranches,
                                   fs::path(KORU_SOURCE_DIR) / "files" / "Default Files" / "KORU Base.kdf")) {
        return 1;
    }
    std::printf("platform: %s; library of %d unit files in a tree of %d lower units per unit\n",
                qPrintable(QGuiApplication::platformName()), kUnitCount, kBranches);

    koru::QtUserDialogs dialogs;
    koru::MainWindow window(koru::UnitLibrary(library.path()), dialogs);
    koru::NetworkMapCommand& command = koru::AttachNetworkMap(window);
    window.show();
    QCoreApplication::processEvents();
    if (!window.openUnitFile((units / (koru::test::TreeUnitEntry(4242) + ".kuf")).string())) return 1;

    StallWatch watch;
    bool held = !measure("first opening of the map", watch, [&command] {
        command.showMap();
        return command.mapWindow();
    });
    koru::NetworkMapWindow* map = command.mapWindow();
    const fs::path changed = units / (koru::test::TreeUnitEntry(42) + ".kuf");
    held = !measure("after one unit file changed", watch, [&] {
               koru::test::WriteBytes(changed, koru::test::ReadBytes(changed) + "\r\n");
               map->refresh();
               return map;
           }) || held;
    double saving = 0;
    held = !measure("after the open unit was saved (Ctrl+S)", watch, [&] {
               QElapsedTimer save;
               save.start();
               window.saveUnit();
               saving = static_cast<double>(save.nsecsElapsed()) / 1e6;
               watch.start();  // the save is the main window's own work, not the map's
               return map;
           }) || held;
    std::printf("  (the save itself, before that, held the window's thread %.1f ms)\n", saving);

    QElapsedTimer onThisThread;
    onThisThread.start();
    koru::LibraryNetwork network(units);
    network.Update();
    std::printf("for comparison, reading the map on the window's thread would hold it up %.1f ms\n",
                static_cast<double>(onThisThread.nsecsElapsed()) / 1e6);
    return held ? 1 : 0;
}
