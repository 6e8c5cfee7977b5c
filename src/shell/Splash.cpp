#include "shell/Splash.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace veltrin {

QString FindSplashPicture(const QString& programDir) {
    QString base = programDir;
    if (!base.endsWith('/')) base += '/';
    base += "Splash";
    for (const char* extension : {".BMP", ".GIF", ".JPG"}) {
        const QString path = base + extension;
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    Image1 = new QLabel(this);
}

void frmSplash::Form_Load(const QString& programDir) {
    const QString path = FindSplashPicture(programDir);
    if (path.isEmpty()) return;
    const QPixmap picture(path);
    if (picture.isNull()) return;
    hasPicture_ = true;
    setWindowTitle(QString());
    Image1->setPixmap(picture);
    Image1->resize(picture.size());
    setFixedSize(picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 3);
    }
    show();
    repaint();
}

}  // namespace veltrin
