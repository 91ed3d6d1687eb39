<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlertCommand</name>
    <message>
        <source>The alert command %1 cannot be started: %2. Later events try it again without saying so.</source>
        <translation>Der Alarmbefehl %1 kann nicht gestartet werden: %2. Spätere Ereignisse versuchen es erneut, ohne es zu melden.</translation>
    </message>
    <message>
        <source>%1 events already wait for the alert command; this one and later ones are not run until it catches up</source>
        <translation>%1 Ereignisse warten bereits auf den Alarmbefehl; dieses und spätere werden nicht ausgeführt, bis er aufgeholt hat</translation>
    </message>
    <message>
        <source>%1 events were not run while the alert command was behind</source>
        <translation>%1 Ereignisse wurden nicht ausgeführt, während der Alarmbefehl im Rückstand war</translation>
    </message>
    <message>
        <source>%1 [%2 more bytes not kept]</source>
        <translation>%1 [%2 weitere Bytes verworfen]</translation>
    </message>
    <message>
        <source>still running after %1: ended</source>
        <translation>lief nach %1 noch: beendet</translation>
    </message>
    <message>
        <source>ended by a signal</source>
        <translation>durch ein Signal beendet</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>Rückgabewert %1</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DesktopSettings</name>
    <message>
        <source>%1 cannot be read (%2); the desktop settings stay at their defaults and are not saved there.</source>
        <translation>%1 kann nicht gelesen werden (%2); die Desktop-Einstellungen behalten ihre Standardwerte und werden dort nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be used; the default is used instead, and the file is left as it is.</source>
        <translation>%1: %2 kann nicht verwendet werden; stattdessen gilt der Standardwert, und die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Start at Login is not kept in %1, which cannot be read (%2).</source>
        <translation>„Beim Anmelden starten“ wird nicht in %1 gespeichert, das nicht gelesen werden kann (%2).</translation>
    </message>
    <message>
        <source>Start at Login could not be saved to %1: %2.</source>
        <translation>„Beim Anmelden starten“ konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>StartAtLogin</name>
    <message>
        <source>%1 could not be removed: %2.</source>
        <translation>%1 konnte nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Beim &amp;Anmelden starten</translation>
    </message>
    <message>
        <source>%1 was not written: a login entry holds UTF-8 text without control characters, and cannot name %2.</source>
        <translation>%1 wurde nicht geschrieben: ein Anmeldeeintrag enthält UTF-8-Text ohne Steuerzeichen und kann %2 nicht nennen.</translation>
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
        <translation>%1 U/min</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>not read yet</source>
        <translation>noch nicht gelesen</translation>
    </message>
    <message>
        <source>the case is closed</source>
        <translation>das Gehäuse ist geschlossen</translation>
    </message>
    <message>
        <source>the case has been opened, out of range</source>
        <translation>das Gehäuse wurde geöffnet, außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>%1, out of range</source>
        <translation>%1, außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>%1, within %2 to %3</source>
        <translation>%1, im Bereich %2 bis %3</translation>
    </message>
    <message>
        <source>%1, within the low limit %2</source>
        <translation>%1, Untergrenze %2 eingehalten</translation>
    </message>
    <message>
        <source>%1, within the high limit %2</source>
        <translation>%1, Obergrenze %2 eingehalten</translation>
    </message>
    <message>
        <source>%1: %2, limits %3 to %4</source>
        <translation>%1: %2, Grenzen %3 bis %4</translation>
    </message>
    <message>
        <source>%1: %2, low limit %3</source>
        <translation>%1: %2, Untergrenze %3</translation>
    </message>
    <message>
        <source>%1: %2, high limit %3</source>
        <translation>%1: %2, Obergrenze %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Out of range:</source>
        <translation>Außerhalb des Bereichs:</translation>
    </message>
    <message>
        <source>All monitored items are in range.</source>
        <translation>Alle überwachten Messpunkte sind im Bereich.</translation>
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
        <translation>Hardware-Monitor</translation>
    </message>
