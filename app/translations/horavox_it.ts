<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MainForm</name>
    <message>
        <source>Alarm Mode Indicator</source>
        <translation>Indicatore della modalità allarme</translation>
    </message>
    <message>
        <source>'Speaking' Indicator</source>
        <translation>Indicatore di voce</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Say Time</source>
        <translation>Pronuncia l'ora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Horavox Settings</source>
        <translation>Impostazioni di Horavox</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Say using TTS</source>
        <translation>Sintesi vocale</translation>
    </message>
    <message>
        <source>Say using Real Speech</source>
        <translation>Voce registrata</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Velocità della voce</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Announce Time Mode</source>
        <translation>Annuncio dell'ora</translation>
    </message>
    <message>
        <source>Phrase to say before Time (TTS Only):</source>
        <translation>Frase prima dell'ora (solo sintesi vocale):</translation>
    </message>
    <message>
        <source>Announce Between:</source>
        <translation>Annuncia tra:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>End</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Announce Time at Startup</source>
        <translation>Annuncia all'avvio</translation>
    </message>
    <message>
        <source>Alarm Mode</source>
        <translation>Modalità allarme</translation>
    </message>
    <message>
        <source>Say Time after each interval</source>
        <translation>Dire anche l'ora</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Play Sound Before</source>
        <translation>Prima un bip</translation>
    </message>
</context>
<context>
    <name>Spanbar</name>
    <message>
        <source>Set Time Interval</source>
        <translation>Imposta l'intervallo</translation>
    </message>
</context>
<context>
    <name>horavox::ClockAccess</name>
    <message>
        <source>Alarm mode on</source>
        <translation>Modalità allarme attiva</translation>
    </message>
    <message>
        <source>Alarm mode off</source>
        <translation>Modalità allarme disattiva</translation>
    </message>
    <message>
        <source>Say the time</source>
        <translation>Pronuncia l'ora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Informazioni su Horavox</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Sta parlando</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>In silenzio</translation>
    </message>
    <message>
        <source>Minutes between announcements</source>
        <translation>Minuti tra gli annunci</translation>
    </message>
</context>
<context>
    <name>horavox::ClockActions</name>
    <message>
        <source>Say the time</source>
        <translation>Pronuncia l'ora</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Informazioni su Horavox</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox annuncia l'ora all'intervallo scelto o su richiesta. In modalità allarme conta i minuti per te.</translation>
    </message>
    <message>
        <source>© 2026 The Horavox developers</source>
        <translation>© 2026 Gli sviluppatori di Horavox</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Informazioni su Horavox</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Scrivi a %1</translation>
    </message>
</context>
<context>
    <name>horavox::MainForm</name>
    <message>
        <source>Sound Card Check</source>
        <translation>Verifica della scheda audio</translation>
    </message>
    <message>
        <source>Your system cannot play WAV files</source>
        <translation>Il sistema non è in grado di riprodurre file WAV</translation>
    </message>
</context>
<context>
    <name>horavox::QuietActions</name>
    <message>
        <source>Mute for 15 minutes</source>
        <translation>Silenzia per 15 minuti</translation>
    </message>
    <message>
        <source>Mute for 1 hour</source>
        <translation>Silenzia per 1 ora</translation>
    </message>
    <message>
        <source>Mute until tomorrow</source>
        <translation>Silenzia fino a domani</translation>
    </message>
    <message>
        <source>Skip the next announcement</source>
        <translation>Salta il prossimo annuncio</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Riattiva l'audio</translation>
    </message>
    <message>
        <source>Quiet times and voice…</source>
        <translation>Orari di silenzio e voce…</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silenzio</translation>
    </message>
