#include "files/retezce.h"

#include <QFile>
#include <QHash>
#include <QStringList>

namespace zorvet {

namespace {

// Lines of the data file: ID, a tab, (for English IDs) the name and a tab, the text between
// double quotes; '#' starts a comment.
QHash<int, QString> nactiTabulku() {
    QHash<int, QString> tabulka;
    QFile soubor(QStringLiteral(":/zorvet/strings.txt"));
    if (!soubor.open(QIODevice::ReadOnly)) {
        return tabulka;
    }
    const QString obsah = QString::fromUtf8(soubor.readAll());
    for (const QString& radek : obsah.split(QLatin1Char('\n'))) {
        if (radek.isEmpty() || radek.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype tab = radek.indexOf(QLatin1Char('\t'));
        const qsizetype prvni = radek.indexOf(QLatin1Char('"'), tab);
        const qsizetype posledni = radek.lastIndexOf(QLatin1Char('"'));
        if (tab <= 0 || prvni < 0 || posledni <= prvni) {
            continue;
        }
        bool ok = false;
        const int id = radek.left(tab).toInt(&ok);
        if (ok) {
            tabulka.insert(id, radek.mid(prvni + 1, posledni - prvni - 1));
        }
    }
    return tabulka;
}

}  // namespace

QString BezAkceleratoru(QString popisek) {
    // "&&" stands for an ampersand that is shown.
    popisek.replace(QLatin1String("&&"), QLatin1String("\x01"));
    popisek.remove(QLatin1Char('&'));
    popisek.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return popisek;
}

QString LoadResString(int id) {
    static const QHash<int, QString> tabulka = nactiTabulku();
    return tabulka.value(id);
}

}  // namespace zorvet
