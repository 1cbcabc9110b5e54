#include "ui/aplikace.h"

#include <QApplication>
#include <memory>

#include "model/stav.h"
#include "ui/dialogy_okna.h"
#include "ui/frm_zorvet.h"

namespace zorvet {

int SpustOkna(int& argc, char** argv) {
    QApplication app(argc, argv);
    // The one state of the session, for the whole run; the windows only borrow it.
    auto stav = std::make_unique<Stav>();
    DialogyQt dialogy(*stav);
    FrmZorvet okno(*stav, dialogy);
    // The splash closes before the main window appears.
    okno.Nacti(true);
    okno.show();
    return app.exec();
}

}  // namespace zorvet
