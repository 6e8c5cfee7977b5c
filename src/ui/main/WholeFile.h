#pragma once
// A file written whole beside its target and put in its place only when every byte reached the
// disk, so a failure leaves no partial file and an existing file as it was.

#include <QByteArray>
#include <QString>

namespace veltrin::ui {

// Why the file could not be written, or an empty text when it was.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace veltrin::ui
