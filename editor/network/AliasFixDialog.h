#pragma once

// "Fix old aliases": lists every entry the alias fix will rewrite (the unit that holds it, the settings, the entry
// before and after) and asks before anything is written. Accepted means go ahead.

#include <QDialog>

#include <vector>

#include "model/AliasFixes.h"

namespace koru {

class AliasFixDialog : public QDialog {
    Q_OBJECT

public:
    AliasFixDialog(const std::vector<AliasFix>& fixes, QWidget* parent);
};

}  // namespace koru
