#pragma once
// Qt's own texts (the buttons of the print, file and message dialogs) in the language of the
// desktop where Qt has it, and otherwise in Russian, the language of every other text of the
// program.

#include <QLocale>
#include <QString>

class QTranslator;

namespace veltrin {

// Loads into `translator` Qt's translation for `desktop` from `directory`, or else the Russian
// one; the file name of what it loaded, or an empty text when neither is there.
QString LoadQtTexts(QTranslator& translator, const QLocale& desktop, const QString& directory);

}  // namespace veltrin
