<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CardCheck</name>
    <message>
        <source>Flight %1 has a negative time.</source>
        <translation>Il volo %1 ha un tempo negativo.</translation>
    </message>
    <message>
        <source>Flight %1 (%2) is longer than the working time of %3.</source>
        <translation>Il volo %1 (%2) è più lungo del tempo operativo di %3.</translation>
    </message>
    <message>
        <source>Flight %1 ends past the working time by more than it lasted.</source>
        <translation>Il volo %1 finisce oltre il tempo operativo più di quanto sia durato.</translation>
    </message>
    <message>
        <source>Flight %1 has no target: in poker each flight has the target named before it.</source>
        <translation>Il volo %1 non ha un obiettivo: nel poker ogni volo ha l&apos;obiettivo dichiarato prima del lancio.</translation>
    </message>
    <message>
        <source>The target of flight %1 (%2) is longer than the working time of %3.</source>
        <translation>L&apos;obiettivo del volo %1 (%2) è più lungo del tempo operativo di %3.</translation>
    </message>
    <message numerus="yes">
        <source>Task %1 allows at most %n flight(s).</source>
        <translation>
            <numerusform>La prova %1 ammette al massimo %n volo.</numerusform>
            <numerusform>La prova %1 ammette al massimo %n voli.</numerusform>
        </translation>
    </message>
    <message>
        <source>A penalty is points taken off: it cannot be negative.</source>
        <translation>Una penalità sono punti tolti: non può essere negativa.</translation>
    </message>
</context>
<context>
    <name>CardsPdf</name>
    <message>
        <source>%1: up to %2</source>
        <translation>%1: fino a %2</translation>
    </message>
    <message>
        <source>%1: target</source>
        <translation>%1: obiettivo</translation>
    </message>
    <message>
        <source>%1: time</source>
        <translation>%1: tempo</translation>
    </message>
    <message>
        <source>Penalty: ______   Pilot: ____________   Timekeeper: ____________</source>
        <translation>Penalità: ______   Pilota: ____________   Cronometrista: ____________</translation>
    </message>
    <message>
        <source>Cards %1: cannot be written</source>
        <translation>Schede %1: impossibile scriverle</translation>
    </message>
    <message>
        <source>Round %1 has no draw: the cards take their names from it.</source>
        <translation>Il round %1 non ha un sorteggio: le schede prendono i nomi da lì.</translation>
    </message>
    <message>
        <source>Cards: %1</source>
        <translation>Schede: %1</translation>
    </message>
    <message>
        <source>Round %1, group %2, task %3%4, working time %5</source>
        <translation>Round %1, gruppo %2, prova %3%4, tempo operativo %5</translation>
    </message>
    <message>
        <source>Score card</source>
        <translation>Scheda di punteggio</translation>
    </message>
    <message>
        <source>Timekeeper&apos;s card</source>
        <translation>Scheda del cronometrista</translation>
    </message>
    <message>
        <source>Times %1</source>
        <translation>Cronometra %1</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Pilots&apos; display...</source>
        <translation>Display dei piloti...</translation>
    </message>
    <message>
        <source>Contest schedule...</source>
        <translation>Programma di gara...</translation>
    </message>
    <message>
        <source>Director&apos;s remote...</source>
        <translation>Telecomando del direttore...</translation>
    </message>
    <message>
        <source>Notices...</source>
        <translation>Avvisi...</translation>
    </message>
    <message>
        <source>Day log...</source>
        <translation>Registro del giorno...</translation>
    </message>
    <message>
        <source>Scores...</source>
        <translation>Punteggi...</translation>
    </message>
</context>
<context>
    <name>CrashResume</name>
    <message>
        <source>Resume the cycle that was running?

%1

Yes: it carries on at the second the clock says.
No: the timer starts at READY.</source>
        <translation>Riprendere il ciclo che era in corso?

%1

Sì: riprende dal secondo che segna l&apos;orologio.
No: il timer riparte da READY.</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>Aerolap day log of %1</source>
        <translation>Registro del giorno di Aerolap, %1</translation>
    </message>
    <message>
        <source>at START</source>
        <translation>allo START</translation>
    </message>
    <message>
        <source>LATE</source>
        <translation>IN RITARDO</translation>
    </message>
    <message>
        <source>(in the gap)</source>
        <translation>(nell&apos;interruzione)</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>MANCANTE</translation>
    </message>
    <message>
        <source>NOT TAKEN</source>
        <translation>NON RICEVUTO</translation>
    </message>
    <message>
        <source>Cycle %1: START at %2</source>
        <translation>Ciclo %1: START alle %2</translation>
    </message>
    <message>
        <source>Cycle %1: resumed at %2</source>
        <translation>Ciclo %1: ripreso alle %2</translation>
    </message>
    <message>
        <source>Gap at %1: %2; the cycle went on at %3</source>
        <translation>Interruzione alle %1: %2; il ciclo è ripreso a %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cue(s)</source>
        <translation>
            <numerusform>%n annuncio</numerusform>
            <numerusform>%n annunci</numerusform>
        </translation>
    </message>
    <message>
        <source>none late</source>
        <translation>nessuno in ritardo</translation>
    </message>
    <message numerus="yes">
        <source>%n late</source>
        <translation>
            <numerusform>%n in ritardo</numerusform>
            <numerusform>%n in ritardo</numerusform>
        </translation>
    </message>
    <message>
        <source>latest %1</source>
        <translation>ritardo massimo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation>
            <numerusform>%n mancante</numerusform>
            <numerusform>%n mancanti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n frame</numerusform>
            <numerusform>%n frame</numerusform>
        </translation>
    </message>
    <message>
        <source>all taken</source>
        <translation>tutti ricevuti</translation>
    </message>
    <message numerus="yes">
        <source>%n not taken</source>
        <translation>
            <numerusform>%n non ricevuto</numerusform>
            <numerusform>%n non ricevuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Non letto: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) dropped while the log was busy</source>
        <translation>
            <numerusform>%n riga scartata mentre il registro era occupato</numerusform>
            <numerusform>%n righe scartate mentre il registro era occupato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) lost while the log could not be written</source>
        <translation>
            <numerusform>%n riga persa mentre il registro non poteva essere scritto</numerusform>
            <numerusform>%n righe perse mentre il registro non poteva essere scritto</numerusform>
        </translation>
    </message>
    <message>
        <source>No cycle in this log.</source>
        <translation>Nessun ciclo in questo registro.</translation>
    </message>
    <message>
        <source>%1 from %2, %3 s: %4</source>
        <translation>%1 dalle %2, %3 s: %4</translation>
    </message>
    <message>
        <source>measured %1</source>
        <translation>misurato %1</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation>non terminato</translation>
    </message>
    <message>
        <source>Cues (lateness after their second; LATE beyond %1 ms):</source>
        <translation>Annunci (ritardo rispetto al loro secondo; IN RITARDO oltre %1 ms):</translation>
    </message>
    <message>
        <source>Frames (lateness after their second):</source>
        <translation>Frame (ritardo rispetto al loro secondo):</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation>Fine: %1</translation>
    </message>
    <message>
        <source>Notices:</source>
        <translation>Avvisi:</translation>
    </message>
    <message>
        <source>Remote commands:</source>
        <translation>Comandi del telecomando:</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>fase</translation>
    </message>
    <message>
        <source>from</source>
        <translation>inizio</translation>
    </message>
    <message>
        <source>set</source>
        <translation>impostato</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>misurato</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>Annunci</translation>
    </message>
    <message>
        <source>at</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secondo</translation>
    </message>
    <message>
        <source>cue</source>
        <translation>annuncio</translation>
    </message>
    <message>
        <source>after its second</source>
        <translation>dopo il suo secondo</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>frame</translation>
    </message>
    <message>
        <source>Notices and remote commands</source>
        <translation>Avvisi e comandi del telecomando</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>pronto</translation>
    </message>
    <message>
        <source>preparation</source>
        <translation>preparazione</translation>
    </message>
    <message>
        <source>working</source>
        <translation>tempo operativo</translation>
    </message>
    <message>
        <source>landing</source>
        <translation>atterraggio</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>fermato</translation>
    </message>
    <message>
        <source>round %1 group %2</source>
        <translation>round %1 gruppo %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>round %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>, from the phone &quot;%1&quot;</source>
        <translation>, dal telefono &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Scores of this group:</source>
        <translation>Punteggi di questo gruppo:</translation>
    </message>
    <message>
        <source>Scores of no cycle in this log:</source>
        <translation>Punteggi di nessun ciclo di questo registro:</translation>
    </message>
    <message>
        <source>Scores of this group</source>
        <translation>Punteggi di questo gruppo</translation>
    </message>
    <message>
        <source>Scores of no cycle in this log</source>
        <translation>Punteggi di nessun ciclo di questo registro</translation>
    </message>
