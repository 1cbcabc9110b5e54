// The problem dialog: six tabs for the furnace regime, temperatures, material, mass,
// surfaces and the iteration step.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointF>

#include "files/dialogy.h"
#include "model/stav.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace zorvet {

class Graf;
class NacrtProfilu;

class FrmZadani : public QDialog {
    Q_OBJECT
public:
    FrmZadani(Stav& stav, Dialogy& dialogy, QWidget* parent = nullptr);

    // The dialog's base caption: "Setting " / "Zadání ". A loaded or saved file name is
    // appended to it while the dialog is open.
    QString titulekZadani() const { return titulekZadani_; }

signals:
    // The dialog took a new problem (its OK, or its Cancel in the cases where that takes
    // one): the main window enables Computing, disables Save and Results and puts its
    // caption back to Titulek.
    void ulohaPrevzata();

public slots:
    // Esc and the window's close control act as the Cancel button.
    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;
    void showEvent(QShowEvent* udalost) override;

private:
    // Building (frm_zadani_rozlozeni.cpp).
    void sestavOkno();
    QWidget* sestavZalozkuOhrev();
    QWidget* sestavZalozkuTeploty();
    QWidget* sestavZalozkuMaterial();
    QWidget* sestavZalozkuHmotnost();
    QWidget* sestavZalozkuPlochy();
    QWidget* sestavZalozkuKrok();
    void propojUdalosti();

    // Load sequence and captions.
    void nacteni();
    void NastavPopisy();
    void NastavGrafKrivky();

    void vybranaZalozka(int index);

    // Mass, profile and the geometry fields.
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
    void ObnovPlochy();
    void SmazPoctyPloch();
    void ZobrazZadani();
    void geometrieOpustena(QWidget* pole);

    // Furnace regime and curve.
    void ZobrazKrivku(bool zobrazit);
    void nerizenyVybran();
    void rizenyVybran();
    void pocetKrivekVybran();
    void usekVybran();
    void zobrazUsek();
    void krivkaOpustena(QLineEdit* pole);
    void KresliKrivku();
    int vybranyUsek() const;
    void zobrazPocetKrivek(int pocet);

    // Acceptance, files and materials.
    void PrevezmiZadani();
    void prevezmiUlohu();
    void obnovCelkovouPlochu();
    void cmdOKClick();
    void cmdStornoClick();
    void cmdNactiCfgClick();
    void cmdUlozCfgClick();
    void cboMaterialClick(int index);
    void cmdUlozMaterialClick();
    void dokonciUpravy();
    void nastavTitulekSouboru(const QString& cesta);

    Stav& stav_;
    Dialogy& dialogy_;
    QString titulekZadani_;
    bool zmeneno_ = false;    // a geometry field was changed since it got the focus
    bool plneniZadani_ = false;  // ZobrazZadani is putting the record into the fields
    bool zavira_ = false;

    QTabWidget* TabStrip1 = nullptr;
    QWidget* frm1[6] = {};

    // Tab 1: regime and curve.
    QRadioButton* optNerizenyO = nullptr;
    QRadioButton* optRizeny = nullptr;
    QButtonGroup* skupinaRezim_ = nullptr;
    QLabel* lblPocetKrivek = nullptr;
    QComboBox* cboPocetKrivek = nullptr;
    QLabel* lblUsekC = nullptr;
    QComboBox* cboUsekC = nullptr;
    QLabel* lblPocTep = nullptr;
    QLineEdit* txtPocTep = nullptr;
    QLabel* lblKonTep = nullptr;
    QLineEdit* txtKonTep = nullptr;
    QLabel* lblDobaVydrze = nullptr;
    QLineEdit* txtDobaVydrze = nullptr;
    Graf* FlpGrf1 = nullptr;
    QString tagPocTep_;
    QString tagKonTep_;

    // Tab 2: temperatures.
    QLabel* lblTpece = nullptr;
    QLineEdit* txtTpece = nullptr;
    QLabel* lblTv = nullptr;
    QLineEdit* txtTv = nullptr;
    QLabel* lblTk = nullptr;
    QLineEdit* txtTk = nullptr;

    // Tab 3: material.
    QLabel* lblDruh = nullptr;
    QComboBox* cboMaterial = nullptr;
    QPushButton* cmdUlozMaterial = nullptr;
    QLabel* lblGama = nullptr;
    QLineEdit* txtGama = nullptr;
    QLabel* lblc = nullptr;
    QLineEdit* txtc = nullptr;
    QLabel* lblEps = nullptr;
    QLineEdit* txtEps = nullptr;
    QLabel* lblKoefK = nullptr;
    QLineEdit* txtKoefK = nullptr;
    QTimer* tmrHelp = nullptr;

    // Tab 4: weight.
    QRadioButton* optMza = nullptr;
    QRadioButton* optMvy = nullptr;
    QButtonGroup* skupinaHmotnost_ = nullptr;
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

    // Tab 5: surfaces.
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

    // Tab 6: iteration step.
    QLabel* lblCasKrok = nullptr;
    QLineEdit* txtCasKrok = nullptr;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdStorno = nullptr;
    QPushButton* cmdNactiCfg = nullptr;
    QPushButton* cmdUlozCfg = nullptr;
};

}  // namespace zorvet
