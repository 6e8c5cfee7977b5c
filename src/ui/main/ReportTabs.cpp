#include "ui/main/ReportTabs.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabBar>

#include "ui/main/RtfPane.h"

namespace veltrin::ui {

namespace {
const char* const kCaptions[ReportTabs::kTabs] = {"День",     "Седмица", "Месяц",     "Год",
                                                  "Основные", "Выборка", "Сокращения"};
}

ReportTabs::ReportTabs(QWidget* parent) : QWidget(parent) {
    body_ = new QFrame(this);
    body_->setFrameShape(QFrame::StyledPanel);
    body_->setFrameShadow(QFrame::Raised);
    for (int i = 0; i < kTabs; ++i) {
        pages_[i] = new QWidget(this);
        panes_[i] = new RtfPane(pages_[i]);
        pages_[i]->setVisible(i == 0);
    }
    strFind = new QLineEdit(pages_[5]);
    cbFind = new QPushButton("Выбрать", pages_[5]);
    WholeWord = new QCheckBox("Целое слово", pages_[5]);

    bar_ = new QTabBar(this);
    bar_->setExpanding(true);
    bar_->setDrawBase(false);
    bar_->setUsesScrollButtons(false);
    // Seven captions in one row across the narrowest window.
    bar_->setElideMode(Qt::ElideRight);
    bar_->setStyleSheet("QTabBar::tab { padding: 3px 6px; }");
    for (const char* caption : kCaptions)
        bar_->addTab(QString::fromUtf8(caption));
    bar_->raise();
    connect(bar_, &QTabBar::currentChanged, this, [this](int tab) {
        const int previous = shown_;
        ShowPage(tab);
        if (tab != previous) emit TabChanged(tab, previous);
    });
}

int ReportTabs::CurrentTab() const {
    return bar_->currentIndex();
}

void ReportTabs::SetCurrentTab(int tab) {
    bar_->setCurrentIndex(tab);
}

void ReportTabs::ShowPage(int tab) {
    shown_ = tab;
    for (int i = 0; i < kTabs; ++i)
        pages_[i]->setVisible(i == tab);
}

void ReportTabs::resizeEvent(QResizeEvent* event) {
    const QSize size = event->size();
    const int barHeight = bar_->sizeHint().height();
    bar_->setGeometry(0, 0, size.width(), barHeight);
    body_->setGeometry(0, barHeight - 1, size.width(), size.height() - barHeight + 1);
    // The pages cover the whole control so that the window places their children in the
    // control's coordinates; the row of tabs stays above them.
    for (QWidget* page : pages_)
        page->setGeometry(0, 0, size.width(), size.height());
    bar_->raise();
}

}  // namespace veltrin::ui
