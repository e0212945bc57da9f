#include "ui/Panels.h"
#include "ui/Saldori.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>

// The controls are never put back, so on every later showing each phase finds them at its
// end already and only sets the end positions again.
void Saldori::Ajastin_Timer() {
    if (tietovaihe == Tietovaihe::first) {
        if (twips::left(Tietoa->Ikoni) < 50) {
            twips::setLeft(Tietoa->Ikoni, twips::left(Tietoa->Ikoni) + 15);
            twips::setTop(Tietoa->SaldoriNimi, twips::top(Tietoa->SaldoriNimi) - 40);
            twips::setLeft(Tietoa->OK2, twips::left(Tietoa->OK2) - 18);
        } else {
            twips::setLeft(Tietoa->Ikoni, 50);
            twips::setTop(Tietoa->SaldoriNimi, 200);
            twips::setLeft(Tietoa->OK2, 3400);
            tietovaihe = Tietovaihe::second;
        }
    } else if (tietovaihe == Tietovaihe::second) {
        if (twips::left(Tietoa->Versio1) > 3120) {
            twips::setLeft(Tietoa->Versio1, twips::left(Tietoa->Versio1) - 45);
            if (twips::left(Tietoa->Koti) < 0) {
                twips::setLeft(Tietoa->Koti, twips::left(Tietoa->Koti) + 70);
                twips::setTop(Tietoa->SPosti, twips::top(Tietoa->SPosti) - 13);
            }
        } else {
            twips::setLeft(Tietoa->Versio1, 3120);
            twips::setLeft(Tietoa->Koti, 50);
            twips::setTop(Tietoa->SPosti, 1100);
            tietovaihe = Tietovaihe::none;
        }
    } else {
        Ajastin->stop();
    }
}
