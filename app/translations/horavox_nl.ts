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
        <source>&apos;Speaking&apos; Indicator</source>
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
    <name>horavox::ChimeController</name>
    <message>
        <source>The chime choices are not saved: %1 could not be read at start and is left as it is.</source>
        <translation>De keuze van de klokslagen is niet bewaard: %1 kon bij het starten niet worden gelezen en blijft zoals het is.</translation>
    </message>
    <message>
        <source>The chime choices are not saved: %1</source>
        <translation>De keuze van de klokslagen is niet bewaard: %1</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeDialog</name>
    <message>
        <source>Chimes</source>
        <translation>Klokslagen</translation>
    </message>
    <message>
        <source>Play before the time, when &quot;Play Sound Before&quot; is set:</source>
        <translation>Vóór de tijd spelen, als „Piep vooraf” aan staat:</translation>
    </message>
    <message>
        <source>The bleep</source>
        <translation>De piep</translation>
    </message>
    <message>
        <source>The hour struck (once at the half hour)</source>
        <translation>Het uur geslagen (één slag op het halve uur)</translation>
    </message>
    <message>
        <source>Westminster quarters</source>
        <translation>Westminster-kwartierslag</translation>
    </message>
    <message>
        <source>Six pips, the last on the minute</source>
        <translation>Zes piepjes, de laatste op de minuut</translation>
    </message>
    <message>
        <source>A sound file:</source>
        <translation>Een geluidsbestand:</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Geluidsbestand</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Kiezen…</translation>
    </message>
    <message>
        <source>Chime only, without the words</source>
        <translation>Alleen de klokslag, zonder de woorden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>The chime choices could not be read: %1. They are not saved over.</source>
        <translation>De keuze van de klokslagen kon niet worden gelezen: %1. Er wordt niet overheen geschreven.</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Geluiden (*.wav *.flac *.ogg *.oga *.opus);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>%1 The bleep plays instead.</source>
        <translation>%1 In plaats daarvan klinkt de piep.</translation>
    </message>
    <message>
        <source>Chimes…</source>
        <translation>Klokslagen…</translation>
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
    <message>
        <source>h:mm AP</source>
        <comment>how a screen reader reads the clock face, in QTime format letters</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>no announcements</source>
        <comment>the slider at 0 minutes</comment>
        <translation>geen aankondigingen</translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
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
    <name>horavox::DirectSS</name>
    <message>
        <source>female</source>
        <comment>a voice</comment>
        <translation>vrouwelijk</translation>
    </message>
    <message>
        <source>male</source>
        <comment>a voice</comment>
        <translation>mannelijk</translation>
    </message>
    <message>
        <source>Default voice of the speech service (speech-dispatcher)</source>
        <translation>Standaardstem van de spraakdienst (speech-dispatcher)</translation>
    </message>
    <message>
        <source>%1 unavailable, %2</source>
        <comment>a voice that could not speak, then the voice that spoke instead</comment>
        <translation>%1 niet beschikbaar, %2</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox zegt de tijd op vaste tijden of op verzoek. In de alarmmodus telt het de minuten.</translation>
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
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
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
    <message>
        <source>Horavox settings not saved</source>
        <translation>Horavox-instellingen niet opgeslagen</translation>
    </message>
    <message>
        <source>The slider position in %1 could not be read: %2.

This run starts at one minute and leaves the file as it is.</source>
        <translation>De schuifpositie in %1 kon niet worden gelezen: %2.

