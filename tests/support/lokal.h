// The locale of a test, put back when the test ends: every number text is checked under the
// decimal point and the decimal comma, never under the machine's own locale.
#pragma once

#include <QLocale>
#include <QString>
#include <ostream>

// Failures print texts as texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zorvet::test {

class Lokal {
public:
    explicit Lokal(const char* jmeno) : predtim_(QLocale()) { QLocale::setDefault(QLocale(QString::fromLatin1(jmeno))); }
    ~Lokal() { QLocale::setDefault(predtim_); }
    Lokal(const Lokal&) = delete;
    Lokal& operator=(const Lokal&) = delete;

private:
    QLocale predtim_;
};

}  // namespace zorvet::test
