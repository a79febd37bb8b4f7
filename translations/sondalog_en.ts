<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>sondalog::AnalysisPanel</name>
    <message>
        <source>analyse du traçage depuis t0 (distance, masse et débit dans les Paramètres)</source>
        <translation>tracer analysis from t0 (distance, mass and discharge in Parameters)</translation>
    </message>
    <message>
        <source>rapport d&apos;analyse</source>
        <translation>analysis report</translation>
    </message>
    <message>
        <source>enregistre l&apos;analyse et le graphique avec la courbe ajustée</source>
        <translation>saves the analysis and the graph with the fitted curve</translation>
    </message>
    <message>
        <source>Analyse du traçage : à partir de t0</source>
        <translation>Tracer analysis: from t0 on</translation>
    </message>
    <message>
        <source>Analyse depuis t0 (n = %1)%2
</source>
        <translation>Analysis since t0 (n = %1)%2
</translation>
    </message>
    <message>
        <source> — courbe incomplète</source>
        <translation> — curve incomplete</translation>
    </message>
    <message>
        <source>arrivée %1 · pic %2 (%3) · t̄ %4
</source>
        <translation>arrival %1 · peak %2 (%3) · t̄ %4
</translation>
    </message>
    <message>
        <source>fin du passage %1 · queue extrapolée %2 · dérive de la base %3/h
</source>
        <translation>end of passage %1 · extrapolated tail %2 · baseline drift %3/h
</translation>
    </message>
    <message>
        <source>vitesses %1 / %2 / %3 m/h
</source>
        <translation>velocities %1 / %2 / %3 m/h
</translation>
    </message>
    <message>
        <source>D %1 · α %2 · Pe %3 · restitution %4 (%5)
</source>
        <translation>D %1 · α %2 · Pe %3 · recovery %4 (%5)
</translation>
    </message>
    <message>
        <source>ajusté : v %1 ± %2 m/h · D %3 ± %4 m²/s · R %5 · R² %6</source>
        <translation>fitted: v %1 ± %2 m/h · D %3 ± %4 m²/s · R %5 · R² %6</translation>
    </message>
    <message>
        <source>Analyse enregistrée à côté de
%1</source>
        <translation>Analysis saved beside
%1</translation>
    </message>
    <message>
        <source>Rapport d&apos;analyse non enregistré : impossible de créer %1</source>
        <translation>Analysis report not saved: cannot create %1</translation>
    </message>
    <message>
        <source>image non écrite</source>
        <translation>picture not written</translation>
    </message>
    <message>
        <source>Rapport d&apos;analyse non enregistré (%1) : %2</source>
        <translation>Analysis report not saved (%1): %2</translation>
    </message>
</context>
<context>
    <name>sondalog::CalibrationDialog</name>
    <message>
        <source>traceurs (le traceur n se lit sur sa lampe)</source>
        <translation>tracers (tracer n is read on its lamp)</translation>
    </message>
    <message>
        <source>0 : pas de correction ; 1 : la part de turbidité que disent les étalons</source>
        <translation>0: no correction; 1: the turbidity share the standards give</translation>
    </message>
    <message>
        <source>import refusé : </source>
        <translation>import refused: </translation>
    </message>
    <message>
        <source>étalonnage du fluorimètre</source>
        <translation>fluorometer calibration</translation>
    </message>
    <message>
        <source>importer le fichier de constantes…</source>
        <translation>import the constants file…</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>non enregistré : </source>
        <translation>not saved: </translation>
    </message>
    <message>
        <source>l&apos;étalonnage convertit : </source>
        <translation>the calibration converts: </translation>
    </message>
    <message>
        <source>le numéro de l&apos;instrument</source>
        <translation>the instrument&apos;s number</translation>
    </message>
    <message>
        <source>signal de L1 L2 L3 L4 dans l&apos;eau claire, en mV (ex. 1,19 10,2 5,3 0,8)</source>
        <translation>signal of L1 L2 L3 L4 in clear water, in mV (e.g. 1.19 10.2 5.3 0.8)</translation>
    </message>
    <message>
        <source>instrument</source>
        <translation>instrument</translation>
    </message>
    <message>
        <source>date de l&apos;étalonnage</source>
        <translation>calibration date</translation>
    </message>
    <message>
        <source>eau (blanc) L1 L2 L3 L4, mV</source>
        <translation>water (blank) L1 L2 L3 L4, mV</translation>
    </message>
    <message>
        <source>nom</source>
        <translation>name</translation>
    </message>
    <message>
        <source>lampe</source>
        <translation>lamp</translation>
    </message>
    <message>
        <source>étalons ppb:mV</source>
        <translation>standards ppb:mV</translation>
    </message>
    <message>
        <source>un étalon sur les 4 lampes (diaphonie)</source>
        <translation>one standard on the 4 lamps (cross-talk)</translation>
    </message>
    <message>
        <source>Uranine, SrhodaminB, AminoGacid… (vide : pas de traceur)</source>
        <translation>Uranine, SrhodaminB, AminoGacid… (empty: no tracer)</translation>
    </message>
    <message>
        <source>1 à 3 étalons croissants, ppb:mV sur sa lampe (ex. 10:65,47 100:614,25)</source>
        <translation>1 to 3 increasing standards, ppb:mV on its lamp (e.g. 10:65.47 100:614.25)</translation>
    </message>
    <message>
        <source>ppb:mV de L1 L2 L3 L4 pour un étalon (ex. 100:614,25 40,6 8,1 1,2)</source>
        <translation>ppb:mV of L1 L2 L3 L4 for one standard (e.g. 100:614.25 40.6 8.1 1.2)</translation>
    </message>
    <message>
        <source>NTU:mV de L1 L2 L3 L4, séparés par ; (ex. 1:2,19 11,4 6 20,8 ; 10:11,2 22,2 12,3 180,8)</source>
        <translation>NTU:mV of L1 L2 L3 L4, separated by ; (e.g. 1:2.19 11.4 6 20.8 ; 10:11.2 22.2 12.3 180.8)</translation>
    </message>
    <message>
        <source>n de chaque traceur, par °C : F25 = F · exp(n (T − 25)) (0 : pas de correction)</source>
        <translation>n of each tracer, per °C: F25 = F · exp(n (T − 25)) (0: no correction)</translation>
    </message>
    <message>
        <source>les traceurs présents ensemble (ex. 1 2) : vide, pas de diaphonie</source>
        <translation>the tracers present together (e.g. 1 2): empty, no cross-talk</translation>
    </message>
    <message>
        <source>les lampes qui disent le fond naturel (ex. 3) : vide, pas de correction ; sur les fichiers seulement</source>
        <translation>the lamps that tell the natural background (e.g. 3): empty, no correction; on files only</translation>
    </message>
    <message>
        <source>le passage, en heures depuis t0 (ex. 4 ; 20) : le fond est appris hors de cette fenêtre</source>
        <translation>the passage, in hours since t0 (e.g. 4 ; 20): the background is learnt outside this window</translation>
    </message>
    <message>
        <source>étalons de turbidité</source>
        <translation>turbidity standards</translation>
    </message>
    <message>
        <source>turbidité : force S (0 à 2)</source>
        <translation>turbidity: strength S (0 to 2)</translation>
    </message>
    <message>
        <source>température : n1 n2 n3</source>
        <translation>temperature: n1 n2 n3</translation>
    </message>
    <message>
        <source>diaphonie : traceurs</source>
        <translation>cross-talk: tracers</translation>
    </message>
    <message>
        <source>fond naturel : lampes</source>
        <translation>natural background: lamps</translation>
    </message>
    <message>
        <source>fenêtre du passage (h)</source>
        <translation>passage window (h)</translation>
    </message>
    <message>
        <source>turbidité et corrections (dans cet ordre : turbidité, température, fond naturel, diaphonie)</source>
        <translation>turbidity and corrections (in this order: turbidity, temperature, natural background, cross-talk)</translation>
    </message>
    <message>
        <source>importé de %1 : vérifier, puis Enregistrer</source>
        <translation>imported from %1: check, then Save</translation>
    </message>
</context>
<context>
    <name>sondalog::ChartsWindow</name>
    <message>
        <source>Graphiques et enregistrement</source>
        <translation>Charts and recording</translation>
    </message>
    <message>
        <source>nb_tous</source>
        <translation>n_all</translation>
    </message>
    <message>
        <source>nb points par paquet</source>
        <translation>points per packet</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>close</source>
        <translation>close</translation>
    </message>
    <message>
        <source>Conductivité</source>
        <translation>Conductivity</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>O2 dissout</source>
        <translation>dissolved O2</translation>
    </message>
    <message>
        <source>points par graphe</source>
        <translation>points per chart</translation>
    </message>
    <message>
        <source>     tous</source>
        <translation>     all</translation>
    </message>
    <message>
        <source>calcul</source>
        <translation>calculation</translation>
    </message>
    <message>
        <source>dernier</source>
        <translation>last</translation>
    </message>
    <message>
        <source>moyenne </source>
        <translation>mean </translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>Zoom avec roulette

clik droit pour 
déplacer