Deze keer begint de klok bij één minuut en blijft het bestand ongewijzigd.</translation>
    </message>
    <message>
        <source>The settings were not saved to %1: %2.</source>
        <translation>De instellingen zijn niet opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>The slider position was not saved to %1: %2.</source>
        <translation>De schuifpositie is niet opgeslagen in %1: %2.</translation>
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
    <name>horavox::QuietController</name>
    <message>
        <source>the file could not be read at start</source>
        <translation>het bestand kon bij het starten niet worden gelezen</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>het kon niet worden geschreven</translation>
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
        <source>The speech engine&apos;s own voice</source>
        <translation>Standaardstem van de spraakengine</translation>
    </message>
    <message>
        <source>Text-to-speech &amp;voice:</source>
        <translation>&amp;Stem voor spraaksynthese:</translation>
    </message>
    <message>
        <source>Heard when the settings say &quot;Say using TTS&quot;; the recorded voice is always the same.</source>
        <translation>Te horen als in de instellingen ‘Spraaksynthese’ gekozen is; de opgenomen stem is altijd dezelfde.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message>
        <source>The recorded voice speaks English only.</source>
        <translation>De opgenomen stem spreekt alleen Engels.</translation>
    </message>
    <message>
        <source>The language&apos;s usual clock</source>
        <translation>De gebruikelijke klok van de taal</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>24-uursklok</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12-uursklok</translation>
    </message>
    <message>
        <source>Cloc&amp;k:</source>
        <translation>&amp;Klok:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>De taal van het bureaublad (%1)</translation>
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
    <message>
        <source>a program is using the microphone</source>
        <translation>een programma gebruikt de microfoon</translation>
    </message>
    <message>
        <source>the desktop is set to do not disturb</source>
        <translation>het bureaublad staat op ‘Niet storen’</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <comment>a day of the week the clock does not speak on</comment>
        <translation>%1 is uitgezonderd</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <comment>the reasons the clock keeps quiet</comment>
        <translation>Stilte: %1</translation>
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
        <translation>Stilte</translation>
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
    <message>
        <source>The quiet times and voice choices in %1 could not be read: %2.

This run uses the defaults and leaves the file as it is.</source>
        <translation>De stille tijden en steminstellingen in %1 konden niet worden gelezen: %2.

Deze keer gelden de standaardwaarden en blijft het bestand ongewijzigd.</translation>
    </message>
    <message>
        <source>The quiet times and voice choices were not saved to %1: %2.</source>
        <translation>De stille tijden en steminstellingen zijn niet opgeslagen in %1: %2.</translation>
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
        <translation>
            <numerusform>%n spraakengine geïnstalleerd</numerusform>
            <numerusform>%n spraakengines geïnstalleerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation>
            <numerusform>%n spraakengine geïnstalleerd</numerusform>
            <numerusform>%n spraakengines geïnstalleerd</numerusform>
        </translation>
    </message>
    <message>
        <source>TTS Speed of voice &quot;%1&quot;</source>
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
    <message>
        <source>The settings in %1 could not be read: %2.

This run uses the default settings and leaves the file as it is.</source>
        <translation>De instellingen in %1 konden niet worden gelezen: %2.

Deze keer gelden de standaardinstellingen en blijft het bestand ongewijzigd.</translation>
    </message>
    <message>
        <source>the settings were not loaded yet</source>
        <translation>de instellingen waren nog niet geladen</translation>
    </message>
    <message>
        <source>the file could not be read at start</source>
        <translation>het bestand kon bij het starten niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>horavox::SoundFile</name>
    <message>
        <source>The sound file cannot be found or opened.</source>
        <translation>Het geluidsbestand is niet gevonden of kan niet worden geopend.</translation>
    </message>
    <message>
        <source>The sound file is empty.</source>
        <translation>Het geluidsbestand is leeg.</translation>
    </message>
    <message>
        <source>The sound file is too large (more than 32 MB).</source>
        <translation>Het geluidsbestand is te groot (meer dan 32 MB).</translation>
    </message>
    <message>
        <source>The sound plays too long (more than a minute).</source>
        <translation>Het geluid duurt te lang (meer dan een minuut).</translation>
    </message>
    <message>
        <source>The file is not a sound that can be played (WAV, FLAC or Ogg).</source>
        <translation>Het bestand is geen afspeelbaar geluid (WAV, FLAC of Ogg).</translation>
    </message>
    <message>
        <source>Sound files cannot be read: libsndfile is not installed.</source>
        <translation>Geluidsbestanden kunnen niet worden gelezen: libsndfile is niet geïnstalleerd.</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>horavox::settings_file</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is larger than %1 kB</source>
        <translation>het is groter dan %1 kB</translation>
    </message>
</context>
</TS>
