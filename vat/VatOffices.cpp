#include "vat/VatOffices.h"

namespace {

struct Row {
    const char *code;
    const char *name;  // UTF-8
};

constexpr Row kRows[VatOffices::kRowCount] = {
    {"001", "Torino"},
    {"002", "Vercelli"},
    {"003", "Novara"},
    {"004", "Cuneo"},
    {"005", "Asti"},
    {"006", "Alessandria"},
    {"007", "Aosta"},
    {"008", "Imperia"},
    {"009", "Savona"},
    {"010", "Genova 1"},
    {"011", "La Spezia"},
    {"012", "Varese"},
    {"013", "Como"},
    {"014", "Sondrio"},
    {"015", "Milano 1"},
    {"016", "Bergamo"},
    {"017", "Brescia 1"},
    {"018", "Pavia"},
    {"019", "Cremona"},
    {"020", "Mantova"},
    {"021", "Bolzano"},
    {"022", "Trento"},
    {"023", "Verona"},
    {"024", "Vicenza"},
    {"025", "Belluno"},
    {"026", "Treviso"},
    {"027", "Venezia"},
    {"028", "Padova"},
    {"029", "Rovigo"},
    {"030", "Udine"},
    {"031", "Gorizia"},
    {"032", "Trieste"},
    {"033", "Piacenza"},
    {"034", "Parma"},
    {"035", "Reggio Emilia"},
    {"036", "Modena"},
    {"037", "Bologna 1"},
    {"038", "Ferrara"},
    {"039", "Ravenna"},
    {"040", "Forlì"},
    {"041", "Pesaro"},
    {"042", "Ancona"},
    {"043", "Macerata"},
    {"044", "Ascoli Piceno"},
    {"045", "Massa Carrara"},
    {"046", "Lucca"},
    {"047", "Pistoia"},
    {"048", "Firenze 1"},
    {"049", "Livorno"},
    {"050", "Pisa"},
    {"051", "Arezzo"},
    {"052", "Siena"},
    {"053", "Grosseto"},
    {"054", "Perugia"},
    {"055", "Terni"},
    {"056", "Viterbo"},
    {"057", "Rieti"},
    {"058", "Roma 1"},
    {"059", "Latina"},
    {"060", "Frosinone"},
    {"061", "Caserta"},
    {"062", "Benevento"},
    {"063", "Napoli 1"},
    {"064", "Avellino"},
    {"065", "Salerno"},
    {"066", "L'Aquila"},
    {"067", "Teramo"},
    {"068", "Pescara"},
    {"069", "Chieti"},
    {"070", "Campobasso"},
    {"071", "Foggia"},
    {"072", "Bari"},
    {"073", "Taranto"},
    {"074", "Brindisi"},
    {"075", "Lecce"},
    {"076", "Potenza"},
    {"077", "Matera"},
    {"078", "Cosenza"},
    {"079", "Catanzaro"},
    {"080", "Reggio Calabria"},
    {"081", "Trapani"},
    {"082", "Palermo"},
    {"083", "Messina"},
    {"084", "Agrigento"},
    {"085", "Caltanissetta"},
    {"086", "Enna"},
    {"087", "Catania"},
    {"088", "Ragusa"},
    {"089", "Siracusa"},
    {"090", "Sassari"},
    {"091", "Nuoro"},
    {"092", "Cagliari"},
    {"093", "Pordenone"},
    {"094", "Isernia"},
    {"095", "Oristano"},
    {"096", "Monza (Milano 2)"},
    {"097", "Prato (Firenze 2)"},
    {"098", "Brescia 2"},
    {"099", "Chiavari (Genova 2)"},
    {"100", "Roma 2"},
    {"101", "Bologna 2"},
    {"102", "Napoli 2"},
    {"120", "Bologna 2"},
    {"121", "Napoli 2"},
};

}  // namespace

QString VatOffices::name(const QString &code) {
    // Every row is compared; the codes are unique, so at most one matches.
    QString found;
    for (const Row &row : kRows)
        if (code == QLatin1String(row.code)) found = QString::fromUtf8(row.name);
    return found;
}

QString VatOffices::codeAt(int row) {
    if (row < 0 || row >= kRowCount) return QString();
    return QString::fromLatin1(kRows[row].code);
}

QString VatOffices::nameAt(int row) {
    if (row < 0 || row >= kRowCount) return QString();
    return QString::fromUtf8(kRows[row].name);
}
