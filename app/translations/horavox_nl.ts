<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>MainForm</name>
    <message>
        <source>Alarm Mode Indicator</source>
        <translation>Indicator alarmmodus</translation>
    </message>
    <message>
        <source>'Speaking' Indicator</source>
        <translation>Spreekindicator</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Say Time</source>
        <translation>Tijd uitspreken</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Horavox Settings</source>
        <translation>Horavox-instellingen</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stem</translation>
    </message>
    <message>
        <source>Say using TTS</source>
        <translation>Spraaksynthese</translation>
    </message>
    <message>
        <source>Say using Real Speech</source>
        <translation>Opgenomen stem</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Spreeksnelheid</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Traag</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Announce Time Mode</source>
        <translation>Tijdsaankondiging</translation>
    </message>
    <message>
        <source>Phrase to say before Time (TTS Only):</source>
        <translation>Zin vóór de tijd (alleen spraaksynthese):</translation>
    </message>
    <message>
        <source>Announce Between:</source>
        <translation>Omroepen tussen:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuut</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Announce Time at Startup</source>
        <translation>Aankondigen bij start</translation>
    </message>
    <message>
        <source>Alarm Mode</source>
        <translation>Alarmmodus</translation>
    </message>
    <message>
        <source>Say Time after each interval</source>
        <translation>Ook de tijd zeggen</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Play Sound Before</source>
        <translation>Piep vooraf</translation>
    </message>
</context>
<context>
    <name>Spanbar</name>
    <message>
        <source>Set Time Interval</source>
        <translation>Interval instellen</translation>
    </message>
</context>
<context>
    <name>horavox::ClockAccess</name>
    <message>
        <source>Alarm mode on</source>
        <translation>Alarmmodus aan</translation>
    </message>
    <message>
        <source>Alarm mode off</source>
        <translation>Alarmmodus uit</translation>
    </message>
    <message>
        <source>Say the time</source>
        <translation>Tijd uitspreken</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Over Horavox</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Spreekt</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Minutes between announcements</source>
        <translation>Minuten tussen aankondigingen</translation>
    </message>
</context>
<context>
    <name>horavox::ClockActions</name>
    <message>
        <source>Say the time</source>
        <translation>Tijd uitspreken</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Instellingen…</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Over Horavox</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox zegt de tijd op het gekozen interval of wanneer u wilt. In de alarmmodus telt het de minuten voor u.</translation>
    </message>
    <message>
        <source>© 2026 The Horavox developers</source>
        <translation>© 2026 De makers van Horavox</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Over Horavox</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>E-mail sturen naar %1</translation>
    </message>
</context>
<context>
    <name>horavox::MainForm</name>
    <message>
        <source>Sound Card Check</source>
        <translation>Controle van de geluidskaart</translation>
    </message>
    <message>
        <source>Your system cannot play WAV files</source>
        <translation>Uw systeem kan geen WAV-bestanden afspelen</translation>
    </message>
</context>
<context>
    <name>horavox::QuietActions</name>
    <message>
        <source>Mute for 15 minutes</source>
        <translation>15 minuten dempen</translation>
    </message>
    <message>
        <source>Mute for 1 hour</source>
        <translation>1 uur dempen</translation>
    </message>
    <message>
        <source>Mute until tomorrow</source>
        <translation>Dempen tot morgen</translation>
    </message>
    <message>
        <source>Skip the next announcement</source>
        <translation>Volgende aankondiging overslaan</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Dempen opheffen</translation>
    </message>
    <message>
        <source>Quiet times and voice…</source>
        <translation>Stille tijden en stem…</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Stilte</translation>
    </message>
