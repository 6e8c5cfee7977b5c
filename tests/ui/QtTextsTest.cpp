#include <gtest/gtest.h>

#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>

#include "app/QtTexts.h"

namespace veltrin {
namespace {

// Qt's dialogs follow the desktop's language where Qt has it, and speak Russian otherwise.
TEST(QtTexts, DesktopLanguageOrRussian) {
    const QString installed = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(installed + "/qtbase_ru.qm")) GTEST_SKIP() << "qt6-translations-l10n";
    QTranslator t;
    EXPECT_TRUE(LoadQtTexts(t, QLocale("uk_UA"), installed).endsWith("qtbase_uk.qm"));
    EXPECT_TRUE(LoadQtTexts(t, QLocale("en_US"), installed).endsWith("qtbase_en.qm"));
    EXPECT_TRUE(LoadQtTexts(t, QLocale("kk_KZ"), installed).endsWith("qtbase_ru.qm"));
    EXPECT_TRUE(LoadQtTexts(t, QLocale::c(), installed).endsWith("qtbase_ru.qm"));
    EXPECT_EQ(t.translate("QPrintDialog", "Print"), "Печать");
    const QTemporaryDir nothing;
    EXPECT_TRUE(LoadQtTexts(t, QLocale("uk_UA"), nothing.path()).isEmpty());
}

}  // namespace
}  // namespace veltrin
