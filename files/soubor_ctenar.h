// The reader of problem and results files, line by line (files/soubor_cteni.cpp: the documented
// problem, its curve and the results rows; files/soubor_cteni_rozsireni.cpp: the extended
// setting). Used by those two files only.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "files/cteni.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/soubor_radky.h"
#include "model/case/konstanty.h"
#include "model/case/pole.h"
#include "model/case/vysledek.h"

namespace zorvet::soubor {

// Why a file is refused: a line that no writer writes.
struct ChybaRadku {
    QString text;
};

// A temperature a file can hold: a single, not below absolute zero.
inline bool jeTeplota(double t) { return JeSingle(t) && t >= -kKelvin; }

class Ctenar {
public:
    Ctenar(ObsahSouboru& obsah, const QString& text, Jazyk jazyk)
        : o_(obsah), u_(obsah.uloha), radky_(RadkyTextu(text)), j_(jazyk) {}

    enum class Konec { Ok, NeniUloha, NeuplnaUloha, BezVysledku };

    // Throws ChybaRadku for a line that holds what no writer writes. rozsireni tells whether
    // the file has the extended setting.
    Konec cti(bool sVysledky, Vysledek* v, bool& rozsireni);

private:
    std::optional<QString> radek() {
        if (dalsi_ >= radky_.size()) {
            return std::nullopt;
        }
        return radky_[dalsi_++];
    }
    // The 1-based number of the line read last.
    qsizetype cislo() const { return dalsi_; }

    [[noreturn]] void odmitni(int zprava, const QString& text, const QString& treti = QString(),
                              const QString& ctvrty = QString()) const {
        odmitniNa(cislo(), zprava, text, treti, ctvrty);
    }
    [[noreturn]] void odmitniNa(qsizetype radek, int zprava, const QString& text, const QString& treti = QString(),
                                const QString& ctvrty = QString()) const {
        QString t = Text(zprava, j_).arg(radek).arg(text.trimmed());
        if (!treti.isEmpty()) {
            t = t.arg(treti);
        }
        if (!ctvrty.isEmpty()) {
            t = t.arg(ctvrty);
        }
        throw ChybaRadku{t};
    }

    // Leaves the reader after line 1 and collects the comment lines before it. Without a line
    // laid out as line 1, the first line that contains either label is taken.
    std::optional<QString> najdiRadek1();

    QString prvniRadek(qsizetype i);

    // The number of a value line: empty is no value (0); anything but a number is refused.
    std::optional<double> cisloRadku(const QString& radek);
    // A number of a result's line: as cisloRadku, and refused beyond a single.
    double cisloVysledku(const QString& radek);

    // A value line into its field, from the unit the file shows it in.
    void ctiHodnotu(const PopisPole& p, const QString& radek);

    bool ctiUlohu(const QString& radek1);

    // The numbers of a table row, each with either separator; the row is refused unless it
    // holds exactly `pocet` of them.
    std::vector<double> cislaRadku(const QString& r, qsizetype pocet, int zprava);

    // The curve section follows the problem section of a controlled problem. A line 1 with 0
    // and no curve section after it (the text ends, or the results section comes first) is an
    // uncontrolled problem saved before its furnace temperature was typed: it reads as one.
    // After the rule, one row per point up to an empty line or the end: the temperature and the
    // duration of the segment that starts there. A duration of 0 ends the curve; so does the
    // last row, whatever duration it kept from a longer curve (it is never used).
    bool ctiKrivku();

    // What may stand between the problem (with its sections) and the rows of the results: empty
    // lines, the heating period, the column header (the documented one, or one that names
    // "Alfa"). Anything else is no line of a problem or results file. Returns at the rule, with
    // whether a line named "Alfa", or false at the end of the text.
    bool kPravitku(bool& alfa);

    // A problem file ends with the problem and its sections, or goes on as a results file does.
    void zaUlohou();

    // Rows of time and charge temperature (and the heat-transfer coefficient when a line
    // before the rule names "Alfa"). Blank lines are skipped. Row i holds the time i × CasKrok,
    // at the digits a file holds, and a temperature.
    bool ctiVysledky(Vysledek& v);

    // The next line, which must be the heading a writer of either language writes there.
    void ctiHlavicku(QString (*hlavicka)(Jazyk));

    // The section beyond the documented problem, when the first line after the problem (and
    // its curve) is its heading; it ends where the results section starts or with the text.
    // Every line of it is one of its labels, each at most once; blank lines are skipped. Its
    // fields that have no line of their own take their defaults.
    bool ctiRozsireni();

    VysledekUsporadani& usporadani() {
        if (!usporadani_) {
            usporadani_.emplace();
        }
        return *usporadani_;
    }

    zorvet::Jadro& jadro() {
        if (!jadro_) {
            jadro_ = std::make_unique<zorvet::Jadro>();
            jadro_->krok = -1;
        }
        return *jadro_;
    }

    void ctiModel(const QString& radek);

    // The name, the heading, then a row of temperature, c and λ a point up to a blank line or
    // the end; a curve ZkontrolujKrivku refuses is refused with its line and column.
    void ctiKrivkuVlastnosti(const QString& radekNazvu);

    // The heading, then a row of time and furnace temperature a step up to a blank line or the
    // end; they are put in the result's rows once these are read.
    void ctiOmezene();

    // The heading, then a row of time, surface, core and furnace temperature a step from step 0,
    // up to a blank line or the end.
    void ctiJadro();

    // The core time is that of one of its rows (a time beyond them is refused); without it the
    // core did not get there.
    void dokonciJadro();

    // Each limited step's furnace temperature into the row of its time, in the order of the rows.
    void vlozOmezene(Vysledek& v) const;

    // The furnace as a thermal system (files/soubor_pec.cpp): a line of it, read with its table
    // when it is one; the description put together once the section is read (a line of the furnace
    // without its chamber and wall lining, or one of its plain numbers without any furnace, is
    // refused); and a result's cycle put into the result (false when the file lacks it).
    bool ctiRadekPece(const QString& r);
    void dokonciPec();
    bool vlozPec(Vysledek& v) const;
    std::size_t pocetRadku(const QString& r);
    void ctiVrstvy(const QString& r, std::size_t cast);
    void ctiRefraktory(const QString& r);
    void ctiPrubehPece();

    struct CteniPece {
        struct Vrstva {
            qsizetype radek;
            QString nazev;
            float tloustka;
        };
        zorvet::Pec pec;
        std::vector<int> precteno;  // its lines read
        qsizetype prvni = 0;        // its first line
        QString prvniText;
        std::array<std::vector<Vrstva>, 3> vrstvy;
        std::vector<Refraktor> refraktory;
        std::optional<double> casCyklu, spicka;
        int cyklu = 0;
        std::vector<double> bilance;  // kWh: the heat-up's six items, then the cycle's
        std::vector<float> teplota, prikon;
    };

    struct Omezeny {
        qsizetype radek;
        QString text;  // the time as written
        float cas;
        float teplota;
    };

    ObsahSouboru& o_;
    Uloha& u_;
    QStringList radky_;
    qsizetype dalsi_ = 0;  // the index of the line read next
    Jazyk j_;
    float omezenoDo_ = 0.0f;
    std::vector<Omezeny> omezene_;
    std::unique_ptr<zorvet::Jadro> jadro_;
    std::optional<double> casJadra_;
    qsizetype radekCasuJadra_ = 0;
    std::optional<VysledekUsporadani> usporadani_;
    CteniPece pec_;
    qsizetype prvniRadekPece_ = 0;  // a plain number of the furnace, its line
    QString prvniTextPece_;
};

}  // namespace zorvet::soubor
