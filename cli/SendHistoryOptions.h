#pragma once

// The options of `korucfg send` that concern the library's send history: --library names the library
// that logs the session, --changed sends exactly the groups that changed since the unit last
// acknowledged them.

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <filesystem>
#include <optional>

#include "model/UnitConfiguration.h"
#include "protocol/SendSelection.h"

namespace koru::cli {

struct SendHistoryOptions {
    QCommandLineOption library;
    QCommandLineOption changed;

    SendHistoryOptions();
    void addTo(QCommandLineParser& parser) const;

    // Sets `libraryRoot` and, with --changed, `selection` from the history of `config`'s unit; with
    // `selectGiven` --changed is refused. Returns the exit status when the command ends here: a usage
    // error, or no group changed (nothing to send, no port opened).
    std::optional<int> apply(const QCommandLineParser& parser, bool selectGiven, const UnitConfiguration& config,
                             std::filesystem::path& libraryRoot, SendSelection& selection) const;
};

}  // namespace koru::cli
