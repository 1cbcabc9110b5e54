#include "model/case/pole.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "model/case/konstanty.h"

namespace zorvet {

namespace {

// No charge is colder than absolute zero, and no furnace is hotter than this.
constexpr double kNejnizsiTeplota = -kKelvin;
constexpr double kNejvyssiTeplota = 3000.0;
constexpr double kNejvetsiPocet = std::numeric_limits<std::int16_t>::max();
// The smallest mass, specific heat, surface, dimension and time step that are no slip of the
// keyboard: every physical value of a charge stays far above the denormal range of a single,
// where the march's products lose their digits (1E-45 kg computes nothing).
constexpr double kNejmensi = 1.0e-6;
// The most pieces of an array in a row and rows: the view factors grow with the square of all.
constexpr double kNejvicKusuMrizky = 20.0;
// The hottest furnace a goal seek tries.
constexpr double kNejvyssiCilovaPec = 1600.0;

using enum Velicina;

constexpr PopisPole kPole[] = {
    // The regime and the curve (tab 1).
    {.velicina = TeplotaKrivky, .druh = DruhPole::Cislo, .ovladac = "txtKonTep", .zalozka = 0, .popisek = id::KonTep,
     .kdy = Kdy::Rizeny, .min = kNejnizsiTeplota, .max = kNejvyssiTeplota,
     .zprava = VeZprave::Jinde},
    {.velicina = DobaVydrze, .druh = DruhPole::Cislo, .ovladac = "txtDobaVydrze", .zalozka = 0,
     .popisek = id::DobaVydrze, .kdy = Kdy::Rizeny, .min = 0.0, .max = 1.0e7, .minVcetne = false,
     .zprava = VeZprave::Jinde},
    // The temperatures.
    {.velicina = Tpece, .druh = DruhPole::Cislo, .ovladac = "txtTpece", .zalozka = 1, .popisek = id::Tpece,
     .kdy = Kdy::Nerizeny, .radekSouboru = 1, .souborPopisek = id::SouborTpece, .jednotka = id::JednotkaStupne,
     .min = kNejnizsiTeplota, .max = kNejvyssiTeplota, .nazev = "furnace", .hledani = Hledani::Vetsi,
     .krokHodnoty = 0.1, .cislo = &Uloha::Tpece, .menitelna = Kdy::Nerizeny, .nemenitelna = id::CilRizena,
     .cil = {.zacatek = ZacatekHledani::Rozsah, .po = kNejvyssiCilovaPec, .odPole = &Uloha::Tk, .absolutne = 0.05,
             .volba = id::CilNejnizsiPec, .popisek = id::CilPec, .nelze = id::NelzePec}},
    {.velicina = Tv, .druh = DruhPole::Cislo, .ovladac = "txtTv", .zalozka = 1, .popisek = id::Tv,
     .radekSouboru = 2, .souborPopisek = id::SouborTv, .jednotka = id::JednotkaStupne, .min = kNejnizsiTeplota,
     .max = kNejvyssiTeplota, .nazev = "start", .cislo = &Uloha::Tv},
    {.velicina = Tk, .druh = DruhPole::Cislo, .ovladac = "txtTk", .zalozka = 1, .popisek = id::Tk,
     .radekSouboru = 3, .souborPopisek = id::SouborTk, .jednotka = id::JednotkaStupne, .min = kNejnizsiTeplota,
     .max = kNejvyssiTeplota, .nazev = "final", .cislo = &Uloha::Tk},
    // The material.
    {.velicina = NazevMaterialu, .druh = DruhPole::Text, .ovladac = "cboMaterial", .zalozka = 2, .popisek = id::Druh,
     .radekSouboru = 5, .souborPopisek = id::Material, .jednotkaText = "[-]"},
    // A density is needed for the mass from the dimensions; with a typed mass it is kept for
    // the file only, and none (0) will do.
    {.velicina = Gama, .druh = DruhPole::Cislo, .ovladac = "txtGama", .zalozka = 2, .popisek = id::Gama,
     .radekSouboru = 10, .souborPopisek = id::SouborHustota, .jednotkaText = "[kg/m3]", .min = 0.0, .max = 1.0e5,
     .minVcetne = false, .prazdne = Prazdne::Vychozi, .prazdneKdy = Kdy::BezRozmeru, .cislo = &Uloha::Gama},
    {.velicina = c, .druh = DruhPole::Cislo, .ovladac = "txtc", .zalozka = 2, .popisek = id::c, .radekSouboru = 8,
     .souborPopisek = id::SouborTeplKapacita, .jednotkaText = "[J/kg/K]", .rozsirenyPopisek = id::SouborStalaC,
     .rozsirenyKdy = Kdy::SKrivkou, .min = kNejmensi, .max = 1.0e5, .cislo = &Uloha::c},
    {.velicina = Eps, .druh = DruhPole::Cislo, .ovladac = "txtEps", .zalozka = 2, .popisek = id::Eps,
     .radekSouboru = 9, .souborPopisek = id::SouborEmisivita, .jednotkaText = "[-]", .min = 0.0, .max = 1.0,
     .minVcetne = false, .nazev = "emissivity", .cislo = &Uloha::Eps},
    // The same caption in both languages; only its tooltip is translated, and messages name it
    // in the user's language.
    {.velicina = KoefK, .druh = DruhPole::Cislo, .ovladac = "txtKoefK", .zalozka = 2,
     .popisekText = "Korekční koe&ficient     [-]", .popisekZpravy = id::KoefKZpravy, .jednotkaText = "[-]",
     .rozsirenyPopisek = id::SouborKoefK,
     .min = 0.0, .max = 1.0, .minVcetne = false, .vychozi = 1.0, .volba = "reduction",
     .jednotkaVolby = id::VolbaKoefKHodnota,
     .popisVolby = id::VolbaKoefK,
     .nazev = "reduction", .cislo = &Uloha::KoefK,
     .tip = id::KoefKTip, .zprava = VeZprave::Vzdy},
    // No conductivity (an empty field) computes no core; a typed 0 would conduct nothing.
    {.velicina = Lambda, .druh = DruhPole::Cislo, .ovladac = "txtLambda", .zalozka = 2, .popisek = id::Lambda,
     .jednotkaText = "[W/m/K]", .rozsirenyPopisek = id::SouborLambda, .min = 1.0e-9, .max = 1.0e4,
     .prazdne = Prazdne::Nic, .volba = "conductivity", .jednotkaVolby = id::VolbaLambdaHodnota,
     .popisVolby = id::VolbaLambda,
     .nazev = "conductivity", .cislo = &Uloha::Lambda, .menitelna = Kdy::ZRozmeru,
     .nemenitelna = id::JadroBezRozmeru,
     .zprava = VeZprave::Jinde},
    // The mass, typed or from the dimensions.
    {.velicina = ZadaniHmotnosti, .druh = DruhPole::Kod, .ovladac = "optMza", .zalozka = 3,
     .popisek = id::ZalozkaHmotnost, .radekSouboru = 11, .souborPopisek = id::SouborZadaniHmotnosti,
     .jednotka = id::JednotkaZV,
     .zprava = VeZprave::Jinde},
    {.velicina = Profil, .druh = DruhPole::Kod, .ovladac = "optProfilO", .zalozka = 3, .popisek = id::Profil,
     .kdy = Kdy::ZRozmeru, .radekSouboru = 12, .souborPopisek = id::SouborProfil, .jednotka = id::JednotkaKCO},
    {.velicina = PocetProfilu, .druh = DruhPole::Pocet, .ovladac = "txtPocetProfilu", .zalozka = 3,
     .popisek = id::PocetProfilu, .kdy = Kdy::ZRozmeru, .radekSouboru = 16, .souborPopisek = id::SouborPocetProfilu,
     .jednotkaText = "[-]", .min = 1.0, .max = kNejvetsiPocet, .vychozi = 1.0, .pocet = &Uloha::PocetProfilu,
     .ramec = "frmProfil"},
    {.velicina = StranaA, .druh = DruhPole::Cislo, .ovladac = "txtA2", .zalozka = 3, .popisekText = "&A",
     .kdy = Kdy::ZRozmeru, .radekSouboru = 13, .souborPopisek = id::SouborStranaA,
     .souborPopisekKruh = id::SouborPrumer, .jednotkaText = "[m]", .min = kNejmensi, .max = 100.0,
     .cislo = &Uloha::StranaA,
     .ramec = "frmRozmery"},
    {.velicina = StranaB, .druh = DruhPole::Cislo, .ovladac = "txtB2", .zalozka = 3, .popisekText = "&B",
     .kdy = Kdy::ZRozmeruObdelnik, .radekSouboru = 14, .souborPopisek = id::SouborStranaB, .jednotkaText = "[m]",
     .min = kNejmensi, .max = 100.0, .cislo = &Uloha::StranaB,
     .ramec = "frmRozmery"},
    {.velicina = DelkaL, .druh = DruhPole::Cislo, .ovladac = "txtL2", .zalozka = 3, .popisekText = "&L",
     .kdy = Kdy::ZRozmeru, .radekSouboru = 15, .souborPopisek = id::SouborDelka, .jednotkaText = "[m]",
     .min = kNejmensi, .max = 100.0, .cislo = &Uloha::DelkaL,
     .ramec = "frmRozmery"},
    {.velicina = m, .druh = DruhPole::Cislo, .ovladac = "txtm", .zalozka = 3, .popisek = id::m, .radekSouboru = 6,
     .souborPopisek = id::SouborHmotnost, .jednotka = id::JednotkaKg, .min = kNejmensi, .max = 1.0e6,
     .nazev = "mass", .hledani = Hledani::Mensi, .platnaMista = 4, .cislo = &Uloha::m,
     .menitelna = Kdy::BezRozmeru, .nemenitelna = id::CilZRozmeru,
     .cil = {.relativne = 1e-4, .volba = id::CilNejvetsiHmotnost, .popisek = id::CilHmotnost,
             .nelze = id::NelzeHmotnost}},
    // The surfaces.
    {.velicina = A, .druh = DruhPole::Cislo, .ovladac = "txtA", .zalozka = 4, .popisek = id::A, .radekSouboru = 7,
     .souborPopisek = id::SouborPlocha, .jednotka = id::JednotkaM2, .min = kNejmensi, .max = 1.0e4,
     .cislo = &Uloha::A},
    {.velicina = PocetAB, .druh = DruhPole::Pocet, .ovladac = "cboAB", .zalozka = 4, .popisek = id::PocetAB,
     .kdy = Kdy::ZRozmeru, .radekSouboru = 17, .souborPopisek = id::SouborPocetAB, .jednotkaText = "[-]",
     .min = 0.0, .max = kNejvetsiPocet, .prazdne = Prazdne::Vychozi, .pocet = &Uloha::PocetAB},
    {.velicina = PocetAL, .druh = DruhPole::Pocet, .ovladac = "cboAL", .zalozka = 4, .popisek = id::PocetAL,
     .kdy = Kdy::ZRozmeru, .radekSouboru = 18, .souborPopisek = id::SouborPocetAL, .jednotkaText = "[-]",
     .min = 0.0, .max = kNejvetsiPocet, .prazdne = Prazdne::Vychozi, .pocet = &Uloha::PocetAL},
    {.velicina = PocetBL, .druh = DruhPole::Pocet, .ovladac = "cboBL", .zalozka = 4, .popisek = id::PocetBL,
     .kdy = Kdy::ZRozmeruObdelnik, .radekSouboru = 19, .souborPopisek = id::SouborPocetBL, .jednotkaText = "[-]",
     .min = 0.0, .max = kNejvetsiPocet, .prazdne = Prazdne::Vychozi, .pocet = &Uloha::PocetBL},
    // How the load stands in the furnace (model/load/usporadani.h): their defaults are the free piece.
    // An array is of round or square bars, a bundle of round bars, both with the mass from the
    // dimensions (the arrangement's check, ZkontrolujUsporadani, asks the rest). An empty field
    // is its default: one piece, touching pieces, no bundle, the packing's porosity, the
    // model's conductivity, no soak.
    {.velicina = MrizkaX, .druh = DruhPole::Pocet, .ovladac = "txtMrizkaX", .zalozka = 5, .popisek = id::MrizkaXPopisek,
     .kdy = Kdy::ZRozmeruTyce, .jednotkaText = "[-]", .rozsirenyPopisek = id::SouborMrizkaX, .min = 1.0,
     .max = kNejvicKusuMrizky, .prazdne = Prazdne::Vychozi, .vychozi = 1.0, .volba = "array",
     .jednotkaVolby = id::VolbaMrizkaXHodnota,
     .popisVolby = id::VolbaMrizkaX,
     .oddelovacVolby = 'x', .druhaVolby = MrizkaY, .nazev = "array-columns", .pocet = &Uloha::MrizkaX,
     .ramec = "frmMrizka", .zprava = VeZprave::Jinde},
    {.velicina = MrizkaY, .druh = DruhPole::Pocet, .ovladac = "txtMrizkaY", .zalozka = 5, .popisek = id::MrizkaYPopisek,
     .kdy = Kdy::ZRozmeruTyce, .jednotkaText = "[-]", .rozsirenyPopisek = id::SouborMrizkaY, .min = 1.0,
     .max = kNejvicKusuMrizky, .prazdne = Prazdne::Vychozi, .vychozi = 1.0, .nazev = "array-rows",
     .pocet = &Uloha::MrizkaY,
     .ramec = "frmMrizka", .zprava = VeZprave::Jinde},
    {.velicina = MezeraX, .druh = DruhPole::Cislo, .ovladac = "txtMezeraX", .zalozka = 5, .popisek = id::MezeraXPopisek,
     .kdy = Kdy::ZRozmeruTyce, .jednotkaText = "[m]", .rozsirenyPopisek = id::SouborMezeraX,
     .rozsirenyKdy = Kdy::VMrizce, .min = 0.0, .max = 10.0, .prazdne = Prazdne::Vychozi, .volba = "gap",
     .jednotkaVolby = id::VolbaMezeraXHodnota,
     .popisVolby = id::VolbaMezeraX,
     .oddelovacVolby = ':', .druhaVolby = MezeraY, .druhaJakoPrvni = true, .nazev = "gap-x",
     .cislo = &Uloha::MezeraX, .menitelna = Kdy::VMrizce, .nemenitelna = id::NepusobiMimoMrizku,
     .ramec = "frmMrizka", .zprava = VeZprave::Jinde},
    {.velicina = MezeraY, .druh = DruhPole::Cislo, .ovladac = "txtMezeraY", .zalozka = 5, .popisek = id::MezeraYPopisek,
     .kdy = Kdy::ZRozmeruTyce, .jednotkaText = "[m]", .rozsirenyPopisek = id::SouborMezeraY,
     .rozsirenyKdy = Kdy::VMrizce, .min = 0.0, .max = 10.0, .prazdne = Prazdne::Vychozi, .nazev = "gap-y",
     .cislo = &Uloha::MezeraY, .menitelna = Kdy::VMrizce, .nemenitelna = id::NepusobiMimoMrizku,
     .ramec = "frmMrizka", .zprava = VeZprave::Jinde},
    {.velicina = SvazekA, .druh = DruhPole::Cislo, .ovladac = "txtSvazekA", .zalozka = 5, .popisek = id::SvazekAPopisek,
     .kdy = Kdy::ZRozmeruKruh, .jednotkaText = "[m]", .rozsirenyPopisek = id::SouborSvazekA, .min = kNejmensi,
     .max = 100.0, .prazdne = Prazdne::Nic, .volba = "bundle",
     .jednotkaVolby = id::VolbaSvazekAHodnota,
     .popisVolby = id::VolbaSvazekA,
     .oddelovacVolby = 'x', .druhaVolby = SvazekB, .nazev = "bundle", .cislo = &Uloha::SvazekA,
     .ramec = "frmSvazek", .zprava = VeZprave::Jinde},
    {.velicina = SvazekB, .druh = DruhPole::Cislo, .ovladac = "txtSvazekB", .zalozka = 5, .popisek = id::SvazekBPopisek,
     .kdy = Kdy::ZRozmeruKruh, .jednotkaText = "[m]", .rozsirenyPopisek = id::SouborSvazekB,
     .rozsirenyKdy = Kdy::VeSvazku, .min = kNejmensi, .max = 100.0, .prazdne = Prazdne::Nic, .nazev = "bundle-b",
     .cislo = &Uloha::SvazekB, .menitelna = Kdy::VeSvazku,
     .nemenitelna = id::NepusobiMimoSvazek,
     .ramec = "frmSvazek", .prazdnyText = id::SvazekKruhovy, .zprava = VeZprave::Jinde},
    {.velicina = Baleni, .druh = DruhPole::Pocet, .ovladac = "cboBaleni", .zalozka = 5, .popisek = id::BaleniPopisek,
     .kdy = Kdy::ZRozmeruKruh, .jednotkaText = "[-]", .rozsirenyPopisek = id::SouborBaleni,
     .rozsirenyKdy = Kdy::VeSvazku, .min = 0.0, .max = 1.0, .prazdne = Prazdne::Vychozi, .volba = "packing",
     .jednotkaVolby = id::VolbaBaleniHodnota,
     .popisVolby = id::VolbaBaleni, .slovaVolby = "square|hexagonal",
     .pocet = &Uloha::Baleni, .menitelna = Kdy::VeSvazku, .nemenitelna = id::NepusobiMimoSvazek,
     .ramec = "frmSvazek"},
    // From hexagonal packing, 1 - pi / (2 sqrt 3) = 0.09310, up to where the model holds.
    {.velicina = Porozita, .druh = DruhPole::Cislo, .ovladac = "txtPorozita", .zalozka = 5,
     .popisek = id::PorozitaPopisek, .kdy = Kdy::ZRozmeruKruh, .jednotkaText = "[-]",
     .rozsirenyPopisek = id::SouborPorozita, .rozsirenyKdy = Kdy::VeSvazku, .min = 0.0932, .max = 0.9,
     .prazdne = Prazdne::Nic, .volba = "porosity", .jednotkaVolby = id::VolbaPorozitaHodnota,
     .popisVolby = id::VolbaPorozita, .nazev = "porosity",
     .cislo = &Uloha::Porozita, .menitelna = Kdy::VeSvazku, .nemenitelna = id::NepusobiMimoSvazek,
     .ramec = "frmSvazek", .prazdnyText = id::PorozitaBaleni, .zprava = VeZprave::Jinde},
    {.velicina = KefSvazku, .druh = DruhPole::Cislo, .ovladac = "txtKefSvazku", .zalozka = 5, .popisek = id::KefPopisek,
     .kdy = Kdy::ZRozmeruKruh, .jednotkaText = "[W/m/K]", .rozsirenyPopisek = id::SouborKefSvazku,
     .rozsirenyKdy = Kdy::VeSvazku, .min = 1.0e-3, .max = 1.0e3, .prazdne = Prazdne::Nic,
     .volba = "effective-conductivity", .jednotkaVolby = id::VolbaKefSvazkuHodnota,
     .popisVolby = id::VolbaKefSvazku,
     .nazev = "effective-conductivity", .cislo = &Uloha::KefSvazku, .menitelna = Kdy::VeSvazku,
     .nemenitelna = id::NepusobiMimoSvazek,
     .ramec = "frmSvazek", .prazdnyText = id::KefModelu},
    // Typed in minutes; the record holds seconds. Any case may have a soak.
    {.velicina = Prodleva, .druh = DruhPole::Cislo, .ovladac = "txtProdleva", .zalozka = 5, .popisek = id::ProdlevaPopisek,
     .jednotkaText = "[min]", .rozsirenyPopisek = id::SouborProdleva, .min = 0.0, .max = 1.0e7,
     .prazdne = Prazdne::Vychozi,
     .meritko = 60.0, .volba = "soak", .jednotkaVolby = id::VolbaProdlevaHodnota,
     .popisVolby = id::VolbaProdleva,
     .meritkoVolby = 60.0, .nazev = "soak", .cislo = &Uloha::Prodleva},
    // The iteration step.
    {.velicina = CasKrok, .druh = DruhPole::Cislo, .ovladac = "txtCasKrok", .zalozka = 6, .popisek = id::CasKrok,
     .radekSouboru = 4, .souborPopisek = id::SouborCasKrok, .jednotka = id::JednotkaSekundy, .min = kNejmensi,
     .max = 86400.0, .nazev = "time-step", .cislo = &Uloha::CasKrok},
    // The furnace beyond the documented problem. No installed power (an empty field) is an
    // unlimited one; a power of 0 would heat nothing.
    {.velicina = Prikon, .druh = DruhPole::Cislo, .ovladac = "txtPrikon", .zalozka = 7,
     .popisek = id::InstalovanyPrikon, .jednotkaText = "[kW]", .rozsirenyPopisek = id::SouborPrikon, .min = 0.0,
     .max = 1.0e9, .minVcetne = false, .prazdne = Prazdne::Nic,
     .meritko = 1000.0, .volba = "power-limit", .jednotkaVolby = id::VolbaPrikonHodnota,
     .popisVolby = id::VolbaPrikon, .jednotkyVolby = "W=1 kW=1000 MW=1000000",
     .nazev = "power",
     .hledani = Hledani::Vetsi, .krokHodnoty = 1.0, .cislo = &Uloha::Prikon,
     .cil = {.zacatek = ZacatekHledani::Tok, .od = 1e-3, .relativne = 1e-4, .volba = id::CilNejmensiPrikon,
             .popisek = id::CilPrikon, .nelze = id::NelzePrikon},
     .prazdnyText = id::PrikonNeomezeny},
    // The one figure of heat losses: the power frame's, and what the installed power covers.
    {.velicina = Ztraty, .druh = DruhPole::Pocet, .ovladac = "txtZtratyPrikonu", .zalozka = 7,
     .popisek = id::ZtratyPrikonu, .jednotkaText = "[%]", .rozsirenyPopisek = id::SouborZtratyPrikonu,
     .rozsirenyKdy = Kdy::SPrikonem, .min = 0.0, .max = kNejvetsiPocet, .prazdne = Prazdne::Vychozi, .volba = "losses",
     .jednotkaVolby = id::VolbaZtratyHodnota,
     .popisVolby = id::VolbaZtraty, .nazev = "losses", .pocet = &Uloha::Ztraty,
     .zprava = VeZprave::Vzdy},
    {.velicina = Konvekce, .druh = DruhPole::Cislo, .ovladac = "txtKonvekce", .zalozka = 7, .popisek = id::Konvekce,
     .jednotkaText = "[W/m2/K]", .rozsirenyPopisek = id::SouborKonvekce, .min = 0.0, .max = 1000.0,
     .prazdne = Prazdne::Vychozi, .vychozi = kKonvekce, .volba = "convection",
     .jednotkaVolby = id::VolbaKonvekceHodnota,
     .popisVolby = id::VolbaKonvekce, .nazev = "convection",
     .cislo = &Uloha::Konvekce},
    // The furnace as a thermal system: its description (chamber, linings, door, start; options and
    // lines of its own), and its plain numbers, which belong to the case and act only with it.
    {.velicina = PopisPece, .druh = DruhPole::Text, .popisek = id::PecPopisek, .kdy = Kdy::SPeci},
    {.velicina = Okoli, .druh = DruhPole::Cislo, .ovladac = "txtOkoli", .zalozka = 8, .popisek = id::OkoliPopisek, .kdy = Kdy::SPeci,
     .jednotka = id::JednotkaStupne, .rozsirenyPopisek = id::SouborOkoli, .rozsirenyKdy = Kdy::SPeci, .min = -60.0,
     .max = 100.0, .prazdne = Prazdne::Vychozi, .vychozi = 20.0, .volba = "ambient",
     .jednotkaVolby = id::VolbaOkoliHodnota,
     .popisVolby = id::VolbaOkoli, .nazev = "ambient",
     .cislo = &Uloha::Okoli, .menitelna = Kdy::SPeci, .nemenitelna = id::BezPece},
    {.velicina = EpsVnejsi, .druh = DruhPole::Cislo, .ovladac = "txtEpsVnejsi", .zalozka = 8, .popisek = id::EpsVnejsiPopisek, .kdy = Kdy::SPeci,
     .jednotkaText = "[-]", .rozsirenyPopisek = id::SouborEpsVnejsi, .rozsirenyKdy = Kdy::SPeci, .min = 0.0,
     .max = 1.0, .minVcetne = false, .prazdne = Prazdne::Vychozi, .vychozi = 0.9, .volba = "outer-emissivity",
     .jednotkaVolby = id::VolbaEpsVnejsiHodnota, .popisVolby = id::VolbaEpsVnejsi,
     .nazev = "outer-emissivity", .cislo = &Uloha::EpsVnejsi, .menitelna = Kdy::SPeci, .nemenitelna = id::BezPece},
    // 0 is natural convection, by the correlations of each face (model/furnace/vnejsi.h).
    {.velicina = KonvekceVnejsi, .druh = DruhPole::Cislo, .ovladac = "txtKonvekceVnejsi", .zalozka = 8, .popisek = id::KonvekceVnejsiPopisek, .kdy = Kdy::SPeci,
     .jednotkaText = "[W/m2/K]", .rozsirenyPopisek = id::SouborKonvekceVnejsi, .rozsirenyKdy = Kdy::SPeci,
     .min = 0.0, .max = 1000.0, .prazdne = Prazdne::Nic, .volba = "outer-convection",
     .jednotkaVolby = id::VolbaKonvekceVnejsiHodnota,
     .popisVolby = id::VolbaKonvekceVnejsi,
     .slovaVolby = "natural", .cislo = &Uloha::KonvekceVnejsi, .menitelna = Kdy::SPeci, .nemenitelna = id::BezPece,
     .prazdnyText = id::KonvekcePrirozena},
    {.velicina = DobaOtevreni, .druh = DruhPole::Cislo, .ovladac = "txtDobaOtevreni", .zalozka = 8, .popisek = id::DobaOtevreniPopisek, .kdy = Kdy::SPeci,
     .jednotkaText = "[s]", .rozsirenyPopisek = id::SouborDobaOtevreni, .rozsirenyKdy = Kdy::SPeci, .min = 0.0,
     .max = 1.0e6, .prazdne = Prazdne::Vychozi, .nazev = "door-time", .cislo = &Uloha::DobaOtevreni,
     .menitelna = Kdy::SPeci, .nemenitelna = id::BezPece},
    {.velicina = HmotnostPripravku, .druh = DruhPole::Cislo, .ovladac = "txtHmotnostPripravku", .zalozka = 8, .popisek = id::HmotnostPripravkuPopisek,
     .kdy = Kdy::SPeci, .jednotkaText = "[kg]", .rozsirenyPopisek = id::SouborHmotnostPripravku,
     .rozsirenyKdy = Kdy::SPeci, .min = 0.0, .max = 1.0e6, .prazdne = Prazdne::Vychozi, .volba = "fixtures",
     .jednotkaVolby = id::VolbaHmotnostPripravkuHodnota, .popisVolby = id::VolbaHmotnostPripravku,
     .oddelovacVolby = ':', .druhaVolby = CPripravku, .nazev = "fixture-mass", .cislo = &Uloha::HmotnostPripravku,
     .menitelna = Kdy::SPeci, .nemenitelna = id::BezPece},
    {.velicina = CPripravku, .druh = DruhPole::Cislo, .ovladac = "txtCPripravku", .zalozka = 8, .popisek = id::CPripravkuPopisek, .kdy = Kdy::SPeci,
     .jednotkaText = "[J/kg/K]", .rozsirenyPopisek = id::SouborCPripravku, .rozsirenyKdy = Kdy::SPeci,
     .min = kNejmensi, .max = 1.0e5, .prazdne = Prazdne::Vychozi, .vychozi = 500.0, .cislo = &Uloha::CPripravku,
     .menitelna = Kdy::SPeci, .nemenitelna = id::BezPece},
    {.velicina = CenaEnergie, .druh = DruhPole::Cislo, .ovladac = "txtCenaEnergie", .zalozka = 8, .popisek = id::CenaEnergiePopisek, .kdy = Kdy::SPeci,
     .jednotkaText = "[-]", .rozsirenyPopisek = id::SouborCenaEnergie, .rozsirenyKdy = Kdy::SPeci, .min = 0.0,
     .max = 1.0e6, .prazdne = Prazdne::Vychozi, .volba = "energy-price", .jednotkaVolby = id::VolbaCenaEnergieHodnota,
     .popisVolby = id::VolbaCenaEnergie, .cislo = &Uloha::CenaEnergie,
     .menitelna = Kdy::SPeci, .nemenitelna = id::BezPece},
    // Held by the furnace's description, not by a member of the case: a sweep names the layer
    // ("layer2", "roof-layer1") and sets it (model/planning/rozmitani.h: OsaNazvu).
    {.velicina = TloustkaVrstvy, .druh = DruhPole::Cislo, .popisek = id::TloustkaVrstvyPopisek, .kdy = Kdy::Nikdy,
     .jednotkaText = "[m]", .min = 0.0, .max = 2.0, .minVcetne = false, .nazev = "layerN", .menitelna = Kdy::SPeci,
     .nemenitelna = id::BezPece, .zprava = VeZprave::Jinde},
};

// None is held as 0: a row whose empty field is none has 0 for its default.
static_assert(std::ranges::all_of(kPole,
                                  [](const PopisPole& p) { return p.prazdne != Prazdne::Nic || p.vychozi == 0.0; }));

}  // namespace

std::span<const PopisPole> PoleUlohy() { return kPole; }

// Every quantity has its row, and one only.
constexpr std::size_t kVelicin = static_cast<std::size_t>(Velicina::PocetVelicin);
static_assert(std::size(kPole) == kVelicin, "a quantity without its row in the field table, or a row twice");
static_assert(
    [] {
        std::array<bool, kVelicin> je{};
        for (const PopisPole& p : kPole) {
            je[static_cast<std::size_t>(p.velicina)] = true;
        }
        return std::all_of(je.begin(), je.end(), [](bool b) { return b; });
    }(),
    "a quantity twice in the field table");

const PopisPole& Pole(Velicina velicina) {
    // Every computation asks for its fields by name: the rows by Velicina, found once.
    static const std::array<const PopisPole*, kVelicin> radky = [] {
        std::array<const PopisPole*, kVelicin> r{};
        for (const PopisPole& p : kPole) {
            r[static_cast<std::size_t>(p.velicina)] = &p;
        }
        return r;
    }();
    const auto i = static_cast<std::size_t>(velicina);
    return i < kVelicin ? *radky[i] : kPole[0];
}

const PopisPole* PoleNazvu(std::string_view nazev) {
    for (const PopisPole& p : kPole) {
        if (p.nazev != nullptr && nazev == p.nazev) {
            return &p;
        }
    }
    return nullptr;
}

std::string NazvyPoli(Hledani jen, std::string_view oddelovac) {
    std::string nazvy;
    for (const PopisPole& p : kPole) {
        if (p.nazev != nullptr && (jen == Hledani::Ne || p.hledani != Hledani::Ne)) {
            nazvy += (nazvy.empty() ? std::string() : std::string(oddelovac)) + p.nazev;
        }
    }
    return nazvy;
}

bool Plati(Kdy kdy, const Uloha& u) {
    switch (kdy) {
        case Kdy::Vzdy:
            return true;
        case Kdy::Nikdy:
            return false;
        case Kdy::Nerizeny:
            return !u.Rizeny;
        case Kdy::Rizeny:
            return u.Rizeny;
        case Kdy::ZRozmeru:
            return u.zRozmeru();
        case Kdy::ZRozmeruObdelnik:
            return u.zRozmeru() && u.Profil == zorvet::Profil::Obdelnikovy;
        case Kdy::BezRozmeru:
            return !u.zRozmeru();
        case Kdy::SPrikonem:
            return u.Prikon > 0.0f;
        case Kdy::SKrivkou:
            return u.Vlastnosti.has_value();
        case Kdy::VMrizce:
            return u.MrizkaX > 1 || u.MrizkaY > 1;
        case Kdy::VeSvazku:
            return u.SvazekA > 0.0f;
        case Kdy::ZRozmeruTyce:
            return u.zRozmeru() && (u.Profil == zorvet::Profil::Kruhovy || u.Profil == zorvet::Profil::Ctvercovy);
        case Kdy::ZRozmeruKruh:
            return u.zRozmeru() && u.Profil == zorvet::Profil::Kruhovy;
        case Kdy::SPeci:
            return u.Pec.has_value();
    }
    return false;
}

double Hodnota(const PopisPole& pole, const Uloha& u) {
    if (pole.cislo != nullptr) {
        return static_cast<double>(u.*pole.cislo);
    }
    if (pole.pocet != nullptr) {
        return static_cast<double>(u.*pole.pocet);
    }
    return 0.0;
}

bool NastavHodnotu(Uloha& u, const PopisPole& pole, double hodnota) {
    if (pole.cislo != nullptr) {
        u.*pole.cislo = static_cast<float>(hodnota);
        return true;
    }
    if (pole.pocet != nullptr && std::isfinite(hodnota) && std::fabs(hodnota) <= kNejvetsiPocet) {
        u.*pole.pocet = static_cast<std::int16_t>(std::lround(hodnota));
        return true;
    }
    return false;
}

bool MuzeBytPrazdne(const PopisPole& pole, const Uloha& u) {
    return pole.prazdne != Prazdne::Nelze && Plati(pole.prazdneKdy, u);
}

bool JeNic(const PopisPole& pole, double x, const Uloha& u) {
    return pole.prazdne == Prazdne::Nic && x == 0.0 && Plati(pole.prazdneKdy, u);
}

bool Pouzito(const PopisPole& pole, const Uloha& u) {
    // The record holds singles: a default of 0.9 is the single nearest it.
    return pole.rozsirenyPopisek != 0 && Plati(pole.rozsirenyKdy, u) &&
           static_cast<float>(Hodnota(pole, u)) != static_cast<float>(pole.vychozi);
}

bool PouzivaRozsireni(const Uloha& u) {
    if (u.Vlastnosti || u.Pec) {
        return true;
    }
    for (const PopisPole& p : kPole) {
        // The heat capacity of the extended setting goes with a property curve only.
        if (p.velicina != c && Pouzito(p, u)) {
            return true;
        }
    }
    return false;
}

namespace {

// A count's fraction, or a value above 0 of a quantity that must be above 0 that a single holds
// only as a denormal or as 0 (an installed power of 1E-320 W would be stored as 0, no limit at
// all): faults whatever the range says.
bool vadnaVzdy(const PopisPole& pole, double x) {
    return (pole.druh == DruhPole::Pocet && std::isfinite(x) && x != std::nearbyint(x)) ||
           (pole.druh == DruhPole::Cislo && pole.min == 0.0 && !pole.minVcetne && x > 0.0 &&
            x < static_cast<double>(std::numeric_limits<float>::min()));
}

}  // namespace

// The value is sound: inside the range, or the default of a field that may be left empty, and
// no fault above.
bool JistePlatna(const PopisPole& pole, double x, const Uloha& u) {
    return ((x > pole.min && x <= pole.max) || (x == pole.vychozi && MuzeBytPrazdne(pole, u))) && !vadnaVzdy(pole, x);
}

std::optional<Vada> ZkontrolujHodnotu(const PopisPole& pole, double x, const Uloha& u) {
    if (JistePlatna(pole, x, u)) {
        return std::nullopt;
    }
    if (std::isnan(x)) {
        return Vada::NekonecnaHodnota;
    }
    if (pole.druh == DruhPole::Pocet && std::isfinite(x) && x != std::nearbyint(x)) {
        return Vada::NeniCele;
    }
    // A value above 0 that a single holds only as a denormal, or as 0, is none of a quantity that
    // must be above 0: an installed power of 1E-320 W would be stored as 0, no limit at all.
    if (pole.druh == DruhPole::Cislo && pole.min == 0.0 && !pole.minVcetne && x > 0.0 &&
        x < static_cast<double>(std::numeric_limits<float>::min())) {
        return Vada::PodRozsahem;
    }
    if (x == pole.vychozi && MuzeBytPrazdne(pole, u)) {
        return std::nullopt;
    }
    if (x < pole.min || (x == pole.min && !pole.minVcetne)) {
        return Vada::PodRozsahem;
    }
    if (x > pole.max) {
        return Vada::NadRozsahem;
    }
    return std::nullopt;
}

std::optional<Vada> ZkontrolujZadanou(const PopisPole& pole, double x, const Uloha& u) {
    if (JeNic(pole, x, u)) {
        return Vada::PodRozsahem;
    }
    return ZkontrolujHodnotu(pole, x, u);
}

int NejvicPloch(Velicina pocet, const Uloha& u) {
    const int n = u.PocetProfilu;
    if (pocet == PocetAL) {
        // One mantle per cylinder, four long faces per square bar, two A*L faces per rectangle.
        return u.Profil == zorvet::Profil::Kruhovy ? n : (u.Profil == zorvet::Profil::Ctvercovy ? 4 * n : 2 * n);
    }
    return 2 * n;
}

double ZaokrouhliNalezenou(const PopisPole& pole, double hodnota) {
    if (!std::isfinite(hodnota) || hodnota == 0.0) {
        return hodnota;
    }
    const bool dolu = pole.hledani == Hledani::Mensi;
    double krok = pole.krokHodnoty;
    if (pole.platnaMista > 0) {
        krok = std::pow(10.0, std::floor(std::log10(std::fabs(hodnota))) - (pole.platnaMista - 1));
    }
    if (!(krok > 0.0)) {
        return hodnota;
    }
    // A step below 1 is a whole number of them per unit, so that 933.4 stays 933.4.
    const double naJednotku = krok < 1.0 ? std::nearbyint(1.0 / krok) : 0.0;
    const double kroku = naJednotku > 0.0 ? hodnota * naJednotku : hodnota / krok;
    const double zaokrouhleno = dolu ? std::floor(kroku) : std::ceil(kroku);
    return naJednotku > 0.0 ? zaokrouhleno / naJednotku : zaokrouhleno * krok;
}

}  // namespace zorvet