sélection 
rectangulaire

double click =&gt; 
tout est réaffiché</source>
        <translation>Zoom with the wheel

right click to 
move

rectangular 
selection

double click =&gt; 
everything shown again</translation>
    </message>
</context>
<context>
    <name>sondalog::ChoicePanel</name>
    <message>
        <source>Choix</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>annuler</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>sondalog::Column</name>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>actif</source>
        <translation>active</translation>
    </message>
    <message>
        <source>multimètre</source>
        <translation>instrument</translation>
    </message>
    <message>
        <source>COMx</source>
        <translation>COMx</translation>
    </message>
    <message>
        <source>vitesse</source>
        <translation>speed</translation>
    </message>
    <message>
        <source>intervalle</source>
        <translation>interval</translation>
    </message>
    <message>
        <source>grandeur</source>
        <translation>quantity</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>graduation</source>
        <translation>graduation</translation>
    </message>
    <message>
        <source>couleur</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>épaisseur</source>
        <translation>thickness</translation>
    </message>
    <message>
        <source>repère</source>
        <translation>marker</translation>
    </message>
    <message>
        <source>séparateur</source>
        <translation>separator</translation>
    </message>
    <message>
        <source>occurence</source>
        <translation>occurrence</translation>
    </message>
    <message>
        <source>rep hms</source>
        <translation>time mark</translation>
    </message>
    <message>
        <source>fin de bloc</source>
        <translation>end of block</translation>
    </message>
</context>
<context>
    <name>sondalog::ColumnHint</name>
    <message>
        <source>choix </source>
        <translation>choose </translation>
    </message>
    <message>
        <source> deux grandeurs pour chaque description de multimètre, en 1 =&gt; paramétrage communication 1 =&gt; repères dans les caractères reçus</source>
        <translation> two quantities for each instrument: on 1 =&gt; the link settings, 1 and 2 =&gt; the markers in the characters received</translation>
    </message>
    <message>
        <source>double clik pour activer un seul des multimètre sur les lignes 1</source>
        <translation>double-click to make this the one active instrument (on rows 1)</translation>
    </message>
    <message>
        <source>nom du multimètre ou appareil</source>
        <translation>the instrument&apos;s name</translation>
    </message>
    <message>
        <source>double clik pour choisir parmi les COMx avec x&lt;10 sinon changer ce n° voir dans l&apos;aide</source>
        <translation>double-click to choose among the ports found, or type the port (see the manual)</translation>
    </message>
    <message>
        <source>double clik pour choisir parmi les vitesses possibles, celle réglée sur l&apos;appareil</source>
        <translation>double-click to choose among the possible speeds: the one set on the instrument</translation>
    </message>
    <message>
        <source>Intervalle supposé en secondes d&apos;envoi des données du multimètre ( valeur utilisée uniquement pour l&apos;affichage )</source>
        <translation>the instrument&apos;s interval between readings, in seconds (used only for the display)</translation>
    </message>
    <message>
        <source>nom affiché de la grandeur ciblée 1 et 2 AVEC l&apos;unité de base sans préfixe ex : Conductivité-{S/cm} ou température-{°F} (si inexistant alors S/cm ou °C)</source>
        <translation>the quantity&apos;s name shown, WITH its base unit without prefix, e.g. Conductivity-{S/cm} or temperature-{°F} (none: S/cm or °C)</translation>
    </message>
    <message>
        <source>valeur maximum de l&apos;axe des ordonnées </source>
        <translation>maximum of the value axis </translation>
    </message>
    <message>
        <source>valeur minimum de l&apos;axe des ordonnées </source>
        <translation>minimum of the value axis </translation>
    </message>
    <message>
        <source>valeur de la graduation de l&apos;axe des ordonnées</source>
        <translation>graduation of the value axis</translation>
    </message>
    <message>
        <source>double clik pour choisir la oouleur relative à la grandeur visualisée, le résultat correspond au codage RVB, rouge, vert bleu , 3 valeur entre 0 et 255</source>
        <translation>double-click to choose the quantity&apos;s colour: red, green, blue, 3 values from 0 to 255</translation>
    </message>
    <message>
        <source>épaisseur du trait et des points sur le graphique</source>
        <translation>thickness of the line and the points on the graph</translation>
    </message>
    <message>
        <source>chaine pour repérer la ligne contenant la grandeur ciblée à l&apos;exclusion de {...} , ex :  Cond-{pH/Cond}</source>
        <translation>text that marks the line holding the quantity, excluding {...}, e.g.  Cond-{pH/Cond}</translation>
    </message>
    <message>
        <source>double clik pour choisir le caractère pour repérer les différents  paquets de données sur la ligne (lecture RS232 par chaîne de caractères et CSV)</source>
        <translation>double-click to choose the character that separates the fields of a line (RS232 reading by character string and CSV)</translation>
    </message>
    <message>
        <source>occurence par rapport au [repère] pour repérer la grandeur ciblée séparée par caractères séparateurs (que pour : lecture RS232 par chaîne de caractères et CSV)</source>
        <translation>the value&apos;s field, counted from the [marker] and split by the separator (RS232 reading by character string and CSV only)</translation>
    </message>
    <message>
        <source>caractères pour repérer la ligne contenant l&apos;heure de la mesure du multimètre ( 2 sont recherchés [::] car 00:00:00 mais un seul est possible [:] 00:00)</source>
        <translation>characters that mark the line holding the instrument&apos;s time (2 sought [::] for 00:00:00, one possible [:] for 00:00)</translation>
    </message>
    <message>
        <source>chaine de caractères (sans espaces) pour repérer la fin de bloc de mesure en ASCII , souvent ____  ou Multi</source>
        <translation>text (without blanks) that marks the end of a reading block in ASCII, often ____  or Multi</translation>
    </message>
    <message>
        <source>explications pour les colonnes</source>
        <translation>explanations of the columns</translation>
    </message>
</context>
<context>
    <name>sondalog::ConfigurationLink</name>
    <message>
        <source>Impossible d&apos;enregistrer %1 : %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Turbidité</source>
        <translation>Turbidity</translation>
    </message>
</context>
<context>
    <name>sondalog::DirectoryChooser</name>
    <message>
        <source>  DoubleClick pour sélectionner  </source>
        <translation>  double-click to select  </translation>
    </message>
    <message>
        <source> _DoubleClick pour l&apos;éditer  </source>
        <translation> _double-click to edit  </translation>
    </message>
    <message>
        <source>Répertoire ...</source>
        <translation>Folder ...</translation>
    </message>
    <message>
        <source>Bureau</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Mes documents</source>
        <translation>My documents</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>sondalog::FiguresPanel</name>
    <message>
        <source>durée traçage</source>
        <translation>tracing time</translation>
    </message>