</context>
<context>
    <name>DrawPdf</name>
    <message>
        <source>Round %1</source>
        <translation>Round %1</translation>
    </message>
    <message>
        <source>Round %1: task %2</source>
        <translation>Round %1: prova %2</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppo %1</translation>
    </message>
    <message>
        <source>Pilots: round/group</source>
        <translation>Piloti: round/gruppo</translation>
    </message>
    <message>
        <source>(withdrawn from round %1)</source>
        <translation>(ritirato dal round %1)</translation>
    </message>
    <message>
        <source>Draw %1: cannot be written</source>
        <translation>Sorteggio %1: impossibile scriverlo</translation>
    </message>
    <message>
        <source>The schedule has no draw to print.</source>
        <translation>Il programma non ha un sorteggio da stampare.</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Sorteggio: %1</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation>Gara</translation>
    </message>
</context>
<context>
    <name>F3kTasks</name>
    <message>
        <source>Last flight</source>
        <translation>Ultimo volo</translation>
    </message>
    <message>
        <source>Last two flights</source>
        <translation>Ultimi due voli</translation>
    </message>
    <message>
        <source>All up, last down</source>
        <translation>Tutti su, ultimo giù</translation>
    </message>
    <message>
        <source>Two flights</source>
        <translation>Due voli</translation>
    </message>
    <message>
        <source>Poker</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Best 3 of 6</source>
        <translation>Migliori 3 su 6</translation>
    </message>
    <message>
        <source>Five longest flights</source>
        <translation>Cinque voli più lunghi</translation>
    </message>
    <message>
        <source>One, two, three, four</source>
        <translation>Uno, due, tre, quattro</translation>
    </message>
    <message>
        <source>Three longest flights</source>
        <translation>Tre voli più lunghi</translation>
    </message>
    <message>
        <source>Last three flights</source>
        <translation>Ultimi tre voli</translation>
    </message>
    <message>
        <source>Big ladder</source>
        <translation>Scala grande</translation>
    </message>
    <message>
        <source>One flight</source>
        <translation>Un volo</translation>
    </message>
    <message>
        <source>Huge ladder</source>
        <translation>Scala enorme</translation>
    </message>
    <message>
        <source>Best flight</source>
        <translation>Volo migliore</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The day log</source>
        <translation>Il registro del giorno</translation>
    </message>
    <message>
        <source>its lines are counted, and it carries on once it can be written</source>
        <translation>le sue righe vengono contate e riprende appena si può scrivere</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written: %3. The timer runs on; %4.</source>
        <translation>%1 %2 non si può scrivere: %3. Il timer continua; %4.</translation>
    </message>
    <message>
        <source>%1 %2 is written again.</source>
        <translation>%1 %2 viene di nuovo scritto.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cues and seconds may slip while the laptop is busy: the system does not let the timer run ahead of other programs (%1). Close other programs during a round.</source>
        <translation>Annunci e secondi possono slittare quando il portatile è occupato: il sistema non dà al timer la precedenza sugli altri programmi (%1). Chiudi gli altri programmi durante un round.</translation>
    </message>
    <message>
        <source>The cycle that was running when Aerolap ended without closing carries on: %1.</source>
        <translation>Il ciclo in corso quando Aerolap si è chiuso in modo anomalo continua: %1.</translation>
    </message>
    <message>
        <source>holds a cycle that begins in the future (the clock may have been set back)</source>
        <translation>contiene un ciclo che inizia nel futuro (forse l&apos;orologio è stato spostato indietro)</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation type="vanished"> È conservato come %1.</translation>
    </message>
    <message>
        <source>The state file %1 %2: the timer starts at READY with its own settings.%3</source>
        <translation type="vanished">Il file di stato %1 %2: il timer parte da READY con le sue impostazioni.%3</translation>
    </message>
    <message>
        <source>The state file</source>
        <translation>Il file di stato</translation>
    </message>
    <message>
        <source>after a crash it could not resume the cycle</source>
        <translation>dopo un arresto anomalo non potrebbe riprendere il ciclo</translation>
    </message>
    <message>
        <source>: the timer carried on at the second the clock says, without the cues of that time.</source>
        <translation type="vanished">: il timer ha proseguito dal secondo indicato dall&apos;orologio, senza gli annunci di quel periodo.</translation>
    </message>
    <message>
        <source>The laptop slept for %1%2</source>
        <translation type="vanished">Il portatile è rimasto in sospensione per %1%2</translation>
    </message>
    <message>
        <source>The timer was held up for %1%2</source>
        <translation type="vanished">Il timer è rimasto bloccato per %1%2</translation>
    </message>
    <message>
        <source>The director&apos;s remote: the paired devices in %1 cannot be read; pair the phones again.</source>
        <translation>Telecomando del direttore: i dispositivi associati in %1 non si possono leggere; associa di nuovo i telefoni.</translation>
    </message>
    <message>
        <source>The director&apos;s remote: the devices paired on %1 are forgotten; pair the phones again for today.</source>
        <translation>Telecomando del direttore: i dispositivi associati il %1 sono dimenticati; associa di nuovo i telefoni per oggi.</translation>
    </message>
    <message>
        <source>The director&apos;s remote&apos;s list of paired devices</source>
        <translation>L&apos;elenco dei dispositivi associati al telecomando del direttore</translation>
    </message>
    <message>
        <source>the devices paired since are forgotten when the program ends</source>
        <translation>i dispositivi associati da allora vengono dimenticati alla chiusura del programma</translation>
    </message>
    <message>
        <source>Type a name for this device.</source>
        <translation type="vanished">Scrivi un nome per questo dispositivo.</translation>
    </message>
    <message>
        <source>Pairing is closed: open &quot;Director&apos;s remote&quot; on the laptop to see the code.</source>
        <translation type="vanished">L&apos;associazione è chiusa: apri &quot;Telecomando del direttore&quot; sul portatile per vedere il codice.</translation>
    </message>
    <message>
        <source>Wrong code.</source>
        <translation type="vanished">Codice errato.</translation>
    </message>
    <message>
        <source>Wait before the next try.</source>
        <translation type="vanished">Aspetta prima del prossimo tentativo.</translation>
    </message>
    <message>
        <source>Too many wrong codes: pairing is locked for a minute.</source>
        <translation type="vanished">Troppi codici errati: l&apos;associazione è bloccata per un minuto.</translation>
    </message>
    <message>
        <source>The director&apos;s remote: &quot;%1&quot; is paired.</source>
        <translation type="vanished">Telecomando del direttore: &quot;%1&quot; è associato.</translation>
    </message>
    <message>
        <source>This device is not paired (or was revoked): pair it again.</source>
        <translation type="vanished">Questo dispositivo non è associato (o è stato revocato): associalo di nuovo.</translation>
    </message>
    <message>
        <source>The command&apos;s signature is wrong.</source>
        <translation type="vanished">La firma del comando è errata.</translation>
    </message>
    <message>
        <source>The command came out of order or twice.</source>
        <translation type="vanished">Il comando è arrivato fuori ordine o due volte.</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;): %2 refused: %3</source>
        <translation>Telecomando del direttore (&quot;%1&quot;): %2 rifiutato: %3</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;) jumped to round %2, group %3.</source>
        <translation>Il telecomando del direttore (&quot;%1&quot;) è passato al round %2, gruppo %3.</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;): %2</source>
        <translation>Telecomando del direttore (&quot;%1&quot;): %2</translation>
    </message>
    <message>
        <source>a dialog is open on the laptop; answer it there first.</source>
        <translation>sul portatile è aperta una finestra di dialogo; rispondi prima lì.</translation>
    </message>
    <message>
        <source>started the cycle.</source>
        <translation>ha avviato il ciclo.</translation>
    </message>
    <message>
        <source>stopped the cycle.</source>
        <translation>ha fermato il ciclo.</translation>
    </message>
    <message>
        <source>reset the timer.</source>
        <translation>ha azzerato il timer.</translation>
    </message>
    <message>
        <source>skipped to the next group.</source>
        <translation>è passato al gruppo successivo.</translation>
    </message>
    <message>
        <source>went back one group.</source>
        <translation>è tornato indietro di un gruppo.</translation>
    </message>
    <message>
        <source>jumped to round %1, group %2.</source>
        <translation type="vanished">è passato al round %1, gruppo %2.</translation>
    </message>
    <message>
        <source>unknown command.</source>
        <translation>comando sconosciuto.</translation>
    </message>
    <message>
        <source>that button is not on the window now.</source>
        <translation>quel pulsante ora non è nella finestra.</translation>
    </message>
    <message>
        <source>no schedule is loaded.</source>
        <translation>nessun programma di gara caricato.</translation>
    </message>
    <message>
        <source>the schedule moves only while no cycle runs, within its rounds.</source>
        <translation>il programma si sposta solo quando nessun ciclo è in corso, entro i suoi round.</translation>
    </message>
    <message>
        <source>The laptop may go to sleep during a round: the login manager does not keep it awake (%1). Switch power saving off and keep the lid open.</source>
        <translation>Il portatile potrebbe andare in sospensione durante un round: il gestore di sessione non lo tiene sveglio (%1). Disattiva il risparmio energetico e tieni il coperchio aperto.</translation>
    </message>
    <message>
        <source>The screen may blank during a round: the screen saver is not held off (%1). Switch the screen saver off.</source>
        <translation>Lo schermo potrebbe spegnersi durante un round: lo screen saver non è bloccato (%1). Disattiva lo screen saver.</translation>
    </message>
    <message>
        <source>%1, whose output &quot;%2&quot; is muted: no cue is heard</source>
        <translation type="vanished">%1, la cui uscita &quot;%2&quot; è silenziata: nessun annuncio si sente</translation>
    </message>
    <message>
        <source>%1, whose output &quot;%2&quot; is at zero volume: no cue is heard</source>
        <translation type="vanished">%1, la cui uscita &quot;%2&quot; ha il volume a zero: nessun annuncio si sente</translation>
    </message>
    <message>
        <source>%1, which has no output: no cue is heard</source>
        <translation type="vanished">%1, che non ha un&apos;uscita: nessun annuncio si sente</translation>
    </message>
    <message>
        <source>Sound output: %1</source>
        <translation>Uscita audio: %1</translation>
    </message>
    <message>
        <source>LED display lost on %1: the timer runs on; frames resume when it is back</source>
        <translation>Tabellone LED perso su %1: il timer continua; i frame riprendono quando torna</translation>
    </message>
    <message>
        <source>LED display back on %1</source>
        <translation>Tabellone LED di nuovo su %1</translation>
    </message>
    <message>
        <source>Serial port %1 could not be opened: %2</source>
        <translation>Impossibile aprire la porta seriale %1: %2</translation>
    </message>
    <message>
        <source>The pilots&apos; display is switched off (port 0).</source>
        <translation>Il display dei piloti è disattivato (porta 0).</translation>
    </message>
    <message>
        <source>The pilots&apos; display could not use port %1 (%2): the timer runs without it.</source>
        <translation>Il display dei piloti non ha potuto usare la porta %1 (%2): il timer funziona senza.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>the log ends here</source>
        <translation>il registro finisce qui</translation>
    </message>
    <message>
        <source>the program ended (a crash, a kill or a power cut)</source>
        <translation>il programma è terminato (arresto anomalo, chiusura forzata o mancanza di corrente)</translation>
    </message>
    <message>
        <source>the program was closed at %1</source>
        <translation>il programma è stato chiuso alle %1</translation>
    </message>
    <message>
        <source>STOP at %1</source>
        <translation>STOP alle %1</translation>
    </message>
    <message>
        <source>program gone until %1 (%2 s)</source>
        <translation>programma assente fino alle %1 (%2 s)</translation>
    </message>
    <message>
        <source>the laptop slept %1 s</source>
        <translation>il portatile è rimasto in sospensione %1 s</translation>
    </message>
    <message>
        <source>landing window over</source>
        <translation>atterraggio concluso</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>fermato</translation>
    </message>
    <message>
        <source>ready</source>
        <translation type="vanished">pronto</translation>
    </message>
    <message>
        <source>preparation</source>
        <translation type="vanished">preparazione</translation>
    </message>
    <message>
        <source>working</source>
        <translation type="vanished">tempo operativo</translation>
    </message>
    <message>
        <source>landing</source>
        <translation type="vanished">atterraggio</translation>
    </message>
    <message>
        <source>not a line of the day log</source>
        <translation>non è una riga del registro del giorno</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>The state file %1 %2: the timer starts at READY with its own settings. It is kept as %3.</source>
        <translation>Il file di stato %1 %2: il timer parte da READY con le sue impostazioni. Viene conservato come %3.</translation>
    </message>
    <message>
        <source>The state file %1 %2: the timer starts at READY with its own settings.</source>
        <translation>Il file di stato %1 %2: il timer parte da READY con le sue impostazioni.</translation>
    </message>
    <message>
        <source>The laptop slept for %1: the timer carried on at the second the clock says, without the cues of that time.</source>
        <translation>Il portatile è rimasto in sospensione per %1: il timer è ripartito dal secondo indicato dall&apos;orologio, senza gli annunci di quel tempo.</translation>
    </message>
    <message>
        <source>The laptop slept for %1.</source>
        <translation>Il portatile è rimasto in sospensione per %1.</translation>
    </message>
    <message>
        <source>The timer was held up for %1: the timer carried on at the second the clock says, without the cues of that time.</source>
        <translation>Il timer è rimasto bloccato per %1: è ripartito dal secondo indicato dall&apos;orologio, senza gli annunci di quel tempo.</translation>
    </message>
    <message>
        <source>The director&apos;s remote</source>
        <translation>Telecomando del direttore</translation>
    </message>
    <message>
        <source>Timekeepers</source>
        <translation>Cronometristi</translation>
    </message>
    <message>
        <source>%1: %2 wrong pairing codes; a new code is shown. Revoke any device that is not one of yours.</source>
        <translation>%1: %2 codici di associazione errati; viene mostrato un nuovo codice. Revoca ogni dispositivo che non è tuo.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is paired.</source>
        <translation>%1: &quot;%2&quot; è associato.</translation>
    </message>
    <message>
        <source>The scores file</source>
        <translation>Il file dei punteggi</translation>
    </message>
    <message>
        <source>the scores are kept in memory and written once it can be</source>
        <translation>i punteggi restano in memoria e vengono scritti appena possibile</translation>
    </message>
    <message>
        <source>The scores file %1 %2: the scores start empty. It is kept as %3.</source>
        <translation>Il file dei punteggi %1 %2: i punteggi partono vuoti. Viene conservato come %3.</translation>
    </message>
    <message>
        <source>The scores file %1 %2: the scores start empty.</source>
        <translation>Il file dei punteggi %1 %2: i punteggi partono vuoti.</translation>
    </message>
    <message>
        <source>Sound output: %1, whose output &quot;%2&quot; is muted: no cue is heard</source>
        <translation>Uscita audio: %1, la cui uscita &quot;%2&quot; è silenziata: non si sente nessun annuncio</translation>
    </message>
    <message>
        <source>Sound output: %1, whose output &quot;%2&quot; is at zero volume: no cue is heard</source>
        <translation>Uscita audio: %1, la cui uscita &quot;%2&quot; ha il volume a zero: non si sente nessun annuncio</translation>
    </message>
    <message>
        <source>Sound output: %1, which has no output: no cue is heard</source>
        <translation>Uscita audio: %1, che non ha nessuna uscita: non si sente nessun annuncio</translation>
    </message>
    <message>
        <source>PulseAudio sound server</source>
        <translation>server audio PulseAudio</translation>
    </message>
    <message>
        <source>ALSA default device (no sound server answers)</source>
        <translation>dispositivo predefinito ALSA (nessun server audio risponde)</translation>
    </message>