</context>
<context>
    <name>hmdx::AboutDialog</name>
    <message>
        <source>About Hardware Monitor</source>
        <translation>Über Hardware-Monitor</translation>
    </message>
    <message>
        <source>r810/hmdx Hardware Monitor Product Utility</source>
        <translation>r810/hmdx Hardware-Monitor – Dienstprogramm</translation>
    </message>
    <message>
        <source>Hardware Monitor for NT/Win2000</source>
        <translation>Hardware Monitor für NT/Win2000</translation>
    </message>
    <message>
        <source>Version 1.0.0</source>
        <translation>Version 1.0.0</translation>
    </message>
    <message>
        <source>Watches the board&apos;s voltages, fans, temperatures and case switch.</source>
        <translation>Überwacht Spannungen, Lüfter, Temperaturen und Gehäuseschalter der Hauptplatine.</translation>
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
        <translation>Die Szenariodatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write the trace file &quot;%1&quot;: %2.</source>
        <translation>Die Protokolldatei der Portzugriffe „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>hmdx::ChipKeeper</name>
    <message>
        <source>read-back</source>
        <translation>Rücklesen</translation>
    </message>
    <message>
        <source>resume</source>
        <translation>Aufwachen aus dem Ruhezustand</translation>
    </message>
    <message>
        <source>%1; registers that had changed: %2</source>
        <translation>%1; geänderte Register: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>hmdx::CommandLine</name>
    <message>
        <source>--sim-trace and --sim-dump need --simulate or --scenario</source>
        <translation>--sim-trace und --sim-dump brauchen --simulate oder --scenario</translation>
    </message>
    <message>
        <source>%1 needs whole seconds from %2 to 86400, got &apos;%3&apos;</source>
        <translation>%1 braucht ganze Sekunden von %2 bis 86400, erhalten: &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 needs whole seconds from %2 to 86400</source>
        <translation>%1 braucht ganze Sekunden von %2 bis 86400</translation>
    </message>
    <message>
        <source>unknown chip model &apos;%1&apos; (use hma, hmb, hmc or hmdf)</source>
        <translation>unbekanntes Chipmodell &apos;%1&apos; (hma, hmb, hmc oder hmdf verwenden)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
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
        <translation>Aufruf: hmdx [Optionen]
Überwacht den Hardware-Monitor-Chip der Hauptplatine: Spannungen, Lüfter,
Temperaturen und den Gehäusekontakt. Ohne --simulate oder --scenario steuert
hmdx den echten Chip und braucht dafür die Port-Berechtigung (man hmdx,
Abschnitt PERMISSIONS).

  --simulate[=MODEL]   Chip simulieren: hma, hmb, hmc oder hmdf (Standard hmb)
  --scenario FILE      den simulierten Chip nach Skript steuern (schließt
                       --simulate ein); die Anweisungen beschreibt man hmdx,
                       Abschnitt SCENARIO LANGUAGE
  --sim-trace FILE     jeden Portzugriff der Simulation in FILE schreiben
  --sim-dump FILE      die simulierten Register am Ende in FILE schreiben
  --data-dir DIR       die Einstellungsdatei in DIR statt im üblichen Ordner
                       halten (neben dem Programm in einem Build-Verzeichnis
                       oder einer eigenen Kopie, sonst ~/.local/share/hmdx)
  --event-log FILE     jedes Ereignis zusätzlich als JSON Lines an FILE anhängen
  --verify-interval S  die Grenzwerte des Chips alle S Sekunden zurücklesen und
                       geänderte berichtigen (Standard 60; 0: nie)
  --headless           ohne Bildschirm laufen: Warnungen gehen auf die
                       Standardfehlerausgabe und ins Ereignisprotokoll; SIGTERM
                       beendet es
  --metrics-file FILE  Prometheus-Metriken schreiben (Textdateiformat von
                       node_exporter)
  --metrics-interval S wie oft sie geschrieben werden (Standard 15)
  --fans-full          jeden Lüfterausgang des Chips auf volle Drehzahl setzen
                       und beenden
  --alert-command PROGRAM
                       PROGRAM (ohne Shell, ohne Argumente) ausführen, wenn
                       eine Warnung kommt oder geht, der Chip neu programmiert
                       wird oder ein Lüfter in die Schutzschaltung geht;
                       HMDX_*-Variablen sagen, was geschah
                       (Standard: alertCommand in hmdx.conf)
  --minimized          versteckt im Infobereich starten (ohne Infobereich
                       minimiert)
  --help               diese Hilfe zeigen
  --version            die Version zeigen
</translation>
    </message>
</context>
<context>
    <name>hmdx::ConfigurationDialog</name>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Faults Count  1             3</source>
        <translation>Fehleranzahl  1             3</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Piepton</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Monitoring Config.</source>
        <translation>Überwachung einrichten</translation>
    </message>
    <message>
        <source>%1 Enable</source>
        <translation>%1 aktiv</translation>
    </message>
    <message>
        <source>%1 1 fault</source>
        <translation>%1 1 Fehler</translation>
    </message>
    <message>
        <source>%1 3 faults</source>
        <translation>%1 3 Fehler</translation>
    </message>
    <message>
        <source>%1 Beep</source>
        <translation>%1 Piepton</translation>
    </message>
</context>
<context>
    <name>hmdx::ConsoleWarnings</name>
    <message>
        <source>reading %1</source>
        <translation>Messwert %1</translation>
    </message>
    <message>
        <source>limits %1..%2</source>
        <translation>Grenzen %1..%2</translation>
    </message>
    <message>
        <source>low limit %1</source>
        <translation>Untergrenze %1</translation>
    </message>
    <message>
        <source>high limit %1</source>
        <translation>Obergrenze %1</translation>
    </message>
    <message>
        <source>item %1</source>
        <translation>Messpunkt %1</translation>
    </message>
    <message>
        <source>%1: out of range</source>
        <translation>%1: außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>%1: out of range (%2)</source>
        <translation>%1: außerhalb des Bereichs (%2)</translation>
    </message>
