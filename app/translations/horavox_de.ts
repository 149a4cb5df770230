<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainForm</name>
    <message>
        <source>Alarm Mode Indicator</source>
        <translation>Anzeige des Alarmmodus</translation>
    </message>
    <message>
        <source>&apos;Speaking&apos; Indicator</source>
        <translation>Sprechanzeige</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Say Time</source>
        <translation>Uhrzeit ansagen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Horavox Settings</source>
        <translation>Horavox-Einstellungen</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Say using TTS</source>
        <translation>Sprachsynthese</translation>
    </message>
    <message>
        <source>Say using Real Speech</source>
        <translation>Aufgenommene Stimme</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Sprechtempo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Announce Time Mode</source>
        <translation>Zeitansage</translation>
    </message>
    <message>
        <source>Phrase to say before Time (TTS Only):</source>
        <translation>Satz vor der Uhrzeit (nur Sprachsynthese):</translation>
    </message>
    <message>
        <source>Announce Between:</source>
        <translation>Ansage zwischen:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Announce Time at Startup</source>
        <translation>Beim Start ansagen</translation>
    </message>
    <message>
        <source>Alarm Mode</source>
        <translation>Alarmmodus</translation>
    </message>
    <message>
        <source>Say Time after each interval</source>
        <translation>Uhrzeit mit ansagen</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Play Sound Before</source>
        <translation>Vorher Signalton</translation>
    </message>
</context>
<context>
    <name>Spanbar</name>
    <message>
        <source>Set Time Interval</source>
        <translation>Intervall einstellen</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeController</name>
    <message>
        <source>The chime choices are not saved: %1 could not be read at start and is left as it is.</source>
        <translation>Die Auswahl der Glockenschläge wird nicht gespeichert: %1 konnte beim Start nicht gelesen werden und bleibt unverändert.</translation>
    </message>
    <message>
        <source>The chime choices are not saved: %1</source>
        <translation>Die Auswahl der Glockenschläge wird nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeDialog</name>
    <message>
        <source>Chimes</source>
        <translation>Glockenschläge</translation>
    </message>
    <message>
        <source>Play before the time, when &quot;Play Sound Before&quot; is set:</source>
        <translation>Vor der Uhrzeit spielen, wenn „Vorher Signalton“ gesetzt ist:</translation>
    </message>
    <message>
        <source>The bleep</source>
        <translation>Der Signalton</translation>
    </message>
    <message>
        <source>The hour struck (once at the half hour)</source>
        <translation>Stundenschlag (zur halben Stunde ein Schlag)</translation>
    </message>
    <message>
        <source>Westminster quarters</source>
        <translation>Westminster-Viertelstundenschlag</translation>
    </message>
    <message>
        <source>Six pips, the last on the minute</source>
        <translation>Sechs Pieptöne, der letzte zur vollen Minute</translation>
    </message>
    <message>
        <source>A sound file:</source>
        <translation>Eine Tondatei:</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Tondatei</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Chime only, without the words</source>
        <translation>Nur der Glockenschlag, ohne Ansage</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>The chime choices could not be read: %1. They are not saved over.</source>
        <translation>Die Auswahl der Glockenschläge konnte nicht gelesen werden: %1. Sie wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Töne (*.wav *.flac *.ogg *.oga *.opus);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 The bleep plays instead.</source>
        <translation>%1 Stattdessen erklingt der Signalton.</translation>
    </message>
    <message>
        <source>Chimes…</source>
        <translation>Glockenschläge…</translation>
    </message>
</context>
<context>
    <name>horavox::ClockAccess</name>
    <message>
        <source>Alarm mode on</source>
        <translation>Alarmmodus an</translation>
    </message>
    <message>
        <source>Alarm mode off</source>
        <translation>Alarmmodus aus</translation>
    </message>
    <message>
        <source>Say the time</source>
        <translation>Uhrzeit ansagen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Über Horavox</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Spricht</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Still</translation>
    </message>
    <message>
        <source>Minutes between announcements</source>
        <translation>Minuten zwischen den Ansagen</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>how a screen reader reads the clock face, in QTime format letters</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>no announcements</source>
        <comment>the slider at 0 minutes</comment>
        <translation>keine Ansagen</translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>horavox::ClockActions</name>
    <message>
        <source>Say the time</source>
        <translation>Uhrzeit ansagen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Über Horavox</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>horavox::DirectSS</name>
    <message>
        <source>female</source>
        <comment>a voice</comment>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>male</source>
        <comment>a voice</comment>
        <translation>männlich</translation>
    </message>
    <message>
        <source>Default voice of the speech service (speech-dispatcher)</source>
        <translation>Standardstimme des Sprachdienstes (speech-dispatcher)</translation>
    </message>
    <message>
        <source>%1 unavailable, %2</source>
        <comment>a voice that could not speak, then the voice that spoke instead</comment>
        <translation>%1 nicht verfügbar, %2</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox sagt die Zeit im gewählten Abstand oder auf Wunsch an. Im Alarmmodus zählt es die Minuten mit.</translation>
    </message>
    <message>
        <source>© 2026 The Horavox developers</source>
        <translation>© 2026 Die Horavox-Entwickler</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Über Horavox</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>E-Mail an %1 schreiben</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>horavox::MainForm</name>
    <message>
        <source>Sound Card Check</source>
        <translation>Soundkartenprüfung</translation>
    </message>
    <message>
        <source>Your system cannot play WAV files</source>
        <translation>Ihr System kann keine WAV-Dateien abspielen</translation>
    </message>
    <message>
        <source>Horavox settings not saved</source>
        <translation>Horavox-Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The slider position in %1 could not be read: %2.

