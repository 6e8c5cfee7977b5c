#pragma once
// "Экспорт в календарь": what goes into the iCalendar file of the year (the great feasts, the
// commemorations of every day, the fasts), then where the file goes.

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace veltrin::ui {

class ExportDialog : public QDialog {
    Q_OBJECT
  public:
    // `year` names the year being exported, as "2026 год от Р.Х. по новому стилю".
    ExportDialog(QWidget* owner, const QString& year);

    QCheckBox* Feasts = nullptr;
    QCheckBox* Days = nullptr;
    QCheckBox* Fasts = nullptr;
    QPushButton* cbOk = nullptr;

  private:
    void ChoiceChanged();
};

}  // namespace veltrin::ui
