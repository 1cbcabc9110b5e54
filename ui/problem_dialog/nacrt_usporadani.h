// The cross-section of the load drawn to scale: an array of round or square bars with their
// gaps (the slowest piece marked, once a result says which), or a bundle of round bars in its
// round or rectangular outline. It only draws what it is given.
#pragma once

#include <QWidget>

class QPainter;
#include <optional>
#include <utility>

namespace zorvet {

struct Rozestaveni {
    bool kruhove = true;            // round bars, else square ones
    double d = 0.0;                 // m, the diameter or the side of a bar
    int nx = 1, ny = 1;             // bars in a row, rows
    double gx = 0.0, gy = 0.0;      // m, the clear gaps in a row and between rows
    bool svazek = false;            // a bundle instead of an array
    double svazekA = 0.0, svazekB = 0.0;  // m, its diameter (B 0) or its sides
    std::optional<std::pair<int, int>> nejpomalejsi;  // row and column from 1
};

// Draws r to scale, centred in misto: the bars in ocel, the slowest one in zvyraznena, the
// lines in pero. The widget below and the report draw it so.
void KresliRozestaveni(QPainter& p, const QRectF& misto, const Rozestaveni& r, const QColor& pero,
                       const QColor& ocel, const QColor& zvyraznena);

class NacrtUsporadani : public QWidget {
    Q_OBJECT
public:
    explicit NacrtUsporadani(QWidget* parent = nullptr);

    void nastav(const Rozestaveni& r);
    const Rozestaveni& rozestaveni() const { return r_; }
    // The rectangle of the bar in row i, column j (from 1) in widget coordinates; empty for a
    // bundle or a bar out of the array.
    QRectF kus(int i, int j) const;

    QSize sizeHint() const override { return {220, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Rozestaveni r_;
};

}  // namespace zorvet
