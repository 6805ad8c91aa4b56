#pragma once

// The real program in its own process, through koru_window_driver (tests/window/WindowDriver.cpp): its
// own start-up, event loop, signals and end, on the offscreen platform, with the user's settings in a
// folder of the test.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>

namespace koru::test {

class RunningProgram {
public:
    // `steps` for the driver, `arguments` for koru-configurator; the settings file lives in `configHome`.
    RunningProgram(const QStringList& steps, const QStringList& arguments, const std::filesystem::path& configHome);
    ~RunningProgram();

    // Waits until the driver has printed a line starting with `start`; false after `limitMs`.
    bool waitForLine(const QString& start, int limitMs = 20000);
    // Everything printed so far.
    const QString& output() const { return output_; }
    // The first line printed starting with `start`, without it.
    std::optional<QString> line(const QString& start) const;

    void signal(int signalNumber);
    // Waits for the end; the exit status, or -1 when the program did not end by itself within `limitMs`
    // (or a signal ended it).
    int waitForEnd(int limitMs = 20000);

private:
    QProcess process_;
    QString output_;
};

}  // namespace koru::test
