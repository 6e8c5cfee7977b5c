#include "ui/dialogs/ExportDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltrin::ui {

ExportDialog::ExportDialog(QWidget* owner, const QString& year) : QDialog(owner) {
    setWindowTitle("Экспорт в календарь");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString("События года (%1) для программ календаря:").arg(year)));
    Feasts = new QCheckBox("&Великие праздники");
    Days = new QCheckBox("&Памяти каждого дня");
    Fasts = new QCheckBox("П&осты");
    Feasts->setChecked(true);
    for (QCheckBox* box : {Feasts, Days, Fasts}) {
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &ExportDialog::ChoiceChanged);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    cbOk = buttons->button(QDialogButtonBox::Ok);
    cbOk->setText("Сохранить...");
    buttons->button(QDialogButtonBox::Cancel)->setText("Отмена");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ExportDialog::ChoiceChanged() {
    // A file without events is no use to anyone.
    cbOk->setEnabled(Feasts->isChecked() || Days->isChecked() || Fasts->isChecked());
}

}  // namespace veltrin::ui
