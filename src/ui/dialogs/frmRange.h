#pragma once
// "Диапазон годов": the first and the last year (Julian and Gregorian count) that the calendar
// may show. The range must lie within 325..2325 and hold the current year strictly inside it.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace veltrin {
class CalendarSystem;
}

namespace veltrin::ui {

class frmVeltrin;
struct Prompts;

class frmRange : public QDialog {
    Q_OBJECT
  public:
    frmRange(frmVeltrin& owner, CalendarSystem& system, const Prompts& prompts);

    // Checks the two years and applies them; closes the dialog unless they are refused.
    void NewRange();

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* cbOk = nullptr;
    QPushButton* cbCancel = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    frmVeltrin& main_;
    CalendarSystem& sys_;
    const Prompts& prompts_;
};

}  // namespace veltrin::ui
