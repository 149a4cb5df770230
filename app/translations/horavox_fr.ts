<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainForm</name>
    <message>
        <source>Alarm Mode Indicator</source>
        <translation>Indicateur du mode alarme</translation>
    </message>
    <message>
        <source>&apos;Speaking&apos; Indicator</source>
        <translation>Indicateur de parole</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Say Time</source>
        <translation>Annoncer l&apos;heure</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Horavox Settings</source>
        <translation>Paramètres de Horavox</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Say using TTS</source>
        <translation>Synthèse vocale</translation>
    </message>
    <message>
        <source>Say using Real Speech</source>
        <translation>Voix enregistrée</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Vitesse de la voix</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Announce Time Mode</source>
        <translation>Annonce de l&apos;heure</translation>
    </message>
    <message>
        <source>Phrase to say before Time (TTS Only):</source>
        <translation>Phrase avant l&apos;heure (synthèse vocale seulement) :</translation>
    </message>
    <message>
        <source>Announce Between:</source>
        <translation>Annoncer entre :</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>De</translation>
    </message>
    <message>
        <source>End</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Announce Time at Startup</source>
        <translation>Annoncer au démarrage</translation>
    </message>
    <message>
        <source>Alarm Mode</source>
        <translation>Mode alarme</translation>
    </message>
    <message>
        <source>Say Time after each interval</source>
        <translation>Dire aussi l&apos;heure</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Play Sound Before</source>
        <translation>Émettre un bip avant</translation>
    </message>
</context>
<context>
    <name>Spanbar</name>
    <message>
        <source>Set Time Interval</source>
        <translation>Régler l&apos;intervalle</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeController</name>
    <message>
        <source>The chime choices are not saved: %1 could not be read at start and is left as it is.</source>
        <translation>Le choix des carillons n’est pas enregistré : %1 n’a pas pu être lu au démarrage et reste tel quel.</translation>
    </message>
    <message>
        <source>The chime choices are not saved: %1</source>
        <translation>Le choix des carillons n’est pas enregistré : %1</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeDialog</name>
    <message>
        <source>Chimes</source>
        <translation>Carillons</translation>
    </message>
    <message>
        <source>Play before the time, when &quot;Play Sound Before&quot; is set:</source>
        <translation>Jouer avant l’heure, quand « Émettre un bip avant » est coché :</translation>
    </message>
    <message>
        <source>The bleep</source>
        <translation>Le bip</translation>
    </message>
    <message>
        <source>The hour struck (once at the half hour)</source>
        <translation>L’heure sonnée (un coup à la demie)</translation>
    </message>
    <message>
        <source>Westminster quarters</source>
        <translation>Carillon de Westminster</translation>
    </message>
    <message>
        <source>Six pips, the last on the minute</source>
        <translation>Six bips, le dernier à la minute pile</translation>
    </message>
    <message>
        <source>A sound file:</source>
        <translation>Un fichier son :</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Fichier son</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Chime only, without the words</source>
        <translation>Carillon seul, sans les paroles</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>The chime choices could not be read: %1. They are not saved over.</source>
        <translation>Le choix des carillons n’a pas pu être lu : %1. Il n’est pas écrasé.</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Sons (*.wav *.flac *.ogg *.oga *.opus);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 The bleep plays instead.</source>
        <translation>%1 Le bip est joué à la place.</translation>
    </message>
    <message>
        <source>Chimes…</source>
        <translation>Carillons…</translation>
    </message>
</context>
<context>
    <name>horavox::ClockAccess</name>
    <message>
        <source>Alarm mode on</source>
        <translation>Mode alarme activé</translation>
    </message>
    <message>
        <source>Alarm mode off</source>
        <translation>Mode alarme désactivé</translation>
    </message>
    <message>
        <source>Say the time</source>
        <translation>Annoncer l&apos;heure</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>À propos de Horavox</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Parle</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silencieux</translation>
    </message>
    <message>
        <source>Minutes between announcements</source>
        <translation>Minutes entre les annonces</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>how a screen reader reads the clock face, in QTime format letters</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>no announcements</source>
        <comment>the slider at 0 minutes</comment>
        <translation>aucune annonce</translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>horavox::ClockActions</name>
    <message>
        <source>Say the time</source>
        <translation>Annoncer l&apos;heure</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>À propos de Horavox</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>horavox::DirectSS</name>
    <message>
        <source>female</source>
        <comment>a voice</comment>
        <translation>féminine</translation>
    </message>
    <message>
        <source>male</source>
        <comment>a voice</comment>
        <translation>masculine</translation>
    </message>
    <message>
        <source>Default voice of the speech service (speech-dispatcher)</source>
        <translation>Voix par défaut du service vocal (speech-dispatcher)</translation>
    </message>
    <message>
        <source>%1 unavailable, %2</source>
        <comment>a voice that could not speak, then the voice that spoke instead</comment>
        <translation>%1 indisponible, %2</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox annonce l&apos;heure à l&apos;intervalle de votre choix, ou chaque fois que vous le demandez. En mode alarme, il compte les minutes pour vous.</translation>
    </message>
    <message>
        <source>© 2026 The Horavox developers</source>
        <translation>© 2026 Les développeurs de Horavox</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>À propos de Horavox</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Écrire à %1</translation>
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
        <translation>Vérification de la carte son</translation>
    </message>
    <message>
        <source>Your system cannot play WAV files</source>
        <translation>Votre système ne peut pas lire les fichiers WAV</translation>
    </message>
    <message>
        <source>Horavox settings not saved</source>
        <translation>Paramètres d&apos;Horavox non enregistrés</translation>
    </message>
    <message>
        <source>The slider position in %1 could not be read: %2.

