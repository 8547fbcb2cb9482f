// SPDX-License-Identifier: GPL-3.0-or-later
// The help topics by context number, the texts the "Mis see on?" pop-ups show.
#include "forms.h"

namespace forms {

QString helpTopic(int context)
{
    switch (context) {
    case 11: // fraInternet
        return QStringLiteral(
            "Interneti-aeg jagab ööpäeva tuhandeks võrdseks osaks ehk biidiks; üks biit kestab "
            "1 minut ja 26,4 sekundit. Interneti-aja ööpäev algab keskööl Kesk-Euroopa talveaja "
            "(UT + 1 tund) järgi ja on kõikjal maailmas sama, ajavööndeid see ei tunne. "
            "Näit kirjutatakse @-märgi järele; näiteks @ 500,00 on keskpäev Kesk-Euroopa "
            "talveaja järgi.");
    case 12: // fraUnix
        return QStringLiteral(
            "Unix'i aeg on sekundite arv, mis on möödunud 1. jaanuari 1970 keskööst "
            "maailmaaja (UT) järgi. Seda loendurit kasutavad aja hoidmiseks Unix ja paljud "
            "teised arvutisüsteemid. Liigsekundeid Unix'i aeg ei arvesta, nii et igas "
            "ööpäevas on täpselt 86 400 sekundit.");
    case 13: // fraJuliusePäev
        return QStringLiteral(
            "Juliuse päev on päevade katkematu loendus, mis algas 1. jaanuari 4713 eKr "
            "(Juliuse kalendri järgi) keskpäeval. Astronoomiline Juliuse päev algab keskpäeval "
            "maailmaaja (UT) järgi ning selle murdosa näitab, kui suur osa päevast on möödunud. "
            "Tavakasutuses olev Juliuse päev algab keskööl kohaliku aja järgi: täisosa on "
            "tänase kuupäeva Juliuse päeva number ja murdosa keskööst möödunud osa ööpäevast.");
    case 14: // fraKelladeVahe
        return QStringLiteral(
            "Kellade vahe on päikesekella (tõelise päikeseaja) ja ühtlaselt käiva kella näitude "
            "vahe minutites ja sekundites; seda nimetatakse ajavõrrandiks. Positiivne "
            "väärtus tähendab, et päikesekell on ees, negatiivne, et see jääb maha. Aasta jooksul "
            "muutub vahe umbes −14 minutist veebruaris kuni +16 minutini novembris. Kaks näitu on "
            "arvutatud sama päeva eri kellaaegade kohta ja erinevad vaid mõne sekundi võrra.");
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

} // namespace forms