</context>
<context>
    <name>sondalog::Fluorometer</name>
    <message>
        <source>pas d&apos;étalonnage du fluorimètre (</source>
        <translation>no fluorometer calibration (</translation>
    </message>
</context>
<context>
    <name>sondalog::Help</name>
    <message>
        <source>à installer : un terminal série (cutecom, gtkterm, picocom ou minicom)</source>
        <translation>to install: a serial terminal (cutecom, gtkterm, picocom or minicom)</translation>
    </message>
    <message>
        <source>à installer : un moniteur système (gnome-system-monitor, xfce4-taskmanager ou htop)</source>
        <translation>to install: a system monitor (gnome-system-monitor, xfce4-taskmanager or htop)</translation>
    </message>
    <message>
        <source>à installer : un inventaire du matériel (hardinfo ou lshw-gtk)</source>
        <translation>to install: a hardware inventory (hardinfo or lshw-gtk)</translation>
    </message>
    <message>
        <source>Sondalog_help.pdf</source>
        <translation>Sondalog_help_en.pdf</translation>
    </message>
    <message>
        <source>permet de lister les COM1 à 9 et voir lesquelles sont actives</source>
        <translation>lists COM1 to 9 and shows which are active</translation>
    </message>
    <message>
        <source>&lt;%1&gt; introuvable</source>
        <translation>&lt;%1&gt; not found</translation>
    </message>
</context>
<context>
    <name>sondalog::MainWindow</name>
    <message>
        <source>Sondalog  </source>
        <translation>Sondalog  </translation>
    </message>
</context>
<context>
    <name>sondalog::Messages</name>
    <message>
        <source>Impossible d&apos;ouvrir le port &lt;%1&gt;</source>
        <translation>Cannot open the port &lt;%1&gt;</translation>
    </message>
    <message>
        <source>liaison perdue avec &lt;%1&gt; : nouvel essai toutes les 2 s, les mesures reçues sont conservées</source>
        <translation>link lost with &lt;%1&gt;: tried again every 2 s, the readings received are kept</translation>
    </message>
    <message>
        <source>liaison rétablie avec &lt;%1&gt;</source>
        <translation>link restored with &lt;%1&gt;</translation>
    </message>
    <message>
        <source>des caractères arrivent mais aucune mesure n&apos;est lue : vérifier le tableau (repère, rep hms, séparateur)</source>
        <translation>characters arrive but no reading is decoded: check the table (marker, time mark, separator)</translation>
    </message>
    <message>
        <source>bloc sans fin abandonné (plus de 1000 lignes ou 64 Ko) : vérifier le repère de fin de bloc et l&apos;heure</source>
        <translation>block without an end dropped (over 1000 lines or 64 KB): check the end-of-block mark and the time mark</translation>
    </message>
    <message>
        <source>CSV détecté, changer l&apos;option vers &lt;par chaîne de caractères et CSV&gt;</source>
        <translation>CSV detected, change the option to &lt;by character string and CSV&gt;</translation>
    </message>
    <message>
        <source>CSV détecté, changer l&apos;option vers &lt;par chaîne de caractères et CSV&gt; ET RTS activé!</source>
        <translation>CSV detected, change the option to &lt;by character string and CSV&gt; AND tick RTS!</translation>
    </message>
    <message>
        <source>&apos;;&apos; reçu dans une ligne qui n&apos;est pas du CSV : ignoré</source>
        <translation>&apos;;&apos; received in a line that is not CSV: ignored</translation>
    </message>
    <message>
        <source>
 ____________________________  Ouverture de fichiers textes ______________________________________________ 

2 options 
      Fichiers SondaLOG enregistrés avec ce logiciel
      Fichiers d&apos;acquisition AUTOmatique enregistrés avec le Multimètre lui même

</source>
        <translation>
 ____________________________  Opening text files ______________________________________________ 

2 options 
      SondaLOG files recorded with this program
      AUTOmatic acquisition files recorded by the multimeter itself

</translation>
    </message>
    <message>
        <source>acquisition de la ligne de base
attendre environ une minute ou n ~ 60
puis [</source>
        <translation>learning the baseline
wait about one minute or n ~ 60
then [</translation>
    </message>
    <message>
        <source>Firefox et Acrobat introuvables</source>
        <translation>Firefox and Acrobat not found</translation>
    </message>
    <message>
        <source> enregistrer les PARAMETRES  ?</source>
        <translation> save the PARAMETERS  ?</translation>
    </message>
    <message>
        <source> échec de l&apos;enregistrement de </source>
        <translation> save failed: </translation>
    </message>
    <message>
        <source> échec de la sauvegarde automatique de </source>
        <translation> automatic backup failed: </translation>
    </message>
    <message>
        <source>

Les mesures sont conservées en mémoire : libérer de la place ou choisir un autre répertoire, puis recommencer.</source>
        <translation>

The readings are kept in memory: free some room or choose another folder, then try again.</translation>
    </message>
    <message>
        <source>Sortie annulée : un enregistrement a échoué.

</source>
        <translation>Exit cancelled: a save failed.

</translation>
    </message>
    <message>
        <source>flux continu sans pause de 110 ms : les blocs sont découpés (64 Ko ou 5 s au plus)</source>
        <translation>continuous stream without a 110 ms pause: the blocks are cut (64 KB or 5 s at most)</translation>
    </message>
    <message>
        <source>ligne de plus de 64 Ko sans fin de ligne : découpée</source>
        <translation>line of over 64 KB without a line end: cut</translation>
    </message>
    <message>
        <source>accès refusé à %1 : ce compte n&apos;a pas le droit de l&apos;ouvrir</source>
        <translation>access to %1 refused: this account may not open it</translation>
    </message>
    <message>
        <source>accès refusé à %1 : ce compte n&apos;est pas dans le groupe dialout (sudo usermod -aG dialout $USER, puis fermer la session et la rouvrir)</source>
        <translation>access to %1 refused: this account is not in the dialout group (sudo usermod -aG dialout $USER, then log out and back in)</translation>
    </message>
    <message>
        <source>
Quitter Sondalog ?

Les mesures non enregistrées, les paramètres et le tableau sont enregistrés avant la fin.
[Échap] ou « annuler » : rester.
</source>
        <translation>
Quit Sondalog?

The unsaved readings, the parameters and the table are saved before the end.
[Esc] or &quot;cancel&quot;: stay.
</translation>
    </message>
    <message>
        <source>
dernière ligne reçue : %1</source>
        <translation>
last line received: %1</translation>
    </message>
    <message>
        <source>-&gt; mesures à dates différentes (dt=1pas)  n =%1

%2

 modifier dans les Paramètres la valeur [dernière grandeur affichée sur l&apos;écran du WTW] 
 actuellement   =&gt; %3 parmi (pH, Ox, Cond) ....  click pour fermer cette fenêtre</source>
        <translation>-&gt; readings with different times (dt=1 step)  n =%1

%2

 change in the Parameters the value [last quantity shown on the WTW&apos;s screen] 
 currently   =&gt; %3 among (pH, Ox, Cond) ....  click to close this window</translation>
    </message>
    <message>
        <source>resynchronisation : lignes sans fin de bloc abandonnées</source>
        <translation>resynchronisation: lines without an end of block dropped</translation>
    </message>
    <message>
        <source>bloc incomplet après reconnexion, ignoré : %1</source>
        <translation>incomplete block after reconnection, ignored: %1</translation>
    </message>
    <message>
        <source>%1 caractères </source>
        <translation>%1 characters </translation>
    </message>
    <message>
        <source>fluorimètre : %1 (Paramètres, étalonnage)</source>
        <translation>fluorometer: %1 (Parameters, calibration)</translation>
    </message>
    <message>
        <source>fluorimètre : aucun traceur de l&apos;étalonnage n&apos;est lu sur L%1</source>
        <translation>fluorometer: no tracer of the calibration is read on L%1</translation>
    </message>
    <message>
        <source>ligne du fluorimètre sans valeur pour %1 : pas de point</source>
        <translation>fluorometer line without a value for %1: no point</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un fichier texte (il contient des octets nuls) : rien n&apos;est chargé</source>
        <translation>The file %1 is not a text file (it holds NUL bytes): nothing is loaded</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source> : ce n&apos;est pas un fichier ordinaire</source>
        <translation>: not a regular file</translation>
    </message>
    <message>
        <source>Le fichier %1 est trop grand pour la mémoire de ce PC (%2 Mo, %3 Mo au plus) : rien n&apos;est chargé</source>
        <translation>The file %1 is too large for this PC&apos;s memory (%2 MB, %3 MB at most): nothing is loaded</translation>
    </message>
    <message>
        <source>Lecture interrompue du fichier %1 : rien n&apos;est chargé</source>
        <translation>Reading of the file %1 interrupted: nothing is loaded</translation>
    </message>
    <message>
        <source>Mémoire insuffisante pour décoder ce fichier : rien n&apos;est chargé</source>
        <translation>Not enough memory to decode this file: nothing is loaded</translation>
    </message>
    <message>
        <source> problème avec le fichier &lt;%1&gt;

 il semble que c&apos;est un fichier d&apos;acquisition Automatique du multimètre  

 le traiter ainsi ?

 longueur d&apos;un bloc = %2</source>
        <translation> problem with the file &lt;%1&gt;

 it looks like an AUTOmatic acquisition file of the multimeter  

 read it as such?

 block length = %2</translation>
    </message>
    <message>
        <source> Aucun bloc détecté avec le repère fin de bloc &lt;%1&gt; dans le fichier &lt;%2&gt;

 il semble que c&apos;est un fichier SondaLOG  (vérifier ce repère dans les paramètres)

 Traiter comme un fichier SondaLOG ?

</source>
        <translation> No block found with the end-of-block marker &lt;%1&gt; in the file &lt;%2&gt;

 it looks like a SondaLOG file  (check this marker in the parameters)

 Read it as a SondaLOG file?

</translation>
    </message>
    <message>
        <source>ajustement : distance nécessaire</source>
        <translation>fit: distance needed</translation>
    </message>
    <message>
        <source>ajustement : pas assez de mesures après t0</source>
        <translation>fit: not enough readings after t0</translation>
    </message>
    <message>
        <source>ajustement : pas de point de départ (courbe plate ou sans aire)</source>
        <translation>fit: no starting point (flat curve or no area)</translation>
    </message>
    <message>
        <source>ajustement : mémoire insuffisante</source>
        <translation>fit: not enough memory</translation>
    </message>
    <message>
        <source>ajustement impossible à démarrer</source>
        <translation>fit could not start</translation>
    </message>
    <message>
        <source>l&apos;ajustement n&apos;a pas convergé (%1)</source>
        <translation>the fit did not converge (%1)</translation>
    </message>
    <message>
        <source>ajustement peu fiable (R² %1, intervalles à 95 % : v ± %2 m/h, D ± %3 m²/s) : ce n&apos;est pas un résultat</source>
        <translation>unreliable fit (R² %1, 95 % intervals: v ± %2 m/h, D ± %3 m²/s): this is not a result</translation>
    </message>
    <message>
        <source>l&apos;ajustement n&apos;a pas convergé (valeurs non finies)</source>
        <translation>the fit did not converge (non-finite values)</translation>
    </message>
    <message>
        <source>conduits : pas d&apos;ajustement simple pour partir</source>
        <translation>conduits: no single fit to start from</translation>
    </message>
    <message>
        <source>conduits : l&apos;ajustement n&apos;a pas convergé</source>
        <translation>conduits: the fit did not converge</translation>
    </message>
    <message>
        <source>débit, ligne %1 illisible (« date-heure;L/s » ou « heures depuis t0;L/s » attendu) : %2</source>
        <translation>discharge, line %1 unreadable (“date-time;L/s” or “hours since t0;L/s” expected): %2</translation>
    </message>
    <message>
        <source>débit : aucune valeur dans le fichier</source>
        <translation>discharge: no value in the file</translation>
    </message>
    <message>
        <source>mesure n° %1 sans heure lisible : analyse arrêtée (les temps de transit demandent l&apos;heure de chaque mesure)</source>
        <translation>reading no. %1 without a readable time: analysis stopped (transit times need the time of every reading)</translation>
    </message>
    <message>
        <source>l&apos;heure recule à la mesure n° %1 (%2 après %3) : analyse arrêtée, vérifier l&apos;horloge du PC</source>
        <translation>the time goes back at reading no. %1 (%2 after %3): analysis stopped, check the PC&apos;s clock</translation>
    </message>
    <message>
        <source>pas de t0 : marquer le début du traçage (ou --t0)</source>
        <translation>no t0: mark the start of the tracer test (or --t0)</translation>
    </message>
    <message>
        <source>aucune mesure avant t0 : ligne de base prise à t0</source>
        <translation>no reading before t0: baseline taken at t0</translation>
    </message>
    <message>
        <source>Analyse du traçage — </source>
        <translation>Tracer test analysis — </translation>
    </message>
    <message>
        <source>Données
</source>
        <translation>Data
</translation>
    </message>
    <message>
        <source>  distance injection – mesure</source>
        <translation>  distance injection – measurement</translation>
    </message>
    <message>
        <source>  masse de sel injectée</source>
        <translation>  mass of salt injected</translation>
    </message>
    <message>
        <source>  masse de traceur injectée</source>
        <translation>  mass of tracer injected</translation>
    </message>
    <message>
        <source>  débit au point de mesure</source>
        <translation>  discharge at the measuring point</translation>
    </message>
    <message>
        <source>  facteur de conversion k</source>
        <translation>  conversion factor k</translation>
    </message>
    <message>
        <source>mg/L par µS/cm</source>
        <translation>mg/L per µS/cm</translation>
    </message>
    <message>
        <source>  t0 : mesure n° </source>
        <translation>  t0: reading no. </translation>
    </message>
    <message>
        <source>, ligne de base </source>
        <translation>, baseline </translation>
    </message>
    <message>
        <source> (grandeur 1)

</source>
        <translation> (quantity 1)

</translation>
    </message>
    <message>
        <source>Résultats (</source>
        <translation>Results (</translation>
    </message>
    <message>
        <source> mesures après t0)</source>
        <translation> readings after t0)</translation>
    </message>
    <message>
        <source> — courbe incomplète, résultats provisoires</source>
        <translation> — incomplete curve, provisional results</translation>
    </message>
    <message>
        <source>  première arrivée</source>
        <translation>  first arrival</translation>
    </message>
    <message>
        <source>  pic</source>
        <translation>  peak</translation>
    </message>
    <message>
        <source>  concentration au pic</source>
        <translation>  peak concentration</translation>
    </message>
    <message>
        <source>  temps de transit moyen</source>
        <translation>  mean transit time</translation>
    </message>
    <message>
        <source>  variance des temps de transit</source>
        <translation>  variance of transit times</translation>
    </message>
    <message>
        <source>  vitesse (première arrivée)</source>
        <translation>  velocity (first arrival)</translation>
    </message>
    <message>
        <source>  vitesse (pic)</source>
        <translation>  velocity (peak)</translation>
    </message>
    <message>
        <source>  vitesse (temps moyen)</source>
        <translation>  velocity (mean time)</translation>
    </message>
    <message>
        <source>  dispersion longitudinale D</source>
        <translation>  longitudinal dispersion D</translation>
    </message>
    <message>
        <source>  dispersivité alpha</source>
        <translation>  dispersivity alpha</translation>
    </message>
    <message>
        <source>  nombre de Péclet</source>
        <translation>  Péclet number</translation>
    </message>
    <message>
        <source>  masse restituée</source>
        <translation>  mass recovered</translation>
    </message>
    <message>
        <source>  taux de restitution</source>
        <translation>  recovery</translation>
    </message>
    <message>
        <source>  fin du passage</source>
        <translation>  end of the passage</translation>
    </message>
    <message>
        <source>  part extrapolée de la queue</source>
        <translation>  extrapolated share of the tail</translation>
    </message>
    <message>
        <source>  dérive de la ligne de base</source>
        <translation>  baseline drift</translation>
    </message>
    <message>
        <source>par heure</source>
        <translation>per hour</translation>
    </message>
    <message>
        <source>
Ajustement advection–dispersion (injection instantanée, concentration de flux)
</source>
        <translation>
Advection–dispersion fit (instantaneous injection, flux concentration)
</translation>
    </message>
    <message>
        <source>  (± : écart type ; intervalle à 95 % : ± 1,96 écart type)
</source>
        <translation>  (±: standard error; 95 % interval: ± 1.96 standard errors)
</translation>
    </message>
    <message>
        <source>  vitesse v : %1 ± %2 m/h
</source>
        <translation>  velocity v: %1 ± %2 m/h
</translation>
    </message>
    <message>
        <source>  dispersion D : %1 ± %2 m²/s
</source>
        <translation>  dispersion D: %1 ± %2 m²/s
</translation>
    </message>
    <message>
        <source>  restitution R : %1 ± %2 %
</source>
        <translation>  recovery R: %1 ± %2 %
</translation>
    </message>
    <message>
        <source>  écart quadratique moyen : %1 %4, R² = %2 (%3 points)
</source>
        <translation>  root mean square error: %1 %4, R² = %2 (%3 points)
</translation>
    </message>
    <message>
        <source>non calculé</source>
        <translation>not calculated</translation>
    </message>
    <message>
        <source>
Remarques
  </source>
        <translation>
Notes
  </translation>
    </message>
    <message>
        <source>pas assez de mesures après t0 (il en faut au moins deux)</source>
        <translation>not enough readings after t0 (at least two are needed)</translation>
    </message>
    <message>
        <source>facteur de conversion en concentration absent ou nul</source>
        <translation>conversion factor to concentration missing or zero</translation>
    </message>
    <message>
        <source>courbe plate : aucune mesure au-dessus de la ligne de base</source>
        <translation>flat curve: no reading above the baseline</translation>
    </message>
    <message>
        <source>fin du passage demandée avant le pic : ignorée</source>
        <translation>end of the passage asked before the peak: ignored</translation>
    </message>
    <message>
        <source>courbe incomplète : la concentration n&apos;est pas revenue à la ligne de base, les moments et la restitution sont provisoires</source>
        <translation>incomplete curve: the concentration has not come back to the baseline, the moments and the recovery are provisional</translation>
    </message>
    <message>
        <source>aire de la courbe nulle ou négative : pas de moments</source>
        <translation>zero or negative area under the curve: no moments</translation>
    </message>
    <message>
        <source>restitution : masse injectée et débit nécessaires</source>
        <translation>recovery: injected mass and discharge needed</translation>
    </message>
    <message>
        <source>vitesses et dispersion : distance nécessaire</source>
        <translation>velocities and dispersion: distance needed</translation>
    </message>
    <message>
        <source>fichier de débit illisible : %1</source>
        <translation>unreadable discharge file: %1</translation>
    </message>
    <message>
        <source>Acquisition interrompue enregistrée dans
%1

[Continue] la reprend à la mesure %2</source>
        <translation>Interrupted acquisition saved in
%1

[Continue] resumes it at reading %2</translation>
    </message>
    <message>
        <source>]  pour marquer le début du traçage</source>
        <translation>]  to mark the start of the tracer test</translation>
    </message>
    <message>
        <source> Le signe décimal du fichier de sortie (%1)

 n&apos;est pas en phase avec celui de l&apos;ordinateur (%2)

 mettre le fichier en phase avec l&apos;ordinateur (%3)    ?</source>
        <translation> The decimal sign of the output file (%1)

 does not match the computer&apos;s (%2)

 make the file match the computer (%3)    ?</translation>
    </message>
    <message>
        <source>tous les %1 points</source>
        <translation>all %1 points</translation>
    </message>
    <message>
        <source>point par point</source>
        <translation>point by point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1 points par calcul</source>
        <translation>%1 points per calculation</translation>
    </message>
    <message>
        <source> : il faut 1 à 3 étalons</source>
        <translation>: 1 to 3 standards are needed</translation>
    </message>
    <message>
        <source> : l&apos;étalon %1 n&apos;est pas au-dessus de l&apos;eau (%2 mV, eau %3 mV)</source>
        <translation>: standard %1 is not above the water (%2 mV, water %3 mV)</translation>
    </message>
    <message>
        <source> : étalons non croissants (%1 après %2)</source>
        <translation>: standards not increasing (%1 after %2)</translation>
    </message>
    <message>
        <source>étalonnage sans eau (blanc) : aucune conversion</source>
        <translation>calibration without water (blank): no conversion</translation>
    </message>
    <message>
        <source>étalonnage : il faut 1 à 3 traceurs</source>
        <translation>calibration: 1 to 3 tracers are needed</translation>
    </message>
    <message>
        <source>étalonnage de %1 : lampe %2 (un traceur se lit sur L1, L2 ou L3)</source>
        <translation>calibration of %1: lamp %2 (a tracer is read on L1, L2 or L3)</translation>
    </message>
    <message>
        <source>étalonnage de %1</source>
        <translation>calibration of %1</translation>
    </message>
    <message>
        <source>étalons de turbidité</source>
        <translation>turbidity standards</translation>
    </message>
    <message>
        <source>signal illisible « %1 »</source>
        <translation>unreadable signal “%1”</translation>
    </message>
    <message>
        <source>nombre de points d&apos;étalonnage du traceur %1 illisible</source>
        <translation>unreadable number of calibration points of tracer %1</translation>
    </message>
    <message>
        <source>point d&apos;étalonnage du traceur %1 illisible</source>
        <translation>unreadable calibration point of tracer %1</translation>
    </message>
    <message>
        <source>le bloc « %1 » n&apos;a pas ses quatre lampes L1 à L4</source>
        <translation>the block “%1” lacks its four lamps L1 to L4</translation>
    </message>
    <message>
        <source>concentration de l&apos;étalon « %1 » inconnue</source>
        <translation>unknown concentration of the standard “%1”</translation>
    </message>
    <message>
        <source>aucun bloc de signaux (lignes de tirets, L1 à L4) : pas un fichier de constantes d&apos;étalonnage</source>
        <translation>no block of signals (dashed lines, L1 to L4): not a calibration constants file</translation>
    </message>
    <message>
        <source>valeur illisible « %1 »</source>
        <translation>unreadable value “%1”</translation>
    </message>
    <message>
        <source>étalonnage illisible : %1</source>
        <translation>unreadable calibration: %1</translation>
    </message>
    <message>
        <source>fond naturel : la fenêtre du passage demande deux heures depuis t0, la première avant la seconde (ex. 4 ; 20)</source>
        <translation>natural background: the passage window needs two hours since t0, the first before the second (e.g. 4 ; 20)</translation>
    </message>
    <message>
        <source>correction de turbidité : il faut au moins deux étalons de turbidité</source>
        <translation>turbidity correction: at least two turbidity standards are needed</translation>
    </message>
    <message>
        <source>correction de turbidité : les étalons de turbidité ne sont pas au-dessus de l&apos;eau sur L%1 et L4</source>
        <translation>turbidity correction: the turbidity standards are not above the water on L%1 and L4</translation>
    </message>
    <message>
        <source>fond naturel de L%1 : trop peu de mesures hors de la fenêtre du passage, ou des lampes qui ne varient pas</source>
        <translation>natural background of L%1: too few readings outside the passage window, or lamps that do not vary</translation>
    </message>
    <message>
        <source>diaphonie : les signaux de toutes les lampes pour l&apos;étalon de %1 manquent</source>
        <translation>cross-talk: the signals of every lamp for the standard of %1 are missing</translation>
    </message>
    <message>
        <source>diaphonie : matrice des réponses singulière (deux traceurs lus de la même façon) : refusée</source>
        <translation>cross-talk: singular response matrix (two tracers read the same way): refused</translation>
    </message>
    <message>
        <source>ligne %1 : diaphonie sans solution stable (étalonnages trop éloignés des réponses)</source>
        <translation>line %1: cross-talk without a stable solution (calibrations too far from the responses)</translation>
    </message>
    <message>
        <source>diaphonie : deux ou trois traceurs de l&apos;étalonnage (1 à %1)</source>
        <translation>cross-talk: two or three tracers of the calibration (1 to %1)</translation>
    </message>
    <message>
        <source>correction illisible : %1</source>
        <translation>unreadable correction: %1</translation>
    </message>
    <message>
        <source>%1 mesure(s) sans valeur de la lampe L%2 (la première ligne %3) : laissées hors de la courbe</source>
        <translation>%1 reading(s) without a value of lamp L%2 (the first on line %3): left out of the curve</translation>
    </message>
    <message>
        <source>ligne %1 : </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>il manque des lampes (%1 colonnes, il en faut au moins %2 : n°, heure, R, L1 à L4)</source>
        <translation>lamps missing (%1 columns, at least %2 needed: no., time, R, L1 to L4)</translation>
    </message>
    <message>
        <source>heure illisible « %1 » (aa/mm/jj-hh:mm:ss attendu)</source>
        <translation>unreadable time “%1” (yy/mm/dd-hh:mm:ss expected)</translation>
    </message>
    <message>
        <source>valeur illisible dans « %1 »</source>
        <translation>unreadable value in “%1”</translation>
    </message>
    <message>
        <source>colonne « F%1 [mV] » absente de l&apos;en-tête</source>
        <translation>column “F%1 [mV]” missing from the header</translation>
    </message>
    <message>
        <source>il manque des lampes (%1 champs, F1 à F4 en demandent %2)</source>
        <translation>lamps missing (%1 fields, F1 to F4 need %2)</translation>
    </message>
    <message>
        <source>heure illisible « %1 » / « %2 »</source>
        <translation>unreadable time “%1” / “%2”</translation>
    </message>
    <message>
        <source>valeur illisible (ni nombre ni « - »)</source>
        <translation>unreadable value (neither a number nor “-”)</translation>
    </message>
    <message>
        <source>il manque des lampes (%1 colonnes)</source>
        <translation>lamps missing (%1 columns)</translation>
    </message>
    <message>
        <source>heure du fluorimètre illisible « %1 »</source>
        <translation>unreadable fluorometer time “%1”</translation>
    </message>
    <message>
        <source>valeur illisible</source>
        <translation>unreadable value</translation>
    </message>
    <message>
        <source>ni fichier de fluorimètre (titre, tirets, colonnes « # Time R Tracer 1 … ») ni export à tabulations (« Timestamp Timestamp … F1 [mV] … »)</source>
        <translation>neither a fluorometer file (title, dashes, columns “# Time R Tracer 1 …”) nor a tab-separated export (“Timestamp Timestamp … F1 [mV] …”)</translation>
    </message>
    <message>
        <source>aucune mesure après l&apos;en-tête</source>
        <translation>no reading after the header</translation>
    </message>
    <message>
        <source>heure antérieure à celle de la ligne %1</source>
        <translation>time earlier than that of line %1</translation>
    </message>
    <message>
        <source>fichier illisible : %1</source>
        <translation>unreadable file: %1</translation>
    </message>
    <message>
        <source>ligne du fluorimètre sans ses quatre lampes (%1 champs, L4 en colonne %2) : « %3 »</source>
        <translation>fluorometer line without its four lamps (%1 fields, L4 in column %2): “%3”</translation>
    </message>
    <message>
        <source>ligne du fluorimètre : L%1 illisible « %2 »</source>
        <translation>fluorometer line: L%1 unreadable “%2”</translation>
    </message>
    <message>
        <source>ligne du fluorimètre : température illisible « %1 »</source>
        <translation>fluorometer line: unreadable temperature “%1”</translation>
    </message>
    <message>
        <source> : le manuel est %1
(l&apos;ouvrir avec un lecteur de PDF, ou en installer un)</source>
        <translation>: the manual is %1
(open it with a PDF reader, or install one)</translation>
    </message>
    <message>
        <source>La colonne &lt;%1&gt; n&apos;existe pas</source>
        <translation>The column &lt;%1&gt; does not exist</translation>
    </message>
    <message>
        <source>fichier de paramètrage &lt;%1&gt; illisible et impossible à renommer : il n&apos;a pas été modifié, les paramètres de l&apos;exemple sont utilisés sans être enregistrés ...</source>
        <translation>parameter file &lt;%1&gt; unreadable and cannot be renamed: it was not changed, the example parameters are used without being saved ...</translation>
    </message>
    <message>
        <source> écraser les PARAMETRES avec l&apos; exemple %1 ?</source>
        <translation> overwrite the PARAMETERS with the example %1 ?</translation>
    </message>
    <message>
        <source>fichier &lt;%1&gt; introuvable ...</source>
        <translation>file &lt;%1&gt; not found ...</translation>
    </message>
    <message>
        <source> écraser les PARAMETRES actuels avec ceux enregistrés ?</source>
        <translation> overwrite the current PARAMETERS with the saved ones?</translation>
    </message>
    <message>
        <source>fichier de paramètrage &lt;%1&gt;  non trouvé ...</source>
        <translation>parameter file &lt;%1&gt;  not found ...</translation>
    </message>
    <message>
        <source>fichier de paramètrage &lt;%1&gt; illisible : le tableau n&apos;a pas été modifié ...</source>
        <translation>parameter file &lt;%1&gt; unreadable: the table was not changed ...</translation>
    </message>
    <message>
        <source>fichier de paramètrage &lt;%1&gt; illisible : conservé sous &lt;%2&gt;, les paramètres de l&apos;exemple sont utilisés ...</source>
        <translation>parameter file &lt;%1&gt; unreadable: kept as &lt;%2&gt;, the example parameters are used ...</translation>
    </message>
    <message>
        <source>le nombre de colonnes a changé de %1  à  %2 il faudra réenregistrer</source>
        <translation>the number of columns changed from %1  to  %2 save again</translation>
    </message>
    <message>
        <source>la ligne 1 du tableau est quasi vide, risque d&apos;écraser des valeurs antérieures 
         continuer ?</source>
        <translation>row 1 of the table is almost empty, earlier values may be overwritten 
         continue?</translation>
    </message>
    <message>
        <source>pas un nombre : valeur précédente conservée</source>
        <translation>not a number: previous value kept</translation>
    </message>
    <message>
        <source>max Y doit être au-dessus de min Y : valeur précédente conservée</source>
        <translation>max Y must be above min Y: previous value kept</translation>
    </message>
    <message>
        <source>min Y doit être au-dessous de max Y : valeur précédente conservée</source>
        <translation>min Y must be below max Y: previous value kept</translation>
    </message>
    <message>
        <source>la graduation doit être positive : valeur précédente conservée</source>
        <translation>the graduation must be positive: previous value kept</translation>
    </message>
    <message>
        <source>   aire[</source>
        <translation>   area[</translation>
    </message>
    <message>
        <source>(moy. des 60 der. val.) - base = </source>
        <translation>(mean of the last 60 values) - base = </translation>
    </message>
    <message>
        <source>? rapport des intervalles </source>
        <translation>? ratio of the intervals </translation>
    </message>
    <message>
        <source>valeur non finie &lt;%1&gt; : pas une mesure</source>
        <translation>non-finite value &lt;%1&gt;: not a reading</translation>
    </message>
    <message>
        <source>valeur illisible &lt;%1&gt; comptée 0</source>
        <translation>unreadable value &lt;%1&gt; counted 0</translation>
    </message>
    <message>
        <source>Impossible de créer &lt;%1&gt;</source>
        <translation>Cannot create &lt;%1&gt;</translation>
    </message>
    <message>
        <source> sauvegardé à %1</source>
        <translation> saved at %1</translation>
    </message>
    <message>
        <source>%1 mesures n&apos;ont pu être écrites dans aucun fichier (%2).
</source>
        <translation>%1 readings could not be written to any file (%2).
</translation>
    </message>
    <message>
        <source>Toute l&apos;acquisition (%1 mesures) est enregistrée dans
%2</source>
        <translation>The whole acquisition (%1 readings) is saved in
%2</translation>
    </message>
    <message>
        <source>Elle n&apos;a pu être enregistrée nulle part :
%1</source>
        <translation>It could not be saved anywhere:
%1</translation>
    </message>
    <message>
        <source> Les %1 mesures de l&apos;acquisition en cours n&apos;ont pas été enregistrées.

 Les effacer pour commencer une nouvelle acquisition ?</source>
        <translation> The %1 readings of the current acquisition have not been saved.

 Clear them to start a new acquisition?</translation>
    </message>
    <message>
        <source>%1 enregistrements effectués dans 
%2
  et dans le presse_papier</source>
        <translation>%1 records written to 
%2
  and to the clipboard</translation>
    </message>
    <message>
        <source>Le journal de l&apos;acquisition ne peut pas être écrit (%1 : %2).
L&apos;acquisition continue, les mesures restent en mémoire ; nouvel essai à chaque mesure.</source>
        <translation>The acquisition&apos;s journal cannot be written (%1: %2).
The acquisition goes on, the readings stay in memory; another try at each reading.</translation>
    </message>
    <message>
        <source>le dossier ne peut pas être recréé</source>
        <translation>the folder cannot be created again</translation>
    </message>
    <message>
        <source>Le dossier du journal de l&apos;acquisition a été supprimé pendant la mesure (%1)</source>
        <translation>The folder of the acquisition&apos;s journal was deleted during the run (%1)</translation>
    </message>
    <message>
        <source>Le journal de l&apos;acquisition a été supprimé pendant la mesure (%1)</source>
        <translation>The acquisition&apos;s journal was deleted during the run (%1)</translation>
    </message>
    <message>
        <source> et ne peut pas être réécrit : %1.
L&apos;acquisition continue, les mesures restent en mémoire : enregistrer ailleurs.</source>
        <translation> and cannot be written again: %1.
The acquisition goes on, the readings stay in memory: save elsewhere.</translation>
    </message>
    <message>
        <source> : il a été recréé et les mesures y sont réécrites.</source>
        <translation>: it was created again and the readings are written to it again.</translation>
    </message>
    <message>
        <source>Une autre fenêtre de Sondalog enregistre une acquisition dans ce dossier :

%1

Ses mesures ne sont pas touchées. Choisir un autre dossier de travail pour une seconde acquisition.</source>
        <translation>Another Sondalog window is recording an acquisition in this folder:

%1

Its readings are not touched. Choose another working folder for a second acquisition.</translation>
    </message>
    <message>
        <source>Une acquisition interrompue a été retrouvée :

%1

%2 mesures, la dernière le %3

Oui : elle est enregistrée dans le répertoire de travail puis reprise (Continue).
Non : elle reste dans sauvegarde_auto et ne sera plus proposée.</source>
        <translation>An interrupted acquisition was found:

%1

%2 readings, the last on %3

Yes: it is saved in the working folder and resumed (Continue).
No: it stays in sauvegarde_auto and will not be offered again.</translation>
    </message>
    <message>
        <source> Aucune COM est LIBRE ou OCCUPEE , vérifier les branchements</source>
        <translation> No COM is FREE or BUSY, check the connections</translation>
    </message>
    <message>
        <source>  Aucune COM disponible, vérifier les branchements ou connecter un appareil 

       et tenter à nouveau sans redémarrer ...</source>
        <translation>  No COM available, check the connections or connect a device 

       and try again without restarting ...</translation>
    </message>
    <message>
        <source>  La %1 semble disponible    

  mettre à jour le tableau  (sans redémarrer) ...</source>
        <translation>  %1 seems available    

  update the table  (without restarting) ...</translation>
    </message>
    <message>
        <source>  Une ou plusieurs COM sont disponibles    

  Choisir la bonne pour mettre à jour le tableau  (sans redémarrer) ...</source>
        <translation>  One or more COM ports are available    

  Choose the right one to update the table  (without restarting) ...</translation>
    </message>
    <message>
        <source> disponible</source>
        <translation> available</translation>
    </message>
    <message>
        <source> non disponible</source>
        <translation> not available</translation>
    </message>
    <message>
        <source> =====&gt; Vérifier si le Driver du multimètre est installé </source>
        <translation> =====&gt; Check that the multimeter&apos;s driver is installed </translation>
    </message>
    <message>
        <source>écriture incomplète</source>
        <translation>incomplete write</translation>
    </message>
    <message>
        <source>écriture impossible</source>
        <translation>cannot write</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur en virgule flottante correcte</source>
        <translation>&apos;%1&apos; is not a correct floating-point value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un nombre fini</source>
        <translation>&apos;%1&apos; is not a finite number</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur entière correcte</source>
        <translation>&apos;%1&apos; is not a correct whole number</translation>
    </message>
    <message>
        <source>… (%1 lignes de plus) …</source>
        <translation>… (%1 more lines) …</translation>
    </message>
</context>
<context>
    <name>sondalog::ParametersWindow</name>
    <message>
        <source>Open COM</source>
        <translation>Open COM</translation>
    </message>
    <message>
        <source>Close COM</source>
        <translation>Close COM</translation>
    </message>
    <message>
        <source>Enregistrer param.</source>
        <translation>Save param.</translation>
    </message>
    <message>
        <source>Charger param.</source>
        <translation>Load param.</translation>
    </message>
    <message>
        <source>exemple param.</source>
        <translation>example param.</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>RS232_hercules_3-2-6.exe</source>
        <translation>RS232_hercules_3-2-6.exe</translation>
    </message>
    <message>
        <source>terminal série</source>
        <translation>serial terminal</translation>
    </message>
    <message>
        <source>Gestionnaire des tâches</source>
        <translation>Task manager</translation>
    </message>
    <message>
        <source>Gestionnaire des périphériques</source>
        <translation>Device manager</translation>
    </message>
    <message>
        <source>liste COMx</source>
        <translation>list COMx</translation>
    </message>
    <message>
        <source>permet de lister les COM1 à  10 et voir lesquelles sont disponibles</source>
        <translation>lists COM1 to 10 and shows which are free</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source> nouvelle procédure pour lister les COM </source>
        <translation> new way of listing the COM ports </translation>
    </message>
    <message>
        <source>explications</source>
        <translation>explanations</translation>
    </message>
    <message>
        <source>Résolution </source>
        <translation>Resolution </translation>
    </message>
    <message>
        <source> lignes brutes récupérées sur la liaison RS232</source>
        <translation> raw lines received on the RS232 link</translation>
    </message>
    <message>
        <source>nécessaire pour les anciens 340i</source>
        <translation>needed for the old 340i</translation>
    </message>
    <message>
        <source>pour lecture car/car, la COLONNE [occurence] est inutilisée, mais [rep hms] oui! (WTW340i DTR RTS)</source>
        <translation>for character reading, the COLUMN [occurence] is unused, but [rep hms] is! (WTW340i DTR RTS)</translation>
    </message>
    <message>
        <source>pour lecture par chaines complètes, COLONNES [occurence] et  [rep hms] nécessaires</source>
        <translation>for reading whole strings, COLUMNS [occurence] and  [rep hms] are needed</translation>
    </message>
    <message>
        <source>si pb COM, ne pas hésiter à finalement rebooter l&apos;ordinateur!</source>
        <translation>if the COM port misbehaves, do not hesitate to restart the computer in the end!</translation>
    </message>
</context>
<context>
    <name>sondalog::ProcessingOptionsPanel</name>
    <message>
        <source>traçage =&gt; t0</source>
        <translation>tracing =&gt; t0</translation>
    </message>
    <message>
        <source>notepad.exe</source>
        <translation>notepad.exe</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Ox</translation>
    </message>
    <message>
        <source>3 sondes : Cond, T°C, pH et Ox</source>
        <translation>3 probes: Cond, T°C, pH and Ox</translation>
    </message>
    <message>
        <source>pour que les 4 grandeurs soient du même pas de temps</source>
        <translation>so that the 4 quantities share one time step</translation>
    </message>
    <message>
        <source>décimales</source>
        <translation>decimals</translation>
    </message>
    <message>
        <source>Graphique 2,3 sondes sur WTW3430</source>
        <translation>Charts 2,3 probes on WTW3430</translation>
    </message>
    <message>
        <source>conductivité, température, pH et oxygène sur quatre graphiques</source>
        <translation>conductivity, temperature, pH and oxygen on four charts</translation>
    </message>
    <message>
        <source>nombre de décimales pour la grandeur1 Ex:µ=0;m=3;k=1;F=3   (F=&gt; fichier de sortie)  </source>
        <translation>decimals of quantity 1, e.g. µ=0;m=3;k=1;F=3   (F=&gt; output file)  </translation>
    </message>
    <message>
        <source>message affiché pour marquer le début du traçage (t0)</source>
        <translation>message shown to mark the start of the tracing (t0)</translation>
    </message>
    <message>
        <source>  facteur multiplicatif pour le calcul de l&apos;aire   </source>
        <translation>  multiplying factor of the area   </translation>
    </message>
    <message>
        <source>notepad.exe ou notepad++.exe</source>
        <translation>notepad.exe or notepad++.exe</translation>
    </message>
    <message>
        <source>repère de la valeur du pH dans les lignes reçues</source>
        <translation>marker of the pH value in the lines received</translation>
    </message>
    <message>
        <source>repère de la valeur de l&apos;oxygène dissous dans les lignes reçues</source>
        <translation>marker of the dissolved oxygen value in the lines received</translation>
    </message>
    <message>
        <source>multimètre à 3 sondes : conductivité, température, pH et oxygène dissous</source>
        <translation>multimeter with 3 probes: conductivity, temperature, pH and dissolved oxygen</translation>
    </message>
    <message>
        <source>message t0</source>
        <translation>t0 message</translation>
    </message>
    <message>
        <source>facteur aire</source>
        <translation>area factor</translation>
    </message>
    <message>
        <source>éditeur de texte</source>
        <translation>text editor</translation>
    </message>
    <message>
        <source>repère pH</source>
        <translation>pH marker</translation>
    </message>
    <message>
        <source>repère Ox</source>
        <translation>Ox marker</translation>
    </message>
    <message>
        <source>dernière grandeur du bloc</source>
        <translation>last quantity of the block</translation>
    </message>
</context>
<context>
    <name>sondalog::QuestionPanel</name>
    <message>
        <source>annuler</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>sondalog::ReadingModePanel</name>
    <message>
        <source>lecture RS232</source>
        <translation>RS232 reading</translation>
    </message>
    <message>
        <source>caractère par caractère</source>
        <translation>character by character</translation>
    </message>
    <message>
        <source>par chaîne de caractères et CSV</source>
        <translation>by character string and CSV</translation>
    </message>
    <message>
        <source>TIMEOUTS</source>
        <translation>TIMEOUTS</translation>
    </message>
    <message>
        <source>valeur à modifier en cas de bloquage (par chaîne de caractères)</source>
        <translation>change this value if reading blocks (by character string)</translation>
    </message>
    <message>
        <source>DTR</source>
        <translation>DTR</translation>
    </message>
    <message>
        <source>RTS</source>
        <translation>RTS</translation>
    </message>
    <message>
        <source>nécessaire pour les anciens 340i</source>
        <translation>needed for the old 340i</translation>
    </message>
    <message>
        <source>lecture sans traitement (pour les tests)</source>
        <translation>reading without processing (for tests)</translation>
    </message>
    <message>
        <source>les lignes reçues sont affichées sans être décodées</source>
        <translation>the lines received are shown without being decoded</translation>
    </message>
    <message>
        <source>lectures :</source>
        <translation>readings:</translation>
    </message>
    <message>
        <source>n :</source>
        <translation>n:</translation>
    </message>
</context>
<context>
    <name>sondalog::RecordListPanel</name>
    <message>
        <source>lignes décodées du multimètre</source>
        <translation>multimeter&apos;s decoded lines</translation>
    </message>
</context>
<context>
    <name>sondalog::RecordingPanel</name>
    <message>
        <source>PEUT ÊTRE CHANGÉ EN COURS DE LECTURE  </source>
        <translation>CAN BE CHANGED WHILE READING  </translation>
    </message>
    <message>
        <source>nom</source>
        <translation>name</translation>
    </message>
    <message>
        <source>+ date/heure</source>
        <translation>+ date/time</translation>
    </message>
    <message>
        <source>date et heure en début de nom</source>
        <translation>date and time at the start of the name</translation>
    </message>
    <message>
        <source>dernière sauvegarde =&gt; </source>
        <translation>last save =&gt; </translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>file</translation>
    </message>
    <message>
        <source>SELECTIONNER UN FICHIER QUELQUONQUE DU DOSSIER !!!!</source>
        <translation>SELECT ANY FILE OF THE FOLDER !!!!</translation>
    </message>
    <message>
        <source>n   heurePC  durée traçage  G1  G2   multimètre          </source>
        <translation>n   PC time  tracing time  Q1  Q2   multimeter          </translation>
    </message>
    <message>
        <source> 
 vérifier le 
 répertoire 

 et le nom 
</source>
        <translation> 
 check the 
 folder 

 and the name 
</translation>
    </message>
    <message>
        <source>répertoire</source>
        <translation>folder</translation>
    </message>
    <message>
        <source> Editer le fichier &lt;%1&gt;  ?  

</source>
        <translation> Edit the file &lt;%1&gt;  ?  

</translation>
    </message>
    <message>
        <source>%1  nouveau dossier =&gt; saisir le nom et [Entrée]...</source>
        <translation>%1  new folder =&gt; type its name and [Enter]...</translation>
    </message>
    <message>
        <source>
répertoire &lt;%1&gt; inexistant

 proposition modifiable &lt;%2&gt;</source>
        <translation>
folder &lt;%1&gt; does not exist

 suggestion you may change &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Le dossier &lt;%1&gt; n&apos;existe pas : les mesures restent enregistrées dans &lt;%2&gt;</source>
        <translation>The folder &lt;%1&gt; does not exist: the readings are still saved in &lt;%2&gt;</translation>
    </message>
    <message>
        <source> Le dossier  &lt;%1&gt;    

   n&apos;existe pas, le créer ?,</source>
        <translation> The folder  &lt;%1&gt;    

   does not exist, create it?,</translation>
    </message>
    <message>
        <source>Impossible de créer %1</source>
        <translation>Cannot create %1</translation>
    </message>
</context>
<context>
    <name>sondalog::RunDisplay</name>
    <message>
        <source>mesure lue %1  %2</source>
        <translation>reading %1  %2</translation>
    </message>
    <message>
        <source>Aucune mesure décodée dans %1 : vérifier les repères et la fin de bloc du tableau des paramètres.</source>
        <translation>No reading decoded in %1: check the markers and the end of block in the parameters table.</translation>
    </message>
</context>
<context>
    <name>sondalog::RunOptionsPanel</name>
    <message>
        <source>démo</source>
        <translation>demo</translation>
    </message>
    <message>
        <source>rapide</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>save sans confirmation</source>
        <translation>save without asking</translation>
    </message>
    <message>
        <source>sauvegarde automatique (en  mn)</source>
        <translation>automatic backup (in  min)</translation>
    </message>
    <message>
        <source>Sauvegarde dans le sous-dossier</source>
        <translation>Backup into the subfolder</translation>
    </message>
    <message>
        <source>signe décimal du fichier d&apos;enregistrement</source>
        <translation>decimal sign of the recording file</translation>
    </message>
    <message>
        <source>virgule</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>point</source>
        <translation>point</translation>
    </message>
    <message>
        <source>souris</source>
        <translation>mouse</translation>
    </message>
    <message>
        <source>habituelle</source>
        <translation>usual</translation>
    </message>
    <message>
        <source>guidée</source>
        <translation>guided</translation>
    </message>
    <message>
        <source>saut</source>
        <translation>jump</translation>
    </message>
</context>
<context>
    <name>sondalog::RunPanel</name>
    <message>
        <source>test COM</source>
        <translation>test COM</translation>
    </message>
    <message>
        <source>Start (base)</source>
        <translation>Start (base)</translation>
    </message>
    <message>
        <source>Stop + save</source>
        <translation>Stop + save</translation>
    </message>
    <message>
        <source>exit + save</source>
        <translation>exit + save</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Graphiques associés</source>
        <translation>Related charts</translation>
    </message>
    <message>
        <source>save paramètres</source>
        <translation>save parameters</translation>
    </message>
    <message>
        <source>démo</source>
        <translation>demo</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>stop COM</source>
        <translation>stop COM</translation>
    </message>
    <message>
        <source>Restart(base)</source>
        <translation>Restart(base)</translation>
    </message>
    <message>
        <source>
Arrêter le stockage des données en mémoire puis les enregistrer
</source>
        <translation>
Stop storing the readings in memory, then save them
</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>exit</translation>
    </message>
    <message>
        <source>EXIT AUTO...</source>
        <translation>EXIT AUTO...</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>bouton de test initial et d&apos;arrêt du test  </source>
        <translation>starts and stops the link test  </translation>
    </message>
    <message>
        <source>  acquisition de la ligne de base  </source>
        <translation>  learning the baseline  </translation>
    </message>
    <message>
        <source>arrêt de l&apos;acquisition et enregistrement</source>
        <translation>stops the acquisition and saves</translation>
    </message>
    <message>
        <source>sortie avec enregistrement (F12)</source>
        <translation>exits and saves (F12)</translation>
    </message>
    <message>
        <source> permet de visualiser un fichier existant ou de le  compléter   </source>
        <translation> views an existing file, or continues it   </translation>
    </message>
    <message>
        <source>si 3 sondes connectées </source>
        <translation>with 3 probes connected </translation>
    </message>
    <message>
        <source>enregistre les modifications dans le fichier des paramètres</source>
        <translation>saves the changes in the parameter file</translation>
    </message>
    <message>
        <source>
+ analyse du traçage dans le dossier analyses</source>
        <translation>
+ tracer test analysis in the analyses folder</translation>
    </message>
</context>
<context>
    <name>sondalog::RunState</name>
    <message>
        <source>signe décimal du PC : </source>
        <translation>PC&apos;s decimal sign: </translation>
    </message>
    <message>
        <source>virgule</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>point</source>
        <translation>point</translation>
    </message>
</context>
<context>
    <name>sondalog::StoredFileOpener</name>
    <message>
        <source> fichier SondaLOG </source>
        <translation> SondaLOG file </translation>
    </message>
    <message>
        <source> fichier d&apos;acquisition AUTOmatique</source>
        <translation> AUTOmatic acquisition file</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fichiers SondaLOG et AUTO (*.txt *.csv);;Fichiers CSV (*.csv);;Tous les fichiers (*)</source>
        <translation>SondaLOG and AUTO files (*.txt *.csv);;CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Ouverture d&apos;un fichier d&apos;acquisition AUTOmatique</source>
        <translation>Opening an AUTOmatic acquisition file</translation>
    </message>
    <message>
        <source>Ouverture d&apos;un fichier SondaLOG</source>
        <translation>Opening a SondaLOG file</translation>
    </message>
    <message>
        <source>Une acquisition est en cours : l&apos;arrêter (Stop + save) avant d&apos;ouvrir un fichier.</source>
        <translation>An acquisition is running: stop it (Stop + save) before opening a file.</translation>
    </message>
    <message>
        <source>Lecture de %1</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>Décodage de %1</source>
        <translation>Decoding %1</translation>
    </message>
    <message>
        <source>Annulation…</source>
        <translation>Cancelling…</translation>
    </message>
</context>
<context>
    <name>sondalog::TracerInputsGroup</name>
    <message>
        <source>analyse du traçage</source>
        <translation>tracer analysis</translation>
    </message>
    <message>
        <source>distance du point d&apos;injection au point de mesure, en m</source>
        <translation>distance from the injection point to the measuring point, in m</translation>
    </message>
    <message>
        <source>masse de sel injectée, en kg</source>
        <translation>mass of salt injected, in kg</translation>
    </message>
    <message>
        <source>débit au point de mesure, en L/s (constant pendant l&apos;essai)</source>
        <translation>discharge at the measuring point, in L/s (constant during the test)</translation>
    </message>
    <message>
        <source>concentration en mg/L par µS/cm (0,5 pour NaCl à 25 °C)</source>
        <translation>concentration in mg/L per µS/cm (0.5 for NaCl at 25 °C)</translation>
    </message>
    <message>
        <source>étalonnage du fluorimètre…</source>
        <translation>fluorometer calibration…</translation>
    </message>
    <message>
        <source>débit variable : fichier de lignes « date-heure;L/s » ou « heures depuis t0;L/s » (vide : le débit ci-dessus, constant)</source>
        <translation>varying discharge: a file of &quot;date-time;L/s&quot; or &quot;hours since t0;L/s&quot; lines (empty: the discharge above, constant)</translation>
    </message>
    <message>
        <source>étalons concentration:conductivité séparés par ; (ex. 100:210;200:415) : la pente de leur droite donne le facteur</source>
        <translation>standards concentration:conductivity separated by ; (e.g. 100:210;200:415): the slope of their line gives the factor</translation>
    </message>
    <message>
        <source>distance (m)</source>
        <translation>distance (m)</translation>
    </message>
    <message>
        <source>masse injectée (kg)</source>
        <translation>mass injected (kg)</translation>
    </message>
    <message>
        <source>débit (L/s)</source>
        <translation>discharge (L/s)</translation>
    </message>
    <message>
        <source>fichier de débit</source>
        <translation>discharge file</translation>
    </message>
    <message>
        <source>k (mg/L par µS/cm)</source>
        <translation>k (mg/L per µS/cm)</translation>
    </message>
    <message>
        <source>étalons</source>
        <translation>standards</translation>
    </message>
    <message>
        <source>traçage aux colorants : eau, étalons de chaque traceur, turbidité, corrections ; importer le fichier de constantes de l&apos;instrument</source>
        <translation>dye tracing: water, each tracer&apos;s standards, turbidity, corrections; import the instrument&apos;s constants file</translation>
    </message>
    <message>
        <source>k des étalons = </source>
        <translation>k from the standards = </translation>
    </message>
    <message>
        <source>k utilisé = </source>
        <translation>k in use = </translation>
    </message>
</context>
<context>
    <name>sondalog::ViewPanel</name>
    <message>
        <source>max lu</source>
        <translation>max read</translation>
    </message>
    <message>
        <source>min lu</source>
        <translation>min read</translation>
    </message>
    <message>
        <source>grandeur 2</source>
        <translation>quantity 2</translation>
    </message>
    <message>
        <source>  affiche en plus le graphique de cette grandeur </source>
        <translation>  also shows the graph of this quantity </translation>
    </message>
    <message>
        <source>intégrale</source>
        <translation>integral</translation>
    </message>
    <message>
        <source>max Y</source>
        <translation>max Y</translation>
    </message>
    <message>
        <source>min Y</source>
        <translation>min Y</translation>
    </message>
    <message>
        <source>graduation</source>
        <translation>graduation</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ZOOM</translation>
    </message>
    <message>
        <source>   ZOOM de x1  x2  x3      </source>
        <translation>   ZOOM by x1  x2  x3      </translation>
    </message>
    <message>
        <source>CONTRASTE</source>
        <translation>CONTRAST</translation>
    </message>
    <message>
        <source>bascule entre 3 modes d&apos;affichage</source>
        <translation>switches between 3 display modes</translation>
    </message>
    <message>
        <source>annuler couleurs</source>
        <translation>reset colours</translation>
    </message>
    <message>
        <source>double clik pour  valider</source>
        <translation>double-click to confirm</translation>
    </message>
    <message>
        <source>double clik = liste de choix</source>
        <translation>double-click = list of choices</translation>
    </message>
    <message>
        <source>traceur brut</source>
        <translation>raw tracer</translation>
    </message>
    <message>
        <source>  la bande du bas montre le traceur avant les corrections, à la même échelle </source>
        <translation>  the lower band shows the tracer before the corrections, on the same scale </translation>
    </message>
    <message>
        <source>au début, les couleurs de fonds peuvent être mofifiées par un double clik</source>
        <translation>before the first reading, a double-click changes the background colours</translation>
    </message>
    <message>
        <source>annuler les couleurs ?</source>
        <translation>cancel the colours?</translation>
    </message>
</context>
</TS>
