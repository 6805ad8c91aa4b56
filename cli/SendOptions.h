#pragma once

// The options `korucfg encode` and `korucfg send` share: which groups go to the unit, the editor-only
// retransmission times, and the files that make the configuration.

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "model/UnitConfiguration.h"
#include "protocol/SendSelection.h"

namespace koru::cli {

struct SendOptions {
    QCommandLineOption select;
    QCommandLineOption retransMin;
    QCommandLineOption retransMax;

    SendOptions();
    void addTo(QCommandLineParser& parser) const;

    // Reads the selection, loads the FILEs in order over `config` and sets the retransmission times.
    // On a usage or load error prints the reason (prefixed with `command`) and returns false.
    bool apply(const QCommandLineParser& parser, const std::string& command, SendSelection& selection,
               UnitConfiguration& config) const;
};

}  // namespace koru::cli
