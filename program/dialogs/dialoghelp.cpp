#include "dialoghelp.h"

QString dialogHelpTopic(int context)
{
    switch (context) {
    case 20: // a date read in either calendar
        return QStringLiteral(
            "Kui kast „juuliuse kalender” on märgitud, loetakse sisestatud kuupäev Juliuse "
            "ehk vana kalendri järgi ja teisendatakse arvutamiseks gregooriuse kalendrisse; "
            "tühja kasti korral loetakse kuupäev gregooriuse ehk uue kalendri järgi. "
            "Gregooriuse kalender võeti kasutusele 15.10.1582; varasemat kuupäeva saab lugeda "
            "ainult Juliuse kalendri järgi. Siis on kast hall ja lukus ning klõps seda ei muuda. "
            "Alates 15.10.1582 on kast vaba: klõps märgib selle või teeb tühjaks ja kui vastus "
            "on juba näha, arvutatakse see kohe uuesti.");
    case 30: // the date of a Julian day number
        return QStringLiteral(
            "Kui kast „juuliuse kalender” on märgitud, näidatakse Juliuse päevale vastav "
            "kuupäev Juliuse ehk vana kalendri järgi, tühja kasti korral gregooriuse ehk uue "
            "kalendri järgi. Juliuse päevad enne 2 299 161 (15.10.1582) jäävad aega, mil "
            "gregooriuse kalendrit veel ei olnud: nende kuupäev näidatakse Juliuse kalendri "
            "järgi ning kast on hall ja lukus. Gregooriuse kalendri järgi arvutatud kuupäeva "
            "näitab siis vastuse kõrval olev nupp „G”.");
    case 40: // adding or subtracting days in the Julian calendar
        return QStringLiteral(
            "Kui kast „juuliuse kalender” on märgitud, loetakse sisestatud kuupäev Juliuse "
            "ehk vana kalendri järgi ja ka uus kuupäev antakse Juliuse kalendri järgi. "
            "Kahe kalendri vastused lähevad lahku ainult siis, kui nihke sisse jääb 29. veebruar, "
            "mis on olemas Juliuse kalendris, aga mitte gregooriuse kalendris: see juhtub "
            "sajandi aastatel, mis ei jagu 400-ga (näiteks 1700, 1800 ja 1900). Seepärast on "
            "kast kasutatav ainult siis, kui kuupäeva nihutatakse üksnes päevade võrra "
            "(aastate ja kuude arv on 0) ja nihe ulatub üle sellise sajandi aasta.");
    default:
        return QString();
    }
}
