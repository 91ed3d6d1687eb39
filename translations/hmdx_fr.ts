<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlertCommand</name>
    <message>
        <source>The alert command %1 cannot be started: %2. Later events try it again without saying so.</source>
        <translation>La commande d&apos;alerte %1 ne peut pas être lancée : %2. Les événements suivants la relancent sans le signaler.</translation>
    </message>
    <message>
        <source>%1 events already wait for the alert command; this one and later ones are not run until it catches up</source>
        <translation>%1 événements attendent déjà la commande d&apos;alerte ; celui-ci et les suivants ne sont pas traités tant qu&apos;elle n&apos;a pas rattrapé son retard</translation>
    </message>
    <message>
        <source>%1 events were not run while the alert command was behind</source>
        <translation>%1 événements n&apos;ont pas été traités pendant le retard de la commande d&apos;alerte</translation>
    </message>
    <message>
        <source>%1 [%2 more bytes not kept]</source>
        <translation>%1 [%2 octets de plus non conservés]</translation>
    </message>
    <message>
        <source>still running after %1: ended</source>
        <translation>toujours en cours après %1 : arrêtée</translation>
    </message>
    <message>
        <source>ended by a signal</source>
        <translation>arrêtée par un signal</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>impossible de lancer %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>DesktopSettings</name>
    <message>
        <source>%1 cannot be read (%2); the desktop settings stay at their defaults and are not saved there.</source>
        <translation>%1 ne peut pas être lu (%2) ; les réglages du bureau gardent leurs valeurs par défaut et n&apos;y sont pas enregistrés.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be used; the default is used instead, and the file is left as it is.</source>
        <translation>%1 : %2 inutilisable ; la valeur par défaut s&apos;applique à la place, et le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>Start at Login is not kept in %1, which cannot be read (%2).</source>
        <translation>« Lancer à l&apos;ouverture de session » n&apos;est pas conservé dans %1, qui ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <source>Start at Login could not be saved to %1: %2.</source>
        <translation>« Lancer à l&apos;ouverture de session » n&apos;a pas pu être enregistré dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>StartAtLogin</name>
    <message>
        <source>%1 could not be removed: %2.</source>
        <translation>%1 n&apos;a pas pu être supprimé : %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n&apos;a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>&amp;Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>%1 was not written: a login entry holds UTF-8 text without control characters, and cannot name %2.</source>
        <translation>%1 n&apos;a pas été écrit : une entrée de connexion contient du texte UTF-8 sans caractère de contrôle et ne peut pas nommer %2.</translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>%1 RPM</source>
        <translation>%1 tr/min</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>not read yet</source>
        <translation>pas encore lu</translation>
    </message>
    <message>
        <source>the case is closed</source>
        <translation>le boîtier est fermé</translation>
    </message>
    <message>
        <source>the case has been opened, out of range</source>
        <translation>le boîtier a été ouvert, hors limites</translation>
    </message>
    <message>
        <source>%1, out of range</source>
        <translation>%1, hors limites</translation>
    </message>
    <message>
        <source>%1, within %2 to %3</source>
        <translation>%1, dans la plage de %2 à %3</translation>
    </message>
    <message>
        <source>%1, within the low limit %2</source>
        <translation>%1, limite basse %2 respectée</translation>
    </message>
    <message>
        <source>%1, within the high limit %2</source>
        <translation>%1, limite haute %2 respectée</translation>
    </message>
    <message>
        <source>%1: %2, limits %3 to %4</source>
        <translation>%1 : %2, limites %3 à %4</translation>
    </message>
    <message>
        <source>%1: %2, low limit %3</source>
        <translation>%1 : %2, limite basse %3</translation>
    </message>
    <message>
        <source>%1: %2, high limit %3</source>
        <translation>%1 : %2, limite haute %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Out of range:</source>
        <translation>Hors limites :</translation>
    </message>
    <message>
        <source>All monitored items are in range.</source>
        <translation>Tous les éléments surveillés sont dans les limites.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Hardware Monitor</source>
        <translation>Hardware Monitor</translation>
    </message>
</context>
<context>
    <name>hmdx::AboutDialog</name>
    <message>
        <source>About Hardware Monitor</source>
        <translation>À propos de Hardware Monitor</translation>
    </message>
    <message>
        <source>r810/hmdx Hardware Monitor Product Utility</source>
        <translation>r810/hmdx Hardware Monitor – utilitaire</translation>
    </message>
    <message>
        <source>Hardware Monitor for NT/Win2000</source>
        <translation>Hardware Monitor pour NT/Win2000</translation>
    </message>
    <message>
        <source>Version 1.0.0</source>
        <translation>Version 1.0.0</translation>
    </message>
    <message>
        <source>Watches the board&apos;s voltages, fans, temperatures and case switch.</source>
        <translation>Surveille les tensions, les ventilateurs et les températures de la carte mère, ainsi que le contact d&apos;ouverture du boîtier.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>hmdx::Backend</name>
    <message>
        <source>Cannot read the scenario file &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire le fichier de scénario « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot write the trace file &quot;%1&quot;: %2.</source>
        <translation>Impossible d’écrire le fichier de trace « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>hmdx::ChipKeeper</name>
    <message>
        <source>read-back</source>
        <translation>relecture</translation>
    </message>
    <message>
        <source>resume</source>
        <translation>sortie de veille</translation>
    </message>
    <message>
        <source>%1; registers that had changed: %2</source>
        <translation>%1 ; registres modifiés : %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>hmdx::CommandLine</name>
    <message>
        <source>--sim-trace and --sim-dump need --simulate or --scenario</source>
        <translation>--sim-trace et --sim-dump nécessitent --simulate ou --scenario</translation>
    </message>
    <message>
        <source>%1 needs whole seconds from %2 to 86400, got &apos;%3&apos;</source>
        <translation>%1 attend un nombre entier de secondes de %2 à 86400, reçu « %3 »</translation>
    </message>
    <message>
        <source>%1 needs whole seconds from %2 to 86400</source>
        <translation>%1 attend un nombre entier de secondes de %2 à 86400</translation>
    </message>
    <message>
        <source>unknown chip model &apos;%1&apos; (use hma, hmb, hmc or hmdf)</source>
        <translation>modèle de puce inconnu « %1 » (utiliser hma, hmb, hmc ou hmdf)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>Usage: hmdx [options]
