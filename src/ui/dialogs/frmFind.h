#pragma once
// "Поиск": looks for a text in the report that the main window shows, one occurrence at a time,
// forward from the current selection and never round to the beginning. One dialog serves the
// whole run; closing it only hides it, so the text and the whole-word choice stay.

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace veltrin::ui {

class RtfPane;
struct Prompts;

class frmFind : public QDialog {
    Q_OBJECT
  public:
    // `visiblePane` names the pane of the tab that is shown at the moment of each search.
    frmFind(QWidget* owner, const Prompts& prompts, std::function<RtfPane*()> visiblePane);

    // One step of the search: the next occurrence after the selection becomes the selection,
    // or the end of the text is reported.
    void FindDat(const QString& text);

    QLineEdit* strFind = nullptr;
    QCheckBox* WholeWord = nullptr;
    QPushButton* cbFind = nullptr;
    QPushButton* cbExit = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    // At the upper right corner of the main window, frame to frame.
    void PlaceAtOwnersCorner();
    // Once framed, the dialog's own frame is known and the corner is met exactly.
    void PlaceWhenFramed(int checksLeft);
    static constexpr int kFramingCheck = 50;    // ms between looks at the frame
    static constexpr int kFramingChecks = 100;  // then the dialog stays where it is
    void strFind_Change();
    const Prompts& prompts_;
    std::function<RtfPane*()> visiblePane_;
    bool loaded_ = false;
};

}  // namespace veltrin::ui
