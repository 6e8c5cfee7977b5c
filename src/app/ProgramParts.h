#pragma once
// Everything the window program runs on, made and wired in the order the program starts: the
// calendar with its data, the settings read from the store, the six view files, the main window
// hooked to the calendar, the first day computed and shown. The program, the window tests and the
// window benchmark all start this way.

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "reckoning/Dates.h"
#include "shell/SettingsKeys.h"
#include "shell/TempFiles.h"

namespace veltrin {

class CalendarSystem;
namespace ui {
class frmVeltrin;
}

class ProgramParts {
  public:
    using WindowFactory = std::function<std::unique_ptr<ui::frmVeltrin>(
        CalendarSystem&, SettingsStorage&, const TempFileTable&, std::function<void()>)>;
    struct Options {
        std::filesystem::path dataDirectory;    // the "Calendar" directory
        QString tempDirectory;                  // empty: the user's temporary directory
        std::function<CivilDate()> today;       // empty: the system clock
        std::function<void()> end;              // runs when the exit sequence is through
        WindowFactory makeWindow;               // empty: the program's own main window
    };

    ProgramParts(SettingsStorage& store, Options options);
    ~ProgramParts();
    ProgramParts(const ProgramParts&) = delete;
    ProgramParts& operator=(const ProgramParts&) = delete;

    CalendarSystem& System() { return *system_; }
    ui::frmVeltrin& Window() { return *window_; }
    const TempFileTable& TempFiles() const { return tempFiles_; }

  private:
    std::unique_ptr<CalendarSystem> system_;
    TempFileTable tempFiles_;
    std::unique_ptr<ui::frmVeltrin> window_;
};

}  // namespace veltrin
