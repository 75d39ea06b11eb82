<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
    <name>DayReport</name>
    <message>
        <source>Aerolap day log of %1</source>
        <translation type="vanished">Journal du jour d&apos;Aerolap du %1</translation>
    </message>
    <message>
        <source>at START</source>
        <translation type="vanished">au START</translation>
    </message>
    <message>
        <source>LATE</source>
        <translation type="vanished">EN RETARD</translation>
    </message>
    <message>
        <source>(in the gap)</source>
        <translation type="vanished">(dans l&apos;interruption)</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation type="vanished">MANQUANT</translation>
    </message>
    <message>
        <source>NOT TAKEN</source>
        <translation type="vanished">NON PRIS</translation>
    </message>
    <message>
        <source>Cycle %1: START at %2</source>
        <translation type="vanished">Cycle %1 : START à %2</translation>
    </message>
    <message>
        <source>Cycle %1: resumed at %2</source>
        <translation type="vanished">Cycle %1 : repris à %2</translation>
    </message>
    <message>
        <source>Gap at %1: %2; the cycle went on at %3</source>
        <translation type="vanished">Interruption à %1 : %2 ; le cycle a repris à %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cue(s)</source>
        <translation type="vanished">
            <numerusform>%n annonce</numerusform>
            <numerusform>%n annonces</numerusform>
        </translation>
    </message>
    <message>
        <source>none late</source>
        <translation type="vanished">aucune en retard</translation>
    </message>
    <message numerus="yes">
        <source>%n late</source>
        <translation type="vanished">
            <numerusform>%n en retard</numerusform>
            <numerusform>%n en retard</numerusform>
        </translation>
    </message>
    <message>
        <source>latest %1</source>
        <translation type="vanished">la plus tardive %1</translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation type="vanished">
            <numerusform>%n manquante</numerusform>
            <numerusform>%n manquantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation type="vanished">
            <numerusform>%n trame</numerusform>
            <numerusform>%n trames</numerusform>
        </translation>
    </message>
    <message>
        <source>all taken</source>
        <translation type="vanished">toutes prises</translation>
    </message>
    <message numerus="yes">
        <source>%n not taken</source>
        <translation type="vanished">
            <numerusform>%n non prise</numerusform>
            <numerusform>%n non prises</numerusform>
        </translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation type="vanished">Non lu : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) dropped while the log was busy</source>
        <translation type="vanished">
            <numerusform>%n ligne abandonnée pendant que le journal était occupé</numerusform>
            <numerusform>%n lignes abandonnées pendant que le journal était occupé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) lost while the log could not be written</source>
        <translation type="vanished">
            <numerusform>%n ligne perdue pendant que le journal ne pouvait pas être écrit</numerusform>
            <numerusform>%n lignes perdues pendant que le journal ne pouvait pas être écrit</numerusform>
        </translation>
    </message>
    <message>
        <source>No cycle in this log.</source>
        <translation type="vanished">Aucun cycle dans ce journal.</translation>
    </message>
    <message>
        <source>%1 from %2, %3 s: %4</source>
        <translation type="vanished">%1 à partir de %2, %3 s : %4</translation>
    </message>
    <message>
        <source>measured %1</source>
        <translation type="vanished">mesuré %1</translation>
    </message>
    <message>
        <source>not ended</source>
        <translation type="vanished">non terminé</translation>
    </message>
    <message>
        <source>Cues (lateness after their second; LATE beyond %1 ms):</source>
        <translation type="vanished">Annonces (retard après leur seconde ; EN RETARD au-delà de %1 ms) :</translation>
    </message>
    <message>
        <source>Frames (lateness after their second):</source>
        <translation type="vanished">Trames (retard après leur seconde) :</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation type="vanished">Fin : %1</translation>
    </message>
    <message>
        <source>Notices:</source>
        <translation type="vanished">Avis :</translation>
    </message>
    <message>
        <source>Remote commands:</source>
        <translation type="vanished">Commandes de la télécommande :</translation>
    </message>
    <message>
        <source>phase</source>
        <translation type="vanished">phase</translation>
    </message>
    <message>
        <source>from</source>
        <translation type="vanished">à partir de</translation>
    </message>
    <message>
        <source>set</source>
        <translation type="vanished">réglé</translation>
    </message>
    <message>
        <source>measured</source>
        <translation type="vanished">mesuré</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation type="vanished">Annonces</translation>
    </message>
    <message>
        <source>at</source>
        <translation type="vanished">à</translation>
    </message>
    <message>
        <source>second</source>
        <translation type="vanished">seconde</translation>
    </message>
    <message>
        <source>cue</source>
        <translation type="vanished">annonce</translation>
    </message>
    <message>
        <source>after its second</source>
        <translation type="vanished">après sa seconde</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="vanished">Trames</translation>
    </message>
    <message>
        <source>frame</source>
        <translation type="vanished">trame</translation>
    </message>
    <message>
        <source>Notices and remote commands</source>
        <translation type="vanished">Avis et commandes de la télécommande</translation>
    </message>
