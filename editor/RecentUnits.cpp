#include "editor/RecentUnits.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "editor/MainWindow.h"
#include "platform/QtSettingsStore.h"

namespace koru {

namespace {

const std::string kSection = "Recent units";

std::string Key(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

RecentUnits::RecentUnits(MainWindow& window, SettingsStore& store, QObject* parent)
    : QObject(parent), window_(window), store_(store) {
    connect(&window_, &MainWindow::unitFileUsed, this, &RecentUnits::remember);
    // Checked when the menu opens, so a file deleted meanwhile shows as gone.
    connect(window_.menus().recentUnits, &QMenu::aboutToShow, this, &RecentUnits::fillMenu);
    fillMenu();
}

QStringList RecentUnits::files() const {
    QStringList files;
    for (int i = 0; i < kLimit; ++i) {
        const QString file = QString::fromStdString(store_.value(kSection, Key(i), {}));
        if (!file.isEmpty() && !files.contains(file)) files.append(file);
    }
    return files;
}

void RecentUnits::remember(const QString& path) {
    const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QStringList before = files();
    QStringList list = before;
    list.removeAll(file);
    list.prepend(file);
    if (list == before) return;  // the unit already heads the list
    for (int i = 0; i < kLimit; ++i) store_.setValue(kSection, Key(i), i < list.size() ? list[i].toStdString() : "");
    fillMenu();
}

void RecentUnits::fillMenu() {
    QMenu* menu = window_.menus().recentUnits;
    menu->clear();
    menu->setToolTipsVisible(true);
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        const QString& file = list[i];
        QString caption = QFileInfo(file).completeBaseName();
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        action->setToolTip(file);
        action->setEnabled(QFileInfo(file).isFile());
        connect(action, &QAction::triggered, this, [this, file] {
            window_.promptSaveUnit([this, file] { window_.openUnitFile(QFile::encodeName(file).toStdString()); });
        });
    }
    menu->setEnabled(!list.isEmpty());
}

namespace {

class LiveRecentUnits : public QObject {
public:
    explicit LiveRecentUnits(MainWindow& window) : QObject(&window), recent_(window, store_, nullptr) {}

private:
    QtSettingsStore store_;
    RecentUnits recent_;
};

}  // namespace

void AttachRecentUnits(MainWindow& window) { new LiveRecentUnits(window); }

}  // namespace koru
