#include "ui/main_window/aplikace.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include "model/case/nastaveni.h"
#include "ui/common/dialogy_okna.h"
#include "ui/main_window/frm_zorvet.h"

namespace zorvet {

int SpustOkna(int& argc, char** argv) {
    QApplication app(argc, argv);
    // A file to open (a double-click in a file manager), named before the working directory
    // moves to the data folder.
    const QStringList argumenty = QApplication::arguments();
    const QString soubor = argumenty.size() > 1 ? QFileInfo(argumenty.at(1)).absoluteFilePath() : QString();
    // The desktop entry's name: Wayland desktops match the window to its menu entry and icon
    // by it. The icon comes from the installed icon theme; a build tree has none, and the
    // window manager's default stands in.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zorvet.Zorvet"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.zorvet.Zorvet")));
    // The settings of the session; the window owns the problem and the result.
    Nastaveni nastaveni;
    DialogyQt dialogy(nastaveni);
    FrmZorvet okno(nastaveni, dialogy);
    // The working directory becomes the data folder first (files/datova_slozka.h); the
    // splash closes before the main window appears.
    okno.Nacti(true);
    okno.show();
    if (!soubor.isEmpty()) {
        QMetaObject::invokeMethod(&okno, [&okno, soubor] { okno.OtevriSoubor(soubor); }, Qt::QueuedConnection);
    }
    return app.exec();
}

}  // namespace zorvet
