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
        <source>&apos;Speaking&apos; Indicator</source>
        <translation>Indicatore di voce</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Say Time</source>
        <translation>Pronuncia l&apos;ora</translation>
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
        <translation>Annuncio dell&apos;ora</translation>
    </message>
    <message>
        <source>Phrase to say before Time (TTS Only):</source>
        <translation>Frase prima dell&apos;ora (solo sintesi vocale):</translation>
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
        <translation>Annuncia all&apos;avvio</translation>
    </message>
    <message>
        <source>Alarm Mode</source>
        <translation>Modalità allarme</translation>
    </message>
    <message>
        <source>Say Time after each interval</source>
        <translation>Dire anche l&apos;ora</translation>
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
        <translation>Imposta l&apos;intervallo</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeController</name>
    <message>
        <source>The chime choices are not saved: %1 could not be read at start and is left as it is.</source>
        <translation>La scelta dei rintocchi non è salvata: %1 non si è potuto leggere all’avvio e resta com’è.</translation>
    </message>
    <message>
        <source>The chime choices are not saved: %1</source>
        <translation>La scelta dei rintocchi non è salvata: %1</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeDialog</name>
    <message>
        <source>Chimes</source>
        <translation>Rintocchi</translation>
    </message>
    <message>
        <source>Play before the time, when &quot;Play Sound Before&quot; is set:</source>
        <translation>Suona prima dell’ora, quando «Prima un bip» è attivo:</translation>
    </message>
    <message>
        <source>The bleep</source>
        <translation>Il bip</translation>
    </message>
    <message>
        <source>The hour struck (once at the half hour)</source>
        <translation>L’ora battuta (un rintocco alla mezza)</translation>
    </message>
    <message>
        <source>Westminster quarters</source>
        <translation>Quarti di Westminster</translation>
    </message>
    <message>
        <source>Six pips, the last on the minute</source>
        <translation>Sei segnali, l’ultimo allo scoccare del minuto</translation>
    </message>
    <message>
        <source>A sound file:</source>
        <translation>Un file audio:</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Chime only, without the words</source>
        <translation>Solo il rintocco, senza le parole</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>The chime choices could not be read: %1. They are not saved over.</source>
        <translation>Non si è potuta leggere la scelta dei rintocchi: %1. Non viene sovrascritta.</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Suoni (*.wav *.flac *.ogg *.oga *.opus);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 The bleep plays instead.</source>
        <translation>%1 Suona invece il bip.</translation>
    </message>
    <message>
        <source>Chimes…</source>
        <translation>Rintocchi…</translation>
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
        <translation>Pronuncia l&apos;ora</translation>
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
    <message>
        <source>h:mm AP</source>
        <comment>how a screen reader reads the clock face, in QTime format letters</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>no announcements</source>
        <comment>the slider at 0 minutes</comment>
        <translation>nessun annuncio</translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>horavox::ClockActions</name>
    <message>
        <source>Say the time</source>
        <translation>Pronuncia l&apos;ora</translation>
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
    <name>horavox::DirectSS</name>
    <message>
        <source>female</source>
        <comment>a voice</comment>
        <translation>femminile</translation>
    </message>
    <message>
        <source>male</source>
        <comment>a voice</comment>
        <translation>maschile</translation>
    </message>
    <message>
        <source>Default voice of the speech service (speech-dispatcher)</source>
        <translation>Voce predefinita del servizio vocale (speech-dispatcher)</translation>
    </message>
    <message>
        <source>%1 unavailable, %2</source>
        <comment>a voice that could not speak, then the voice that spoke instead</comment>
        <translation>%1 non disponibile, %2</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox annuncia l&apos;ora a intervalli o su richiesta. In modalità allarme conta i minuti.</translation>
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
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
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
    <message>
        <source>Horavox settings not saved</source>
        <translation>Impostazioni di Horavox non salvate</translation>
    </message>
    <message>
        <source>The slider position in %1 could not be read: %2.

This run starts at one minute and leaves the file as it is.</source>
        <translation>Impossibile leggere la posizione del cursore in %1: %2.

