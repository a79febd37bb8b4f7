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
        <source>rapport d'analyse</source>
        <translation>analysis report</translation>
    </message>
    <message>
        <source>enregistre l'analyse et le graphique avec la courbe ajustée</source>
        <translation>saves the analysis and the graph with the fitted curve</translation>
    </message>
    <message>
        <source>Analyse du traçage : à partir de t0</source>
        <translation>Tracer analysis: from t0 on</translation>
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
        <source>importé de </source>
        <translation>imported from </translation>
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
    <name>sondalog::DirectoryChooser</name>
    <message>
        <source>  DoubleClick pour sélectionner  </source>
        <translation>  double-click to select  </translation>
    </message>
    <message>
        <source> _DoubleClick pour l'éditer  </source>
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
</context>
<context>
    <name>sondalog::FiguresPanel</name>
    <message>
        <source>durée traçage</source>
        <translation>tracing time</translation>
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
</context>
<context>
    <name>sondalog::RecordListPanel</name>
    <message>
        <source>lignes décodées du multimètre</source>
        <translation>multimeter's decoded lines</translation>
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
        <source>signe décimal du fichier d'enregistrement</source>
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
</context>
<context>
    <name>sondalog::TracerInputsGroup</name>
    <message>
        <source>analyse du traçage</source>
        <translation>tracer analysis</translation>
    </message>
    <message>
        <source>distance du point d'injection au point de mesure, en m</source>
        <translation>distance from the injection point to the measuring point, in m</translation>
    </message>
    <message>
        <source>masse de sel injectée, en kg</source>
        <translation>mass of salt injected, in kg</translation>
    </message>
    <message>
        <source>débit au point de mesure, en L/s (constant pendant l'essai)</source>
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
        <source>bascule entre 3 modes d'affichage</source>
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
</context>
</TS>