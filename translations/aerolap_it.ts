<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
    <name>DayReport</name>
    <message>
        <source>Aerolap day log of %1</source>
        <translation type="vanished">Registro del giorno di Aerolap, %1</translation>
    </message>
    <message>
        <source>at START</source>
        <translation type="vanished">allo START</translation>
    </message>
    <message>
        <source>LATE</source>
        <translation type="vanished">IN RITARDO</translation>
    </message>
    <message>
        <source>(in the gap)</source>
        <translation type="vanished">(nell&apos;interruzione)</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation type="vanished">MANCANTE</translation>
    </message>
    <message>
        <source>NOT TAKEN</source>
        <translation type="vanished">NON RICEVUTO</translation>
    </message>
    <message>
        <source>Cycle %1: START at %2</source>
        <translation type="vanished">Ciclo %1: START alle %2</translation>
    </message>
    <message>
        <source>Cycle %1: resumed at %2</source>
        <translation type="vanished">Ciclo %1: ripreso alle %2</translation>
    </message>
    <message>
        <source>Gap at %1: %2; the cycle went on at %3</source>
        <translation type="vanished">Interruzione alle %1: %2; il ciclo è ripreso a %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cue(s)</source>
        <translation type="vanished">
            <numerusform>%n annuncio</numerusform>
            <numerusform>%n annunci</numerusform>
        </translation>
    </message>
    <message>
        <source>none late</source>
        <translation type="vanished">nessuno in ritardo</translation>
    </message>
    <message numerus="yes">
        <source>%n late</source>
        <translation type="vanished">
            <numerusform>%n in ritardo</numerusform>
            <numerusform>%n in ritardo</numerusform>
        </translation>
    </message>
    <message>
        <source>latest %1</source>
        <translation type="vanished">il più tardi %1</translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation type="vanished">
            <numerusform>%n mancante</numerusform>
            <numerusform>%n mancanti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation type="vanished">
            <numerusform>%n frame</numerusform>
            <numerusform>%n frame</numerusform>
        </translation>
    </message>
    <message>
        <source>all taken</source>
        <translation type="vanished">tutti ricevuti</translation>
    </message>
    <message numerus="yes">
        <source>%n not taken</source>
        <translation type="vanished">
            <numerusform>%n non ricevuto</numerusform>
            <numerusform>%n non ricevuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation type="vanished">Non letto: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) dropped while the log was busy</source>
        <translation type="vanished">
            <numerusform>%n riga scartata mentre il registro era occupato</numerusform>
            <numerusform>%n righe scartate mentre il registro era occupato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) lost while the log could not be written</source>
        <translation type="vanished">
            <numerusform>%n riga persa mentre il registro non poteva essere scritto</numerusform>
            <numerusform>%n righe perse mentre il registro non poteva essere scritto</numerusform>
        </translation>
    </message>
    <message>
        <source>No cycle in this log.</source>
        <translation type="vanished">Nessun ciclo in questo registro.</translation>
    </message>
    <message>
        <source>%1 from %2, %3 s: %4</source>
        <translation type="vanished">%1 dalle %2, %3 s: %4</translation>
    </message>
    <message>
        <source>measured %1</source>
        <translation type="vanished">misurato %1</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation type="vanished">non terminato</translation>
    </message>
    <message>
        <source>Cues (lateness after their second; LATE beyond %1 ms):</source>
        <translation type="vanished">Annunci (ritardo rispetto al loro secondo; IN RITARDO oltre %1 ms):</translation>
    </message>
    <message>
        <source>Frames (lateness after their second):</source>
        <translation type="vanished">Frame (ritardo rispetto al loro secondo):</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation type="vanished">Fine: %1</translation>
    </message>
    <message>
        <source>Notices:</source>
        <translation type="vanished">Avvisi:</translation>
    </message>
    <message>
        <source>Remote commands:</source>
        <translation type="vanished">Comandi del telecomando:</translation>
    </message>
    <message>
        <source>phase</source>
        <translation type="vanished">fase</translation>
    </message>
    <message>
        <source>from</source>
        <translation type="vanished">dalle</translation>
    </message>
    <message>
        <source>set</source>
        <translation type="vanished">impostato</translation>
    </message>
    <message>
        <source>measured</source>
        <translation type="vanished">misurato</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation type="vanished">Annunci</translation>
    </message>
    <message>
        <source>at</source>
        <translation type="vanished">alle</translation>
    </message>
    <message>
        <source>second</source>
        <translation type="vanished">secondo</translation>
    </message>
    <message>
        <source>cue</source>
        <translation type="vanished">annuncio</translation>
    </message>
    <message>
        <source>after its second</source>
        <translation type="vanished">dopo il suo secondo</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="vanished">Frame</translation>
    </message>
    <message>
        <source>frame</source>
        <translation type="vanished">frame</translation>
    </message>
    <message>
        <source>Notices and remote commands</source>
        <translation type="vanished">Avvisi e comandi del telecomando</translation>
    </message>
