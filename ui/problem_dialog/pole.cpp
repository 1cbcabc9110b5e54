#include "ui/problem_dialog/pole.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <cmath>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"

namespace zorvet {

namespace {
const char* const kPresne = "zorvetPresne";
const char* const kUkazano = "zorvetUkazano";
}  // namespace

void UkazCislo(QLineEdit* pole, float x) { UkazCislo(pole, x, TextObecny(x)); }

void UkazCislo(QLineEdit* pole, float x, const QString& text) {
    pole->setText(text);
    pole->setProperty(kPresne, x);
    pole->setProperty(kUkazano, text);
}

CteniPole CtiText(const QString& text) {
    if (text.trimmed().isEmpty()) {
        return {Obsah::Prazdne, 0.0f};
    }
    const std::optional<double> x = CtiCisloPole(text);
    if (!x) {
        return {Obsah::NeniCislo, 0.0f};
    }
    const auto f = static_cast<float>(*x);
    if (!std::isfinite(f)) {
        return {Obsah::Nekonecne, 0.0f};
    }
    return {Obsah::Cislo, f};
}

CteniPole CtiPole(const QLineEdit* pole) {
    const QVariant ukazano = pole->property(kUkazano);
    if (ukazano.isValid() && ukazano.toString() == pole->text()) {
        return {Obsah::Cislo, pole->property(kPresne).toFloat()};
    }
    return CtiText(pole->text());
}

std::optional<ChybaPole> ChybaTextu(QWidget* pole, const QLabel* popisek, const QString& text, Obsah obsah,
                                    std::int16_t j) {
    const QString nazev = popisek != nullptr ? BezAkceleratoru(popisek->text()).trimmed() : QString();
    switch (obsah) {
        case Obsah::Cislo:
            return std::nullopt;
        case Obsah::Prazdne:
            return ChybaPole{pole, Text(id::ChybiHodnota, j).arg(nazev)};
        case Obsah::NeniCislo:
            return ChybaPole{pole, Text(id::NeniCislo, j).arg(nazev, text.trimmed())};
        case Obsah::Nekonecne:
            return ChybaPole{pole, Text(id::NekonecnaHodnota, j).arg(nazev)};
    }
    return std::nullopt;
}

QLineEdit* CisloPole(QWidget* rodic, const char* jmeno) {
    auto* pole = Pojmenuj(new QLineEdit(rodic), jmeno);
    pole->setMinimumWidth(pole->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    pole->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return pole;
}

QLabel* Popisek(QWidget* rodic, const char* jmeno, QWidget* pole) {
    auto* l = Pojmenuj(new QLabel(rodic), jmeno);
    if (pole != nullptr) {
        l->setBuddy(pole);
    }
    return l;
}

QFormLayout* Formular(QWidget* rodic) {
    auto* f = new QFormLayout(rodic);
    f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    f->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
    f->setHorizontalSpacing(rodic->fontMetrics().height());
    return f;
}

}  // namespace zorvet
