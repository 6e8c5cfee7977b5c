#pragma once
// "О программе": the title, the version, the author, and links to write to the author and to
// open the home page.

#include <QDialog>
#include <QLabel>

class QPushButton;

namespace veltrin::ui {

struct Prompts;

// A line of text that opens something when clicked.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);
  signals:
    void Clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The values of the build.
QString ProgramVersion();
QString AuthorName();
QString AuthorEmail();
QString HomePage();

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    frmAbout(QWidget* owner, const Prompts& prompts);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* Label4 = nullptr;
    LinkLabel* Label5 = nullptr;
    QPushButton* cmdOK = nullptr;

    void Label4_Click();
    void Label5_Click();

  private:
    void Form_Load();
    const Prompts& prompts_;
};

}  // namespace veltrin::ui
