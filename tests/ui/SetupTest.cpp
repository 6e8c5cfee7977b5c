#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CommandsFixture.h"
#include "shell/Splash.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmRange.h"

namespace veltrin::test {
namespace {

using SetupMenu = CommandsTest;

TEST_F(SetupMenu, FontRebuildsTheVisibleViewEvenWhenUnchanged) {
    Open({14, 4, 2001});
    const int before = window->published[kDayTab];
    fontAnswer.reset();  // cancelled
    window->menu.mnuFont->trigger();
    EXPECT_EQ(sys->settings.FontName, "System");
    EXPECT_EQ(window->published[kDayTab], before);

    QFont chosen("DejaVu Serif");
    chosen.setPointSizeF(12.5);  // a half goes to the even neighbour
    fontAnswer = chosen;
    window->menu.mnuFont->trigger();
    EXPECT_EQ(sys->settings.FontName, "DejaVu Serif");
    EXPECT_EQ(sys->settings.FontSize, 12);
    EXPECT_EQ(window->published[kDayTab], before + 1);
    EXPECT_NE(sys->reports.Document(kDayTab).find("\\fs24"), std::string::npos);
    window->menu.mnuFont->trigger();
    EXPECT_EQ(window->published[kDayTab], before + 2);
}

TEST_F(SetupMenu, IndictionAndAllStylesTickAndShowAtOnce) {
    Open({14, 4, 2001});
    EXPECT_FALSE(window->menu.mnuIndiction->isChecked());
    window->menu.mnuIndiction->trigger();
    EXPECT_TRUE(sys->settings.ShowIndiction);
    EXPECT_TRUE(window->menu.mnuIndiction->isChecked());
    EXPECT_TRUE(PaneText().contains("61-й год 15-го индиктиона"));

    window->menu.mnuAllStyles->trigger();
    EXPECT_TRUE(PaneText().contains("1 апреля 7509 года от Сотворения Мира"));
    window->menu.mnuIndiction->trigger();
    EXPECT_FALSE(PaneText().contains("индиктиона"));

    // The fasting line, on by default, goes and comes back, and is remembered.
    EXPECT_TRUE(window->menu.mnuFasting->isChecked());
    Cal().today = [] { return CivilDate{18, 1, 2025}; };  // the eve of Theophany
    window->GoToday();
    EXPECT_TRUE(PaneText().contains("Строгий пост."));
    window->menu.mnuFasting->trigger();
    EXPECT_FALSE(PaneText().contains("Строгий пост."));
    EXPECT_FALSE(window->menu.mnuFasting->isChecked());

    window->menu.mnuExit->trigger();
    SettingsStore again(SettingsFile());
    EXPECT_EQ(again.Get("ShowIndiction", ""), "False");
    EXPECT_EQ(again.Get("ShowFasting", ""), "False");
}

TEST_F(SetupMenu, FirstWeekdayMovesTheGridButNotTheViews) {
    Open({14, 4, 2001});
    EXPECT_TRUE(window->menu.mnuFirstWD[0]->isChecked());
    const QString day = PaneText();
    const int built = window->published[kDayTab];
    window->menu.mnuFirstWD[1]->trigger();
    EXPECT_EQ(sys->settings.FirstWeekday, 1);
    EXPECT_FALSE(window->menu.mnuFirstWD[0]->isChecked());
    EXPECT_EQ(Column(0).front(), "Пн.");
    EXPECT_EQ(window->Combo1[kWeekdaySelector]->itemText(0), "Понедельник");
    EXPECT_EQ(window->published[kDayTab], built);
    EXPECT_EQ(PaneText(), day);
}

class Range : public CommandsTest {
  protected:
    ui::frmRange* Dialog() {
        window->menu.mnuRange->trigger();
        return window->RangeDialog();
    }
    void Confirm(ui::frmRange* d, const QString& low, const QString& high) {
        d->Text1->setText(low);
        d->Text2->setText(high);
        d->cbOk->click();
    }
};

TEST_F(Range, WidestRangeIsAccepted) {
    Open({14, 4, 2001});
    ui::frmRange* d = Dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Диапазон годов");
    EXPECT_EQ(d->Text1->text(), "1900");
    EXPECT_EQ(d->Text2->text(), "2100");
    const int32_t day = Cal().CurDayNum;
    Confirm(d, "325", "2325");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Cal().MinYear[kAnnoMundi], 325 + 5508);
    EXPECT_EQ(window->Combo1[kYearSelector]->count(), 2001);
    EXPECT_EQ(window->Combo1[kYearSelector]->currentText(), "2001");
    EXPECT_EQ(Cal().CurDayNum, day);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->RangeDialog(), nullptr);  // closed and gone
}

