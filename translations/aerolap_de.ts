<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CardCheck</name>
    <message>
        <source>Flight %1 has a negative time.</source>
        <translation>Flug %1 hat eine negative Zeit.</translation>
    </message>
    <message>
        <source>Flight %1 (%2) is longer than the working time of %3.</source>
        <translation>Flug %1 (%2) ist länger als die Arbeitszeit von %3.</translation>
    </message>
    <message>
        <source>Flight %1 ends past the working time by more than it lasted.</source>
        <translation>Flug %1 endet um mehr nach der Arbeitszeit, als er gedauert hat.</translation>
    </message>
    <message>
        <source>Flight %1 has no target: in poker each flight has the target named before it.</source>
        <translation>Flug %1 hat keine Zielzeit: beim Poker hat jeder Flug die vorher angesagte Zielzeit.</translation>
    </message>
    <message>
        <source>The target of flight %1 (%2) is longer than the working time of %3.</source>
        <translation>Die Zielzeit von Flug %1 (%2) ist länger als die Arbeitszeit von %3.</translation>
    </message>
    <message numerus="yes">
        <source>Task %1 allows at most %n flight(s).</source>
        <translation>
            <numerusform>Aufgabe %1 erlaubt höchstens %n Flug.</numerusform>
            <numerusform>Aufgabe %1 erlaubt höchstens %n Flüge.</numerusform>
        </translation>
    </message>
    <message>
        <source>A penalty is points taken off: it cannot be negative.</source>
        <translation>Strafpunkte werden abgezogen: sie können nicht negativ sein.</translation>
    </message>
</context>
<context>
    <name>CardsPdf</name>
    <message>
        <source>%1: up to %2</source>
        <translation>%1: bis %2</translation>
    </message>
    <message>
        <source>%1: target</source>
        <translation>%1: Zielzeit</translation>
    </message>
    <message>
        <source>%1: time</source>
        <translation>%1: Zeit</translation>
    </message>
    <message>
        <source>Penalty: ______   Pilot: ____________   Timekeeper: ____________</source>
        <translation>Strafe: ______   Pilot: ____________   Zeitnehmer: ____________</translation>
    </message>
    <message>
        <source>Cards %1: cannot be written</source>
        <translation>Karten %1: können nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Round %1 has no draw: the cards take their names from it.</source>
        <translation>Durchgang %1 hat keine Auslosung: die Karten nehmen die Namen aus ihr.</translation>
    </message>
    <message>
        <source>Cards: %1</source>
        <translation>Karten: %1</translation>
    </message>
    <message>
        <source>Round %1, group %2, task %3%4, working time %5</source>
        <translation>Durchgang %1, Gruppe %2, Aufgabe %3%4, Arbeitszeit %5</translation>
    </message>
    <message>
        <source>Score card</source>
        <translation>Wertungskarte</translation>
    </message>
    <message>
        <source>Timekeeper&apos;s card</source>
        <translation>Karte des Zeitnehmers</translation>
    </message>
    <message>
        <source>Times %1</source>
        <translation>Stoppt %1</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Pilots&apos; display...</source>
        <translation>Anzeige für die Piloten...</translation>
    </message>
    <message>
        <source>Contest schedule...</source>
        <translation>Wettbewerbsablauf...</translation>
    </message>
    <message>
        <source>Director&apos;s remote...</source>
        <translation>Fernbedienung des Wettbewerbsleiters...</translation>
    </message>
    <message>
        <source>Notices...</source>
        <translation>Hinweise...</translation>
    </message>
    <message>
        <source>Day log...</source>
        <translation>Tagesprotokoll...</translation>
    </message>
    <message>
        <source>Scores...</source>
        <translation>Wertung...</translation>
    </message>
</context>
<context>
    <name>CrashResume</name>
    <message>
        <source>Resume the cycle that was running?

%1

Yes: it carries on at the second the clock says.
No: the timer starts at READY.</source>
        <translation>Den laufenden Zyklus fortsetzen?

%1

Ja: Er läuft ab der Sekunde weiter, die die Uhr anzeigt.
Nein: Der Timer beginnt bei READY.</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>Aerolap day log of %1</source>
        <translation>Aerolap-Tagesprotokoll vom %1</translation>
    </message>
    <message>
        <source>at START</source>
        <translation>beim START</translation>
    </message>
    <message>
        <source>LATE</source>
        <translation>ZU SPÄT</translation>
    </message>
    <message>
        <source>(in the gap)</source>
        <translation>(in der Lücke)</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>FEHLT</translation>
    </message>
    <message>
        <source>NOT TAKEN</source>
        <translation>NICHT ANGENOMMEN</translation>
    </message>
    <message>
        <source>Cycle %1: START at %2</source>
        <translation>Zyklus %1: START um %2</translation>
    </message>
    <message>
        <source>Cycle %1: resumed at %2</source>
        <translation>Zyklus %1: fortgesetzt um %2</translation>
    </message>
    <message>
        <source>Gap at %1: %2; the cycle went on at %3</source>
        <translation>Lücke um %1: %2; der Zyklus ging weiter bei %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cue(s)</source>
        <translation>
            <numerusform>%n Ansage</numerusform>
            <numerusform>%n Ansagen</numerusform>
        </translation>
    </message>
    <message>
        <source>none late</source>
        <translation>keine zu spät</translation>
    </message>
    <message numerus="yes">
        <source>%n late</source>
        <translation>
            <numerusform>%n zu spät</numerusform>
            <numerusform>%n zu spät</numerusform>
        </translation>
    </message>
    <message>
        <source>latest %1</source>
        <translation>maximal %1</translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation>
            <numerusform>%n fehlt</numerusform>
            <numerusform>%n fehlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n Frame</numerusform>
            <numerusform>%n Frames</numerusform>
        </translation>
    </message>
    <message>
        <source>all taken</source>
        <translation>alle angenommen</translation>
    </message>
    <message numerus="yes">
        <source>%n not taken</source>
        <translation>
            <numerusform>%n nicht angenommen</numerusform>
            <numerusform>%n nicht angenommen</numerusform>
        </translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Nicht gelesen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) dropped while the log was busy</source>
        <translation>
            <numerusform>%n Zeile verworfen, während das Protokoll ausgelastet war</numerusform>
            <numerusform>%n Zeilen verworfen, während das Protokoll ausgelastet war</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) lost while the log could not be written</source>
        <translation>
            <numerusform>%n Zeile verloren, während das Protokoll nicht geschrieben werden konnte</numerusform>
            <numerusform>%n Zeilen verloren, während das Protokoll nicht geschrieben werden konnte</numerusform>
        </translation>
    </message>
    <message>
        <source>No cycle in this log.</source>
        <translation>Kein Zyklus in diesem Protokoll.</translation>
    </message>
    <message>
        <source>%1 from %2, %3 s: %4</source>
        <translation>%1 ab %2, %3 s: %4</translation>
    </message>
    <message>
        <source>measured %1</source>
        <translation>gemessen %1</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation>nicht beendet</translation>
    </message>
    <message>
        <source>Cues (lateness after their second; LATE beyond %1 ms):</source>
        <translation>Ansagen (Verspätung nach ihrer Sekunde; ZU SPÄT über %1 ms):</translation>
    </message>
    <message>
        <source>Frames (lateness after their second):</source>
        <translation>Frames (Verspätung nach ihrer Sekunde):</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation>Ende: %1</translation>
    </message>
    <message>
        <source>Notices:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>Remote commands:</source>
        <translation>Befehle der Fernbedienung:</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>from</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>set</source>
        <translation>eingestellt</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>gemessen</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>at</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>cue</source>
        <translation>Ansage</translation>
    </message>
    <message>
        <source>after its second</source>
        <translation>nach ihrer Sekunde</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Notices and remote commands</source>
        <translation>Hinweise und Befehle der Fernbedienung</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>preparation</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <source>working</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>landing</source>
        <translation>Landung</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>round %1 group %2</source>
        <translation>Durchgang %1 Gruppe %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>Durchgang %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>, from the phone &quot;%1&quot;</source>
        <translation>, vom Telefon „%1“</translation>
    </message>
    <message>
        <source>Scores of this group:</source>
        <translation>Wertung dieser Gruppe:</translation>
    </message>
    <message>
        <source>Scores of no cycle in this log:</source>
        <translation>Wertungen ohne Zyklus in diesem Protokoll:</translation>
    </message>
    <message>
        <source>Scores of this group</source>
        <translation>Wertung dieser Gruppe</translation>
    </message>
    <message>
        <source>Scores of no cycle in this log</source>
        <translation>Wertungen ohne Zyklus in diesem Protokoll</translation>
    </message>