</context>
<context>
    <name>DrawPdf</name>
    <message>
        <source>Round %1</source>
        <translation type="vanished">Manche %1</translation>
    </message>
    <message>
        <source>Round %1: task %2</source>
        <translation type="vanished">Manche %1 : épreuve %2</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Groupe %1</translation>
    </message>
    <message>
        <source>Pilots: round/group</source>
        <translation type="vanished">Pilotes : manche/groupe</translation>
    </message>
    <message>
        <source>(withdrawn from round %1)</source>
        <translation type="vanished">(retiré à partir de la manche %1)</translation>
    </message>
    <message>
        <source>Draw %1: cannot be written</source>
        <translation type="vanished">Tirage %1 : impossible de l&apos;écrire</translation>
    </message>
    <message>
        <source>The schedule has no draw to print.</source>
        <translation type="vanished">Le programme n&apos;a pas de tirage à imprimer.</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation type="vanished">Tirage : %1</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation type="vanished">Concours</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The day log</source>
        <translation type="vanished">Le journal du jour</translation>
    </message>
    <message>
        <source>its lines are counted, and it carries on once it can be written</source>
        <translation type="vanished">ses lignes sont comptées, et il reprend dès qu&apos;il peut être écrit</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written: %3. The timer runs on; %4.</source>
        <translation type="vanished">%1 %2 ne peut pas être écrit : %3. Le chronomètre continue ; %4.</translation>
    </message>
    <message>
        <source>%1 %2 is written again.</source>
        <translation type="vanished">%1 %2 est de nouveau écrit.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="vanished">%1 : %2</translation>
    </message>
    <message>
        <source>Cues and seconds may slip while the laptop is busy: the system does not let the timer run ahead of other programs (%1). Close other programs during a round.</source>
        <translation type="vanished">Les annonces et les secondes peuvent glisser quand le portable est occupé : le système ne donne pas la priorité au chronomètre sur les autres programmes (%1). Fermez les autres programmes pendant une manche.</translation>
    </message>
    <message>
        <source>The cycle that was running when Aerolap ended without closing carries on: %1.</source>
        <translation type="vanished">Le cycle en cours quand Aerolap s&apos;est arrêté sans être fermé continue : %1.</translation>
    </message>
    <message>
        <source>holds a cycle that begins in the future (the clock may have been set back)</source>
        <translation type="vanished">contient un cycle qui commence dans le futur (l&apos;horloge a peut-être été reculée)</translation>
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
        <translation type="vanished">Le fichier d&apos;état</translation>
    </message>
    <message>
        <source>after a crash it could not resume the cycle</source>
        <translation type="vanished">après un plantage, il ne pourrait pas reprendre le cycle</translation>
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
        <translation type="vanished">Télécommande du directeur : les appareils associés dans %1 ne peuvent pas être lus ; associez de nouveau les téléphones.</translation>
    </message>
    <message>
        <source>The director&apos;s remote: the devices paired on %1 are forgotten; pair the phones again for today.</source>
        <translation type="vanished">Télécommande du directeur : les appareils associés le %1 sont oubliés ; associez de nouveau les téléphones pour aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>The director&apos;s remote&apos;s list of paired devices</source>
        <translation type="vanished">La liste des appareils associés à la télécommande du directeur</translation>
    </message>
    <message>
        <source>the devices paired since are forgotten when the program ends</source>
        <translation type="vanished">les appareils associés depuis sont oubliés à la fin du programme</translation>
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
        <translation type="vanished">Télécommande du directeur (« %1 ») : %2 refusé : %3</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;) jumped to round %2, group %3.</source>
        <translation type="vanished">La télécommande du directeur (« %1 ») est passée à la manche %2, groupe %3.</translation>
    </message>
    <message>
        <source>The director&apos;s remote (&quot;%1&quot;): %2</source>
        <translation type="vanished">Télécommande du directeur (« %1 ») : %2</translation>
    </message>
    <message>
        <source>a dialog is open on the laptop; answer it there first.</source>
        <translation type="vanished">une boîte de dialogue est ouverte sur le portable ; répondez-y d&apos;abord.</translation>
    </message>
    <message>
        <source>started the cycle.</source>
        <translation type="vanished">a lancé le cycle.</translation>
    </message>
    <message>
        <source>stopped the cycle.</source>
        <translation type="vanished">a arrêté le cycle.</translation>
    </message>
    <message>
        <source>reset the timer.</source>
        <translation type="vanished">a remis le chronomètre à zéro.</translation>
    </message>
    <message>
        <source>skipped to the next group.</source>
        <translation type="vanished">est passé au groupe suivant.</translation>
    </message>
    <message>
        <source>went back one group.</source>
        <translation type="vanished">est revenu d&apos;un groupe.</translation>
    </message>
    <message>
        <source>jumped to round %1, group %2.</source>
        <translation type="vanished">est passé à la manche %1, groupe %2.</translation>
    </message>
    <message>
        <source>unknown command.</source>
        <translation type="vanished">commande inconnue.</translation>
    </message>
    <message>
        <source>that button is not on the window now.</source>
        <translation type="vanished">ce bouton n&apos;est pas dans la fenêtre en ce moment.</translation>
    </message>
    <message>
        <source>no schedule is loaded.</source>
        <translation type="vanished">aucun programme n&apos;est chargé.</translation>
    </message>
    <message>
        <source>the schedule moves only while no cycle runs, within its rounds.</source>
        <translation type="vanished">le programme ne se déplace que lorsqu&apos;aucun cycle ne tourne, dans ses manches.</translation>
    </message>
    <message>
        <source>The laptop may go to sleep during a round: the login manager does not keep it awake (%1). Switch power saving off and keep the lid open.</source>
        <translation type="vanished">Le portable risque de se mettre en veille pendant une manche : le gestionnaire de session ne le garde pas éveillé (%1). Désactivez l&apos;économie d&apos;énergie et gardez l&apos;écran ouvert.</translation>
    </message>
    <message>
        <source>The screen may blank during a round: the screen saver is not held off (%1). Switch the screen saver off.</source>
        <translation type="vanished">L&apos;écran risque de s&apos;éteindre pendant une manche : l&apos;économiseur d&apos;écran n&apos;est pas bloqué (%1). Désactivez l&apos;économiseur d&apos;écran.</translation>
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
        <translation type="vanished">Sortie son : %1</translation>
    </message>
    <message>
        <source>LED display lost on %1: the timer runs on; frames resume when it is back</source>
        <translation type="vanished">Afficheur LED perdu sur %1 : le chronomètre continue ; les trames reprennent à son retour</translation>
    </message>
    <message>
        <source>LED display back on %1</source>
        <translation type="vanished">Afficheur LED de retour sur %1</translation>
    </message>
    <message>
        <source>Serial port %1 could not be opened: %2</source>
        <translation type="vanished">Le port série %1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>The pilots&apos; display is switched off (port 0).</source>
        <translation type="vanished">L&apos;affichage des pilotes est désactivé (port 0).</translation>
    </message>
    <message>
        <source>The pilots&apos; display could not use port %1 (%2): the timer runs without it.</source>
        <translation type="vanished">L&apos;affichage des pilotes n&apos;a pas pu utiliser le port %1 (%2) : le chronomètre fonctionne sans lui.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="vanished">ligne %1 : %2</translation>
    </message>
    <message>
        <source>the log ends here</source>
        <translation type="vanished">le journal s&apos;arrête ici</translation>
    </message>
    <message>
        <source>the program ended (a crash, a kill or a power cut)</source>
        <translation type="vanished">le programme s&apos;est arrêté (plantage, arrêt forcé ou coupure de courant)</translation>
    </message>
    <message>
        <source>the program was closed at %1</source>
        <translation type="vanished">le programme a été fermé à %1</translation>
    </message>
    <message>
        <source>STOP at %1</source>
        <translation type="vanished">STOP à %1</translation>
    </message>
    <message>
        <source>program gone until %1 (%2 s)</source>
        <translation type="vanished">programme absent jusqu&apos;à %1 (%2 s)</translation>
    </message>
    <message>
        <source>the laptop slept %1 s</source>
        <translation type="vanished">le portable a été en veille %1 s</translation>
    </message>
    <message>
        <source>landing window over</source>
        <translation type="vanished">fenêtre d&apos;atterrissage terminée</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">arrêté</translation>
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
</context>
<context>
    <name>aerolap::DayLogWindow</name>
    <message>
        <source>Day log</source>
        <translation type="vanished">Journal du jour</translation>
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
        <translation type="vanished">Avis</translation>
    </message>
