#pragma once
// The six temporary files the views are written to during a run.

#include <QString>
#include <array>
#include <filesystem>

namespace veltrin {

using TempFileTable = std::array<std::filesystem::path, 6>;

// A new, empty file with a unique name beginning "~DA" in `directory`; an empty path when the
// file cannot be made.
std::filesystem::path MakeTempFileName(const QString& directory);

// Six such files in `directory`, by default the user's temporary directory.
TempFileTable MakeTempFiles(const QString& directory = {});

// Removes the files; missing ones are passed over.
void DeleteTempFiles(const TempFileTable& files);

}  // namespace veltrin