Watches the motherboard&apos;s hardware monitor chip: voltages, fans, temperatures
and the case switch. Without --simulate or --scenario it drives the real chip,
which needs the port capability (man hmdx, PERMISSIONS).

  --simulate[=MODEL]   simulate the chip: hma, hmb, hmc or hmdf (default hmb)
  --scenario FILE      script the simulated chip (implies --simulate); the
                       statements are described in man hmdx, SCENARIO LANGUAGE
  --sim-trace FILE     write every port access of the simulation to FILE
  --sim-dump FILE      write the simulated registers to FILE when hmdx ends
  --data-dir DIR       keep the settings file in DIR, not in the default folder
                       (beside the program in a build tree or one&apos;s own copy,
                       else ~/.local/share/hmdx)
  --event-log FILE     also append every event to FILE as JSON Lines
  --verify-interval S  read the chip&apos;s limits back every S seconds and put them
                       right when they changed (default 60; 0: never)
  --headless           run without a display: warnings go to standard error and
                       the event log; SIGTERM ends it
  --metrics-file FILE  write Prometheus metrics (node_exporter textfile format)
  --metrics-interval S how often to write them (default 15)
  --fans-full          set every fan output of the chip to full speed and exit
  --alert-command PROGRAM
                       run PROGRAM (no shell, no arguments) when a warning is
                       raised or cleared, the chip is reprogrammed or a fan
                       goes to its failsafe; HMDX_* variables say what happened
                       (default: alertCommand in hmdx.conf)
  --minimized          start hidden in the tray (minimised without a tray)
  --help               show this help
  --version            show the version
</source>
        <translation>Usage : hmdx [options]
Surveille la puce de surveillance matérielle de la carte mère : tensions,
ventilateurs, températures et contact d&apos;ouverture du boîtier. Sans --simulate
ni --scenario, hmdx pilote la vraie puce, ce qui demande la capacité d&apos;accès
aux ports (man hmdx, section PERMISSIONS).

  --simulate[=MODEL]   simuler la puce : hma, hmb, hmc ou hmdf (par défaut hmb)
  --scenario FILE      piloter la puce simulée par un script (implique
                       --simulate) ; les instructions sont décrites dans
                       man hmdx, section SCENARIO LANGUAGE
  --sim-trace FILE     écrire chaque accès aux ports de la simulation dans FILE
  --sim-dump FILE      écrire les registres simulés dans FILE à la fin de hmdx
  --data-dir DIR       garder le fichier de réglages dans DIR plutôt que dans
                       le dossier habituel (à côté du programme dans un
                       dossier de compilation ou une copie personnelle, sinon
                       ~/.local/share/hmdx)
  --event-log FILE     ajouter aussi chaque événement à FILE en JSON Lines
  --verify-interval S  relire les limites de la puce toutes les S secondes et
                       les rétablir si elles ont changé (par défaut 60 ;
                       0 : jamais)
  --headless           fonctionner sans écran : les avertissements vont sur la
                       sortie d&apos;erreur et dans le journal ; SIGTERM l&apos;arrête
  --metrics-file FILE  écrire les métriques Prometheus (format fichier texte
                       de node_exporter)
  --metrics-interval S fréquence d&apos;écriture (par défaut 15)
  --fans-full          mettre chaque sortie ventilateur à pleine vitesse, puis
                       quitter
  --alert-command PROGRAM
                       lancer PROGRAM (sans interpréteur, sans arguments)
                       quand un avertissement apparaît ou disparaît, que la
                       puce est reprogrammée ou qu&apos;un ventilateur passe en
                       sécurité ; les variables HMDX_* disent ce qui s&apos;est
                       passé (par défaut : alertCommand dans hmdx.conf)
  --minimized          démarrer caché dans la zone de notification (réduit
                       s&apos;il n&apos;y en a pas)
  --help               afficher cette aide
  --version            afficher la version
</translation>
    </message>
