#include "help_texts.h"

namespace calvex {

HelpText helpText(HelpPage page) {
    switch (page) {
        case HelpPage::manuale:
            return {
                QStringLiteral("MANUALE D'USO RAPIDO"),
                QStringLiteral("CALVEX consente la verifica di edifici in muratura portante in zona sismica. "
                               "Fornisce contemporanemanete alla introduzione dei dati i risultato del calcolo ed "
                               "elenca gli eventuali setti da correggere indicando anche su quali valori "
                               "intervenire. E' possibile verificare strutture fino a 20 piani e fino a 100 setti "
                               "per ogni piano. Con la finestra 'Dati' vengono richiesti i dati generali, molti dei "
                               "quali sono già preimpostati (e comunque modificabili) e solo dopo aver immesso "
                               "quanto necessario il programma permette di andare avanti. La finestra successiva "
                               "riguarda i dati di ogni setto ed i corrispondenti risultati della verifica. Solo "
                               "dopo aver digitato quanto occorre il programma elabora i dati indicando per ogni "
                               "setto se esso risulta 'verificato'. A tal punto, se necessario, si possono "
                               "apportare le modifiche che si ritengono opportune e controllare nella colonna di "
                               "sinistra i risultati. Tutti i dati digitati possono essere archiviati e richiamati "
                               "quando si crede. La terza finestra non richiede dati, ma mostra i risultati "
                               "relativi all'edificio nella sua interezza o ai singoli piani. Un ulteriore "
                               "controllo è costituito, nella stessa finestra, dalla elencazione dei setti da "
                               "modificare con la descrizione dei motivi che non hanno consentito la verifica. Per "
                               "avere una migliore visualizzazione di tali setti esiste un apposito tasto "
                               "denominato Controllo con il quale viene aperta un'apposita finestra che mostra la "
                               "mappa di tutte le modifiche necessarie perchè la struttura possa risultare "
                               "verificata. E' possibile, eventualmente, stampare queta tabella nel caso che vi "
                               "siano da modificare un numero considerevole di setti. Dopo le correzioni, da "
                               "apportare nella finestra 'Dati' o nella successiva 'Verifica sismica', si "
                               "controllerà nuovamente se l'edificio risulta verificato, correggendo ancora finchè "
                               "tale condizione non sarà raggiunta. Nella finestra 'Controllo dei setti' esistono "
                               "tre tasti gialli, come intestazione delle colonne dei dati su cui intervenire, che "
                               "indicheranno, qualora cliccati, alcune possibilità di modifica. Il programma si "
                               "conclude con la finestra 'Frontespizio' che richiede i dati per poter stampare la "
                               "relazione finale della elaborazione. I controlli sulla corretta procedura si "
                               "ottengono usando i tasti posti nella parte bassa delle finestre. Ovunque si ha la "
                               "possibilità di leggere la guida o di uscire dal programma.")};
        case HelpPage::guidafunzionamento:
            return {
                QStringLiteral("FUNZIONAMENTO DEL PROGRAMMA"),
                QStringLiteral("Il programma effettua la verifica secondo le 'Norme tecniche per le costruzioni in "
                               "zone sismiche' di cui al D.M. 16 gennaio 1996. Il calcolo è 'a rottura' per cui "
                               "viene assunto il valore 4 per il coefficiente di rottura, già preimpostato nella "
                               "finestra 'Dati' (punto C.9.5.3 del decreto). E' possibile verificare fino ad un "
                               "massimo di 20 piani con 100 setti per piano. Le dimensioni sono ben maggiori di "
                               "quanto necessario nella pratica professionale, ma in questo modo si potrà "
                               "controllare qualunque edificio, dividendolo minuziosamente in setti senza tema di "
                               "vedere il calcolo interrotto dalla capienza delle variabili adottate. Per quanto "
                               "riguarda la tau ed il sigma ammissibile è opportuno far riferimento, in assenza di "
                               "norme successive o di indagini in situ e prove di laboratorio sui materiali, alla "
                               "Circolare del Ministero dei LL.PP. del 30/07/1981 contenente le 'Istruzioni per "
                               "l'applicazione della normativa tecnica per la riparazione ed il rafforzamento degli "
                               "edifici danneggiati dal sisma del 23/11/1980'. L'edificio è verificato quando ogni "
                               "setto mostra la forza ultima tagliante (la rottura) superiore alla forza "
                               "orizzontale agente su di esso (valutata secondo le norme suddette), ed il sigma "
                               "ammissibile superiore al sigma di lavoro.")};
        case HelpPage::guidaarchivio:
            return {
                QStringLiteral("ARCHIVIO DATI"),
                QStringLiteral("E' possibile memorizzare in appositi files i dati immessi per ogni finestra e "
                               "richiamarli al momento opportuno. I files hanno già preimpostato una parte del nome "
                               "in modo da ricordare facilmente quanto archiviato. Per continuare la digitazione "
                               "del nome, a piacere, è necessario usare la freccia verso destra altrimenti verrà "
                               "cancellata la parte preimpostata. In questo caso, onde evitare problemi di nomi, è "
                               "consigliabile annullare l'operazione e ripetere la procedura. Tutto ciò si rende "
                               "necessario per avere, nella fase di elencazione dei files archiviati, solo la serie "
                               "riguardante il tipo di elaborazione su cui si sta lavorando. La memorizzazione su "
                               "disco dei dati è utile per poter continuare, in momenti successivi, le operazioni "
                               "iniziate, apportando le correzioni che si desiderano e confrontando varie ipotesi, "
                               "per immettere altri dati o per stampare in seguito  la relazione. Si può "
                               "archiviare, o richiamare, una sola tipologia di files: 'Calvex-dati-...' in "
                               "qualsiasi finestra, (usando il menu o i tasti con le icone). E' invece possibile "
                               "eliminare ogni tipo di file, sia quelli non più utili riguardanti il programma, che "
                               "altri di qualsiasi genere. Bisogna cliccare su File...Elimina... e scegliere nella "
                               "finestra seguente tra le liste di files preimpostate.")};
        case HelpPage::guidastampa:
            return {
                QStringLiteral("COME STAMPARE"),
                QStringLiteral("Si possono stampare liberamente tutte le finestre riguardanti la guida. Si otterrà "
                               "una copia di tutte le informazioni che appaiono nella finestra attiva su sfondo "
                               "bianco. Ben più importante è però la stampa delle finestre relative al programma "
                               "vero e proprio. Si hanno varie possibilità: la stampa del modello di acquisizione "
                               "dati, la stampa dei soli dati (e risultati) visualizzati nella finestra attiva o la "
                               "stampa completa dell'elaborazione. Per avere il modello di acquisizione dei dati "
                               "(solo nella finestra 'Dati' e 'Verifica sismica'), è necessario cliccare su File... "
                               "Stampa... Modello acquisizione dati. Con lo stesso metodo si può ottenere la "
                               "tabella dei dati visualizzati nella finestra, come pure cliccando sull'icona della "
                               "stampante nella barra degli strumenti. Per stampare l'intera elaborazione (la "
                               "relazione di calcolo) bisogna cliccare sul tasto in basso, con l'icona della "
                               "stampante, nella finestra 'Frontespizio'. Prima di stampare il programma controlla, "
                               "come nel caso dell'archiviazione dei dati, che questi siano stati immessi "
                               "correttamente. Qualora necessario ci sarà un avviso che i dati sono incompleti o "
                               "errati o che è stato individuato qualche setto non verificato dal calcolo eseguito: "
                               "la stampa potrà essere effettuata ugualmente.")};
        case HelpPage::guidadati:
            return {
                QStringLiteral("FINESTRA DATI"),
                QStringLiteral("La prima finestra riguarda l'introduzione dei dati generali della struttura. Alcuni "
                               "valori sono preimpostati su ciò che più usualmente viene immesso per effettuare la "
                               "verifica sismica. Vi è una casella a sfondo giallo, nella parte bassa della "
                               "finestra, che fornisce utili indicazioni su come procedere correttamente. Il "
                               "controllo dei dati digitati si ottiene cliccando sul tasto ABC, sul tasto AVANTI o "
                               "sui tasti che consentono di archiviare. Quando viene immesso il numero dei piani, "
                               "qualora non esistono valori nella colonna di sinistra, per ogni piano, il programma "
                               "automaticamente introduce dei dati comunemente usati. Naturalmente è sempre "
                               "possibile effettuare le correzioni che necessitano. La finestra presenta, come le "
                               "successive, una barra degli strumenti con le stesse funzioni del menu oltre a "
                               "qualche utile tasto, come quello che automaticamente copia i dati del piano "
                               "corrente nel piano successivo. Viceversa dal menu è possibile scegliere la stampa "
                               "del modello di acquisizione dei dati della finestra (utile soprattutto quando si "
                               "devono digitare un numero considerevole di dati): andare su File, quindi su Stampa "
                               "e poi su Modello acquisizione dati. Il tasto AIUTO fornisce le principali "
                               "indicazioni su come usare la finestra.")};
        case HelpPage::guidasismica:
            return {
                QStringLiteral("FINESTRA VERIFICA SISMICA"),
                QStringLiteral("L'uso della finestra 'Verifica sismica' è di immediata intuizione. Vi sono 10 campi "
                               "a sfondo bianco nei quali vanno inseriti i dati richiesti, solo dopo la completa "
                               "digitazione si avranno i risultati per tutti i setti. Ad ogni modifica verranno "
                               "automaticamente aggiornati i valori nelle caselle a sfondo celeste. Nella parte "
                               "bassa della finestra apparirà, infine, la parola 'verificato' se tali valori sono "
                               "inferiori a quelli ammissibili inseriti nei dati o ricavati da essi. Alcuni di essi "
                               "sono preimpostati, ma possono essere modificati se necessario. E' possibile "
                               "cliccare sul tasto copia della barra degli strumenti (il terzultimo) per inserire "
                               "automaticamente gli stessi dati anche per il piano successivo, o cliccare sui tasti "
                               "'C' per copiare i singoli valori uguali al setto precedente.  L'immissione dei dati "
                               "uguali a 0 può essere saltata. Con la barra di scorrimento verticale si passa al "
                               "piano successivo, con quella orizzontale al setto successivo. Il tasto 'RISULTATI "
                               "DELLA VERIFICA' permette di scollegare temporanemante il calcolo per poter "
                               "modificare velocemente i setti in edifici con notevoli elementi da elaborare, "
                               "ricliccando su di esso si riabiliterà la fase di calcolo. Si visualizzano i "
                               "rimanenti risultati cliccando sul tasto 'Risultati dei piani'. Il tasto 'Pianta' "
                               "apre la finestra 'Pianta del piano', che disegna in scala i setti del piano con il "
                               "setto visualizzato in evidenza.")};
        case HelpPage::guidarisultati:
            return {
                QStringLiteral("FINESTRA RISULTATI DEI PIANI"),
                QStringLiteral("La finestra è di sola lettura. Sono visualizzata i risultati generali della "
                               "verifica e quelli inerenti ogni piano della struttura. Per passare ad differente "
                               "piano si deve cliccare sulla barra di scorrimento verticale. Vengono mostrate anche "
                               "tre caselle delle possibili situazioni per cui determinati setti non sono "
                               "verificati: cliccando sulle frecce verticali si possono controllare ulteriori setti "
                               "che andranno modificati. L'indicazione di colore azzurro nella parte bassa della "
                               "finestra avvisa con immediatezza se l'edificio è verificato o meno (piano per "
                               "piano). In questo caso, per avere una migliore visualizzazione dei problemi che non "
                               "hanno consentito la verifica globale, si può cliccare sul tasto 'SETTI DA "
                               "MODIFICARE'. Apparirà la mappa completa di quanto già indicato nelle caselle "
                               "sottostanti il tasto (si veda la guida della finestra 'Controllo dei setti'). Per "
                               "il resto non vi sono particolari difficoltà di utilizzo in quanto i tasti sono "
                               "praticamente simili a quelli delle altre finestre. Si possono avere delle "
                               "informazioni sulle funzioni o sul significato di ogni oggetto (tasto, casella) "
                               "fermandosi per alcuni secondi sopra di essi con il puntatore del mouse. Per la "
                               "eventuale modifica dei dati si può tornare indietro liberamente alle finestre "
                               "'Dati' o 'Verifica sismica'.")};
        case HelpPage::guidacontrollo:
            return {
                QStringLiteral("FINESTRA CONTROLLO DEI SETTI"),
                QStringLiteral("La finestra relativa al controllo dei setti da modificare è di sola lettura. Mostra "
                               "la mappa di tutti i piani e di tutti i setti con le indicazioni dei valori "
                               "inferiori a quelli ammissibili. Inizialmente essa presenta i primi setti non "
                               "verificati, per visualizzare tutti i restanti, in caso di strutture di grandi "
                               "dimensioni, è necessario usare le barre di scorrimento: verticale per i piani "
                               "successivi al decimo, orizzontale per ogni setto seguente quellom mostrato. Vi sono "
                               "tre colonne di risultati: nella prima appaiono i valori della forza ultima "
                               "tagliante del setto che nel caso è minore della forza orizzontale totale agente, "
                               "nella seconda i sigma ammissibile e di lavoro, nella terza viene riportata "
                               "l'eventuale sezione parzializzata. I tasti gialli sopra le tre colonne di dati "
                               "possono essere cliccati per avere delle informazioni su che cosa modificare nel "
                               "setto o nella struttura per ovviare all'inconveniente relativo. Per tornare con "
                               "nuovi controlli nella finestra è necessario apportare delle modifiche che facciano "
                               "ripartire una nuova verifica antisismica per la struttura (bisogna pertanto tornare "
                               "alla finestra 'Dati' o 'Verifica sismica'). La mappa dei setti che devono essere "
                               "modificati può essere stampata cliccando sulla icona della stampante o tramite menu.")};
        case HelpPage::guidafrontespizio:
            return {
                QStringLiteral("FINESTRA FRONTESPIZIO"),
                QStringLiteral("La finestra 'Frontespizio' è l'ultima del programma e raccoglie i dati che "
                               "compariranno nella relazione di calcolo: la denominazione del progetto, la "
                               "località, il committente, il progettista architettonico, il direttore dei lavori, "
                               "il luogo e la data della elaborazione e gli allegati alla relazione. Ci si sposta "
                               "da un campo all'altro con il tasto TAB o con il mouse. La data viene impostata in "
                               "automatico all'apertura della finestra, ma è possibile modificarla a piacere. Per "
                               "una stampa corretta non bisogna digitare dati più lunghi di 60 spazi: in caso "
                               "contrario apparirà un avviso, ma il testo non verrà troncato. Il nome e l'indirizzo "
                               "del calcolatore sono mostrati sotto i dati e non possono essere modificati. Nel "
                               "riquadro 'Tipo di stampa' si sceglie come ottenere la relazione: con Word, per "
                               "avere un documento modificabile e integrabile, o con la stampa diretta, che "
                               "fornisce una relazione non modificabile. Il controllo dei dati immessi si ottiene "
                               "cliccando sul tasto ABC. Per stampare l'intera elaborazione bisogna cliccare sul "
                               "tasto Stampa in basso, o sull'icona della stampante nella barra degli strumenti: "
                               "prima di stampare il programma controlla che i dati siano stati immessi "
                               "correttamente e avvisa se qualche setto non risulta verificato.")};
        case HelpPage::guidapianta:
            return {QStringLiteral("FINESTRA PIANTA DEL PIANO"),
                    QStringLiteral("La finestra 'Pianta del piano' è di sola lettura e disegna in scala, con la stessa "
                                   "scala sui due assi, la pianta di un piano: ogni setto è il rettangolo delle sue "
                                   "misure in direzione X e Y, centrato nel suo baricentro, con il suo numero. I setti "
                                   "in direzione X sono azzurri, quelli in direzione Y color ocra; i setti che non "
                                   "superano una verifica sono rossi e, fermando il puntatore del mouse su di essi, "
                                   "si leggono le verifiche non superate, come nella finestra 'Controllo dei setti'. "
                                   "Il segno + indica il baricentro delle masse, il segno x il baricentro delle "
                                   "rigidezze; sotto il disegno sono riportate le dimensioni D e B dell'edificio, i "
                                   "coefficienti di sicurezza del piano nelle direzioni X e Y e l'elenco dei setti "
                                   "privi delle misure, che non vengono disegnati. Gli assi riportano le distanze in "
                                   "metri dall'origine. La finestra segue la finestra 'Verifica sismica': mostra il "
                                   "piano che vi è visualizzato, mette in evidenza il setto corrente e si aggiorna ad "
                                   "ogni calcolo; quando i risultati non corrispondono ai dati i setti non verificati "
                                   "sono grigi e appare la scritta 'risultati non aggiornati'. Con la barra di "
                                   "scorrimento verticale si passa agli altri piani, e cliccando su un setto lo si "
                                   "visualizza nella finestra 'Verifica sismica'. La pianta del piano visualizzato si "
                                   "stampa su un foglio A4 dal menu 'Stampa' o con l'icona della stampante.")};
        case HelpPage::guidavalidazione:
            return {
                QStringLiteral("VALIDAZIONE DEL PROGRAMMA"),
                QStringLiteral("Insieme al programma è installata una raccolta di casi prova, la cartella "
                               "'validation': ogni caso è un archivio di dati e un testo che ricava a mano, passo "
                               "per passo e dalle formule del metodo, i valori che il calcolo deve dare, citando "
                               "per ogni formula il punto della norma o del metodo da cui è presa. I casi coprono "
                               "un piano con un solo setto per direzione, la pianta simmetrica e quella eccentrica, "
                               "le piante allungate con la torsione aggiuntiva, i tiranti verticali e orizzontali, "
                               "i setti che non resistono a taglio o a compressione e la risultante fuori della "
                               "sezione, due e cinque piani, i gradi di sismicità 2, 6, 9 e 12, i coefficienti di "
                               "riduzione, di struttura e di protezione e i valori scritti con la virgola. Il "
                               "comando 'calvex-batch validazione -o FILE.pdf', dato da una finestra di comandi, "
                               "calcola ogni caso con il programma installato e stampa nel file PDF una pagina di "
                               "riepilogo, con la versione del programma, la data e l'esito, e per ogni caso lo "
                               "scopo, la fonte, i dati e la tabella delle grandezze con il valore atteso, quello "
                               "ottenuto, la differenza e l'esito: i numeri sono confrontati al centesimo, i testi "
                               "carattere per carattere. Il documento può essere allegato alla relazione di "
                               "calcolo per mostrare che il programma dà, sui casi calcolati a mano, i valori "
                               "attesi.")};
    }
    return {};
}

} // namespace calvex