</context>
<context>
    <name>DrawPdf</name>
    <message>
        <source>Round %1</source>
        <translation>Durchgang %1</translation>
    </message>
    <message>
        <source>Round %1: task %2</source>
        <translation>Durchgang %1: Aufgabe %2</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Pilots: round/group</source>
        <translation>Piloten: Durchgang/Gruppe</translation>
    </message>
    <message>
        <source>(withdrawn from round %1)</source>
        <translation>(ab Durchgang %1 zurückgezogen)</translation>
    </message>
    <message>
        <source>Draw %1: cannot be written</source>
        <translation>Auslosung %1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The schedule has no draw to print.</source>
        <translation>Der Ablauf hat keine Auslosung zum Drucken.</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Auslosung: %1</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation>Wettbewerb</translation>
    </message>
</context>
<context>
    <name>F3kTasks</name>
    <message>
        <source>Last flight</source>
        <translation>Letzter Flug</translation>
    </message>
    <message>
        <source>Last two flights</source>
        <translation>Letzte zwei Flüge</translation>
    </message>
    <message>
        <source>All up, last down</source>
        <translation>Alle hoch, Letzter runter</translation>
    </message>
    <message>
        <source>Two flights</source>
        <translation>Zwei Flüge</translation>
    </message>
    <message>
        <source>Poker</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Best 3 of 6</source>
        <translation>Beste 3 aus 6</translation>
    </message>
    <message>
        <source>Five longest flights</source>
        <translation>Fünf längste Flüge</translation>
    </message>
    <message>
        <source>One, two, three, four</source>
        <translation>Eins, zwei, drei, vier</translation>
    </message>
    <message>
        <source>Three longest flights</source>
        <translation>Drei längste Flüge</translation>
    </message>
    <message>
        <source>Last three flights</source>
        <translation>Letzte drei Flüge</translation>
    </message>
    <message>
        <source>Big ladder</source>
        <translation>Große Leiter</translation>
    </message>
    <message>
        <source>One flight</source>
        <translation>Ein Flug</translation>
    </message>
    <message>
        <source>Huge ladder</source>
        <translation>Riesenleiter</translation>
    </message>
    <message>
        <source>Best flight</source>
        <translation>Bester Flug</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The day log</source>
        <translation>Das Tagesprotokoll</translation>
    </message>
    <message>
        <source>its lines are counted, and it carries on once it can be written</source>
        <translation>seine Zeilen werden gezählt, und es geht weiter, sobald es geschrieben werden kann</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written: %3. The timer runs on; %4.</source>
        <translation>%1 %2 kann nicht geschrieben werden: %3. Der Timer läuft weiter; %4.</translation>
    </message>
    <message>
        <source>%1 %2 is written again.</source>
        <translation>%1 %2 wird wieder geschrieben.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cues and seconds may slip while the laptop is busy: the system does not let the timer run ahead of other programs (%1). Close other programs during a round.</source>
        <translation>Ansagen und Sekunden können sich verschieben, wenn der Laptop ausgelastet ist: Das System gibt dem Timer keinen Vorrang vor anderen Programmen (%1). Schließe während eines Durchgangs andere Programme.</translation>
    </message>
    <message>
        <source>The cycle that was running when Aerolap ended without closing carries on: %1.</source>
        <translation>Der Zyklus, der lief, als Aerolap ohne Schließen endete, geht weiter: %1.</translation>
    </message>
    <message>
        <source>holds a cycle that begins in the future (the clock may have been set back)</source>
        <translation>enthält einen Zyklus, der in der Zukunft beginnt (die Uhr wurde vielleicht zurückgestellt)</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation type="vanished"> Sie wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The state file %1 %2: the timer starts at READY with its own settings.%3</source>
        <translation type="vanished">Die Zustandsdatei %1 %2: Der Timer beginnt bei READY mit seinen eigenen Einstellungen.%3</translation>
    </message>
    <message>
        <source>The state file</source>
        <translation>Die Zustandsdatei</translation>
    </message>
    <message>
        <source>after a crash it could not resume the cycle</source>
        <translation>nach einem Absturz könnte er den Zyklus nicht fortsetzen</translation>
    </message>
    <message>
        <source>: the timer carried on at the second the clock says, without the cues of that time.</source>
        <translation type="vanished">: Der Timer lief bei der Sekunde weiter, die die Uhr angibt, ohne die Ansagen dieser Zeit.</translation>
    </message>
    <message>
        <source>The laptop slept for %1%2</source>
        <translation type="vanished">Der Laptop war %1 im Ruhezustand%2</translation>
    </message>
    <message>
        <source>The timer was held up for %1%2</source>
        <translation type="vanished">Der Timer wurde %1 lang aufgehalten%2</translation>
    </message>
    <message>
        <source>The director&apos;s remote: the paired devices in %1 cannot be read; pair the phones again.</source>
        <translation>Fernbedienung des Wettbewerbsleiters: Die gekoppelten Geräte in %1 können nicht gelesen werden; kopple die Telefone erneut.</translation>
    </message>
    <message>
        <source>The director&apos;s remote: the devices paired on %1 are forgotten; pair the phones again for today.</source>
        <translation>Fernbedienung des Wettbewerbsleiters: Die am %1 gekoppelten Geräte sind vergessen; kopple die Telefone für heute erneut.</translation>
    </message>
    <message>
        <source>The director&apos;s remote&apos;s list of paired devices</source>
        <translation>Die Liste der gekoppelten Geräte der Fernbedienung</translation>
    </message>
    <message>
        <source>the devices paired since are forgotten when the program ends</source>
        <translation>die seither gekoppelten Geräte sind vergessen, wenn das Programm endet</translation>
    </message>
    <message>
        <source>Type a name for this device.</source>
        <translation type="vanished">Gib einen Namen für dieses Gerät ein.</translation>
    </message>
    <message>
        <source>Pairing is closed: open &quot;Director&apos;s remote&quot; on the laptop to see the code.</source>
        <translation type="vanished">Das Koppeln ist geschlossen: Öffne „Fernbedienung des Wettbewerbsleiters“ auf dem Laptop, um den Code zu sehen.</translation>
    </message>
    <message>
        <source>Wrong code.</source>
        <translation type="vanished">Falscher Code.</translation>
    </message>
    <message>
        <source>Wait before the next try.</source>
        <translation type="vanished">Warte vor dem nächsten Versuch.</translation>
    </message>
    <message>
        <source>Too many wrong codes: pairing is locked for a minute.</source>
        <translation type="vanished">Zu viele falsche Codes: Das Koppeln ist für eine Minute gesperrt.</translation>
    </message>
    <message>
        <source>The director&apos;s remote: &quot;%1&quot; is paired.</source>
        <translation type="vanished">Fernbedienung des Wettbewerbsleiters: „%1“ ist gekoppelt.</translation>
    </message>
    <message>
        <source>This device is not paired (or was revoked): pair it again.</source>
        <translation type="vanished">Dieses Gerät ist nicht gekoppelt (oder wurde widerrufen): Kopple es erneut.</translation>
    </message>
    <message>
        <source>The command&apos;s signature is wrong.</source>
        <translation type="vanished">Die Signatur des Befehls ist falsch.</translation>
    </message>
    <message>
        <source>The command came out of order or twice.</source>
        <translation type="vanished">Der Befehl kam außer der Reihe oder doppelt.</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;): %2 refused: %3</source>
        <translation>Fernbedienung des Wettbewerbsleiters („%1“): %2 abgelehnt: %3</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;) jumped to round %2, group %3.</source>
        <translation>Die Fernbedienung des Wettbewerbsleiters („%1“) ist zu Durchgang %2, Gruppe %3 gesprungen.</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;): %2</source>
        <translation>Fernbedienung des Wettbewerbsleiters („%1“): %2</translation>
    </message>
    <message>
        <source>a dialog is open on the laptop; answer it there first.</source>
        <translation>auf dem Laptop ist ein Dialog offen; beantworte ihn zuerst dort.</translation>
    </message>
    <message>
        <source>started the cycle.</source>
        <translation>hat den Zyklus gestartet.</translation>
    </message>
    <message>
        <source>stopped the cycle.</source>
        <translation>hat den Zyklus angehalten.</translation>
    </message>
    <message>
        <source>reset the timer.</source>
        <translation>hat den Timer zurückgesetzt.</translation>
    </message>
    <message>
        <source>skipped to the next group.</source>
        <translation>ist zur nächsten Gruppe gesprungen.</translation>
    </message>
    <message>
        <source>went back one group.</source>
        <translation>ist eine Gruppe zurückgegangen.</translation>
    </message>
    <message>
        <source>jumped to round %1, group %2.</source>
        <translation type="vanished">ist zu Durchgang %1, Gruppe %2 gesprungen.</translation>
    </message>
    <message>
        <source>unknown command.</source>
        <translation>unbekannter Befehl.</translation>
    </message>
    <message>
        <source>that button is not on the window now.</source>
        <translation>diese Schaltfläche ist gerade nicht im Fenster.</translation>
    </message>
    <message>
        <source>no schedule is loaded.</source>
        <translation>kein Ablauf geladen.</translation>
    </message>
    <message>
        <source>the schedule moves only while no cycle runs, within its rounds.</source>
        <translation>der Ablauf bewegt sich nur, solange kein Zyklus läuft, innerhalb seiner Durchgänge.</translation>
    </message>
    <message>
        <source>The laptop may go to sleep during a round: the login manager does not keep it awake (%1). Switch power saving off and keep the lid open.</source>
        <translation>Der Laptop könnte während eines Durchgangs in den Ruhezustand gehen: Die Sitzungsverwaltung hält ihn nicht wach (%1). Schalte das Energiesparen aus und lass den Deckel offen.</translation>
    </message>
    <message>
        <source>The screen may blank during a round: the screen saver is not held off (%1). Switch the screen saver off.</source>
        <translation>Der Bildschirm könnte während eines Durchgangs dunkel werden: Der Bildschirmschoner wird nicht zurückgehalten (%1). Schalte den Bildschirmschoner aus.</translation>
    </message>
    <message>
        <source>%1, whose output &quot;%2&quot; is muted: no cue is heard</source>
        <translation type="vanished">%1, dessen Ausgang „%2“ stummgeschaltet ist: Keine Ansage ist zu hören</translation>
    </message>
    <message>
        <source>%1, whose output &quot;%2&quot; is at zero volume: no cue is heard</source>
        <translation type="vanished">%1, dessen Ausgang „%2“ auf Lautstärke null steht: Keine Ansage ist zu hören</translation>
    </message>
    <message>
        <source>%1, which has no output: no cue is heard</source>
        <translation type="vanished">%1, der keinen Ausgang hat: Keine Ansage ist zu hören</translation>
    </message>
    <message>
        <source>Sound output: %1</source>
        <translation>Tonausgabe: %1</translation>
    </message>
    <message>
        <source>LED display lost on %1: the timer runs on; frames resume when it is back</source>
        <translation>LED-Anzeige an %1 verloren: Der Timer läuft weiter; die Frames kommen wieder, sobald sie zurück ist</translation>
    </message>
    <message>
        <source>LED display back on %1</source>
        <translation>LED-Anzeige wieder an %1</translation>
    </message>
    <message>
        <source>Serial port %1 could not be opened: %2</source>
        <translation>Die serielle Schnittstelle %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The pilots&apos; display is switched off (port 0).</source>
        <translation>Die Anzeige für die Piloten ist ausgeschaltet (Port 0).</translation>
    </message>
    <message>
        <source>The pilots&apos; display could not use port %1 (%2): the timer runs without it.</source>
        <translation>Die Anzeige für die Piloten konnte Port %1 nicht nutzen (%2): Der Timer läuft ohne sie.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the log ends here</source>
        <translation>das Protokoll endet hier</translation>
    </message>
    <message>
        <source>the program ended (a crash, a kill or a power cut)</source>
        <translation>das Programm endete (ein Absturz, ein Abbruch oder ein Stromausfall)</translation>
    </message>
    <message>
        <source>the program was closed at %1</source>
        <translation>das Programm wurde um %1 geschlossen</translation>
    </message>
    <message>
        <source>STOP at %1</source>
        <translation>STOP um %1</translation>
    </message>
    <message>
        <source>program gone until %1 (%2 s)</source>
        <translation>Programm weg bis %1 (%2 s)</translation>
    </message>
    <message>
        <source>the laptop slept %1 s</source>
        <translation>der Laptop war %1 s im Ruhezustand</translation>
    </message>
    <message>
        <source>landing window over</source>
        <translation>Landefenster vorbei</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>ready</source>
        <translation type="vanished">bereit</translation>
    </message>
    <message>
        <source>preparation</source>
        <translation type="vanished">Vorbereitung</translation>
    </message>
    <message>
        <source>working</source>
        <translation type="vanished">Arbeitszeit</translation>
    </message>
    <message>
        <source>landing</source>
        <translation type="vanished">Landefenster</translation>
    </message>
    <message>
        <source>not a line of the day log</source>
        <translation>keine Zeile des Tagesprotokolls</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The state file %1 %2: the timer starts at READY with its own settings. It is kept as %3.</source>
        <translation>Die Zustandsdatei %1 %2: Der Timer beginnt bei READY mit seinen eigenen Einstellungen. Sie wird als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>The state file %1 %2: the timer starts at READY with its own settings.</source>
        <translation>Die Zustandsdatei %1 %2: Der Timer beginnt bei READY mit seinen eigenen Einstellungen.</translation>
    </message>
    <message>
        <source>The laptop slept for %1: the timer carried on at the second the clock says, without the cues of that time.</source>
        <translation>Der Laptop war %1 im Ruhezustand: Der Timer lief bei der Sekunde weiter, die die Uhr angibt, ohne die Ansagen dieser Zeit.</translation>
    </message>
    <message>
        <source>The laptop slept for %1.</source>
        <translation>Der Laptop war %1 im Ruhezustand.</translation>
    </message>
    <message>
        <source>The timer was held up for %1: the timer carried on at the second the clock says, without the cues of that time.</source>
        <translation>Der Timer wurde %1 aufgehalten: Er lief bei der Sekunde weiter, die die Uhr angibt, ohne die Ansagen dieser Zeit.</translation>
    </message>
    <message>
        <source>The director&apos;s remote</source>
        <translation>Fernbedienung des Wettbewerbsleiters</translation>
    </message>
    <message>
        <source>Timekeepers</source>
        <translation>Zeitnehmer</translation>
    </message>
    <message>
        <source>%1: %2 wrong pairing codes; a new code is shown. Revoke any device that is not one of yours.</source>
        <translation>%1: %2 falsche Kopplungscodes; ein neuer Code wird angezeigt. Widerrufe jedes Gerät, das nicht deines ist.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is paired.</source>
        <translation>%1: „%2“ ist gekoppelt.</translation>
    </message>
    <message>
        <source>The scores file</source>
        <translation>Die Wertungsdatei</translation>
    </message>
    <message>
        <source>the scores are kept in memory and written once it can be</source>
        <translation>die Wertungen bleiben im Speicher und werden geschrieben, sobald es geht</translation>
    </message>
    <message>
        <source>The scores file %1 %2: the scores start empty. It is kept as %3.</source>
        <translation>Die Wertungsdatei %1 %2: Die Wertung beginnt leer. Sie wird als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>The scores file %1 %2: the scores start empty.</source>
        <translation>Die Wertungsdatei %1 %2: Die Wertung beginnt leer.</translation>
    </message>
    <message>
        <source>Sound output: %1, whose output &quot;%2&quot; is muted: no cue is heard</source>
        <translation>Tonausgabe: %1, dessen Ausgang „%2“ stummgeschaltet ist: Keine Ansage ist zu hören</translation>
    </message>
    <message>
        <source>Sound output: %1, whose output &quot;%2&quot; is at zero volume: no cue is heard</source>
        <translation>Tonausgabe: %1, dessen Ausgang „%2“ auf Lautstärke null steht: Keine Ansage ist zu hören</translation>
    </message>
    <message>
        <source>Sound output: %1, which has no output: no cue is heard</source>
        <translation>Tonausgabe: %1, der keinen Ausgang hat: Keine Ansage ist zu hören</translation>
    </message>
    <message>
        <source>PulseAudio sound server</source>
        <translation>PulseAudio-Soundserver</translation>
    </message>
    <message>
        <source>ALSA default device (no sound server answers)</source>
        <translation>ALSA-Standardgerät (kein Soundserver antwortet)</translation>
    </message>