Questa volta si parte da un minuto e il file resta invariato.</translation>
    </message>
    <message>
        <source>The settings were not saved to %1: %2.</source>
        <translation>Impossibile salvare le impostazioni in %1: %2.</translation>
    </message>
    <message>
        <source>The slider position was not saved to %1: %2.</source>
        <translation>Impossibile salvare la posizione del cursore in %1: %2.</translation>
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
        <translation>Riattiva l&apos;audio</translation>
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
    <name>horavox::QuietController</name>
    <message>
        <source>the file could not be read at start</source>
        <translation>impossibile leggere il file all&apos;avvio</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>impossibile scriverlo</translation>
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
        <source>The speech engine&apos;s own voice</source>
        <translation>Voce predefinita del motore di sintesi</translation>
    </message>
    <message>
        <source>Text-to-speech &amp;voice:</source>
        <translation>Voce di &amp;sintesi:</translation>
    </message>
    <message>
        <source>Heard when the settings say &quot;Say using TTS&quot;; the recorded voice is always the same.</source>
        <translation>Si sente quando le impostazioni indicano «Sintesi vocale»; la voce registrata è sempre la stessa.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>The recorded voice speaks English only.</source>
        <translation>La voce registrata parla solo inglese.</translation>
    </message>
    <message>
        <source>The language&apos;s usual clock</source>
        <translation>L&apos;orologio abituale della lingua</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>Orologio a 24 ore</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>Orologio a 12 ore</translation>
    </message>
    <message>
        <source>Cloc&amp;k:</source>
        <translation>Orolo&amp;gio:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>La lingua del desktop (%1)</translation>
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
        <translation>l&apos;intervallo è 0</translation>
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
    <message>
        <source>a program is using the microphone</source>
        <translation>un programma sta usando il microfono</translation>
    </message>
    <message>
        <source>the desktop is set to do not disturb</source>
        <translation>il desktop è in modalità «Non disturbare»</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <comment>a day of the week the clock does not speak on</comment>
        <translation>%1: giorno escluso</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <comment>the reasons the clock keeps quiet</comment>
        <translation>Silenzio: %1</translation>
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
        <translation>Silenzio</translation>
    </message>
</context>
<context>
    <name>horavox::QuietTray</name>
    <message>
        <source>Say the time</source>
        <translation>Pronuncia l&apos;ora</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Hide the clock</source>
        <translation>Nascondi l&apos;orologio</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Mostra l&apos;orologio</translation>
    </message>
</context>
<context>
    <name>horavox::QuietWiring</name>
    <message>
        <source>Quiet</source>
        <translation>Silenzio</translation>
    </message>
    <message>
        <source>The quiet times and voice choices in %1 could not be read: %2.

This run uses the defaults and leaves the file as it is.</source>
        <translation>Impossibile leggere gli orari di silenzio e le scelte della voce in %1: %2.

Questa volta si usano i valori predefiniti e il file resta invariato.</translation>
    </message>
    <message>
        <source>The quiet times and voice choices were not saved to %1: %2.</source>
        <translation>Impossibile salvare gli orari di silenzio e le scelte della voce in %1: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::Settings</name>
    <message>
        <source>Phrase to say before the time</source>
        <translation>Frase prima dell&apos;ora</translation>
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
        <translation>
            <numerusform>%n motore di sintesi installato</numerusform>
            <numerusform>%n motori di sintesi installati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation>
            <numerusform>%n motore di sintesi installato</numerusform>
            <numerusform>%n motori di sintesi installati</numerusform>
        </translation>
    </message>
    <message>
        <source>TTS Speed of voice &quot;%1&quot;</source>
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
    <message>
        <source>The settings in %1 could not be read: %2.

This run uses the default settings and leaves the file as it is.</source>
        <translation>Impossibile leggere le impostazioni in %1: %2.

Questa volta si usano le impostazioni predefinite e il file resta invariato.</translation>
    </message>
    <message>
        <source>the settings were not loaded yet</source>
        <translation>le impostazioni non erano ancora state caricate</translation>
    </message>
    <message>
        <source>the file could not be read at start</source>
        <translation>impossibile leggere il file all&apos;avvio</translation>
    </message>
</context>
<context>
    <name>horavox::SoundFile</name>
    <message>
        <source>The sound file cannot be found or opened.</source>
        <translation>Il file audio non si trova o non si può aprire.</translation>
    </message>
    <message>
        <source>The sound file is empty.</source>
        <translation>Il file audio è vuoto.</translation>
    </message>
    <message>
        <source>The sound file is too large (more than 32 MB).</source>
        <translation>Il file audio è troppo grande (più di 32 MB).</translation>
    </message>
    <message>
        <source>The sound plays too long (more than a minute).</source>
        <translation>Il suono dura troppo (più di un minuto).</translation>
    </message>
    <message>
        <source>The file is not a sound that can be played (WAV, FLAC or Ogg).</source>
        <translation>Il file non è un suono riproducibile (WAV, FLAC o Ogg).</translation>
    </message>
    <message>
        <source>Sound files cannot be read: libsndfile is not installed.</source>
        <translation>Impossibile leggere i file audio: libsndfile non è installata.</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>horavox::settings_file</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than %1 kB</source>
        <translation>supera %1 kB</translation>
    </message>
</context>
</TS>
