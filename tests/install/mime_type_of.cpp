// Prints the MIME type that Qt gives each file named on the command line, one
// "file<TAB>type" line each: what the file dialogs and file managers built on Qt show.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QMimeDatabase db;
    const QStringList files = app.arguments().mid(1);
    for (const QString& file : files) {
        std::printf("%s\t%s\n", qPrintable(file), qPrintable(db.mimeTypeForFile(file).name()));
    }
    return 0;
}
