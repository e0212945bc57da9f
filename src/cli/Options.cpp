#include "cli/Options.h"

#include "cli/Export.h"
#include "cli/Help.h"
#include "cli/Output.h"

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
    };
    return table;
}

} // namespace cli
