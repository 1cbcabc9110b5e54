// The chart saved as a PNG, SVG or PDF picture: the files themselves, the Export button of
// the chart view, and the save dialog that picks the format.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include "files/nastaveni.h"
#include "files/retezce.h"
#include "okna_pomoc.h"
#include "ui/export_grafu.h"

using namespace zorvet;
using namespace zorvet::test;

Q_DECLARE_METATYPE(zorvet::FormatGrafu)

namespace {


// Where the blue curve lies, as fractions of the picture's width and height.
QRectF rozsahModre(const QImage& obraz) {
    int x0 = obraz.width();
    int y0 = obraz.height();
    int x1 = -1;
    int y1 = -1;
    for (int y = 0; y < obraz.height(); ++y) {
        for (int x = 0; x < obraz.width(); ++x) {
            const QColor c = obraz.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 60 && c.green() < 60) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    return {double(x0) / obraz.width(), double(y0) / obraz.height(), double(x1 - x0) / obraz.width(),
            double(y1 - y0) / obraz.height()};
}

QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A computed worked example, so that the pictures show real curves.
std::unique_ptr<Stav> spocitany(bool rizeny, std::int16_t jazyk) {
    auto stav = std::make_unique<Stav>();
    PrikladovaUloha(*stav, rizeny);
    stav->Jazyk = jazyk;
    if (Vypocet(*stav).konec != KonecVypoctu::Uspech) {
        return nullptr;
    }
    return stav;
}

QString pripona(FormatGrafu f) {
    switch (f) {
        case FormatGrafu::Png:
            return QStringLiteral("png");
        case FormatGrafu::Svg:
            return QStringLiteral("svg");
        case FormatGrafu::Pdf:
            return QStringLiteral("pdf");
    }
    return {};
}

// The SVG's root element's attributes and every text it draws.
struct Svg {
    QString koren;
    QString sirka;
    QString vyska;
    QString viewBox;
    QString titulek;
    QStringList texty;
};

Svg prectiSvg(const QByteArray& data) {
    Svg svg;
    QXmlStreamReader xml(data);
    QString prvek;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (svg.koren.isEmpty()) {
            svg.koren = xml.name().toString();
            svg.sirka = xml.attributes().value(QStringLiteral("width")).toString();
            svg.vyska = xml.attributes().value(QStringLiteral("height")).toString();
            svg.viewBox = xml.attributes().value(QStringLiteral("viewBox")).toString();
        } else if (xml.name() == QLatin1String("title")) {
            svg.titulek = xml.readElementText();
        } else if (xml.name() == QLatin1String("text")) {
            svg.texty.append(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
        }
    }
    return xml.hasError() ? Svg{} : svg;
}

double milimetru(const QString& delka) {
    return delka.endsWith(QLatin1String("mm")) ? delka.chopped(2).toDouble() : -1.0;
}

struct Pohled : Sezeni {
    QPushButton* export_ = prvek<QPushButton>("cmdExport");
};

}  // namespace

class ExportGrafuTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        UlozJazyk(kAnglicky);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void pictureFiles_data() {
        QTest::addColumn<FormatGrafu>("format");
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<QSize>("velikost");
        QTest::newRow("PNG, controlled") << FormatGrafu::Png << 0 << true << QSize(2400, 1800);
        QTest::newRow("PNG, Czech, small") << FormatGrafu::Png << 200 << false << QSize(800, 600);
        QTest::newRow("SVG") << FormatGrafu::Svg << 0 << false << QSize(2400, 1800);
        QTest::newRow("SVG, Czech, controlled, wide") << FormatGrafu::Svg << 200 << true << QSize(3000, 1000);
        QTest::newRow("PDF, controlled") << FormatGrafu::Pdf << 0 << true << QSize(2400, 1800);
        QTest::newRow("PDF, Czech") << FormatGrafu::Pdf << 200 << false << QSize(1200, 900);
    }
    void pictureFiles() {
        QFETCH(FormatGrafu, format);
        QFETCH(int, jazyk);
        QFETCH(bool, rizeny);
        QFETCH(QSize, velikost);
        const auto j = static_cast<std::int16_t>(jazyk);
        const std::unique_ptr<Stav> stav = spocitany(rizeny, j);
        QVERIFY(stav != nullptr);
        QTemporaryDir dir;
        const QString cesta = dir.filePath(QStringLiteral("graf.") + pripona(format));
        const std::optional<QString> duvod = ExportujGraf(*stav, cesta, format, velikost);
        QVERIFY2(!duvod, qPrintable(duvod.value_or(QString())));
        const QByteArray data = obsah(cesta);
        QVERIFY(!data.isEmpty());

        QImage obraz;
        switch (format) {
            case FormatGrafu::Png: {
                QVERIFY(data.startsWith("\x89PNG\r\n\x1a\n"));
                QVERIFY(obraz.loadFromData(data, "PNG"));
                QCOMPARE(obraz.size(), velikost);
                // 300 dpi, so that a report prints it at its size.
                QCOMPARE(qRound(obraz.dotsPerMeterX() * 0.0254), kDpiExportu);
                QCOMPARE(obraz.text(QStringLiteral("Title")), Text(70, j));
                break;
            }
            case FormatGrafu::Svg: {
                const Svg svg = prectiSvg(data);
                QCOMPARE(svg.koren, QStringLiteral("svg"));
                QCOMPARE(svg.viewBox, QStringLiteral("0 0 %1 %2").arg(velikost.width()).arg(velikost.height()));
                QVERIFY(std::abs(milimetru(svg.sirka) - velikost.width() * 25.4 / kDpiExportu) < 0.2);
                QVERIFY(std::abs(milimetru(svg.vyska) - velikost.height() * 25.4 / kDpiExportu) < 0.2);
                QCOMPARE(svg.titulek, Text(70, j));
                QStringList ocekavane{Text(70, j), Text(71, j), Text(72, j)};
                if (rizeny) {
                    ocekavane << Text(114, j) << Text(115, j);
                }
                for (const QString& t : ocekavane) {
                    QVERIFY2(svg.texty.contains(t), qPrintable(t));
                }
                QSvgRenderer kresba(data);
                QVERIFY(kresba.isValid());
                obraz = QImage(velikost / 2, QImage::Format_RGB32);
                obraz.fill(Qt::white);
                QPainter painter(&obraz);
                kresba.render(&painter);
                break;
            }
            case FormatGrafu::Pdf: {
                QVERIFY(data.startsWith("%PDF-1."));
                QVERIFY(data.trimmed().endsWith("%%EOF"));
                // One page of the picture's size, in points.
                const QRegularExpression media(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
                const auto shoda = media.match(QString::fromLatin1(data));
                QVERIFY(shoda.hasMatch());
                QVERIFY(std::abs(shoda.captured(1).toDouble() - velikost.width() * 72.0 / kDpiExportu) < 1.0);
                QVERIFY(std::abs(shoda.captured(2).toDouble() - velikost.height() * 72.0 / kDpiExportu) < 1.0);
                QCOMPARE(data.count("/Type /Page\n") + data.count("/Type /Page "), 1);
                // The document's title in the language of the chart (UTF-16 with its mark).
                QByteArray titulek("\xFE\xFF");
                for (const QChar z : Text(70, j)) {
                    titulek.append(char(z.unicode() >> 8)).append(char(z.unicode() & 0xFF));
                }
                QVERIFY(data.contains(titulek));
                break;
            }
        }
        if (!obraz.isNull()) {
            QVERIFY(pocetBodu(obraz, QColor(0, 0, 255)) > 200);
            if (rizeny) {
                QVERIFY(pocetBodu(obraz, QColor(255, 0, 0)) > 200);
            } else {
                QCOMPARE(pocetBodu(obraz, QColor(255, 0, 0)), 0);
            }
        }
    }

    // The chart is laid out the same at every size: a small picture is the big one scaled
    // down, not a chart whose texts crowd out the curves.
    void sameLayoutAtEverySize() {
        const std::unique_ptr<Stav> stav = spocitany(true, kAnglicky);
        QVERIFY(stav != nullptr);
        QTemporaryDir dir;
        QList<QRectF> rozsahy;
        for (const QSize velikost : {QSize(640, 480), QSize(2400, 1800), QSize(6000, 4500)}) {
            const QString cesta = dir.filePath(QStringLiteral("graf%1.png").arg(velikost.width()));
            QVERIFY(!ExportujGraf(*stav, cesta, FormatGrafu::Png, velikost));
            QImage obraz(cesta);
            QCOMPARE(obraz.size(), velikost);
            rozsahy.append(rozsahModre(obraz.scaled(640, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        }
        for (const QRectF& r : rozsahy) {
            QVERIFY(r.width() > 0.5);
            QVERIFY(std::abs(r.left() - rozsahy.first().left()) < 0.02);
            QVERIFY(std::abs(r.top() - rozsahy.first().top()) < 0.02);
            QVERIFY(std::abs(r.width() - rozsahy.first().width()) < 0.02);
            QVERIFY(std::abs(r.height() - rozsahy.first().height()) < 0.02);
        }
    }

    void aFileThatCannotBeWrittenIsNotLeftHalfWritten_data() {
        QTest::addColumn<FormatGrafu>("format");
        QTest::newRow("png") << FormatGrafu::Png;
        QTest::newRow("svg") << FormatGrafu::Svg;
        QTest::newRow("pdf") << FormatGrafu::Pdf;
    }
    void aFileThatCannotBeWrittenIsNotLeftHalfWritten() {
        QFETCH(FormatGrafu, format);
        const std::unique_ptr<Stav> stav = spocitany(false, kAnglicky);
        QTemporaryDir dir;
        const QString cesta = dir.filePath(QStringLiteral("none/graf.") + pripona(format));
        const std::optional<QString> duvod = ExportujGraf(*stav, cesta, format);
        QVERIFY(duvod.has_value());
        QVERIFY(!duvod->isEmpty());
        QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void exportButtonOfTheChartView_data() {
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<QString>("jmeno");  // answered in the save dialog; empty: cancelled
        QTest::addColumn<QByteArray>("zacatek");  // of the file written; empty: none
        QTest::addColumn<int>("chyba");  // string of the message shown; 0: none
        QTest::newRow("PNG") << 0 << "graf.png" << QByteArray("\x89PNG") << 0;
        QTest::newRow("SVG, Czech") << 200 << "graf.svg" << QByteArray("<?xml") << 0;
        QTest::newRow("PDF in capitals") << 0 << "GRAF.PDF" << QByteArray("%PDF-") << 0;
        QTest::newRow("cancelled") << 0 << QString() << QByteArray() << 0;
        QTest::newRow("unknown extension, Czech") << 200 << "graf.jpg" << QByteArray() << 198;
        QTest::newRow("missing folder") << 0 << "none/graf.png" << QByteArray() << 192;
    }
    void exportButtonOfTheChartView() {
        QFETCH(int, jazyk);
        QFETCH(QString, jmeno);
        QFETCH(QByteArray, zacatek);
        QFETCH(int, chyba);
        const auto j = static_cast<std::int16_t>(jazyk);
        QTemporaryDir dir;
        Pohled p;
        p.stav->Jazyk = j;
        UmelyVysledek(*p.stav, true, 30);
        const QString cesta = dir.filePath(jmeno);
        p.dialogy.d.souboryUlozit.append(jmeno.isEmpty() ? std::nullopt : std::optional<QString>(cesta));
        QVERIFY(!p.export_->isVisible());
        p.okno.ZobrazGraf();
        QVERIFY(p.export_->isVisible());
        QCOMPARE(p.export_->text(), Text(190, j));
        // Its accelerator, the same letter in both languages.
        p.klavesa(QKeyCombination(Qt::AltModifier, Qt::Key_E));
        QTRY_COMPARE(p.dialogy.vystupu, 1);
        QCOMPARE(p.dialogy.d.filtry, QStringList{Text(191, j)});
        QCOMPARE(p.dialogy.d.cekani, 0);
        if (zacatek.isEmpty()) {
            QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        } else {
            QVERIFY(obsah(cesta).startsWith(zacatek));
        }
        if (chyba == 0) {
            QVERIFY(p.dialogy.d.zpravy.isEmpty());
        } else {
            QCOMPARE(p.dialogy.d.zpravy.size(), 1);
            const Hlaseni& h = p.dialogy.d.zpravy.first();
            QCOMPARE(h.ikona, Ikona::Vykricnik);
            QCOMPARE(h.titulek, Text(98, j));
            QVERIFY(h.text.startsWith(cesta + QLatin1Char('\n') + Text(192, j)));
            QVERIFY(h.text.contains(Text(chyba, j)));
        }
        // The view stays; closing it takes the button away.
        QVERIFY(p.export_->isVisible());
        p.okno.ZavriPohled();
        QVERIFY(!p.export_->isVisible());
        QVERIFY(p.hlidac.cizi.isEmpty());
    }

    // The save dialog behind the Export button: the chosen pattern's extension goes to a
    // name typed without one, and the working directory stays where it was.
    void saveDialogAddsTheChosenExtension_data() {
        QTest::addColumn<int>("filtr");  // index of the pattern the user picks
        QTest::addColumn<QString>("napsano");
        QTest::addColumn<QString>("vysledek");
        QTest::newRow("PNG, the default") << 0 << "graf" << "graf.png";
        QTest::newRow("SVG picked") << 3 << "graf" << "graf.svg";
        QTest::newRow("PDF picked") << 4 << "graf" << "graf.pdf";
        QTest::newRow("a typed extension stays") << 3 << "graf.pdf" << "graf.pdf";
        QTest::newRow("all files: as typed") << 1 << "graf" << "graf";
    }
    void saveDialogAddsTheChosenExtension() {
        QFETCH(int, filtr);
        QFETCH(QString, napsano);
        QFETCH(QString, vysledek);
        QTemporaryDir start;
        QTemporaryDir cil;
        QVERIFY(QDir::setCurrent(start.path()));
        Stav stav;
        DialogyQt dialogy(stav);
        HlidacModalu hlidac;
        hlidac.ocekavej([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d != nullptr);
            d->setDirectory(cil.path());
            if (filtr > 0) {
                // The user picks the pattern in the file type list.
                auto* typ = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                QVERIFY(typ != nullptr);
                typ->setFocus();
                while (typ->currentIndex() != filtr - 1) {
                    QTest::keyClick(typ, typ->currentIndex() < filtr - 1 ? Qt::Key_Down : Qt::Key_Up);
                }
            }
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(napsano);
            static_cast<QDialog*>(d)->accept();
        });
        const std::optional<QString> cesta = dialogy.ulozitVystup(Text(191, kAnglicky), 2);
        QCOMPARE(hlidac.zbyva(), 0);
        QVERIFY(hlidac.cizi.isEmpty());
        QCOMPARE(cesta.value_or(QString()), QDir(cil.path()).filePath(vysledek));
        QCOMPARE(QDir::currentPath(), QDir(start.path()).absolutePath());
        QDir::setCurrent(QDir::tempPath());
    }
};

ZORVET_TEST_MAIN(ExportGrafuTest)
#include "export_grafu_test.moc"
