<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
    <name>DayReport</name>
    <message>
        <source>Aerolap day log of %1</source>
        <translation type="vanished">Aerolap-Tagesprotokoll vom %1</translation>
    </message>
    <message>
        <source>at START</source>
        <translation type="vanished">beim START</translation>
    </message>
    <message>
        <source>LATE</source>
        <translation type="vanished">ZU SPÄT</translation>
    </message>
    <message>
        <source>(in the gap)</source>
        <translation type="vanished">(in der Lücke)</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation type="vanished">FEHLT</translation>
    </message>
    <message>
        <source>NOT TAKEN</source>
        <translation type="vanished">NICHT ANGENOMMEN</translation>
    </message>
    <message>
        <source>Cycle %1: START at %2</source>
        <translation type="vanished">Zyklus %1: START um %2</translation>
    </message>
    <message>
        <source>Cycle %1: resumed at %2</source>
        <translation type="vanished">Zyklus %1: fortgesetzt um %2</translation>
    </message>
    <message>
        <source>Gap at %1: %2; the cycle went on at %3</source>
        <translation type="vanished">Lücke um %1: %2; der Zyklus ging weiter bei %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cue(s)</source>
        <translation type="vanished">
            <numerusform>%n Ansage</numerusform>
            <numerusform>%n Ansagen</numerusform>
        </translation>
    </message>
    <message>
        <source>none late</source>
        <translation type="vanished">keine zu spät</translation>
    </message>
    <message numerus="yes">
        <source>%n late</source>
        <translation type="vanished">
            <numerusform>%n zu spät</numerusform>
            <numerusform>%n zu spät</numerusform>
        </translation>
    </message>
    <message>
        <source>latest %1</source>
        <translation type="vanished">späteste %1</translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation type="vanished">
            <numerusform>%n fehlt</numerusform>
            <numerusform>%n fehlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation type="vanished">
            <numerusform>%n Frame</numerusform>
            <numerusform>%n Frames</numerusform>
        </translation>
    </message>
    <message>
        <source>all taken</source>
        <translation type="vanished">alle angenommen</translation>
    </message>
    <message numerus="yes">
        <source>%n not taken</source>
        <translation type="vanished">
            <numerusform>%n nicht angenommen</numerusform>
            <numerusform>%n nicht angenommen</numerusform>
        </translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation type="vanished">Nicht gelesen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) dropped while the log was busy</source>
        <translation type="vanished">
            <numerusform>%n Zeile verworfen, während das Protokoll ausgelastet war</numerusform>
            <numerusform>%n Zeilen verworfen, während das Protokoll ausgelastet war</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) lost while the log could not be written</source>
        <translation type="vanished">
            <numerusform>%n Zeile verloren, während das Protokoll nicht geschrieben werden konnte</numerusform>
            <numerusform>%n Zeilen verloren, während das Protokoll nicht geschrieben werden konnte</numerusform>
        </translation>
    </message>
    <message>
        <source>No cycle in this log.</source>
        <translation type="vanished">Kein Zyklus in diesem Protokoll.</translation>
    </message>
    <message>
        <source>%1 from %2, %3 s: %4</source>
        <translation type="vanished">%1 ab %2, %3 s: %4</translation>
    </message>
    <message>
        <source>measured %1</source>
        <translation type="vanished">gemessen %1</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation type="vanished">nicht beendet</translation>
    </message>
    <message>
        <source>Cues (lateness after their second; LATE beyond %1 ms):</source>
        <translation type="vanished">Ansagen (Verspätung nach ihrer Sekunde; ZU SPÄT über %1 ms):</translation>
    </message>
    <message>
        <source>Frames (lateness after their second):</source>
        <translation type="vanished">Frames (Verspätung nach ihrer Sekunde):</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation type="vanished">Ende: %1</translation>
    </message>
    <message>
        <source>Notices:</source>
        <translation type="vanished">Hinweise:</translation>
    </message>
    <message>
        <source>Remote commands:</source>
        <translation type="vanished">Befehle der Fernbedienung:</translation>
    </message>
    <message>
        <source>phase</source>
        <translation type="vanished">Phase</translation>
    </message>
    <message>
        <source>from</source>
        <translation type="vanished">ab</translation>
    </message>
    <message>
        <source>set</source>
        <translation type="vanished">eingestellt</translation>
    </message>
    <message>
        <source>measured</source>
        <translation type="vanished">gemessen</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation type="vanished">Ansagen</translation>
    </message>
    <message>
        <source>at</source>
        <translation type="vanished">um</translation>
    </message>
    <message>
        <source>second</source>
        <translation type="vanished">Sekunde</translation>
    </message>
    <message>
        <source>cue</source>
        <translation type="vanished">Ansage</translation>
    </message>
    <message>
        <source>after its second</source>
        <translation type="vanished">nach ihrer Sekunde</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="vanished">Frames</translation>
    </message>
    <message>
        <source>frame</source>
        <translation type="vanished">Frame</translation>
    </message>
    <message>
        <source>Notices and remote commands</source>
        <translation type="vanished">Hinweise und Befehle der Fernbedienung</translation>
    </message>
