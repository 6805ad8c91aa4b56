#include "tests/editor/RunningProgram.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>

#include <csignal>

namespace koru::test {

RunningProgram::RunningProgram(const QStringList& steps, const QStringList& arguments,
                               const std::filesystem::path& configHome) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(configHome.string()));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(KORU_BIN_DIR "/koru_window_driver"), steps + QStringList{"--"} + arguments);
}

RunningProgram::~RunningProgram() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool RunningProgram::waitForLine(const QString& start, int limitMs) {
    const QDeadlineTimer deadline(limitMs);
    while (!line(start)) {
        if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) {
            output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
            return line(start).has_value();
        }
        process_.waitForReadyRead(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 100)));
        output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
    }
    return true;
}

std::optional<QString> RunningProgram::line(const QString& start) const {
    for (const QString& printed : output_.split(QLatin1Char('\n'))) {
        if (printed.startsWith(start)) return printed.mid(start.size());
    }
    return std::nullopt;
}

void RunningProgram::signal(int signalNumber) { ::kill(static_cast<pid_t>(process_.processId()), signalNumber); }

int RunningProgram::waitForEnd(int limitMs) {
    const bool ended = process_.waitForFinished(limitMs);
    output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
    if (!ended || process_.exitStatus() != QProcess::NormalExit) return -1;
    return process_.exitCode();
}

}  // namespace koru::test