</context>
<context>
    <name>DrawPdf</name>
    <message>
        <source>Round %1</source>
        <translation type="vanished">Round %1</translation>
    </message>
    <message>
        <source>Round %1: task %2</source>
        <translation type="vanished">Round %1: prova %2</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Gruppo %1</translation>
    </message>
    <message>
        <source>Pilots: round/group</source>
        <translation type="vanished">Piloti: round/gruppo</translation>
    </message>
    <message>
        <source>(withdrawn from round %1)</source>
        <translation type="vanished">(ritirato dal round %1)</translation>
    </message>
    <message>
        <source>Draw %1: cannot be written</source>
        <translation type="vanished">Sorteggio %1: impossibile scriverlo</translation>
    </message>
    <message>
        <source>The schedule has no draw to print.</source>
        <translation type="vanished">Il programma non ha un sorteggio da stampare.</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation type="vanished">Sorteggio: %1</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation type="vanished">Gara</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The day log</source>
        <translation type="vanished">Il registro del giorno</translation>
    </message>
    <message>
        <source>its lines are counted, and it carries on once it can be written</source>
        <translation type="vanished">le sue righe vengono contate e riprende appena si può scrivere</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written: %3. The timer runs on; %4.</source>
        <translation type="vanished">%1 %2 non si può scrivere: %3. Il timer continua; %4.</translation>
    </message>
    <message>
        <source>%1 %2 is written again.</source>
        <translation type="vanished">%1 %2 viene di nuovo scritto.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="vanished">%1: %2</translation>
    </message>
    <message>
        <source>Cues and seconds may slip while the laptop is busy: the system does not let the timer run ahead of other programs (%1). Close other programs during a round.</source>
        <translation type="vanished">Annunci e secondi possono slittare quando il portatile è occupato: il sistema non dà al timer la precedenza sugli altri programmi (%1). Chiudi gli altri programmi durante un round.</translation>
    </message>
    <message>
        <source>The cycle that was running when Aerolap ended without closing carries on: %1.</source>
        <translation type="vanished">Il ciclo in corso quando Aerolap si è chiuso in modo anomalo continua: %1.</translation>
    </message>
    <message>
        <source>holds a cycle that begins in the future (the clock may have been set back)</source>
        <translation type="vanished">contiene un ciclo che inizia nel futuro (forse l&apos;orologio è stato spostato indietro)</translation>
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
        <translation type="vanished">Il file di stato</translation>
    </message>
    <message>
        <source>after a crash it could not resume the cycle</source>
        <translation type="vanished">dopo un arresto anomalo non potrebbe riprendere il ciclo</translation>
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
        <translation type="vanished">Telecomando del direttore: i dispositivi associati in %1 non si possono leggere; associa di nuovo i telefoni.</translation>
    </message>
    <message>
        <source>The director&apos;s remote: the devices paired on %1 are forgotten; pair the phones again for today.</source>
        <translation type="vanished">Telecomando del direttore: i dispositivi associati il %1 sono dimenticati; associa di nuovo i telefoni per oggi.</translation>
    </message>
    <message>
        <source>The director&apos;s remote&apos;s list of paired devices</source>
        <translation type="vanished">L&apos;elenco dei dispositivi associati al telecomando del direttore</translation>
    </message>
    <message>
        <source>the devices paired since are forgotten when the program ends</source>
        <translation type="vanished">i dispositivi associati da allora vengono dimenticati alla chiusura del programma</translation>
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
        <translation type="vanished">Telecomando del direttore (&quot;%1&quot;): %2 rifiutato: %3</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;) jumped to round %2, group %3.</source>
        <translation type="vanished">Il telecomando del direttore (&quot;%1&quot;) è passato al round %2, gruppo %3.</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;): %2</source>
        <translation type="vanished">Telecomando del direttore (&quot;%1&quot;): %2</translation>
    </message>
    <message>
        <source>a dialog is open on the laptop; answer it there first.</source>
        <translation type="vanished">sul portatile è aperta una finestra di dialogo; rispondi prima lì.</translation>
    </message>
    <message>
        <source>started the cycle.</source>
        <translation type="vanished">ha avviato il ciclo.</translation>
    </message>
    <message>
        <source>stopped the cycle.</source>
        <translation type="vanished">ha fermato il ciclo.</translation>
    </message>
    <message>
        <source>reset the timer.</source>
        <translation type="vanished">ha azzerato il timer.</translation>
    </message>
    <message>
        <source>skipped to the next group.</source>
        <translation type="vanished">è passato al gruppo successivo.</translation>
    </message>
    <message>
        <source>went back one group.</source>
        <translation type="vanished">è tornato indietro di un gruppo.</translation>
    </message>
    <message>
        <source>jumped to round %1, group %2.</source>
        <translation type="vanished">è passato al round %1, gruppo %2.</translation>
    </message>
    <message>
        <source>unknown command.</source>
        <translation type="vanished">comando sconosciuto.</translation>
    </message>
    <message>
        <source>that button is not on the window now.</source>
        <translation type="vanished">quel pulsante ora non è nella finestra.</translation>
    </message>
    <message>
        <source>no schedule is loaded.</source>
        <translation type="vanished">nessun programma di gara caricato.</translation>
    </message>
    <message>
        <source>the schedule moves only while no cycle runs, within its rounds.</source>
        <translation type="vanished">il programma si sposta solo quando nessun ciclo è in corso, entro i suoi round.</translation>
    </message>
    <message>
        <source>The laptop may go to sleep during a round: the login manager does not keep it awake (%1). Switch power saving off and keep the lid open.</source>
        <translation type="vanished">Il portatile potrebbe andare in sospensione durante un round: il gestore di sessione non lo tiene sveglio (%1). Disattiva il risparmio energetico e tieni il coperchio aperto.</translation>
    </message>
    <message>
        <source>The screen may blank during a round: the screen saver is not held off (%1). Switch the screen saver off.</source>
        <translation type="vanished">Lo schermo potrebbe spegnersi durante un round: lo screen saver non è bloccato (%1). Disattiva lo screen saver.</translation>
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
        <translation type="vanished">Uscita audio: %1</translation>
    </message>
    <message>
        <source>LED display lost on %1: the timer runs on; frames resume when it is back</source>
        <translation type="vanished">Tabellone LED perso su %1: il timer continua; i frame riprendono quando torna</translation>
    </message>
    <message>
        <source>LED display back on %1</source>
        <translation type="vanished">Tabellone LED di nuovo su %1</translation>
    </message>
    <message>
        <source>Serial port %1 could not be opened: %2</source>
        <translation type="vanished">Impossibile aprire la porta seriale %1: %2</translation>
    </message>
    <message>
        <source>The pilots&apos; display is switched off (port 0).</source>
        <translation type="vanished">Il display dei piloti è disattivato (porta 0).</translation>
    </message>
    <message>
        <source>The pilots&apos; display could not use port %1 (%2): the timer runs without it.</source>
        <translation type="vanished">Il display dei piloti non ha potuto usare la porta %1 (%2): il timer funziona senza.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="vanished">riga %1: %2</translation>
    </message>
    <message>
        <source>the log ends here</source>
        <translation type="vanished">il registro finisce qui</translation>
    </message>
    <message>
        <source>the program ended (a crash, a kill or a power cut)</source>
        <translation type="vanished">il programma è terminato (arresto anomalo, chiusura forzata o mancanza di corrente)</translation>
    </message>
    <message>
        <source>the program was closed at %1</source>
        <translation type="vanished">il programma è stato chiuso alle %1</translation>
    </message>
    <message>
        <source>STOP at %1</source>
        <translation type="vanished">STOP alle %1</translation>
    </message>
    <message>
        <source>program gone until %1 (%2 s)</source>
        <translation type="vanished">programma assente fino alle %1 (%2 s)</translation>
    </message>
    <message>
        <source>the laptop slept %1 s</source>
        <translation type="vanished">il portatile è rimasto in sospensione %1 s</translation>
    </message>
    <message>
        <source>landing window over</source>
        <translation type="vanished">atterraggio concluso</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">fermato</translation>
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
</context>
<context>
    <name>aerolap::DayLogWindow</name>
    <message>
        <source>Day log</source>
        <translation type="vanished">Registro del giorno</translation>
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
        <translation type="vanished">Avvisi</translation>
    </message>
