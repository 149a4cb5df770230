<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainForm</name>
    <message>
        <source>Alarm Mode Indicator</source>
        <translation>Indicador del modo alarma</translation>
    </message>
    <message>
        <source>&apos;Speaking&apos; Indicator</source>
        <translation>Indicador de habla</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Say Time</source>
        <translation>Decir la hora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Horavox Settings</source>
        <translation>Configuración de Horavox</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Say using TTS</source>
        <translation>Voz sintetizada</translation>
    </message>
    <message>
        <source>Say using Real Speech</source>
        <translation>Voz grabada</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Velocidad de la voz</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Announce Time Mode</source>
        <translation>Anuncio de la hora</translation>
    </message>
    <message>
        <source>Phrase to say before Time (TTS Only):</source>
        <translation>Frase antes de la hora (solo voz sintetizada):</translation>
    </message>
    <message>
        <source>Announce Between:</source>
        <translation>Anunciar entre:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>De</translation>
    </message>
    <message>
        <source>End</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Announce Time at Startup</source>
        <translation>Anunciar al iniciar</translation>
    </message>
    <message>
        <source>Alarm Mode</source>
        <translation>Modo alarma</translation>
    </message>
    <message>
        <source>Say Time after each interval</source>
        <translation>Decir también la hora</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Play Sound Before</source>
        <translation>Pitido previo</translation>
    </message>
</context>
<context>
    <name>Spanbar</name>
    <message>
        <source>Set Time Interval</source>
        <translation>Ajustar el intervalo</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeController</name>
    <message>
        <source>The chime choices are not saved: %1 could not be read at start and is left as it is.</source>
        <translation>La elección de campanadas no se guarda: %1 no se pudo leer al empezar y se deja como está.</translation>
    </message>
    <message>
        <source>The chime choices are not saved: %1</source>
        <translation>La elección de campanadas no se guarda: %1</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeDialog</name>
    <message>
        <source>Chimes</source>
        <translation>Campanadas</translation>
    </message>
    <message>
        <source>Play before the time, when &quot;Play Sound Before&quot; is set:</source>
        <translation>Sonar antes de la hora, cuando «Pitido previo» está marcado:</translation>
    </message>
    <message>
        <source>The bleep</source>
        <translation>El pitido</translation>
    </message>
    <message>
        <source>The hour struck (once at the half hour)</source>
        <translation>La hora en campanadas (una a la media)</translation>
    </message>
    <message>
        <source>Westminster quarters</source>
        <translation>Cuartos de Westminster</translation>
    </message>
    <message>
        <source>Six pips, the last on the minute</source>
        <translation>Seis pitidos, el último al empezar el minuto</translation>
    </message>
    <message>
        <source>A sound file:</source>
        <translation>Un archivo de sonido:</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Archivo de sonido</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Chime only, without the words</source>
        <translation>Solo la campanada, sin las palabras</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>The chime choices could not be read: %1. They are not saved over.</source>
        <translation>No se pudo leer la elección de campanadas: %1. No se sobrescribe.</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Sonidos (*.wav *.flac *.ogg *.oga *.opus);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 The bleep plays instead.</source>
        <translation>%1 Suena el pitido en su lugar.</translation>
    </message>
    <message>
        <source>Chimes…</source>
        <translation>Campanadas…</translation>
    </message>
</context>
<context>
    <name>horavox::ClockAccess</name>
    <message>
        <source>Alarm mode on</source>
        <translation>Modo alarma activado</translation>
    </message>
    <message>
        <source>Alarm mode off</source>
        <translation>Modo alarma desactivado</translation>
    </message>
    <message>
        <source>Say the time</source>
        <translation>Decir la hora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Acerca de Horavox</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Hablando</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>En silencio</translation>
    </message>
    <message>
        <source>Minutes between announcements</source>
        <translation>Minutos entre anuncios</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>how a screen reader reads the clock face, in QTime format letters</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>no announcements</source>
        <comment>the slider at 0 minutes</comment>
        <translation>sin anuncios</translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>horavox::ClockActions</name>
    <message>
        <source>Say the time</source>
        <translation>Decir la hora</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Acerca de Horavox</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>horavox::DirectSS</name>
    <message>
        <source>female</source>
        <comment>a voice</comment>
        <translation>femenina</translation>
    </message>
    <message>
        <source>male</source>
        <comment>a voice</comment>
        <translation>masculina</translation>
    </message>
    <message>
        <source>Default voice of the speech service (speech-dispatcher)</source>
        <translation>Voz predeterminada del servicio de voz (speech-dispatcher)</translation>
    </message>
    <message>
        <source>%1 unavailable, %2</source>
        <comment>a voice that could not speak, then the voice that spoke instead</comment>
        <translation>%1 no disponible, %2</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox dice la hora en el intervalo que elija o cuando lo pida. En el modo alarma cuenta los minutos por usted.</translation>
    </message>
    <message>
        <source>© 2026 The Horavox developers</source>
        <translation>© 2026 Los desarrolladores de Horavox</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Acerca de Horavox</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Escribir a %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>horavox::MainForm</name>
    <message>
        <source>Sound Card Check</source>
        <translation>Comprobación de la tarjeta de sonido</translation>
    </message>
    <message>
        <source>Your system cannot play WAV files</source>
        <translation>El sistema no puede reproducir archivos WAV</translation>
    </message>
    <message>
        <source>Horavox settings not saved</source>
        <translation>No se guardó la configuración de Horavox</translation>
    </message>
    <message>
        <source>The slider position in %1 could not be read: %2.

