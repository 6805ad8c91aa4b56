#pragma once

// Runs the field checks of model/FieldChecks.h on the window's controls: the change checks at every change of
// a field's text (also a change by a load), the checks when a field loses the keyboard focus, and the
// stepping of mask and action cells on a double-click. The rules themselves are plain functions; this only
// decides when they run and puts their result back into the field.

#include <QHash>
#include <QObject>

#include "model/FieldCheck.h"

class QWidget;

namespace koru {

class ControlSet;

class FieldValidation : public QObject {
    Q_OBJECT

public:
    // Connect after the binder, so the model sees a corrected text as one more change.
    FieldValidation(const ControlSet& controls, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        FieldCheck check;
        QWidget* partner;  // the field the check also reads or corrects; may be null
    };

    void watch(QWidget* field, FieldCheck check, QWidget* partner);
    void leave(QWidget* field, const Watched& watched);

    QHash<QObject*, Watched> watched_;
};

}  // namespace koru
