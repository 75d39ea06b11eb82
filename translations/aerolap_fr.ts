<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CardCheck</name>
    <message>
        <source>Flight %1 has a negative time.</source>
        <translation>Le vol %1 a un temps négatif.</translation>
    </message>
    <message>
        <source>Flight %1 (%2) is longer than the working time of %3.</source>
        <translation>Le vol %1 (%2) dépasse le temps de travail de %3.</translation>
    </message>
    <message>
        <source>Flight %1 ends past the working time by more than it lasted.</source>
        <translation>Le vol %1 finit après le temps de travail de plus qu&apos;il n&apos;a duré.</translation>
    </message>
    <message>
        <source>Flight %1 has no target: in poker each flight has the target named before it.</source>
        <translation>Le vol %1 n&apos;a pas de cible : au poker, chaque vol a la cible annoncée avant lui.</translation>
    </message>
    <message>
        <source>The target of flight %1 (%2) is longer than the working time of %3.</source>
        <translation>La cible du vol %1 (%2) dépasse le temps de travail de %3.</translation>
    </message>
    <message numerus="yes">
        <source>Task %1 allows at most %n flight(s).</source>
        <translation>
            <numerusform>L&apos;épreuve %1 autorise au plus %n vol.</numerusform>
            <numerusform>L&apos;épreuve %1 autorise au plus %n vols.</numerusform>
        </translation>
    </message>
    <message>
        <source>A penalty is points taken off: it cannot be negative.</source>
        <translation>Une pénalité retire des points : elle ne peut pas être négative.</translation>
    </message>
</context>
<context>
    <name>CardsPdf</name>
    <message>
        <source>%1: up to %2</source>
        <translation>%1 : jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>%1: target</source>
        <translation>%1 : cible</translation>
    </message>
    <message>
        <source>%1: time</source>
        <translation>%1 : temps</translation>
    </message>
    <message>
        <source>Penalty: ______   Pilot: ____________   Timekeeper: ____________</source>
        <translation>Pénalité : ______   Pilote : ____________   Chronométreur : ____________</translation>
    </message>
    <message>
        <source>Cards %1: cannot be written</source>
        <translation>Fiches %1 : impossible de les écrire</translation>
    </message>
    <message>
        <source>Round %1 has no draw: the cards take their names from it.</source>
        <translation>La manche %1 n&apos;a pas de tirage : les fiches en prennent les noms.</translation>
    </message>
    <message>
        <source>Cards: %1</source>
        <translation>Fiches : %1</translation>
    </message>
    <message>
        <source>Round %1, group %2, task %3%4, working time %5</source>
        <translation>Manche %1, groupe %2, épreuve %3%4, temps de travail %5</translation>
    </message>
    <message>
        <source>Score card</source>
        <translation>Fiche de vol</translation>
    </message>
    <message>
        <source>Timekeeper&apos;s card</source>
        <translation>Fiche du chronométreur</translation>
    </message>
    <message>
        <source>Times %1</source>
        <translation>Chronomètre %1</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Pilots&apos; display...</source>
        <translation>Affichage des pilotes...</translation>
    </message>
    <message>
        <source>Contest schedule...</source>
        <translation>Programme du concours...</translation>
    </message>
    <message>
        <source>Director&apos;s remote...</source>
        <translation>Télécommande du directeur...</translation>
    </message>
    <message>
        <source>Notices...</source>
        <translation>Avis...</translation>
    </message>
    <message>
        <source>Day log...</source>
        <translation>Journal du jour...</translation>
    </message>
    <message>
        <source>Scores...</source>
        <translation>Scores...</translation>
    </message>
</context>
<context>
    <name>CrashResume</name>
    <message>
        <source>Resume the cycle that was running?

%1

Yes: it carries on at the second the clock says.
No: the timer starts at READY.</source>
        <translation>Reprendre le cycle qui était en cours ?

%1

Oui : il reprend à la seconde qu&apos;indique l&apos;horloge.
Non : le chronomètre repart de READY.</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>Aerolap day log of %1</source>
        <translation>Journal du jour d&apos;Aerolap du %1</translation>
    </message>
    <message>
        <source>at START</source>
        <translation>au START</translation>
    </message>
    <message>
        <source>LATE</source>
        <translation>EN RETARD</translation>
    </message>
    <message>
        <source>(in the gap)</source>
        <translation>(dans l&apos;interruption)</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>MANQUANT</translation>
    </message>
    <message>
        <source>NOT TAKEN</source>
        <translation>NON PRIS</translation>
    </message>
    <message>
        <source>Cycle %1: START at %2</source>
        <translation>Cycle %1 : START à %2</translation>
    </message>
    <message>
        <source>Cycle %1: resumed at %2</source>
        <translation>Cycle %1 : repris à %2</translation>
    </message>
    <message>
        <source>Gap at %1: %2; the cycle went on at %3</source>
        <translation>Interruption à %1 : %2 ; le cycle a repris à %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cue(s)</source>
        <translation>
            <numerusform>%n annonce</numerusform>
            <numerusform>%n annonces</numerusform>
        </translation>
    </message>
    <message>
        <source>none late</source>
        <translation>aucune en retard</translation>
    </message>
    <message numerus="yes">
        <source>%n late</source>
        <translation>
            <numerusform>%n en retard</numerusform>
            <numerusform>%n en retard</numerusform>
        </translation>
    </message>
    <message>
        <source>latest %1</source>
        <translation>au plus %1</translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation>
            <numerusform>%n manquante</numerusform>
            <numerusform>%n manquantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n trame</numerusform>
            <numerusform>%n trames</numerusform>
        </translation>
    </message>
    <message>
        <source>all taken</source>
        <translation>toutes prises</translation>
    </message>
    <message numerus="yes">
        <source>%n not taken</source>
        <translation>
            <numerusform>%n non prise</numerusform>
            <numerusform>%n non prises</numerusform>
        </translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Non lu : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) dropped while the log was busy</source>
        <translation>
            <numerusform>%n ligne abandonnée pendant que le journal était occupé</numerusform>
            <numerusform>%n lignes abandonnées pendant que le journal était occupé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) lost while the log could not be written</source>
        <translation>
            <numerusform>%n ligne perdue pendant que le journal ne pouvait pas être écrit</numerusform>
            <numerusform>%n lignes perdues pendant que le journal ne pouvait pas être écrit</numerusform>
        </translation>
    </message>
    <message>
        <source>No cycle in this log.</source>
        <translation>Aucun cycle dans ce journal.</translation>
    </message>
    <message>
        <source>%1 from %2, %3 s: %4</source>
        <translation>%1 à partir de %2, %3 s : %4</translation>
    </message>
    <message>
        <source>measured %1</source>
        <translation>mesuré %1</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation>non terminé</translation>
    </message>
    <message>
        <source>Cues (lateness after their second; LATE beyond %1 ms):</source>
        <translation>Annonces (retard après leur seconde ; EN RETARD au-delà de %1 ms) :</translation>
    </message>
    <message>
        <source>Frames (lateness after their second):</source>
        <translation>Trames (retard après leur seconde) :</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation>Fin : %1</translation>
    </message>
    <message>
        <source>Notices:</source>
        <translation>Avis :</translation>
    </message>
    <message>
        <source>Remote commands:</source>
        <translation>Commandes de la télécommande :</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>phase</translation>
    </message>
    <message>
        <source>from</source>
        <translation>début</translation>
    </message>
    <message>
        <source>set</source>
        <translation>réglé</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>mesuré</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>at</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>second</source>
        <translation>seconde</translation>
    </message>
    <message>
        <source>cue</source>
        <translation>annonce</translation>
    </message>
    <message>
        <source>after its second</source>
        <translation>après sa seconde</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Trames</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>trame</translation>
    </message>
    <message>
        <source>Notices and remote commands</source>
        <translation>Avis et commandes de la télécommande</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>preparation</source>
        <translation>préparation</translation>
    </message>
    <message>
        <source>working</source>
        <translation>temps de travail</translation>
    </message>
    <message>
        <source>landing</source>
        <translation>atterrissage</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>round %1 group %2</source>
        <translation>manche %1 groupe %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>manche %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>, from the phone &quot;%1&quot;</source>
        <translation>, depuis le téléphone « %1 »</translation>
    </message>
    <message>
        <source>Scores of this group:</source>
        <translation>Scores de ce groupe :</translation>
    </message>
    <message>
        <source>Scores of no cycle in this log:</source>
        <translation>Scores sans cycle dans ce journal :</translation>
    </message>
    <message>
        <source>Scores of this group</source>
        <translation>Scores de ce groupe</translation>
    </message>
    <message>
        <source>Scores of no cycle in this log</source>
        <translation>Scores sans cycle dans ce journal</translation>
    </message>
