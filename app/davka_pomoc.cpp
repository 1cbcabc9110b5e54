// The batch command line's help in the user's language: every option with the name of its value
// and its sentence, the commands, and the few words of Qt's own parser ("Usage:", "Options:").
// The texts are the string table's, so that --help speaks English or Czech as the rest of a run.
#include <QTranslator>
#include <cstring>

#include "app/davka_spolecne.h"
#include "files/retezce.h"

namespace zorvet::davka {

namespace {

QCommandLineOption volba(const char* jmeno, int popis, int hodnota, Jazyk jazyk) {
    return {QString::fromLatin1(jmeno), Text(popis, jazyk), Text(hodnota, jazyk)};
}

// What a goal seek finds, from the fields of the table: "the lowest furnace temperature, the
// largest mass of the charge or the smallest installed power".
QString coHledat(Jazyk jazyk) {
    QStringList co;
    for (const PopisPole& p : PoleUlohy()) {
        if (p.hledani != Hledani::Ne) {
            co.append(Text(id::VolbaHledejPolozka, jazyk).arg(Text(p.cil.volba, jazyk)));
        }
    }
    const QString posledni = co.size() > 1 ? co.takeLast() : QString();
    return co.join(QLatin1String(", ")) + (posledni.isEmpty() ? QString() : Text(id::VolbaHledejNebo, jazyk) + posledni);
}

// Qt's parser asks for its own words through the translators of the application.
class SlovaParseru : public QTranslator {
public:
    explicit SlovaParseru(Jazyk jazyk) : jazyk_(jazyk) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* kontext, const char* text, const char* /*rozliseni*/, int /*n*/) const override {
        if (std::strcmp(kontext, "QCommandLineParser") != 0) {
            return {};
        }
        for (const int i : {id::QtPouziti, id::QtVolby, id::QtNadpisVoleb, id::QtNadpisArgumentu, id::QtPomoc,
                            id::QtPomocVse, id::QtVerze}) {
            if (Text(i, Jazyk::Anglicky) == QLatin1String(text)) {
                return Text(i, jazyk_);
            }
        }
        return {};
    }

private:
    Jazyk jazyk_;
};

}  // namespace

Volby::Volby(Jazyk jazykPomoci)
    : vysledky{volba("results", id::VolbaVysledky, id::VolbaVysledkyHodnota, jazykPomoci)},
      csv{volba("csv", id::VolbaCsv, id::VolbaCsvHodnota, jazykPomoci)},
      jazyk{volba("language", id::VolbaJazyk, id::VolbaJazykHodnota, jazykPomoci)},
      komentar{volba("comment", id::VolbaKomentar, id::VolbaKomentarHodnota, jazykPomoci)},
      vystup{volba("output", id::VolbaVystup, id::VolbaVystupHodnota, jazykPomoci)},
      vlastnosti{volba("properties", id::VolbaVlastnosti, id::VolbaVlastnostiHodnota, jazykPomoci)},
      cas{volba("time", id::VolbaCas, id::VolbaCasHodnota, jazykPomoci)},
      hledej{QStringLiteral("find"), Text(id::VolbaHledej, jazykPomoci).arg(coHledat(jazykPomoci)),
             QString::fromStdString(NazvyPoli(Hledani::Mensi, "|"))},
      menit{QStringLiteral("vary"),
            Text(id::VolbaMenit, jazykPomoci).arg(QString::fromStdString(NazvyPoli(Hledani::Ne, ", "))),
            Text(id::VolbaMenitHodnota, jazykPomoci)},
      mereni{volba("measured", id::VolbaMereni, id::VolbaMereniHodnota, jazykPomoci)},
      sloupce{volba("columns", id::VolbaSloupce, id::VolbaSloupceHodnota, jazykPomoci)},
      grafMereni{volba("chart", id::VolbaGrafMereni, id::VolbaGrafMereniHodnota, jazykPomoci)},
      velikost{volba("size", id::VolbaVelikost, id::VolbaVelikostHodnota, jazykPomoci)},
      termoclanek{volba("thermocouple", id::VolbaTermoclanek, id::VolbaTermoclanekHodnota, jazykPomoci)},
      komora{volba("chamber", id::VolbaKomora, id::VolbaKomoraHodnota, jazykPomoci)},
      vyzdivka{volba("lining", id::VolbaVyzdivka, id::VolbaVyzdivkaHodnota, jazykPomoci)},
      strop{volba("roof-lining", id::VolbaStrop, id::VolbaStropHodnota, jazykPomoci)},
      nistej{volba("hearth-lining", id::VolbaNistej, id::VolbaNistejHodnota, jazykPomoci)},
      refraktory{volba("refractories", id::VolbaRefraktory, id::VolbaRefraktoryHodnota, jazykPomoci)},
      plochaSten{volba("wall-area", id::VolbaPlochaSten, id::VolbaPlochaStenHodnota, jazykPomoci)},
      dvere{volba("door", id::VolbaDvere, id::VolbaDvereHodnota, jazykPomoci)},
      start{volba("start", id::VolbaStart, id::VolbaStartHodnota, jazykPomoci)} {
    for (const PopisPole& p : PoleUlohy()) {
        if (p.volba != nullptr) {
            pole.emplace_back(&p, volba(p.volba, p.popisVolby, p.jednotkaVolby, jazykPomoci));
        }
    }
}