</context>
<context>
    <name>hmdx::CurvePointFields</name>
    <message>
        <source>Chosen point:</source>
        <translation>Gewählter Punkt:</translation>
    </message>
    <message>
        <source>&amp;Temperature:</source>
        <translation>&amp;Temperatur:</translation>
    </message>
    <message>
        <source>D&amp;uty:</source>
        <translation>Leist&amp;ung:</translation>
    </message>
</context>
<context>
    <name>hmdx::EventLogModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Messpunkt</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>warning raised</source>
        <translation>Warnung ausgelöst</translation>
    </message>
    <message>
        <source>warning cleared</source>
        <translation>Warnung aufgehoben</translation>
    </message>
    <message>
        <source>ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>shut down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>limit changed</source>
        <translation>Grenzwert geändert</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>configuration changed</source>
        <translation>Konfiguration geändert</translation>
    </message>
    <message>
        <source>password accepted</source>
        <translation>Passwort angenommen</translation>
    </message>
    <message>
        <source>password refused</source>
        <translation>Passwort abgelehnt</translation>
    </message>
    <message>
        <source>chip reprogrammed</source>
        <translation>Chip neu programmiert</translation>
    </message>
    <message>
        <source>fan settings changed</source>
        <translation>Lüftereinstellungen geändert</translation>
    </message>
    <message>
        <source>fan failsafe</source>
        <translation>Lüfter-Schutzschaltung</translation>
    </message>
    <message>
        <source>fan control resumed</source>
        <translation>Lüftersteuerung fortgesetzt</translation>
    </message>
    <message>
        <source>fan guardian ended</source>
        <translation>Lüfterwächter beendet</translation>
    </message>
    <message>
        <source>fan guardian not started</source>
        <translation>Lüfterwächter nicht gestartet</translation>
    </message>
    <message>
        <source>metrics write failed</source>
        <translation>Metriken nicht geschrieben</translation>
    </message>
    <message>
        <source>alert command output</source>
        <translation>Ausgabe des Alarmbefehls</translation>
    </message>
    <message>
        <source>alert command failed</source>
        <translation>Alarmbefehl fehlgeschlagen</translation>
    </message>
    <message>
        <source>alert events dropped</source>
        <translation>Alarmereignisse verworfen</translation>
    </message>
</context>
<context>
    <name>hmdx::EventLogWindow</name>
    <message>
        <source>Event Log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Select an event to read it in full here.</source>
        <translation>Wählen Sie ein Ereignis, um es hier vollständig zu lesen.</translation>
    </message>
    <message>
        <source>Search events</source>
        <translation>Ereignisse durchsuchen</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Alle Messpunkte</translation>
    </message>
    <message>
        <source>All kinds</source>
        <translation>Alle Arten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>hmdx::FanControl</name>
    <message>
        <source>full</source>
        <translation>volle Drehzahl</translation>
    </message>
    <message>
        <source>fixed %1%</source>
        <translation>fest %1%</translation>
    </message>
    <message>
        <source>curve on sensor %1</source>
        <translation>Kurve nach Sensor %1</translation>
    </message>
    <message>
        <source>output %1 %2</source>
        <translation>Ausgang %1: %2</translation>
    </message>
</context>
<context>
    <name>hmdx::FanControlSettings</name>
    <message>
        <source>%1: %2 is missing, out of range or malformed; that output stays at full speed.</source>
        <translation>%1: %2 fehlt, liegt außerhalb des Bereichs oder ist fehlerhaft; dieser Ausgang bleibt auf voller Drehzahl.</translation>
    </message>
    <message>
        <source>%1: %2 are missing, out of range or malformed; that output stays at full speed.</source>
        <translation>%1: %2 fehlen, liegen außerhalb des Bereichs oder sind fehlerhaft; dieser Ausgang bleibt auf voller Drehzahl.</translation>
    </message>
    <message>
        <source>%1: %2 are missing, out of range or malformed; those outputs stay at full speed.</source>
        <translation>%1: %2 fehlen, liegen außerhalb des Bereichs oder sind fehlerhaft; diese Ausgänge bleiben auf voller Drehzahl.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2); every fan output stays at full speed.</source>
        <translation>%1 kann nicht gelesen werden (%2); alle Lüfterausgänge bleiben auf voller Drehzahl.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source> Nothing was saved.</source>
        <translation> Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The fan control settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen der Lüftersteuerung konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>größer als 1 MiB</translation>
    </message>
    <message>
        <source>line %1 is neither a section, an entry nor a comment</source>
        <translation>Zeile %1 ist weder ein Abschnitt noch ein Eintrag noch ein Kommentar</translation>
    </message>
