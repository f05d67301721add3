// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmGuida.h"

#include "widgets.h"

#include <QApplication>
#include <QPushButton>
#include <QTextBrowser>

#include <algorithm>

namespace quimbra {

using namespace fonts;
using namespace colours;

// The list of pages at the left, the page at the right, cmdFine under it.
// The list comes first in the tab order: the arrows choose a page at once.
const FormLayout &guidaLayout()
{
    static const FormLayout layout{
        "frmGuida", "Guida - prof. Orvalde", 10800, 7800, none,
        {
            {"lstPagine", -1, Kind::ListBox, nullptr, 120, 120, 2760, 7080, nullptr, sans825b,
             paleCyan, blue, NoFlags, "Pagine della guida"},
            {"txtGuida", -1, Kind::Document, nullptr, 3000, 120, 7680, 7080, nullptr,
             FontSpec{Face::Sans, 9.75, false}, white, none, NoFlags, "Testo della guida"},
            {"cmdFine", -1, Kind::Button, nullptr, 9705, 7305, 975, 375, "Fine", sans825, none,
             none, NoFlags, "Chiudi la guida"},
        }};
    return layout;
}

namespace {

// The keys that every step view shares.
const std::string playerKeys =
    "<h3>Tasti</h3><ul>"
    "<li><b>Spazio</b>: un passo (\"Passo\").</li>"
    "<li><b>Invio</b>: avvia o mette in pausa l'animazione (\"Avvia\").</li>"
    "<li><b>Freccia sinistra</b> o <b>Backspace</b>: un passo indietro (\"Indietro\").</li>"
    "<li><b>Tab</b> e <b>Maiusc+Tab</b>: da un comando all'altro; la barra di posizione va a "
    "qualunque passo, quella della velocit&agrave; sceglie i passi al secondo.</li>"
    "<li><b>Ctrl+C</b> su un elenco: copia la riga scelta, o tutto l'elenco.</li>"
    "<li><b>F1</b>: questa guida.</li></ul>"
    "<h3>Il codice e le variabili</h3><p>Il riquadro del codice mostra l'algoritmo in "
    "pseudocodice o in C++ (il C++ &egrave; quello che il programma esegue davvero): la riga "
    "evidenziata &egrave; quella che ha fatto l'ultimo passo. Le variabili sono quelle "
    "dell'algoritmo dopo quel passo; in grassetto quelle appena cambiate.</p>"
    "<h3>Le chiamate</h3><p>Accanto al codice di una funzione ricorsiva, l'elenco delle chiamate "
    "in corso, la pi&ugrave; esterna per prima, con i loro argomenti; evidenziata quella in cui si "
    "&egrave;. Nel passo in cui una chiamata finisce, la sua riga mostra il risultato "
    "(\"Fattoriale(3) = 6\") o il segno &#8617;. Sopra, la profondit&agrave; ora e la massima "
    "raggiunta. Per un algoritmo senza ricorsione l'elenco dice \"nessuna chiamata ricorsiva\".</p>"
    "<h3>Esercizio</h3><p>\"Esercizio\" propone dati nuovi e un codice di cinque cifre; il "
    "codice dato dall'insegnante, scritto nella casella e confermato con Invio, d&agrave; lo "
    "stesso esercizio su ogni computer. Lo studente fa i passi dell'algoritmo cliccando sul "
    "disegno (o con le frecce e Spazio); ogni risposta &egrave; giudicata subito, con un segno "
    "di spunta o una croce. \"Soluzione\" mostra il resto. Alla fine la riga del risultato si "
    "copia con Ctrl+C o con il tasto destro e si consegna all'insegnante.</p>"
    "<h3>Domande</h3><p>Con <b>Domande</b> acceso l'esecuzione (con Passo, Avvia o Fino alla "
    "fine) si ferma prima di alcuni passi e chiede che cosa succeder&agrave;: dove finir&agrave; "
    "il pivot, quanti scambi far&agrave; la passata, quale posizione guarder&agrave; la ricerca, "
    "da che parte andr&agrave; la chiave, che cosa restituir&agrave; una chiamata&hellip; Si "
    "risponde cliccando sul disegno (una barra, una posizione, un nodo), con uno dei pulsanti "
    "delle risposte (Tab e le frecce passano dall'uno all'altro) o scrivendo un numero e "
    "premendo Invio. La risposta &egrave; giudicata subito: in verde se giusta, in rosso con la "
    "risposta giusta e il perch&eacute;. \"Salta\" passa oltre (conta come non data). Le "
    "domande vengono dall'esecuzione stessa, al pi&ugrave; cinque, a qualche secondo l'una "
    "dall'altra; con il codice di un esercizio sono le stesse su ogni computer, e la riga del "
    "risultato le conta (\"4 domande su 5\").</p>";

const std::vector<frmGuida::Page> allPages = {
    {"frm_Quimbra", "Il menu",
     "<h2>Il menu</h2><p>Tre pulsanti aprono le tre dimostrazioni: <b>Ordinamenti</b> "
     "(quattro algoritmi di ordinamento a confronto), <b>Ricerca Binaria</b> (la ricerca in un "
     "vettore ordinato, con il fattoriale) e <b>ABR</b> (l'albero binario di ricerca). "
     "<b>Fine</b> chiude tutte le finestre e termina il programma.</p>"
     "<h3>Tasti</h3><ul><li><b>Tab</b>: da un pulsante all'altro; <b>Spazio</b> o <b>Invio</b> "
     "premono il pulsante scelto.</li><li><b>Ctrl e +</b>, <b>Ctrl e -</b>, <b>Ctrl e 0</b>: "
     "ingrandisce, rimpicciolisce (fino al 50 %, per gli schermi piccoli) o riporta al 100 % "
     "tutte le finestre, ognuna dove stava (anche Ctrl con la rotella del mouse).</li>"
     "<li>Su uno <b>schermo tattile</b>: un dito tenuto fermo mezzo secondo apre il menu del "
     "tasto destro del comando toccato; due dita che si allargano o si avvicinano ingrandiscono o "
     "rimpiccioliscono.</li><li><b>F1</b> in ogni finestra: la sua pagina di questa "
     "guida.</li></ul>"},
    {"frmRicBin", "Ricerca Binaria",
     "<h2>Ricerca Binaria</h2><p>A sinistra il vettore di 1000 numeri casuali in ordine "
     "crescente, una riga per posizione: la posizione e il valore. Ogni volta che la finestra "
     "torna in primo piano il vettore si estrae di nuovo.</p>"
     "<p>Scrivi un numero nella casella e premi <b>Ricerca Binaria</b>: l'elenco accanto mostra "
     "le posizioni guardate, una riga per passo. La riga <tt>1 - 500 - 1000 : 4964</tt> si legge "
     "cos&igrave;: si cerca tra la posizione 1 (estremo inferiore) e la 1000 (estremo "
     "superiore); la posizione di mezzo &egrave; la 500, e l&igrave; il vettore vale 4964. "
     "L'ultima riga dice se il numero c'&egrave; e dove.</p>"
     "<p>Il riquadro <b>Fattoriale</b> calcola n! per n da 0 a 12: oltre, il numero non entra "
     "nei 32 bit del programma.</p>"
     "<h3>Tasti</h3><ul><li><b>Invio</b> su un pulsante lo preme.</li><li><b>F2</b>, o "
     "\"Passo passo&hellip;\" nel menu del tasto destro di un elenco: la ricerca un passo alla "
     "volta, sullo stesso vettore e lo stesso numero; nel riquadro del fattoriale (o con "
     "\"Passo passo&hellip;\" nel menu del tasto destro della sua casella) il fattoriale un passo "
     "alla volta.</li><li><b>Ctrl+C</b> su un elenco: copia "
     "la riga scelta o tutto l'elenco.</li></ul>"},
    {"frmABR", "ABR",
     "<h2>ABR: l'albero binario di ricerca</h2><p>31 chiavi casuali, ordinate nel primo "
     "elenco, formano un albero bilanciato: la chiave di mezzo diventa la radice, le due met&agrave; "
     "i due sottoalberi, e cos&igrave; via.</p>"
     "<p>La tabella dei nodi ha una riga per nodo: il numero del nodo, la chiave (<tt>Inf</tt>), "
     "il figlio sinistro (<tt>Sx</tt>) e il destro (<tt>Dx</tt>), il padre (<tt>Pd</tt>) e il "
     "livello (<tt>l</tt>); 0 vuol dire nessun nodo. Accanto, l'albero disegnato di lato: la "
     "radice a sinistra, i figli a destra, quelli di sinistra in basso.</p>"
     "<p><b>Ricerca</b> cerca la chiave scritta e ne elenca il percorso; i tre pulsanti delle "
     "visite elencano le chiavi in ordine anticipato (prima il nodo, poi i sottoalberi), "
     "simmetrico (in ordine crescente) e posticipato (il nodo per ultimo).</p>"
     "<h3>Tasti</h3><ul><li><b>F2</b>, o \"Passo passo&hellip;\" nel menu del tasto destro di "
     "un elenco: la ricerca e le visite un passo alla volta, sull'albero disegnato come un "
     "albero.</li><li><b>Ctrl+C</b> su un elenco: copia.</li></ul>"},
    {"frmSort", "Ordinamenti",
     "<h2>Ordinamenti</h2><p>Lo stesso vettore di 1000 numeri casuali ordinato da quattro "
     "algoritmi: Insertion (ogni posizione confrontata con ognuna delle seguenti, con uno "
     "scambio quando serve), Bubble, Shell e Quick. Sotto ogni colonna il numero di mosse "
     "(scambi e spostamenti) che l'algoritmo ha fatto: si vede quanto costa ciascuno. "
     "<b>SORT</b> ripete il confronto su un vettore nuovo.</p>"
     "<h3>Tasti</h3><ul><li><b>F2</b>, o \"Passo passo&hellip;\" nel menu del tasto destro "
     "di una colonna: quell'algoritmo un passo alla volta, sullo stesso vettore.</li>"
     "<li><b>F3</b>, o \"Grafico della crescita&hellip;\": come crescono mosse e confronti al "
     "crescere di n.</li><li><b>Ctrl+C</b> su una colonna: copia.</li></ul>"},
    {"frmPassoSort", "Passo passo: ordinamenti",
     "<h2>Passo passo: gli ordinamenti</h2><p>Il vettore come barre: l'altezza &egrave; il "
     "valore. In magenta le posizioni appena confrontate, in rosso quelle appena scritte; la "
     "linea tratteggiata &egrave; il valore tenuto da parte (la <i>v</i> di Shell, il "
     "<i>pivot</i> di Quick). La frase dice che cosa ha fatto l'ultimo passo; i contatori "
     "contano confronti e mosse come la finestra degli ordinamenti.</p>"
     "<p>Si sceglie l'algoritmo e i dati: i dati casuali restano gli stessi cambiando "
     "algoritmo, cos&igrave; la classe confronta gli algoritmi sugli stessi numeri; \"Nuovi "
     "valori\" ne estrae altri.</p><p>Oltre ai quattro della finestra (il suo Insertion "
     "&egrave; un ordinamento per scambio) ci sono Selection, Inserimento (l'inserimento con "
     "gli spostamenti dei libri di testo), Merge e Heap. Merge mostra sotto il vettore "
     "l'ausiliario W e, su fondi colorati, le due parti che sta fondendo; Heap mostra su un "
     "fondo verde la coda gi&agrave; ordinata. Sotto le barre di Quick e Merge, l'albero delle "
     "chiamate fatte finora: ogni chiamata &egrave; un tratto sopra il suo intervallo, alla sua "
     "profondit&agrave;, in magenta quelle in corso, in grigio quelle finite (Merge scende di "
     "log<sub>2</sub> n livelli, Quick su dati gi&agrave; ordinati di uno per valore).</p><p>Con 30 valori o meno i valori uguali "
     "hanno una lettera (a, b, c&hellip;) nel loro ordine iniziale; alla fine l'etichetta in "
     "alto a destra dice se l'ordinamento li ha lasciati in quell'ordine (stabile) su questi "
     "dati.</p><p>\"Valori scritti\" ordina i valori della casella \"Valori\": numeri interi "
     "da 1 a 32767, fino a 1000, separati da spazi, virgole, punti e virgola o a capo (va bene "
     "anche una colonna incollata da un foglio di calcolo). \"Usa\" o Invio nella casella li "
     "prende; se qualcosa non va la frase accanto dice che cosa e dove, e l'esecuzione resta "
     "com'era. \"Copia dati\" copia su una riga i valori in uso.</p>" + playerKeys},
    {"frmPassoRicBin", "Passo passo: ricerca binaria",
     "<h2>Passo passo: la ricerca binaria</h2><p>La colonna mostra il vettore: in giallo le "
     "posizioni in cui si cerca ancora, in grigio quelle scartate, in magenta la posizione di "
     "mezzo appena guardata. La striscia a destra mostra tutto il vettore: si vede "
     "l'intervallo dimezzarsi. Ogni passo aggiunge la riga che la finestra scriverebbe e una "
     "frase che dice che cosa ha deciso.</p><p>Le frecce su e gi&ugrave;, Pag su e Pag "
     "gi&ugrave; e la rotella scorrono la colonna.</p><p>Nella casella \"Valori\" si "
     "possono scrivere i valori di un esercizio del libro (da 2 a 1000 numeri interi da 1 a "
     "32767, separati da spazi, virgole o a capo): \"Usa\" o Invio li ordina con il QuickSort "
     "della finestra e la ricerca del numero scritto riparte su di loro. \"Copia dati\" "
     "copia su una riga i valori in cui si cerca.</p>" + playerKeys},
    {"frmPassoFattoriale", "Passo passo: fattoriale",
     "<h2>Passo passo: il fattoriale</h2><p>Il fattoriale del numero scritto, calcolato dalla "
     "funzione ricorsiva della finestra: prima le chiamate che entrano (\"Fattoriale(5) chiama "
     "Fattoriale(4)\") fino al caso base (\"Fattoriale(1) = 1\"), poi i ritorni con i loro "
     "prodotti (\"Fattoriale(2) = 2 &times; 1 = 2\") fino al risultato. A sinistra la pila delle "
     "chiamate: una cornice per chiamata, la pi&ugrave; esterna in basso, con il risultato quando "
     "lo restituisce. Nella casella \"Numero\" si scrive un altro numero e si preme Invio; oltre "
     "12 il programma non calcola, come la finestra.</p>" + playerKeys},
    {"frmPassoABR", "Passo passo: ABR",
     "<h2>Passo passo: l'albero</h2><p>L'albero disegnato come un albero, ogni nodo con la "
     "sua chiave e il suo numero. Ogni passo accende il nodo raggiunto e aggiunge la riga che "
     "la finestra scriverebbe; la frase dice che cosa ha fatto. \"Ricerca\" cerca la chiave "
     "scritta; i tre pulsanti delle visite le avviano.</p><p>\"Albero\" sceglie l'albero: "
     "quello della finestra, le chiavi scritte in \"Valori\" (fino a 63 chiavi diverse da 1 a "
     "32767; \"Usa\" o Invio) costruite bilanciate o inserite nell'ordine scritto, oppure "
     "l'albero vuoto. \"Inserisci\" scende dalla radice fino al posto libero della chiave "
     "scritta; \"Elimina\" la cerca e la toglie dicendo il caso (foglia, un figlio, due figli "
     "con il successore); \"Costruisci\" rif&agrave; la costruzione bilanciata della finestra, "
     "un nodo alla volta. Sotto l'albero l'altezza, con la minima possibile; in basso a destra "
     "la tabella dei nodi, con la riga del nodo del passo selezionata. La rotella scorre i "
     "livelli di un albero troppo alto per la finestra. \"Copia dati\" copia le chiavi in "
     "visita anticipata: inserite nell'ordine rifanno lo stesso albero.</p><p>Nell'esercizio "
     "la scelta accanto al codice dice che cosa si esercita: la ricerca, una delle visite, "
     "l'inserimento (i nodi confrontati, poi il posto libero tratteggiato) o l'eliminazione "
     "(i nodi della ricerca e, con due figli, il successore).</p>" + playerKeys},
    {"frmGrafico", "Grafico della crescita",
     "<h2>Grafico della crescita</h2><p>Quante mosse (o quanti confronti) fanno i quattro "
     "ordinamenti della finestra al crescere di n, contati eseguendo gli algoritmi stessi, su "
     "dati casuali, crescenti, decrescenti, tutti uguali, quasi ordinati o con pochi valori "
     "diversi. \"Tutti gli algoritmi\" aggiunge Selection, Inserimento, Merge e Heap: otto "
     "curve, ognuna con il suo tratto e il suo segno, distinte anche in bianco e nero. Con "
     "pi&ugrave; prove la fascia mostra il minimo "
     "e il massimo. Le curve di riferimento (n, n log n, n(n - 1)/2) aiutano a riconoscere la "
     "crescita; la scala logaritmica la rende leggibile anche per n piccoli.</p>"
     "<h3>Tasti</h3><ul><li><b>1</b>, <b>2</b>, <b>3</b>, <b>4</b> (fino a <b>8</b> con tutti "
     "gli algoritmi): mostra o nasconde un algoritmo, come un clic sulla sua voce della "
     "legenda.</li><li><b>Ctrl+C</b> o \"Copia "
     "dati\": la tabella, da incollare in un foglio di calcolo.</li><li>\"Salva "
     "immagine&hellip;\": il grafico come file PNG.</li><li>Il mouse fermo su un punto ne dice "
     "il valore.</li></ul>"
     "<h3>Prevedi</h3><p>Con <b>Prevedi</b> acceso il grafico, prima di mostrare le curve, "
     "chiede una previsione: quante mosse far&agrave; un algoritmo per l'n pi&ugrave; grande (va "
     "bene entro il 10 %), quale algoritmo ne far&agrave; meno, o quale curva di riferimento "
     "seguir&agrave;. Si risponde con un pulsante o scrivendo il numero e premendo Invio; le "
     "curve compaiono dopo la risposta, con la previsione segnata sul grafico, e la frase dice "
     "se era giusta e quante previsioni sono giuste finora. Ogni nuova scelta dei dati fa una "
     "nuova domanda.</p>"},
    {"frmRegistro", "Registro della classe",
     "<h2>Il registro della classe</h2><p>Si apre con <b>Ctrl+R</b> in qualunque finestra o con "
     "\"Registro&hellip;\" accanto a ogni esercizio. Nella casella in alto si incolla qualunque "
     "testo che contenga le righe dei risultati consegnate dagli studenti (una serie di e-mail, una "
     "chat, una colonna di un foglio di calcolo) e si preme \"Leggi\": ogni riga dei risultati "
     "diventa una riga della tabella, con il nome scritto prima di essa (\"Rossi Mario: Esercizio "
     "n. &hellip;\"), l'esercizio, l'algoritmo, i passi, gli errori, la percentuale e se &egrave; "
     "valida. Una riga non &egrave; valida se il suo controllo non corrisponde (la riga &egrave; "
     "stata cambiata a mano) o se non pu&ograve; essere un risultato di quell'esercizio; la colonna "
     "\"Motivo\" dice perch&eacute;. La stessa riga incollata due volte conta una volta; il "
     "resto del testo &egrave; ignorato e contato.</p><p>Un clic sull'intestazione di una colonna "
     "ordina le righe; \"Copia\" (o Ctrl+C sulla tabella) la copia per un foglio di calcolo; "
     "\"Salva&hellip;\" la scrive in un file CSV con il punto e virgola. Il controllo alla fine di "
     "ogni riga dei risultati &egrave; un sigillo contro le modifiche fatte a mano, non una prova: "
     "il programma &egrave; libero e chiunque pu&ograve; calcolarlo.</p>"},
    {"frmGuida", "Come usare la guida",
     "<h2>La guida</h2><p>A sinistra le pagine, una per finestra: le frecce su e gi&ugrave; "
     "scelgono la pagina. <b>Tab</b> porta al testo, che le frecce e Pag gi&ugrave; scorrono; "
     "<b>Ctrl+A</b> e <b>Ctrl+C</b> lo copiano. Lo zoom del programma (Ctrl e +, Ctrl e -) "
     "ingrandisce anche la guida. <b>F1</b> in qualunque finestra apre la sua pagina.</p>"},
};

} // namespace

const std::vector<frmGuida::Page> &frmGuida::pages()
{
    return allPages;
}

frmGuida::frmGuida() : Form(guidaLayout(), qApp)
{
}

frmGuida &frmGuida::instance()
{
    // Owned by the application, so that it goes with it.
    static frmGuida *guide = new frmGuida;
    return *guide;
}

void frmGuida::open(const QString &window)
{
    frmGuida &guide = instance();
    guide.Show();
    guide.showPage(window);
}

void frmGuida::connectControls()
{
    ui_ = {need<ListBox>("lstPagine"), need<QTextBrowser>("txtGuida")};
    connect(need<QPushButton>("cmdFine"), &QPushButton::clicked, this, &frmGuida::cmdFine_Click);
    std::vector<std::string> titles;
    for (const Page &p : allPages)
        titles.emplace_back(p.title);
    ui_.lstPagine->setLines(titles);
    connect(ui_.lstPagine->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &row) {
                if (row.isValid())
                    showPage(QString::fromUtf8(allPages[std::size_t(row.row())].window));
            });
    showPage(QString::fromUtf8(allPages[std::size_t(page_)].window));
}

void frmGuida::unloaded()
{
    ui_ = {};
}

QString frmGuida::page() const
{
    return QString::fromUtf8(allPages[std::size_t(page_)].window);
}

void frmGuida::showPage(const QString &window)
{
    const auto at = std::find_if(allPages.begin(), allPages.end(),
                                 [&](const Page &p) { return window == QLatin1String(p.window); });
    const int page = at == allPages.end() ? 0 : int(at - allPages.begin());
    const bool again = page == page_ && isLoaded() && !ui_.txtGuida->toPlainText().isEmpty();
    page_ = page;
    if (!isLoaded() || again)
        return;
    ui_.txtGuida->setHtml(QString::fromStdString(allPages[std::size_t(page)].html));
    const QModelIndex row = ui_.lstPagine->model()->index(page, 0);
    if (ui_.lstPagine->currentIndex() != row)
        ui_.lstPagine->setCurrentIndex(row);
}

void frmGuida::cmdFine_Click()
{
    Unload();
}

} // namespace quimbra