</context>
<context>
    <name>hmdx::ConfigurationDialog</name>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Faults Count  1             3</source>
        <translation>Défaillances  1             3</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Monitoring Config.</source>
        <translation>Configuration de la surveillance</translation>
    </message>
    <message>
        <source>%1 Enable</source>
        <translation>%1 actif</translation>
    </message>
    <message>
        <source>%1 1 fault</source>
        <translation>%1 1 défaillance</translation>
    </message>
    <message>
        <source>%1 3 faults</source>
        <translation>%1 3 défaillances</translation>
    </message>
    <message>
        <source>%1 Beep</source>
        <translation>%1 bip</translation>
    </message>
</context>
<context>
    <name>hmdx::ConsoleWarnings</name>
    <message>
        <source>reading %1</source>
        <translation>mesure %1</translation>
    </message>
    <message>
        <source>limits %1..%2</source>
        <translation>limites %1..%2</translation>
    </message>
    <message>
        <source>low limit %1</source>
        <translation>limite basse %1</translation>
    </message>
    <message>
        <source>high limit %1</source>
        <translation>limite haute %1</translation>
    </message>
    <message>
        <source>item %1</source>
        <translation>élément %1</translation>
    </message>
    <message>
        <source>%1: out of range</source>
        <translation>%1 : hors limites</translation>
    </message>
    <message>
        <source>%1: out of range (%2)</source>
        <translation>%1 : hors limites (%2)</translation>
    </message>
</context>
<context>
    <name>hmdx::CurvePointFields</name>
    <message>
        <source>Chosen point:</source>
        <translation>Point choisi :</translation>
    </message>
    <message>
        <source>&amp;Temperature:</source>
        <translation>&amp;Température :</translation>
    </message>
    <message>
        <source>D&amp;uty:</source>
        <translation>P&amp;uissance :</translation>
    </message>
</context>
<context>
    <name>hmdx::EventLogModel</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>warning raised</source>
        <translation>Avertissement émis</translation>
    </message>
    <message>
        <source>warning cleared</source>
        <translation>Avertissement retiré</translation>
    </message>
    <message>
        <source>ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>shut down</source>
        <translation>Extinction</translation>
    </message>
    <message>
        <source>limit changed</source>
        <translation>Limite modifiée</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Valeurs d&apos;usine</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>save failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>configuration changed</source>
        <translation>Configuration modifiée</translation>
    </message>
    <message>
        <source>password accepted</source>
        <translation>Mot de passe accepté</translation>
    </message>
    <message>
        <source>password refused</source>
        <translation>Mot de passe refusé</translation>
    </message>
    <message>
        <source>chip reprogrammed</source>
        <translation>Puce reprogrammée</translation>
    </message>
    <message>
        <source>fan settings changed</source>
        <translation>Réglages des ventilateurs modifiés</translation>
    </message>
    <message>
        <source>fan failsafe</source>
        <translation>Sécurité ventilateur</translation>
    </message>
    <message>
        <source>fan control resumed</source>
        <translation>Régulation des ventilateurs reprise</translation>
    </message>
    <message>
        <source>fan guardian ended</source>
        <translation>Gardien des ventilateurs arrêté</translation>
    </message>
    <message>
        <source>fan guardian not started</source>
        <translation>Gardien des ventilateurs non démarré</translation>
    </message>
    <message>
        <source>metrics write failed</source>
        <translation>Échec d&apos;écriture des métriques</translation>
    </message>
    <message>
        <source>alert command output</source>
        <translation>Sortie de la commande d&apos;alerte</translation>
    </message>
    <message>
        <source>alert command failed</source>
        <translation>Échec de la commande d&apos;alerte</translation>
    </message>
    <message>
        <source>alert events dropped</source>
        <translation>Événements d&apos;alerte abandonnés</translation>
    </message>
</context>
<context>
    <name>hmdx::EventLogWindow</name>
    <message>
        <source>Event Log</source>
        <translation>Journal des événements</translation>
    </message>
    <message>
        <source>Select an event to read it in full here.</source>
        <translation>Sélectionnez un événement pour le lire ici en entier.</translation>
    </message>
    <message>
        <source>Search events</source>
        <translation>Rechercher dans les événements</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Tous les éléments</translation>
    </message>
    <message>
        <source>All kinds</source>
        <translation>Tous les types</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>hmdx::FanControl</name>
    <message>
        <source>full</source>
        <translation>pleine vitesse</translation>
    </message>
    <message>
        <source>fixed %1%</source>
        <translation>fixe %1 %</translation>
    </message>
    <message>
        <source>curve on sensor %1</source>
        <translation>courbe sur le capteur %1</translation>
    </message>
    <message>
        <source>output %1 %2</source>
        <translation>sortie %1 : %2</translation>
    </message>
</context>
<context>
    <name>hmdx::FanControlSettings</name>
    <message>
        <source>%1: %2 is missing, out of range or malformed; that output stays at full speed.</source>
        <translation>%1 : %2 est absent, hors limites ou mal formé ; cette sortie reste à pleine vitesse.</translation>
    </message>
    <message>
        <source>%1: %2 are missing, out of range or malformed; that output stays at full speed.</source>
        <translation>%1 : %2 sont absents, hors limites ou mal formés ; cette sortie reste à pleine vitesse.</translation>
    </message>
    <message>
        <source>%1: %2 are missing, out of range or malformed; those outputs stay at full speed.</source>
        <translation>%1 : %2 sont absents, hors limites ou mal formés ; ces sorties restent à pleine vitesse.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2); every fan output stays at full speed.</source>
        <translation>Impossible de lire %1 (%2) ; toutes les sorties de ventilateur restent à pleine vitesse.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source> Nothing was saved.</source>
        <translation> Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The fan control settings could not be saved to %1: %2.</source>
        <translation>Impossible d’enregistrer les réglages de la commande des ventilateurs dans %1 : %2.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>il dépasse 1 Mio</translation>
    </message>
    <message>
        <source>line %1 is neither a section, an entry nor a comment</source>
        <translation>la ligne %1 n’est ni une section, ni une entrée, ni un commentaire</translation>
    </message>