</context>
<context>
    <name>hmdx::FanControlWindow</name>
    <message>
        <source>Fan Control</source>
        <translation>Lüftersteuerung</translation>
    </message>
    <message>
        <source>Output %1: %2</source>
        <translation>Ausgang %1: %2</translation>
    </message>
</context>
<context>
    <name>hmdx::FanCurveEditor</name>
    <message>
        <source>Duty (%)</source>
        <translation>Leistung (%)</translation>
    </message>
    <message>
        <source>Temperature (°C)</source>
        <translation>Temperatur (°C)</translation>
    </message>
    <message>
        <source>Drag a point to move it, double-click to add one, right-click a point to remove it.
Keys: Left and Right (Home, End) choose a point; Up and Down change its duty, Shift+Left and Shift+Right its temperature, by 10 with Ctrl (Page Up and Page Down: duty by 10); Insert adds a point after it; Delete removes it.</source>
        <translation>Ziehen Sie einen Punkt, um ihn zu verschieben; ein Doppelklick fügt einen hinzu, ein Rechtsklick auf einen Punkt entfernt ihn.
Tasten: Pfeil links und rechts (Pos1, Ende) wählen einen Punkt; Pfeil auf und ab ändern seine Leistung, Umschalt+Pfeil links und Umschalt+Pfeil rechts seine Temperatur, mit Strg jeweils um 10 (Bild auf und Bild ab: Leistung um 10); Einfg fügt dahinter einen Punkt ein; Entf entfernt ihn.</translation>
    </message>
    <message>
        <source>Full speed above %1 °C</source>
        <translation>Volle Drehzahl über %1 °C</translation>
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
        <translation>unter Kontrolle</translation>
    </message>
    <message>
        <source>sensor not monitored</source>
        <translation>Sensor nicht überwacht</translation>
    </message>
    <message>
        <source>sensor reads outside -40..125 C</source>
        <translation>Sensorwert außerhalb von -40..125 C</translation>
    </message>
    <message>
        <source>sensor above its high limit</source>
        <translation>Sensor über seiner Obergrenze</translation>
    </message>
    <message>
        <source>fan stalled below full speed</source>
        <translation>Lüfter unterhalb voller Drehzahl stehen geblieben</translation>
    </message>
    <message>
        <source>system going to sleep</source>
        <translation>System geht in den Ruhezustand</translation>
    </message>
    <message>
        <source>hmdx ending</source>
        <translation>hmdx wird beendet</translation>
    </message>
    <message>
        <source>output %1: %2</source>
        <translation>Ausgang %1: %2</translation>
    </message>
    <message>
        <source>no fan guardian</source>
        <translation>kein Lüfterwächter</translation>
    </message>
</context>
<context>
    <name>hmdx::FanOutputPanel</name>
    <message>
        <source>Full speed</source>
        <translation>Volle Drehzahl</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
    <message>
        <source>&amp;Duty:</source>
        <translation>&amp;Leistung:</translation>
    </message>
    <message>
        <source>&amp;Sensor:</source>
        <translation>&amp;Sensor:</translation>
    </message>
    <message>
        <source>&amp;Hysteresis:</source>
        <translation>&amp;Hysterese:</translation>
    </message>
    <message>
        <source>M&amp;inimum:</source>
        <translation>M&amp;inimum:</translation>
    </message>
    <message>
        <source>Drag a point to move it, double-click to add one, right-click to remove it. Keys: the arrows choose and move a point, Insert adds one, Delete removes it.</source>
        <translation>Ziehen Sie einen Punkt, um ihn zu verschieben; ein Doppelklick fügt einen hinzu, ein Rechtsklick entfernt ihn. Tasten: Die Pfeiltasten wählen und verschieben einen Punkt, Einfg fügt einen hinzu, Entf entfernt ihn.</translation>
    </message>
    <message>
        <source>Points above %1 °C are never reached: there the failsafe runs the fan at full speed.</source>
        <translation>Punkte über %1 °C werden nie erreicht: Dort lässt die Schutzschaltung den Lüfter mit voller Drehzahl laufen.</translation>
    </message>
</context>
<context>
    <name>hmdx::FanRows</name>
    <message>
        <source>Low Limit</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>%1 low limit</source>
        <translation>%1 Untergrenze</translation>
    </message>
    <message>
        <source>Fan speed: the fuller the bar, the faster the fan turns</source>
        <translation>Lüfterdrehzahl: Je voller der Balken, desto schneller dreht sich der Lüfter</translation>
    </message>
</context>
<context>
    <name>hmdx::FanSafety</name>
    <message>
        <source>%1; started again on the next tick</source>
        <translation>%1; beim nächsten Takt erneut gestartet</translation>
    </message>
