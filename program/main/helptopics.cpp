#include "helptopics.h"

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
    default:
        return QString();
    }
}
