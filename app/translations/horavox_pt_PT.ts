<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>MainForm</name>
    <message>
        <source>Alarm Mode Indicator</source>
        <translation>Indicador do modo alarme</translation>
    </message>
    <message>
        <source>&apos;Speaking&apos; Indicator</source>
        <translation>Indicador de fala</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Say Time</source>
        <translation>Dizer as horas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Horavox Settings</source>
        <translation>Definições do Horavox</translation>
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
        <translation>Voz gravada</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Velocidade da voz</translation>
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
        <translation>Anúncio das horas</translation>
    </message>
    <message>
        <source>Phrase to say before Time (TTS Only):</source>
        <translation>Frase antes das horas (só voz sintetizada):</translation>
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
        <translation>Até</translation>
    </message>
    <message>
        <source>Announce Time at Startup</source>
        <translation>Anunciar ao iniciar</translation>
    </message>
    <message>
        <source>Alarm Mode</source>
        <translation>Modo alarme</translation>
    </message>
    <message>
        <source>Say Time after each interval</source>
        <translation>Dizer também as horas</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Play Sound Before</source>
        <translation>Bip antes de falar</translation>
    </message>
</context>
<context>
    <name>Spanbar</name>
    <message>
        <source>Set Time Interval</source>
        <translation>Definir o intervalo</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeController</name>
    <message>
        <source>The chime choices are not saved: %1 could not be read at start and is left as it is.</source>
        <translation>A escolha de badaladas não foi guardada: não foi possível ler %1 ao iniciar, e fica como está.</translation>
    </message>
    <message>
        <source>The chime choices are not saved: %1</source>
        <translation>A escolha de badaladas não foi guardada: %1</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeDialog</name>
    <message>
        <source>Chimes</source>
        <translation>Badaladas</translation>
    </message>
    <message>
        <source>Play before the time, when &quot;Play Sound Before&quot; is set:</source>
        <translation>Tocar antes da hora, quando «Bip antes de falar» está assinalado:</translation>
    </message>
    <message>
        <source>The bleep</source>
        <translation>O bip</translation>
    </message>
    <message>
        <source>The hour struck (once at the half hour)</source>
        <translation>A hora batida (uma badalada à meia hora)</translation>
    </message>
    <message>
        <source>Westminster quarters</source>
        <translation>Quartos de Westminster</translation>
    </message>
    <message>
        <source>Six pips, the last on the minute</source>
        <translation>Seis bips, o último no início do minuto</translation>
    </message>
    <message>
        <source>A sound file:</source>
        <translation>Um ficheiro de som:</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Ficheiro de som</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Chime only, without the words</source>
        <translation>Só a badalada, sem as palavras</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>The chime choices could not be read: %1. They are not saved over.</source>
        <translation>Não foi possível ler a escolha de badaladas: %1. Não será substituída.</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Sons (*.wav *.flac *.ogg *.oga *.opus);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>%1 The bleep plays instead.</source>
        <translation>%1 Em vez disso, toca o bip.</translation>
    </message>
    <message>
        <source>Chimes…</source>
        <translation>Badaladas…</translation>
    </message>
</context>
<context>
    <name>horavox::ClockAccess</name>
    <message>
        <source>Alarm mode on</source>
        <translation>Modo alarme ligado</translation>
    </message>
    <message>
        <source>Alarm mode off</source>
        <translation>Modo alarme desligado</translation>
    </message>
    <message>
        <source>Say the time</source>
        <translation>Dizer as horas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Acerca do Horavox</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>A falar</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Em silêncio</translation>
    </message>
    <message>
        <source>Minutes between announcements</source>
        <translation>Minutos entre anúncios</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>how a screen reader reads the clock face, in QTime format letters</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>no announcements</source>
        <comment>the slider at 0 minutes</comment>
        <translation>sem anúncios</translation>
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
        <translation>Dizer as horas</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Definições…</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Acerca do Horavox</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>horavox::DirectSS</name>
    <message>
        <source>female</source>
        <comment>a voice</comment>
        <translation>feminina</translation>
    </message>
    <message>
        <source>male</source>
        <comment>a voice</comment>
        <translation>masculina</translation>
    </message>
    <message>
        <source>Default voice of the speech service (speech-dispatcher)</source>
        <translation>Voz predefinida do serviço de fala (speech-dispatcher)</translation>
    </message>
    <message>
        <source>%1 unavailable, %2</source>
        <comment>a voice that could not speak, then the voice that spoke instead</comment>
        <translation>%1 indisponível, %2</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>O Horavox diz as horas em intervalos ou quando pedir. No modo alarme, conta os minutos.</translation>
    </message>
    <message>
        <source>© 2026 The Horavox developers</source>
        <translation>© 2026 A equipa do Horavox</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>Acerca do Horavox</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Escrever para %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>horavox::MainForm</name>
    <message>
        <source>Sound Card Check</source>
        <translation>Verificação da placa de som</translation>
    </message>
    <message>
        <source>Your system cannot play WAV files</source>
        <translation>O sistema não consegue reproduzir ficheiros WAV</translation>
    </message>
    <message>
        <source>Horavox settings not saved</source>
        <translation>Definições do Horavox não guardadas</translation>
    </message>
    <message>
        <source>The slider position in %1 could not be read: %2.

