#include "shell/TempFiles.h"

#include <QDir>
#include <QTemporaryFile>
#include <system_error>

namespace veltrin {

std::filesystem::path MakeTempFileName(const QString& directory) {
    QTemporaryFile file(QDir(directory).filePath("~DAXXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open()) return {};
    return std::filesystem::path(file.fileName().toStdString());
}

TempFileTable MakeTempFiles(const QString& directory) {
    TempFileTable files;
    for (auto& f : files)
        f = MakeTempFileName(directory.isEmpty() ? QDir::tempPath() : directory);
    return files;
}

void DeleteTempFiles(const TempFileTable& files) {
    for (const auto& f : files) {
        if (f.empty()) continue;
        std::error_code ignored;
        std::filesystem::remove(f, ignored);
    }
}

}  // namespace veltrin
