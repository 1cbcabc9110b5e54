// The problem being edited, as the problem dialog shows it: the record and the text of every
// field, typed or shown. The dialog's tabs show this model and tell it what the user did
// through its typed setters; they never read each other's widgets. The mass and the surfaces
// that follow from the dimensions, and the heat capacity that follows from a property curve,
// are recomputed here, in one place. An empty convection field is the usual coefficient,
// 15 W/m²/K, and shows it once left. It outlives the dialog:
// what the user typed, valid or not, is there again the next time the dialog opens.
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <optional>
#include <utility>

#include "model/properties/material.h"
#include "model/case/pole.h"
#include "model/case/prijeti.h"
#include "model/case/uloha.h"
#include "ui/common/ukladani.h"

namespace zorvet {

class Formular : public QObject {
    Q_OBJECT
public:
    explicit Formular(QObject* parent = nullptr);

    // A record into the form: every field shows its value (a reduction factor of 0 shows 1, no
    // conductivity an empty field); nothing typed before stays.
    void nastav(const Uloha& uloha);

    // The record: the values of the fields whose text is a number (a field that holds no number
    // keeps the value it had).
    const Uloha& uloha() const { return uloha_; }

    // The text of a field as it is shown; bod is the curve point (TeplotaKrivky: its
    // temperature; DobaVydrze: the duration of the segment that starts there).
    QString text(Velicina v, int bod = 0) const;

    // The user typed into a field.
    void pis(Velicina v, int bod, const QString& text);
    // The user left a field: a changed dimension, number of pieces, face count or density
    // brings the mass and the surfaces along.
    void opusteno(Velicina v, int bod = 0);
    // The user picked a count of faces from its list: the surface follows at once.
    void vyberPocet(Velicina v, const QString& text);

    // The regime, and the furnace curve's number of segments (1 to 20; 0 before one is chosen)
    // and the segment shown.
    void nastavRizeny(bool rizeny);
    void nastavPocetUseku(int pocet);
    void vyberUsek(int usek);
    int pocetUseku() const { return pocetUseku_; }
    int usek() const { return usek_; }

    // How the mass is given, and the profile of the pieces.
    void nastavZadaniHmotnosti(ZadaniHmotnosti zadani);
    void nastavProfil(Profil profil);

    // A material of the database: its heat capacity and density, and the conductivity given
    // (0: none; nothing: the conductivity stays as it is).
    void vyberMaterial(const Material& material, std::optional<float> lambda);

    // Where the conductivity comes from: none (an empty field, no core unless the property
    // curve gives λ(T)), typed, or the database by a material picked.
    enum class PuvodLambdy { Zadna, ZKrivky, Zadana, Databaze };
    PuvodLambdy puvodLambdy() const;

    // The property model: none (a constant specific heat), a built-in steel, which brings its
    // density, or a user's table. While a curve is chosen the heat capacity shows its mean
    // between the start and the final temperature (empty while the curve is unsound), and
    // the value typed waits: it is shown again when the curve goes.
    void nastavVlastnosti(std::optional<VlastnostiMaterialu> vlastnosti);

    // The furnace as a thermal system, or none. Its description is the tab's widgets' own (no
    // text of it waits here); its plain numbers are fields as any other.
    void nastavPec(std::optional<Pec> pec);

    // What the form holds for acceptance: the first field whose text is no number, a needed
    // one left empty or a count with a fraction, in the order of the tabs; then the mass and
    // the total surface of the dimensions, and the acceptance rule of the model.
    std::optional<Zavada> zkontroluj(Pravidlo pravidlo);

    // The fault of one field's text as acceptance finds it: no number, a count with a
    // fraction, a needed value left empty.
    std::optional<Zavada> chybaPole(Velicina v, int bod = 0) const { return chybaTextu(v, bod, false); }

    // The problem as a file states what the fields show (an empty field is 0), or the first
    // field whose text is no number, or a curve a file could not hold.
    std::optional<Zavada> proUlozeni(Uloha* uloha);

    // What the form holds, to tell whether it changed: the problem as a saved file states it
    // (an empty field is 0) and every text that is no number.
    QString otisk() const;

    // The form holds a problem that no file it came from or went to holds, and that is more
    // than the empty form of a new problem: work that closing or loading would lose.
    bool neulozena() const;

    // The file the problem came from or went to.
    PuvodUlohy puvod;

signals:
    // A text or a choice changed from within the form: the tabs show it again.
    void zmeneno();

private:
    using Klic = std::pair<Velicina, int>;
    struct StavTextu {
        QString text;
        bool zHodnoty = false;  // shown from the record: the record's value is exact
    };
    enum class Obsah { Cislo, Prazdne, NeniCislo, NeniCele };
    struct Cteni {
        Obsah obsah = Obsah::Prazdne;
        double hodnota = 0.0;
    };

    Cteni cti(Velicina v, int bod) const;
    void zapisDoZaznamu(Velicina v, int bod, double x);
    float* cisloZaznamu(Velicina v, int bod);
    void ukaz(Velicina v, int bod, const QString& text);
    void ukazHodnotu(Velicina v, int bod = 0);
    void dokonci();
    void prepocitejHmotnost();
    void prepocitejPlochu();
    void rozmeryZmeneny();
    void kusyZmeneny();
    bool rozmeryCtou();
    std::optional<Zavada> chybaTextu(Velicina v, int bod, bool prazdnaNula) const;
    std::optional<Zavada> chybaTextu(bool prazdnaNula) const;
    std::optional<Zavada> vadnaKrivka() const;
    void cZKrivky();
    Uloha sNulami() const;

    Uloha uloha_;
    std::map<Klic, StavTextu> texty_;
    int pocetUseku_ = 0;
    int usek_ = 0;
    std::optional<Klic> zmeneno_;  // typed into since it was entered, not yet left
    int kusyPloch_ = 1;            // the pieces the face counts were given for
    bool lambdaZDatabaze_ = false;  // the conductivity shown is the database's
    StavTextu cZadane_;             // the heat capacity typed, while a curve gives it
    float cZadaneHodnota_ = 0.0f;
};

}  // namespace zorvet