</context>
<context>
    <name>hmdx::FanControlWindow</name>
    <message>
        <source>Fan Control</source>
        <translation>Commande des ventilateurs</translation>
    </message>
    <message>
        <source>Output %1: %2</source>
        <translation>Sortie %1 : %2</translation>
    </message>
</context>
<context>
    <name>hmdx::FanCurveEditor</name>
    <message>
        <source>Duty (%)</source>
        <translation>Puissance (%)</translation>
    </message>
    <message>
        <source>Temperature (°C)</source>
        <translation>Température (°C)</translation>
    </message>
    <message>
        <source>Drag a point to move it, double-click to add one, right-click a point to remove it.
Keys: Left and Right (Home, End) choose a point; Up and Down change its duty, Shift+Left and Shift+Right its temperature, by 10 with Ctrl (Page Up and Page Down: duty by 10); Insert adds a point after it; Delete removes it.</source>
        <translation>Faites glisser un point pour le déplacer, double-cliquez pour en ajouter un, clic droit sur un point pour le supprimer.
Clavier : Gauche et Droite (Début, Fin) choisissent un point ; Haut et Bas changent sa puissance, Maj+Gauche et Maj+Droite sa température, par pas de 10 avec Ctrl (Page préc. et Page suiv. : puissance par pas de 10) ; Inser ajoute un point après lui ; Suppr le supprime.</translation>
    </message>
    <message>
        <source>Full speed above %1 °C</source>
        <translation>Pleine vitesse au-dessus de %1 °C</translation>
    </message>
    <message>
        <source>%1 °C, %2 %</source>
        <translation>%1 °C, %2 %</translation>
    </message>
</context>
<context>
    <name>hmdx::FanFailsafe</name>
    <message>
        <source>under control</source>
        <translation>régulé</translation>
    </message>
    <message>
        <source>sensor not monitored</source>
        <translation>capteur non surveillé</translation>
    </message>
    <message>
        <source>sensor reads outside -40..125 C</source>
        <translation>mesure du capteur hors de -40..125 C</translation>
    </message>
    <message>
        <source>sensor above its high limit</source>
        <translation>capteur au-dessus de sa limite haute</translation>
    </message>
    <message>
        <source>fan stalled below full speed</source>
        <translation>ventilateur bloqué sous la pleine vitesse</translation>
    </message>
    <message>
        <source>system going to sleep</source>
        <translation>mise en veille du système</translation>
    </message>
    <message>
        <source>hmdx ending</source>
        <translation>hmdx se termine</translation>
    </message>
    <message>
        <source>output %1: %2</source>
        <translation>sortie %1 : %2</translation>
    </message>
    <message>
        <source>no fan guardian</source>
        <translation>pas de gardien des ventilateurs</translation>
    </message>
</context>
<context>
    <name>hmdx::FanOutputPanel</name>
    <message>
        <source>Full speed</source>
        <translation>Pleine vitesse</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Mode :</translation>
    </message>
    <message>
        <source>&amp;Duty:</source>
        <translation>&amp;Puissance :</translation>
    </message>
    <message>
        <source>&amp;Sensor:</source>
        <translation>&amp;Capteur :</translation>
    </message>
    <message>
        <source>&amp;Hysteresis:</source>
        <translation>&amp;Hystérésis :</translation>
    </message>
    <message>
        <source>M&amp;inimum:</source>
        <translation>M&amp;inimum :</translation>
    </message>
    <message>
        <source>Drag a point to move it, double-click to add one, right-click to remove it. Keys: the arrows choose and move a point, Insert adds one, Delete removes it.</source>
        <translation>Faites glisser un point pour le déplacer, double-cliquez pour en ajouter un, clic droit pour le supprimer. Clavier : les flèches choisissent et déplacent un point, Inser en ajoute un, Suppr le supprime.</translation>
    </message>
    <message>
        <source>Points above %1 °C are never reached: there the failsafe runs the fan at full speed.</source>
        <translation>Les points au-dessus de %1 °C ne sont jamais atteints : la sécurité y fait tourner le ventilateur à pleine vitesse.</translation>
    </message>
</context>
<context>
    <name>hmdx::FanRows</name>
    <message>
        <source>Low Limit</source>
        <translation>Limite basse</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>%1 low limit</source>
        <translation>%1 limite basse</translation>
    </message>
    <message>
        <source>Fan speed: the fuller the bar, the faster the fan turns</source>
        <translation>Vitesse du ventilateur : plus la barre est remplie, plus le ventilateur tourne vite</translation>
    </message>
</context>
<context>
    <name>hmdx::FanSafety</name>
    <message>
        <source>%1; started again on the next tick</source>
        <translation>%1 ; relancé au cycle suivant</translation>
    </message>
