#include "ui/dialogs/FontChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/SettingsRules.h"

namespace veltrin::ui {

FontChooser::FontChooser(QWidget* owner, const QFont& initial) : QDialog(owner) {
    setWindowTitle("Шрифт");
    Face = new QFontComboBox(this);
    Face->setCurrentFont(initial);
    Size = new QComboBox(this);
    Size->setEditable(true);
    for (int s : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        Size->addItem(QString::number(s));
    const int size = initial.pointSize() > 0 ? initial.pointSize() : 10;
    Size->setCurrentText(QString::number(size));
    sample_ = new QLabel("Велтринский календарь — АаБбВв 123", this);
    sample_->setMinimumHeight(56);
    sample_->setFrameShape(QFrame::StyledPanel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("Да");
    buttons->button(QDialogButtonBox::Cancel)->setText("Отмена");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow("Шрифт:", Face);
    form->addRow("Размер:", Size);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel("Образец", this));
    layout->addWidget(sample_);
    layout->addWidget(buttons);

    connect(Face, &QFontComboBox::currentFontChanged, this, &FontChooser::ShowSample);
    connect(Size, &QComboBox::currentTextChanged, this, &FontChooser::ShowSample);
    ShowSample();
}

QFont FontChooser::Chosen() const {
    QFont font(Face->currentFont().family());
    int16_t size = ReadInteger(Size->currentText().toStdString(), 10);
    if (size < 1) size = 10;
    font.setPointSize(size);
    return font;
}

void FontChooser::ShowSample() {
    sample_->setFont(Chosen());
}

}  // namespace veltrin::ui