</context>
<context>
    <name>DrawPdf</name>
    <message>
        <source>Round %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Round %1: task %2</source>
        <translation>Manche %1 : épreuve %2</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Pilots: round/group</source>
        <translation>Pilotes : manche/groupe</translation>
    </message>
    <message>
        <source>(withdrawn from round %1)</source>
        <translation>(retiré à partir de la manche %1)</translation>
    </message>
    <message>
        <source>Draw %1: cannot be written</source>
        <translation>Tirage %1 : impossible de l&apos;écrire</translation>
    </message>
    <message>
        <source>The schedule has no draw to print.</source>
        <translation>Le programme n&apos;a pas de tirage à imprimer.</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Tirage : %1</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation>Concours</translation>
    </message>
</context>
<context>
    <name>F3kTasks</name>
    <message>
        <source>Last flight</source>
        <translation>Dernier vol</translation>
    </message>
    <message>
        <source>Last two flights</source>
        <translation>Deux derniers vols</translation>
    </message>
    <message>
        <source>All up, last down</source>
        <translation>Tous en l&apos;air, dernier posé</translation>
    </message>
    <message>
        <source>Two flights</source>
        <translation>Deux vols</translation>
    </message>
    <message>
        <source>Poker</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Best 3 of 6</source>
        <translation>3 meilleurs sur 6</translation>
    </message>
    <message>
        <source>Five longest flights</source>
        <translation>Cinq plus longs vols</translation>
    </message>
    <message>
        <source>One, two, three, four</source>
        <translation>Un, deux, trois, quatre</translation>
    </message>
    <message>
        <source>Three longest flights</source>
        <translation>Trois plus longs vols</translation>
    </message>
    <message>
        <source>Last three flights</source>
        <translation>Trois derniers vols</translation>
    </message>
    <message>
        <source>Big ladder</source>
        <translation>Grande échelle</translation>
    </message>
    <message>
        <source>One flight</source>
        <translation>Un vol</translation>
    </message>
    <message>
        <source>Huge ladder</source>
        <translation>Très grande échelle</translation>
    </message>
    <message>
        <source>Best flight</source>
        <translation>Meilleur vol</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The day log</source>
        <translation>Le journal du jour</translation>
    </message>
    <message>
        <source>its lines are counted, and it carries on once it can be written</source>
        <translation>ses lignes sont comptées, et il reprend dès qu&apos;il peut être écrit</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written: %3. The timer runs on; %4.</source>
        <translation>%1 %2 : écriture impossible (%3). Le chronomètre continue ; %4.</translation>
    </message>
    <message>
        <source>%1 %2 is written again.</source>
        <translation>%1 %2 : l&apos;écriture fonctionne de nouveau.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Cues and seconds may slip while the laptop is busy: the system does not let the timer run ahead of other programs (%1). Close other programs during a round.</source>
        <translation>Les annonces et les secondes peuvent glisser quand le portable est occupé : le système ne donne pas la priorité au chronomètre sur les autres programmes (%1). Fermez les autres programmes pendant une manche.</translation>
    </message>
    <message>
        <source>The cycle that was running when Aerolap ended without closing carries on: %1.</source>
        <translation>Le cycle en cours quand Aerolap s&apos;est arrêté sans être fermé continue : %1.</translation>
    </message>
    <message>
        <source>holds a cycle that begins in the future (the clock may have been set back)</source>
        <translation>contient un cycle qui commence dans le futur (l&apos;horloge a peut-être été reculée)</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation type="vanished"> Il est conservé sous %1.</translation>
    </message>
    <message>
        <source>The state file %1 %2: the timer starts at READY with its own settings.%3</source>
        <translation type="vanished">Le fichier d&apos;état %1 %2 : le chronomètre démarre à READY avec ses propres réglages.%3</translation>
    </message>
    <message>
        <source>The state file</source>
        <translation>Le fichier d&apos;état</translation>
    </message>
    <message>
        <source>after a crash it could not resume the cycle</source>
        <translation>après un plantage, il ne pourrait pas reprendre le cycle</translation>
    </message>
    <message>
        <source>: the timer carried on at the second the clock says, without the cues of that time.</source>
        <translation type="vanished"> : le chronomètre a repris à la seconde indiquée par l&apos;horloge, sans les annonces de ce laps de temps.</translation>
    </message>
    <message>
        <source>The laptop slept for %1%2</source>
        <translation type="vanished">Le portable a été en veille pendant %1%2</translation>
    </message>
    <message>
        <source>The timer was held up for %1%2</source>
        <translation type="vanished">Le chronomètre a été bloqué pendant %1%2</translation>
    </message>
    <message>
        <source>The director&apos;s remote: the paired devices in %1 cannot be read; pair the phones again.</source>
        <translation>Télécommande du directeur : les appareils associés dans %1 ne peuvent pas être lus ; associez de nouveau les téléphones.</translation>
    </message>
    <message>
        <source>The director&apos;s remote: the devices paired on %1 are forgotten; pair the phones again for today.</source>
        <translation>Télécommande du directeur : les appareils associés le %1 sont oubliés ; associez de nouveau les téléphones pour aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>The director&apos;s remote&apos;s list of paired devices</source>
        <translation>La liste des appareils associés à la télécommande du directeur</translation>
    </message>
    <message>
        <source>the devices paired since are forgotten when the program ends</source>
        <translation>les appareils associés depuis sont oubliés à la fin du programme</translation>
    </message>
    <message>
        <source>Type a name for this device.</source>
        <translation type="vanished">Tapez un nom pour cet appareil.</translation>
    </message>
    <message>
        <source>Pairing is closed: open &quot;Director&apos;s remote&quot; on the laptop to see the code.</source>
        <translation type="vanished">L&apos;association est fermée : ouvrez « Télécommande du directeur » sur le portable pour voir le code.</translation>
    </message>
    <message>
        <source>Wrong code.</source>
        <translation type="vanished">Code erroné.</translation>
    </message>
    <message>
        <source>Wait before the next try.</source>
        <translation type="vanished">Attendez avant le prochain essai.</translation>
    </message>
    <message>
        <source>Too many wrong codes: pairing is locked for a minute.</source>
        <translation type="vanished">Trop de codes erronés : l&apos;association est bloquée pendant une minute.</translation>
    </message>
    <message>
        <source>The director&apos;s remote: &quot;%1&quot; is paired.</source>
        <translation type="vanished">Télécommande du directeur : « %1 » est associé.</translation>
    </message>
    <message>
        <source>This device is not paired (or was revoked): pair it again.</source>
        <translation type="vanished">Cet appareil n&apos;est pas associé (ou a été révoqué) : associez-le de nouveau.</translation>
    </message>
    <message>
        <source>The command&apos;s signature is wrong.</source>
        <translation type="vanished">La signature de la commande est erronée.</translation>
    </message>
    <message>
        <source>The command came out of order or twice.</source>
        <translation type="vanished">La commande est arrivée dans le désordre ou deux fois.</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;): %2 refused: %3</source>
        <translation>Télécommande du directeur (« %1 ») : %2 refusé : %3</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;) jumped to round %2, group %3.</source>
        <translation>La télécommande du directeur (« %1 ») est passée à la manche %2, groupe %3.</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;): %2</source>
        <translation>Télécommande du directeur (« %1 ») : %2</translation>
    </message>
    <message>
        <source>a dialog is open on the laptop; answer it there first.</source>
        <translation>une boîte de dialogue est ouverte sur le portable ; répondez-y d&apos;abord.</translation>
    </message>
    <message>
        <source>started the cycle.</source>
        <translation>a lancé le cycle.</translation>
    </message>
    <message>
        <source>stopped the cycle.</source>
        <translation>a arrêté le cycle.</translation>
    </message>
    <message>
        <source>reset the timer.</source>
        <translation>a remis le chronomètre à zéro.</translation>
    </message>
    <message>
        <source>skipped to the next group.</source>
        <translation>est passé au groupe suivant.</translation>
    </message>
    <message>
        <source>went back one group.</source>
        <translation>est revenu d&apos;un groupe.</translation>
    </message>
    <message>
        <source>jumped to round %1, group %2.</source>
        <translation type="vanished">est passé à la manche %1, groupe %2.</translation>
    </message>
    <message>
        <source>unknown command.</source>
        <translation>commande inconnue.</translation>
    </message>
    <message>
        <source>that button is not on the window now.</source>
        <translation>ce bouton n&apos;est pas dans la fenêtre en ce moment.</translation>
    </message>
    <message>
        <source>no schedule is loaded.</source>
        <translation>aucun programme n&apos;est chargé.</translation>
    </message>
    <message>
        <source>the schedule moves only while no cycle runs, within its rounds.</source>
        <translation>le programme ne se déplace que lorsqu&apos;aucun cycle ne tourne, dans ses manches.</translation>
    </message>
    <message>
        <source>The laptop may go to sleep during a round: the login manager does not keep it awake (%1). Switch power saving off and keep the lid open.</source>
        <translation>Le portable risque de se mettre en veille pendant une manche : le gestionnaire de session ne le garde pas éveillé (%1). Désactivez l&apos;économie d&apos;énergie et gardez l&apos;écran ouvert.</translation>
    </message>
    <message>
        <source>The screen may blank during a round: the screen saver is not held off (%1). Switch the screen saver off.</source>
        <translation>L&apos;écran risque de s&apos;éteindre pendant une manche : l&apos;économiseur d&apos;écran n&apos;est pas bloqué (%1). Désactivez l&apos;économiseur d&apos;écran.</translation>
    </message>
    <message>
        <source>%1, whose output &quot;%2&quot; is muted: no cue is heard</source>
        <translation type="vanished">%1, dont la sortie « %2 » est coupée : aucune annonce ne s&apos;entend</translation>
    </message>
    <message>
        <source>%1, whose output &quot;%2&quot; is at zero volume: no cue is heard</source>
        <translation type="vanished">%1, dont la sortie « %2 » est au volume zéro : aucune annonce ne s&apos;entend</translation>
    </message>
    <message>
        <source>%1, which has no output: no cue is heard</source>
        <translation type="vanished">%1, qui n&apos;a pas de sortie : aucune annonce ne s&apos;entend</translation>
    </message>
    <message>
        <source>Sound output: %1</source>
        <translation>Sortie son : %1</translation>
    </message>
    <message>
        <source>LED display lost on %1: the timer runs on; frames resume when it is back</source>
        <translation>Afficheur LED perdu sur %1 : le chronomètre continue ; les trames reprennent à son retour</translation>
    </message>
    <message>
        <source>LED display back on %1</source>
        <translation>Afficheur LED de retour sur %1</translation>
    </message>
    <message>
        <source>Serial port %1 could not be opened: %2</source>
        <translation>Le port série %1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>The pilots&apos; display is switched off (port 0).</source>
        <translation>L&apos;affichage des pilotes est désactivé (port 0).</translation>
    </message>
    <message>
        <source>The pilots&apos; display could not use port %1 (%2): the timer runs without it.</source>
        <translation>L&apos;affichage des pilotes n&apos;a pas pu utiliser le port %1 (%2) : le chronomètre fonctionne sans lui.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the log ends here</source>
        <translation>le journal s&apos;arrête ici</translation>
    </message>
    <message>
        <source>the program ended (a crash, a kill or a power cut)</source>
        <translation>le programme s&apos;est arrêté (plantage, arrêt forcé ou coupure de courant)</translation>
    </message>
    <message>
        <source>the program was closed at %1</source>
        <translation>le programme a été fermé à %1</translation>
    </message>
    <message>
        <source>STOP at %1</source>
        <translation>STOP à %1</translation>
    </message>
    <message>
        <source>program gone until %1 (%2 s)</source>
        <translation>programme absent jusqu&apos;à %1 (%2 s)</translation>
    </message>
    <message>
        <source>the laptop slept %1 s</source>
        <translation>le portable a été en veille %1 s</translation>
    </message>
    <message>
        <source>landing window over</source>
        <translation>fenêtre d&apos;atterrissage terminée</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>ready</source>
        <translation type="vanished">prêt</translation>
    </message>
    <message>
        <source>preparation</source>
        <translation type="vanished">préparation</translation>
    </message>
    <message>
        <source>working</source>
        <translation type="vanished">temps de travail</translation>
    </message>
    <message>
        <source>landing</source>
        <translation type="vanished">atterrissage</translation>
    </message>
    <message>
        <source>not a line of the day log</source>
        <translation>pas une ligne du journal du jour</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>n&apos;existe pas</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The state file %1 %2: the timer starts at READY with its own settings. It is kept as %3.</source>
        <translation>Le fichier d&apos;état %1 %2 : le chronomètre démarre à READY avec ses propres réglages. Il est conservé sous %3.</translation>
    </message>
    <message>
        <source>The state file %1 %2: the timer starts at READY with its own settings.</source>
        <translation>Le fichier d&apos;état %1 %2 : le chronomètre démarre à READY avec ses propres réglages.</translation>
    </message>
    <message>
        <source>The laptop slept for %1: the timer carried on at the second the clock says, without the cues of that time.</source>
        <translation>Le portable a été en veille pendant %1 : le chronomètre a repris à la seconde que donne l&apos;horloge, sans les annonces de ce temps.</translation>
    </message>
    <message>
        <source>The laptop slept for %1.</source>
        <translation>Le portable a été en veille pendant %1.</translation>
    </message>
    <message>
        <source>The timer was held up for %1: the timer carried on at the second the clock says, without the cues of that time.</source>
        <translation>Le chronomètre a été retenu pendant %1 : il a repris à la seconde que donne l&apos;horloge, sans les annonces de ce temps.</translation>
    </message>
    <message>
        <source>The director&apos;s remote</source>
        <translation>Télécommande du directeur</translation>
    </message>
    <message>
        <source>Timekeepers</source>
        <translation>Chronométreurs</translation>
    </message>
    <message>
        <source>%1: %2 wrong pairing codes; a new code is shown. Revoke any device that is not one of yours.</source>
        <translation>%1 : %2 codes d&apos;association erronés ; un nouveau code est affiché. Révoquez tout appareil qui n&apos;est pas à vous.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is paired.</source>
        <translation>%1 : « %2 » est associé.</translation>
    </message>
    <message>
        <source>The scores file</source>
        <translation>Le fichier des scores</translation>
    </message>
    <message>
        <source>the scores are kept in memory and written once it can be</source>
        <translation>les scores sont gardés en mémoire et écrits dès que possible</translation>
    </message>
    <message>
        <source>The scores file %1 %2: the scores start empty. It is kept as %3.</source>
        <translation>Le fichier des scores %1 %2 : les scores repartent de zéro. Il est conservé sous %3.</translation>
    </message>
    <message>
        <source>The scores file %1 %2: the scores start empty.</source>
        <translation>Le fichier des scores %1 %2 : les scores repartent de zéro.</translation>
    </message>
    <message>
        <source>Sound output: %1, whose output &quot;%2&quot; is muted: no cue is heard</source>
        <translation>Sortie son : %1, dont la sortie « %2 » est coupée : aucune annonce n&apos;est audible</translation>
    </message>
    <message>
        <source>Sound output: %1, whose output &quot;%2&quot; is at zero volume: no cue is heard</source>
        <translation>Sortie son : %1, dont la sortie « %2 » est à volume nul : aucune annonce n&apos;est audible</translation>
    </message>
    <message>
        <source>Sound output: %1, which has no output: no cue is heard</source>
        <translation>Sortie son : %1, qui n&apos;a aucune sortie : aucune annonce n&apos;est audible</translation>
    </message>
    <message>
        <source>PulseAudio sound server</source>
        <translation>serveur de son PulseAudio</translation>
    </message>
    <message>
        <source>ALSA default device (no sound server answers)</source>
        <translation>périphérique ALSA par défaut (aucun serveur de son ne répond)</translation>
    </message>
