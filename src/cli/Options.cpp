#include "cli/Options.h"

#include "cli/Export.h"
#include "cli/Help.h"
#include "cli/HistoryCommands.h"
#include "cli/Import.h"
#include "cli/Output.h"
#include "cli/Questions.h"

namespace cli {

const QList<Option>& options() {
    static const QList<Option> table = {
        {.names = {QStringLiteral("h"), QStringLiteral("help")},
         .helpFi = QStringLiteral("näytä tämä ohje ja lopeta"),
         .helpEn = QStringLiteral("show this help and exit"),
         .run = printHelp},
        {.names = {QStringLiteral("V"), QStringLiteral("v"), QStringLiteral("version")},
         .helpFi = QStringLiteral("näytä versio ja lopeta"),
         .helpEn = QStringLiteral("show the version and exit"),
         .run = printVersion},
        {.names = {QStringLiteral("export")},
         .helpFi = QStringLiteral("tulosta koko rekisteri CSV-muodossa (UTF-8) sarakkeina "
                                  "lainaaja, paikka ja laina; lainaajasta, jolla ei ole lainoja, "
                                  "tulee rivi ilman paikkaa ja lainaa"),
         .helpEn = QStringLiteral("print the whole register as CSV (UTF-8) in the columns "
                                  "lainaaja (borrower), paikka (slot) and laina (loan); a "
                                  "borrower without loans is a row without slot and loan"),
         .readsFiles = true,
         .run = printRegister},
        {.names = {QStringLiteral("historia")},
         .helpFi = QStringLiteral("listaa tallennetut muutokset uusimmasta alkaen: numero, aika ja "
                                  "muutos"),
         .helpEn = QStringLiteral("list the kept changes, newest first: number, time and what "
                                  "the change was"),
         .readsFiles = true,
         .run = [](const QString&) { return printHistory(); }},
        {.names = {QStringLiteral("palauta")},
         .valueFi = QStringLiteral("N"),
         .valueEn = QStringLiteral("N"),
         .helpFi = QStringLiteral("palauta tiedostot sellaisiksi kuin ne olivat ennen muutosta N; "
                                  "palautuskin on muutos, jonka voi perua"),
         .helpEn = QStringLiteral("put the files back as they were before change N; the restore "
                                  "is a change too, which can be taken back"),
         .readsFiles = true,
         .run = restoreChange},
        {.names = {QStringLiteral("summat")},
         .helpFi = QStringLiteral("tulosta kunkin lainaajan lainojen summa, lainojen määrä ja "
                                  "niiden lainojen määrä, joista summaa ei voi lukea, sekä "
                                  "yhteissumma"),
         .helpEn = QStringLiteral("print each borrower's sum of loans, number of loans and number "
                                  "of loans whose amount cannot be read, then the total"),
         .readsFiles = true,
         .modifier = QStringLiteral("csv"),
         .run = [](const QString& csv) { return printSums(!csv.isEmpty()); }},
        {.names = {QStringLiteral("csv")},
         .helpFi = QStringLiteral("--summat CSV-muodossa (summat euroina muodossa -1234.50)"),
         .helpEn = QStringLiteral("--summat as CSV (sums in euros, written as -1234.50)")},
        {.names = {QStringLiteral("hae")},
         .valueFi = QStringLiteral("TEKSTI"),
         .valueEn = QStringLiteral("TEXT"),
         .helpFi = QStringLiteral("tulosta kuten --export ne rivit, joiden lainaajassa tai "
                                  "lainassa teksti on (isoilla ja pienillä kirjaimilla ei ole "
                                  "väliä)"),
         .helpEn = QStringLiteral("print as --export does the rows whose borrower or loan holds "
                                  "the text, in any letter case"),
         .readsFiles = true,
         .run = printMatches},
        {.names = {QStringLiteral("tuo")},
         .valueFi = QStringLiteral("TIEDOSTO.csv"),
         .valueEn = QStringLiteral("FILE.csv"),
         .helpFi = QStringLiteral("korvaa rekisteri --export-muotoisella tiedostolla yhtenä "
                                  "muutoksena; ei ikkunan ollessa auki"),
         .helpEn = QStringLiteral("replace the register with a file in the form --export writes, "
                                  "as one change; not while the window is open"),
         .readsFiles = true,
         .valueIsFile = true,
         .run = importRegister},
    };
    return table;
}

} // namespace cli