</context>
<context>
    <name>hmdx::FanStatusText</name>
    <message>
        <source>under control</source>
        <translation>unter Kontrolle</translation>
    </message>
    <message>
        <source>sensor not monitored</source>
        <translation>Sensor nicht überwacht</translation>
    </message>
    <message>
        <source>sensor reads outside -40..125 °C</source>
        <translation>Sensorwert außerhalb von -40..125 °C</translation>
    </message>
    <message>
        <source>sensor above its high limit</source>
        <translation>Sensor über seiner Obergrenze</translation>
    </message>
    <message>
        <source>fan stalled below full speed</source>
        <translation>Lüfter unterhalb voller Drehzahl stehen geblieben</translation>
    </message>
    <message>
        <source>system going to sleep</source>
        <translation>System geht in den Ruhezustand</translation>
    </message>
    <message>
        <source>hmdx ending</source>
        <translation>hmdx wird beendet</translation>
    </message>
    <message>
        <source>no fan guardian</source>
        <translation>kein Lüfterwächter</translation>
    </message>
    <message>
        <source>Not controlled: the output stays at full speed.</source>
        <translation>Nicht gesteuert: Der Ausgang bleibt auf voller Drehzahl.</translation>
    </message>
    <message>
        <source>Failsafe (%1): full speed, output %2 of 255</source>
        <translation>Schutzschaltung (%1): volle Drehzahl, Ausgang %2 von 255</translation>
    </message>
    <message>
        <source>Fixed duty: %1 %, output %2 of 255</source>
        <translation>Feste Leistung: %1 %, Ausgang %2 von 255</translation>
    </message>
    <message>
        <source>Curve: waiting for the sensor&apos;s first reading; output %1 of 255</source>
        <translation>Kurve: Warten auf den ersten Messwert des Sensors; Ausgang %1 von 255</translation>
    </message>
    <message>
        <source>Curve: %1 °C gives %2 %; output %3 of 255</source>
        <translation>Kurve: %1 °C ergibt %2 %; Ausgang %3 von 255</translation>
    </message>
    <message>
        <source>Failsafe: not active.</source>
        <translation>Schutzschaltung: nicht aktiv.</translation>
    </message>
    <message>
        <source>Failsafe: full speed, %1.</source>
        <translation>Schutzschaltung: volle Drehzahl, %1.</translation>
    </message>
</context>
<context>
    <name>hmdx::HistoryWindow</name>
    <message>
        <source>Last 10 minutes</source>
        <translation>Letzte 10 Minuten</translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Letzte Stunde</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Letzte 24 Stunden</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Messpunkt:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Last %1 s</source>
        <translation>Letzte %1 s</translation>
    </message>
    <message>
        <source>Within limits</source>
        <translation>Innerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Low limit</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>High limit</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>No readings of %1 in this range.</source>
        <translation>Keine Messwerte von %1 in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>1 reading</source>
        <translation>1 Messwert</translation>
    </message>
    <message>
        <source>%1 readings</source>
        <translation>%1 Messwerte</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <translation>, %1 bis %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Plot other items of the same unit beside this one</source>
        <translation>Andere Messpunkte mit derselben Einheit neben diesem anzeigen</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, lowest %1, highest %2</source>
        <translation>, Minimum %1, Maximum %2</translation>
    </message>
</context>
<context>
    <name>hmdx::InstanceLock</name>
    <message>
        <source>not using the lock file %1: %2; a second hmdx would not be noticed.</source>
        <translation>Sperrdatei %1 wird nicht verwendet: %2; ein zweites hmdx würde nicht bemerkt.</translation>
    </message>
    <message>
        <source>its folder cannot be read (%1)</source>
        <translation>ihr Ordner kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its folder is not a folder of this user&apos;s alone</source>
        <translation>ihr Ordner gehört nicht allein diesem Benutzer</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>sie ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>sie kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>it is not a file of this user&apos;s</source>
        <translation>sie ist keine Datei dieses Benutzers</translation>
    </message>
</context>
<context>
    <name>hmdx::ItemActions</name>
    <message>
        <source>monitor</source>
        <translation>überwachen</translation>
    </message>
    <message>
        <source>warn at once</source>
        <translation>sofort warnen</translation>
    </message>
    <message>
        <source>warn after 3</source>
        <translation>nach 3 warnen</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>Piepton</translation>
    </message>
    <message>
        <source>%1: %2 off -&gt; on</source>
        <translation>%1: %2 aus -&gt; an</translation>
    </message>
    <message>
        <source>%1: %2 on -&gt; off</source>
        <translation>%1: %2 an -&gt; aus</translation>
    </message>
    <message>
        <source>ignore</source>
        <translation>ignorieren</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>deaktivieren</translation>
    </message>
    <message>
        <source>declined</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>verweigert</translation>
    </message>
    <message>
        <source>requested</source>
        <translation>angefordert</translation>
    </message>
</context>
<context>
    <name>hmdx::Items</name>
    <message>
        <source>System</source>
        <translation>Mainboard</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Case Open</source>
        <translation>Gehäuse offen</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Case open</source>
        <translation>Gehäuse offen</translation>
    </message>