This run starts at one minute and leaves the file as it is.</source>
        <translation>La position du curseur dans %1 n&apos;a pas pu être lue : %2.

Cette fois, l&apos;horloge démarre à une minute et le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>The settings were not saved to %1: %2.</source>
        <translation>Les paramètres n&apos;ont pas été enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>The slider position was not saved to %1: %2.</source>
        <translation>La position du curseur n&apos;a pas été enregistrée dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>horavox::QuietActions</name>
    <message>
        <source>Mute for 15 minutes</source>
        <translation>Silence pendant 15 minutes</translation>
    </message>
    <message>
        <source>Mute for 1 hour</source>
        <translation>Silence pendant 1 heure</translation>
    </message>
    <message>
        <source>Mute until tomorrow</source>
        <translation>Silence jusqu&apos;à demain</translation>
    </message>
    <message>
        <source>Skip the next announcement</source>
        <translation>Passer la prochaine annonce</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Rétablir le son</translation>
    </message>
    <message>
        <source>Quiet times and voice…</source>
        <translation>Périodes de silence et voix…</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silence</translation>
    </message>
</context>
<context>
    <name>horavox::QuietController</name>
    <message>
        <source>the file could not be read at start</source>
        <translation>le fichier n&apos;a pas pu être lu au démarrage</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>il n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>horavox::QuietDialog</name>
    <message>
        <source>Quiet times and voice</source>
        <translation>Périodes de silence et voix</translation>
    </message>
    <message>
        <source>Announce on</source>
        <translation>Jours d&apos;annonce</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>Vol&amp;ume :</translation>
    </message>
    <message>
        <source>Keep quiet</source>
        <translation>Rester silencieux</translation>
    </message>
    <message>
        <source>During &amp;calls (while a program records from a microphone)</source>
        <translation>Pendant les &amp;appels (quand un programme enregistre depuis un microphone)</translation>
    </message>
    <message>
        <source>When the desktop is set to &amp;do not disturb</source>
        <translation>Quand le bureau est en mode « &amp;Ne pas déranger »</translation>
    </message>
    <message>
        <source>&amp;Pause music and videos while speaking</source>
        <translation>Mettre en &amp;pause la musique et les vidéos pendant l’annonce</translation>
    </message>
    <message>
        <source>The speech engine&apos;s own voice</source>
        <translation>Voix par défaut du moteur de synthèse</translation>
    </message>
    <message>
        <source>Text-to-speech &amp;voice:</source>
        <translation>&amp;Voix de synthèse :</translation>
    </message>
    <message>
        <source>Heard when the settings say &quot;Say using TTS&quot;; the recorded voice is always the same.</source>
        <translation>Entendue quand les paramètres indiquent « Synthèse vocale » ; la voix enregistrée est toujours la même.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>The recorded voice speaks English only.</source>
        <translation>La voix enregistrée ne parle qu&apos;anglais.</translation>
    </message>
    <message>
        <source>The language&apos;s usual clock</source>
        <translation>Horloge habituelle de la langue</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>Horloge de 24 heures</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>Horloge de 12 heures</translation>
    </message>
    <message>
        <source>Cloc&amp;k:</source>
        <translation>&amp;Horloge :</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Langue du bureau (%1)</translation>
    </message>
</context>
<context>
    <name>horavox::QuietGate</name>
    <message>
        <source>tomorrow %1</source>
        <translation>demain %1</translation>
    </message>
    <message>
        <source>muted until %1</source>
        <translation>silence jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>in a call</source>
        <translation>en communication</translation>
    </message>
    <message>
        <source>do not disturb</source>
        <translation>ne pas déranger</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no announcement is due</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>alarm mode is on</source>
        <translation>mode alarme activé</translation>
    </message>
    <message>
        <source>the interval is 0</source>
        <translation>l&apos;intervalle est 0</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>passée</translation>
    </message>
    <message>
        <source>no announcement day or time</source>
        <translation>aucun jour ni heure d&apos;annonce</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>prochaine : %1</translation>
    </message>
    <message>
        <source>next: %1 (%2)</source>
        <translation>prochaine : %1 (%2)</translation>
    </message>
    <message>
        <source>a program is using the microphone</source>
        <translation>un programme utilise le microphone</translation>
    </message>
    <message>
        <source>the desktop is set to do not disturb</source>
        <translation>le bureau est en mode « Ne pas déranger »</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <comment>a day of the week the clock does not speak on</comment>
        <translation>%1 est exclu</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <comment>the reasons the clock keeps quiet</comment>
        <translation>Silence : %1</translation>
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
        <translation>Silence</translation>
    </message>