This run starts at one minute and leaves the file as it is.</source>
        <translation>Die Schiebereglerstellung in %1 konnte nicht gelesen werden: %2.

Diesmal beginnt die Uhr bei einer Minute; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>The settings were not saved to %1: %2.</source>
        <translation>Die Einstellungen wurden nicht in %1 gespeichert: %2.</translation>
    </message>
    <message>
        <source>The slider position was not saved to %1: %2.</source>
        <translation>Die Schiebereglerstellung wurde nicht in %1 gespeichert: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::QuietActions</name>
    <message>
        <source>Mute for 15 minutes</source>
        <translation>15 Minuten stumm schalten</translation>
    </message>
    <message>
        <source>Mute for 1 hour</source>
        <translation>Eine Stunde stumm schalten</translation>
    </message>
    <message>
        <source>Mute until tomorrow</source>
        <translation>Bis morgen stumm schalten</translation>
    </message>
    <message>
        <source>Skip the next announcement</source>
        <translation>Nächste Ansage auslassen</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Stummschaltung aufheben</translation>
    </message>
    <message>
        <source>Quiet times and voice…</source>
        <translation>Ruhezeiten und Stimme…</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Ruhe</translation>
    </message>
</context>
<context>
    <name>horavox::QuietController</name>
    <message>
        <source>the file could not be read at start</source>
        <translation>die Datei konnte beim Start nicht gelesen werden</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>horavox::QuietDialog</name>
    <message>
        <source>Quiet times and voice</source>
        <translation>Ruhezeiten und Stimme</translation>
    </message>
    <message>
        <source>Announce on</source>
        <translation>Ansagetage</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>Keep quiet</source>
        <translation>Stumm bleiben</translation>
    </message>
    <message>
        <source>During &amp;calls (while a program records from a microphone)</source>
        <translation>Während &amp;Anrufen (wenn ein Programm vom Mikrofon aufnimmt)</translation>
    </message>
    <message>
        <source>When the desktop is set to &amp;do not disturb</source>
        <translation>Wenn die Arbeitsumgebung auf „&amp;Nicht stören“ steht</translation>
    </message>
    <message>
        <source>&amp;Pause music and videos while speaking</source>
        <translation>Musik und Videos beim Sprechen &amp;pausieren</translation>
    </message>
    <message>
        <source>The speech engine&apos;s own voice</source>
        <translation>Standardstimme der Sprachsynthese</translation>
    </message>
    <message>
        <source>Text-to-speech &amp;voice:</source>
        <translation>&amp;Stimme der Sprachsynthese:</translation>
    </message>
    <message>
        <source>Heard when the settings say &quot;Say using TTS&quot;; the recorded voice is always the same.</source>
        <translation>Zu hören, wenn in den Einstellungen „Sprachsynthese“ gewählt ist; die aufgenommene Stimme bleibt immer dieselbe.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Sp&amp;rache:</translation>
    </message>
    <message>
        <source>The recorded voice speaks English only.</source>
        <translation>Die aufgenommene Stimme spricht nur Englisch.</translation>
    </message>
    <message>
        <source>The language&apos;s usual clock</source>
        <translation>Wie in der Sprache üblich</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>24-Stunden-Uhr</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12-Stunden-Uhr</translation>
    </message>
    <message>
        <source>Cloc&amp;k:</source>
        <translation>&amp;Zeitformat:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Sprache der Arbeitsumgebung (%1)</translation>
    </message>
</context>
<context>
    <name>horavox::QuietGate</name>
    <message>
        <source>tomorrow %1</source>
        <translation>morgen %1</translation>
    </message>
    <message>
        <source>muted until %1</source>
        <translation>stumm bis %1</translation>
    </message>
    <message>
        <source>in a call</source>
        <translation>im Gespräch</translation>
    </message>
    <message>
        <source>do not disturb</source>
        <translation>nicht stören</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no announcement is due</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>alarm mode is on</source>
        <translation>Alarmmodus ist an</translation>
    </message>
    <message>
        <source>the interval is 0</source>
        <translation>Intervall ist 0</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>no announcement day or time</source>
        <translation>kein Ansagetag und keine Ansagezeit</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>nächste: %1</translation>
    </message>
    <message>
        <source>next: %1 (%2)</source>
        <translation>nächste: %1 (%2)</translation>
    </message>
    <message>
        <source>a program is using the microphone</source>
        <translation>ein Programm nutzt das Mikrofon</translation>
    </message>
    <message>
        <source>the desktop is set to do not disturb</source>
        <translation>die Arbeitsumgebung steht auf „Nicht stören“</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <comment>a day of the week the clock does not speak on</comment>
        <translation>%1 ist ausgenommen</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <comment>the reasons the clock keeps quiet</comment>
        <translation>Ruhe: %1</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>a time of day, in QTime format letters</comment>
        <translation>H:mm</translation>
    </message>
