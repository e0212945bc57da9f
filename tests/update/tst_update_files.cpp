#include "update/UpdateFiles.h"

#include <QTest>

// The notice and the file list are read line by line, whatever the line ends; a listed name is
// stored only when it is a plain name that none of the user's files has, in any letter case.
class UpdateFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void readsAndJudgesTheList() {
        const QByteArray file = QByteArray(" Uusi, lue \xE4* x\r\n\r\n \rSaldori uusi.bin *\n"
                                           "a..b*\rNimet.KDX*\r\naino.kdx*x\nilman\r\nnimet.kdx") +
                                '\0' + "*\r\n";
        QCOMPARE(update::notice(file), "Uusi, lue ä");
        const QList<std::optional<QString>> names{"Uusi, lue ä",
                                                  "Saldori uusi.bin",
                                                  "a..b",
                                                  "Nimet.KDX",
                                                  "aino.kdx",
                                                  std::nullopt,
                                                  QString("nimet.kdx") + QChar(0)};
        QCOMPARE(update::listedFiles(file), names);
        const QString registered[] = {"", "Aino", "a/b"};
        QList<bool> safe;
        for (const std::optional<QString>& name : names)
            safe << (name && update::safeToStore(*name, registered));
        QCOMPARE(safe, (QList{true, true, false, false, false, false, false}));
    }
};

QTEST_GUILESS_MAIN(UpdateFilesTest)
#include "tst_update_files.moc"
