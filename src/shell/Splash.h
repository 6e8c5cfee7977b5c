#pragma once
// The splash window: the picture Splash.BMP, Splash.GIF or Splash.JPG beside the program, shown
// while the program starts. Without a picture the window is never shown.

#include <QString>
#include <QWidget>

class QLabel;

namespace veltrin {

// The first of programDir/Splash.BMP, .GIF, .JPG that exists; empty when there is none.
QString FindSplashPicture(const QString& programDir);

class frmSplash : public QWidget {
    Q_OBJECT
  public:
    frmSplash();
    // Shows the picture beside the program in `programDir`, at once, when there is one.
    void Form_Load(const QString& programDir);
    bool HasPicture() const { return hasPicture_; }

    QLabel* Image1 = nullptr;

  private:
    bool hasPicture_ = false;
};

}  // namespace veltrin
