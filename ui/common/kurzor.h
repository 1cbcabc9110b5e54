// The busy pointer for the length of a scope, put back on every path out of it.
#pragma once

#include "ui/common/dialogy.h"

namespace zorvet {

class KurzorCekani {
public:
    explicit KurzorCekani(Dialogy& dialogy) : dialogy_(dialogy) { dialogy_.kurzorCekani(); }
    ~KurzorCekani() { uvolni(); }
    KurzorCekani(const KurzorCekani&) = delete;
    KurzorCekani& operator=(const KurzorCekani&) = delete;

    // The normal pointer before the scope ends (before a message box is shown).
    void uvolni() {
        if (aktivni_) {
            aktivni_ = false;
            dialogy_.kurzorNormalni();
        }
    }

private:
    Dialogy& dialogy_;
    bool aktivni_ = true;
};

}  // namespace zorvet
