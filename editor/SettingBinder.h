#pragma once

// Binds every setting of the catalog to its control, one generic binding per kind of field: the model's
// value goes into the control on a load (and at start-up), and every change of a control goes into the
// model at once. A value set by a load changes the control the way the user would, so the control's own
// signals raise the same rules and change checks as a change by the user.
//
// Labels and lists are set by the program only: after changing one of them in the model, show it again
// (show() or showAll()).

#include <QHash>
#include <QObject>
#include <QStringList>

#include <utility>
#include <vector>

#include "model/SettingCatalog.h"
#include "model/UnitConfiguration.h"

class QButtonGroup;
class QWidget;

namespace koru {

class ControlSet;

class SettingBinder : public QObject {
    Q_OBJECT

public:
    SettingBinder(UnitConfiguration& config, const ControlSet& controls, QObject* parent);

    // The controls the catalog names but the window lacks; empty when every setting has its field.
    const QStringList& missingControls() const { return missing_; }

    // Model to every bound control.
    void showAll();
    // Model to one control ("lstMessage(3)"); false when no setting is bound to it.
    bool show(const QString& control);

signals:
    // A label or list was given a new value by the program (the only way these change).
    void programSet(QWidget* control);
    // A control's value went into the model.
    void modelChanged();

private:
    struct Field {
        const Setting* setting;
        int index;
        QWidget* widget;
    };

    void bind(const Field& field);
    void showField(const Field& field);
    void take(const Setting& setting, int index, const std::string& value);
    QButtonGroup* groupOf(const Field& field);

    UnitConfiguration& config_;
    std::vector<Field> fields_;
    QHash<QString, int> byName_;
    QHash<QPair<const OptionGroup*, int>, QButtonGroup*> groups_;
    QStringList missing_;
};

}  // namespace koru
