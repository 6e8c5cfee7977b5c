#include "ui/main/Prompts.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPrinter>

#include "ui/dialogs/ExportDialog.h"
#include "ui/dialogs/FontChooser.h"
#include "ui/dialogs/PrintDialog.h"

namespace veltrin::ui {

namespace {

const char* const kRtfFilter = "Rich Text Format (*.RTF *.rtf)";
const char* const kTextFilter = "Text Document (*.TXT *.txt)";

// A dialog that names a file to write, of the first of `filters` until the user picks another.
void SetUpSaveDialog(QFileDialog& dialog, const QStringList& filters, const QString& suffix) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
}

std::optional<SaveChoice> AskSaveFile(QWidget* owner, const QString& directory) {
    QFileDialog dialog(owner, "Сохранить как", directory);
    SetUpSaveDialog(dialog, {kRtfFilter, kTextFilter}, "rtf");
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f == kTextFilter ? "txt" : "rtf");
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return SaveChoice{dialog.selectedFiles().front(),
                      dialog.selectedNameFilter() == kTextFilter ? 2 : 1};
}

std::optional<QFont> AskFont(QWidget* owner, const QFont& initial) {
    FontChooser dialog(owner, initial);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.Chosen();
}

bool AskPrinter(QWidget* owner, QPrinter& printer, bool hasSelection) {
    PrintDialog dialog(printer, hasSelection, owner);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<ExportChoice> AskExport(QWidget* owner, const QString& directory,
                                      const QString& year) {
    ExportDialog choice(owner, year);
    if (choice.exec() != QDialog::Accepted) return {};
    QFileDialog dialog(owner, "Экспорт в календарь", directory);
    SetUpSaveDialog(dialog, {"iCalendar (*.ics)"}, "ics");
    dialog.selectFile(QString("Велтринский календарь %1.ics").arg(year.section(' ', 0, 0)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return ExportChoice{dialog.selectedFiles().front(), choice.Feasts->isChecked(),
                        choice.Days->isChecked(), choice.Fasts->isChecked()};
}

void ShowMessage(QWidget* owner, const QString& title, const QString& text,
                 QMessageBox::Icon icon) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace

Prompts Prompts::Desktop() {
    Prompts p;
    p.Message = ShowMessage;
    p.SaveFile = AskSaveFile;
    p.ChooseFont = AskFont;
    p.ChoosePrinter = AskPrinter;
    p.OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    p.ChooseExport = AskExport;
    return p;
}

}  // namespace veltrin::ui