This run starts at one minute and leaves the file as it is.</source>
        <translation>Não foi possível ler a posição do controlo deslizante em %1: %2.

Desta vez o relógio começa num minuto e o ficheiro fica como está.</translation>
    </message>
    <message>
        <source>The settings were not saved to %1: %2.</source>
        <translation>As definições não foram guardadas em %1: %2.</translation>
    </message>
    <message>
        <source>The slider position was not saved to %1: %2.</source>
        <translation>A posição do controlo deslizante não foi guardada em %1: %2.</translation>
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
        <translation>Silenciar até amanhã</translation>
    </message>
    <message>
        <source>Skip the next announcement</source>
        <translation>Saltar o próximo anúncio</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Reativar o som</translation>
    </message>
    <message>
        <source>Quiet times and voice…</source>
        <translation>Períodos de silêncio e voz…</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silêncio</translation>
    </message>
</context>
<context>
    <name>horavox::QuietController</name>
    <message>
        <source>the file could not be read at start</source>
        <translation>não foi possível ler o ficheiro no arranque</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>não foi possível escrevê-lo</translation>
    </message>
</context>
<context>
    <name>horavox::QuietDialog</name>
    <message>
        <source>Quiet times and voice</source>
        <translation>Períodos de silêncio e voz</translation>
    </message>
    <message>
        <source>Announce on</source>
        <translation>Dias de anúncio</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
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
        <translation>Ficar em silêncio</translation>
    </message>
    <message>
        <source>During &amp;calls (while a program records from a microphone)</source>
        <translation>Durante &amp;chamadas (enquanto um programa grava a partir do microfone)</translation>
    </message>
    <message>
        <source>When the desktop is set to &amp;do not disturb</source>
        <translation>Quando o ambiente de trabalho estiver em «&amp;Não incomodar»</translation>
    </message>
    <message>
        <source>&amp;Pause music and videos while speaking</source>
        <translation>&amp;Pausar música e vídeos durante a fala</translation>
    </message>
    <message>
        <source>The speech engine&apos;s own voice</source>
        <translation>Voz predefinida do motor de fala</translation>
    </message>
    <message>
        <source>Text-to-speech &amp;voice:</source>
        <translation>Voz de &amp;síntese:</translation>
    </message>
    <message>
        <source>Heard when the settings say &quot;Say using TTS&quot;; the recorded voice is always the same.</source>
        <translation>Ouvida quando as definições indicam «Voz sintetizada»; a voz gravada é sempre a mesma.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The recorded voice speaks English only.</source>
        <translation>A voz gravada só fala inglês.</translation>
    </message>
    <message>
        <source>The language&apos;s usual clock</source>
        <translation>O relógio habitual do idioma</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>Relógio de 24 horas</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>Relógio de 12 horas</translation>
    </message>
    <message>
        <source>Cloc&amp;k:</source>
        <translation>&amp;Relógio:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>O idioma do ambiente de trabalho (%1)</translation>
    </message>
</context>
<context>
    <name>horavox::QuietGate</name>
    <message>
        <source>tomorrow %1</source>
        <translation>amanhã %1</translation>
    </message>
    <message>
        <source>muted until %1</source>
        <translation>silenciado até %1</translation>
    </message>
    <message>
        <source>in a call</source>
        <translation>em chamada</translation>
    </message>
    <message>
        <source>do not disturb</source>
        <translation>não incomodar</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no announcement is due</comment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>alarm mode is on</source>
        <translation>modo alarme ligado</translation>
    </message>
    <message>
        <source>the interval is 0</source>
        <translation>o intervalo é 0</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>saltado</translation>
    </message>
    <message>
        <source>no announcement day or time</source>
        <translation>nenhum dia ou hora de anúncio</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>próximo: %1</translation>
    </message>
    <message>
        <source>next: %1 (%2)</source>
        <translation>próximo: %1 (%2)</translation>
    </message>
    <message>
        <source>a program is using the microphone</source>
        <translation>um programa está a usar o microfone</translation>
    </message>
    <message>
        <source>the desktop is set to do not disturb</source>
        <translation>o ambiente de trabalho está em «Não incomodar»</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <comment>a day of the week the clock does not speak on</comment>
        <translation>%1: dia excluído</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <comment>the reasons the clock keeps quiet</comment>
        <translation>Silêncio: %1</translation>
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
        <translation>Silêncio</translation>
    </message>