TEST_F(Range, RefusedPairsKeepTheDialogAndTheRange) {
    Open({14, 4, 2001});
    ui::frmRange* d = Dialog();
    // The rules of the years are tested on their own; here the dialog's answer to a refusal.
    for (const auto& [low, high] :
         std::vector<std::pair<QString, QString>>{{"324", "2100"}, {"1900", ""}}) {
        messages.clear();
        Confirm(d, low, high);
        ASSERT_EQ(messages.size(), 1u) << low.toStdString() << " " << high.toStdString();
        EXPECT_EQ(messages[0].text, "Недопустимые значения!");
        EXPECT_EQ(messages[0].title, "Диапазон годов");
        EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
        EXPECT_EQ(window->RangeDialog(), d);
        EXPECT_EQ(d->Text1->text(), low);
    }
    EXPECT_EQ(Cal().MinYear[kJulian], 1900);
    EXPECT_EQ(Cal().MaxYear[kJulian], 2100);
    d->cbCancel->click();
}

TEST_F(Range, UnchangedNarrowedAndOutOfRangeDays) {
    Open({14, 4, 2001});
    const int before = window->published[kDayTab];
    Confirm(Dialog(), " 1900 ", "2100");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->published[kDayTab], before);

    // A range that still holds the shown day keeps it.
    window->Combo1_GotFocus(kYearSelector);
    window->Combo1[kYearSelector]->setCurrentIndex(1990 - 1900);
    ASSERT_EQ(Cal().Cur().Year, 1990);
    Confirm(Dialog(), "1950", "2050");
    EXPECT_EQ(Cal().Cur().Year, 1990);
    EXPECT_EQ(window->Combo1[kYearSelector]->itemText(0), "1950");
    EXPECT_EQ(window->Combo1[kYearSelector]->currentText(), "1990");

    // One that leaves it out moves the calendar to today.
    Confirm(Dialog(), "1995.7", "2010");
    EXPECT_EQ(Cal().MinYear[kJulian], 1995);
    EXPECT_EQ(Cal().Cur().Year, 2001);
    EXPECT_EQ(Cal().Cur().Month, 4);
    EXPECT_EQ(Cal().Cur().Day, 1);  // Gregorian 14 April is Julian 1 April
    EXPECT_TRUE(PaneText().contains("1 апреля"));
}

TEST_F(SetupMenu, HelpHomePageAndAbout) {
    Open({14, 4, 2001});
    window->ProgramDir = "/opt/veltrin";
    window->menu.mnuHelp->trigger();
    window->ProgramDir = "/";
    window->menu.mnuHelp->trigger();
    window->menu.mnuHomePage->trigger();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile("/opt/veltrin/Help/Index.html"));
    EXPECT_EQ(opened[1], QUrl::fromLocalFile("/Help/Index.html"));
    EXPECT_EQ(opened[2].scheme(), "https");

    window->menu.mnuAbout->trigger();
    ui::frmAbout* about = window->AboutDialog();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Label2->text(), "Версия 1.0.9");
    about->Label4_Click();
    about->Label5_Click();
    ASSERT_EQ(opened.size(), 5u);
    EXPECT_EQ(opened[3].scheme(), "mailto");
    EXPECT_EQ("E-mail: " + opened[3].path(), about->Label4->text());
    EXPECT_EQ("WWW: " + opened[4].toString(), about->Label5->text());
}

TEST(Splash, PictureOrderAndNoPicture) {
    QTemporaryDir dir;
    EXPECT_TRUE(FindSplashPicture(dir.path()).isEmpty());
    veltrin::frmSplash none;
    none.Form_Load(dir.path());
    EXPECT_FALSE(none.isVisible());

    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(dir.filePath("Splash.JPG"), "JPEG"));
    EXPECT_EQ(FindSplashPicture(dir.path() + "/"), dir.filePath("Splash.JPG"));
    picture = picture.scaled(60, 50);
    ASSERT_TRUE(picture.save(dir.filePath("Splash.BMP"), "BMP"));
    EXPECT_EQ(FindSplashPicture(dir.path()), dir.filePath("Splash.BMP"));

    veltrin::frmSplash shown;
    shown.Form_Load(dir.path());
    EXPECT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.size(), QSize(60, 50));
}

}  // namespace
}  // namespace veltrin::test