</context>
<context>
    <name>PilotsDisplayWindow</name>
    <message>
        <source>The pilots&apos; display is switched off (port 0).</source>
        <translation type="vanished">L&apos;affichage des pilotes est désactivé (port 0).</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>unsigned</source>
        <translation>non signée</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>re-flight</source>
        <translation>revol</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
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
        <translation>Concours</translation>
    </message>
    <message numerus="yes">
        <source>PROVISIONAL: %n group(s) not confirmed; their scores are marked *.</source>
        <translation>
            <numerusform>PROVISOIRE : %n groupe non confirmé ; ses scores sont marqués *.</numerusform>
            <numerusform>PROVISOIRE : %n groupes non confirmés ; leurs scores sont marqués *.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Pilote</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>R%1</source>
        <translation>M%1</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Pénalité</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Round %1: task %2, working time %3</source>
        <translation>Manche %1 : épreuve %2, temps de travail %3</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Vols</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Brut</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mention</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Équipes</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Comptés</translation>
    </message>
</context>
<context>
    <name>ResultsPdf</name>
    <message>
        <source>Results: %1</source>
        <translation>Résultats : %1</translation>
    </message>
    <message>
        <source>Results %1: cannot be written</source>
        <translation>Résultats %1 : impossible de les écrire</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Fly-off</source>
        <translation>Fly-off</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