</context>
<context>
    <name>PilotsDisplayWindow</name>
    <message>
        <source>The pilots&apos; display is switched off (port 0).</source>
        <translation type="vanished">Die Anzeige für die Piloten ist ausgeschaltet (Port 0).</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>unsigned</source>
        <translation>nicht unterschrieben</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>nicht angetreten</translation>
    </message>
    <message>
        <source>re-flight</source>
        <translation>Wiederholungsflug</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Rangliste</translation>
    </message>
    <message>
        <source>Fly-off</source>
        <translation>Fly-off</translation>
    </message>
    <message>
        <source>DSQ</source>
        <translation>DSQ</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation>Wettbewerb</translation>
    </message>
    <message numerus="yes">
        <source>PROVISIONAL: %n group(s) not confirmed; their scores are marked *.</source>
        <translation>
            <numerusform>VORLÄUFIG: %n Gruppe nicht bestätigt; ihre Wertungen sind mit * markiert.</numerusform>
            <numerusform>VORLÄUFIG: %n Gruppen nicht bestätigt; ihre Wertungen sind mit * markiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>R%1</source>
        <translation>D%1</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Strafe</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Round %1: task %2, working time %3</source>
        <translation>Durchgang %1: Aufgabe %2, Arbeitszeit %3</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Flüge</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Roh</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Vermerk</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gewertet</translation>
    </message>
