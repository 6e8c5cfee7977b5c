#pragma once
// The tab control of the report views: a row of seven tabs over a panel, and on each tab its
// rich-text pane; the "Выборка" tab also carries the search field, its button and the
// whole-word option. Children are placed by the window in the control's own coordinates.

#include <QWidget>
#include <array>

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace veltrin::ui {

class RtfPane;

class ReportTabs : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTabs = 7;
    explicit ReportTabs(QWidget* parent = nullptr);

    int CurrentTab() const;
    // Shows tab `tab`; a change of the visible tab is announced by TabChanged.
    void SetCurrentTab(int tab);
    RtfPane* Pane(int tab) const { return panes_[tab]; }
    QWidget* Page(int tab) const { return pages_[tab]; }
    QTabBar* Bar() const { return bar_; }

    QLineEdit* strFind = nullptr;
    QPushButton* cbFind = nullptr;
    QCheckBox* WholeWord = nullptr;

  signals:
    // The visible tab is now `tab`; `previous` was shown before.
    void TabChanged(int tab, int previous);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ShowPage(int tab);
    QTabBar* bar_;
    QFrame* body_;
    std::array<QWidget*, kTabs> pages_{};
    std::array<RtfPane*, kTabs> panes_{};
    int shown_ = 0;
};

}  // namespace veltrin::ui
