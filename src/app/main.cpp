#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/QtTexts.h"
#include "app/Start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator qtTexts;
    if (!veltrin::LoadQtTexts(qtTexts, QLocale::system(),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))
             .isEmpty())
        app.installTranslator(&qtTexts);
    return veltrin::Main(app);
}
