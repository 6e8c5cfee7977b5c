#include "ui/dialogs/PrintDialog.h"

#include <QPrinter>

namespace veltrin::ui {

PrintDialog::PrintDialog(QPrinter& printer, bool hasSelection, QWidget* parent)
    : QPrintDialog(&printer, parent), hasSelection_(hasSelection) {
    setWindowTitle("Печать");
    PrintDialogOptions options = PrintToFile | PrintShowPageSize | PrintCollateCopies;
    options |= hasSelection ? PrintSelection : PrintPageRange;
    setOptions(options);
    printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
}

void PrintDialog::showEvent(QShowEvent* event) {
    QPrintDialog::showEvent(event);
    if (hasSelection_) HidePageRange();
}

void PrintDialog::HidePageRange() {
    // The dialog leaves its page range fields in view whatever the options say; they are found
    // by the names the dialog gives them in its range group.
    const QWidget* range = findChild<QWidget*>("gbPrintRange");
    if (!range) return;
    for (const char* name :
         {"printRange", "from", "label_3", "to", "pagesRadioButton", "pagesLineEdit"})
        if (QWidget* widget = range->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
            widget->hide();
}

}  // namespace veltrin::ui