</context>
<context>
    <name>horavox::QuietDialog</name>
    <message>
        <source>Quiet times and voice</source>
        <translation>Stille tijden en stem</translation>
    </message>
    <message>
        <source>Announce on</source>
        <translation>Aankondigen op</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stem</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Stem:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>V&amp;olume:</translation>
    </message>
    <message>
        <source>Keep quiet</source>
        <translation>Stil blijven</translation>
    </message>
    <message>
        <source>During &amp;calls (while a program records from a microphone)</source>
        <translation>Tijdens &amp;gesprekken (als een programma via een microfoon opneemt)</translation>
    </message>
    <message>
        <source>When the desktop is set to &amp;do not disturb</source>
        <translation>Als het bureaublad op ‘&amp;Niet storen’ staat</translation>
    </message>
    <message>
        <source>&amp;Pause music and videos while speaking</source>
        <translation>Muziek en video’s &amp;pauzeren tijdens het spreken</translation>
    </message>
    <message>
        <source>The speech engine's own voice</source>
        <translation>Standaardstem van de spraakengine</translation>
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
        <translation>gedempt tot %1</translation>
    </message>
    <message>
        <source>in a call</source>
        <translation>in gesprek</translation>
    </message>
    <message>
        <source>do not disturb</source>
        <translation>niet storen</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no announcement is due</comment>
        <translation>geen</translation>
    </message>
    <message>
        <source>alarm mode is on</source>
        <translation>alarmmodus staat aan</translation>
    </message>
    <message>
        <source>the interval is 0</source>
        <translation>interval is 0</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>overgeslagen</translation>
    </message>
    <message>
        <source>no announcement day or time</source>
        <translation>geen dag of tijd voor aankondigingen</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>volgende: %1</translation>
    </message>
    <message>
        <source>next: %1 (%2)</source>
        <translation>volgende: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>horavox::QuietMark</name>
    <message>
        <source>Quiet</source>
        <translation>Stilte</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <translation>Stilte: %1</translation>
    </message>
</context>
<context>
    <name>horavox::QuietTray</name>
    <message>
        <source>Say the time</source>
        <translation>Tijd uitspreken</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Instellingen…</translation>
    </message>
    <message>
        <source>Hide the clock</source>
        <translation>Klok verbergen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Klok tonen</translation>
    </message>
</context>
<context>
    <name>horavox::QuietWiring</name>
    <message>
        <source>Quiet</source>
        <translation>Stilte</translation>
    </message>
</context>
<context>
    <name>horavox::Settings</name>
    <message>
        <source>Phrase to say before the time</source>
        <translation>Zin vóór de tijd</translation>
    </message>
    <message>
        <source>TTS speed</source>
        <translation>Spreeksnelheid</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Beginuur</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Beginminuut</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Einduur</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Eindminuut</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <comment>the two arrows of a time field</comment>
        <translation>%1, pijlen</translation>
    </message>
    <message>
        <source>%1 up</source>
        <comment>arrow of a time field</comment>
        <translation>%1, omhoog</translation>
    </message>
    <message>
        <source>%1 down</source>
        <comment>arrow of a time field</comment>
        <translation>%1, omlaag</translation>
    </message>
    <message>
        <source>Start half of the day</source>
        <translation>Begin, dagdeel</translation>
    </message>
    <message>
        <source>End half of the day</source>
        <translation>Einde, dagdeel</translation>
    </message>
    <message>
        <source>Start AM</source>
        <translation>Begin voor de middag</translation>
    </message>
    <message>
        <source>Start PM</source>
        <translation>Begin na de middag</translation>
    </message>
    <message>
        <source>End AM</source>
        <translation>Einde voor de middag</translation>
    </message>
    <message>
        <source>End PM</source>
        <translation>Einde na de middag</translation>
    </message>
    <message>
        <source>Horavox Settings</source>
        <translation>Horavox-instellingen</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Spreeksnelheid</translation>
    </message>
    <message numerus="yes">
        <source>There is %n TTS engine installed</source>
        <translation><numerusform>%n spraakengine geïnstalleerd</numerusform><numerusform>%n spraakengines geïnstalleerd</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation><numerusform>%n spraakengine geïnstalleerd</numerusform><numerusform>%n spraakengines geïnstalleerd</numerusform></translation>
    </message>
    <message>
        <source>TTS Speed of voice "%1"</source>
        <translation>Spreeksnelheid van ‘%1’</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>Value is not valid</source>
        <translation>Ongeldige waarde</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
</TS>
