#include "editor/dialogs/OkCancelRow.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace koru {

QBoxLayout* OkCancelRow(QDialog* dialog, std::function<void()> ok) {
    auto* okButton = new QPushButton("&Ok", dialog);
    okButton->setObjectName("cmdOk");
    okButton->setDefault(true);
    auto* cancel = new QPushButton("Cancel", dialog);
    cancel->setObjectName("cmdCancel");
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancel);
    QObject::connect(okButton, &QPushButton::clicked, dialog, [ok = std::move(ok)] { ok(); });
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return row;
}

}  // namespace koru
