#pragma once

// The window's animation states, named as its tables name them. `none` is the state at rest,
// which no tick acts on.

// The panel transition that the timer liikuttaja moves.
enum class Liiketila {
    none,
    llainaaja,
    llainaajatakaisin,
    ohjellainaajatakaisin,
    muokkaus,
    muokkaustakaisin,
    llaina,
    llainatakaisin,
    ohjellainatakaisin,
    SLAL1,
    ohjetakaisin,
    apua,
    apuatakaisin,
    apuatakaisin1,
    webupdate,
    webupdatetakaisin,
};

// The help timer's move: the topics, the About panel and the hint line.
enum class Ohjetila { none, ohje, ohjetakaisin, piilota, näytä, tietoa, tietoatakaisin };

// The phase of the About panel's animation.
enum class Tietovaihe { none, first, second };

// The menu label that blinks, in menu order.
enum class Vilkkukohde { none, LLainaaja, LLaina, PLainaaja, PLaina, Muokkaa, Apua, Lopeta };
