#pragma once

// Runs the field checks of model/FieldChecks.h on the window's fields: the change checks at every change of a
// field's text (also a change by a load), the checks when a field loses the keyboard focus, and the stepping
// of mask and action cells on a double-click. The rules themselves are plain functions; this only decides when
// they run and puts their result back into the field.

#include <QHash>
#include <QObject>

#include <vector>

#include "editor/FieldFactory.h"

namespace koru {

class FieldValidation : public QObject {
    Q_OBJECT

public:
    explicit FieldValidation(QObject* parent);

    // Checks the fields of a page just built. Before the binder binds them, so a typed value is checked
    // before it enters the configuration.
    void watch(const std::vector<CheckedField>& fields);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchField(const CheckedField& field);
    void leave(QWidget* field, const CheckedField& watched);

    QHash<QObject*, CheckedField> watched_;
};

}  // namespace koru
