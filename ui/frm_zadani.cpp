#include "ui/frm_zadani.h"

namespace zorvet {

FrmZadani::FrmZadani(Stav& stav, Dialogy& dialogy, QWidget* parent)
    : QDialog(parent), stav_(stav), dialogy_(dialogy) {
    setObjectName(QStringLiteral("frmZadani"));
}

}  // namespace zorvet