</context>
<context>
    <name>aerolap::PilotsDisplayWindow</name>
    <message>
        <source>Pilots&apos; display</source>
        <translation type="vanished">Display dei piloti</translation>
    </message>
    <message>
        <source>Pilots open one of these addresses on a phone, tablet or TV on the same network as this laptop (or scan its code) to see the running time, each in their phone&apos;s own language.</source>
        <translation type="vanished">I piloti aprono uno di questi indirizzi su un telefono, un tablet o una TV nella stessa rete di questo portatile (o ne inquadrano il codice) per vedere il tempo, ciascuno nella lingua del proprio telefono.</translation>
    </message>
</context>
<context>
    <name>aerolap::RoundsModel</name>
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
    <message>
        <source>The schedule can be changed only while no cycle runs.</source>
        <translation type="vanished">Il programma di gara si può modificare solo quando nessun ciclo è in corso.</translation>
    </message>
</context>
<context>
    <name>aerolap::ScheduleWindow</name>
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
    <message>
        <source>round %1, group %2, flight %3</source>
        <translation type="vanished">round %1, gruppo %2, volo %3</translation>
    </message>
    <message>
        <source>Extended display frame</source>
        <translation type="vanished">Frame esteso per il tabellone</translation>
    </message>
    <message>
        <source>Contest schedule</source>
        <translation type="vanished">Programma di gara</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="vanished">Apri...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="vanished">Salva</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="vanished">Sorteggio</translation>
    </message>
    <message>
        <source>Import draw...</source>
        <translation type="vanished">Importa sorteggio...</translation>
    </message>
    <message>
        <source>Generate draw...</source>
        <translation type="vanished">Genera sorteggio...</translation>
    </message>
    <message>
        <source>Withdraw pilot...</source>
        <translation type="vanished">Ritira pilota...</translation>
    </message>
    <message>
        <source>Print draw...</source>
        <translation type="vanished">Stampa sorteggio...</translation>
    </message>
    <message>
        <source>Add round</source>
        <translation type="vanished">Aggiungi round</translation>
    </message>
    <message>
        <source>Remove round</source>
        <translation type="vanished">Rimuovi round</translation>
    </message>
    <message>
        <source>Back one</source>
        <translation type="vanished">Indietro di uno</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="vanished">Salta</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation type="vanished">Vai a</translation>
    </message>
    <message>
        <source>No schedule: open one or add a round.</source>
        <translation type="vanished">Nessun programma di gara: aprine uno o aggiungi un round.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="vanished">%1: %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation type="vanished">Prossimo: %1</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation type="vanished">Prossimo: %1 alle %2</translation>
    </message>
    <message>
        <source>The schedule moves only while no cycle runs, and only to a cycle it holds.</source>
        <translation type="vanished">Il programma di gara si sposta solo quando nessun ciclo è in corso, e solo verso un ciclo che contiene.</translation>
    </message>
    <message>
        <source>No draw</source>
        <translation type="vanished">Nessun sorteggio</translation>
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
        <translation type="vanished">generato con il seme %1</translation>
    </message>
    <message>
        <source>imported</source>
        <translation type="vanished">importato</translation>
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
        <translation type="vanished">Sorteggio del round %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Gruppo %1</translation>
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
        <translation type="vanished">Non c&apos;è un sorteggio con un pilota da ritirare.</translation>
    </message>
    <message>
        <source>There is no draw to print.</source>
        <translation type="vanished">Non c&apos;è un sorteggio da stampare.</translation>
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
</context>
<context>
    <name>pilots</name>
    <message>
        <source>TEST FLIGHTS</source>
        <translation type="vanished">VOLI DI PROVA</translation>
    </message>
    <message>
        <source>NO FLY</source>
        <translation type="vanished">DIVIETO DI VOLO</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation type="vanished">Round %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Gruppo %1</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation type="vanished">Volo %1</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation type="vanished">Prova %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation type="vanished">Prossimo: %1</translation>
    </message>
    <message numerus="yes">
        <source>in about %n minute(s)</source>
        <translation type="vanished">
            <numerusform>tra circa %n minuto</numerusform>
            <numerusform>tra circa %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation type="vanished">tra %1</translation>
    </message>
    <message>
        <source>round %1, group %2</source>
        <translation type="vanished">round %1, gruppo %2</translation>
    </message>
    <message>
        <source>Who are you? Pick your name</source>
        <translation type="vanished">Chi sei? Scegli il tuo nome</translation>
    </message>
    <message>
        <source>You have no more flights in this draw.</source>
        <translation type="vanished">Non hai altri voli in questo sorteggio.</translation>
    </message>
    <message>
        <source>You are flying: round %1, group %2.</source>
        <translation type="vanished">Stai volando: round %1, gruppo %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2.</source>
        <translation type="vanished">Voli nel round %1, gruppo %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2, %3 (%4)</source>
        <translation type="vanished">Voli nel round %1, gruppo %2, %3 (%4)</translation>
    </message>
    <message>
        <source>Not you?</source>
        <translation type="vanished">Non sei tu?</translation>
    </message>
    <message>
        <source>Flying: %1</source>
        <translation type="vanished">In volo: %1</translation>
    </message>
    <message>
        <source>Next to fly: %1</source>
        <translation type="vanished">Prossimo a volare: %1</translation>
    </message>
    <message>
        <source>START %1</source>
        <translation type="vanished">START %1</translation>
    </message>
    <message>
        <source>On deck: %1</source>
        <translation type="vanished">A seguire: %1</translation>
    </message>
    <message>
        <source>No group on deck</source>
        <translation type="vanished">Nessun gruppo a seguire</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation type="vanished">Schermo intero</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="vanished">Lingua</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation type="vanished">
            <numerusform>Riprova tra %n secondo.</numerusform>
            <numerusform>Riprova tra %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired as %1.</source>
        <translation type="vanished">Associato come %1.</translation>
    </message>
    <message>
        <source>Sent %1…</source>
        <translation type="vanished">Inviato %1…</translation>
    </message>
    <message>
        <source>The laptop cannot be reached.</source>
        <translation type="vanished">Il portatile non è raggiungibile.</translation>
    </message>
    <message>
        <source>Waiting for the timer…</source>
        <translation type="vanished">In attesa del timer…</translation>
    </message>
    <message>
        <source>The timer is at READY.</source>
        <translation type="vanished">Il timer è su READY.</translation>
    </message>
    <message>
        <source>The timer is in the preparation.</source>
        <translation type="vanished">Il timer è in preparazione.</translation>
    </message>
    <message>
        <source>The timer is in the working time.</source>
        <translation type="vanished">Il timer è nel tempo operativo.</translation>
    </message>
    <message>
        <source>The timer is in the landing window.</source>
        <translation type="vanished">Il timer è nella finestra di atterraggio.</translation>
    </message>
    <message>
        <source>The timer is stopped.</source>
        <translation type="vanished">Il timer è fermo.</translation>
    </message>
    <message>
        <source>preparation %1</source>
        <translation type="vanished">preparazione %1</translation>
    </message>
    <message>
        <source>working %1</source>
        <translation type="vanished">tempo operativo %1</translation>
    </message>
    <message>
        <source>schedule %1</source>
        <translation type="vanished">programma %1</translation>
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
        <translation type="vanished">pausa</translation>
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
        <translation type="vanished">Round %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Gruppo %1</translation>
    </message>
    <message>
        <source>next %1</source>
        <translation type="vanished">prossimo %1</translation>
    </message>
    <message>
        <source>Pair this phone: type the six-digit code shown in &quot;Director&apos;s remote&quot; on the laptop.</source>
        <translation type="vanished">Associa questo telefono: scrivi il codice di sei cifre mostrato in &quot;Telecomando del direttore&quot; sul portatile.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="vanished">Codice</translation>
    </message>
    <message>
        <source>This device&apos;s name</source>
        <translation type="vanished">Nome di questo dispositivo</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation type="vanished">Associa</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="vanished">Indietro</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="vanished">Salta</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Round</translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="vanished">Gruppo</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation type="vanished">Vai a</translation>
    </message>
    <message>
        <source>Forget pairing</source>
        <translation type="vanished">Dimentica associazione</translation>
    </message>
</context>
</TS>