</context>
<context>
    <name>PilotsDisplayWindow</name>
    <message>
        <source>The pilots&apos; display is switched off (port 0).</source>
        <translation type="vanished">Il display dei piloti è disattivato (porta 0).</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>unsigned</source>
        <translation>non firmata</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>assente</translation>
    </message>
    <message>
        <source>re-flight</source>
        <translation>volo ripetuto</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Fly-off</source>
        <translation>Fly-off</translation>
    </message>
    <message>
        <source>DSQ</source>
        <translation>SQ</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation>Gara</translation>
    </message>
    <message numerus="yes">
        <source>PROVISIONAL: %n group(s) not confirmed; their scores are marked *.</source>
        <translation>
            <numerusform>PROVVISORIO: %n gruppo non confermato; i suoi punteggi sono segnati con *.</numerusform>
            <numerusform>PROVVISORIO: %n gruppi non confermati; i loro punteggi sono segnati con *.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Pilota</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>R%1</source>
        <translation>R%1</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Penalità</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Round %1: task %2, working time %3</source>
        <translation>Round %1: prova %2, tempo operativo %3</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Voli</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Grezzo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Squadre</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Contati</translation>
    </message>
</context>
<context>
    <name>ResultsPdf</name>
    <message>
        <source>Results: %1</source>
        <translation>Risultati: %1</translation>
    </message>
    <message>
        <source>Results %1: cannot be written</source>
        <translation>Risultati %1: impossibile scriverli</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Fly-off</source>
        <translation>Fly-off</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