</context>
<context>
    <name>horavox::QuietMark</name>
    <message>
        <source>Quiet</source>
        <translation>Ruhe</translation>
    </message>
</context>
<context>
    <name>horavox::QuietTray</name>
    <message>
        <source>Say the time</source>
        <translation>Uhrzeit ansagen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Hide the clock</source>
        <translation>Uhr ausblenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Uhr anzeigen</translation>
    </message>
</context>
<context>
    <name>horavox::QuietWiring</name>
    <message>
        <source>Quiet</source>
        <translation>Ruhe</translation>
    </message>
    <message>
        <source>The quiet times and voice choices in %1 could not be read: %2.

This run uses the defaults and leaves the file as it is.</source>
        <translation>Die Ruhezeiten und Stimmeinstellungen in %1 konnten nicht gelesen werden: %2.

Diesmal gelten die Standardwerte; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>The quiet times and voice choices were not saved to %1: %2.</source>
        <translation>Die Ruhezeiten und Stimmeinstellungen wurden nicht in %1 gespeichert: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::Settings</name>
    <message>
        <source>Phrase to say before the time</source>
        <translation>Satz vor der Uhrzeit</translation>
    </message>
    <message>
        <source>TTS speed</source>
        <translation>Sprechtempo</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Beginn, Stunde</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Beginn, Minute</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Ende, Stunde</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Ende, Minute</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <comment>the two arrows of a time field</comment>
        <translation>%1, Pfeile</translation>
    </message>
    <message>
        <source>%1 up</source>
        <comment>arrow of a time field</comment>
        <translation>%1, aufwärts</translation>
    </message>
    <message>
        <source>%1 down</source>
        <comment>arrow of a time field</comment>
        <translation>%1, abwärts</translation>
    </message>
    <message>
        <source>Start half of the day</source>
        <translation>Beginn, Tageshälfte</translation>
    </message>
    <message>
        <source>End half of the day</source>
        <translation>Ende, Tageshälfte</translation>
    </message>
    <message>
        <source>Start AM</source>
        <translation>Beginn vormittags</translation>
    </message>
    <message>
        <source>Start PM</source>
        <translation>Beginn nachmittags</translation>
    </message>
    <message>
        <source>End AM</source>
        <translation>Ende vormittags</translation>
    </message>
    <message>
        <source>End PM</source>
        <translation>Ende nachmittags</translation>
    </message>
    <message>
        <source>Horavox Settings</source>
        <translation>Horavox-Einstellungen</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Sprechtempo</translation>
    </message>
    <message numerus="yes">
        <source>There is %n TTS engine installed</source>
        <translation>
            <numerusform>%n Sprachsynthese installiert</numerusform>
            <numerusform>%n Sprachsynthesen installiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation>
            <numerusform>%n Sprachsynthese installiert</numerusform>
            <numerusform>%n Sprachsynthesen installiert</numerusform>
        </translation>
    </message>
    <message>
        <source>TTS Speed of voice &quot;%1&quot;</source>
        <translation>Sprechtempo von „%1“</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Dateneingabe</translation>
    </message>
    <message>
        <source>Value is not valid</source>
        <translation>Der Wert ist ungültig</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read: %2.

This run uses the default settings and leaves the file as it is.</source>
        <translation>Die Einstellungen in %1 konnten nicht gelesen werden: %2.

Diesmal gelten die Standardeinstellungen; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>the settings were not loaded yet</source>
        <translation>die Einstellungen waren noch nicht geladen</translation>
    </message>
    <message>
        <source>the file could not be read at start</source>
        <translation>die Datei konnte beim Start nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>horavox::SoundFile</name>
    <message>
        <source>The sound file cannot be found or opened.</source>
        <translation>Die Tondatei wurde nicht gefunden oder lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The sound file is empty.</source>
        <translation>Die Tondatei ist leer.</translation>
    </message>
    <message>
        <source>The sound file is too large (more than 32 MB).</source>
        <translation>Die Tondatei ist zu groß (mehr als 32 MB).</translation>
    </message>
    <message>
        <source>The sound plays too long (more than a minute).</source>
        <translation>Der Ton dauert zu lange (mehr als eine Minute).</translation>
    </message>
    <message>
        <source>The file is not a sound that can be played (WAV, FLAC or Ogg).</source>
        <translation>Die Datei ist kein abspielbarer Ton (WAV, FLAC oder Ogg).</translation>
    </message>
    <message>
        <source>Sound files cannot be read: libsndfile is not installed.</source>
        <translation>Tondateien können nicht gelesen werden: libsndfile ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>horavox::settings_file</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 kB</source>
        <translation>sie ist größer als %1 kB</translation>
    </message>
</context>
</TS>
