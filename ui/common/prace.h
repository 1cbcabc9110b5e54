// Long work of a window (a goal seek, a sweep) off the window's thread, so that the window
// shows its progress and takes Cancel. The work runs on a thread of its own; it tells its
// progress and asks whether to go on through the function it is given, and the owner learns
// of both on its own thread.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>

class QThread;

namespace zorvet {

class Prace : public QObject {
    Q_OBJECT
public:
    // dal(hotovo, celkem): hotovo steps of celkem are done (celkem 0: of a number not known);
    // false once the work should stop.
    using Dal = std::function<bool(int hotovo, int celkem)>;
    using Ukol = std::function<void(const Dal& dal)>;

    explicit Prace(QObject* parent = nullptr);
    // Stops the work and waits for it: nothing runs on after its owner.
    ~Prace() override;

    // Starts the work; nothing while work runs.
    void spust(Ukol ukol);
    // Asks the work to stop at its next question.
    void zrus() { zruseno_ = true; }
    bool bezi() const { return vlakno_ != nullptr; }
    bool zruseno() const { return zruseno_; }

signals:
    void postup(int hotovo, int celkem);
    // The work returned (stopped or not).
    void dokonceno();

private:
    QThread* vlakno_ = nullptr;
    std::atomic<bool> zruseno_{false};
};

}  // namespace zorvet
