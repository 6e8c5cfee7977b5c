#include "ui/dialogs/frmFind.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ui/main/Prompts.h"
#include "ui/main/RtfPane.h"

namespace veltrin::ui {

namespace {
bool IsBlank(const QString& text) {
    for (const QChar ch : text)
        if (ch != ' ') return false;
    return true;
}
}  // namespace

frmFind::frmFind(QWidget* owner, const Prompts& prompts, std::function<RtfPane*()> visiblePane)
    : QDialog(owner), prompts_(prompts), visiblePane_(std::move(visiblePane)) {
    setWindowTitle("Поиск");
    setModal(false);
    strFind = new QLineEdit(this);
    strFind->setMinimumWidth(260);
    WholeWord = new QCheckBox("Целое слово", this);
    cbFind = new QPushButton("Искать", this);
    cbExit = new QPushButton("Закрыть", this);
    // Enter in the text runs one search itself; the buttons do not take it as well.
    for (QPushButton* b : {cbFind, cbExit}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto* grid = new QGridLayout(this);
    grid->addWidget(strFind, 0, 0);
    grid->addWidget(cbFind, 0, 1);
    grid->addWidget(WholeWord, 1, 0);
    grid->addWidget(cbExit, 1, 1);
    cbFind->setEnabled(false);

    connect(strFind, &QLineEdit::textChanged, this, &frmFind::strFind_Change);
    connect(strFind, &QLineEdit::returnPressed, this, [this] {
        if (!strFind->text().isEmpty()) FindDat(strFind->text());
    });
    connect(cbFind, &QPushButton::clicked, this, [this] { FindDat(strFind->text()); });
    connect(cbExit, &QPushButton::clicked, this, &QDialog::hide);
}

void frmFind::showEvent(QShowEvent* event) {
    const bool first = !loaded_;
    if (first) Form_Load();
    QDialog::showEvent(event);
    if (first) PlaceWhenFramed(kFramingChecks);
}

void frmFind::Form_Load() {
    loaded_ = true;
    adjustSize();
    PlaceAtOwnersCorner();
    strFind_Change();
}

void frmFind::PlaceWhenFramed(int checksLeft) {
    // The window manager frames a new window in its own time; until then the owner's frame stood
    // in for the dialog's.
    if (frameGeometry() != geometry()) {
        PlaceAtOwnersCorner();
        return;
    }
    if (checksLeft > 0)
        QTimer::singleShot(kFramingCheck, this,
                           [this, checksLeft] { PlaceWhenFramed(checksLeft - 1); });
}

void frmFind::PlaceAtOwnersCorner() {
    const QWidget* owner = parentWidget();
    if (!owner) return;
    // Frame against frame: until the window manager has framed the dialog, the owner's frame
    // stands in for the dialog's.
    const bool framed = frameGeometry() != geometry();
    const QWidget* framer = framed ? this : owner;
    const QRect outer = framer->frameGeometry(), inner = framer->geometry();
    const int left = inner.left() - outer.left(), top = inner.top() - outer.top();
    const int frameWidth = width() + outer.width() - inner.width();
    const QRect corner = owner->frameGeometry();
    setGeometry(QRect(QPoint(corner.right() + 1 - frameWidth + left, corner.top() + top), size()));
}

void frmFind::strFind_Change() {
    cbFind->setEnabled(!IsBlank(strFind->text()));
}

void frmFind::FindDat(const QString& text) {
    if (IsBlank(text)) return;
    RtfPane* pane = visiblePane_ ? visiblePane_() : nullptr;
    if (!pane) return;
    pane->setFocus();
    const QTextCursor selection = pane->textCursor();
    const int start = selection.selectionEnd();
    if (pane->Find(text, start, WholeWord->isChecked()) < 0 && prompts_.Message)
        prompts_.Message(this, windowTitle(), "Поиск достиг конца текста.",
                         QMessageBox::Information);
}

}  // namespace veltrin::ui