</context>
<context>
    <name>horavox::QuietTray</name>
    <message>
        <source>Say the time</source>
        <translation>Annoncer l&apos;heure</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Hide the clock</source>
        <translation>Masquer l&apos;horloge</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Afficher l&apos;horloge</translation>
    </message>
</context>
<context>
    <name>horavox::QuietWiring</name>
    <message>
        <source>Quiet</source>
        <translation>Silence</translation>
    </message>
    <message>
        <source>The quiet times and voice choices in %1 could not be read: %2.

This run uses the defaults and leaves the file as it is.</source>
        <translation>Les périodes de silence et les choix de voix dans %1 n&apos;ont pas pu être lus : %2.

Cette fois, les valeurs par défaut sont utilisées et le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>The quiet times and voice choices were not saved to %1: %2.</source>
        <translation>Les périodes de silence et les choix de voix n&apos;ont pas été enregistrés dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>horavox::Settings</name>
    <message>
        <source>Phrase to say before the time</source>
        <translation>Phrase avant l&apos;heure</translation>
    </message>
    <message>
        <source>TTS speed</source>
        <translation>Vitesse de la voix</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minute de début</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Minute de fin</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <comment>the two arrows of a time field</comment>
        <translation>%1, flèches</translation>
    </message>
    <message>
        <source>%1 up</source>
        <comment>arrow of a time field</comment>
        <translation>%1, augmenter</translation>
    </message>
    <message>
        <source>%1 down</source>
        <comment>arrow of a time field</comment>
        <translation>%1, diminuer</translation>
    </message>
    <message>
        <source>Start half of the day</source>
        <translation>Début, demi-journée</translation>
    </message>
    <message>
        <source>End half of the day</source>
        <translation>Fin, demi-journée</translation>
    </message>
    <message>
        <source>Start AM</source>
        <translation>Début avant midi</translation>
    </message>
    <message>
        <source>Start PM</source>
        <translation>Début après midi</translation>
    </message>
    <message>
        <source>End AM</source>
        <translation>Fin avant midi</translation>
    </message>
    <message>
        <source>End PM</source>
        <translation>Fin après midi</translation>
    </message>
    <message>
        <source>Horavox Settings</source>
        <translation>Paramètres de Horavox</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Vitesse de la voix</translation>
    </message>
    <message numerus="yes">
        <source>There is %n TTS engine installed</source>
        <translation>
            <numerusform>%n moteur de synthèse installé</numerusform>
            <numerusform>%n moteurs de synthèse installés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation>
            <numerusform>%n moteur de synthèse installé</numerusform>
            <numerusform>%n moteurs de synthèse installés</numerusform>
        </translation>
    </message>
    <message>
        <source>TTS Speed of voice &quot;%1&quot;</source>
        <translation>Vitesse de la voix « %1 »</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Value is not valid</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read: %2.

This run uses the default settings and leaves the file as it is.</source>
        <translation>Les paramètres dans %1 n&apos;ont pas pu être lus : %2.

Cette fois, les paramètres par défaut sont utilisés et le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>the settings were not loaded yet</source>
        <translation>les paramètres n&apos;étaient pas encore chargés</translation>
    </message>
    <message>
        <source>the file could not be read at start</source>
        <translation>le fichier n&apos;a pas pu être lu au démarrage</translation>
    </message>
</context>
<context>
    <name>horavox::SoundFile</name>
    <message>
        <source>The sound file cannot be found or opened.</source>
        <translation>Le fichier son est introuvable ou ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The sound file is empty.</source>
        <translation>Le fichier son est vide.</translation>
    </message>
    <message>
        <source>The sound file is too large (more than 32 MB).</source>
        <translation>Le fichier son est trop gros (plus de 32 Mo).</translation>
    </message>
    <message>
        <source>The sound plays too long (more than a minute).</source>
        <translation>Le son dure trop longtemps (plus d’une minute).</translation>
    </message>
    <message>
        <source>The file is not a sound that can be played (WAV, FLAC or Ogg).</source>
        <translation>Le fichier n’est pas un son lisible (WAV, FLAC ou Ogg).</translation>
    </message>
    <message>
        <source>Sound files cannot be read: libsndfile is not installed.</source>
        <translation>Les fichiers son ne peuvent pas être lus : libsndfile n’est pas installée.</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>horavox::settings_file</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 kB</source>
        <translation>il dépasse %1 ko</translation>
    </message>
</context>
</TS>
