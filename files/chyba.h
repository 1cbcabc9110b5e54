// The one way a failure reaches the one who shows it: its kind and its text. The kind tells the
// window its icon and the batch its exit status; the text, already in the user's language, is
// what the message box or standard error says. No control flow looks at the text.
#pragma once

#include <QString>

namespace zorvet {

enum class DruhChyby {
    Soubor,         // a file could not be read, or written ("File Error")
    Zadani,         // the case is refused: a value, or the case as a whole ("Setting Error")
    Volba,          // an option of the command line is wrong
    Vypocet,        // the computation failed ("Evaluation Error")
    Preteceni,      // it needs more rows than the table holds (told with the information icon)
    Jadro,          // the core of a thick charge did not reach the final temperature
};

struct Chyba {
    DruhChyby druh = DruhChyby::Soubor;
    QString titulek;  // the message box's title; the batch puts it before the text
    QString text;
};

}  // namespace zorvet
