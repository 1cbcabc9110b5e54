// The form's material: a material of the database picked, the property model and the heat
// capacity and conductivity that follow from it.
#include <utility>

#include "files/cisla.h"
#include "model/pipeline/vypocet.h"
#include "ui/problem_dialog/formular.h"
#include "ui/problem_dialog/krivka_vlastnosti.h"

namespace zorvet {

void Formular::vyberMaterial(const Material& material, std::optional<float> lambda) {
    uloha_.NazevMaterialu = material.Nazev;
    uloha_.c = material.c;
    uloha_.Gama = material.Gama;
    if (lambda) {
        uloha_.Lambda = *lambda;
        lambdaZDatabaze_ = *lambda > 0.0f;
    }
    for (Velicina v : {Velicina::NazevMaterialu, Velicina::c, Velicina::Gama, Velicina::Lambda}) {
        ukazHodnotu(v);
    }
    if (uloha_.Vlastnosti) {
        cZadane_ = texty_[{Velicina::c, 0}];
        cZadaneHodnota_ = uloha_.c;
        cZKrivky();
    }
    prepocitejHmotnost();
    emit zmeneno();
}

Formular::PuvodLambdy Formular::puvodLambdy() const {
    if (!text(Velicina::Lambda).trimmed().isEmpty()) {
        return lambdaZDatabaze_ ? PuvodLambdy::Databaze : PuvodLambdy::Zadana;
    }
    return uloha_.Vlastnosti && MaLambdu(*uloha_.Vlastnosti) ? PuvodLambdy::ZKrivky : PuvodLambdy::Zadna;
}

void Formular::nastavVlastnosti(std::optional<VlastnostiMaterialu> vlastnosti) {
    const std::optional<VlastnostiMaterialu> byla = std::exchange(uloha_.Vlastnosti, std::move(vlastnosti));
    if (!byla && uloha_.Vlastnosti) {
        cZadane_ = texty_[{Velicina::c, 0}];
        cZadaneHodnota_ = uloha_.c;
    } else if (byla && !uloha_.Vlastnosti) {
        texty_[{Velicina::c, 0}] = cZadane_;
        uloha_.c = cZadaneHodnota_;
    }
    if (uloha_.Vlastnosti && JeVestavena(*uloha_.Vlastnosti) && byla != uloha_.Vlastnosti) {
        uloha_.Gama = HustotaVestavene(*uloha_.Vlastnosti);
        ukazHodnotu(Velicina::Gama);
        prepocitejHmotnost();
    }
    cZKrivky();
    emit zmeneno();
}

void Formular::cZKrivky() {
    if (!uloha_.Vlastnosti) {
        return;
    }
    if (ZkontrolujKrivku(*uloha_.Vlastnosti).vada != VadaKrivky::Zadna) {
        ukaz(Velicina::c, 0, QString());
        return;
    }
    // The model's own rule; the heat capacity typed stays in the record.
    ukaz(Velicina::c, 0, TextObecny(UcinnaC(uloha_)));
}

std::optional<Zavada> Formular::vadnaKrivka() const {
    if (uloha_.Vlastnosti && ZkontrolujKrivku(*uloha_.Vlastnosti).vada != VadaKrivky::Zadna) {
        return Zavada{Velicina::c, Vada::VadnaKrivka, 0, {}};
    }
    return std::nullopt;
}

}  // namespace zorvet
