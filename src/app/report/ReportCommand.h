#pragma once
// veltrin-report: a view of the calendar written to standard output or a file, for scripts,
// printing from a terminal, and tests.

#include <iosfwd>
#include <string>
#include <vector>

namespace veltrin {

// Runs the command; returns the exit status: 0, 1 when the result could not be written, 2 for a
// bad request.
int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace veltrin