</context>
<context>
    <name>horavox::QuietDialog</name>
    <message>
        <source>Quiet times and voice</source>
        <translation>Orari di silenzio e voce</translation>
    </message>
    <message>
        <source>Announce on</source>
        <translation>Giorni di annuncio</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voce:</translation>
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
        <translation>Resta in silenzio</translation>
    </message>
    <message>
        <source>During &amp;calls (while a program records from a microphone)</source>
        <translation>Durante le &amp;chiamate (quando un programma registra dal microfono)</translation>
    </message>
    <message>
        <source>When the desktop is set to &amp;do not disturb</source>
        <translation>Quando il desktop è in modalità «&amp;Non disturbare»</translation>
    </message>
    <message>
        <source>&amp;Pause music and videos while speaking</source>
        <translation>Metti in &amp;pausa musica e video durante l’annuncio</translation>
    </message>
    <message>
        <source>The speech engine's own voice</source>
        <translation>Voce predefinita del motore di sintesi</translation>
    </message>
</context>
<context>
    <name>horavox::QuietGate</name>
    <message>
        <source>tomorrow %1</source>
        <translation>domani %1</translation>
    </message>
    <message>
        <source>muted until %1</source>
        <translation>silenziato fino a %1</translation>
    </message>
    <message>
        <source>in a call</source>
        <translation>in chiamata</translation>
    </message>
    <message>
        <source>do not disturb</source>
        <translation>non disturbare</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no announcement is due</comment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>alarm mode is on</source>
        <translation>modalità allarme attiva</translation>
    </message>
    <message>
        <source>the interval is 0</source>
        <translation>l'intervallo è 0</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>saltato</translation>
    </message>
    <message>
        <source>no announcement day or time</source>
        <translation>nessun giorno o orario di annuncio</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>prossimo: %1</translation>
    </message>
    <message>
        <source>next: %1 (%2)</source>
        <translation>prossimo: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>horavox::QuietMark</name>
    <message>
        <source>Quiet</source>
        <translation>Silenzio</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <translation>Silenzio: %1</translation>
    </message>
</context>
<context>
    <name>horavox::QuietTray</name>
    <message>
        <source>Say the time</source>
        <translation>Pronuncia l'ora</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Hide the clock</source>
        <translation>Nascondi l'orologio</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Mostra l'orologio</translation>
    </message>
</context>
<context>
    <name>horavox::QuietWiring</name>
    <message>
        <source>Quiet</source>
        <translation>Silenzio</translation>
    </message>
</context>
<context>
    <name>horavox::Settings</name>
    <message>
        <source>Phrase to say before the time</source>
        <translation>Frase prima dell'ora</translation>
    </message>
    <message>
        <source>TTS speed</source>
        <translation>Velocità della voce</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minuto di inizio</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Minuto di fine</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <comment>the two arrows of a time field</comment>
        <translation>%1, frecce</translation>
    </message>
    <message>
        <source>%1 up</source>
        <comment>arrow of a time field</comment>
        <translation>%1, aumenta</translation>
    </message>
    <message>
        <source>%1 down</source>
        <comment>arrow of a time field</comment>
        <translation>%1, diminuisci</translation>
    </message>
    <message>
        <source>Start half of the day</source>
        <translation>Inizio, metà del giorno</translation>
    </message>
    <message>
        <source>End half of the day</source>
        <translation>Fine, metà del giorno</translation>
    </message>
    <message>
        <source>Start AM</source>
        <translation>Inizio AM</translation>
    </message>
    <message>
        <source>Start PM</source>
        <translation>Inizio PM</translation>
    </message>
    <message>
        <source>End AM</source>
        <translation>Fine AM</translation>
    </message>
    <message>
        <source>End PM</source>
        <translation>Fine PM</translation>
    </message>
    <message>
        <source>Horavox Settings</source>
        <translation>Impostazioni di Horavox</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Velocità della voce</translation>
    </message>
    <message numerus="yes">
        <source>There is %n TTS engine installed</source>
        <translation><numerusform>%n motore di sintesi installato</numerusform><numerusform>%n motori di sintesi installati</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation><numerusform>%n motore di sintesi installato</numerusform><numerusform>%n motori di sintesi installati</numerusform></translation>
    </message>
    <message>
        <source>TTS Speed of voice "%1"</source>
        <translation>Velocità della voce «%1»</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Inserimento dati</translation>
    </message>
    <message>
        <source>Value is not valid</source>
        <translation>Valore non valido</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