</context>
<context>
    <name>hmdx::JsonLinesSink</name>
    <message>
        <source>Cannot open the event log %1: %2</source>
        <translation>Das Ereignisprotokoll %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the event log %1: %2. Events are no longer written to it; monitoring goes on.</source>
        <translation>Das Ereignisprotokoll %1 kann nicht geschrieben werden: %2. Ereignisse werden nicht mehr hineingeschrieben; die Überwachung läuft weiter.</translation>
    </message>
    <message>
        <source>%1 events not written to the event log %2: the reader did not keep up.</source>
        <translation>%1 Ereignisse nicht in das Ereignisprotokoll %2 geschrieben: der Leser kam nicht mit.</translation>
    </message>
    <message>
        <source>The event log %1 is not read as fast as events come: events are dropped, and the file will say how many once its reader catches up. Monitoring goes on.</source>
        <translation>Das Ereignisprotokoll %1 wird nicht so schnell gelesen, wie Ereignisse eintreffen: Ereignisse werden verworfen, und die Datei nennt ihre Zahl, sobald ihr Leser aufholt. Die Überwachung läuft weiter.</translation>
    </message>
</context>
<context>
    <name>hmdx::Limits</name>
    <message>
        <source>low</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>high</source>
        <translation>Obergrenze</translation>
    </message>
</context>
<context>
    <name>hmdx::MainWindow</name>
    <message>
        <source>r810/hmdx Hardware Monitor</source>
        <translation>r810/hmdx Hardware-Monitor</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Fan Speed</source>
        <translation>Lüfterdrehzahl</translation>
    </message>
    <message>
        <source>Case opened</source>
        <translation>Gehäuse geöffnet</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Werkseinstellungen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Event Log</source>
        <translation>&amp;Ereignisprotokoll</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Fan Control...</source>
        <translation>&amp;Lüftersteuerung...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Set how the fans follow the temperatures</source>
        <translation>Festlegen, wie die Lüfter den Temperaturen folgen</translation>
    </message>
    <message>
        <source>This chip has no fan outputs</source>
        <translation>Dieser Chip hat keine Lüfterausgänge</translation>
    </message>
</context>
<context>
    <name>hmdx::Messages</name>
    <message>
        <source> (no one to answer: no)</source>
        <translation> (niemand kann antworten: nein)</translation>
    </message>
    <message>
        <source>no raw access to I/O ports. Run as root, or grant the binary alone: sudo setcap cap_sys_rawio+ep $(command -v hmdx)</source>
        <translation>kein direkter Zugriff auf die E/A-Ports. Als root starten oder nur dem Programm das Recht geben: sudo setcap cap_sys_rawio+ep $(command -v hmdx)</translation>
    </message>
    <message>
        <source>already running.</source>
        <translation>läuft bereits.</translation>
    </message>
    <message>
        <source>Do you want to shut down your System?</source>
        <translation>Möchten Sie das System herunterfahren?</translation>
    </message>
    <message>
        <source> You don&apos;t have the priviledge to shut down VUradav1 </source>
        <translation> Sie haben nicht das Recht, VUradav1 herunterzufahren </translation>
    </message>
    <message>
        <source>LOAD Device Driver fail!</source>
        <translation>Gerätetreiber konnte nicht geladen werden!</translation>
    </message>
    <message>
        <source>Initialize Bus Fail!</source>
        <translation>Bus konnte nicht initialisiert werden!</translation>
    </message>
    <message>
        <source>Norvane Hardware Monitor chip does not exist!</source>
        <translation>Kein Norvane-Hardware-Monitor-Chip vorhanden!</translation>
    </message>
    <message>
        <source>Input Password is not correct!</source>
        <translation>Das eingegebene Passwort ist falsch!</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist</source>
        <translation>%1: Der Ordner %2 existiert nicht</translation>
    </message>
    <message>
        <source>hmdx</source>
        <translation>hmdx</translation>
    </message>
    <message>
        <source>Board Sentinel</source>
        <translation>Mainboard-Wächter</translation>
    </message>
    <message>
        <source>Fan control is off: the fan guardian cannot be started (%1). Without it a crash or a kill could leave a fan slow, so every fan output stays at full speed. hmdx tries again at every tick.</source>
        <translation>Die Lüftersteuerung ist aus: der Lüfterwächter kann nicht gestartet werden (%1). Ohne ihn könnte ein Absturz oder ein Beenden einen Lüfter langsam zurücklassen, daher bleibt jeder Lüfterausgang auf voller Drehzahl. hmdx versucht es bei jedem Takt erneut.</translation>
    </message>
</context>
<context>
    <name>hmdx::MetricsPublisher</name>
    <message>
        <source>Cannot write the metrics file %1: %2 Trying again in %3 s; monitoring goes on.</source>
        <translation>Die Messwertdatei %1 kann nicht geschrieben werden: %2 Neuer Versuch in %3 s; die Überwachung läuft weiter.</translation>
    </message>
