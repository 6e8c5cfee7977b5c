#include "ui/dialogs/frmRange.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "reckoning/Calendar.h"
#include "reports/CalendarSystem.h"
#include "shell/SettingsRules.h"
#include "ui/main/Prompts.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

frmRange::frmRange(frmVeltrin& owner, CalendarSystem& system, const Prompts& prompts)
    : QDialog(&owner), main_(owner), sys_(system), prompts_(prompts) {
    setWindowTitle("Диапазон годов");
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* label1 = new QLabel("Минимальный номер года по юлианскому стилю", this);
    Text1 = new QLineEdit(this);
    auto* label2 = new QLabel("Максимальный номер года по юлианскому стилю", this);
    Text2 = new QLineEdit(this);
    auto* label3 = new QLabel("Предельно допустимый диапазон годов: от 325 до 2325", this);
    auto* line1 = new QFrame(this);
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    cbOk = new QPushButton("Да", this);
    cbCancel = new QPushButton("Отмена", this);
    for (QPushButton* b : {cbOk, cbCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    for (QLineEdit* t : {Text1, Text2}) {
        t->setFixedWidth(80);
        t->installEventFilter(this);
        connect(t, &QLineEdit::returnPressed, this, &frmRange::NewRange);
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(label3, 2, 0, 1, 2);
    grid->addWidget(line1, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cbOk);
    buttons->addWidget(cbCancel);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(cbOk, &QPushButton::clicked, this, &frmRange::NewRange);
    connect(cbCancel, &QPushButton::clicked, this, &QDialog::close);
    Form_Load();
}

void frmRange::Form_Load() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 3);
    }
    Text1->setText(QString::number(sys_.calendar.MinYear[kJulian]));
    Text2->setText(QString::number(sys_.calendar.MaxYear[kJulian]));
}

bool frmRange::eventFilter(QObject* watched, QEvent* event) {
    // A box that gets the focus has its whole text selected, however the focus came.
    if (event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
    return QDialog::eventFilter(watched, event);
}

void frmRange::NewRange() {
    Calendar& c = sys_.calendar;
    const RangeCheck check =
        CheckNewRange(Text1->text().toStdString(), Text2->text().toStdString(),
                      YearRange{c.MinYear[kJulian], c.MaxYear[kJulian]}, c.today().year);
    if (check.verdict == RangeVerdict::kInvalid) {
        if (prompts_.Message)
            prompts_.Message(this, windowTitle(), "Недопустимые значения!", QMessageBox::Warning);
        return;
    }
    if (check.verdict == RangeVerdict::kApply) {
        SetYearRange(c, check.range.minYear, check.range.maxYear);
        main_.SetYearsMonths();
        const int16_t year = c.Cur().Year;
        if (year < c.MinYear[c.CurStyle] || year > c.MaxYear[c.CurStyle]) {
            main_.GoToday();
            sys_.RefreshView();
        } else {
            main_.SetGridCal();
        }
    }
    close();
}

}  // namespace veltrin::ui
