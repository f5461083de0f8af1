#include "app/HelpTopics.h"

#include <QDir>

#include "cards/CardSheet.h"
#include "cards/CardStock.h"
#include "platform/ProgramFolder.h"

namespace {

// The formats' names as the help calls them.
QString formatName(CardFormat f) {
    switch (f) {
        case CardFormat::SmallLogo:
            return QStringLiteral("piccolo con logo");
        case CardFormat::SmallNoLogo:
            return QStringLiteral("piccolo senza logo");
        case CardFormat::Medium:
            return QStringLiteral("medio");
        case CardFormat::Large:
            return QStringLiteral("grande");
    }
    return QString();
}

// One line per stock of the table: its name, the formats it takes, the products it fits.
QString stockLines() {
    QStringList lines;
    for (const CardStock &stock : CardStock::all()) {
        QStringList formats;
        for (int i = 0; i < CardFormats::kCount; ++i)
            if (CardSheet::fits(CardFormat(i), stock)) formats << formatName(CardFormat(i));
        lines << QString::fromUtf8("- %1 (formato %2; nel terminale %3): %4.")
                     .arg(stock.name(), formats.join(QStringLiteral(" e ")),
                          QString::fromLatin1(stock.key), QString::fromUtf8(stock.products));
    }
    return lines.join(QStringLiteral("\r\n"));
}

HelpTopic menuTopic() {
    return {QStringLiteral("Uno sguardo a Cartaflex"),
            {
                QStringLiteral(
                    "Cartaflex è il programma per realizzare in proprio i biglietti da visita, "
                    "nei formati piccolo, medio e grande, completi del logo dell'azienda o dello "
                    "studio, e per stampare gli indirizzi di mittente e destinatario sulle buste "
                    "da lettera."),
                QStringLiteral(
                    "Il cuore del programma è l'archivio dati personali, che raccoglie le schede "
                    "di persone e aziende: nome, specialità, indirizzo, partita IVA, numeri di "
                    "telefono, e-mail, sito Web e fino a tre loghi. Ogni scheda dell'archivio "
                    "può essere importata nei biglietti da visita e nelle buste, senza dover "
                    "digitare di nuovo i dati. Il tasto Elenco contatti del menu apre l'archivio "
                    "con l'elenco di tutti i contatti sopra di esso: scrivendo qualche parola "
                    "nel filtro l'elenco si restringe all'istante."),
                QStringLiteral(
                    "Nella finestra dei biglietti da visita si sceglie uno dei quattro formati "
                    "(piccolo con logo, piccolo senza logo, medio e grande), si compilano le "
                    "caselle digitando il testo o importando una scheda dall'archivio e si preme "
                    "Stampa: il programma stampa fogli A4 interi di biglietti tutti uguali, "
                    "pronti da ritagliare."),
                QStringLiteral(
                    "La stampa delle buste riporta il logo e l'indirizzo del mittente insieme "
                    "all'indirizzo del destinatario. I margini dei due indirizzi e "
                    "l'orientamento si regolano a piacere, così da adattare la stampa a buste di "
                    "qualsiasi formato e alla propria stampante; il mittente e il logo vengono "
                    "ricordati per le volte successive."),
                QStringLiteral(
                    "Dall'archivio si può controllare il numero di partita IVA di una scheda: il "
                    "programma verifica la cifra di controllo e indica l'ufficio che ha "
                    "rilasciato il numero. Sempre dall'archivio si può scrivere un messaggio di "
                    "posta elettronica al contatto con il proprio programma di posta e visitarne "
                    "il sito Web nel browser."),
                QStringLiteral(
                    "La scheda visualizzata può essere esportata in un documento di "
                    "videoscrittura, pronto da stampare o da completare, e l'intero archivio in "
                    "un foglio di calcolo, una riga per ogni contatto. Il documento si apre nel "
                    "programma per ufficio installato e spetta all'utente salvarlo."),
                QStringLiteral(
                    "La ricerca per chiave parziale trova in pochi istanti un contatto anche in "
                    "un archivio molto ampio: basta scegliere il campo in cui cercare e digitare "
                    "una o più parole, anche incomplete e in qualsiasi ordine. I contatti "
                    "trovati si possono stampare in elenco oppure, con un doppio clic, caricare "
                    "nell'archivio, nei biglietti da visita o nelle buste."),
                QStringLiteral(
                    "Una procedura guidata permette di creare in qualsiasi momento una copia di "
                    "sicurezza dell'archivio in una cartella a scelta, per esempio su un disco "
                    "esterno o su una chiavetta USB, e di ripristinarla in caso di necessità."),
                QStringLiteral(
                    "Ogni finestra ha la sua guida in linea, che si può anche stampare; la guida "
                    "completa in formato PDF si apre dal collegamento in fondo a questa finestra. "
                    "Buon lavoro con Cartaflex!"),
            }};
}

HelpTopic listTopic() {
    return {QStringLiteral("Elenco contatti"),
            {
                QStringLiteral(
                    "L'elenco contatti mostra tutto l'archivio in una tabella, un contatto per "
                    "riga: numero della scheda, persona o azienda, specialità, città, telefono, "
                    "cellulare, e-mail e partita IVA. Si apre dal menu principale con il tasto "
                    "Elenco contatti, dall'archivio con il pulsante dell'elenco o con Ctrl+L, e "
                    "dai biglietti da visita e dalle buste con Ctrl+L."),
                QStringLiteral(
                    "Scrivendo nella casella Filtro restano i contatti che contengono ogni parola "
                    "scritta in una delle colonne, senza badare a maiuscole e accenti: «niccolo "
                    "forli» trova Niccolò di Forlì. Nei numeri di telefono gli spazi non "
                    "contano. Esc vuota il filtro; in alto a destra si legge quanti contatti "
                    "restano."),
                QStringLiteral(
                    "Un clic sul titolo di una colonna ordina l'elenco per quella colonna, un "
                    "secondo clic lo rovescia; i bordi dei titoli si trascinano per allargare le "
                    "colonne. Larghezze e ordine vengono ricordati."),
                QStringLiteral(
                    "Si seleziona un contatto con un clic, altri con Ctrl o Maiusc e il clic, "
                    "tutti con Ctrl+A. Apri (Invio o doppio clic) mostra il contatto nella "
                    "finestra da cui si è aperto l'elenco. Etichette e Buste in serie stampano "
                    "i contatti selezionati, Esporta li scrive in un file CSV, vCard o in un "
                    "foglio di calcolo, E-mail prepara un messaggio con i loro indirizzi in copia "
                    "nascosta, Elimina (o Canc) li toglie dall'archivio dopo una sola domanda. "
                    "Le stesse voci compaiono con il tasto destro del mouse."),
                QStringLiteral(
                    "Se un altro programma modifica l'archivio mentre l'elenco è aperto, l'elenco "
                    "si aggiorna da solo; un'operazione su un contatto che nel frattempo è "
                    "cambiato viene rifiutata con un avviso e l'elenco si rilegge."),
            }};
}

HelpTopic archiveTopic() {
    return {QStringLiteral("Archiviazione dati personali"),
            {
                QStringLiteral(
                    "L'archivio dati personali raccoglie le schede delle persone e delle aziende "
                    "con cui si lavora, ed è la sola finestra in cui le schede si creano, si "
                    "modificano e si cancellano: i biglietti da visita, le buste e la ricerca "
                    "leggono i dati da qui. Per inserire un contatto fare clic sul pulsante "
                    "Nuova scheda, compilare le caselle e fare clic su Salva scheda; un nuovo "
                    "salvataggio della stessa scheda ne registra le modifiche. Per eliminare la "
                    "scheda visualizzata fare clic su Elimina scheda e confermare."),
                QStringLiteral(
                    "Ogni scheda contiene il nome della persona o dell'azienda, l'unico dato "
                    "obbligatorio, la specialità, l'indirizzo, la città, la partita IVA, i numeri "
                    "di telefono, fax e cellulare, l'indirizzo e-mail, una riga di informazioni "
                    "aggiuntive e il sito Web. A ogni scheda si possono associare tre loghi, uno "
                    "per ciascun formato di biglietto con logo: fare clic su Carica, o doppio "
                    "clic sul riquadro del logo, e scegliere il file dell'immagine. I colori del "
                    "nome e della specialità, scelti con gli appositi pulsanti, valgono anche per "
                    "i biglietti da visita. Il tasto Invio porta alla casella successiva."),
                QStringLiteral(
                    "Con le frecce si passa alla prima scheda, alla precedente, alla successiva "
                    "o all'ultima; il numero della scheda visualizzata compare tra le frecce. "
                    "Per trovare rapidamente un contatto fare clic su Trova, scegliere il "
                    "criterio e digitare una parte del testo cercato: l'elenco mostra tutte le "
                    "schede che lo contengono e un doppio clic su una voce la carica nella "
                    "finestra. Se la scheda ha modifiche non salvate, prima di passare a "
                    "un'altra scheda, di svuotare le caselle o di chiudere la finestra il "
                    "programma chiede se salvarle."),
                QStringLiteral(
                    "Se la scheda riporta un sito Web, il pulsante Vai lo apre nel browser "
                    "predefinito; quando manca, il prefisso http:// viene aggiunto da solo. Il "
                    "pulsante Invia prepara nel programma di posta predefinito un nuovo "
                    "messaggio all'indirizzo e-mail del contatto, con una riga di saluto: lo si "
                    "completa e lo si spedisce da lì. Il pulsante Importa ed esporta contatti "
                    "porta in archivio i contatti di un file CSV o vCard, dopo averli mostrati "
                    "in un elenco, e scrive l'archivio in un file CSV o vCard. Si riconoscono "
                    "le vCard 2.1, 3.0 e 4.0 di telefoni, rubriche e server CardDAV e i file "
                    "CSV esportati da Thunderbird e da Outlook, in italiano e in inglese, da "
                    "Google Contatti (nei formati Google CSV e Outlook CSV e in quello "
                    "attuale) e da Cartaflex, anche in UTF-16; l'elenco dice quale "
                    "esportazione è stata riconosciuta e la guida il campo in cui va ogni "
                    "colonna."),
                QStringLiteral(
                    "Il pulsante Controlla accanto alla casella Partita IVA apre la finestra di "
                    "controllo "
                    "con il numero della scheda già inserito: con il pulsante di controllo si "
                    "verifica se il numero è esatto e quale ufficio lo ha rilasciato. La casella "
                    "Partita IVA accetta soltanto cifre."),
            }};
}

HelpTopic cardsTopic() {
    return {QStringLiteral("Gestione biglietti da visita"),
            {
                QStringLiteral(
                    "La finestra mostra affiancati i formati di biglietto da visita: piccolo, "
                    "nelle due varianti con logo e senza logo, medio e grande. Il formato medio "
                    "e quello grande riportano anche il fax e il sito Web, il grande anche una "
                    "riga di informazioni aggiuntive."),
                QStringLiteral(
                    "Le caselle di ciascun formato si compilano digitando il testo oppure "
                    "importando i dati di un contatto dall'archivio dati personali. Un clic in "
                    "una casella seleziona anche il formato a cui appartiene. Per cambiare il "
                    "logo fare doppio clic sul suo riquadro e scegliere il file dell'immagine."),
                QStringLiteral(
                    "Il nome e la specialità compaiono nei colori scelti nella finestra "
                    "dell'archivio dati personali con i pulsanti di selezione del colore, e con "
                    "gli stessi colori vengono stampati; se non è stato scelto alcun colore il "
                    "testo è nero."),
                QStringLiteral(
                    "Per importare un contatto fare clic su Trova e cercarlo per nome, città o "
                    "un altro criterio, oppure scorrere le schede dell'archivio con le frecce: i "
                    "dati della scheda vengono copiati in tutti i formati, con i prefissi P.IVA, "
                    "Tel., Fax e Cel., insieme ai loghi registrati nella scheda."),
                QStringLiteral(
                    "Per preparare un biglietto partendo da zero fare clic sull'icona del foglio "
                    "bianco sopra il formato desiderato: le caselle del formato vengono svuotate, "
                    "il logo viene tolto e si può digitare il nuovo testo."),
                QStringLiteral(
                    "Per stampare selezionare il formato, con il suo pulsante di opzione o con "
                    "un clic sul suo titolo, e premere Stampa. Non occorre compilare tutte le "
                    "caselle: quelle lasciate vuote non compaiono sul biglietto."),
                QStringLiteral(
                    "Ogni pagina stampata è un foglio A4 con 21 biglietti di formato piccolo, 10 "
                    "di formato medio oppure 8 di formato grande, tutti uguali. Nella finestra di "
                    "stampa si scelgono la stampante e il numero di pagine."),
                QStringLiteral(
                    "Un testo più lungo della sua casella viene stampato in un carattere più "
                    "piccolo, fino al 70 % della sua misura; se non basta, viene tagliato al "
                    "bordo della casella. Le caselle rimaste con il testo di esempio, o con il "
                    "solo prefisso (P.IVA, Tel., Fax, Cel.), e il logo di esempio non vengono "
                    "stampati."),
                QString::fromUtf8(
                    "Nella finestra di stampa la casella Carta sceglie il foglio: il foglio A4 "
                    "da ritagliare lungo le linee oppure un foglio di biglietti pronti, "
                    "microperforati o prefustellati, che si separano senza forbici. Sul foglio "
                    "di biglietti il disegno del formato viene ingrandito o rimpicciolito "
                    "(testi, logo e righe nella stessa misura) e centrato in ogni biglietto, "
                    "senza linee di taglio; un formato che andrebbe cambiato di più del 15 % "
                    "non viene proposto per quel foglio. La scelta viene ricordata per ogni "
                    "formato. I fogli e i prodotti a cui corrispondono:"),
                stockLines(),
                QString::fromUtf8(
                    "Nei formati con logo la casella Codice QR stampa al posto del logo un "
                    "codice QR che il telefono legge come contatto: nome, specialità, telefono, "
                    "cellulare, e-mail, indirizzo e sito Web, quelli che il biglietto mostra. I "
                    "punti del codice misurano almeno mezzo millimetro; se non ci stanno il "
                    "codice lascia fuori l'indirizzo e poi il sito Web, e la finestra di stampa "
                    "lo dice."),
            }};
}

HelpTopic envelopesTopic() {
    return {QStringLiteral("Compilazione e stampa indirizzi per buste"),
            {
                QStringLiteral(
                    "Questa finestra stampa l'indirizzo del mittente, con il suo logo, e quello "
                    "del destinatario su buste di qualsiasi formato: basta inserire la busta "
                    "nella stampante e regolare i margini di stampa."),
                QStringLiteral(
                    "Compilare le caselle del mittente e del destinatario, impostare i margini e "
                    "premere Stampa. Il mittente e il logo vengono conservati alla chiusura della "
                    "finestra e ricompaiono la volta successiva; per cambiare il logo fare doppio "
                    "clic sul suo riquadro e scegliere il file dell'immagine. L'icona del foglio "
                    "bianco accanto a ciascun indirizzo ne svuota le caselle."),
                QStringLiteral(
                    "Per importare il mittente dall'archivio dati personali fare clic sull'icona "
                    "di ricerca del mittente, cercare il contatto e fare doppio clic sulla voce "
                    "trovata: nome, specialità, indirizzo, città, partita IVA, telefoni, e-mail e "
                    "logo vengono copiati nell'indirizzo del mittente."),
                QStringLiteral(
                    "Il destinatario si importa allo stesso modo con l'icona di ricerca del "
                    "destinatario, oppure scorrendo le schede dell'archivio con le frecce: "
                    "vengono copiati nome, specialità, indirizzo e città, mentre il mittente "
                    "resta com'è."),
                QStringLiteral(
                    "Con il collegamento Imposta margini di stampa si regolano il margine "
                    "sinistro e il margine superiore di ciascuno dei due indirizzi, in "
                    "centimetri e millimetri, e l'orientamento verticale od orizzontale della "
                    "busta. Un valore positivo sposta la stampa verso destra e verso il basso, "
                    "uno negativo verso sinistra e verso l'alto. Conviene fare qualche stampa di "
                    "prova su un foglio comune prima di usare le buste. Le caselle rimaste con il "
                    "testo di esempio e il globo di esempio non vengono stampati; se il "
                    "destinatario è vuoto il programma chiede prima di stampare."),
            }};
}

HelpTopic backupTopic() {
    // The folder in use, as the user finds it on disk.
    const QString folder = QDir::toNativeSeparators(ProgramFolder::path());
    return {
        QStringLiteral("Copia di sicurezza dei dati"),
        {
            QStringLiteral(
                "Tutte le schede sono conservate in un unico file, Contatti.edb, nella "
                "cartella dei dati (%1). Un guasto del disco, un errore o la cancellazione "
                "involontaria di una scheda possono far perdere il lavoro di mesi: per "
                "questo è bene fare di tanto in tanto una copia di sicurezza dell'archivio, "
                "meglio se su un disco esterno o su una chiavetta USB.")
                .arg(folder),
            QStringLiteral(
                "La procedura guidata si apre dalla finestra dell'archivio dati personali "
                "con il pulsante Backup e ripristino. Nella prima pagina si sceglie se creare una "
                "copia di sicurezza o ripristinarne una, poi si preme Avanti."),
            QStringLiteral(
                "Per creare la copia scegliere la cartella di destinazione e fare clic su "
                "Effettua backup. Il file di copia porta la data del giorno, per esempio "
                "Backup_Contatti_5_3_2024.bkc; se nella cartella esiste già una copia fatta "
                "lo stesso giorno, il programma chiede se sostituirla."),
            QStringLiteral(
                "Per ripristinare una copia scegliere il file di backup, con estensione "
                ".bkc, e fare clic su Effettua ripristino. Dopo la conferma il file scelto "
                "prende il posto dell'archivio in uso: le schede inserite o modificate dopo "
                "la data della copia vanno perse. Un file vuoto, o la cui dimensione non "
                "corrisponde a un numero intero di schede, viene segnalato prima con la sua "
                "dimensione. L'archivio sostituito resta nella stessa cartella dei dati con il "
                "nome Contatti.edb.prima-del-ripristino (solo l'ultimo): per annullare un "
                "ripristino sbagliato basta ripristinare quel file."),
        }};
}

HelpTopic vatTopic() {
    return {
        QStringLiteral("Controllo del numero di partita IVA"),
        {
            QStringLiteral(
                "Il controllo si raggiunge dalla finestra dell'archivio dati personali: il "
                "pulsante Controlla accanto alla casella Partita IVA apre questa finestra con il "
                "numero della scheda visualizzata già inserito. Si può anche digitare un "
                "numero qualsiasi: la casella accetta soltanto cifre, fino a 11."),
            QStringLiteral(
                "Per eseguire il controllo premere il pulsante di controllo oppure il tasto "
                "Invio. Il programma comunica se il numero è esatto e, in questo caso, quale "
                "ufficio lo ha rilasciato; altrimenti lo segnala come errato. Il controllo "
                "non modifica la scheda in archivio."),
            QStringLiteral(
                "L'icona a destra della casella copia il numero negli Appunti, da cui lo si "
                "può incollare in qualsiasi altro programma; l'icona del foglio bianco a "
                "sinistra svuota la casella per un nuovo controllo."),
            HelpTopics::vatSectionHeading(),
            QStringLiteral(
                "Il numero di partita IVA viene attribuito a chi avvia un'impresa, un'arte o "
                "una professione, con la dichiarazione di inizio attività presentata "
                "all'ufficio competente, e resta lo stesso per tutta la durata "
                "dell'attività."),
            QStringLiteral(
                "Il numero è composto da 11 cifre: le prime sette sono il numero progressivo "
                "del contribuente; le tre successive, dall'ottava alla decima, sono il codice "
                "dell'ufficio provinciale che ha rilasciato il numero, per esempio 001 per "
                "Torino o 096 per Monza; l'undicesima è la cifra di controllo."),
            QStringLiteral(
                "La cifra di controllo si ricava dalle prime dieci: si sommano le cifre di "
                "posto dispari; ogni cifra di posto pari si raddoppia e, se il doppio supera "
                "9, se ne sommano le due cifre; anche questi risultati si aggiungono al "
                "totale. La cifra di controllo è quanto manca al totale per arrivare alla "
                "decina successiva, 0 se il totale è già un multiplo di 10. Un numero con la "
                "cifra di controllo giusta ma con un codice d'ufficio inesistente è comunque "
                "errato."),
        }};
}

HelpTopic sharedBookTopic() {
    return {QStringLiteral("Rubrica condivisa"),
            {
                QStringLiteral(
                    "La rubrica condivisa tiene l'archivio allineato con la rubrica di un server "
                    "CardDAV dell'ufficio (Nextcloud, un NAS, Radicale, Baïkal, SOGo, un "
                    "fornitore di posta), la stessa dei telefoni e dei programmi di posta. "
                    "L'archivio funziona anche senza server: la sincronizzazione si attiva solo "
                    "se la si imposta."),
                QStringLiteral(
                    "Per impostarla scegliere Rubrica condivisa… dal pulsante Importa ed esporta "
                    "contatti, scrivere l'indirizzo della rubrica oppure soltanto il nome del "
                    "server, l'utente e la password, e fare clic su Verifica: compaiono le "
                    "rubriche trovate. Scelta la rubrica, Salva conserva indirizzo, utente e "
                    "rubrica nella sezione [Rubrica condivisa] di Cartaflex.ini e la password "
                    "nel portachiavi del desktop, mai in un file; senza portachiavi la password "
                    "si chiede alla prima sincronizzazione e vale fino alla chiusura."),
                QStringLiteral(
                    "Il collegamento è cifrato e il certificato del server è verificato; un "
                    "certificato autofirmato si accetta solo dopo averne confermato l'impronta. "
                    "Un indirizzo http:// non cifrato si usa solo dopo un avviso."),
                QStringLiteral(
                    "Il pulsante Sincronizza (F5) porta le due parti agli stessi contatti: "
                    "aggiunte, modifiche ed eliminazioni fatte da una parte passano all'altra, "
                    "e un messaggio finale riassume quanti contatti sono stati ricevuti, "
                    "inviati ed eliminati. La prima volta i contatti presenti da entrambe le "
                    "parti (stessa partita IVA, o stesso nome e stessa città) vengono "
                    "collegati, non raddoppiati."),
                QStringLiteral(
                    "Un contatto cambiato da entrambe le parti apre una finestra con le due "
                    "versioni campo per campo: si tiene quella dell'archivio, quella del server "
                    "o entrambe, oppure si decide dopo. Un contatto eliminato da una parte e "
                    "cambiato dall'altra torna; più di 10 eliminazioni, o più di un quinto dei "
                    "contatti, si confermano prima."),
                QStringLiteral(
                    "Per smettere di sincronizzare aprire Rubrica condivisa… e fare clic su "
                    "Smetti di sincronizzare: impostazioni, password e stato della "
                    "sincronizzazione (Contatti.sync) vengono cancellati, i contatti restano "
                    "come sono da entrambe le parti."),
            }};
}

}  // namespace