</context>
<context>
    <name>horavox::QuietTray</name>
    <message>
        <source>Say the time</source>
        <translation>Dizer as horas</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Definições…</translation>
    </message>
    <message>
        <source>Hide the clock</source>
        <translation>Ocultar o relógio</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Mostrar o relógio</translation>
    </message>
</context>
<context>
    <name>horavox::QuietWiring</name>
    <message>
        <source>Quiet</source>
        <translation>Silêncio</translation>
    </message>
    <message>
        <source>The quiet times and voice choices in %1 could not be read: %2.

This run uses the defaults and leaves the file as it is.</source>
        <translation>Não foi possível ler os períodos de silêncio e as opções de voz em %1: %2.

Desta vez são usados os valores predefinidos e o ficheiro fica como está.</translation>
    </message>
    <message>
        <source>The quiet times and voice choices were not saved to %1: %2.</source>
        <translation>Os períodos de silêncio e as opções de voz não foram guardados em %1: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::Settings</name>
    <message>
        <source>Phrase to say before the time</source>
        <translation>Frase antes das horas</translation>
    </message>
    <message>
        <source>TTS speed</source>
        <translation>Velocidade da voz</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minuto de início</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Hora de fim</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Minuto de fim</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <comment>the two arrows of a time field</comment>
        <translation>%1, setas</translation>
    </message>
    <message>
        <source>%1 up</source>
        <comment>arrow of a time field</comment>
        <translation>%1, aumentar</translation>
    </message>
    <message>
        <source>%1 down</source>
        <comment>arrow of a time field</comment>
        <translation>%1, diminuir</translation>
    </message>
    <message>
        <source>Start half of the day</source>
        <translation>Início, metade do dia</translation>
    </message>
    <message>
        <source>End half of the day</source>
        <translation>Fim, metade do dia</translation>
    </message>
    <message>
        <source>Start AM</source>
        <translation>Início AM</translation>
    </message>
    <message>
        <source>Start PM</source>
        <translation>Início PM</translation>
    </message>
    <message>
        <source>End AM</source>
        <translation>Fim AM</translation>
    </message>
    <message>
        <source>End PM</source>
        <translation>Fim PM</translation>
    </message>
    <message>
        <source>Horavox Settings</source>
        <translation>Definições do Horavox</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Velocidade da voz</translation>
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
        <translation>Velocidade da voz «%1»</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Introdução de dados</translation>
    </message>
    <message>
        <source>Value is not valid</source>
        <translation>Valor inválido</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read: %2.

This run uses the default settings and leaves the file as it is.</source>
        <translation>Não foi possível ler as definições em %1: %2.

Desta vez são usadas as definições predefinidas e o ficheiro fica como está.</translation>
    </message>
    <message>
        <source>the settings were not loaded yet</source>
        <translation>as definições ainda não tinham sido carregadas</translation>
    </message>
    <message>
        <source>the file could not be read at start</source>
        <translation>não foi possível ler o ficheiro no arranque</translation>
    </message>
</context>
<context>
    <name>horavox::SoundFile</name>
    <message>
        <source>The sound file cannot be found or opened.</source>
        <translation>O ficheiro de som não foi encontrado ou não pode ser aberto.</translation>
    </message>
    <message>
        <source>The sound file is empty.</source>
        <translation>O ficheiro de som está vazio.</translation>
    </message>
    <message>
        <source>The sound file is too large (more than 32 MB).</source>
        <translation>O ficheiro de som é demasiado grande (mais de 32 MB).</translation>
    </message>
    <message>
        <source>The sound plays too long (more than a minute).</source>
        <translation>O som dura demasiado (mais de um minuto).</translation>
    </message>
    <message>
        <source>The file is not a sound that can be played (WAV, FLAC or Ogg).</source>
        <translation>O ficheiro não é um som que possa ser tocado (WAV, FLAC ou Ogg).</translation>
    </message>
    <message>
        <source>Sound files cannot be read: libsndfile is not installed.</source>
        <translation>Não é possível ler ficheiros de som: a libsndfile não está instalada.</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>horavox::settings_file</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>it is larger than %1 kB</source>
        <translation>tem mais de %1 kB</translation>
    </message>
</context>
</TS>
