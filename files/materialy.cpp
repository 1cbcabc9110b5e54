#include "files/materialy.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QLocale>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "files/windows1250.h"
#include "files/zapis.h"

namespace zorvet {

namespace {

const QString kSouborMaterialu = QStringLiteral("Material.lst");

bool jePrazdny(const QString& radek) { return radek.trimmed().isEmpty(); }

// Every record of the file's text, in order. A record is a name field and two numeric
// fields; blank lines between records are skipped, and so is a name without its two numbers
// (the reading goes on with the next line, so a damaged record hides no later one), and a
// record without a name: the list could not offer it, and a table whose first name is empty
// counts as empty. Each pass consumes at least the name, so the loop ends with the text.
QList<Material> ctiZaznamy(const QString& text) {
    QList<Material> zaznamy;
    CteckaTextu cteni(text);
    for (;;) {
        qsizetype pozice = cteni.pozice();
        while (const std::optional<QString> r = cteni.radek()) {
            if (!jePrazdny(*r)) {
                break;
            }
            pozice = cteni.pozice();
        }
        cteni.nastavPozici(pozice);
        const std::optional<QString> nazev = cteni.textovePole();
        if (!nazev) {
            break;
        }
        const std::optional<double> c = cteni.ciselnePole();
        const std::optional<double> gama = c ? cteni.ciselnePole() : std::nullopt;
        if (!gama || nazev->trimmed().isEmpty()) {
            continue;
        }
        zaznamy.append(Material{nazev->toStdString(), NaSingle(c), NaSingle(gama)});
    }
    return zaznamy;
}

// The text of Material.lst, or no value when it exists and cannot be read. A missing file
// is the empty text.
std::optional<QString> ctiSoubor(QString* chyba) {
    QFile soubor(kSouborMaterialu);
    if (!soubor.exists()) {
        return QString();
    }
    if (!soubor.open(QIODevice::ReadOnly)) {
        *chyba = soubor.errorString();
        return std::nullopt;
    }
    const QByteArray bajty = soubor.readAll();
    if (soubor.error() != QFileDevice::NoError) {
        *chyba = soubor.errorString();
        return std::nullopt;
    }
    return DekodujSoubor(bajty);
}

// A name with a comma ends at it when read, and leading blanks are skipped: such a name is
// written between double quotes (a double quote inside it becomes an apostrophe, since it
// would end the quoted name).
QString jmenoProZapis(const QString& nazev) {
    if (!nazev.contains(QLatin1Char(',')) && !nazev.startsWith(QLatin1Char(' ')) &&
        !nazev.startsWith(QLatin1Char('"'))) {
        return nazev;
    }
    QString uvnitr = nazev;
    uvnitr.replace(QLatin1Char('"'), QLatin1Char('\''));
    return QLatin1Char('"') + uvnitr + QLatin1Char('"');
}

QString radkyZaznamu(const Material& m) {
    const QString konec = QStringLiteral("\r\n");
    return jmenoProZapis(QString::fromStdString(m.Nazev)) + konec + TextSouboru(m.c) + TextSouboru(m.Gama) + konec;
}

// The name as it is stored: one line; with the quotes of jmenoProZapis it reads back the same.
QString upravJmeno(QString nazev) {
    nazev.replace(QLatin1Char('\r'), QLatin1Char(' '));
    nazev.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (nazev.contains(QLatin1Char(',')) || nazev.startsWith(QLatin1Char(' ')) ||
        nazev.startsWith(QLatin1Char('"'))) {
        nazev.replace(QLatin1Char('"'), QLatin1Char('\''));
    }
    return nazev;
}

void prevezmiCislo(const QString& text, float& pole) {
    bool ok = false;
    const float x = QLocale().toFloat(text.trimmed(), &ok);
    if (ok) {
        pole = x;
    }
}

// Replaces Material.lst with the text; the old file stays when anything fails.
bool zapisSoubor(const QString& text, QString* chyba) {
    return ZapisBajty(kSouborMaterialu, KodujSoubor(text), chyba);
}

void hlasChybu(Dialogy& dialogy, std::int16_t j, const QString& popis) {
    dialogy.zprava(Ikona::Vykricnik, Text(98, j),
                   QDir::toNativeSeparators(QDir::current().absoluteFilePath(kSouborMaterialu)) + QLatin1Char('\n') +
                       popis);
}

}  // namespace

void NactiMaterialy(Stav& stav) {
    stav.Materialy.fill(Material{});
    stav.PocetMaterialu = 0;
    QString chyba;
    if (const std::optional<QString> text = ctiSoubor(&chyba)) {
        const QList<Material> zaznamy = ctiZaznamy(*text);
        const qsizetype pocet = std::min<qsizetype>(zaznamy.size(), kPocetMaterialu);
        for (qsizetype i = 0; i < pocet; ++i) {
            stav.Materialy[static_cast<std::size_t>(i)] = zaznamy[i];
        }
        stav.PocetMaterialu = static_cast<std::int16_t>(pocet > 0 ? pocet - 1 : 0);
    }

    QFile eps(Text(84, stav.Jazyk));
    if (eps.open(QIODevice::ReadOnly)) {
        CteckaTextu cteni(DekodujSoubor(eps.readAll()));
        QString tabulka;
        while (const std::optional<QString> material = cteni.radek()) {
            const std::optional<QString> hodnota = cteni.radek();
            tabulka += *material;
            if (hodnota) {
                tabulka += QStringLiteral(" - ") + *hodnota;
            }
            tabulka += QStringLiteral("  ");
        }
        stav.TabulkaEps = tabulka.toStdString();
    }
}

int PocetZaznamu(const Stav& stav) {
    const int posledni = stav.PocetMaterialu < 0 ? -1 : std::min<int>(stav.PocetMaterialu, kPocetMaterialu - 1);
    if (posledni <= 0) {
        return posledni == 0 && !stav.Materialy[0].Nazev.empty() ? 1 : 0;
    }
    return posledni + 1;
}

UlozeniMaterialu UlozMaterial(Stav& stav, Dialogy& dialogy, const QString& nazev, const QString& cText,
                              const QString& gamaText) {
    const std::int16_t j = stav.Jazyk;
    const QString jmeno = upravJmeno(nazev);
    if (jmeno.trimmed().isEmpty()) {
        return UlozeniMaterialu::Odmitnuto;
    }
    const std::string jmenoStd = jmeno.toStdString();
    const int pocet = PocetZaznamu(stav);
    QString chyba;

    for (int i = 0; i < pocet; ++i) {
        Material& zaznam = stav.Materialy[static_cast<std::size_t>(i)];
        if (zaznam.Nazev != jmenoStd) {
            continue;
        }
        if (!dialogy.otazka(Text(107, j), Text(46, j) + jmeno + Text(105, j) + QStringLiteral("\r\n") + Text(106, j))) {
            return UlozeniMaterialu::Odmitnuto;
        }
        Material novy = zaznam;
        prevezmiCislo(cText, novy.c);
        prevezmiCislo(gamaText, novy.Gama);
        // Records beyond the table's 51 are not in the table; they are kept from the file.
        QList<Material> zbytek;
        if (const std::optional<QString> stary = ctiSoubor(&chyba)) {
            zbytek = ctiZaznamy(*stary).mid(kPocetMaterialu);
        }
        QString text;
        for (int k = 0; k < pocet; ++k) {
            text += radkyZaznamu(k == i ? novy : stav.Materialy[static_cast<std::size_t>(k)]);
        }
        for (const Material& m : zbytek) {
            text += radkyZaznamu(m);
        }
        if (!zapisSoubor(text, &chyba)) {
            hlasChybu(dialogy, j, chyba);
            return UlozeniMaterialu::Chyba;
        }
        zaznam = novy;
        dialogy.zprava(Ikona::Informace, Text(93, j), Text(92, j));
        return UlozeniMaterialu::Prepsan;
    }

    if (pocet >= kPocetMaterialu) {
        dialogy.zprava(Ikona::Vykricnik, Text(144, j), Text(retezec::kDatabazePlna, j));
        return UlozeniMaterialu::Odmitnuto;
    }
    Material novy = stav.Materialy[static_cast<std::size_t>(pocet)];
    novy.Nazev = jmenoStd;
    prevezmiCislo(cText, novy.c);
    prevezmiCislo(gamaText, novy.Gama);
    // Adding keeps whatever the file holds, also what was changed in it since it was read.
    std::optional<QString> text = ctiSoubor(&chyba);
    if (!text) {
        hlasChybu(dialogy, j, chyba);
        return UlozeniMaterialu::Chyba;
    }
    if (!text->isEmpty() && !text->endsWith(QLatin1Char('\n')) && !text->endsWith(QLatin1Char('\r'))) {
        *text += QStringLiteral("\r\n");
    }
    if (!zapisSoubor(*text + radkyZaznamu(novy), &chyba)) {
        hlasChybu(dialogy, j, chyba);
        return UlozeniMaterialu::Chyba;
    }
    stav.Materialy[static_cast<std::size_t>(pocet)] = novy;
    stav.PocetMaterialu = static_cast<std::int16_t>(pocet);
    dialogy.zprava(Ikona::Informace, Text(95, j), Text(94, j) + jmeno);
    return UlozeniMaterialu::Pridan;
}

}  // namespace zorvet
