// The sketch of one piece of the charge on the Weight tab: the side view (`ShpNarys`)
// and the cross-section (`ShpPudorys`) with the dimension letters beside them.
#pragma once

#include <QWidget>

class QLabel;

namespace zorvet {

// One outline of the sketch with its dimension lines.
class TvarProfilu : public QWidget {
    Q_OBJECT
public:
    enum class Druh { Narys, Kruh, Ctverec, Obdelnik };

    explicit TvarProfilu(Druh druh, QWidget* parent = nullptr);

    void nastavDruh(Druh druh);
    Druh druh() const { return druh_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Druh druh_;
};

// The side view and the cross-section laid out with the letters `lblA1` (A or D, the
// height of both views), `lblB1` (B, under the cross-section) and `lblL1` (L, under the
// side view). Every part is shown and hidden on its own by the dialog.
class NacrtProfilu : public QWidget {
    Q_OBJECT
public:
    explicit NacrtProfilu(QWidget* parent = nullptr);

    TvarProfilu* ShpNarys;
    TvarProfilu* ShpPudorys;
    QLabel* lblA1;
    QLabel* lblB1;
    QLabel* lblL1;
};

}  // namespace zorvet