</context>
<context>
    <name>ResultsPdf</name>
    <message>
        <source>Results: %1</source>
        <translation>Ergebnisse: %1</translation>
    </message>
    <message>
        <source>Results %1: cannot be written</source>
        <translation>Ergebnisse %1: können nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Rangliste</translation>
    </message>
    <message>
        <source>Fly-off</source>
        <translation>Fly-off</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
</context>
<context>
    <name>RoundsModel</name>
    <message>
        <source>Task</source>
        <translation type="vanished">Aufgabe</translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="vanished">Titel</translation>
    </message>
    <message>
        <source>Working</source>
        <translation type="vanished">Arbeitszeit</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="vanished">Gruppen</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation type="vanished">Flüge</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation type="vanished">Vorbereitung</translation>
    </message>
</context>
<context>
    <name>RulesListing</name>
    <message numerus="yes">
        <source>%1 from %n rounds</source>
        <translation>
            <numerusform>%1 ab %n Durchgang</numerusform>
            <numerusform>%1 ab %n Durchgängen</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message numerus="yes">
        <source>the last %n flight(s)</source>
        <translation>
            <numerusform>der letzte Flug</numerusform>
            <numerusform>die letzten %n Flüge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the longest %n flight(s)</source>
        <translation>
            <numerusform>der längste Flug</numerusform>
            <numerusform>die %n längsten Flüge</numerusform>
        </translation>
    </message>
    <message>
        <source>every flight</source>
        <translation>jeder Flug</translation>
    </message>
    <message>
        <source>the longest flights against the targets, as they score most</source>
        <translation>die längsten Flüge gegen die Zielzeiten, so wie sie am meisten zählen</translation>
    </message>
    <message>
        <source>the flights in order against the targets</source>
        <translation>die Flüge der Reihe nach gegen die Zielzeiten</translation>
    </message>
    <message numerus="yes">
        <source>the pilot&apos;s targets reached, at most %n</source>
        <translation>
            <numerusform>die erreichten Zielzeiten des Piloten, höchstens %n</numerusform>
            <numerusform>die erreichten Zielzeiten des Piloten, höchstens %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Rounds dropped</source>
        <translation>Streichdurchgänge</translation>
    </message>
    <message>
        <source>Completed rounds for a final score</source>
        <translation>Abgeschlossene Durchgänge für eine Endwertung</translation>
    </message>
    <message>
        <source>Penalty points that disqualify</source>
        <translation>Strafpunkte, die disqualifizieren</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>über %1</translation>
    </message>
    <message>
        <source>Re-flight</source>
        <translation>Wiederholungsflug</translation>
    </message>
    <message>
        <source>the re-flown pilot takes the re-flight&apos;s score, the others in its group the better of their two</source>
        <translation>der wiederholende Pilot erhält die Wertung des Wiederholungsflugs, die anderen seiner Gruppe die bessere ihrer beiden</translation>
    </message>
    <message>
        <source>everyone in the re-flight group keeps the better of their two scores</source>
        <translation>jeder in der Wiederholungsgruppe behält die bessere seiner beiden Wertungen</translation>
    </message>
    <message>
        <source>Team result</source>
        <translation>Teamwertung</translation>
    </message>
    <message numerus="yes">
        <source>the sum of %n nominated members&apos; totals</source>
        <translation>
            <numerusform>die Gesamtwertung des benannten Mitglieds</numerusform>
            <numerusform>die Summe der Gesamtwertungen von %n benannten Mitgliedern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the sum of the best %n members&apos; totals</source>
        <translation>
            <numerusform>die Gesamtwertung des besten Mitglieds</numerusform>
            <numerusform>die Summe der Gesamtwertungen der %n besten Mitglieder</numerusform>
        </translation>
    </message>
    <message>
        <source>Fly-off rounds dropped</source>
        <translation>Gestrichene Fly-Off-Durchgänge</translation>
    </message>
    <message>
        <source>Poker targets counted</source>
        <translation>Gewertete Poker-Zielzeiten</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>höchstens %1</translation>
    </message>
    <message>
        <source>Task D</source>
        <translation>Aufgabe D</translation>
    </message>
    <message>
        <source>two flights</source>
        <translation>zwei Flüge</translation>
    </message>
    <message>
        <source>ladder of 30 s to 120 s in order</source>
        <translation>Leiter von 30 s bis 120 s der Reihe nach</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Working time</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gewertet</translation>
    </message>
    <message>
        <source>Flights allowed</source>
        <translation>Erlaubte Flüge</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>beliebig viele</translation>
    </message>
    <message>
        <source>Most a flight counts</source>
        <translation>Höchstwertung eines Flugs</translation>
    </message>
    <message>
        <source>the working time</source>
        <translation>die Arbeitszeit</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Zielzeiten</translation>
    </message>