</context>
<context>
    <name>hmdx::Monitor</name>
    <message>
        <source>PC Case is opened</source>
        <translation>PC-Gehäuse ist offen</translation>
    </message>
    <message>
        <source>PC Case is closed</source>
        <translation>PC-Gehäuse ist geschlossen</translation>
    </message>
    <message>
        <source>low speed</source>
        <translation>zu langsam</translation>
    </message>
    <message>
        <source>low_speed</source>
        <translation>zu langsam</translation>
    </message>
    <message>
        <source>Fan off</source>
        <translation>Lüfter aus</translation>
    </message>
    <message>
        <source>factory settings, not yet saved</source>
        <translation>Werkseinstellungen, noch nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>hmdx::NotificationSink</name>
    <message>
        <source>Reading: %1</source>
        <translation>Messwert: %1</translation>
    </message>
    <message>
        <source>Limits: %1 to %2</source>
        <translation>Grenzen: %1 bis %2</translation>
    </message>
    <message>
        <source>Low limit: %1</source>
        <translation>Untergrenze: %1</translation>
    </message>
    <message>
        <source>High limit: %1</source>
        <translation>Obergrenze: %1</translation>
    </message>
    <message>
        <source>Chip programmed again</source>
        <translation>Chip neu programmiert</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Fan output at full speed</source>
        <translation>Lüfterausgang auf voller Drehzahl</translation>
    </message>
    <message>
        <source>%1 out of range</source>
        <translation>%1 außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>hmdx::PasswordDialog</name>
    <message>
        <source>Confirm Psssword</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Input password:</source>
        <translation>Passwort eingeben:</translation>
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
        <translation>unbekanntes Modell</translation>
    </message>
    <message>
        <source>%1, chip ID %2, ports %3/%4</source>
        <translation>%1, Chip-ID %2, Ports %3/%4</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>Rückgabewert %1</translation>
    </message>
</context>
<context>
    <name>hmdx::QtTrayIcon</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>hmdx::RowWidgets</name>
    <message>
        <source>The scale&apos;s low end</source>
        <translation>Unteres Ende der Skala</translation>
    </message>
    <message>
        <source>The scale&apos;s high end</source>
        <translation>Oberes Ende der Skala</translation>
    </message>
    <message>
        <source>The marker shows the reading against the limits</source>
        <translation>Die Markierung zeigt den Messwert im Verhältnis zu den Grenzwerten</translation>
    </message>
</context>
<context>
    <name>hmdx::SettingsFile</name>
    <message>
        <source>The settings file &quot;%1&quot; holds values that cannot be used. These entries take their factory values: %2.</source>
        <translation>Die Einstellungsdatei „%1“ enthält unbrauchbare Werte. Diese Einträge erhalten ihre Werkswerte: %2.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: %2. Factory settings are in use; the file stays as it is until you save.</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht gelesen werden: %2. Es gelten die Werkseinstellungen; die Datei bleibt unverändert, bis Sie speichern.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is too short (%2 of %3 bytes). Factory settings are in use; the file stays as it is until you save.</source>
        <translation>Die Einstellungsdatei „%1“ ist zu kurz (%2 von %3 Bytes). Es gelten die Werkseinstellungen; die Datei bleibt unverändert, bis Sie speichern.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2. Your settings are kept in memory; the file is unchanged.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2. Ihre Einstellungen bleiben im Speicher erhalten; die Datei ist unverändert.</translation>
    </message>
</context>
<context>
    <name>hmdx::Startup</name>
    <message>
        <source>The monitor chip&apos;s ports %1-%2 are in use by the kernel driver &quot;%3&quot;. Two programs moving the chip&apos;s bank register at once corrupt each other&apos;s readings and limits. Unload it with &quot;sudo modprobe -r %3&quot; and start hmdx again.</source>
        <translation>Die Ports %1-%2 des Überwachungschips werden vom Kerneltreiber „%3“ benutzt. Zwei Programme, die gleichzeitig das Bankregister des Chips umschalten, verfälschen gegenseitig Messwerte und Grenzwerte. Entladen Sie ihn mit „sudo modprobe -r %3“ und starten Sie hmdx erneut.</translation>
    </message>
    <message>
        <source>could not check whether a kernel driver uses the chip&apos;s ports: %1.</source>
        <translation>konnte nicht prüfen, ob ein Kerneltreiber die Ports des Chips benutzt: %1.</translation>
    </message>
    <message>
        <source>Unsupported hardware monitor chip (ID %1).</source>
        <translation>Nicht unterstützter Hardware-Monitor-Chip (ID %1).</translation>
    </message>
    <message>
        <source>The monitor chip is in use by the hmdx service (process %1). Only one hmdx at a time may drive the chip; stop the service first with &quot;sudo systemctl stop hmdx&quot;.</source>
        <translation>Der Überwachungschip wird vom hmdx-Dienst benutzt (Prozess %1). Es darf immer nur ein hmdx den Chip steuern; beenden Sie zuerst den Dienst mit „sudo systemctl stop hmdx“.</translation>
    </message>
    <message>
        <source>The monitor chip is in use by another hmdx, whose process cannot be seen from here. Only one hmdx at a time may drive the chip.</source>
        <translation>Der Überwachungschip wird von einem anderen hmdx benutzt, dessen Prozess von hier aus nicht sichtbar ist. Es darf immer nur ein hmdx den Chip steuern.</translation>
    </message>
    <message>
        <source>process %1 of user %2</source>
        <translation>Prozess %1 des Benutzers %2</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <source>The monitor chip is in use by another hmdx: %1. Only one hmdx at a time may drive the chip; end that one first.</source>
        <translation>Der Überwachungschip wird von einem anderen hmdx benutzt: %1. Es darf immer nur ein hmdx den Chip steuern; beenden Sie zuerst das andere.</translation>
    </message>
    <message>
        <source>could not claim the monitor chip for this machine: %1; another hmdx driving it would not be noticed.</source>
        <translation>konnte den Überwachungschip nicht für diesen Rechner beanspruchen: %1; ein anderes hmdx, das ihn steuert, würde nicht bemerkt.</translation>
    </message>
    <message>
        <source>The monitor chip cannot be claimed: %1. The file belongs to user %2, and hmdx takes the chip as in use. Only one hmdx at a time may drive the chip; remove the file, or have an administrator remove it.</source>
        <translation>Der Überwachungschip kann nicht beansprucht werden: %1. Die Datei gehört dem Benutzer %2, und hmdx betrachtet den Chip als belegt. Es darf immer nur ein hmdx den Chip steuern; entfernen Sie die Datei oder lassen Sie sie von einem Administrator entfernen.</translation>
    </message>
