// cartaflex-cli-manpage writes the Italian manual page cartaflex-cli.1 from the same
// command table that `cartaflex-cli --help` prints: every registered command with its
// usage line, described below. A command without a description stops the build, so the
// page cannot fall behind the program.
#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>
#include <map>

#include "archive/ContactRecord.h"
#include "cli/CliRegistry.h"

namespace {

const std::map<QString, const char *> &descriptions() {
    static const std::map<QString, const char *> all = {
        {"count",
         "Scrive il numero delle schede intere dell'archivio. Una scheda incompleta in fondo "
         "al file non viene contata: un avviso con la sua lunghezza va sull'errore standard."},
        {"list",
         "Scrive tutte le schede nell'ordine del file, una per riga: il numero della scheda "
         "e i quattordici campi, separati da un carattere di tabulazione."},
        {"show", "Scrive la scheda N su quattordici righe CAMPO=valore."},
        {"add",
         "Aggiunge una scheda con i campi indicati (gli altri restano vuoti), come il "
         "salvataggio di un nuovo contatto nella finestra dell'archivio, e ne scrive il numero. "
         "Una scheda senza Titolo viene rifiutata."},
        {"update",
         "Riscrive la scheda N cambiando solo i campi indicati. Un numero fuori "
         "dall'archivio viene rifiutato."},
        {"delete",
         "Cancella la scheda N come la finestra dell'archivio. Un numero fuori dall'archivio "
         "viene rifiutato e nulla cambia."},
        {"search",
         "La ricerca per chiave parziale: CRITERIO è uno dei criteri della finestra di ricerca "
         "(\"Persona o azienda\", \"Città\", ...), CHIAVE la chiave cercata. Scrive le righe "
         "trovate come le mostra l'elenco e poi il conteggio (\"Trovati 3 contatti\")."},
        {"print-search",
         "Stampa l'elenco trovato dalla ricerca come il pulsante di stampa della finestra di "
         "ricerca, in un file PDF o su una stampante."},
        {"test-page",
         "Stampa la pagina di prova del formato di biglietto (griglia di taglio, righelli in "
         "millimetri, croci agli angoli) per calibrare una stampante, in un file PDF o su una "
         "stampante con la sua calibrazione. Con --stock il contorno dei biglietti di quel "
         "foglio al posto della griglia di taglio."},
        {"calibrate",
         "Mostra la calibrazione della stampante NOME, oppure la salva: spostamento orizzontale "
         "e verticale in mm (da -20 a +20) e scala orizzontale e verticale in % (da 98 a 102)."},
        {"print-help",
         "Stampa l'argomento N della guida in linea come il pulsante di stampa della guida, in "
         "un file PDF o su una stampante."},
        {"vat",
         "Il controllo della partita IVA della sua finestra sul NUMERO così come è scritto. "
         "Scrive il messaggio della finestra; esce con 0 solo se il numero è esatto."},
        {"mailto",
         "Scrive la richiesta di posta elettronica che il pulsante della finestra "
         "dell'archivio prepara per la scheda N."},
        {"cards",
         "Stampa fogli di biglietti da visita del formato indicato con la stessa procedura "
         "della finestra di stampa. --record N riempie i campi come lo scorrimento fino alla "
         "scheda N, CAMPO=VALORE cambia un campo del biglietto, --logo carica il logo, "
         "--pages il numero dei fogli (1 se non indicato). I colori vengono dalle "
         "impostazioni. --stock sceglie il foglio: a4 (da ritagliare) o un foglio di biglietti "
         "pronti (85x55-10, 85x54-10, 85x54-8, 90x50-10) su cui il disegno viene scalato e "
         "centrato; senza --stock vale il foglio ricordato per il formato. Un foglio "
         "sconosciuto o non adatto al formato viene rifiutato con uscita 1. --qr stampa nel "
         "riquadro del logo il codice QR del biglietto; ciò che il codice lascia fuori va "
         "sull'errore standard."},
        {"envelope",
         "Stampa una busta come la finestra delle buste appena aperta: mittente, logo, "
         "margini e orientamento dalla cartella del programma, destinatario dalla scheda N "
         "(i testi di esempio senza --record). Non chiede conferma. Con --all (tutto "
         "l'archivio), --search CRITERIO CHIAVE (i contatti trovati) o --records N,N... stampa "
         "in un solo lavoro una busta per ciascun contatto, nell'ordine dell'archivio; i "
         "contatti senza Indirizzo e senza Città sono esclusi, una riga ciascuno sull'errore "
         "standard."},
        {"labels",
         "Stampa etichette per indirizzi su fogli A4 fustellati, una per contatto "
         "nell'ordine dell'archivio: 3x8 (70 × 37 mm), 3x7 (70 × 42,3 mm), 2x7 (99,1 × 38,1 "
         "mm), 3x7s (63,5 × 38,1 mm), 2x4 (99,1 × 67,7 mm). La selezione è la stessa delle "
         "buste in serie; --first K comincia il primo foglio dall'etichetta K. I contatti "
         "senza Indirizzo e senza Città sono esclusi, una riga ciascuno sull'errore "
         "standard; un formato sconosciuto, una scheda fuori dall'archivio o una selezione "
         "vuota sono rifiutati con uscita 1."},
        {"export-xlsx",
         "Esporta l'intero archivio in un foglio di calcolo, scritto nel FILE invece di "
         "essere aperto."},
        {"export-doc",
         "Scrive la scheda dati della scheda N nel FILE (documento .odt) invece di aprirla."},
        {"backup",
         "Copia di sicurezza dell'archivio nella CARTELLA, come la procedura guidata; una "
         "copia di oggi già presente viene sostituita solo con --overwrite. Scrive il "
         "percorso della copia."},
        {"restore",
         "Ripristina l'archivio dalla copia di sicurezza FILE, come la procedura guidata."},
        {"import",
         "Importa i contatti del FILE, CSV o vCard (riconosciuto dal contenuto). Scrive una "
         "riga per contatto, lo stato (nuovo, già presente, da controllare), una tabulazione e "
         "il nome, poi il conteggio. Importa i nuovi e quelli da controllare, con --all anche "
         "i già presenti; con --dry-run non scrive nulla."},
        {"export-csv",
         "Esporta l'archivio, o con --search i contatti trovati dalla ricerca, nel FILE CSV "
         "(UTF-8, separatore punto e virgola, i titoli del foglio di calcolo)."},
        {"export-vcard",
         "Esporta l'archivio, o con --search i contatti trovati dalla ricerca, nel FILE come "
         "vCard 3.0, una per contatto."},
        {"sync-setup",
         "Imposta la rubrica condivisa: URL è l'indirizzo di una rubrica CardDAV oppure quello "
         "del server (le rubriche dell'UTENTE si trovano da sole; --addressbook ne sceglie una). "
         "La password è la prima riga dell'input standard e va nel portachiavi del desktop, "
         "mai in un file; indirizzo, utente e rubrica vanno nella sezione [Rubrica condivisa] "
         "di Cartaflex.ini. Scrive la rubrica usata."},
        {"sync",
         "Sincronizza l'archivio con la rubrica condivisa nei due sensi. Scrive una riga per "
         "contatto cambiato (parte, azione, nome) e poi il riepilogo. Un contatto cambiato da "
         "entrambe le parti è nominato e lasciato com'è, e il comando esce con 1, a meno di "
         "--prefer server o --prefer local; --dry-run elenca senza cambiare nulla; "
         "--password-stdin legge la password dall'input standard. Un'eliminazione che chiede "
         "conferma senza ricevere \"s\" non cambia nulla ed esce con 1."},
    };
    return all;
}

// Text for a troff line: backslashes and hyphens escaped, no leading control character.
QString roff(const QString &text) {
    QString out = text;
    out.replace(u'\\', QStringLiteral("\\e"));
    out.replace(u'-', QStringLiteral("\\-"));
    if (out.startsWith(u'.') || out.startsWith(u'\'')) out.prepend(QStringLiteral("\\&"));
    return out;
}

}  // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "uso: cartaflex-cli-manpage VERSIONE cartaflex-cli.1\n");
        return 2;
    }
    QString page;
    page += QStringLiteral(".TH CARTAFLEX\\-CLI 1 \"\" \"Cartaflex %1\" \"Comandi dell'utente\"\n")
                .arg(args.at(1));
    page += QStringLiteral(
        ".nh\n"
        ".SH NOME\n"
        "cartaflex\\-cli \\- l'archivio dei contatti, i biglietti da visita e le buste di "
        "Cartaflex dal terminale\n"
        ".SH SINTASSI\n"
        ".B cartaflex\\-cli\n"
        "[\\fB\\-\\-folder\\fR \\fICARTELLA\\fR] \\fICOMANDO\\fR [\\fIARGOMENTI\\fR...]\n"
        ".br\n"
        ".B cartaflex\\-cli \\-\\-help\n"
        ".SH DESCRIZIONE\n"
        ".B cartaflex\\-cli\n"
        "lavora sullo stesso archivio e sulle stesse impostazioni delle finestre di Cartaflex, "
        "con la stessa logica. I risultati vanno sull'uscita standard, una voce per riga; gli "
        "errori vanno sull'errore standard con il testo del messaggio che la finestra "
        "mostrerebbe. Ingresso e uscita sono in UTF\\-8; l'archivio resta nella codifica "
        "Windows\\-1252.\n"
        ".SH OPZIONI\n"
        ".TP\n"
        ".BI \\-\\-folder \" CARTELLA\"\n"
        "Usa CARTELLA come cartella del programma, quella di Contatti.edb, Cartaflex.ini e "
        "Logo.bmp.\n"
        ".TP\n"
        ".B \\-\\-help\n"
        "Scrive l'elenco dei comandi ed esce con 0.\n"
        ".SH COMANDI\n");
    for (const auto &[name, command] : CliRegistry::commands()) {
        const auto it = descriptions().find(name);
        if (it == descriptions().end()) {
            std::fprintf(stderr, "cartaflex-cli-manpage: il comando %s non ha descrizione\n",
                         qPrintable(name));
            return 1;
        }
        page += QStringLiteral(".TP\n.B ") + roff(command.usage) + u'\n' +
                roff(QString::fromUtf8(it->second)) + u'\n';
    }
    for (const auto &[name, text] : descriptions()) {
        if (CliRegistry::commands().count(name) == 0) {
            std::fprintf(stderr, "cartaflex-cli-manpage: %s non è un comando\n", qPrintable(name));
            return 1;
        }
    }
    QStringList fields;
    for (int f = 0; f < ContactRecord::FieldCount; ++f)
        fields << ContactRecord::fieldName(ContactRecord::Field(f));
    page += QStringLiteral(
                ".SH CAMPI\n"
                "CAMPO è il nome di uno dei quattordici campi della scheda, scritto così: ") +
            roff(fields.join(u' ')) +
            QStringLiteral(
                ". N è il numero di una scheda, contato da 1.\n"
                ".SH STATO D'USCITA\n"
                ".TP\n.B 0\nIl comando è riuscito.\n"
                ".TP\n.B 1\nL'operazione è stata rifiutata o non è riuscita, negli stessi casi "
                "in cui la finestra mostrerebbe un avviso o un errore (archivio illeggibile, "
                "scheda inesistente, stampante assente, cartella dei dati che non si può "
                "creare...).\n"
                ".TP\n.B 2\nErrore d'uso: comando sconosciuto, argomento mancante o CAMPO=VALORE "
                "malformato; segue un breve testo d'uso.\n"
                ".SH FILE\n"
                ".TP\n.I ~/.local/share/Cartaflex/\n"
                "Installato, il programma tiene qui l'archivio Contatti.edb, le impostazioni "
                "Cartaflex.ini e il logo del mittente Logo.bmp; la cartella viene creata al "
                "primo avvio. Lanciato dalla cartella in cui è stato compilato, usa quella "
                "cartella se vi può scrivere.\n"
                ".TP\n.I /usr/share/cartaflex/Guida.pdf\n"
                "La guida dell'utente, che si apre anche dal pulsante Guida delle "
                "finestre.\n");
    QSaveFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(page.toUtf8()) < 0 ||
        !out.commit()) {
        std::fprintf(stderr, "cartaflex-cli-manpage: impossibile scrivere %s\n",
                     qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