</context>
<context>
    <name>hmdx::FanStatusText</name>
    <message>
        <source>under control</source>
        <translation>régulé</translation>
    </message>
    <message>
        <source>sensor not monitored</source>
        <translation>capteur non surveillé</translation>
    </message>
    <message>
        <source>sensor reads outside -40..125 °C</source>
        <translation>mesure du capteur hors de -40..125 °C</translation>
    </message>
    <message>
        <source>sensor above its high limit</source>
        <translation>capteur au-dessus de sa limite haute</translation>
    </message>
    <message>
        <source>fan stalled below full speed</source>
        <translation>ventilateur bloqué sous la pleine vitesse</translation>
    </message>
    <message>
        <source>system going to sleep</source>
        <translation>mise en veille du système</translation>
    </message>
    <message>
        <source>hmdx ending</source>
        <translation>hmdx se termine</translation>
    </message>
    <message>
        <source>no fan guardian</source>
        <translation>pas de gardien des ventilateurs</translation>
    </message>
    <message>
        <source>Not controlled: the output stays at full speed.</source>
        <translation>Non régulée : la sortie reste à pleine vitesse.</translation>
    </message>
    <message>
        <source>Failsafe (%1): full speed, output %2 of 255</source>
        <translation>Sécurité (%1) : pleine vitesse, sortie %2 sur 255</translation>
    </message>
    <message>
        <source>Fixed duty: %1 %, output %2 of 255</source>
        <translation>Puissance fixe : %1 %, sortie %2 sur 255</translation>
    </message>
    <message>
        <source>Curve: waiting for the sensor&apos;s first reading; output %1 of 255</source>
        <translation>Courbe : en attente de la première mesure du capteur ; sortie %1 sur 255</translation>
    </message>
    <message>
        <source>Curve: %1 °C gives %2 %; output %3 of 255</source>
        <translation>Courbe : %1 °C donne %2 % ; sortie %3 sur 255</translation>
    </message>
    <message>
        <source>Failsafe: not active.</source>
        <translation>Sécurité : inactive.</translation>
    </message>
    <message>
        <source>Failsafe: full speed, %1.</source>
        <translation>Sécurité : pleine vitesse, %1.</translation>
    </message>
</context>
<context>
    <name>hmdx::HistoryWindow</name>
    <message>
        <source>Last 10 minutes</source>
        <translation>10 dernières minutes</translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Dernière heure</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>24 dernières heures</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Élément :</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>Last %1 s</source>
        <translation>%1 dernières secondes</translation>
    </message>
    <message>
        <source>Within limits</source>
        <translation>Dans les limites</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Low limit</source>
        <translation>Limite basse</translation>
    </message>
    <message>
        <source>High limit</source>
        <translation>Limite haute</translation>
    </message>
    <message>
        <source>No readings of %1 in this range.</source>
        <translation>Aucune mesure de %1 sur cette période.</translation>
    </message>
    <message>
        <source>1 reading</source>
        <translation>1 mesure</translation>
    </message>
    <message>
        <source>%1 readings</source>
        <translation>%1 mesures</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>, du %1 au %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Plot other items of the same unit beside this one</source>
        <translation>Tracer à côté de celui-ci d&apos;autres éléments de même unité</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, lowest %1, highest %2</source>
        <translation>, minimum %1, maximum %2</translation>
    </message>
</context>
<context>
    <name>hmdx::InstanceLock</name>
    <message>
        <source>not using the lock file %1: %2; a second hmdx would not be noticed.</source>
        <translation>fichier de verrou %1 non utilisé : %2 ; un second hmdx passerait inaperçu.</translation>
    </message>
    <message>
        <source>its folder cannot be read (%1)</source>
        <translation>son dossier est illisible (%1)</translation>
    </message>
    <message>
        <source>its folder is not a folder of this user&apos;s alone</source>
        <translation>son dossier n’appartient pas à ce seul utilisateur</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>impossible de l’ouvrir (%1)</translation>
    </message>
    <message>
        <source>it is not a file of this user&apos;s</source>
        <translation>ce n’est pas un fichier de cet utilisateur</translation>
    </message>
</context>
<context>
    <name>hmdx::ItemActions</name>
    <message>
        <source>monitor</source>
        <translation>suivi</translation>
    </message>
    <message>
        <source>warn at once</source>
        <translation>avertissement immédiat</translation>
    </message>
    <message>
        <source>warn after 3</source>
        <translation>avertissement après 3 défaillances</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>bip</translation>
    </message>
    <message>
        <source>%1: %2 off -&gt; on</source>
        <translation>%1 : %2 désactivé -&gt; activé</translation>
    </message>
    <message>
        <source>%1: %2 on -&gt; off</source>
        <translation>%1 : %2 activé -&gt; désactivé</translation>
    </message>
    <message>
        <source>ignore</source>
        <translation>ignorer</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>désactiver</translation>
    </message>
    <message>
        <source>declined</source>
        <translation>refusée par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>non autorisée</translation>
    </message>
    <message>
        <source>requested</source>
        <translation>demandée</translation>
    </message>
</context>
<context>
    <name>hmdx::Items</name>
    <message>
        <source>System</source>
        <translation>Carte mère</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Case Open</source>
        <translation>Boîtier ouvert</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Case open</source>
        <translation>Boîtier ouvert</translation>
    </message>
