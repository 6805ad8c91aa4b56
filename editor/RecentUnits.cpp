#include "editor/RecentUnits.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <utility>

#include "editor/MainWindow.h"
#include "platform/QtSettingsStore.h"

namespace koru {

namespace {

const std::string kSection = "Recent units";

std::string Key(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

RecentUnits::RecentUnits(MainWindow& window, SettingsStore& store, QObject* parent,
                         std::chrono::milliseconds writeDelay)
    : QObject(parent), window_(window), store_(store) {
    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(writeDelay);
    connect(&writeTimer_, &QTimer::timeout, this, &RecentUnits::writeList);
    connect(&window_, &QObject::destroyed, this, &RecentUnits::writeList);
    connect(&window_, &MainWindow::unitFileUsed, this, &RecentUnits::remember);
    // Checked when the menu opens, so a file deleted meanwhile shows as gone.
    connect(window_.menus().recentUnits, &QMenu::aboutToShow, this, &RecentUnits::fillMenu);
    fillMenu();
}

RecentUnits::~RecentUnits() { writeList(); }

QStringList RecentUnits::files() const {
    if (unwritten_) return *unwritten_;
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
    while (list.size() > kLimit) list.removeLast();
    unwritten_ = std::move(list);
    writeTimer_.start();
    fillMenu();
}

void RecentUnits::writeList() {
    writeTimer_.stop();
    if (!unwritten_) return;
    const QStringList list = *std::exchange(unwritten_, std::nullopt);
    for (int i = 0; i < kLimit; ++i) store_.setValue(kSection, Key(i), i < list.size() ? list[i].toStdString() : "");
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
