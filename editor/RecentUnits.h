#pragma once

// "File" > "Recent units": the last eight unit files opened or saved, newest first, kept in the user's settings
// so that yesterday's unit is one click away. A file that is gone (deleted, renamed by a save under a new
// alias, on a share that is not there) stays in the list but is shown disabled. Picking a unit opens it as
// Open does, after the save question.

#include <QObject>
#include <QStringList>

namespace koru {

class MainWindow;
class SettingsStore;

class RecentUnits : public QObject {
    Q_OBJECT

public:
    static constexpr int kLimit = 8;

    // Fills the window's "Recent units" menu from `store` and keeps both up to date. `store` must outlive this.
    RecentUnits(MainWindow& window, SettingsStore& store, QObject* parent);

    // The files, newest first, as stored.
    QStringList files() const;
    // Puts `path` first (once), keeps at most kLimit files and stores the list.
    void remember(const QString& path);

private:
    void fillMenu();

    MainWindow& window_;
    SettingsStore& store_;
};

// The live program's recent units over the user's settings (QSettings); a child of the window.
void AttachRecentUnits(MainWindow& window);

}  // namespace koru