</context>
<context>
    <name>RoundsModel</name>
    <message>
        <source>Task</source>
        <translation type="vanished">Prova</translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="vanished">Titolo</translation>
    </message>
    <message>
        <source>Working</source>
        <translation type="vanished">Tempo operativo</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="vanished">Gruppi</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation type="vanished">Voli</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation type="vanished">Preparazione</translation>
    </message>
</context>
<context>
    <name>RulesListing</name>
    <message numerus="yes">
        <source>%1 from %n rounds</source>
        <translation>
            <numerusform>%1 a partire da %n round</numerusform>
            <numerusform>%1 a partire da %n round</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message numerus="yes">
        <source>the last %n flight(s)</source>
        <translation>
            <numerusform>l&apos;ultimo volo</numerusform>
            <numerusform>gli ultimi %n voli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the longest %n flight(s)</source>
        <translation>
            <numerusform>il volo più lungo</numerusform>
            <numerusform>i %n voli più lunghi</numerusform>
        </translation>
    </message>
    <message>
        <source>every flight</source>
        <translation>ogni volo</translation>
    </message>
    <message>
        <source>the longest flights against the targets, as they score most</source>
        <translation>i voli più lunghi contro gli obiettivi, nel modo che dà più punti</translation>
    </message>
    <message>
        <source>the flights in order against the targets</source>
        <translation>i voli in ordine contro gli obiettivi</translation>
    </message>
    <message numerus="yes">
        <source>the pilot&apos;s targets reached, at most %n</source>
        <translation>
            <numerusform>gli obiettivi raggiunti dal pilota, al massimo %n</numerusform>
            <numerusform>gli obiettivi raggiunti dal pilota, al massimo %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Rounds dropped</source>
        <translation>Round scartati</translation>
    </message>
    <message>
        <source>Completed rounds for a final score</source>
        <translation>Round completati per un punteggio finale</translation>
    </message>
    <message>
        <source>Penalty points that disqualify</source>
        <translation>Punti di penalità che squalificano</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>oltre %1</translation>
    </message>
    <message>
        <source>Re-flight</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <source>the re-flown pilot takes the re-flight&apos;s score, the others in its group the better of their two</source>
        <translation>il pilota che ripete il volo prende il punteggio della ripetizione, gli altri del suo gruppo il migliore dei loro due</translation>
    </message>
    <message>
        <source>everyone in the re-flight group keeps the better of their two scores</source>
        <translation>ognuno nel gruppo di ripetizione tiene il migliore dei suoi due punteggi</translation>
    </message>
    <message>
        <source>Team result</source>
        <translation>Risultato a squadre</translation>
    </message>
    <message numerus="yes">
        <source>the sum of %n nominated members&apos; totals</source>
        <translation>
            <numerusform>il totale del membro designato</numerusform>
            <numerusform>la somma dei totali di %n membri designati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the sum of the best %n members&apos; totals</source>
        <translation>
            <numerusform>il totale del membro migliore</numerusform>
            <numerusform>la somma dei totali dei %n membri migliori</numerusform>
        </translation>
    </message>
    <message>
        <source>Fly-off rounds dropped</source>
        <translation>Round di fly-off scartati</translation>
    </message>
    <message>
        <source>Poker targets counted</source>
        <translation>Obiettivi del poker contati</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>al massimo %1</translation>
    </message>
    <message>
        <source>Task D</source>
        <translation>Prova D</translation>
    </message>
    <message>
        <source>two flights</source>
        <translation>due voli</translation>
    </message>
    <message>
        <source>ladder of 30 s to 120 s in order</source>
        <translation>scala da 30 s a 120 s in ordine</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Working time</source>
        <translation>Tempo operativo</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Contati</translation>
    </message>
    <message>
        <source>Flights allowed</source>
        <translation>Voli ammessi</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>qualsiasi numero</translation>
    </message>
    <message>
        <source>Most a flight counts</source>
        <translation>Massimo che un volo conta</translation>
    </message>
    <message>
        <source>the working time</source>
        <translation>il tempo operativo</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Obiettivi</translation>
    </message>
