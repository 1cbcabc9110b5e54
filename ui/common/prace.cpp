#include "ui/common/prace.h"

#include <QThread>

namespace zorvet {

Prace::Prace(QObject* parent) : QObject(parent) {}

Prace::~Prace() {
    if (vlakno_ != nullptr) {
        zruseno_ = true;
        vlakno_->wait();
        delete vlakno_;
    }
}

void Prace::spust(Ukol ukol) {
    if (vlakno_ != nullptr) {
        return;
    }
    zruseno_ = false;
    // The progress crosses to the owner's thread queued; the question is answered at once.
    vlakno_ = QThread::create([this, ukol = std::move(ukol)] {
        ukol([this](int hotovo, int celkem) {
            emit postup(hotovo, celkem);
            return !zruseno_.load();
        });
    });
    connect(vlakno_, &QThread::finished, this, [this] {
        QThread* konec = vlakno_;
        vlakno_ = nullptr;
        konec->deleteLater();
        emit dokonceno();
    });
    vlakno_->start();
}

}  // namespace zorvet