</context>
<context>
    <name>RoundsModel</name>
    <message>
        <source>Task</source>
        <translation type="vanished">Épreuve</translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="vanished">Titre</translation>
    </message>
    <message>
        <source>Working</source>
        <translation type="vanished">Temps de travail</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="vanished">Groupes</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation type="vanished">Vols</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation type="vanished">Préparation</translation>
    </message>
</context>
<context>
    <name>RulesListing</name>
    <message numerus="yes">
        <source>%1 from %n rounds</source>
        <translation>
            <numerusform>%1 à partir de %n manche</numerusform>
            <numerusform>%1 à partir de %n manches</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message numerus="yes">
        <source>the last %n flight(s)</source>
        <translation>
            <numerusform>le dernier vol</numerusform>
            <numerusform>les %n derniers vols</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the longest %n flight(s)</source>
        <translation>
            <numerusform>le plus long vol</numerusform>
            <numerusform>les %n plus longs vols</numerusform>
        </translation>
    </message>
    <message>
        <source>every flight</source>
        <translation>chaque vol</translation>
    </message>
    <message>
        <source>the longest flights against the targets, as they score most</source>
        <translation>les plus longs vols face aux cibles, de la façon qui rapporte le plus</translation>
    </message>
    <message>
        <source>the flights in order against the targets</source>
        <translation>les vols dans l&apos;ordre face aux cibles</translation>
    </message>
    <message numerus="yes">
        <source>the pilot&apos;s targets reached, at most %n</source>
        <translation>
            <numerusform>les cibles atteintes par le pilote, au plus %n</numerusform>
            <numerusform>les cibles atteintes par le pilote, au plus %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Rounds dropped</source>
        <translation>Manches retirées</translation>
    </message>
    <message>
        <source>Completed rounds for a final score</source>
        <translation>Manches terminées pour un score final</translation>
    </message>
    <message>
        <source>Penalty points that disqualify</source>
        <translation>Points de pénalité qui disqualifient</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>au-delà de %1</translation>
    </message>
    <message>
        <source>Re-flight</source>
        <translation>Revol</translation>
    </message>
    <message>
        <source>the re-flown pilot takes the re-flight&apos;s score, the others in its group the better of their two</source>
        <translation>le pilote qui revole prend le score du revol, les autres de son groupe le meilleur de leurs deux</translation>
    </message>
    <message>
        <source>everyone in the re-flight group keeps the better of their two scores</source>
        <translation>chacun dans le groupe de revol garde le meilleur de ses deux scores</translation>
    </message>
    <message>
        <source>Team result</source>
        <translation>Résultat par équipe</translation>
    </message>
    <message numerus="yes">
        <source>the sum of %n nominated members&apos; totals</source>
        <translation>
            <numerusform>le total du membre désigné</numerusform>
            <numerusform>la somme des totaux de %n membres désignés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the sum of the best %n members&apos; totals</source>
        <translation>
            <numerusform>le total du meilleur membre</numerusform>
            <numerusform>la somme des totaux des %n meilleurs membres</numerusform>
        </translation>
    </message>
    <message>
        <source>Fly-off rounds dropped</source>
        <translation>Manches de fly-off retirées</translation>
    </message>
    <message>
        <source>Poker targets counted</source>
        <translation>Cibles du poker comptées</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>au plus %1</translation>
    </message>
    <message>
        <source>Task D</source>
        <translation>Épreuve D</translation>
    </message>
    <message>
        <source>two flights</source>
        <translation>deux vols</translation>
    </message>
    <message>
        <source>ladder of 30 s to 120 s in order</source>
        <translation>échelle de 30 s à 120 s dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Épreuve</translation>
    </message>
    <message>
        <source>Working time</source>
        <translation>Temps de travail</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Comptés</translation>
    </message>
    <message>
        <source>Flights allowed</source>
        <translation>Vols autorisés</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>nombre libre</translation>
    </message>
    <message>
        <source>Most a flight counts</source>
        <translation>Maximum compté par vol</translation>
    </message>
    <message>
        <source>the working time</source>
        <translation>le temps de travail</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Cibles</translation>
    </message>
