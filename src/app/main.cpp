#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/Start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desktop's own dialogs (print, messages) speak Russian where Qt's translations are
    // installed; without them they keep their built-in English.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    return veltrin::Main(app);
}