</context>
<context>
    <name>ScheduleDialogs</name>
    <message>
        <source>Import draw</source>
        <translation type="vanished">Importa sorteggio</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt)</source>
        <translation type="vanished">Sorteggi (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Print draw</source>
        <translation type="vanished">Stampa sorteggio</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="vanished">PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Generate draw</source>
        <translation type="vanished">Genera sorteggio</translation>
    </message>
    <message>
        <source>One pilot a line: Name, or Name; Team</source>
        <translation type="vanished">Un pilota per riga: Nome, oppure Nome; Squadra</translation>
    </message>
    <message>
        <source>Pilots:</source>
        <translation type="vanished">Piloti:</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation type="vanished">Piloti per gruppo</translation>
    </message>
    <message>
        <source>Number of groups</source>
        <translation type="vanished">Numero di gruppi</translation>
    </message>
    <message>
        <source>Seed (the same seed draws the same again):</source>
        <translation type="vanished">Seme (lo stesso seme ridà lo stesso sorteggio):</translation>
    </message>
    <message>
        <source>Withdraw pilot</source>
        <translation type="vanished">Ritira pilota</translation>
    </message>
    <message>
        <source>Pilot who withdraws from the groups not yet flown:</source>
        <translation type="vanished">Pilota che si ritira dai gruppi non ancora volati:</translation>
    </message>
    <message>
        <source>Open schedule</source>
        <translation type="vanished">Apri programma di gara</translation>
    </message>
    <message>
        <source>Schedules (*.json)</source>
        <translation type="vanished">Programmi di gara (*.json)</translation>
    </message>
    <message>
        <source>Save schedule</source>
        <translation type="vanished">Salva programma di gara</translation>
    </message>
    <message>
        <source>Line %1: a team without a pilot&apos;s name</source>
        <translation type="vanished">Riga %1: una squadra senza il nome del pilota</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is in the list twice</source>
        <translation type="vanished">Riga %1: &quot;%2&quot; è due volte nell&apos;elenco</translation>
    </message>
    <message>
        <source>The list holds no pilots: one a line, Name or Name; Team.</source>
        <translation type="vanished">L&apos;elenco non contiene piloti: uno per riga, Nome oppure Nome; Squadra.</translation>
    </message>
</context>
<context>
    <name>ScheduleFileDialogs</name>
    <message>
        <source>Import draw</source>
        <translation>Importa sorteggio</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt)</source>
        <translation>Sorteggi (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Print draw</source>
        <translation>Stampa sorteggio</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Generate draw</source>
        <translation>Genera sorteggio</translation>
    </message>
    <message>
        <source>One pilot a line: Name, or Name; Team</source>
        <translation>Un pilota per riga: Nome, oppure Nome; Squadra</translation>
    </message>
    <message>
        <source>Pilots:</source>
        <translation>Piloti:</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation>Piloti per gruppo</translation>
    </message>
    <message>
        <source>Number of groups</source>
        <translation>Numero di gruppi</translation>
    </message>
    <message>
        <source>Seed (the same seed draws the same again):</source>
        <translation>Seme (lo stesso seme ripete lo stesso sorteggio):</translation>
    </message>
    <message>
        <source>Withdraw pilot</source>
        <translation>Ritira pilota</translation>
    </message>
    <message>
        <source>Pilot who withdraws from the groups not yet flown:</source>
        <translation>Pilota che si ritira dai gruppi non ancora volati:</translation>
    </message>
    <message>
        <source>Open schedule</source>
        <translation>Apri programma di gara</translation>
    </message>
    <message>
        <source>Schedules (*.json)</source>
        <translation>Programmi di gara (*.json)</translation>
    </message>
    <message>
        <source>Save schedule</source>
        <translation>Salva programma di gara</translation>
    </message>
    <message>
        <source>Line %1: a team without a pilot&apos;s name</source>
        <translation>Riga %1: una squadra senza il nome del pilota</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is in the list twice</source>
        <translation>Riga %1: &quot;%2&quot; è due volte nell&apos;elenco</translation>
    </message>
    <message>
        <source>The list holds no pilots: one a line, Name or Name; Team.</source>
        <translation>L&apos;elenco non contiene piloti: uno per riga, Nome oppure Nome; Squadra.</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>waiting for START</source>
        <translation type="vanished">in attesa dello START</translation>
    </message>
    <message>
        <source>cycle running</source>
        <translation type="vanished">ciclo in corso</translation>
    </message>
    <message>
        <source>gap</source>
        <translation type="vanished">pausa</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">fermato</translation>
    </message>
    <message>
        <source>schedule done</source>
        <translation type="vanished">programma concluso</translation>
    </message>
</context>
<context>
    <name>ScoresDialogs</name>
    <message>
        <source>The re-flown pilot takes the re-flight</source>
        <translation>Il pilota che ripete il volo tiene la ripetizione</translation>
    </message>
    <message>
        <source>The better of two for everyone</source>
        <translation>Il migliore dei due per tutti</translation>
    </message>
    <message>
        <source>Nominated members</source>
        <translation>Membri designati</translation>
    </message>
    <message>
        <source>Best members</source>
        <translation>Membri migliori</translation>
    </message>
    <message>
        <source>Two flights</source>
        <translation>Due voli</translation>
    </message>
    <message>
        <source>Ladder of 30 s to 120 s</source>
        <translation>Scala da 30 s a 120 s</translation>
    </message>
    <message>
        <source>Re-flight group</source>
        <translation>Gruppo di ripetizione</translation>
    </message>
    <message>
        <source>Granted a re-flight:</source>
        <translation>Con diritto alla ripetizione:</translation>
    </message>
    <message>
        <source>Fill the group (keep the better score):</source>
        <translation>Completano il gruppo (tengono il punteggio migliore):</translation>
    </message>
    <message>
        <source>Contest rules</source>
        <translation>Regole della gara</translation>
    </message>
    <message>
        <source>Rounds dropped (from rounds:dropped):</source>
        <translation>Round scartati (da round:scartati):</translation>
    </message>
    <message>
        <source>Completed rounds for a final score:</source>
        <translation>Round completati per un punteggio finale:</translation>
    </message>
    <message>
        <source>Penalty points that disqualify, over:</source>
        <translation>Punti di penalità che squalificano, oltre:</translation>
    </message>
    <message>
        <source>Re-flight:</source>
        <translation>Ripetizione:</translation>
    </message>
    <message>
        <source>Team result:</source>
        <translation>Risultato a squadre:</translation>
    </message>
    <message>
        <source>Members counted:</source>
        <translation>Membri contati:</translation>
    </message>
    <message>
        <source>Poker targets counted:</source>
        <translation>Obiettivi del poker contati:</translation>
    </message>
    <message>
        <source>Task D:</source>
        <translation>Prova D:</translation>
    </message>
    <message>
        <source>Fly-off from round:</source>
        <translation>Fly-off dal round:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Write the dropped rounds as steps like 5:1 9:2: from 5 rounds 1 is dropped, from 9 rounds 2.</source>
        <translation>Scrivi i round scartati a scaglioni come 5:1 9:2: da 5 round se ne scarta 1, da 9 round 2.</translation>
    </message>
</context>
<context>
    <name>ScoresSession</name>
    <message>
        <source>Open a schedule first: the scores come with it.</source>
        <translation>Apri prima un programma di gara: i punteggi vanno con esso.</translation>
    </message>
    <message>
        <source>Save the schedule first: its scores are kept beside its file.</source>
        <translation>Salva prima il programma di gara: i suoi punteggi sono conservati accanto al suo file.</translation>
    </message>
    <message>
        <source>The schedule has no group %1 in round %2.</source>
        <translation>Il programma di gara non ha un gruppo %1 nel round %2.</translation>
    </message>
    <message>
        <source>Round %1 has the task &quot;%2&quot;, which is no F3K task (A to N): it cannot be scored.</source>
        <translation>Il round %1 ha la prova &quot;%2&quot;, che non è una prova F3K (da A a N): non si può calcolarne il punteggio.</translation>
    </message>
    <message>
        <source>There is no pilot %1 in the contest.</source>
        <translation>Nella gara non c&apos;è un pilota %1.</translation>
    </message>
    <message>
        <source>%1 does not fly in group %2 of round %3.</source>
        <translation>%1 non vola nel gruppo %2 del round %3.</translation>
    </message>
    <message>
        <source>This card was already on the laptop.</source>
        <translation>Questa scheda era già sul portatile.</translation>
    </message>
    <message>
        <source>A newer card of this pilot is on the laptop.</source>
        <translation>Sul portatile c&apos;è una scheda più recente di questo pilota.</translation>
    </message>
    <message>
        <source>Group %1 of round %2 is already confirmed: ask the director to change the card at the laptop.</source>
        <translation>Il gruppo %1 del round %2 è già confermato: chiedi al direttore di gara di modificare la scheda sul portatile.</translation>
    </message>
    <message>
        <source>The laptop cannot save the scores now.</source>
        <translation>Il portatile ora non riesce a salvare i punteggi.</translation>
    </message>
    <message>
        <source>%1&apos;s card for round %2, group %3 is on the laptop.</source>
        <translation>La scheda di %1 per il round %2, gruppo %3 è sul portatile.</translation>
    </message>
    <message>
        <source>Group %1 of round %2 has no card to confirm.</source>
        <translation>Il gruppo %1 del round %2 non ha schede da confermare.</translation>
    </message>
    <message>
        <source>Save the schedule first: a re-flight group is saved with it.</source>
        <translation>Salva prima il programma di gara: il gruppo di ripetizione viene salvato con esso.</translation>
    </message>
    <message>
        <source>Round %1 has no draw: a re-flight group is drawn as the others are.</source>
        <translation>Il round %1 non ha un sorteggio: un gruppo di ripetizione si sorteggia come gli altri.</translation>
    </message>
    <message>
        <source>Choose at least one pilot granted the re-flight.</source>
        <translation>Scegli almeno un pilota con diritto alla ripetizione.</translation>
    </message>
    <message>
        <source>Only pilots who flew in round %1 can fly its re-flight group.</source>
        <translation>Solo i piloti che hanno volato nel round %1 possono volare nel suo gruppo di ripetizione.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>%1 è scelto due volte.</translation>
    </message>
    <message>
        <source>The schedule did not take the re-flight group.</source>
        <translation>Il programma di gara non ha accettato il gruppo di ripetizione.</translation>
    </message>
</context>
<context>
    <name>TimekeeperDesk</name>
    <message>
        <source>%1 is timed by &quot;%2&quot;.</source>
        <translation>%1 è cronometrato da &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Pick a pilot of the group in hand: the schedule has moved.</source>
        <translation>Scegli un pilota del gruppo in corso: il programma di gara è andato avanti.</translation>
    </message>
    <message>
        <source>%1 does not fly in this group.</source>
        <translation>%1 non vola in questo gruppo.</translation>
    </message>
    <message>
        <source>You time %1.</source>
        <translation>Cronometri %1.</translation>
    </message>
</context>
<context>
    <name>aerolap::DayLogWindow</name>
    <message>
        <source>Day log</source>
        <translation>Registro del giorno</translation>
    </message>
</context>
<context>
    <name>aerolap::DirectorsRemoteWindow</name>
    <message>
        <source>Director&apos;s remote</source>
        <translation type="vanished">Telecomando del direttore</translation>
    </message>
    <message>
        <source>Open this address on your phone (or scan the code), then type the code below and a name for the phone. Anyone who can see this code can pair: revoke any device that is not yours.</source>
        <translation type="vanished">Apri questo indirizzo sul telefono (o inquadra il codice QR), poi scrivi il codice qui sotto e un nome per il telefono. Chiunque veda questo codice può associarsi: revoca ogni dispositivo che non è tuo.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="vanished">Dispositivo</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation type="vanished">Associato</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation type="vanished">Ultimo contatto</translation>
    </message>
    <message>
        <source>Revoke all</source>
        <translation type="vanished">Revoca tutti</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation type="vanished">Revoca</translation>
    </message>
</context>
<context>
    <name>aerolap::NoticesWindow</name>
    <message>
        <source>Notices</source>
        <translation>Avvisi</translation>
    </message>
</context>
<context>
    <name>aerolap::PairingWindow</name>
    <message>
        <source>Director&apos;s remote</source>
        <translation>Telecomando del direttore</translation>
    </message>
    <message>
        <source>Timekeepers</source>
        <translation>Cronometristi</translation>
    </message>
    <message>
        <source>Open this address on your phone (or scan the code), then type the code below and a name for the phone. Anyone who can see this code can pair: revoke any device that is not yours.</source>
        <translation>Apri questo indirizzo sul telefono (o inquadra il codice QR), poi scrivi il codice qui sotto e un nome per il telefono. Chiunque veda questo codice può associarsi: revoca ogni dispositivo che non è tuo.</translation>
    </message>
    <message>
        <source>Each timekeeper opens this address on their phone (or scans the code), then types the code below and a name for the phone. A timekeeper&apos;s phone can hand in score cards, nothing else. Revoke any device that is not one of yours.</source>
        <translation>Ogni cronometrista apre questo indirizzo sul telefono (o inquadra il codice QR), poi scrive il codice qui sotto e un nome per il telefono. Il telefono di un cronometrista può consegnare schede di punteggio, nient&apos;altro. Revoca ogni dispositivo che non è dei tuoi.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Associato</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Ultimo contatto</translation>
    </message>
    <message>
        <source>Revoke all</source>
        <translation>Revoca tutti</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revoca</translation>
    </message>
</context>
<context>
    <name>aerolap::PilotsDisplayWindow</name>
    <message>
        <source>Pilots&apos; display</source>
        <translation>Display dei piloti</translation>
    </message>
    <message>
        <source>Pilots open one of these addresses on a phone, tablet or TV on the same network as this laptop (or scan its code) to see the running time, each in their phone&apos;s own language.</source>
        <translation type="vanished">I piloti aprono uno di questi indirizzi su un telefono, un tablet o una TV nella stessa rete di questo portatile (o ne inquadrano il codice) per vedere il tempo, ciascuno nella lingua del proprio telefono.</translation>
    </message>
    <message>
        <source>Pilots open one of these addresses on a phone, tablet or TV on the same network as this laptop (or scan its code) to see the running time.</source>
        <translation>I piloti aprono uno di questi indirizzi su un telefono, tablet o TV nella stessa rete di questo portatile (o ne inquadrano il codice QR) per vedere il tempo che scorre.</translation>
    </message>
</context>
<context>
    <name>aerolap::RoundsModel</name>
    <message>
        <source>Task</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Tempo operativo</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Voli</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>The schedule can be changed only while no cycle runs.</source>
        <translation>Il programma di gara si può modificare solo quando nessun ciclo è in corso.</translation>
    </message>
</context>
<context>
    <name>aerolap::ScheduleWindow</name>
    <message>
        <source>waiting for START</source>
        <translation>in attesa dello START</translation>
    </message>
    <message>
        <source>cycle running</source>
        <translation>ciclo in corso</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>pausa</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>fermato</translation>
    </message>
    <message>
        <source>schedule done</source>
        <translation>programma concluso</translation>
    </message>
    <message>
        <source>round %1, group %2, flight %3</source>
        <translation>round %1, gruppo %2, volo %3</translation>
    </message>
    <message>
        <source>Extended display frame</source>
        <translation>Frame esteso per il tabellone</translation>
    </message>
    <message>
        <source>Contest schedule</source>
        <translation>Programma di gara</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Sorteggio</translation>
    </message>
    <message>
        <source>Import draw...</source>
        <translation>Importa sorteggio...</translation>
    </message>
    <message>
        <source>Generate draw...</source>
        <translation>Genera sorteggio...</translation>
    </message>
    <message>
        <source>Withdraw pilot...</source>
        <translation>Ritira pilota...</translation>
    </message>
    <message>
        <source>Print draw...</source>
        <translation>Stampa sorteggio...</translation>
    </message>
    <message>
        <source>Add round</source>
        <translation>Aggiungi round</translation>
    </message>
    <message>
        <source>Remove round</source>
        <translation>Rimuovi round</translation>
    </message>
    <message>
        <source>Back one</source>
        <translation>Indietro di uno</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <source>No schedule: open one or add a round.</source>
        <translation>Nessun programma di gara: aprine uno o aggiungi un round.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="vanished">%1: %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Prossimo: %1</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Prossimo: %1 alle %2</translation>
    </message>
    <message>
        <source>The schedule moves only while no cycle runs, and only to a cycle it holds.</source>
        <translation>Il programma di gara si sposta solo quando nessun ciclo è in corso, e solo verso un ciclo che contiene.</translation>
    </message>
    <message>
        <source>No draw</source>
        <translation>Nessun sorteggio</translation>
    </message>
    <message>
        <source>%1, %2; %3</source>
        <translation type="vanished">%1, %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%n pilot(s)</source>
        <translation type="vanished">
            <numerusform>%n pilota</numerusform>
            <numerusform>%n piloti</numerusform>
        </translation>
    </message>
    <message>
        <source>generated with seed %1</source>
        <translation>generato con il seme %1</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>importato</translation>
    </message>
    <message numerus="yes">
        <source>two pilots meet %1 to %n time(s)</source>
        <translation type="vanished">
            <numerusform>due piloti si incontrano da %1 a %n volta</numerusform>
            <numerusform>due piloti si incontrano da %1 a %n volte</numerusform>
        </translation>
    </message>
    <message>
        <source>Draw of round %1</source>
        <translation>Sorteggio del round %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppo %1</translation>
    </message>
    <message>
        <source> (in hand)</source>
        <translation type="vanished"> (in corso)</translation>
    </message>
    <message>
        <source> (next)</source>
        <translation type="vanished"> (prossimo)</translation>
    </message>
    <message numerus="yes">
        <source>Drawn. Two pilots meet %1 to %n time(s) over the contest.</source>
        <translation type="vanished">
            <numerusform>Sorteggio fatto. Due piloti si incontrano da %1 a %n volta nel corso della gara.</numerusform>
            <numerusform>Sorteggio fatto. Due piloti si incontrano da %1 a %n volte nel corso della gara.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no draw with a pilot to withdraw.</source>
        <translation>Non c&apos;è un sorteggio con un pilota da ritirare.</translation>
    </message>
    <message>
        <source>There is no draw to print.</source>
        <translation>Non c&apos;è un sorteggio da stampare.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <comment>task letter: title (working time)</comment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where the schedule stands: its state</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n pilot(s), %1; two pilots meet %2 to %3 times</source>
        <translation>
            <numerusform>%n pilota, %1; due piloti si incontrano da %2 a %3 volte</numerusform>
            <numerusform>%n piloti, %1; due piloti si incontrano da %2 a %3 volte</numerusform>
        </translation>
    </message>
    <message>
        <source>Group %1 (in hand)</source>
        <translation>Gruppo %1 (in corso)</translation>
    </message>
    <message>
        <source>Group %1 (next)</source>
        <translation>Gruppo %1 (prossimo)</translation>
    </message>
    <message>
        <source>Drawn. Two pilots meet %1 to %2 times over the contest.</source>
        <translation>Sorteggio fatto. Due piloti si incontrano da %1 a %2 volte nella gara.</translation>
    </message>
</context>
<context>
    <name>aerolap::ScoresWindow</name>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>&amp;Round</source>
        <translation>&amp;Round</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Gruppo</translation>
    </message>
    <message>
        <source>&amp;Confirm group</source>
        <translation>&amp;Conferma gruppo</translation>
    </message>
    <message>
        <source>Re-flight group...</source>
        <translation>Gruppo di ripetizione...</translation>
    </message>
    <message>
        <source>Rules...</source>
        <translation>Regole...</translation>
    </message>
    <message>
        <source>&amp;Print results...</source>
        <translation>Stampa &amp;risultati...</translation>
    </message>
    <message>
        <source>Print cards...</source>
        <translation>Stampa schede...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>Esporta &amp;CSV...</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Pilota</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Obiettivi</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Voli</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Penalità</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Grezzo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>target of each flight</source>
        <translation>obiettivo di ogni volo</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>firmata</translation>
    </message>
    <message>
        <source>unsigned</source>
        <translation>non firmata</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>assente</translation>
    </message>
    <message>
        <source>no card yet</source>
        <translation>ancora nessuna scheda</translation>
    </message>
    <message>
        <source>typed in</source>
        <translation>inserita a mano</translation>
    </message>
    <message>
        <source>phone &quot;%1&quot;, signed &quot;%2&quot;</source>
        <translation>telefono &quot;%1&quot;, firmata &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&amp;Timekeepers...</source>
        <translation>&amp;Cronometristi...</translation>
    </message>
    <message>
        <source>No schedule: open one with its draw.</source>
        <translation>Nessun programma di gara: aprine uno con il suo sorteggio.</translation>
    </message>
    <message>
        <source>This round&apos;s task is no F3K task (A to N): it is not scored.</source>
        <translation>La prova di questo round non è una prova F3K (da A a N): non ha punteggio.</translation>
    </message>
    <message>
        <source>Task %1, working time %2%3: %4</source>
        <translation>Prova %1, tempo operativo %2%3: %4</translation>
    </message>
    <message>
        <source>, re-flight group</source>
        <translation>, gruppo di ripetizione</translation>
    </message>
    <message>
        <source>nothing entered</source>
        <translation>niente inserito</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confermato</translation>
    </message>
    <message>
        <source>provisional</source>
        <translation>provvisorio</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>obiettivo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n target(s) for %1 flight(s): give the target named before each flight.</source>
        <translation>
            <numerusform>%n obiettivo per %1 voli: indica l&apos;obiettivo dichiarato prima di ogni volo.</numerusform>
            <numerusform>%n obiettivi per %1 voli: indica l&apos;obiettivo dichiarato prima di ogni volo.</numerusform>
        </translation>
    </message>
    <message>
        <source>the penalty &quot;%1&quot; is not a number of points.</source>
        <translation>la penalità &quot;%1&quot; non è un numero di punti.</translation>
    </message>
    <message>
        <source>%1: card cleared.</source>
        <translation>%1: scheda cancellata.</translation>
    </message>
    <message>
        <source>%1: entered.</source>
        <translation>%1: inserita.</translation>
    </message>
    <message>
        <source>Nothing was entered: the card stays as it was.</source>
        <translation>Non è stato inserito niente: la scheda resta com&apos;era.</translation>
    </message>
    <message>
        <source>Group %1 of round %2 confirmed.</source>
        <translation>Gruppo %1 del round %2 confermato.</translation>
    </message>
    <message>
        <source>Re-flight group %1 added to round %2: it flies after the round&apos;s last group.</source>
        <translation>Gruppo di ripetizione %1 aggiunto al round %2: vola dopo l&apos;ultimo gruppo del round.</translation>
    </message>
    <message>
        <source>The rules are changed.</source>
        <translation>Le regole sono cambiate.</translation>
    </message>
    <message>
        <source>Print results</source>
        <translation>Stampa risultati</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The results are in %1.</source>
        <translation>I risultati sono in %1.</translation>
    </message>
    <message>
        <source>This round is not scored: it has no cards.</source>
        <translation>Questo round non ha punteggio: non ha schede.</translation>
    </message>
    <message>
        <source>Print cards</source>
        <translation>Stampa schede</translation>
    </message>
    <message>
        <source>The cards of round %1 are in %2.</source>
        <translation>Le schede del round %1 sono in %2.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>Impossibile scrivere %1 (%2).</translation>
    </message>
</context>
<context>
    <name>i18n</name>
    <message>
        <source>READY</source>
        <translation type="vanished">READY</translation>
    </message>
    <message>
        <source>PREPARATION</source>
        <translation type="vanished">PREPARAZIONE</translation>
    </message>
    <message>
        <source>WORKING TIME</source>
        <translation type="vanished">TEMPO OPERATIVO</translation>
    </message>
    <message>
        <source>LANDING WINDOW</source>
        <translation type="vanished">ATTERRAGGIO</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation type="vanished">STOP</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation type="vanished">CONNESSIONE PERSA</translation>
    </message>
    <message>
        <source>round %1, group %2, flight %3</source>
        <translation>round %1, gruppo %2, volo %3</translation>
    </message>
</context>
<context>
    <name>pilots</name>
    <message>
        <source>TEST FLIGHTS</source>
        <translation>VOLI DI PROVA</translation>
    </message>
    <message>
        <source>NO FLY</source>
        <translation>VOLO VIETATO</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Round %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppo %1</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation>Volo %1</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Task %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Poi: %1</translation>
    </message>
    <message numerus="yes">
        <source>in about %n minute(s)</source>
        <translation>
            <numerusform>tra circa %n minuto</numerusform>
            <numerusform>tra circa %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>tra %1</translation>
    </message>
    <message>
        <source>round %1, group %2</source>
        <translation>round %1, gruppo %2</translation>
    </message>
    <message>
        <source>Who are you? Pick your name</source>
        <translation>Chi sei? Scegli il tuo nome</translation>
    </message>
    <message>
        <source>You have no more flights in this draw.</source>
        <translation>Non hai più voli in questo sorteggio.</translation>
    </message>
    <message>
        <source>You are flying: round %1, group %2.</source>
        <translation>Stai volando: round %1, gruppo %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2.</source>
        <translation>Voli nel round %1, gruppo %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2, %3 (%4)</source>
        <translation>Voli nel round %1, gruppo %2, %3 (%4)</translation>
    </message>
    <message>
        <source>Not you?</source>
        <translation>Non sei tu?</translation>
    </message>
    <message>
        <source>Flying: %1</source>
        <translation>In volo: %1</translation>
    </message>
    <message>
        <source>Next to fly: %1</source>
        <translation>Prossimi in volo: %1</translation>
    </message>
    <message>
        <source>START %1</source>
        <translation>START %1</translation>
    </message>
    <message>
        <source>On deck: %1</source>
        <translation>In attesa: %1</translation>
    </message>
    <message>
        <source>No group on deck</source>
        <translation>Nessun gruppo in attesa</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>READY</translation>
    </message>
    <message>
        <source>PREPARATION</source>
        <translation>PREPARAZIONE</translation>
    </message>
    <message>
        <source>WORKING TIME</source>
        <translation>TEMPO OPERATIVO</translation>
    </message>
    <message>
        <source>LANDING WINDOW</source>
        <translation>ATTERRAGGIO</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>FERMO</translation>
    </message>
    <message>
        <source>group %1: %2, raw %3, %4</source>
        <translation>gruppo %1: %2, grezzo %3, %4</translation>
    </message>
    <message>
        <source>no flights</source>
        <translation>nessun volo</translation>
    </message>
    <message>
        <source>Round %1 (%2): %3</source>
        <translation>Round %1 (%2): %3</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Round %1: %2</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>scartato</translation>
    </message>
    <message>
        <source>penalty %1</source>
        <translation>penalità %1</translation>
    </message>
    <message>
        <source>Penalties: %1</source>
        <translation>Penalità: %1</translation>
    </message>
    <message>
        <source>No rounds scored yet.</source>
        <translation>Nessun round ancora valutato.</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Provisional: * marks scores of groups not yet confirmed.</source>
        <translation>Provvisoria: * indica i punteggi dei gruppi non ancora confermati.</translation>
    </message>
    <message>
        <source>No scores yet.</source>
        <translation>Ancora nessun punteggio.</translation>
    </message>
    <message>
        <source>Tap a pilot for their rounds.</source>
        <translation>Tocca un pilota per vedere i suoi round.</translation>
    </message>
    <message>
        <source>Fly-off</source>
        <translation>Fly-off</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Squadre</translation>
    </message>
    <message>
        <source>Disqualified</source>
        <translation>Squalificato</translation>
    </message>
    <message>
        <source>Rank %1 of %2</source>
        <translation>%1° posto su %2</translation>
    </message>
    <message>
        <source>No rank yet: %1 of %2 rounds completed</source>
        <translation>Non ancora in classifica: %1 round completati su %2</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation>CONNESSIONE PERSA</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation>
            <numerusform>Riprova tra %n secondo.</numerusform>
            <numerusform>Riprova tra %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired as %1.</source>
        <translation>Associato come %1.</translation>
    </message>
    <message>
        <source>Sent %1…</source>
        <translation>Inviato %1…</translation>
    </message>
    <message>
        <source>The laptop cannot be reached.</source>
        <translation>Il portatile non è raggiungibile.</translation>
    </message>
    <message>
        <source>Waiting for the timer…</source>
        <translation>In attesa del timer…</translation>
    </message>
    <message>
        <source>The timer is at READY.</source>
        <translation>Il timer è su READY.</translation>
    </message>
    <message>
        <source>The timer is in the preparation.</source>
        <translation>Il timer è in preparazione.</translation>
    </message>
    <message>
        <source>The timer is in the working time.</source>
        <translation>Il timer è nel tempo operativo.</translation>
    </message>
    <message>
        <source>The timer is in the landing window.</source>
        <translation>Il timer è nell&apos;atterraggio.</translation>
    </message>
    <message>
        <source>The timer is stopped.</source>
        <translation>Il timer è fermo.</translation>
    </message>
    <message>
        <source>preparation %1</source>
        <translation>preparazione %1</translation>
    </message>
    <message>
        <source>working %1</source>
        <translation>tempo operativo %1</translation>
    </message>
    <message>
        <source>schedule %1</source>
        <translation>programma %1</translation>
    </message>
    <message>
        <source>waiting for START</source>
        <translation type="vanished">in attesa dello START</translation>
    </message>
    <message>
        <source>cycle running</source>
        <translation type="vanished">ciclo in corso</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>pausa</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">fermato</translation>
    </message>
    <message>
        <source>schedule done</source>
        <translation type="vanished">concluso</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Round %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppo %1</translation>
    </message>
    <message>
        <source>next %1</source>
        <translation>poi %1</translation>
    </message>
    <message>
        <source>Pair this phone: type the six-digit code shown in &quot;Director&apos;s remote&quot; on the laptop.</source>
        <translation>Associa questo telefono: digita il codice di sei cifre mostrato sul portatile in «Telecomando del direttore di gara».</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>This device&apos;s name</source>
        <translation>Nome di questo dispositivo</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Associa</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Vai</translation>
    </message>
    <message>
        <source>Forget pairing</source>
        <translation>Dimentica l&apos;associazione</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>running</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>fermo</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>concluso</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation>CONNESSIONE PERSA</translation>
    </message>
    <message>
        <source>Aerolap: director&apos;s remote</source>
        <translation>Aerolap: telecomando del direttore di gara</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>timekeeper</name>
    <message>
        <source>Aerolap: timekeeper</source>
        <translation>Aerolap: cronometrista</translation>
    </message>
    <message>
        <source>Pair this phone as a timekeeper: type the six-digit code shown in the Scores window, &quot;Timekeepers...&quot;, on the laptop.</source>
        <translation>Associa questo telefono come cronometrista: digita il codice di sei cifre mostrato sul portatile nella finestra dei punteggi, «Cronometristi...».</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>This device&apos;s name</source>
        <translation>Nome di questo dispositivo</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Associa</translation>
    </message>
    <message>
        <source>Paired as %1.</source>
        <translation>Associato come %1.</translation>
    </message>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation>
            <numerusform>Riprova tra %n secondo.</numerusform>
            <numerusform>Riprova tra %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The laptop cannot be reached.</source>
        <translation>Il portatile non è raggiungibile.</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation>CONNESSIONE PERSA</translation>
    </message>
    <message>
        <source>No group to time yet: the laptop has no schedule with a draw.</source>
        <translation>Ancora nessun gruppo da cronometrare: il portatile non ha un programma con sorteggio.</translation>
    </message>
    <message>
        <source>Round %1 · Group %2</source>
        <translation>Round %1 · Gruppo %2</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Task %1</translation>
    </message>
    <message>
        <source>The laptop has confirmed this group&apos;s scores.</source>
        <translation>Il portatile ha confermato i punteggi di questo gruppo.</translation>
    </message>
    <message>
        <source>Which pilot do you time?</source>
        <translation>Quale pilota cronometri?</translation>
    </message>
    <message>
        <source>timed by %1</source>
        <translation>cronometrato da %1</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>tuo</translation>
    </message>
    <message>
        <source>You time %1.</source>
        <translation>Cronometri %1.</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation>LANCIO</translation>
    </message>
    <message>
        <source>LANDED</source>
        <translation>ATTERRATO</translation>
    </message>
    <message>
        <source>Still in the air at the end of the working time: the flight counts to the end of the working time.</source>
        <translation>Ancora in volo alla fine del tempo operativo: il volo conta fino alla fine del tempo operativo.</translation>
    </message>
    <message>
        <source>counts to the end of the working time</source>
        <translation>conta fino alla fine del tempo operativo</translation>
    </message>
    <message>
        <source>settle by hand: type its time</source>
        <translation>da sistemare a mano: digita il suo tempo</translation>
    </message>
    <message>
        <source>launched at %1</source>
        <translation>lanciato a %1</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>conta</translation>
    </message>
    <message>
        <source>counts %1</source>
        <translation>conta %1</translation>
    </message>
    <message numerus="yes">
        <source>All %n launches are used.</source>
        <translation>
            <numerusform>L&apos;unico lancio è stato usato.</numerusform>
            <numerusform>Tutti i %n lanci sono stati usati.</numerusform>
        </translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <translation>m:ss o secondi</translation>
    </message>
    <message>
        <source>Add flight</source>
        <translation>Aggiungi volo</translation>
    </message>
    <message>
        <source>Save flight %1</source>
        <translation>Salva volo %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Type the time as m:ss or as seconds, for example 1:15 or 75.</source>
        <translation>Digita il tempo come m:ss o in secondi, per esempio 1:15 o 75.</translation>
    </message>
    <message>
        <source>No flights yet.</source>
        <translation>Ancora nessun volo.</translation>
    </message>
    <message>
        <source>Total that counts: %1</source>
        <translation>Totale valido: %1</translation>
    </message>
    <message>
        <source>Total flight time: %1</source>
        <translation>Tempo di volo totale: %1</translation>
    </message>
    <message>
        <source>Pilot signs</source>
        <translation>Firma del pilota</translation>
    </message>
    <message>
        <source>Pilot: check your card, then sign it with your name or initials.</source>
        <translation>Pilota: controlla la tua scheda, poi firmala con il tuo nome o le iniziali.</translation>
    </message>
    <message>
        <source>Pilot&apos;s name or initials</source>
        <translation>Nome o iniziali del pilota</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Signed by %1.</source>
        <translation>Firmata da %1.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Non ancora firmata.</translation>
    </message>
    <message>
        <source>First type the time of each flight marked &quot;settle by hand&quot;.</source>
        <translation>Prima digita il tempo di ogni volo segnato «da sistemare a mano».</translation>
    </message>
    <message>
        <source>Land the flight in the air first.</source>
        <translation>Prima fai atterrare il volo in corso.</translation>
    </message>
    <message>
        <source>The card changed after it was signed: the pilot must sign it again.</source>
        <translation>La scheda è cambiata dopo la firma: il pilota deve firmarla di nuovo.</translation>
    </message>
    <message>
        <source>Cards to send</source>
        <translation>Schede da inviare</translation>
    </message>
    <message>
        <source>%1, round %2, group %3, signed by %4</source>
        <translation>%1, round %2, gruppo %3, firmata da %4</translation>
    </message>
    <message>
        <source>sending…</source>
        <translation>invio in corso…</translation>
    </message>
    <message>
        <source>not on the laptop yet (%1); sent again every few seconds.</source>
        <translation>non ancora sul portatile (%1); viene rinviata ogni pochi secondi.</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>rifiutata: %1</translation>
    </message>
    <message>
        <source>Pair this phone again, then send again.</source>
        <translation>Associa di nuovo questo telefono, poi invia di nuovo.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Invia di nuovo</translation>
    </message>
    <message>
        <source>On the laptop: %1</source>
        <translation>Sul portatile: %1</translation>
    </message>
    <message>
        <source>Next pilot</source>
        <translation>Pilota successivo</translation>
    </message>
    <message>
        <source>This card has not reached the laptop. Drop it?</source>
        <translation>Questa scheda non ha raggiunto il portatile. Scartarla?</translation>
    </message>
    <message>
        <source>Forget pairing</source>
        <translation>Dimentica l&apos;associazione</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
</TS>