std::unique_ptr<QTranslator> PrelozParser(Jazyk jazyk) {
    if (jazyk == Jazyk::Anglicky) {
        return nullptr;
    }
    auto slova = std::make_unique<SlovaParseru>(jazyk);
    QCoreApplication::installTranslator(slova.get());
    return slova;
}

QString PopisPomoci(Jazyk jazyk) {
    // A command's line, and its text wrapped beneath from column 20.
    constexpr qsizetype kOdsazeni = 20;
    constexpr qsizetype kSirka = 92;
    const std::pair<int, int> prikazy[] = {
        {id::PomocCompute, id::PomocComputeText}, {id::PomocTable, id::PomocTableText},
        {id::PomocChart, id::PomocChartText},     {id::PomocReport, id::PomocReportText},
        {id::PomocGoal, id::PomocGoalText},       {id::PomocSweep, id::PomocSweepText},
        {id::PomocFit, id::PomocFitText},
    };
    QString popis = Text(id::PopisProgramu, jazyk) + QStringLiteral(".\n\n") + Text(id::PomocPrikazy, jazyk) +
                    QLatin1Char('\n');
    for (const auto& [radek, text] : prikazy) {
        QString r = QStringLiteral("  ") + Text(radek, jazyk);
        r.replace(QLatin1String("%1"), QString::fromStdString(NazvyPoli(Hledani::Mensi, "|")));
        r = r.size() < kOdsazeni - 1 ? r.leftJustified(kOdsazeni) : r + QLatin1Char('\n') + QString(kOdsazeni, u' ');
        qsizetype sloupec = kOdsazeni;
        bool prvni = true;
        for (const QString& slovo : Text(text, jazyk).split(QLatin1Char(' '))) {
            if (!prvni && sloupec + 1 + slovo.size() > kSirka) {
                r += QLatin1Char('\n') + QString(kOdsazeni, u' ');
                sloupec = kOdsazeni;
                prvni = true;
            }
            r += (prvni ? QString() : QStringLiteral(" ")) + slovo;
            sloupec += (prvni ? 0 : 1) + slovo.size();
            prvni = false;
        }
        popis += r + QLatin1Char('\n');
    }
    return popis + QLatin1Char('\n') + Text(id::PomocNavrat, jazyk) + QLatin1Char('\n') + Text(id::PomocOkno, jazyk);
}

}  // namespace zorvet::davka
