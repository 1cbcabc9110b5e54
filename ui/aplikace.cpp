#include "ui/aplikace.h"

#include <QApplication>
#include <QMainWindow>

namespace zorvet {

int SpustOkna(int& argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow okno;
    okno.setObjectName(QStringLiteral("frmZorvet"));
    okno.show();
    return app.exec();
}

}  // namespace zorvet
