// The search panel of the "Выборка" tab.

#include <QLineEdit>
#include <QPushButton>

#include "reports/CalendarSystem.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

namespace {
bool HasSearchText(const QString& text) {
    for (const QChar ch : text)
        if (ch != ' ') return true;
    return false;
}
}  // namespace

void frmVeltrin::strFind_Change() {
    SSTab1->cbFind->setEnabled(HasSearchText(SSTab1->strFind->text()));
}

void frmVeltrin::strFind_KeyDown() {
    if (HasSearchText(SSTab1->strFind->text())) cbFind_Click();
}

void frmVeltrin::cbFind_Click() {
    const std::string text = SSTab1->strFind->text().toStdString();
    sys_.reports.BuildSelection(text);
}

}  // namespace veltrin::ui
