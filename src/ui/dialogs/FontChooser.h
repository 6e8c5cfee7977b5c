#pragma once
// "Шрифт": the face and the size of the report font. The reports choose bold and italic for
// themselves, so the dialog offers no style.

#include <QDialog>
#include <QFont>

class QComboBox;
class QFontComboBox;
class QLabel;

namespace veltrin::ui {

class FontChooser : public QDialog {
    Q_OBJECT
  public:
    FontChooser(QWidget* owner, const QFont& initial);

    // The face and the size chosen; the size is a whole number of points, at least 1.
    QFont Chosen() const;

    QFontComboBox* Face = nullptr;
    QComboBox* Size = nullptr;

  private:
    void ShowSample();
    QLabel* sample_ = nullptr;
};

}  // namespace veltrin::ui