QStringList HelpTopics::keys() {
    return {QStringLiteral("menu"),   QStringLiteral("archivio"), QStringLiteral("biglietti"),
            QStringLiteral("buste"),  QStringLiteral("backup"),   QStringLiteral("iva"),
            QStringLiteral("elenco"), QStringLiteral("rubrica")};
}

std::optional<HelpTopic> HelpTopics::find(const QString &key) {
    if (key == QLatin1String("menu")) return menuTopic();
    if (key == QLatin1String("archivio")) return archiveTopic();
    if (key == QLatin1String("elenco")) return listTopic();
    if (key == QLatin1String("biglietti")) return cardsTopic();
    if (key == QLatin1String("buste")) return envelopesTopic();
    if (key == QLatin1String("backup")) return backupTopic();
    if (key == QLatin1String("iva")) return vatTopic();
    if (key == QLatin1String("rubrica")) return sharedBookTopic();
    return std::nullopt;
}

QString HelpTopics::text(const QStringList &paragraphs) {
    QString text;
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i == 0)
            text = paragraphs.at(0);
        else
            text = text + QStringLiteral("\r\n\r\n") + paragraphs.at(i);
    }
    return text;
}

QString HelpTopics::vatSectionHeading() {
    return QStringLiteral("Uno sguardo al numero di partita IVA\r\n") + QString(35, u'-');
}
