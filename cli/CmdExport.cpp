#include <QTextStream>

#include "cli/Commands.h"

namespace koru::cli {

// Placeholder until the command is built.
int runExport(const QStringList&) {
    QTextStream(stderr) << "korucfg: this command is not available yet\n";
    return kExitUsage;
}

}  // namespace koru::cli
