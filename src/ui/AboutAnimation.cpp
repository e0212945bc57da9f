#include "ui/Saldori.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>

// The controls are never put back, so on every later showing each phase finds them at its
// end already and only sets the end positions again.
void Saldori::Ajastin_Timer() {
    if (tietovaihe == Tietovaihe::first) {
        if (twips::left(Ikoni) < 50) {
            twips::setLeft(Ikoni, twips::left(Ikoni) + 15);
            twips::setTop(SaldoriNimi, twips::top(SaldoriNimi) - 40);
            twips::setLeft(OK2, twips::left(OK2) - 18);
        } else {
            twips::setLeft(Ikoni, 50);
            twips::setTop(SaldoriNimi, 200);
            twips::setLeft(OK2, 3400);
            tietovaihe = Tietovaihe::second;
        }
    } else if (tietovaihe == Tietovaihe::second) {
        if (twips::left(Versio1) > 3120) {
            twips::setLeft(Versio1, twips::left(Versio1) - 45);
            if (twips::left(Koti) < 0) {
                twips::setLeft(Koti, twips::left(Koti) + 70);
                twips::setTop(SPosti, twips::top(SPosti) - 13);
            }
        } else {
            twips::setLeft(Versio1, 3120);
            twips::setLeft(Koti, 50);
            twips::setTop(SPosti, 1100);
            tietovaihe = Tietovaihe::none;
        }
    } else {
        Ajastin->stop();
    }
}