</context>
<context>
    <name>hmdx::JsonLinesSink</name>
    <message>
        <source>Cannot open the event log %1: %2</source>
        <translation>Impossible d’ouvrir le journal des événements %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the event log %1: %2. Events are no longer written to it; monitoring goes on.</source>
        <translation>Impossible d’écrire le journal des événements %1 : %2. Les événements n’y sont plus écrits ; la surveillance continue.</translation>
    </message>
    <message>
        <source>%1 events not written to the event log %2: the reader did not keep up.</source>
        <translation>%1 événements non écrits dans le journal des événements %2 : le lecteur n&apos;a pas suivi.</translation>
    </message>
    <message>
        <source>The event log %1 is not read as fast as events come: events are dropped, and the file will say how many once its reader catches up. Monitoring goes on.</source>
        <translation>Le journal des événements %1 n&apos;est pas lu aussi vite que les événements arrivent : des événements sont abandonnés, et le fichier en dira le nombre dès que son lecteur aura rattrapé son retard. La surveillance continue.</translation>
    </message>
</context>
<context>
    <name>hmdx::Limits</name>
    <message>
        <source>low</source>
        <translation>limite basse</translation>
    </message>
    <message>
        <source>high</source>
        <translation>limite haute</translation>
    </message>
</context>
<context>
    <name>hmdx::MainWindow</name>
    <message>
        <source>r810/hmdx Hardware Monitor</source>
        <translation>r810/hmdx Hardware Monitor</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Fan Speed</source>
        <translation>Vitesse des ventilateurs</translation>
    </message>
    <message>
        <source>Case opened</source>
        <translation>Boîtier ouvert</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Valeurs d&apos;usine</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Event Log</source>
        <translation>&amp;Journal des événements</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>&amp;Fan Control...</source>
        <translation>Commande des &amp;ventilateurs...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Set how the fans follow the temperatures</source>
        <translation>Régler la façon dont les ventilateurs suivent les températures</translation>
    </message>
    <message>
        <source>This chip has no fan outputs</source>
        <translation>Cette puce n&apos;a pas de sortie ventilateur</translation>
    </message>
</context>
<context>
    <name>hmdx::Messages</name>
    <message>
        <source> (no one to answer: no)</source>
        <translation> (personne pour répondre : non)</translation>
    </message>
    <message>
        <source>no raw access to I/O ports. Run as root, or grant the binary alone: sudo setcap cap_sys_rawio+ep $(command -v hmdx)</source>
        <translation>pas d&apos;accès direct aux ports d&apos;E/S. Lancez-le en root, ou accordez le droit au seul programme : sudo setcap cap_sys_rawio+ep $(command -v hmdx)</translation>
    </message>
    <message>
        <source>already running.</source>
        <translation>déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Do you want to shut down your System?</source>
        <translation>Voulez-vous éteindre l&apos;ordinateur ?</translation>
    </message>
    <message>
        <source> You don&apos;t have the priviledge to shut down VUradav1 </source>
        <translation> Vous n&apos;avez pas le droit d&apos;éteindre VUradav1 </translation>
    </message>
    <message>
        <source>LOAD Device Driver fail!</source>
        <translation>Échec du chargement du pilote de périphérique !</translation>
    </message>
    <message>
        <source>Initialize Bus Fail!</source>
        <translation>Échec de l&apos;initialisation du bus !</translation>
    </message>
    <message>
        <source>Norvane Hardware Monitor chip does not exist!</source>
        <translation>Aucune puce Norvane Hardware Monitor n&apos;est présente !</translation>
    </message>
    <message>
        <source>Input Password is not correct!</source>
        <translation>Le mot de passe saisi est incorrect !</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist</source>
        <translation>%1 : le dossier %2 n&apos;existe pas</translation>
    </message>
    <message>
        <source>hmdx</source>
        <translation>hmdx</translation>
    </message>
    <message>
        <source>Board Sentinel</source>
        <translation>Sentinelle de la carte mère</translation>
    </message>
    <message>
        <source>Fan control is off: the fan guardian cannot be started (%1). Without it a crash or a kill could leave a fan slow, so every fan output stays at full speed. hmdx tries again at every tick.</source>
        <translation>La commande des ventilateurs est désactivée : le gardien des ventilateurs ne peut pas être démarré (%1). Sans lui, un plantage ou un arrêt forcé pourrait laisser un ventilateur lent ; chaque sortie reste donc à pleine vitesse. hmdx réessaie à chaque cycle.</translation>
    </message>
</context>
<context>
    <name>hmdx::MetricsPublisher</name>
    <message>
        <source>Cannot write the metrics file %1: %2 Trying again in %3 s; monitoring goes on.</source>
        <translation>Impossible d&apos;écrire le fichier de métriques %1 : %2 Nouvel essai dans %3 s ; la surveillance continue.</translation>
    </message>
</context>
<context>
    <name>hmdx::Monitor</name>
    <message>
        <source>PC Case is opened</source>
        <translation>Boîtier du PC ouvert</translation>
    </message>
    <message>
        <source>PC Case is closed</source>
        <translation>Boîtier du PC fermé</translation>
    </message>
    <message>
        <source>low speed</source>
        <translation>trop lent</translation>
    </message>
    <message>
        <source>low_speed</source>
        <translation>trop_lent</translation>
    </message>
    <message>
        <source>Fan off</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>factory settings, not yet saved</source>
        <translation>réglages d&apos;usine, pas encore enregistrés</translation>
    </message>
