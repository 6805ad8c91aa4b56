#pragma once

// The subcommands of korucfg. Each takes the whole argument list (program name first, then the
// command name and its own arguments) and returns the exit status.

#include <QStringList>

namespace koru::cli {

int runNormalize(const QStringList& arguments);
int runExport(const QStringList& arguments);
int runEncode(const QStringList& arguments);
int runCheck(const QStringList& arguments);
int runUnits(const QStringList& arguments);
int runNew(const QStringList& arguments);
int runDelete(const QStringList& arguments);
int runNetwork(const QStringList& arguments);
int runSend(const QStringList& arguments);
int runSimulate(const QStringList& arguments);
int runHistory(const QStringList& arguments);
int runDiff(const QStringList& arguments);

// Exit statuses shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

}  // namespace koru::cli