</context>
<context>
    <name>ScheduleDialogs</name>
    <message>
        <source>Import draw</source>
        <translation type="vanished">Importer le tirage</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt)</source>
        <translation type="vanished">Tirages (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Print draw</source>
        <translation type="vanished">Imprimer le tirage</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="vanished">PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Generate draw</source>
        <translation type="vanished">Générer le tirage</translation>
    </message>
    <message>
        <source>One pilot a line: Name, or Name; Team</source>
        <translation type="vanished">Un pilote par ligne : Nom, ou Nom ; Équipe</translation>
    </message>
    <message>
        <source>Pilots:</source>
        <translation type="vanished">Pilotes :</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation type="vanished">Taille des groupes</translation>
    </message>
    <message>
        <source>Number of groups</source>
        <translation type="vanished">Nombre de groupes</translation>
    </message>
    <message>
        <source>Seed (the same seed draws the same again):</source>
        <translation type="vanished">Graine (la même graine redonne le même tirage) :</translation>
    </message>
    <message>
        <source>Withdraw pilot</source>
        <translation type="vanished">Retirer un pilote</translation>
    </message>
    <message>
        <source>Pilot who withdraws from the groups not yet flown:</source>
        <translation type="vanished">Pilote qui se retire des groupes pas encore volés :</translation>
    </message>
    <message>
        <source>Open schedule</source>
        <translation type="vanished">Ouvrir le programme</translation>
    </message>
    <message>
        <source>Schedules (*.json)</source>
        <translation type="vanished">Programmes (*.json)</translation>
    </message>
    <message>
        <source>Save schedule</source>
        <translation type="vanished">Enregistrer le programme</translation>
    </message>
    <message>
        <source>Line %1: a team without a pilot&apos;s name</source>
        <translation type="vanished">Ligne %1 : une équipe sans nom de pilote</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is in the list twice</source>
        <translation type="vanished">Ligne %1 : « %2 » est deux fois dans la liste</translation>
    </message>
    <message>
        <source>The list holds no pilots: one a line, Name or Name; Team.</source>
        <translation type="vanished">La liste ne contient aucun pilote : un par ligne, Nom ou Nom ; Équipe.</translation>
    </message>
</context>
<context>
    <name>ScheduleFileDialogs</name>
    <message>
        <source>Import draw</source>
        <translation>Importer un tirage</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt)</source>
        <translation>Tirages (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Print draw</source>
        <translation>Imprimer le tirage</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Generate draw</source>
        <translation>Générer un tirage</translation>
    </message>
    <message>
        <source>One pilot a line: Name, or Name; Team</source>
        <translation>Un pilote par ligne : Nom, ou Nom ; Équipe</translation>
    </message>
    <message>
        <source>Pilots:</source>
        <translation>Pilotes :</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation>Taille des groupes</translation>
    </message>
    <message>
        <source>Number of groups</source>
        <translation>Nombre de groupes</translation>
    </message>
    <message>
        <source>Seed (the same seed draws the same again):</source>
        <translation>Graine (la même graine refait le même tirage) :</translation>
    </message>
    <message>
        <source>Withdraw pilot</source>
        <translation>Retirer un pilote</translation>
    </message>
    <message>
        <source>Pilot who withdraws from the groups not yet flown:</source>
        <translation>Pilote qui se retire des groupes pas encore volés :</translation>
    </message>
    <message>
        <source>Open schedule</source>
        <translation>Ouvrir un programme</translation>
    </message>
    <message>
        <source>Schedules (*.json)</source>
        <translation>Programmes (*.json)</translation>
    </message>
    <message>
        <source>Save schedule</source>
        <translation>Enregistrer le programme</translation>
    </message>
    <message>
        <source>Line %1: a team without a pilot&apos;s name</source>
        <translation>Ligne %1 : une équipe sans nom de pilote</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is in the list twice</source>
        <translation>Ligne %1 : « %2 » figure deux fois dans la liste</translation>
    </message>
    <message>
        <source>The list holds no pilots: one a line, Name or Name; Team.</source>
        <translation>La liste ne contient aucun pilote : un par ligne, Nom ou Nom ; Équipe.</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>waiting for START</source>
        <translation type="vanished">en attente de START</translation>
    </message>
    <message>
        <source>cycle running</source>
        <translation type="vanished">cycle en cours</translation>
    </message>
    <message>
        <source>gap</source>
        <translation type="vanished">pause</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">arrêté</translation>
    </message>
    <message>
        <source>schedule done</source>
        <translation type="vanished">programme terminé</translation>
    </message>
</context>
<context>
    <name>ScoresDialogs</name>
    <message>
        <source>The re-flown pilot takes the re-flight</source>
        <translation>Le pilote qui revole garde le revol</translation>
    </message>
    <message>
        <source>The better of two for everyone</source>
        <translation>Le meilleur des deux pour tous</translation>
    </message>
    <message>
        <source>Nominated members</source>
        <translation>Membres désignés</translation>
    </message>
    <message>
        <source>Best members</source>
        <translation>Meilleurs membres</translation>
    </message>
    <message>
        <source>Two flights</source>
        <translation>Deux vols</translation>
    </message>
    <message>
        <source>Ladder of 30 s to 120 s</source>
        <translation>Échelle de 30 s à 120 s</translation>
    </message>
    <message>
        <source>Re-flight group</source>
        <translation>Groupe de revol</translation>
    </message>
    <message>
        <source>Granted a re-flight:</source>
        <translation>Revol accordé à :</translation>
    </message>
    <message>
        <source>Fill the group (keep the better score):</source>
        <translation>Complètent le groupe (gardent le meilleur score) :</translation>
    </message>
    <message>
        <source>Contest rules</source>
        <translation>Règles du concours</translation>
    </message>
    <message>
        <source>Rounds dropped (from rounds:dropped):</source>
        <translation>Manches retirées (à partir de manches:retirées) :</translation>
    </message>
    <message>
        <source>Completed rounds for a final score:</source>
        <translation>Manches terminées pour un score final :</translation>
    </message>
    <message>
        <source>Penalty points that disqualify, over:</source>
        <translation>Points de pénalité qui disqualifient, au-delà de :</translation>
    </message>
    <message>
        <source>Re-flight:</source>
        <translation>Revol :</translation>
    </message>
    <message>
        <source>Team result:</source>
        <translation>Résultat par équipe :</translation>
    </message>
    <message>
        <source>Members counted:</source>
        <translation>Membres comptés :</translation>
    </message>
    <message>
        <source>Poker targets counted:</source>
        <translation>Cibles du poker comptées :</translation>
    </message>
    <message>
        <source>Task D:</source>
        <translation>Épreuve D :</translation>
    </message>
    <message>
        <source>Fly-off from round:</source>
        <translation>Fly-off à partir de la manche :</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Write the dropped rounds as steps like 5:1 9:2: from 5 rounds 1 is dropped, from 9 rounds 2.</source>
        <translation>Écrivez les manches retirées par paliers comme 5:1 9:2 : à partir de 5 manches, 1 est retirée, à partir de 9 manches, 2.</translation>
    </message>
</context>
<context>
    <name>ScoresSession</name>
    <message>
        <source>Open a schedule first: the scores come with it.</source>
        <translation>Ouvrez d&apos;abord un programme : les scores vont avec lui.</translation>
    </message>
    <message>
        <source>Save the schedule first: its scores are kept beside its file.</source>
        <translation>Enregistrez d&apos;abord le programme : ses scores sont gardés à côté de son fichier.</translation>
    </message>
    <message>
        <source>The schedule has no group %1 in round %2.</source>
        <translation>Le programme n&apos;a pas de groupe %1 dans la manche %2.</translation>
    </message>
    <message>
        <source>Round %1 has the task &quot;%2&quot;, which is no F3K task (A to N): it cannot be scored.</source>
        <translation>La manche %1 a l&apos;épreuve « %2 », qui n&apos;est pas une épreuve F3K (A à N) : elle ne peut pas être notée.</translation>
    </message>
    <message>
        <source>There is no pilot %1 in the contest.</source>
        <translation>Il n&apos;y a pas de pilote %1 dans le concours.</translation>
    </message>
    <message>
        <source>%1 does not fly in group %2 of round %3.</source>
        <translation>%1 ne vole pas dans le groupe %2 de la manche %3.</translation>
    </message>
    <message>
        <source>This card was already on the laptop.</source>
        <translation>Cette fiche était déjà sur le portable.</translation>
    </message>
    <message>
        <source>A newer card of this pilot is on the laptop.</source>
        <translation>Une fiche plus récente de ce pilote est sur le portable.</translation>
    </message>
    <message>
        <source>Group %1 of round %2 is already confirmed: ask the director to change the card at the laptop.</source>
        <translation>Le groupe %1 de la manche %2 est déjà confirmé : demandez au directeur de modifier la fiche sur le portable.</translation>
    </message>
    <message>
        <source>The laptop cannot save the scores now.</source>
        <translation>Le portable ne peut pas enregistrer les scores pour l&apos;instant.</translation>
    </message>
    <message>
        <source>%1&apos;s card for round %2, group %3 is on the laptop.</source>
        <translation>La fiche de %1 pour la manche %2, groupe %3 est sur le portable.</translation>
    </message>
    <message>
        <source>Group %1 of round %2 has no card to confirm.</source>
        <translation>Le groupe %1 de la manche %2 n&apos;a aucune fiche à confirmer.</translation>
    </message>
    <message>
        <source>Save the schedule first: a re-flight group is saved with it.</source>
        <translation>Enregistrez d&apos;abord le programme : un groupe de revol est enregistré avec lui.</translation>
    </message>
    <message>
        <source>Round %1 has no draw: a re-flight group is drawn as the others are.</source>
        <translation>La manche %1 n&apos;a pas de tirage : un groupe de revol est tiré comme les autres.</translation>
    </message>
    <message>
        <source>Choose at least one pilot granted the re-flight.</source>
        <translation>Choisissez au moins un pilote à qui le revol est accordé.</translation>
    </message>
    <message>
        <source>Only pilots who flew in round %1 can fly its re-flight group.</source>
        <translation>Seuls les pilotes qui ont volé dans la manche %1 peuvent voler dans son groupe de revol.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>%1 est choisi deux fois.</translation>
    </message>
    <message>
        <source>The schedule did not take the re-flight group.</source>
        <translation>Le programme n&apos;a pas pris le groupe de revol.</translation>
    </message>
</context>
<context>
    <name>TimekeeperDesk</name>
    <message>
        <source>%1 is timed by &quot;%2&quot;.</source>
        <translation>%1 est chronométré par « %2 ».</translation>
    </message>
    <message>
        <source>Pick a pilot of the group in hand: the schedule has moved.</source>
        <translation>Choisissez un pilote du groupe en cours : le programme a avancé.</translation>
    </message>
    <message>
        <source>%1 does not fly in this group.</source>
        <translation>%1 ne vole pas dans ce groupe.</translation>
    </message>
    <message>
        <source>You time %1.</source>
        <translation>Vous chronométrez %1.</translation>
    </message>
</context>
<context>
    <name>aerolap::DayLogWindow</name>
    <message>
        <source>Day log</source>
        <translation>Journal du jour</translation>
    </message>
</context>
<context>
    <name>aerolap::DirectorsRemoteWindow</name>
    <message>
        <source>Director&apos;s remote</source>
        <translation type="vanished">Télécommande du directeur</translation>
    </message>
    <message>
        <source>Open this address on your phone (or scan the code), then type the code below and a name for the phone. Anyone who can see this code can pair: revoke any device that is not yours.</source>
        <translation type="vanished">Ouvrez cette adresse sur votre téléphone (ou scannez le code), puis tapez le code ci-dessous et un nom pour le téléphone. Quiconque voit ce code peut s&apos;associer : révoquez tout appareil qui n&apos;est pas le vôtre.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="vanished">Appareil</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation type="vanished">Associé</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation type="vanished">Vu pour la dernière fois</translation>
    </message>
    <message>
        <source>Revoke all</source>
        <translation type="vanished">Tout révoquer</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation type="vanished">Révoquer</translation>
    </message>
</context>
<context>
    <name>aerolap::NoticesWindow</name>
    <message>
        <source>Notices</source>
        <translation>Avis</translation>
    </message>
</context>
<context>
    <name>aerolap::PairingWindow</name>
    <message>
        <source>Director&apos;s remote</source>
        <translation>Télécommande du directeur</translation>
    </message>
    <message>
        <source>Timekeepers</source>
        <translation>Chronométreurs</translation>
    </message>
    <message>
        <source>Open this address on your phone (or scan the code), then type the code below and a name for the phone. Anyone who can see this code can pair: revoke any device that is not yours.</source>
        <translation>Ouvrez cette adresse sur votre téléphone (ou scannez le code), puis saisissez le code ci-dessous et un nom pour le téléphone. Quiconque voit ce code peut s&apos;associer : révoquez tout appareil qui n&apos;est pas le vôtre.</translation>
    </message>
    <message>
        <source>Each timekeeper opens this address on their phone (or scans the code), then types the code below and a name for the phone. A timekeeper&apos;s phone can hand in score cards, nothing else. Revoke any device that is not one of yours.</source>
        <translation>Chaque chronométreur ouvre cette adresse sur son téléphone (ou scanne le code), puis saisit le code ci-dessous et un nom pour le téléphone. Le téléphone d&apos;un chronométreur peut remettre des fiches de vol, rien d&apos;autre. Révoquez tout appareil qui n&apos;est pas l&apos;un des vôtres.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Associé</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Dernier contact</translation>
    </message>
    <message>
        <source>Revoke all</source>
        <translation>Tout révoquer</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
</context>
<context>
    <name>aerolap::PilotsDisplayWindow</name>
    <message>
        <source>Pilots&apos; display</source>
        <translation>Affichage des pilotes</translation>
    </message>
    <message>
        <source>Pilots open one of these addresses on a phone, tablet or TV on the same network as this laptop (or scan its code) to see the running time, each in their phone&apos;s own language.</source>
        <translation type="vanished">Les pilotes ouvrent l&apos;une de ces adresses sur un téléphone, une tablette ou une télévision du même réseau que ce portable (ou scannent son code) pour voir le temps, chacun dans la langue de son téléphone.</translation>
    </message>
    <message>
        <source>Pilots open one of these addresses on a phone, tablet or TV on the same network as this laptop (or scan its code) to see the running time.</source>
        <translation>Les pilotes ouvrent l&apos;une de ces adresses sur un téléphone, une tablette ou une télé du même réseau que ce portable (ou scannent son code) pour voir le temps qui s&apos;écoule.</translation>
    </message>
</context>
<context>
    <name>aerolap::RoundsModel</name>
    <message>
        <source>Task</source>
        <translation>Épreuve</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Temps de travail</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Vols</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>The schedule can be changed only while no cycle runs.</source>
        <translation>Le programme ne peut être modifié que lorsqu&apos;aucun cycle ne tourne.</translation>
    </message>
</context>
<context>
    <name>aerolap::ScheduleWindow</name>
    <message>
        <source>waiting for START</source>
        <translation>en attente du START</translation>
    </message>
    <message>
        <source>cycle running</source>
        <translation>cycle en cours</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>schedule done</source>
        <translation>programme terminé</translation>
    </message>
    <message>
        <source>round %1, group %2, flight %3</source>
        <translation>manche %1, groupe %2, vol %3</translation>
    </message>
    <message>
        <source>Extended display frame</source>
        <translation>Trame d&apos;affichage étendue</translation>
    </message>
    <message>
        <source>Contest schedule</source>
        <translation>Programme du concours</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>Import draw...</source>
        <translation>Importer le tirage...</translation>
    </message>
    <message>
        <source>Generate draw...</source>
        <translation>Générer le tirage...</translation>
    </message>
    <message>
        <source>Withdraw pilot...</source>
        <translation>Retirer un pilote...</translation>
    </message>
    <message>
        <source>Print draw...</source>
        <translation>Imprimer le tirage...</translation>
    </message>
    <message>
        <source>Add round</source>
        <translation>Ajouter une manche</translation>
    </message>
    <message>
        <source>Remove round</source>
        <translation>Supprimer la manche</translation>
    </message>
    <message>
        <source>Back one</source>
        <translation>Revenir d&apos;un</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>No schedule: open one or add a round.</source>
        <translation>Aucun programme : ouvrez-en un ou ajoutez une manche.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="vanished">%1 : %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Suivant : %1</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Suivant : %1 à %2</translation>
    </message>
    <message>
        <source>The schedule moves only while no cycle runs, and only to a cycle it holds.</source>
        <translation>Le programme ne se déplace que lorsqu&apos;aucun cycle ne tourne, et seulement vers un cycle qu&apos;il contient.</translation>
    </message>
    <message>
        <source>No draw</source>
        <translation>Aucun tirage</translation>
    </message>
    <message>
        <source>%1, %2; %3</source>
        <translation type="vanished">%1, %2 ; %3</translation>
    </message>
    <message numerus="yes">
        <source>%n pilot(s)</source>
        <translation type="vanished">
            <numerusform>%n pilote</numerusform>
            <numerusform>%n pilotes</numerusform>
        </translation>
    </message>
    <message>
        <source>generated with seed %1</source>
        <translation>généré avec la graine %1</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>importé</translation>
    </message>
    <message numerus="yes">
        <source>two pilots meet %1 to %n time(s)</source>
        <translation type="vanished">
            <numerusform>deux pilotes se rencontrent de %1 à %n fois</numerusform>
            <numerusform>deux pilotes se rencontrent de %1 à %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>Draw of round %1</source>
        <translation>Tirage de la manche %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source> (in hand)</source>
        <translation type="vanished"> (en cours)</translation>
    </message>
    <message>
        <source> (next)</source>
        <translation type="vanished"> (suivant)</translation>
    </message>
    <message numerus="yes">
        <source>Drawn. Two pilots meet %1 to %n time(s) over the contest.</source>
        <translation type="vanished">
            <numerusform>Tirage fait. Deux pilotes se rencontrent de %1 à %n fois sur le concours.</numerusform>
            <numerusform>Tirage fait. Deux pilotes se rencontrent de %1 à %n fois sur le concours.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no draw with a pilot to withdraw.</source>
        <translation>Il n&apos;y a pas de tirage avec un pilote à retirer.</translation>
    </message>
    <message>
        <source>There is no draw to print.</source>
        <translation>Il n&apos;y a pas de tirage à imprimer.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <comment>task letter: title (working time)</comment>
        <translation>%1 : %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where the schedule stands: its state</comment>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n pilot(s), %1; two pilots meet %2 to %3 times</source>
        <translation>
            <numerusform>%n pilote, %1 ; deux pilotes se rencontrent de %2 à %3 fois</numerusform>
            <numerusform>%n pilotes, %1 ; deux pilotes se rencontrent de %2 à %3 fois</numerusform>
        </translation>
    </message>
    <message>
        <source>Group %1 (in hand)</source>
        <translation>Groupe %1 (en cours)</translation>
    </message>
    <message>
        <source>Group %1 (next)</source>
        <translation>Groupe %1 (suivant)</translation>
    </message>
    <message>
        <source>Drawn. Two pilots meet %1 to %2 times over the contest.</source>
        <translation>Tirage fait. Deux pilotes se rencontrent de %1 à %2 fois sur le concours.</translation>
    </message>
</context>
<context>
    <name>aerolap::ScoresWindow</name>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>&amp;Round</source>
        <translation>&amp;Manche</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Groupe</translation>
    </message>
    <message>
        <source>&amp;Confirm group</source>
        <translation>&amp;Confirmer le groupe</translation>
    </message>
    <message>
        <source>Re-flight group...</source>
        <translation>Groupe de revol...</translation>
    </message>
    <message>
        <source>Rules...</source>
        <translation>Règles...</translation>
    </message>
    <message>
        <source>&amp;Print results...</source>
        <translation>Im&amp;primer les résultats...</translation>
    </message>
    <message>
        <source>Print cards...</source>
        <translation>Imprimer les fiches...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Pilote</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Cibles</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Vols</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Pénalité</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mention</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Brut</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>target of each flight</source>
        <translation>cible de chaque vol</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>signée</translation>
    </message>
    <message>
        <source>unsigned</source>
        <translation>non signée</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>no card yet</source>
        <translation>pas encore de fiche</translation>
    </message>
    <message>
        <source>typed in</source>
        <translation>saisie à la main</translation>
    </message>
    <message>
        <source>phone &quot;%1&quot;, signed &quot;%2&quot;</source>
        <translation>téléphone « %1 », signée « %2 »</translation>
    </message>
    <message>
        <source>&amp;Timekeepers...</source>
        <translation>&amp;Chronométreurs...</translation>
    </message>
    <message>
        <source>No schedule: open one with its draw.</source>
        <translation>Aucun programme : ouvrez-en un avec son tirage.</translation>
    </message>
    <message>
        <source>This round&apos;s task is no F3K task (A to N): it is not scored.</source>
        <translation>L&apos;épreuve de cette manche n&apos;est pas une épreuve F3K (A à N) : elle n&apos;est pas notée.</translation>
    </message>
    <message>
        <source>Task %1, working time %2%3: %4</source>
        <translation>Épreuve %1, temps de travail %2%3 : %4</translation>
    </message>
    <message>
        <source>, re-flight group</source>
        <translation>, groupe de revol</translation>
    </message>
    <message>
        <source>nothing entered</source>
        <translation>rien de saisi</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmé</translation>
    </message>
    <message>
        <source>provisional</source>
        <translation>provisoire</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>cible %1</translation>
    </message>
    <message numerus="yes">
        <source>%n target(s) for %1 flight(s): give the target named before each flight.</source>
        <translation>
            <numerusform>%n cible pour %1 vols : saisissez la cible annoncée avant chaque vol.</numerusform>
            <numerusform>%n cibles pour %1 vols : saisissez la cible annoncée avant chaque vol.</numerusform>
        </translation>
    </message>
    <message>
        <source>the penalty &quot;%1&quot; is not a number of points.</source>
        <translation>la pénalité « %1 » n&apos;est pas un nombre de points.</translation>
    </message>
    <message>
        <source>%1: card cleared.</source>
        <translation>%1 : fiche effacée.</translation>
    </message>
    <message>
        <source>%1: entered.</source>
        <translation>%1 : saisie.</translation>
    </message>
    <message>
        <source>Nothing was entered: the card stays as it was.</source>
        <translation>Rien n&apos;a été saisi : la fiche reste telle qu&apos;elle était.</translation>
    </message>
    <message>
        <source>Group %1 of round %2 confirmed.</source>
        <translation>Groupe %1 de la manche %2 confirmé.</translation>
    </message>
    <message>
        <source>Re-flight group %1 added to round %2: it flies after the round&apos;s last group.</source>
        <translation>Groupe de revol %1 ajouté à la manche %2 : il vole après le dernier groupe de la manche.</translation>
    </message>
    <message>
        <source>The rules are changed.</source>
        <translation>Les règles sont modifiées.</translation>
    </message>
    <message>
        <source>Print results</source>
        <translation>Imprimer les résultats</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The results are in %1.</source>
        <translation>Les résultats sont dans %1.</translation>
    </message>
    <message>
        <source>This round is not scored: it has no cards.</source>
        <translation>Cette manche n&apos;est pas notée : elle n&apos;a pas de fiches.</translation>
    </message>
    <message>
        <source>Print cards</source>
        <translation>Imprimer les fiches</translation>
    </message>
    <message>
        <source>The cards of round %1 are in %2.</source>
        <translation>Les fiches de la manche %1 sont dans %2.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>Impossible d&apos;écrire %1 (%2).</translation>
    </message>
</context>
<context>
    <name>i18n</name>
    <message>
        <source>READY</source>
        <translation type="vanished">PRÊT</translation>
    </message>
    <message>
        <source>PREPARATION</source>
        <translation type="vanished">PRÉPARATION</translation>
    </message>
    <message>
        <source>WORKING TIME</source>
        <translation type="vanished">TEMPS DE TRAVAIL</translation>
    </message>
    <message>
        <source>LANDING WINDOW</source>
        <translation type="vanished">ATTERRISSAGE</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation type="vanished">ARRÊTÉ</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation type="vanished">CONNEXION PERDUE</translation>
    </message>
    <message>
        <source>round %1, group %2, flight %3</source>
        <translation>manche %1, groupe %2, vol %3</translation>
    </message>
</context>
<context>
    <name>pilots</name>
    <message>
        <source>TEST FLIGHTS</source>
        <translation>VOLS D&apos;ESSAI</translation>
    </message>
    <message>
        <source>NO FLY</source>
        <translation>VOL INTERDIT</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation>Vol %1</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Épreuve %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Ensuite&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>in about %n minute(s)</source>
        <translation>
            <numerusform>dans environ %n minute</numerusform>
            <numerusform>dans environ %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <source>round %1, group %2</source>
        <translation>manche %1, groupe %2</translation>
    </message>
    <message>
        <source>Who are you? Pick your name</source>
        <translation>Qui êtes-vous&#xa0;? Choisissez votre nom</translation>
    </message>
    <message>
        <source>You have no more flights in this draw.</source>
        <translation>Vous n&apos;avez plus de vol dans ce tirage.</translation>
    </message>
    <message>
        <source>You are flying: round %1, group %2.</source>
        <translation>Vous volez&#xa0;: manche %1, groupe %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2.</source>
        <translation>Vous volez dans la manche %1, groupe %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2, %3 (%4)</source>
        <translation>Vous volez dans la manche %1, groupe %2, %3 (%4)</translation>
    </message>
    <message>
        <source>Not you?</source>
        <translation>Pas vous&#xa0;?</translation>
    </message>
    <message>
        <source>Flying: %1</source>
        <translation>En vol&#xa0;: %1</translation>
    </message>
    <message>
        <source>Next to fly: %1</source>
        <translation>Prochain à voler&#xa0;: %1</translation>
    </message>
    <message>
        <source>START %1</source>
        <translation>START %1</translation>
    </message>
    <message>
        <source>On deck: %1</source>
        <translation>En attente&#xa0;: %1</translation>
    </message>
    <message>
        <source>No group on deck</source>
        <translation>Aucun groupe en attente</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>PRÊT</translation>
    </message>
    <message>
        <source>PREPARATION</source>
        <translation>PRÉPARATION</translation>
    </message>
    <message>
        <source>WORKING TIME</source>
        <translation>TEMPS DE TRAVAIL</translation>
    </message>
    <message>
        <source>LANDING WINDOW</source>
        <translation>FENÊTRE D&apos;ATTERRISSAGE</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ARRÊTÉ</translation>
    </message>
    <message>
        <source>group %1: %2, raw %3, %4</source>
        <translation>groupe %1&#xa0;: %2, brut %3, %4</translation>
    </message>
    <message>
        <source>no flights</source>
        <translation>aucun vol</translation>
    </message>
    <message>
        <source>Round %1 (%2): %3</source>
        <translation>Manche %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Manche %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>écartée</translation>
    </message>
    <message>
        <source>penalty %1</source>
        <translation>pénalité %1</translation>
    </message>
    <message>
        <source>Penalties: %1</source>
        <translation>Pénalités&#xa0;: %1</translation>
    </message>
    <message>
        <source>No rounds scored yet.</source>
        <translation>Aucune manche notée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Provisional: * marks scores of groups not yet confirmed.</source>
        <translation>Provisoire&#xa0;: * marque les scores des groupes pas encore confirmés.</translation>
    </message>
    <message>
        <source>No scores yet.</source>
        <translation>Pas encore de scores.</translation>
    </message>
    <message>
        <source>Tap a pilot for their rounds.</source>
        <translation>Touchez un pilote pour voir ses manches.</translation>
    </message>
    <message>
        <source>Fly-off</source>
        <translation>Fly-off</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Équipes</translation>
    </message>
    <message>
        <source>Disqualified</source>
        <translation>Disqualifié</translation>
    </message>
    <message>
        <source>Rank %1 of %2</source>
        <translation>Rang %1 sur %2</translation>
    </message>
    <message>
        <source>No rank yet: %1 of %2 rounds completed</source>
        <translation>Pas encore classé&#xa0;: %1 manches terminées sur %2</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation>CONNEXION PERDUE</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation>
            <numerusform>Réessayez dans %n seconde.</numerusform>
            <numerusform>Réessayez dans %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired as %1.</source>
        <translation>Associé en tant que %1.</translation>
    </message>
    <message>
        <source>Sent %1…</source>
        <translation>%1 envoyé…</translation>
    </message>
    <message>
        <source>The laptop cannot be reached.</source>
        <translation>L&apos;ordinateur portable est injoignable.</translation>
    </message>
    <message>
        <source>Waiting for the timer…</source>
        <translation>En attente du chrono…</translation>
    </message>
    <message>
        <source>The timer is at READY.</source>
        <translation>Le chrono est sur PRÊT.</translation>
    </message>
    <message>
        <source>The timer is in the preparation.</source>
        <translation>Le chrono est en préparation.</translation>
    </message>
    <message>
        <source>The timer is in the working time.</source>
        <translation>Le chrono est dans le temps de travail.</translation>
    </message>
    <message>
        <source>The timer is in the landing window.</source>
        <translation>Le chrono est dans la fenêtre d&apos;atterrissage.</translation>
    </message>
    <message>
        <source>The timer is stopped.</source>
        <translation>Le chrono est arrêté.</translation>
    </message>
    <message>
        <source>preparation %1</source>
        <translation>préparation %1</translation>
    </message>
    <message>
        <source>working %1</source>
        <translation>temps de travail %1</translation>
    </message>
    <message>
        <source>schedule %1</source>
        <translation>programme %1</translation>
    </message>
    <message>
        <source>waiting for START</source>
        <translation type="vanished">en attente du START</translation>
    </message>
    <message>
        <source>cycle running</source>
        <translation type="vanished">cycle en cours</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">arrêté</translation>
    </message>
    <message>
        <source>schedule done</source>
        <translation type="vanished">terminé</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>next %1</source>
        <translation>ensuite %1</translation>
    </message>
    <message>
        <source>Pair this phone: type the six-digit code shown in &quot;Director&apos;s remote&quot; on the laptop.</source>
        <translation>Associez ce téléphone&#xa0;: tapez le code à six chiffres affiché sur l&apos;ordinateur portable dans «&#xa0;Télécommande du directeur&#xa0;».</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>This device&apos;s name</source>
        <translation>Nom de cet appareil</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Associer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Forget pairing</source>
        <translation>Oublier l&apos;association</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation>CONNEXION PERDUE</translation>
    </message>
    <message>
        <source>Aerolap: director&apos;s remote</source>
        <translation>Aerolap&#xa0;: télécommande du directeur</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>timekeeper</name>
    <message>
        <source>Aerolap: timekeeper</source>
        <translation>Aerolap&#xa0;: chronométreur</translation>
    </message>
    <message>
        <source>Pair this phone as a timekeeper: type the six-digit code shown in the Scores window, &quot;Timekeepers...&quot;, on the laptop.</source>
        <translation>Associez ce téléphone comme chronométreur&#xa0;: tapez le code à six chiffres affiché sur l&apos;ordinateur portable dans la fenêtre des scores, «&#xa0;Chronométreurs...&#xa0;».</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>This device&apos;s name</source>
        <translation>Nom de cet appareil</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Associer</translation>
    </message>
    <message>
        <source>Paired as %1.</source>
        <translation>Associé en tant que %1.</translation>
    </message>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation>
            <numerusform>Réessayez dans %n seconde.</numerusform>
            <numerusform>Réessayez dans %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The laptop cannot be reached.</source>
        <translation>L&apos;ordinateur portable est injoignable.</translation>
    </message>
    <message>
        <source>CONNECTION LOST</source>
        <translation>CONNEXION PERDUE</translation>
    </message>
    <message>
        <source>No group to time yet: the laptop has no schedule with a draw.</source>
        <translation>Aucun groupe à chronométrer pour l&apos;instant&#xa0;: l&apos;ordinateur portable n&apos;a pas de programme avec tirage.</translation>
    </message>
    <message>
        <source>Round %1 · Group %2</source>
        <translation>Manche %1 · Groupe %2</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Épreuve %1</translation>
    </message>
    <message>
        <source>The laptop has confirmed this group&apos;s scores.</source>
        <translation>L&apos;ordinateur portable a confirmé les scores de ce groupe.</translation>
    </message>
    <message>
        <source>Which pilot do you time?</source>
        <translation>Quel pilote chronométrez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>timed by %1</source>
        <translation>chronométré par %1</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>le vôtre</translation>
    </message>
    <message>
        <source>You time %1.</source>
        <translation>Vous chronométrez %1.</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>LANDED</source>
        <translation>POSÉ</translation>
    </message>
    <message>
        <source>Still in the air at the end of the working time: the flight counts to the end of the working time.</source>
        <translation>Encore en l&apos;air à la fin du temps de travail&#xa0;: le vol compte jusqu&apos;à la fin du temps de travail.</translation>
    </message>
    <message>
        <source>counts to the end of the working time</source>
        <translation>compte jusqu&apos;à la fin du temps de travail</translation>
    </message>
    <message>
        <source>settle by hand: type its time</source>
        <translation>à régler à la main&#xa0;: tapez son temps</translation>
    </message>
    <message>
        <source>launched at %1</source>
        <translation>lancé à %1</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>compte</translation>
    </message>
    <message>
        <source>counts %1</source>
        <translation>compte %1</translation>
    </message>
    <message numerus="yes">
        <source>All %n launches are used.</source>
        <translation>
            <numerusform>Le seul lancer est utilisé.</numerusform>
            <numerusform>Les %n lancers sont tous utilisés.</numerusform>
        </translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <translation>m:ss ou secondes</translation>
    </message>
    <message>
        <source>Add flight</source>
        <translation>Ajouter un vol</translation>
    </message>
    <message>
        <source>Save flight %1</source>
        <translation>Enregistrer le vol %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type the time as m:ss or as seconds, for example 1:15 or 75.</source>
        <translation>Tapez le temps en m:ss ou en secondes, par exemple 1:15 ou 75.</translation>
    </message>
    <message>
        <source>No flights yet.</source>
        <translation>Pas encore de vol.</translation>
    </message>
    <message>
        <source>Total that counts: %1</source>
        <translation>Total retenu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total flight time: %1</source>
        <translation>Temps de vol total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pilot signs</source>
        <translation>Signature du pilote</translation>
    </message>
    <message>
        <source>Pilot: check your card, then sign it with your name or initials.</source>
        <translation>Pilote&#xa0;: vérifiez votre fiche, puis signez-la de votre nom ou de vos initiales.</translation>
    </message>
    <message>
        <source>Pilot&apos;s name or initials</source>
        <translation>Nom ou initiales du pilote</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Signed by %1.</source>
        <translation>Signée par %1.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Pas encore signée.</translation>
    </message>
    <message>
        <source>First type the time of each flight marked &quot;settle by hand&quot;.</source>
        <translation>Tapez d&apos;abord le temps de chaque vol marqué «&#xa0;à régler à la main&#xa0;».</translation>
    </message>
    <message>
        <source>Land the flight in the air first.</source>
        <translation>Terminez d&apos;abord le vol en cours.</translation>
    </message>
    <message>
        <source>The card changed after it was signed: the pilot must sign it again.</source>
        <translation>La fiche a changé après sa signature&#xa0;: le pilote doit la signer à nouveau.</translation>
    </message>
    <message>
        <source>Cards to send</source>
        <translation>Fiches à envoyer</translation>
    </message>
    <message>
        <source>%1, round %2, group %3, signed by %4</source>
        <translation>%1, manche %2, groupe %3, signée par %4</translation>
    </message>
    <message>
        <source>sending…</source>
        <translation>envoi en cours…</translation>
    </message>
    <message>
        <source>not on the laptop yet (%1); sent again every few seconds.</source>
        <translation>pas encore sur l&apos;ordinateur portable (%1)&#xa0;; renvoyée automatiquement à quelques secondes d&apos;intervalle.</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pair this phone again, then send again.</source>
        <translation>Associez à nouveau ce téléphone, puis renvoyez.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Écarter</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Renvoyer</translation>
    </message>
    <message>
        <source>On the laptop: %1</source>
        <translation>Sur l&apos;ordinateur portable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Next pilot</source>
        <translation>Pilote suivant</translation>
    </message>
    <message>
        <source>This card has not reached the laptop. Drop it?</source>
        <translation>Cette fiche n&apos;a pas atteint l&apos;ordinateur portable. L&apos;abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Forget pairing</source>
        <translation>Oublier l&apos;association</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
</TS>