</context>
<context>
    <name>hmdx::NotificationSink</name>
    <message>
        <source>Reading: %1</source>
        <translation>Mesure : %1</translation>
    </message>
    <message>
        <source>Limits: %1 to %2</source>
        <translation>Limites : %1 à %2</translation>
    </message>
    <message>
        <source>Low limit: %1</source>
        <translation>Limite basse : %1</translation>
    </message>
    <message>
        <source>High limit: %1</source>
        <translation>Limite haute : %1</translation>
    </message>
    <message>
        <source>Chip programmed again</source>
        <translation>Puce reprogrammée</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>Fan output at full speed</source>
        <translation>Sortie ventilateur à pleine vitesse</translation>
    </message>
    <message>
        <source>%1 out of range</source>
        <translation>%1 hors limites</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>hmdx::PasswordDialog</name>
    <message>
        <source>Confirm Psssword</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Input password:</source>
        <translation>Saisir le mot de passe :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>hmdx::Program</name>
    <message>
        <source>unknown model</source>
        <translation>modèle inconnu</translation>
    </message>
    <message>
        <source>%1, chip ID %2, ports %3/%4</source>
        <translation>%1, ID de puce %2, ports %3/%4</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>code de sortie %1</translation>
    </message>
</context>
<context>
    <name>hmdx::QtTrayIcon</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>hmdx::RowWidgets</name>
    <message>
        <source>The scale&apos;s low end</source>
        <translation>Bas de l&apos;échelle</translation>
    </message>
    <message>
        <source>The scale&apos;s high end</source>
        <translation>Haut de l&apos;échelle</translation>
    </message>
    <message>
        <source>The marker shows the reading against the limits</source>
        <translation>Le repère situe la mesure par rapport aux limites</translation>
    </message>
</context>
<context>
    <name>hmdx::SettingsFile</name>
    <message>
        <source>The settings file &quot;%1&quot; holds values that cannot be used. These entries take their factory values: %2.</source>
        <translation>Le fichier de réglages « %1 » contient des valeurs inutilisables. Ces entrées reprennent leurs valeurs d’usine : %2.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: %2. Factory settings are in use; the file stays as it is until you save.</source>
        <translation>Impossible de lire le fichier de réglages « %1 » : %2. Les réglages d’usine sont utilisés ; le fichier reste tel quel jusqu’à ce que vous enregistriez.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is too short (%2 of %3 bytes). Factory settings are in use; the file stays as it is until you save.</source>
        <translation>Le fichier de réglages « %1 » est trop court (%2 octets sur %3). Les réglages d’usine sont utilisés ; le fichier reste tel quel jusqu’à ce que vous enregistriez.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2. Your settings are kept in memory; the file is unchanged.</source>
        <translation>Impossible d’enregistrer les réglages dans « %1 » : %2. Vos réglages sont conservés en mémoire ; le fichier est inchangé.</translation>
    </message>
</context>
<context>
    <name>hmdx::Startup</name>
    <message>
        <source>The monitor chip&apos;s ports %1-%2 are in use by the kernel driver &quot;%3&quot;. Two programs moving the chip&apos;s bank register at once corrupt each other&apos;s readings and limits. Unload it with &quot;sudo modprobe -r %3&quot; and start hmdx again.</source>
        <translation>Les ports %1-%2 de la puce de surveillance sont utilisés par le pilote du noyau « %3 ». Deux programmes qui changent en même temps le registre de banque de la puce faussent mutuellement leurs mesures et leurs limites. Déchargez-le avec « sudo modprobe -r %3 » puis relancez hmdx.</translation>
    </message>
    <message>
        <source>could not check whether a kernel driver uses the chip&apos;s ports: %1.</source>
        <translation>impossible de vérifier si un pilote du noyau utilise les ports de la puce : %1.</translation>
    </message>
    <message>
        <source>Unsupported hardware monitor chip (ID %1).</source>
        <translation>Puce de surveillance matérielle non prise en charge (ID %1).</translation>
    </message>
    <message>
        <source>The monitor chip is in use by the hmdx service (process %1). Only one hmdx at a time may drive the chip; stop the service first with &quot;sudo systemctl stop hmdx&quot;.</source>
        <translation>La puce de surveillance est utilisée par le service hmdx (processus %1). Un seul hmdx à la fois peut piloter la puce ; arrêtez d&apos;abord le service avec « sudo systemctl stop hmdx ».</translation>
    </message>
    <message>
        <source>The monitor chip is in use by another hmdx, whose process cannot be seen from here. Only one hmdx at a time may drive the chip.</source>
        <translation>La puce de surveillance est utilisée par un autre hmdx, dont le processus n&apos;est pas visible d&apos;ici. Un seul hmdx à la fois peut piloter la puce.</translation>
    </message>
    <message>
        <source>process %1 of user %2</source>
        <translation>processus %1 de l&apos;utilisateur %2</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>processus %1</translation>
    </message>
    <message>
        <source>The monitor chip is in use by another hmdx: %1. Only one hmdx at a time may drive the chip; end that one first.</source>
        <translation>La puce de surveillance est utilisée par un autre hmdx : %1. Un seul hmdx à la fois peut piloter la puce ; terminez d&apos;abord celui-là.</translation>
    </message>
    <message>
        <source>could not claim the monitor chip for this machine: %1; another hmdx driving it would not be noticed.</source>
        <translation>impossible de réserver la puce de surveillance pour cette machine : %1 ; un autre hmdx qui la piloterait ne serait pas remarqué.</translation>
    </message>
    <message>
        <source>The monitor chip cannot be claimed: %1. The file belongs to user %2, and hmdx takes the chip as in use. Only one hmdx at a time may drive the chip; remove the file, or have an administrator remove it.</source>
        <translation>La puce de surveillance ne peut pas être réservée : %1. Le fichier appartient à l&apos;utilisateur %2, et hmdx considère la puce comme occupée. Un seul hmdx à la fois peut piloter la puce ; supprimez le fichier ou faites-le supprimer par un administrateur.</translation>
    </message>
