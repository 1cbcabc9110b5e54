// Runs one window test class by name (as ctest does), or every class without an argument.
#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

#include "support/okna.h"

namespace {

// Closes a modal dialog that no test handler took, so that a test fails instead of hanging.
class Hlidac : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            auto* dialog = qobject_cast<QDialog*>(o);
            if (dialog != nullptr && dialog->isModal() && !dialog->property("zorvetObslouzeno").toBool()) {
                zorvet::test::CiziOkna().append(dialog->objectName().isEmpty()
                                                    ? QString::fromLatin1(dialog->metaObject()->className())
                                                    : dialog->objectName());
                QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
            }
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and the user's data folder in a scratch folder: no test touches the real ones.
    QTemporaryDir domov;
    qputenv("XDG_CONFIG_HOME", domov.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", domov.filePath(QStringLiteral("data")).toUtf8());
    QApplication app(argc, argv);
    Hlidac hlidac;
    app.installEventFilter(&hlidac);

    QStringList argumenty = app.arguments();
    const QString jmeno = argumenty.size() > 1 && !argumenty.at(1).startsWith(QLatin1Char('-')) ? argumenty.takeAt(1)
                                                                                                  : QString();
    int chyby = 0;
    int spusteno = 0;
    for (const auto& [trida, vyroba] : zorvet::test::TestyOken()) {
        if (jmeno.isEmpty() || jmeno == QString::fromStdString(trida)) {
            std::unique_ptr<QObject> test = vyroba();
            chyby += QTest::qExec(test.get(), argumenty);
            ++spusteno;
        }
    }
    // A class that does not exist runs nothing, and that is no pass.
    if (spusteno == 0) {
        std::fprintf(stderr, "no window test class %s\n", qPrintable(jmeno));
        return 1;
    }
    return chyby == 0 ? 0 : 1;
}
