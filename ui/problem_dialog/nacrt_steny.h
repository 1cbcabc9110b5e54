// The section of a lining drawn to scale: its layers side by side from the hot face (left) out,
// each a band of its own colour with the refractory's name and thickness written in it (turned
// upright where the band is narrow). It only draws what it is given.
#pragma once

#include <QWidget>

#include "model/furnace/pec.h"

namespace zorvet {

class NacrtSteny : public QWidget {
    Q_OBJECT
public:
    explicit NacrtSteny(QWidget* parent = nullptr);

    void nastav(const Vyzdivka& vrstvy);
    // The band of layer i (from 0) in widget coordinates; empty for a lining without thickness.
    QRectF pas(int i) const;

    QSize sizeHint() const override { return {260, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Vyzdivka vrstvy_;
};

}  // namespace zorvet
