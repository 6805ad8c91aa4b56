#pragma once

// "File" > "Recent units": the last eight unit files opened or saved, newest first, kept in the user's settings
// so that yesterday's unit is one click away. A file that is gone (deleted, renamed by a save under a new
// alias, on a share that is not there) stays in the list but is shown disabled. Picking a unit opens it as
// Open does, after the save question. The list is written to the settings a moment after it changes, when the
// window has shown the unit: writing the settings file waits for the disk.

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <optional>

namespace koru {

class MainWindow;
class SettingsStore;

class RecentUnits : public QObject {
    Q_OBJECT

public:
    static constexpr int kLimit = 8;
    static constexpr std::chrono::milliseconds kWriteDelay{500};

    // Fills the window's "Recent units" menu from `store` and keeps both up to date: a changed list is stored
    // `writeDelay` after its last change, as the window goes, or as this ends. `store` must outlive this.
    RecentUnits(MainWindow& window, SettingsStore& store, QObject* parent,
                std::chrono::milliseconds writeDelay = kWriteDelay);
    ~RecentUnits() override;

    // The files, newest first.
    QStringList files() const;
    // Puts `path` first (once) and keeps at most kLimit files.
    void remember(const QString& path);

private:
    void fillMenu();
    void writeList();

    MainWindow& window_;
    SettingsStore& store_;
    std::optional<QStringList> unwritten_;  // the list while it differs from the stored one
    QTimer writeTimer_;
};

// The live program's recent units over the user's settings (QSettings); a child of the window.
void AttachRecentUnits(MainWindow& window);

}  // namespace koru