</context>
<context>
    <name>DrawPdf</name>
    <message>
        <source>Round %1</source>
        <translation type="vanished">Durchgang %1</translation>
    </message>
    <message>
        <source>Round %1: task %2</source>
        <translation type="vanished">Durchgang %1: Aufgabe %2</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Gruppe %1</translation>
    </message>
    <message>
        <source>Pilots: round/group</source>
        <translation type="vanished">Piloten: Durchgang/Gruppe</translation>
    </message>
    <message>
        <source>(withdrawn from round %1)</source>
        <translation type="vanished">(ab Durchgang %1 zurückgezogen)</translation>
    </message>
    <message>
        <source>Draw %1: cannot be written</source>
        <translation type="vanished">Auslosung %1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The schedule has no draw to print.</source>
        <translation type="vanished">Der Ablauf hat keine Auslosung zum Drucken.</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation type="vanished">Auslosung: %1</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation type="vanished">Wettbewerb</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The day log</source>
        <translation type="vanished">Das Tagesprotokoll</translation>
    </message>
    <message>
        <source>its lines are counted, and it carries on once it can be written</source>
        <translation type="vanished">seine Zeilen werden gezählt, und es geht weiter, sobald es geschrieben werden kann</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written: %3. The timer runs on; %4.</source>
        <translation type="vanished">%1 %2 kann nicht geschrieben werden: %3. Der Timer läuft weiter; %4.</translation>
    </message>
    <message>
        <source>%1 %2 is written again.</source>
        <translation type="vanished">%1 %2 wird wieder geschrieben.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="vanished">%1: %2</translation>
    </message>
    <message>
        <source>Cues and seconds may slip while the laptop is busy: the system does not let the timer run ahead of other programs (%1). Close other programs during a round.</source>
        <translation type="vanished">Ansagen und Sekunden können sich verschieben, wenn der Laptop ausgelastet ist: Das System gibt dem Timer keinen Vorrang vor anderen Programmen (%1). Schließe während eines Durchgangs andere Programme.</translation>
    </message>
    <message>
        <source>The cycle that was running when Aerolap ended without closing carries on: %1.</source>
        <translation type="vanished">Der Zyklus, der lief, als Aerolap ohne Schließen endete, geht weiter: %1.</translation>
    </message>
    <message>
        <source>holds a cycle that begins in the future (the clock may have been set back)</source>
        <translation type="vanished">enthält einen Zyklus, der in der Zukunft beginnt (die Uhr wurde vielleicht zurückgestellt)</translation>
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
        <translation type="vanished">Die Zustandsdatei</translation>
    </message>
    <message>
        <source>after a crash it could not resume the cycle</source>
        <translation type="vanished">nach einem Absturz könnte er den Zyklus nicht fortsetzen</translation>
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
        <translation type="vanished">Fernbedienung des Wettbewerbsleiters: Die gekoppelten Geräte in %1 können nicht gelesen werden; kopple die Telefone erneut.</translation>
    </message>
    <message>
        <source>The director&apos;s remote: the devices paired on %1 are forgotten; pair the phones again for today.</source>
        <translation type="vanished">Fernbedienung des Wettbewerbsleiters: Die am %1 gekoppelten Geräte sind vergessen; kopple die Telefone für heute erneut.</translation>
    </message>
    <message>
        <source>The director&apos;s remote&apos;s list of paired devices</source>
        <translation type="vanished">Die Liste der gekoppelten Geräte der Fernbedienung</translation>
    </message>
    <message>
        <source>the devices paired since are forgotten when the program ends</source>
        <translation type="vanished">die seither gekoppelten Geräte sind vergessen, wenn das Programm endet</translation>
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
        <translation type="vanished">Fernbedienung des Wettbewerbsleiters („%1“): %2 abgelehnt: %3</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;) jumped to round %2, group %3.</source>
        <translation type="vanished">Die Fernbedienung des Wettbewerbsleiters („%1“) ist zu Durchgang %2, Gruppe %3 gesprungen.</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;): %2</source>
        <translation type="vanished">Fernbedienung des Wettbewerbsleiters („%1“): %2</translation>
    </message>
    <message>
        <source>a dialog is open on the laptop; answer it there first.</source>
        <translation type="vanished">auf dem Laptop ist ein Dialog offen; beantworte ihn zuerst dort.</translation>
    </message>
    <message>
        <source>started the cycle.</source>
        <translation type="vanished">hat den Zyklus gestartet.</translation>
    </message>
    <message>
        <source>stopped the cycle.</source>
        <translation type="vanished">hat den Zyklus angehalten.</translation>
    </message>
    <message>
        <source>reset the timer.</source>
        <translation type="vanished">hat den Timer zurückgesetzt.</translation>
    </message>
    <message>
        <source>skipped to the next group.</source>
        <translation type="vanished">ist zur nächsten Gruppe gesprungen.</translation>
    </message>
    <message>
        <source>went back one group.</source>
        <translation type="vanished">ist eine Gruppe zurückgegangen.</translation>
    </message>
    <message>
        <source>jumped to round %1, group %2.</source>
        <translation type="vanished">ist zu Durchgang %1, Gruppe %2 gesprungen.</translation>
    </message>
    <message>
        <source>unknown command.</source>
        <translation type="vanished">unbekannter Befehl.</translation>
    </message>
    <message>
        <source>that button is not on the window now.</source>
        <translation type="vanished">diese Schaltfläche ist gerade nicht im Fenster.</translation>
    </message>
    <message>
        <source>no schedule is loaded.</source>
        <translation type="vanished">kein Ablauf geladen.</translation>
    </message>
    <message>
        <source>the schedule moves only while no cycle runs, within its rounds.</source>
        <translation type="vanished">der Ablauf bewegt sich nur, solange kein Zyklus läuft, innerhalb seiner Durchgänge.</translation>
    </message>
    <message>
        <source>The laptop may go to sleep during a round: the login manager does not keep it awake (%1). Switch power saving off and keep the lid open.</source>
        <translation type="vanished">Der Laptop könnte während eines Durchgangs in den Ruhezustand gehen: Die Sitzungsverwaltung hält ihn nicht wach (%1). Schalte das Energiesparen aus und lass den Deckel offen.</translation>
    </message>
    <message>
        <source>The screen may blank during a round: the screen saver is not held off (%1). Switch the screen saver off.</source>
        <translation type="vanished">Der Bildschirm könnte während eines Durchgangs dunkel werden: Der Bildschirmschoner wird nicht zurückgehalten (%1). Schalte den Bildschirmschoner aus.</translation>
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
        <translation type="vanished">Tonausgabe: %1</translation>
    </message>
    <message>
        <source>LED display lost on %1: the timer runs on; frames resume when it is back</source>
        <translation type="vanished">LED-Anzeige an %1 verloren: Der Timer läuft weiter; die Frames kommen wieder, sobald sie zurück ist</translation>
    </message>
    <message>
        <source>LED display back on %1</source>
        <translation type="vanished">LED-Anzeige wieder an %1</translation>
    </message>
    <message>
        <source>Serial port %1 could not be opened: %2</source>
        <translation type="vanished">Die serielle Schnittstelle %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The pilots&apos; display is switched off (port 0).</source>
        <translation type="vanished">Die Anzeige für die Piloten ist ausgeschaltet (Port 0).</translation>
    </message>
    <message>
        <source>The pilots&apos; display could not use port %1 (%2): the timer runs without it.</source>
        <translation type="vanished">Die Anzeige für die Piloten konnte Port %1 nicht nutzen (%2): Der Timer läuft ohne sie.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="vanished">Zeile %1: %2</translation>
    </message>
    <message>
        <source>the log ends here</source>
        <translation type="vanished">das Protokoll endet hier</translation>
    </message>
    <message>
        <source>the program ended (a crash, a kill or a power cut)</source>
        <translation type="vanished">das Programm endete (ein Absturz, ein Abbruch oder ein Stromausfall)</translation>
    </message>
    <message>
        <source>the program was closed at %1</source>
        <translation type="vanished">das Programm wurde um %1 geschlossen</translation>
    </message>
    <message>
        <source>STOP at %1</source>
        <translation type="vanished">STOP um %1</translation>
    </message>
    <message>
        <source>program gone until %1 (%2 s)</source>
        <translation type="vanished">Programm weg bis %1 (%2 s)</translation>
    </message>
    <message>
        <source>the laptop slept %1 s</source>
        <translation type="vanished">der Laptop war %1 s im Ruhezustand</translation>
    </message>
    <message>
        <source>landing window over</source>
        <translation type="vanished">Landefenster vorbei</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">angehalten</translation>
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
</context>
<context>
    <name>aerolap::DayLogWindow</name>
    <message>
        <source>Day log</source>
        <translation type="vanished">Tagesprotokoll</translation>
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
        <translation type="vanished">Hinweise</translation>
    </message>
