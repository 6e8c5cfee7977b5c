#include "app/QtTexts.h"

#include <QTranslator>

namespace veltrin {

QString LoadQtTexts(QTranslator& translator, const QLocale& desktop, const QString& directory) {
    for (const QLocale& locale : {desktop, QLocale(QLocale::Russian)})
        if (translator.load(locale, "qtbase", "_", directory)) return translator.filePath();
    return {};
}

}  // namespace veltrin
