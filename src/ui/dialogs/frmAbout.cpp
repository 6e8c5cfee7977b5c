#include "ui/dialogs/frmAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "ui/dialogs/Emblem.h"
#include "ui/main/Prompts.h"

namespace veltrin::ui {

QString ProgramVersion() {
    return QStringLiteral(VELTRIN_VERSION);
}
QString AuthorName() {
    return QString::fromUtf8(VELTRIN_AUTHOR);
}
QString AuthorEmail() {
    return QString::fromUtf8(VELTRIN_EMAIL);
}
QString HomePage() {
    return QString::fromUtf8(VELTRIN_HOMEPAGE);
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 200));
    setPalette(p);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked();
    QLabel::mousePressEvent(event);
}

frmAbout::frmAbout(QWidget* owner, const Prompts& prompts) : QDialog(owner), prompts_(prompts) {
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    QPixmap emblem(96, 96);
    emblem.fill(Qt::transparent);
    {
        QPainter p(&emblem);
        PaintEmblem(p, QRectF(0, 0, 96, 96));
    }
    Image1 = new QLabel(this);
    Image1->setPixmap(emblem);
    Label1 = new QLabel(this);
    QFont title = Label1->font();
    title.setPointSizeF(title.pointSizeF() * 1.4);
    title.setBold(true);
    Label1->setFont(title);
    Label2 = new QLabel(this);
    Label3 = new QLabel(AuthorName(), this);
    Label4 = new LinkLabel("E-mail: " + AuthorEmail(), this);
    Label5 = new LinkLabel("WWW: " + HomePage(), this);
    auto* line1 = new QFrame(this);
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    cmdOK = new QPushButton("Да", this);
    cmdOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Image1, 0, 0, 5, 1, Qt::AlignTop);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(Label2, 1, 1);
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(Label4, 3, 1);
    grid->addWidget(Label5, 4, 1);
    grid->addWidget(line1, 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setHorizontalSpacing(18);

    connect(Label4, &LinkLabel::Clicked, this, &frmAbout::Label4_Click);
    connect(Label5, &LinkLabel::Clicked, this, &frmAbout::Label5_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
    Form_Load();
}

void frmAbout::Form_Load() {
    setWindowTitle("Велтринский календарь");
    Label1->setText("Велтринский календарь");
    Label2->setText("Версия " + ProgramVersion());
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 3);
    }
}

void frmAbout::Label4_Click() {
    if (prompts_.OpenUrl) prompts_.OpenUrl(QUrl("mailto:" + AuthorEmail()));
}

void frmAbout::Label5_Click() {
    if (prompts_.OpenUrl) prompts_.OpenUrl(QUrl(HomePage()));
}

}  // namespace veltrin::ui