</context>
<context>
    <name>ScheduleDialogs</name>
    <message>
        <source>Import draw</source>
        <translation type="vanished">Auslosung importieren</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt)</source>
        <translation type="vanished">Auslosungen (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Print draw</source>
        <translation type="vanished">Auslosung drucken</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="vanished">PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Generate draw</source>
        <translation type="vanished">Auslosung erzeugen</translation>
    </message>
    <message>
        <source>One pilot a line: Name, or Name; Team</source>
        <translation type="vanished">Ein Pilot pro Zeile: Name, oder Name; Team</translation>
    </message>
    <message>
        <source>Pilots:</source>
        <translation type="vanished">Piloten:</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation type="vanished">Gruppengröße</translation>
    </message>
    <message>
        <source>Number of groups</source>
        <translation type="vanished">Anzahl der Gruppen</translation>
    </message>
    <message>
        <source>Seed (the same seed draws the same again):</source>
        <translation type="vanished">Startwert (derselbe Startwert lost wieder gleich aus):</translation>
    </message>
    <message>
        <source>Withdraw pilot</source>
        <translation type="vanished">Pilot zurückziehen</translation>
    </message>
    <message>
        <source>Pilot who withdraws from the groups not yet flown:</source>
        <translation type="vanished">Pilot, der sich aus den noch nicht geflogenen Gruppen zurückzieht:</translation>
    </message>
    <message>
        <source>Open schedule</source>
        <translation type="vanished">Ablauf öffnen</translation>
    </message>
    <message>
        <source>Schedules (*.json)</source>
        <translation type="vanished">Abläufe (*.json)</translation>
    </message>
    <message>
        <source>Save schedule</source>
        <translation type="vanished">Ablauf speichern</translation>
    </message>
    <message>
        <source>Line %1: a team without a pilot&apos;s name</source>
        <translation type="vanished">Zeile %1: ein Team ohne Namen eines Piloten</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is in the list twice</source>
        <translation type="vanished">Zeile %1: „%2“ steht zweimal in der Liste</translation>
    </message>
    <message>
        <source>The list holds no pilots: one a line, Name or Name; Team.</source>
        <translation type="vanished">Die Liste enthält keine Piloten: einer pro Zeile, Name oder Name; Team.</translation>
    </message>
</context>
<context>
    <name>ScheduleFileDialogs</name>
    <message>
        <source>Import draw</source>
        <translation>Auslosung importieren</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt)</source>
        <translation>Auslosungen (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Print draw</source>
        <translation>Auslosung drucken</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Generate draw</source>
        <translation>Auslosung erstellen</translation>
    </message>
    <message>
        <source>One pilot a line: Name, or Name; Team</source>
        <translation>Ein Pilot pro Zeile: Name oder Name; Team</translation>
    </message>
    <message>
        <source>Pilots:</source>
        <translation>Piloten:</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation>Gruppengröße</translation>
    </message>
    <message>
        <source>Number of groups</source>
        <translation>Anzahl der Gruppen</translation>
    </message>
    <message>
        <source>Seed (the same seed draws the same again):</source>
        <translation>Startwert (derselbe Startwert lost genauso wieder aus):</translation>
    </message>
    <message>
        <source>Withdraw pilot</source>
        <translation>Pilot zurückziehen</translation>
    </message>
    <message>
        <source>Pilot who withdraws from the groups not yet flown:</source>
        <translation>Pilot, der aus den noch nicht geflogenen Gruppen zurückgezogen wird:</translation>
    </message>
    <message>
        <source>Open schedule</source>
        <translation>Ablauf öffnen</translation>
    </message>
    <message>
        <source>Schedules (*.json)</source>
        <translation>Abläufe (*.json)</translation>
    </message>
    <message>
        <source>Save schedule</source>
        <translation>Ablauf speichern</translation>
    </message>
    <message>
        <source>Line %1: a team without a pilot&apos;s name</source>
        <translation>Zeile %1: ein Team ohne Namen des Piloten</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is in the list twice</source>
        <translation>Zeile %1: „%2“ steht zweimal in der Liste</translation>
    </message>
    <message>
        <source>The list holds no pilots: one a line, Name or Name; Team.</source>
        <translation>Die Liste enthält keine Piloten: einer pro Zeile, Name oder Name; Team.</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>waiting for START</source>
        <translation type="vanished">wartet auf START</translation>
    </message>
    <message>
        <source>cycle running</source>
        <translation type="vanished">Zyklus läuft</translation>
    </message>
    <message>
        <source>gap</source>
        <translation type="vanished">Pause</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">angehalten</translation>
    </message>
    <message>
        <source>schedule done</source>
        <translation type="vanished">Ablauf beendet</translation>
    </message>
</context>
<context>
    <name>ScoresDialogs</name>
    <message>
        <source>The re-flown pilot takes the re-flight</source>
        <translation>Der Pilot mit Wiederholungsflug behält die Wiederholung</translation>
    </message>
    <message>
        <source>The better of two for everyone</source>
        <translation>Das bessere der beiden für alle</translation>
    </message>
    <message>
        <source>Nominated members</source>
        <translation>Benannte Mitglieder</translation>
    </message>
    <message>
        <source>Best members</source>
        <translation>Beste Mitglieder</translation>
    </message>
    <message>
        <source>Two flights</source>
        <translation>Zwei Flüge</translation>
    </message>
    <message>
        <source>Ladder of 30 s to 120 s</source>
        <translation>Leiter von 30 s bis 120 s</translation>
    </message>
    <message>
        <source>Re-flight group</source>
        <translation>Wiederholungsgruppe</translation>
    </message>
    <message>
        <source>Granted a re-flight:</source>
        <translation>Wiederholungsflug erhalten:</translation>
    </message>
    <message>
        <source>Fill the group (keep the better score):</source>
        <translation>Füllen die Gruppe auf (behalten die bessere Wertung):</translation>
    </message>
    <message>
        <source>Contest rules</source>
        <translation>Wettbewerbsregeln</translation>
    </message>
    <message>
        <source>Rounds dropped (from rounds:dropped):</source>
        <translation>Streichdurchgänge (ab Durchgängen:gestrichen):</translation>
    </message>
    <message>
        <source>Completed rounds for a final score:</source>
        <translation>Abgeschlossene Durchgänge für eine Endwertung:</translation>
    </message>
    <message>
        <source>Penalty points that disqualify, over:</source>
        <translation>Strafpunkte, die disqualifizieren, über:</translation>
    </message>
    <message>
        <source>Re-flight:</source>
        <translation>Wiederholungsflug:</translation>
    </message>
    <message>
        <source>Team result:</source>
        <translation>Teamwertung:</translation>
    </message>
    <message>
        <source>Members counted:</source>
        <translation>Gewertete Mitglieder:</translation>
    </message>
    <message>
        <source>Poker targets counted:</source>
        <translation>Gewertete Poker-Zielzeiten:</translation>
    </message>
    <message>
        <source>Task D:</source>
        <translation>Aufgabe D:</translation>
    </message>
    <message>
        <source>Fly-off from round:</source>
        <translation>Fly-Off ab Durchgang:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Write the dropped rounds as steps like 5:1 9:2: from 5 rounds 1 is dropped, from 9 rounds 2.</source>
        <translation>Die Streichdurchgänge als Stufen wie 5:1 9:2 schreiben: ab 5 Durchgängen wird 1 gestrichen, ab 9 Durchgängen 2.</translation>
    </message>
</context>
<context>
    <name>ScoresSession</name>
    <message>
        <source>Open a schedule first: the scores come with it.</source>
        <translation>Zuerst einen Ablauf öffnen: die Wertungen gehören zu ihm.</translation>
    </message>
    <message>
        <source>Save the schedule first: its scores are kept beside its file.</source>
        <translation>Zuerst den Ablauf speichern: seine Wertungen werden neben seiner Datei aufbewahrt.</translation>
    </message>
    <message>
        <source>The schedule has no group %1 in round %2.</source>
        <translation>Der Ablauf hat keine Gruppe %1 in Durchgang %2.</translation>
    </message>
    <message>
        <source>Round %1 has the task &quot;%2&quot;, which is no F3K task (A to N): it cannot be scored.</source>
        <translation>Durchgang %1 hat die Aufgabe „%2“, die keine F3K-Aufgabe ist (A bis N): er kann nicht gewertet werden.</translation>
    </message>
    <message>
        <source>There is no pilot %1 in the contest.</source>
        <translation>Im Wettbewerb gibt es keinen Piloten %1.</translation>
    </message>
    <message>
        <source>%1 does not fly in group %2 of round %3.</source>
        <translation>%1 fliegt nicht in Gruppe %2 von Durchgang %3.</translation>
    </message>
    <message>
        <source>This card was already on the laptop.</source>
        <translation>Diese Karte war schon auf dem Laptop.</translation>
    </message>
    <message>
        <source>A newer card of this pilot is on the laptop.</source>
        <translation>Auf dem Laptop ist eine neuere Karte dieses Piloten.</translation>
    </message>
    <message>
        <source>Group %1 of round %2 is already confirmed: ask the director to change the card at the laptop.</source>
        <translation>Gruppe %1 von Durchgang %2 ist schon bestätigt: den Wettbewerbsleiter bitten, die Karte am Laptop zu ändern.</translation>
    </message>
    <message>
        <source>The laptop cannot save the scores now.</source>
        <translation>Der Laptop kann die Wertungen gerade nicht speichern.</translation>
    </message>
    <message>
        <source>%1&apos;s card for round %2, group %3 is on the laptop.</source>
        <translation>Die Karte von %1 für Durchgang %2, Gruppe %3 ist auf dem Laptop.</translation>
    </message>
    <message>
        <source>Group %1 of round %2 has no card to confirm.</source>
        <translation>Gruppe %1 von Durchgang %2 hat keine Karte zum Bestätigen.</translation>
    </message>
    <message>
        <source>Save the schedule first: a re-flight group is saved with it.</source>
        <translation>Zuerst den Ablauf speichern: eine Wiederholungsgruppe wird mit ihm gespeichert.</translation>
    </message>
    <message>
        <source>Round %1 has no draw: a re-flight group is drawn as the others are.</source>
        <translation>Durchgang %1 hat keine Auslosung: eine Wiederholungsgruppe wird wie die anderen ausgelost.</translation>
    </message>
    <message>
        <source>Choose at least one pilot granted the re-flight.</source>
        <translation>Mindestens einen Piloten wählen, der den Wiederholungsflug erhält.</translation>
    </message>
    <message>
        <source>Only pilots who flew in round %1 can fly its re-flight group.</source>
        <translation>Nur Piloten, die in Durchgang %1 geflogen sind, können in seiner Wiederholungsgruppe fliegen.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>%1 ist zweimal gewählt.</translation>
    </message>
    <message>
        <source>The schedule did not take the re-flight group.</source>
        <translation>Der Ablauf hat die Wiederholungsgruppe nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>TimekeeperDesk</name>
    <message>
        <source>%1 is timed by &quot;%2&quot;.</source>
        <translation>%1 wird von „%2“ gestoppt.</translation>
    </message>
    <message>
        <source>Pick a pilot of the group in hand: the schedule has moved.</source>
        <translation>Einen Piloten der aktuellen Gruppe wählen: der Ablauf ist weitergegangen.</translation>
    </message>
    <message>
        <source>%1 does not fly in this group.</source>
        <translation>%1 fliegt nicht in dieser Gruppe.</translation>
    </message>
    <message>
        <source>You time %1.</source>
        <translation>Du stoppst %1.</translation>
    </message>
</context>
<context>
    <name>aerolap::DayLogWindow</name>
    <message>
        <source>Day log</source>
        <translation>Tagesprotokoll</translation>
    </message>
</context>
<context>
    <name>aerolap::DirectorsRemoteWindow</name>
    <message>
        <source>Director&apos;s remote</source>
        <translation type="vanished">Fernbedienung des Wettbewerbsleiters</translation>
    </message>
    <message>
        <source>Open this address on your phone (or scan the code), then type the code below and a name for the phone. Anyone who can see this code can pair: revoke any device that is not yours.</source>
        <translation type="vanished">Öffne diese Adresse auf deinem Telefon (oder scanne den Code), gib dann den Code unten und einen Namen für das Telefon ein. Wer diesen Code sieht, kann koppeln: Widerrufe jedes Gerät, das nicht deins ist.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="vanished">Gerät</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation type="vanished">Gekoppelt</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation type="vanished">Zuletzt gesehen</translation>
    </message>
    <message>
        <source>Revoke all</source>
        <translation type="vanished">Alle widerrufen</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation type="vanished">Widerrufen</translation>
    </message>
</context>
<context>
    <name>aerolap::NoticesWindow</name>
    <message>
        <source>Notices</source>
        <translation>Hinweise</translation>
    </message>
</context>
<context>
    <name>aerolap::PairingWindow</name>
    <message>
        <source>Director&apos;s remote</source>
        <translation>Fernbedienung des Wettbewerbsleiters</translation>
    </message>
    <message>
        <source>Timekeepers</source>
        <translation>Zeitnehmer</translation>
    </message>
    <message>
        <source>Open this address on your phone (or scan the code), then type the code below and a name for the phone. Anyone who can see this code can pair: revoke any device that is not yours.</source>
        <translation>Diese Adresse auf dem Handy öffnen (oder den Code scannen), dann den Code unten und einen Namen für das Handy eingeben. Wer diesen Code sieht, kann koppeln: jedes Gerät widerrufen, das nicht deins ist.</translation>
    </message>
    <message>
        <source>Each timekeeper opens this address on their phone (or scans the code), then types the code below and a name for the phone. A timekeeper&apos;s phone can hand in score cards, nothing else. Revoke any device that is not one of yours.</source>
        <translation>Jeder Zeitnehmer öffnet diese Adresse auf seinem Handy (oder scannt den Code) und gibt dann den Code unten und einen Namen für das Handy ein. Das Handy eines Zeitnehmers kann Wertungskarten abgeben, sonst nichts. Jedes Gerät widerrufen, das nicht zu euch gehört.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Gekoppelt</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Zuletzt gesehen</translation>
    </message>
    <message>
        <source>Revoke all</source>
        <translation>Alle widerrufen</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
</context>
<context>
    <name>aerolap::PilotsDisplayWindow</name>
    <message>
        <source>Pilots&apos; display</source>
        <translation>Anzeige für die Piloten</translation>
    </message>
    <message>
        <source>Pilots open one of these addresses on a phone, tablet or TV on the same network as this laptop (or scan its code) to see the running time, each in their phone&apos;s own language.</source>
        <translation type="vanished">Die Piloten öffnen eine dieser Adressen auf einem Telefon, Tablet oder Fernseher im selben Netz wie dieser Laptop (oder scannen ihren Code), um die laufende Zeit zu sehen, jeder in der Sprache seines Telefons.</translation>
    </message>
    <message>
        <source>Pilots open one of these addresses on a phone, tablet or TV on the same network as this laptop (or scan its code) to see the running time.</source>
        <translation>Die Piloten öffnen eine dieser Adressen auf einem Handy, Tablet oder Fernseher im selben Netz wie dieser Laptop (oder scannen ihren Code), um die laufende Zeit zu sehen.</translation>
    </message>
</context>
<context>
    <name>aerolap::RoundsModel</name>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Flüge</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <source>The schedule can be changed only while no cycle runs.</source>
        <translation>Der Ablauf lässt sich nur ändern, solange kein Zyklus läuft.</translation>
    </message>
</context>
<context>
    <name>aerolap::ScheduleWindow</name>
    <message>
        <source>waiting for START</source>
        <translation>wartet auf START</translation>
    </message>
    <message>
        <source>cycle running</source>
        <translation>Zyklus läuft</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>schedule done</source>
        <translation>Ablauf beendet</translation>
    </message>
    <message>
        <source>round %1, group %2, flight %3</source>
        <translation>Durchgang %1, Gruppe %2, Flug %3</translation>
    </message>
    <message>
        <source>Extended display frame</source>
        <translation>Erweiterter Anzeige-Frame</translation>
    </message>
    <message>
        <source>Contest schedule</source>
        <translation>Wettbewerbsablauf</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Auslosung</translation>
    </message>
    <message>
        <source>Import draw...</source>
        <translation>Auslosung importieren...</translation>
    </message>
    <message>
        <source>Generate draw...</source>
        <translation>Auslosung erzeugen...</translation>
    </message>
    <message>
        <source>Withdraw pilot...</source>
        <translation>Pilot zurückziehen...</translation>
    </message>
    <message>
        <source>Print draw...</source>
        <translation>Auslosung drucken...</translation>
    </message>
    <message>
        <source>Add round</source>
        <translation>Durchgang hinzufügen</translation>
    </message>
    <message>
        <source>Remove round</source>
        <translation>Durchgang entfernen</translation>
    </message>
    <message>
        <source>Back one</source>
        <translation>Einen zurück</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Springen</translation>
    </message>
    <message>
        <source>No schedule: open one or add a round.</source>
        <translation>Kein Ablauf: Öffne einen oder füge einen Durchgang hinzu.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="vanished">%1: %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Als Nächstes: %1</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Als Nächstes: %1 um %2</translation>
    </message>
    <message>
        <source>The schedule moves only while no cycle runs, and only to a cycle it holds.</source>
        <translation>Der Ablauf bewegt sich nur, solange kein Zyklus läuft, und nur zu einem Zyklus, den er enthält.</translation>
    </message>
    <message>
        <source>No draw</source>
        <translation>Keine Auslosung</translation>
    </message>
    <message>
        <source>%1, %2; %3</source>
        <translation type="vanished">%1, %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%n pilot(s)</source>
        <translation type="vanished">
            <numerusform>%n Pilot</numerusform>
            <numerusform>%n Piloten</numerusform>
        </translation>
    </message>
    <message>
        <source>generated with seed %1</source>
        <translation>erzeugt mit Startwert %1</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>importiert</translation>
    </message>
    <message numerus="yes">
        <source>two pilots meet %1 to %n time(s)</source>
        <translation type="vanished">
            <numerusform>zwei Piloten treffen sich %1- bis %n-mal</numerusform>
            <numerusform>zwei Piloten treffen sich %1- bis %n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>Draw of round %1</source>
        <translation>Auslosung von Durchgang %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source> (in hand)</source>
        <translation type="vanished"> (aktuell)</translation>
    </message>
    <message>
        <source> (next)</source>
        <translation type="vanished"> (als Nächstes)</translation>
    </message>
    <message numerus="yes">
        <source>Drawn. Two pilots meet %1 to %n time(s) over the contest.</source>
        <translation type="vanished">
            <numerusform>Ausgelost. Zwei Piloten treffen sich im Wettbewerb %1- bis %n-mal.</numerusform>
            <numerusform>Ausgelost. Zwei Piloten treffen sich im Wettbewerb %1- bis %n-mal.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no draw with a pilot to withdraw.</source>
        <translation>Es gibt keine Auslosung mit einem Piloten zum Zurückziehen.</translation>
    </message>
    <message>
        <source>There is no draw to print.</source>
        <translation>Es gibt keine Auslosung zum Drucken.</translation>
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
            <numerusform>%n Pilot, %1; zwei Piloten treffen %2- bis %3-mal aufeinander</numerusform>
            <numerusform>%n Piloten, %1; zwei Piloten treffen %2- bis %3-mal aufeinander</numerusform>
        </translation>
    </message>
    <message>
        <source>Group %1 (in hand)</source>
        <translation>Gruppe %1 (aktuell)</translation>
    </message>
    <message>
        <source>Group %1 (next)</source>
        <translation>Gruppe %1 (als Nächstes)</translation>
    </message>
    <message>
        <source>Drawn. Two pilots meet %1 to %2 times over the contest.</source>
        <translation>Ausgelost. Zwei Piloten treffen im Wettbewerb %1- bis %2-mal aufeinander.</translation>
    </message>
</context>
<context>
    <name>aerolap::ScoresWindow</name>
    <message>
        <source>Scores</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>&amp;Round</source>
        <translation>&amp;Durchgang</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Gruppe</translation>
    </message>
    <message>
        <source>&amp;Confirm group</source>
        <translation>Gruppe &amp;bestätigen</translation>
    </message>
    <message>
        <source>Re-flight group...</source>
        <translation>Wiederholungsgruppe...</translation>
    </message>
    <message>
        <source>Rules...</source>
        <translation>Regeln...</translation>
    </message>
    <message>
        <source>&amp;Print results...</source>
        <translation>Ergebnisse &amp;drucken...</translation>
    </message>
    <message>
        <source>Print cards...</source>
        <translation>Karten drucken...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Zielzeiten</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Flüge</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Strafe</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Vermerk</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Roh</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>target of each flight</source>
        <translation>Zielzeit jedes Flugs</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>unterschrieben</translation>
    </message>
    <message>
        <source>unsigned</source>
        <translation>nicht unterschrieben</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>nicht angetreten</translation>
    </message>
    <message>
        <source>no card yet</source>
        <translation>noch keine Karte</translation>
    </message>
    <message>
        <source>typed in</source>
        <translation>von Hand eingegeben</translation>
    </message>
    <message>
        <source>phone &quot;%1&quot;, signed &quot;%2&quot;</source>
        <translation>Telefon „%1“, unterschrieben „%2“</translation>
    </message>
    <message>
        <source>&amp;Timekeepers...</source>
        <translation>&amp;Zeitnehmer...</translation>
    </message>
    <message>
        <source>No schedule: open one with its draw.</source>
        <translation>Kein Ablauf: Öffne einen mit seiner Auslosung.</translation>
    </message>
    <message>
        <source>This round&apos;s task is no F3K task (A to N): it is not scored.</source>
        <translation>Die Aufgabe dieses Durchgangs ist keine F3K-Aufgabe (A bis N): Sie wird nicht gewertet.</translation>
    </message>
    <message>
        <source>Task %1, working time %2%3: %4</source>
        <translation>Aufgabe %1, Arbeitszeit %2%3: %4</translation>
    </message>
    <message>
        <source>, re-flight group</source>
        <translation>, Wiederholungsgruppe</translation>
    </message>
    <message>
        <source>nothing entered</source>
        <translation>nichts eingegeben</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>provisional</source>
        <translation>vorläufig</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>Zielzeit %1</translation>
    </message>
    <message numerus="yes">
        <source>%n target(s) for %1 flight(s): give the target named before each flight.</source>
        <translation>
            <numerusform>%n Zielzeit für %1 Flüge: Gib die vor jedem Flug angesagte Zielzeit ein.</numerusform>
            <numerusform>%n Zielzeiten für %1 Flüge: Gib die vor jedem Flug angesagte Zielzeit ein.</numerusform>
        </translation>
    </message>
    <message>
        <source>the penalty &quot;%1&quot; is not a number of points.</source>
        <translation>die Strafe „%1“ ist keine Punktzahl.</translation>
    </message>
    <message>
        <source>%1: card cleared.</source>
        <translation>%1: Karte geleert.</translation>
    </message>
    <message>
        <source>%1: entered.</source>
        <translation>%1: eingetragen.</translation>
    </message>
    <message>
        <source>Nothing was entered: the card stays as it was.</source>
        <translation>Nichts wurde eingetragen: Die Karte bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Group %1 of round %2 confirmed.</source>
        <translation>Gruppe %1 von Durchgang %2 bestätigt.</translation>
    </message>
    <message>
        <source>Re-flight group %1 added to round %2: it flies after the round&apos;s last group.</source>
        <translation>Wiederholungsgruppe %1 zu Durchgang %2 hinzugefügt: Sie fliegt nach der letzten Gruppe des Durchgangs.</translation>
    </message>
    <message>
        <source>The rules are changed.</source>
        <translation>Die Regeln sind geändert.</translation>
    </message>
    <message>
        <source>Print results</source>
        <translation>Ergebnisse drucken</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The results are in %1.</source>
        <translation>Die Ergebnisse stehen in %1.</translation>
    </message>
    <message>
        <source>This round is not scored: it has no cards.</source>
        <translation>Dieser Durchgang wird nicht gewertet: Er hat keine Karten.</translation>
    </message>
    <message>
        <source>Print cards</source>
        <translation>Karten drucken</translation>
    </message>
    <message>
        <source>The cards of round %1 are in %2.</source>
        <translation>Die Karten von Durchgang %1 stehen in %2.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>%1 kann nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>i18n</name>
    <message>
        <source>READY</source>
        <translation type="vanished">BEREIT</translation>
    </message>
    <message>
        <source>PREPARATION</source>
        <translation type="vanished">VORBEREITUNG</translation>
    </message>
    <message>
        <source>WORKING TIME</source>
        <translation type="vanished">ARBEITSZEIT</translation>
    </message>
    <message>
        <source>LANDING WINDOW</source>
        <translation type="vanished">LANDEFENSTER</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation type="vanished">ANGEHALTEN</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation type="vanished">VERBINDUNG VERLOREN</translation>
    </message>
    <message>
        <source>round %1, group %2, flight %3</source>
        <translation>Durchgang %1, Gruppe %2, Flug %3</translation>
    </message>
</context>
<context>
    <name>pilots</name>
    <message>
        <source>TEST FLIGHTS</source>
        <translation>TESTFLÜGE</translation>
    </message>
    <message>
        <source>NO FLY</source>
        <translation>FLUGVERBOT</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Durchgang %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation>Flug %1</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Danach: %1</translation>
    </message>
    <message numerus="yes">
        <source>in about %n minute(s)</source>
        <translation>
            <numerusform>in etwa %n Minute</numerusform>
            <numerusform>in etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>round %1, group %2</source>
        <translation>Durchgang %1, Gruppe %2</translation>
    </message>
    <message>
        <source>Who are you? Pick your name</source>
        <translation>Wer bist du? Wähle deinen Namen</translation>
    </message>
    <message>
        <source>You have no more flights in this draw.</source>
        <translation>Du hast in dieser Auslosung keine Flüge mehr.</translation>
    </message>
    <message>
        <source>You are flying: round %1, group %2.</source>
        <translation>Du fliegst: Durchgang %1, Gruppe %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2.</source>
        <translation>Du fliegst in Durchgang %1, Gruppe %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2, %3 (%4)</source>
        <translation>Du fliegst in Durchgang %1, Gruppe %2, %3 (%4)</translation>
    </message>
    <message>
        <source>Not you?</source>
        <translation>Nicht du?</translation>
    </message>
    <message>
        <source>Flying: %1</source>
        <translation>In der Luft: %1</translation>
    </message>
    <message>
        <source>Next to fly: %1</source>
        <translation>Als Nächstes in der Luft: %1</translation>
    </message>
    <message>
        <source>START %1</source>
        <translation>START %1</translation>
    </message>
    <message>
        <source>On deck: %1</source>
        <translation>Bereithalten: %1</translation>
    </message>
    <message>
        <source>No group on deck</source>
        <translation>Keine Gruppe in Bereitschaft</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>BEREIT</translation>
    </message>
    <message>
        <source>PREPARATION</source>
        <translation>VORBEREITUNG</translation>
    </message>
    <message>
        <source>WORKING TIME</source>
        <translation>ARBEITSZEIT</translation>
    </message>
    <message>
        <source>LANDING WINDOW</source>
        <translation>LANDEFENSTER</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ANGEHALTEN</translation>
    </message>
    <message>
        <source>group %1: %2, raw %3, %4</source>
        <translation>Gruppe %1: %2, roh %3, %4</translation>
    </message>
    <message>
        <source>no flights</source>
        <translation>keine Flüge</translation>
    </message>
    <message>
        <source>Round %1 (%2): %3</source>
        <translation>Durchgang %1 (%2): %3</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Durchgang %1: %2</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>gestrichen</translation>
    </message>
    <message>
        <source>penalty %1</source>
        <translation>Strafe %1</translation>
    </message>
    <message>
        <source>Penalties: %1</source>
        <translation>Strafen: %1</translation>
    </message>
    <message>
        <source>No rounds scored yet.</source>
        <translation>Noch kein Durchgang gewertet.</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Rangliste</translation>
    </message>
    <message>
        <source>Provisional: * marks scores of groups not yet confirmed.</source>
        <translation>Vorläufig: * kennzeichnet Wertungen von Gruppen, die noch nicht bestätigt sind.</translation>
    </message>
    <message>
        <source>No scores yet.</source>
        <translation>Noch keine Wertungen.</translation>
    </message>
    <message>
        <source>Tap a pilot for their rounds.</source>
        <translation>Tippe auf einen Piloten für seine Durchgänge.</translation>
    </message>
    <message>
        <source>Fly-off</source>
        <translation>Fly-off</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Disqualified</source>
        <translation>Disqualifiziert</translation>
    </message>
    <message>
        <source>Rank %1 of %2</source>
        <translation>Platz %1 von %2</translation>
    </message>
    <message>
        <source>No rank yet: %1 of %2 rounds completed</source>
        <translation>Noch kein Platz: %1 von %2 Durchgängen geflogen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation>VERBINDUNG VERLOREN</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation>
            <numerusform>Versuche es in %n Sekunde noch einmal.</numerusform>
            <numerusform>Versuche es in %n Sekunden noch einmal.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired as %1.</source>
        <translation>Gekoppelt als %1.</translation>
    </message>
    <message>
        <source>Sent %1…</source>
        <translation>%1 gesendet…</translation>
    </message>
    <message>
        <source>The laptop cannot be reached.</source>
        <translation>Der Laptop ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Waiting for the timer…</source>
        <translation>Warte auf den Timer…</translation>
    </message>
    <message>
        <source>The timer is at READY.</source>
        <translation>Der Timer steht auf BEREIT.</translation>
    </message>
    <message>
        <source>The timer is in the preparation.</source>
        <translation>Der Timer ist in der Vorbereitung.</translation>
    </message>
    <message>
        <source>The timer is in the working time.</source>
        <translation>Der Timer ist in der Arbeitszeit.</translation>
    </message>
    <message>
        <source>The timer is in the landing window.</source>
        <translation>Der Timer ist im Landefenster.</translation>
    </message>
    <message>
        <source>The timer is stopped.</source>
        <translation>Der Timer ist angehalten.</translation>
    </message>
    <message>
        <source>preparation %1</source>
        <translation>Vorbereitung %1</translation>
    </message>
    <message>
        <source>working %1</source>
        <translation>Arbeitszeit %1</translation>
    </message>
    <message>
        <source>schedule %1</source>
        <translation>Ablauf %1</translation>
    </message>
    <message>
        <source>waiting for START</source>
        <translation type="vanished">wartet auf START</translation>
    </message>
    <message>
        <source>cycle running</source>
        <translation type="vanished">Zyklus läuft</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">angehalten</translation>
    </message>
    <message>
        <source>schedule done</source>
        <translation type="vanished">beendet</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Durchgang %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>next %1</source>
        <translation>danach %1</translation>
    </message>
    <message>
        <source>Pair this phone: type the six-digit code shown in &quot;Director&apos;s remote&quot; on the laptop.</source>
        <translation>Kopple dieses Telefon: Gib den sechsstelligen Code ein, den der Laptop unter „Fernbedienung des Wettbewerbsleiters“ zeigt.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>This device&apos;s name</source>
        <translation>Name dieses Geräts</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Koppeln</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Durchgang</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Springen</translation>
    </message>
    <message>
        <source>Forget pairing</source>
        <translation>Kopplung vergessen</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation>VERBINDUNG VERLOREN</translation>
    </message>
    <message>
        <source>Aerolap: director&apos;s remote</source>
        <translation>Aerolap: Fernbedienung des Wettbewerbsleiters</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>timekeeper</name>
    <message>
        <source>Aerolap: timekeeper</source>
        <translation>Aerolap: Zeitnehmer</translation>
    </message>
    <message>
        <source>Pair this phone as a timekeeper: type the six-digit code shown in the Scores window, &quot;Timekeepers...&quot;, on the laptop.</source>
        <translation>Kopple dieses Telefon als Zeitnehmer: Gib den sechsstelligen Code ein, den der Laptop im Wertungsfenster unter „Zeitnehmer...“ zeigt.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>This device&apos;s name</source>
        <translation>Name dieses Geräts</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Koppeln</translation>
    </message>
    <message>
        <source>Paired as %1.</source>
        <translation>Gekoppelt als %1.</translation>
    </message>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation>
            <numerusform>Versuche es in %n Sekunde noch einmal.</numerusform>
            <numerusform>Versuche es in %n Sekunden noch einmal.</numerusform>
        </translation>
    </message>
    <message>
        <source>The laptop cannot be reached.</source>
        <translation>Der Laptop ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation>VERBINDUNG VERLOREN</translation>
    </message>
    <message>
        <source>No group to time yet: the laptop has no schedule with a draw.</source>
        <translation>Noch keine Gruppe zu stoppen: Der Laptop hat keinen Ablauf mit Auslosung.</translation>
    </message>
    <message>
        <source>Round %1 · Group %2</source>
        <translation>Durchgang %1 · Gruppe %2</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>The laptop has confirmed this group&apos;s scores.</source>
        <translation>Der Laptop hat die Wertung dieser Gruppe bestätigt.</translation>
    </message>
    <message>
        <source>Which pilot do you time?</source>
        <translation>Welchen Piloten stoppst du?</translation>
    </message>
    <message>
        <source>timed by %1</source>
        <translation>gestoppt von %1</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>deiner</translation>
    </message>
    <message>
        <source>You time %1.</source>
        <translation>Du stoppst %1.</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation>ABWURF</translation>
    </message>
    <message>
        <source>LANDED</source>
        <translation>GELANDET</translation>
    </message>
    <message>
        <source>Still in the air at the end of the working time: the flight counts to the end of the working time.</source>
        <translation>Am Ende der Arbeitszeit noch in der Luft: Der Flug zählt bis zum Ende der Arbeitszeit.</translation>
    </message>
    <message>
        <source>counts to the end of the working time</source>
        <translation>zählt bis zum Ende der Arbeitszeit</translation>
    </message>
    <message>
        <source>settle by hand: type its time</source>
        <translation>von Hand klären: Zeit eintippen</translation>
    </message>
    <message>
        <source>launched at %1</source>
        <translation>Abwurf bei %1</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>zählt</translation>
    </message>
    <message>
        <source>counts %1</source>
        <translation>zählt %1</translation>
    </message>
    <message numerus="yes">
        <source>All %n launches are used.</source>
        <translation>
            <numerusform>Der eine Abwurf ist verbraucht.</numerusform>
            <numerusform>Alle %n Abwürfe sind verbraucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <translation>m:ss oder Sekunden</translation>
    </message>
    <message>
        <source>Add flight</source>
        <translation>Flug hinzufügen</translation>
    </message>
    <message>
        <source>Save flight %1</source>
        <translation>Flug %1 speichern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type the time as m:ss or as seconds, for example 1:15 or 75.</source>
        <translation>Gib die Zeit als m:ss oder in Sekunden ein, zum Beispiel 1:15 oder 75.</translation>
    </message>
    <message>
        <source>No flights yet.</source>
        <translation>Noch keine Flüge.</translation>
    </message>
    <message>
        <source>Total that counts: %1</source>
        <translation>Gewertete Summe: %1</translation>
    </message>
    <message>
        <source>Total flight time: %1</source>
        <translation>Gesamtflugzeit: %1</translation>
    </message>
    <message>
        <source>Pilot signs</source>
        <translation>Pilot unterschreibt</translation>
    </message>
    <message>
        <source>Pilot: check your card, then sign it with your name or initials.</source>
        <translation>Pilot: Prüfe deine Karte und unterschreibe sie dann mit deinem Namen oder deinen Initialen.</translation>
    </message>
    <message>
        <source>Pilot&apos;s name or initials</source>
        <translation>Name oder Initialen des Piloten</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Unterschreiben</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Signed by %1.</source>
        <translation>Unterschrieben von %1.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Noch nicht unterschrieben.</translation>
    </message>
    <message>
        <source>First type the time of each flight marked &quot;settle by hand&quot;.</source>
        <translation>Gib zuerst die Zeit jedes Flugs ein, der mit „von Hand klären“ markiert ist.</translation>
    </message>
    <message>
        <source>Land the flight in the air first.</source>
        <translation>Lande zuerst den Flug, der noch in der Luft ist.</translation>
    </message>
    <message>
        <source>The card changed after it was signed: the pilot must sign it again.</source>
        <translation>Die Karte wurde nach der Unterschrift geändert: Der Pilot muss sie erneut unterschreiben.</translation>
    </message>
    <message>
        <source>Cards to send</source>
        <translation>Zu sendende Karten</translation>
    </message>
    <message>
        <source>%1, round %2, group %3, signed by %4</source>
        <translation>%1, Durchgang %2, Gruppe %3, unterschrieben von %4</translation>
    </message>
    <message>
        <source>sending…</source>
        <translation>wird gesendet…</translation>
    </message>
    <message>
        <source>not on the laptop yet (%1); sent again every few seconds.</source>
        <translation>noch nicht auf dem Laptop (%1); wird alle paar Sekunden erneut gesendet.</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>Pair this phone again, then send again.</source>
        <translation>Kopple dieses Telefon neu und sende dann erneut.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Erneut senden</translation>
    </message>
    <message>
        <source>On the laptop: %1</source>
        <translation>Auf dem Laptop: %1</translation>
    </message>
    <message>
        <source>Next pilot</source>
        <translation>Nächster Pilot</translation>
    </message>
    <message>
        <source>This card has not reached the laptop. Drop it?</source>
        <translation>Diese Karte hat den Laptop nicht erreicht. Verwerfen?</translation>
    </message>
    <message>
        <source>Forget pairing</source>
        <translation>Kopplung vergessen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
</TS>