This run starts at one minute and leaves the file as it is.</source>
        <translation>No se pudo leer la posición del control deslizante en %1: %2.

Esta vez el reloj empieza en un minuto y el archivo se deja como está.</translation>
    </message>
    <message>
        <source>The settings were not saved to %1: %2.</source>
        <translation>No se guardó la configuración en %1: %2.</translation>
    </message>
    <message>
        <source>The slider position was not saved to %1: %2.</source>
        <translation>No se guardó la posición del control deslizante en %1: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::QuietActions</name>
    <message>
        <source>Mute for 15 minutes</source>
        <translation>Silenciar durante 15 minutos</translation>
    </message>
    <message>
        <source>Mute for 1 hour</source>
        <translation>Silenciar durante 1 hora</translation>
    </message>
    <message>
        <source>Mute until tomorrow</source>
        <translation>Silenciar hasta mañana</translation>
    </message>
    <message>
        <source>Skip the next announcement</source>
        <translation>Omitir el próximo anuncio</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Reactivar el sonido</translation>
    </message>
    <message>
        <source>Quiet times and voice…</source>
        <translation>Horas de silencio y voz…</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silencio</translation>
    </message>
</context>
<context>
    <name>horavox::QuietController</name>
    <message>
        <source>the file could not be read at start</source>
        <translation>no se pudo leer el archivo al iniciar</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
</context>
<context>
    <name>horavox::QuietDialog</name>
    <message>
        <source>Quiet times and voice</source>
        <translation>Horas de silencio y voz</translation>
    </message>
    <message>
        <source>Announce on</source>
        <translation>Días de anuncio</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>Vol&amp;umen:</translation>
    </message>
    <message>
        <source>Keep quiet</source>
        <translation>Guardar silencio</translation>
    </message>
    <message>
        <source>During &amp;calls (while a program records from a microphone)</source>
        <translation>Durante las &amp;llamadas (mientras un programa graba del micrófono)</translation>
    </message>
    <message>
        <source>When the desktop is set to &amp;do not disturb</source>
        <translation>Cuando el escritorio está en modo «&amp;No molestar»</translation>
    </message>
    <message>
        <source>&amp;Pause music and videos while speaking</source>
        <translation>&amp;Pausar la música y los vídeos mientras habla</translation>
    </message>
    <message>
        <source>The speech engine&apos;s own voice</source>
        <translation>Voz predeterminada del motor de voz</translation>
    </message>
    <message>
        <source>Text-to-speech &amp;voice:</source>
        <translation>Voz de &amp;síntesis:</translation>
    </message>
    <message>
        <source>Heard when the settings say &quot;Say using TTS&quot;; the recorded voice is always the same.</source>
        <translation>Se oye cuando la configuración indica «Voz sintetizada»; la voz grabada es siempre la misma.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The recorded voice speaks English only.</source>
        <translation>La voz grabada solo habla inglés.</translation>
    </message>
    <message>
        <source>The language&apos;s usual clock</source>
        <translation>El reloj habitual del idioma</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>Reloj de 24 horas</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>Reloj de 12 horas</translation>
    </message>
    <message>
        <source>Cloc&amp;k:</source>
        <translation>&amp;Reloj:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>El idioma del escritorio (%1)</translation>
    </message>
</context>
<context>
    <name>horavox::QuietGate</name>
    <message>
        <source>tomorrow %1</source>
        <translation>mañana %1</translation>
    </message>
    <message>
        <source>muted until %1</source>
        <translation>silenciado hasta %1</translation>
    </message>
    <message>
        <source>in a call</source>
        <translation>en una llamada</translation>
    </message>
    <message>
        <source>do not disturb</source>
        <translation>no molestar</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no announcement is due</comment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>alarm mode is on</source>
        <translation>modo alarma activado</translation>
    </message>
    <message>
        <source>the interval is 0</source>
        <translation>el intervalo es 0</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>no announcement day or time</source>
        <translation>ningún día ni hora de anuncio</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>siguiente: %1</translation>
    </message>
    <message>
        <source>next: %1 (%2)</source>
        <translation>siguiente: %1 (%2)</translation>
    </message>
    <message>
        <source>a program is using the microphone</source>
        <translation>un programa está usando el micrófono</translation>
    </message>
    <message>
        <source>the desktop is set to do not disturb</source>
        <translation>el escritorio está en modo «No molestar»</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <comment>a day of the week the clock does not speak on</comment>
        <translation>%1 está excluido</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <comment>the reasons the clock keeps quiet</comment>
        <translation>Silencio: %1</translation>
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
        <translation>Silencio</translation>
    </message>
