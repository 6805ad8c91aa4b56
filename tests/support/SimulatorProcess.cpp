#include "tests/support/SimulatorProcess.h"

#include "tests/support/TestSupport.h"

namespace koru::test {

SimulatorProcess::SimulatorProcess(const QStringList& options, const std::string& transcript)
    : transcript_(transcript) {
    process_.start(QStringLiteral(KORU_BIN_DIR "/korucfg"),
                   QStringList{"simulate", "--once", "--transcript", QString::fromStdString(transcript)} + options);
    if (process_.waitForReadyRead(10000)) device_ = QString::fromUtf8(process_.readLine()).trimmed();
}

SimulatorProcess::~SimulatorProcess() {
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

std::string SimulatorProcess::received() {
    process_.waitForFinished(5000);
    return ReadBytes(transcript_);
}

std::string SimulatorProcess::receivedSoFar() const { return ReadBytes(transcript_); }

}  // namespace koru::test