</context>
<context>
    <name>hmdx::TemperatureRows</name>
    <message>
        <source>High Limit</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 high limit</source>
        <translation>%1 Obergrenze</translation>
    </message>
    <message>
        <source>Hysteresis: once the temperature went above its high limit, the chip&apos;s alarm clears only below this temperature</source>
        <translation>Hysterese: Hat die Temperatur ihre Obergrenze überschritten, erlischt der Alarm des Chips erst unterhalb dieser Temperatur</translation>
    </message>
</context>
<context>
    <name>hmdx::UpDown</name>
    <message>
        <source>Up</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Verringern</translation>
    </message>
</context>
<context>
    <name>hmdx::VoltageRows</name>
    <message>
        <source>Low Limit</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>High Limit</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 low limit</source>
        <translation>%1 Untergrenze</translation>
    </message>
    <message>
        <source>%1 high limit</source>
        <translation>%1 Obergrenze</translation>
    </message>
</context>
<context>
    <name>hmdx::WarningDialog</name>
    <message>
        <source>Warning !!!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Warning!!!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Your Vcore voltage exceed the limits.</source>
        <translation>Ihre Vcore-Spannung überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your VcoreB voltage exceed the limits.</source>
        <translation>Ihre VcoreB-Spannung überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your  +3.3V voltage exceed the limits.</source>
        <translation>Ihre +3.3V-Spannung überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your +5V voltage exceed the limits.</source>
        <translation>Ihre +5V-Spannung überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your +12V voltage exceed the limits.</source>
        <translation>Ihre +12V-Spannung überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your -12V voltage exceed the limits.</source>
        <translation>Ihre -12V-Spannung überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your -5V voltage exceed the limits.</source>
        <translation>Ihre -5V-Spannung überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your 5Vsb voltage exceed the limits.</source>
        <translation>Ihre 5Vsb-Spannung überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your Vbat voltage exceed the limits.</source>
        <translation>Ihre Vbat-Spannung überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your CPU FAN Speed exceed the limits.</source>
        <translation>Die Drehzahl von CPU FAN überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your FAN1 Speed exceed the limits.</source>
        <translation>Die Drehzahl von FAN1 überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your Fan 3 Speed exceed the limits.</source>
        <translation>Die Drehzahl Ihres Lüfters 3 überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your system temperature exceed the limits.</source>
        <translation>Ihre Mainboard-Temperatur überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your CPU  temperature exceed the limits.</source>
        <translation>Ihre CPU-Temperatur überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your certain device temperature exceed the limits.</source>
        <translation>Die Temperatur eines Ihrer Geräte überschreitet die Grenzwerte.</translation>
    </message>
    <message>
        <source>Your PC Case has been opened.</source>
        <translation>Ihr PC-Gehäuse wurde geöffnet.</translation>
    </message>
    <message>
        <source>Your Vcore Voltage exceed the limits</source>
        <translation>Ihre Vcore-Spannung überschreitet die Grenzwerte</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Ignore this Warning Message.</source>
        <translation>Diese Warnung ignorieren.</translation>
    </message>
    <message>
        <source>No more monitor this item</source>
        <translation>Diesen Messpunkt nicht mehr überwachen</translation>
    </message>
    <message>
        <source>Exit Windows</source>
        <translation>System herunterfahren</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
</context>
</TS>
