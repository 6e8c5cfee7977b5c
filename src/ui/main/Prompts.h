#pragma once
// Everything the commands ask of the desktop or of the user in a dialog of the system's own:
// message boxes, the save, font and print dialogs, and opening a page in the browser. The
// window holds one set; a test puts in answers of its own instead of dialogs that wait.

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace veltrin::ui {

struct SaveChoice {
    QString path;
    int filterIndex = 1;  // 1: Rich Text Format, 2: text document
};

// What goes into a calendar export, and the file it goes to.
struct ExportChoice {
    QString path;
    bool feasts = false, days = false, fasts = false;
};

struct Prompts {
    std::function<void(QWidget* owner, const QString& title, const QString& text,
                       QMessageBox::Icon icon)>
        Message;
    // The file to save to, starting in `directory`; nothing when the user cancels.
    std::function<std::optional<SaveChoice>(QWidget* owner, const QString& directory)> SaveFile;
    // A face and a size; nothing when the user cancels.
    std::function<std::optional<QFont>(QWidget* owner, const QFont& initial)> ChooseFont;
    // Sets up `printer`; false when the user cancels. With a selection the dialog offers to
    // print only it, and that choice comes preselected.
    std::function<bool(QWidget* owner, QPrinter& printer, bool hasSelection)> ChoosePrinter;
    std::function<void(const QUrl& url)> OpenUrl;
    // The events and the file of a calendar export of `year`, starting in `directory`; nothing
    // when the user cancels.
    std::function<std::optional<ExportChoice>(QWidget* owner, const QString& directory,
                                              const QString& year)>
        ChooseExport;

    // The desktop's dialogs and opener.
    static Prompts Desktop();
};

}  // namespace veltrin::ui
