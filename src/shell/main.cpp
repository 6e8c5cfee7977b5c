#include <QApplication>

#include "shell/Start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return veltrin::Main(app);
}
