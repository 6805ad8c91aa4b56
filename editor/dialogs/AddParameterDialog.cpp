#include "editor/dialogs/AddParameterDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "model/TextParameters.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

QString Arrayed(const char* name, int index) {
    return QString("%1(%2)").arg(name).arg(index);
}

QString Text(std::string_view text) {
    return ToWidgetText(text);
}

}  // namespace

AddParameterDialog::AddParameterDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAddParam");
    setWindowTitle("Parameters");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* grid = new QGridLayout(this);
    QWidget* previous = nullptr;
    for (int row = 0; row < kTextParameterRows; ++row) {
        const TextParameterRow& info = TextParameterRows()[row];
        auto* caption = new QLabel(Text(info.caption), this);
        caption->setObjectName(Arrayed("lblParamName", row));
        QWidget* value = nullptr;
        QComboBox* choice = nullptr;
        if (info.choices.empty()) {
            value = new QLabel(Text(info.description), this);
        } else {
            choice = new QComboBox(this);
            for (std::string_view item : info.choices) choice->addItem(Text(item));
            choice->setAccessibleName(Text(info.caption));
            caption->setBuddy(choice);
            value = choice;
        }
        value->setObjectName(Text(info.control));
        auto* add = new QPushButton("Add", this);
        add->setObjectName(Arrayed("cmdAddParam", row));
        add->setAccessibleName("Add " + Text(info.caption));
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(add, row, 2);
        for (QWidget* field : {static_cast<QWidget*>(choice), static_cast<QWidget*>(add)}) {
            if (field == nullptr) continue;
            if (previous != nullptr) setTabOrder(previous, field);
            previous = field;
        }
        connect(add, &QPushButton::clicked, this, [this, row, choice] {
            const std::string text =
                choice != nullptr ? FromWidgetText(choice->currentText()).value_or("") : "";
            token_ = TextParameterToken(row, text);
            accept();
        });
    }
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cmdCancel");
    grid->addWidget(cancel, kTextParameterRows, 2);
    grid->setColumnStretch(1, 1);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace koru
