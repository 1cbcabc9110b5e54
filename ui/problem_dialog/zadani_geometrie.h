// The weight and surfaces tabs of the problem dialog: the mass typed or computed from the
// profile, the dimensions and the number of pieces; the heat-exchange surface typed or made
// of the faces that take part, and the total surface. Mass and surfaces follow every change
// of the geometry at once, so that none is ever shown for dimensions it no longer belongs to.
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

#include "model/uloha.h"
#include "ui/problem_dialog/pole.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zorvet {

class NacrtProfilu;
class ZadaniMaterialu;

class ZadaniGeometrie : public QObject {
    Q_OBJECT
public:
    // The two pages are made here; the dialog puts them into its tabs. The density for the
    // mass comes from the material tab's field.
    ZadaniGeometrie(Uloha& uloha, const ZadaniMaterialu& material, QObject* parent = nullptr);

    QWidget* stranaHmotnost() const { return hmotnost_; }
    QWidget* stranaPlochy() const { return plochy_; }

    void NastavPopisy(std::int16_t jazyk);

    // The record into the fields. While a file is being put into the dialog (nacitani) the
    // mass read is kept when the profile is selected.
    void zobraz();

    // Tab 5 shown: the face-count lists for the number of pieces, and the total surface.
    void ObnovPlochy();

    // The text of a geometry field that has the focus is taken, as leaving it does.
    void dokonciUpravy(QWidget* fokus);

    // The density changed: a mass computed from the dimensions follows it.
    void hustotaZmenena();

    // The fields into the dialog's problem (continue-on-error; with prazdnaNula an empty
    // field is 0, as a saved file states it). The first field to correct, when checking for
    // acceptance: a needed value missing or a text that is no number.
    std::optional<ChybaPole> prevezmi(std::int16_t jazyk, bool prazdnaNula = false);

    // For acceptance in mode "V": the mass and the total surface of the dimensions being
    // accepted, and a surface made of face counts that must match them.
    std::optional<ChybaPole> dopocti(std::int16_t jazyk);

    QWidget* pole(Velicina v) const;
    const QLabel* popisek(Velicina v) const;
    QLineEdit* poleHmotnosti() const { return txtm; }
    bool zRozmeru() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void sestavHmotnost();
    void sestavPlochy();
    void optMzaClick();
    void optMvyClick();
    void PovolHmotnost(bool povolit);
    void ZobrazRozmery(bool zobrazit);
    void vyberProfil(const std::string& profil);
    void profilVybran(const char* profil);
    void NastavProfilK();
    void NastavProfilC();
    void NastavProfilO();
    void prepocitejHmotnost();
    void ZobrazHmotnost();
    bool PrevezmiRozmery();
    void PrevezmiPoctyPloch();
    void prepocitejPlochu();
    void SmazPoctyPloch();
    // After a change of the dimensions or pieces: the counts that still fit stay, and the
    // surface is made of them again; without counts it is cleared.
    void rozmeryZmeneny();
    void geometrieOpustena(QWidget* pole);
    std::optional<std::int16_t> pocet(const QComboBox* c) const;

    Uloha& uloha_;
    const ZadaniMaterialu& material_;
    std::int16_t jazyk_ = 0;
    bool zmeneno_ = false;    // a geometry field was changed since it got the focus
    bool plneni_ = false;     // the record (as read from a file, or as the dialog opened) is being put into the fields

    QWidget* hmotnost_ = nullptr;
    QWidget* plochy_ = nullptr;

    QRadioButton* optMza = nullptr;
    QRadioButton* optMvy = nullptr;
    QLabel* lblm = nullptr;
    QLineEdit* txtm = nullptr;
    QGroupBox* frmProfil = nullptr;
    QRadioButton* optProfilK = nullptr;
    QRadioButton* optProfilC = nullptr;
    QRadioButton* optProfilO = nullptr;
    QButtonGroup* skupinaProfil_ = nullptr;
    QLabel* lblPocetProfilu = nullptr;
    QLineEdit* txtPocetProfilu = nullptr;
    QGroupBox* frmRozmery = nullptr;
    QLabel* lblA2 = nullptr;
    QLineEdit* txtA2 = nullptr;
    QLabel* lblB2 = nullptr;
    QLineEdit* txtB2 = nullptr;
    QLabel* lblL2 = nullptr;
    QLineEdit* txtL2 = nullptr;
    NacrtProfilu* nacrt_ = nullptr;

    QLabel* lblA = nullptr;
    QLineEdit* txtA = nullptr;
    QLabel* lblCelkoveA = nullptr;
    QLabel* lblCelkoveAH = nullptr;
    QLabel* lblAB = nullptr;
    QComboBox* cboAB = nullptr;
    QLabel* lblAL = nullptr;
    QComboBox* cboAL = nullptr;
    QLabel* lblBL = nullptr;
    QComboBox* cboBL = nullptr;
};

}  // namespace zorvet