</context>
<context>
    <name>horavox::QuietTray</name>
    <message>
        <source>Say the time</source>
        <translation>Decir la hora</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Hide the clock</source>
        <translation>Ocultar el reloj</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Mostrar el reloj</translation>
    </message>
</context>
<context>
    <name>horavox::QuietWiring</name>
    <message>
        <source>Quiet</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>The quiet times and voice choices in %1 could not be read: %2.

This run uses the defaults and leaves the file as it is.</source>
        <translation>No se pudieron leer las horas de silencio y las opciones de voz de %1: %2.

Esta vez se usan los valores predeterminados y el archivo se deja como está.</translation>
    </message>
    <message>
        <source>The quiet times and voice choices were not saved to %1: %2.</source>
        <translation>No se guardaron las horas de silencio y las opciones de voz en %1: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::Settings</name>
    <message>
        <source>Phrase to say before the time</source>
        <translation>Frase antes de la hora</translation>
    </message>
    <message>
        <source>TTS speed</source>
        <translation>Velocidad de la voz</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minuto de inicio</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Minuto de fin</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <comment>the two arrows of a time field</comment>
        <translation>%1, flechas</translation>
    </message>
    <message>
        <source>%1 up</source>
        <comment>arrow of a time field</comment>
        <translation>%1, aumentar</translation>
    </message>
    <message>
        <source>%1 down</source>
        <comment>arrow of a time field</comment>
        <translation>%1, disminuir</translation>
    </message>
    <message>
        <source>Start half of the day</source>
        <translation>Inicio, mitad del día</translation>
    </message>
    <message>
        <source>End half of the day</source>
        <translation>Fin, mitad del día</translation>
    </message>
    <message>
        <source>Start AM</source>
        <translation>Inicio a. m.</translation>
    </message>
    <message>
        <source>Start PM</source>
        <translation>Inicio p. m.</translation>
    </message>
    <message>
        <source>End AM</source>
        <translation>Fin a. m.</translation>
    </message>
    <message>
        <source>End PM</source>
        <translation>Fin p. m.</translation>
    </message>
    <message>
        <source>Horavox Settings</source>
        <translation>Configuración de Horavox</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Velocidad de la voz</translation>
    </message>
    <message numerus="yes">
        <source>There is %n TTS engine installed</source>
        <translation>
            <numerusform>%n motor de voz instalado</numerusform>
            <numerusform>%n motores de voz instalados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation>
            <numerusform>%n motor de voz instalado</numerusform>
            <numerusform>%n motores de voz instalados</numerusform>
        </translation>
    </message>
    <message>
        <source>TTS Speed of voice &quot;%1&quot;</source>
        <translation>Velocidad de la voz «%1»</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Entrada de datos</translation>
    </message>
    <message>
        <source>Value is not valid</source>
        <translation>El valor no es válido</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read: %2.

This run uses the default settings and leaves the file as it is.</source>
        <translation>No se pudo leer la configuración de %1: %2.

Esta vez se usa la configuración predeterminada y el archivo se deja como está.</translation>
    </message>
    <message>
        <source>the settings were not loaded yet</source>
        <translation>la configuración aún no se había cargado</translation>
    </message>
    <message>
        <source>the file could not be read at start</source>
        <translation>no se pudo leer el archivo al iniciar</translation>
    </message>
</context>
<context>
    <name>horavox::SoundFile</name>
    <message>
        <source>The sound file cannot be found or opened.</source>
        <translation>No se encuentra o no se puede abrir el archivo de sonido.</translation>
    </message>
    <message>
        <source>The sound file is empty.</source>
        <translation>El archivo de sonido está vacío.</translation>
    </message>
    <message>
        <source>The sound file is too large (more than 32 MB).</source>
        <translation>El archivo de sonido es demasiado grande (más de 32 MB).</translation>
    </message>
    <message>
        <source>The sound plays too long (more than a minute).</source>
        <translation>El sonido dura demasiado (más de un minuto).</translation>
    </message>
    <message>
        <source>The file is not a sound that can be played (WAV, FLAC or Ogg).</source>
        <translation>El archivo no es un sonido que se pueda reproducir (WAV, FLAC u Ogg).</translation>
    </message>
    <message>
        <source>Sound files cannot be read: libsndfile is not installed.</source>
        <translation>No se pueden leer archivos de sonido: libsndfile no está instalada.</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>horavox::settings_file</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 kB</source>
        <translation>ocupa más de %1 kB</translation>
    </message>
</context>
</TS>
