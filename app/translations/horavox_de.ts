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
        <source>'Speaking' Indicator</source>
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
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox sagt die Uhrzeit im gewählten Abstand oder auf Wunsch an. Im Alarmmodus zählt es die Minuten mit.</translation>
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
        <source>&amp;Voice:</source>
        <translation>&amp;Stimme:</translation>
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
        <source>The speech engine's own voice</source>
        <translation>Standardstimme der Sprachsynthese</translation>
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
</context>
<context>
    <name>horavox::QuietMark</name>
    <message>
        <source>Quiet</source>
        <translation>Ruhe</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <translation>Ruhe: %1</translation>
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
        <translation><numerusform>%n Sprachsynthese installiert</numerusform><numerusform>%n Sprachsynthesen installiert</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation><numerusform>%n Sprachsynthese installiert</numerusform><numerusform>%n Sprachsynthesen installiert</numerusform></translation>
    </message>
    <message>
        <source>TTS Speed of voice "%1"</source>
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
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