</context>
<context>
    <name>aerolap::PilotsDisplayWindow</name>
    <message>
        <source>Pilots&apos; display</source>
        <translation type="vanished">Anzeige für die Piloten</translation>
    </message>
    <message>
        <source>Pilots open one of these addresses on a phone, tablet or TV on the same network as this laptop (or scan its code) to see the running time, each in their phone&apos;s own language.</source>
        <translation type="vanished">Die Piloten öffnen eine dieser Adressen auf einem Telefon, Tablet oder Fernseher im selben Netz wie dieser Laptop (oder scannen ihren Code), um die laufende Zeit zu sehen, jeder in der Sprache seines Telefons.</translation>
    </message>
</context>
<context>
    <name>aerolap::RoundsModel</name>
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
    <message>
        <source>The schedule can be changed only while no cycle runs.</source>
        <translation type="vanished">Der Ablauf lässt sich nur ändern, solange kein Zyklus läuft.</translation>
    </message>
</context>
<context>
    <name>aerolap::ScheduleWindow</name>
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
    <message>
        <source>round %1, group %2, flight %3</source>
        <translation type="vanished">Durchgang %1, Gruppe %2, Flug %3</translation>
    </message>
    <message>
        <source>Extended display frame</source>
        <translation type="vanished">Erweiterter Anzeige-Frame</translation>
    </message>
    <message>
        <source>Contest schedule</source>
        <translation type="vanished">Wettbewerbsablauf</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="vanished">Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="vanished">Speichern</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="vanished">Auslosung</translation>
    </message>
    <message>
        <source>Import draw...</source>
        <translation type="vanished">Auslosung importieren...</translation>
    </message>
    <message>
        <source>Generate draw...</source>
        <translation type="vanished">Auslosung erzeugen...</translation>
    </message>
    <message>
        <source>Withdraw pilot...</source>
        <translation type="vanished">Pilot zurückziehen...</translation>
    </message>
    <message>
        <source>Print draw...</source>
        <translation type="vanished">Auslosung drucken...</translation>
    </message>
    <message>
        <source>Add round</source>
        <translation type="vanished">Durchgang hinzufügen</translation>
    </message>
    <message>
        <source>Remove round</source>
        <translation type="vanished">Durchgang entfernen</translation>
    </message>
    <message>
        <source>Back one</source>
        <translation type="vanished">Einen zurück</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="vanished">Überspringen</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation type="vanished">Springen</translation>
    </message>
    <message>
        <source>No schedule: open one or add a round.</source>
        <translation type="vanished">Kein Ablauf: Öffne einen oder füge einen Durchgang hinzu.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="vanished">%1: %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation type="vanished">Als Nächstes: %1</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation type="vanished">Als Nächstes: %1 um %2</translation>
    </message>
    <message>
        <source>The schedule moves only while no cycle runs, and only to a cycle it holds.</source>
        <translation type="vanished">Der Ablauf bewegt sich nur, solange kein Zyklus läuft, und nur zu einem Zyklus, den er enthält.</translation>
    </message>
    <message>
        <source>No draw</source>
        <translation type="vanished">Keine Auslosung</translation>
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
        <translation type="vanished">erzeugt mit Startwert %1</translation>
    </message>
    <message>
        <source>imported</source>
        <translation type="vanished">importiert</translation>
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
        <translation type="vanished">Auslosung von Durchgang %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Gruppe %1</translation>
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
        <translation type="vanished">Es gibt keine Auslosung mit einem Piloten zum Zurückziehen.</translation>
    </message>
    <message>
        <source>There is no draw to print.</source>
        <translation type="vanished">Es gibt keine Auslosung zum Drucken.</translation>
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
</context>
<context>
    <name>pilots</name>
    <message>
        <source>TEST FLIGHTS</source>
        <translation type="vanished">TESTFLÜGE</translation>
    </message>
    <message>
        <source>NO FLY</source>
        <translation type="vanished">FLUGVERBOT</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation type="vanished">Durchgang %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Gruppe %1</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation type="vanished">Flug %1</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation type="vanished">Aufgabe %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation type="vanished">Als Nächstes: %1</translation>
    </message>
    <message numerus="yes">
        <source>in about %n minute(s)</source>
        <translation type="vanished">
            <numerusform>in etwa %n Minute</numerusform>
            <numerusform>in etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation type="vanished">in %1</translation>
    </message>
    <message>
        <source>round %1, group %2</source>
        <translation type="vanished">Durchgang %1, Gruppe %2</translation>
    </message>
    <message>
        <source>Who are you? Pick your name</source>
        <translation type="vanished">Wer bist du? Wähle deinen Namen</translation>
    </message>
    <message>
        <source>You have no more flights in this draw.</source>
        <translation type="vanished">Du hast in dieser Auslosung keine Flüge mehr.</translation>
    </message>
    <message>
        <source>You are flying: round %1, group %2.</source>
        <translation type="vanished">Du fliegst: Durchgang %1, Gruppe %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2.</source>
        <translation type="vanished">Du fliegst in Durchgang %1, Gruppe %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2, %3 (%4)</source>
        <translation type="vanished">Du fliegst in Durchgang %1, Gruppe %2, %3 (%4)</translation>
    </message>
    <message>
        <source>Not you?</source>
        <translation type="vanished">Nicht du?</translation>
    </message>
    <message>
        <source>Flying: %1</source>
        <translation type="vanished">In der Luft: %1</translation>
    </message>
    <message>
        <source>Next to fly: %1</source>
        <translation type="vanished">Als Nächstes: %1</translation>
    </message>
    <message>
        <source>START %1</source>
        <translation type="vanished">START %1</translation>
    </message>
    <message>
        <source>On deck: %1</source>
        <translation type="vanished">Danach: %1</translation>
    </message>
    <message>
        <source>No group on deck</source>
        <translation type="vanished">Danach keine Gruppe</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation type="vanished">Vollbild</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="vanished">Sprache</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation type="vanished">
            <numerusform>Versuche es in %n Sekunde erneut.</numerusform>
            <numerusform>Versuche es in %n Sekunden erneut.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired as %1.</source>
        <translation type="vanished">Gekoppelt als %1.</translation>
    </message>
    <message>
        <source>Sent %1…</source>
        <translation type="vanished">%1 gesendet…</translation>
    </message>
    <message>
        <source>The laptop cannot be reached.</source>
        <translation type="vanished">Der Laptop ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Waiting for the timer…</source>
        <translation type="vanished">Warte auf den Timer…</translation>
    </message>
    <message>
        <source>The timer is at READY.</source>
        <translation type="vanished">Der Timer steht auf BEREIT.</translation>
    </message>
    <message>
        <source>The timer is in the preparation.</source>
        <translation type="vanished">Der Timer ist in der Vorbereitung.</translation>
    </message>
    <message>
        <source>The timer is in the working time.</source>
        <translation type="vanished">Der Timer ist in der Arbeitszeit.</translation>
    </message>
    <message>
        <source>The timer is in the landing window.</source>
        <translation type="vanished">Der Timer ist im Landefenster.</translation>
    </message>
    <message>
        <source>The timer is stopped.</source>
        <translation type="vanished">Der Timer ist angehalten.</translation>
    </message>
    <message>
        <source>preparation %1</source>
        <translation type="vanished">Vorbereitung %1</translation>
    </message>
    <message>
        <source>working %1</source>
        <translation type="vanished">Arbeitszeit %1</translation>
    </message>
    <message>
        <source>schedule %1</source>
        <translation type="vanished">Ablauf %1</translation>
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
        <translation type="vanished">Pause</translation>
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
        <translation type="vanished">Durchgang %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Gruppe %1</translation>
    </message>
    <message>
        <source>next %1</source>
        <translation type="vanished">als Nächstes %1</translation>
    </message>
    <message>
        <source>Pair this phone: type the six-digit code shown in &quot;Director&apos;s remote&quot; on the laptop.</source>
        <translation type="vanished">Kopple dieses Telefon: Gib den sechsstelligen Code ein, der auf dem Laptop unter „Fernbedienung des Wettbewerbsleiters“ steht.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="vanished">Code</translation>
    </message>
    <message>
        <source>This device&apos;s name</source>
        <translation type="vanished">Name dieses Geräts</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation type="vanished">Koppeln</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="vanished">Zurück</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="vanished">Überspringen</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Durchgang</translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="vanished">Gruppe</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation type="vanished">Springen</translation>
    </message>
    <message>
        <source>Forget pairing</source>
        <translation type="vanished">Kopplung vergessen</translation>
    </message>
</context>
</TS>