</context>
<context>
    <name>hmdx::TemperatureRows</name>
    <message>
        <source>High Limit</source>
        <translation>Limite haute</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1 high limit</source>
        <translation>%1 limite haute</translation>
    </message>
    <message>
        <source>Hysteresis: once the temperature went above its high limit, the chip&apos;s alarm clears only below this temperature</source>
        <translation>Hystérésis : une fois la limite haute dépassée, l&apos;alarme de la puce ne cesse qu&apos;en dessous de cette température</translation>
    </message>
</context>
<context>
    <name>hmdx::UpDown</name>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
</context>
<context>
    <name>hmdx::VoltageRows</name>
    <message>
        <source>Low Limit</source>
        <translation>Limite basse</translation>
    </message>
    <message>
        <source>High Limit</source>
        <translation>Limite haute</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1 low limit</source>
        <translation>%1 limite basse</translation>
    </message>
    <message>
        <source>%1 high limit</source>
        <translation>%1 limite haute</translation>
    </message>
</context>
<context>
    <name>hmdx::WarningDialog</name>
    <message>
        <source>Warning !!!</source>
        <translation>Avertissement !!!</translation>
    </message>
    <message>
        <source>Warning!!!</source>
        <translation>Avertissement !!!</translation>
    </message>
    <message>
        <source>Your Vcore voltage exceed the limits.</source>
        <translation>Votre tension Vcore dépasse les limites.</translation>
    </message>
    <message>
        <source>Your VcoreB voltage exceed the limits.</source>
        <translation>Votre tension VcoreB dépasse les limites.</translation>
    </message>
    <message>
        <source>Your  +3.3V voltage exceed the limits.</source>
        <translation>Votre tension +3.3V dépasse les limites.</translation>
    </message>
    <message>
        <source>Your +5V voltage exceed the limits.</source>
        <translation>Votre tension +5V dépasse les limites.</translation>
    </message>
    <message>
        <source>Your +12V voltage exceed the limits.</source>
        <translation>Votre tension +12V dépasse les limites.</translation>
    </message>
    <message>
        <source>Your -12V voltage exceed the limits.</source>
        <translation>Votre tension -12V dépasse les limites.</translation>
    </message>
    <message>
        <source>Your -5V voltage exceed the limits.</source>
        <translation>Votre tension -5V dépasse les limites.</translation>
    </message>
    <message>
        <source>Your 5Vsb voltage exceed the limits.</source>
        <translation>Votre tension 5Vsb dépasse les limites.</translation>
    </message>
    <message>
        <source>Your Vbat voltage exceed the limits.</source>
        <translation>Votre tension Vbat dépasse les limites.</translation>
    </message>
    <message>
        <source>Your CPU FAN Speed exceed the limits.</source>
        <translation>La vitesse du ventilateur CPU FAN dépasse les limites.</translation>
    </message>
    <message>
        <source>Your FAN1 Speed exceed the limits.</source>
        <translation>La vitesse du ventilateur FAN1 dépasse les limites.</translation>
    </message>
    <message>
        <source>Your Fan 3 Speed exceed the limits.</source>
        <translation>La vitesse du ventilateur 3 dépasse les limites.</translation>
    </message>
    <message>
        <source>Your system temperature exceed the limits.</source>
        <translation>La température de la carte mère dépasse les limites.</translation>
    </message>
    <message>
        <source>Your CPU  temperature exceed the limits.</source>
        <translation>La température de votre CPU dépasse les limites.</translation>
    </message>
    <message>
        <source>Your certain device temperature exceed the limits.</source>
        <translation>La température d&apos;un autre composant dépasse les limites.</translation>
    </message>
    <message>
        <source>Your PC Case has been opened.</source>
        <translation>Le boîtier de votre PC a été ouvert.</translation>
    </message>
    <message>
        <source>Your Vcore Voltage exceed the limits</source>
        <translation>Votre tension Vcore dépasse les limites</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Ignore this Warning Message.</source>
        <translation>Ignorer cet avertissement.</translation>
    </message>
    <message>
        <source>No more monitor this item</source>
        <translation>Ne plus surveiller cet élément</translation>
    </message>
    <message>
        <source>Exit Windows</source>
        <translation>Éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Attention !</translation>
    </message>
</context>
</TS>