</context>
<context>
    <name>aerolap::PilotsDisplayWindow</name>
    <message>
        <source>Pilots&apos; display</source>
        <translation type="vanished">Affichage des pilotes</translation>
    </message>
    <message>
        <source>Pilots open one of these addresses on a phone, tablet or TV on the same network as this laptop (or scan its code) to see the running time, each in their phone&apos;s own language.</source>
        <translation type="vanished">Les pilotes ouvrent l&apos;une de ces adresses sur un téléphone, une tablette ou une télévision du même réseau que ce portable (ou scannent son code) pour voir le temps, chacun dans la langue de son téléphone.</translation>
    </message>
</context>
<context>
    <name>aerolap::RoundsModel</name>
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
    <message>
        <source>The schedule can be changed only while no cycle runs.</source>
        <translation type="vanished">Le programme ne peut être modifié que lorsqu&apos;aucun cycle ne tourne.</translation>
    </message>
</context>
<context>
    <name>aerolap::ScheduleWindow</name>
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
    <message>
        <source>round %1, group %2, flight %3</source>
        <translation type="vanished">manche %1, groupe %2, vol %3</translation>
    </message>
    <message>
        <source>Extended display frame</source>
        <translation type="vanished">Trame d&apos;affichage étendue</translation>
    </message>
    <message>
        <source>Contest schedule</source>
        <translation type="vanished">Programme du concours</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="vanished">Ouvrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="vanished">Enregistrer</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="vanished">Tirage</translation>
    </message>
    <message>
        <source>Import draw...</source>
        <translation type="vanished">Importer le tirage...</translation>
    </message>
    <message>
        <source>Generate draw...</source>
        <translation type="vanished">Générer le tirage...</translation>
    </message>
    <message>
        <source>Withdraw pilot...</source>
        <translation type="vanished">Retirer un pilote...</translation>
    </message>
    <message>
        <source>Print draw...</source>
        <translation type="vanished">Imprimer le tirage...</translation>
    </message>
    <message>
        <source>Add round</source>
        <translation type="vanished">Ajouter une manche</translation>
    </message>
    <message>
        <source>Remove round</source>
        <translation type="vanished">Supprimer la manche</translation>
    </message>
    <message>
        <source>Back one</source>
        <translation type="vanished">Revenir d&apos;un</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="vanished">Passer</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation type="vanished">Aller à</translation>
    </message>
    <message>
        <source>No schedule: open one or add a round.</source>
        <translation type="vanished">Aucun programme : ouvrez-en un ou ajoutez une manche.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="vanished">%1 : %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation type="vanished">Suivant : %1</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation type="vanished">Suivant : %1 à %2</translation>
    </message>
    <message>
        <source>The schedule moves only while no cycle runs, and only to a cycle it holds.</source>
        <translation type="vanished">Le programme ne se déplace que lorsqu&apos;aucun cycle ne tourne, et seulement vers un cycle qu&apos;il contient.</translation>
    </message>
    <message>
        <source>No draw</source>
        <translation type="vanished">Aucun tirage</translation>
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
        <translation type="vanished">généré avec la graine %1</translation>
    </message>
    <message>
        <source>imported</source>
        <translation type="vanished">importé</translation>
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
        <translation type="vanished">Tirage de la manche %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Groupe %1</translation>
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
        <translation type="vanished">Il n&apos;y a pas de tirage avec un pilote à retirer.</translation>
    </message>
    <message>
        <source>There is no draw to print.</source>
        <translation type="vanished">Il n&apos;y a pas de tirage à imprimer.</translation>
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
</context>
<context>
    <name>pilots</name>
    <message>
        <source>TEST FLIGHTS</source>
        <translation type="vanished">VOLS D&apos;ESSAI</translation>
    </message>
    <message>
        <source>NO FLY</source>
        <translation type="vanished">INTERDICTION DE VOL</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation type="vanished">Manche %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Groupe %1</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation type="vanished">Vol %1</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation type="vanished">Épreuve %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation type="vanished">Suivant : %1</translation>
    </message>
    <message numerus="yes">
        <source>in about %n minute(s)</source>
        <translation type="vanished">
            <numerusform>dans environ %n minute</numerusform>
            <numerusform>dans environ %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation type="vanished">dans %1</translation>
    </message>
    <message>
        <source>round %1, group %2</source>
        <translation type="vanished">manche %1, groupe %2</translation>
    </message>
    <message>
        <source>Who are you? Pick your name</source>
        <translation type="vanished">Qui êtes-vous ? Choisissez votre nom</translation>
    </message>
    <message>
        <source>You have no more flights in this draw.</source>
        <translation type="vanished">Vous n&apos;avez plus de vol dans ce tirage.</translation>
    </message>
    <message>
        <source>You are flying: round %1, group %2.</source>
        <translation type="vanished">Vous volez : manche %1, groupe %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2.</source>
        <translation type="vanished">Vous volez en manche %1, groupe %2.</translation>
    </message>
    <message>
        <source>You fly in round %1, group %2, %3 (%4)</source>
        <translation type="vanished">Vous volez en manche %1, groupe %2, %3 (%4)</translation>
    </message>
    <message>
        <source>Not you?</source>
        <translation type="vanished">Ce n&apos;est pas vous ?</translation>
    </message>
    <message>
        <source>Flying: %1</source>
        <translation type="vanished">En vol : %1</translation>
    </message>
    <message>
        <source>Next to fly: %1</source>
        <translation type="vanished">Prochain à voler : %1</translation>
    </message>
    <message>
        <source>START %1</source>
        <translation type="vanished">START %1</translation>
    </message>
    <message>
        <source>On deck: %1</source>
        <translation type="vanished">Ensuite : %1</translation>
    </message>
    <message>
        <source>No group on deck</source>
        <translation type="vanished">Aucun groupe ensuite</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation type="vanished">Plein écran</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="vanished">Langue</translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation type="vanished">
            <numerusform>Réessayez dans %n seconde.</numerusform>
            <numerusform>Réessayez dans %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Paired as %1.</source>
        <translation type="vanished">Associé sous le nom %1.</translation>
    </message>
    <message>
        <source>Sent %1…</source>
        <translation type="vanished">%1 envoyé…</translation>
    </message>
    <message>
        <source>The laptop cannot be reached.</source>
        <translation type="vanished">Le portable est injoignable.</translation>
    </message>
    <message>
        <source>Waiting for the timer…</source>
        <translation type="vanished">En attente du chronomètre…</translation>
    </message>
    <message>
        <source>The timer is at READY.</source>
        <translation type="vanished">Le chronomètre est à PRÊT.</translation>
    </message>
    <message>
        <source>The timer is in the preparation.</source>
        <translation type="vanished">Le chronomètre est en préparation.</translation>
    </message>
    <message>
        <source>The timer is in the working time.</source>
        <translation type="vanished">Le chronomètre est dans le temps de travail.</translation>
    </message>
    <message>
        <source>The timer is in the landing window.</source>
        <translation type="vanished">Le chronomètre est dans la fenêtre d&apos;atterrissage.</translation>
    </message>
    <message>
        <source>The timer is stopped.</source>
        <translation type="vanished">Le chronomètre est arrêté.</translation>
    </message>
    <message>
        <source>preparation %1</source>
        <translation type="vanished">préparation %1</translation>
    </message>
    <message>
        <source>working %1</source>
        <translation type="vanished">temps de travail %1</translation>
    </message>
    <message>
        <source>schedule %1</source>
        <translation type="vanished">programme %1</translation>
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
        <translation type="vanished">pause</translation>
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
        <translation type="vanished">Manche %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="vanished">Groupe %1</translation>
    </message>
    <message>
        <source>next %1</source>
        <translation type="vanished">ensuite %1</translation>
    </message>
    <message>
        <source>Pair this phone: type the six-digit code shown in &quot;Director&apos;s remote&quot; on the laptop.</source>
        <translation type="vanished">Associez ce téléphone : tapez le code à six chiffres affiché dans « Télécommande du directeur » sur le portable.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="vanished">Code</translation>
    </message>
    <message>
        <source>This device&apos;s name</source>
        <translation type="vanished">Nom de cet appareil</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation type="vanished">Associer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="vanished">Retour</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="vanished">Passer</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Manche</translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="vanished">Groupe</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation type="vanished">Aller à</translation>
    </message>
    <message>
        <source>Forget pairing</source>
        <translation type="vanished">Oublier l&apos;association</translation>
    </message>
</context>
</TS>
