<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MainForm</name>
    <message>
        <source>Alarm Mode Indicator</source>
        <translation>Wskaźnik trybu alarmu</translation>
    </message>
    <message>
        <source>&apos;Speaking&apos; Indicator</source>
        <translation>Wskaźnik mówienia</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Say Time</source>
        <translation>Wypowiedz godzinę</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Horavox Settings</source>
        <translation>Ustawienia Horavox</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Głos</translation>
    </message>
    <message>
        <source>Say using TTS</source>
        <translation>Synteza mowy</translation>
    </message>
    <message>
        <source>Say using Real Speech</source>
        <translation>Nagrany głos</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Szybkość mowy</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Announce Time Mode</source>
        <translation>Ogłaszanie godziny</translation>
    </message>
    <message>
        <source>Phrase to say before Time (TTS Only):</source>
        <translation>Tekst przed godziną (tylko synteza mowy):</translation>
    </message>
    <message>
        <source>Announce Between:</source>
        <translation>Ogłaszaj między:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godz.</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Announce Time at Startup</source>
        <translation>Ogłaszaj przy starcie</translation>
    </message>
    <message>
        <source>Alarm Mode</source>
        <translation>Tryb alarmu</translation>
    </message>
    <message>
        <source>Say Time after each interval</source>
        <translation>Podawaj też godzinę</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Play Sound Before</source>
        <translation>Najpierw sygnał</translation>
    </message>
</context>
<context>
    <name>Spanbar</name>
    <message>
        <source>Set Time Interval</source>
        <translation>Ustaw odstęp czasu</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeController</name>
    <message>
        <source>The chime choices are not saved: %1 could not be read at start and is left as it is.</source>
        <translation>Wybór kurantów nie został zapisany: nie udało się odczytać %1 przy starcie i plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The chime choices are not saved: %1</source>
        <translation>Wybór kurantów nie został zapisany: %1</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeDialog</name>
    <message>
        <source>Chimes</source>
        <translation>Kuranty</translation>
    </message>
    <message>
        <source>Play before the time, when &quot;Play Sound Before&quot; is set:</source>
        <translation>Odtwarzaj przed godziną, gdy zaznaczono „Najpierw sygnał”:</translation>
    </message>
    <message>
        <source>The bleep</source>
        <translation>Sygnał</translation>
    </message>
    <message>
        <source>The hour struck (once at the half hour)</source>
        <translation>Wybijanie godziny (jedno uderzenie o wpół)</translation>
    </message>
    <message>
        <source>Westminster quarters</source>
        <translation>Kwadranse westminsterskie</translation>
    </message>
    <message>
        <source>Six pips, the last on the minute</source>
        <translation>Sześć sygnałów, ostatni z początkiem minuty</translation>
    </message>
    <message>
        <source>A sound file:</source>
        <translation>Plik dźwiękowy:</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Plik dźwiękowy</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>Chime only, without the words</source>
        <translation>Tylko kurant, bez słów</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>The chime choices could not be read: %1. They are not saved over.</source>
        <translation>Nie udało się odczytać wyboru kurantów: %1. Nie zostanie nadpisany.</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Dźwięki (*.wav *.flac *.ogg *.oga *.opus);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 The bleep plays instead.</source>
        <translation>%1 Zamiast niego zabrzmi sygnał.</translation>
    </message>
    <message>
        <source>Chimes…</source>
        <translation>Kuranty…</translation>
    </message>
</context>
<context>
    <name>horavox::ClockAccess</name>
    <message>
        <source>Alarm mode on</source>
        <translation>Tryb alarmu włączony</translation>
    </message>
    <message>
        <source>Alarm mode off</source>
        <translation>Tryb alarmu wyłączony</translation>
    </message>
    <message>
        <source>Say the time</source>
        <translation>Wypowiedz godzinę</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>O programie Horavox</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Mówi</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Cisza</translation>
    </message>
    <message>
        <source>Minutes between announcements</source>
        <translation>Minuty między komunikatami</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>how a screen reader reads the clock face, in QTime format letters</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>no announcements</source>
        <comment>the slider at 0 minutes</comment>
        <translation>brak komunikatów</translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>horavox::ClockActions</name>
    <message>
        <source>Say the time</source>
        <translation>Wypowiedz godzinę</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>O programie Horavox</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>horavox::DirectSS</name>
    <message>
        <source>female</source>
        <comment>a voice</comment>
        <translation>kobiecy</translation>
    </message>
    <message>
        <source>male</source>
        <comment>a voice</comment>
        <translation>męski</translation>
    </message>
    <message>
        <source>Default voice of the speech service (speech-dispatcher)</source>
        <translation>Domyślny głos usługi mowy (speech-dispatcher)</translation>
    </message>
    <message>
        <source>%1 unavailable, %2</source>
        <comment>a voice that could not speak, then the voice that spoke instead</comment>
        <translation>%1 niedostępny, %2</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox podaje godzinę w wybranych odstępach albo na żądanie. W trybie alarmu odlicza minuty.</translation>
    </message>
    <message>
        <source>© 2026 The Horavox developers</source>
        <translation>© 2026 Twórcy programu Horavox</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>O programie Horavox</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Napisz do %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>horavox::MainForm</name>
    <message>
        <source>Sound Card Check</source>
        <translation>Sprawdzanie karty dźwiękowej</translation>
    </message>
    <message>
        <source>Your system cannot play WAV files</source>
        <translation>System nie może odtwarzać plików WAV</translation>
    </message>
    <message>
        <source>Horavox settings not saved</source>
        <translation>Nie zapisano ustawień Horavox</translation>
    </message>
    <message>
        <source>The slider position in %1 could not be read: %2.

This run starts at one minute and leaves the file as it is.</source>
        <translation>Nie udało się odczytać położenia suwaka z %1: %2.

Tym razem zegar zaczyna od jednej minuty, a plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The settings were not saved to %1: %2.</source>
        <translation>Nie zapisano ustawień w %1: %2.</translation>
    </message>
    <message>
        <source>The slider position was not saved to %1: %2.</source>
        <translation>Nie zapisano położenia suwaka w %1: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::QuietActions</name>
    <message>
        <source>Mute for 15 minutes</source>
        <translation>Wycisz na 15 minut</translation>
    </message>
    <message>
        <source>Mute for 1 hour</source>
        <translation>Wycisz na 1 godzinę</translation>
    </message>
    <message>
        <source>Mute until tomorrow</source>
        <translation>Wycisz do jutra</translation>
    </message>
    <message>
        <source>Skip the next announcement</source>
        <translation>Pomiń następny komunikat</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Wyłącz wyciszenie</translation>
    </message>
    <message>
        <source>Quiet times and voice…</source>
        <translation>Godziny ciszy i głos…</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Cisza</translation>
    </message>
</context>
<context>
    <name>horavox::QuietController</name>
    <message>
        <source>the file could not be read at start</source>
        <translation>nie udało się odczytać pliku przy uruchomieniu</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>nie udało się go zapisać</translation>
    </message>
</context>
<context>
    <name>horavox::QuietDialog</name>
    <message>
        <source>Quiet times and voice</source>
        <translation>Godziny ciszy i głos</translation>
    </message>
    <message>
        <source>Announce on</source>
        <translation>Dni ogłaszania</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Głos</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>Gł&amp;ośność:</translation>
    </message>
    <message>
        <source>Keep quiet</source>
        <translation>Zachowaj ciszę</translation>
    </message>
    <message>
        <source>During &amp;calls (while a program records from a microphone)</source>
        <translation>Podczas &amp;rozmów (gdy program nagrywa z mikrofonu)</translation>
    </message>
    <message>
        <source>When the desktop is set to &amp;do not disturb</source>
        <translation>Gdy pulpit jest w trybie „&amp;Nie przeszkadzać”</translation>
    </message>
    <message>
        <source>&amp;Pause music and videos while speaking</source>
        <translation>&amp;Wstrzymuj muzykę i filmy podczas mówienia</translation>
    </message>
    <message>
        <source>The speech engine&apos;s own voice</source>
        <translation>Domyślny głos syntezatora mowy</translation>
    </message>
    <message>
        <source>Text-to-speech &amp;voice:</source>
        <translation>&amp;Głos syntezy mowy:</translation>
    </message>
    <message>
        <source>Heard when the settings say &quot;Say using TTS&quot;; the recorded voice is always the same.</source>
        <translation>Słychać go, gdy w ustawieniach wybrano „Synteza mowy”; nagrany głos jest zawsze ten sam.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Język:</translation>
    </message>
    <message>
        <source>The recorded voice speaks English only.</source>
        <translation>Nagrany głos mówi tylko po angielsku.</translation>
    </message>
    <message>
        <source>The language&apos;s usual clock</source>
        <translation>Zegar zwyczajowy dla języka</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>Zegar 24-godzinny</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>Zegar 12-godzinny</translation>
    </message>
    <message>
        <source>Cloc&amp;k:</source>
        <translation>&amp;Zegar:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Język pulpitu (%1)</translation>
    </message>
</context>
<context>
    <name>horavox::QuietGate</name>
    <message>
        <source>tomorrow %1</source>
        <translation>jutro %1</translation>
    </message>
    <message>
        <source>muted until %1</source>
        <translation>wyciszony do %1</translation>
    </message>
    <message>
        <source>in a call</source>
        <translation>trwa rozmowa</translation>
    </message>
    <message>
        <source>do not disturb</source>
        <translation>nie przeszkadzać</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no announcement is due</comment>
        <translation>brak</translation>
    </message>
    <message>
        <source>alarm mode is on</source>
        <translation>tryb alarmu włączony</translation>
    </message>
    <message>
        <source>the interval is 0</source>
        <translation>odstęp wynosi 0</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>pominięty</translation>
    </message>
    <message>
        <source>no announcement day or time</source>
        <translation>brak dnia lub godziny ogłoszeń</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>następny: %1</translation>
    </message>
    <message>
        <source>next: %1 (%2)</source>
        <translation>następny: %1 (%2)</translation>
    </message>
    <message>
        <source>a program is using the microphone</source>
        <translation>program używa mikrofonu</translation>
    </message>
    <message>
        <source>the desktop is set to do not disturb</source>
        <translation>pulpit jest w trybie „Nie przeszkadzać”</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <comment>a day of the week the clock does not speak on</comment>
        <translation>%1: dzień pominięty</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <comment>the reasons the clock keeps quiet</comment>
        <translation>Cisza: %1</translation>
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
        <translation>Cisza</translation>
    </message>
</context>
<context>
    <name>horavox::QuietTray</name>
    <message>
        <source>Say the time</source>
        <translation>Wypowiedz godzinę</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Hide the clock</source>
        <translation>Ukryj zegar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Pokaż zegar</translation>
    </message>
</context>
<context>
    <name>horavox::QuietWiring</name>
    <message>
        <source>Quiet</source>
        <translation>Cisza</translation>
    </message>
    <message>
        <source>The quiet times and voice choices in %1 could not be read: %2.

This run uses the defaults and leaves the file as it is.</source>
        <translation>Nie udało się odczytać godzin ciszy i ustawień głosu z %1: %2.

Tym razem używane są wartości domyślne, a plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The quiet times and voice choices were not saved to %1: %2.</source>
        <translation>Nie zapisano godzin ciszy i ustawień głosu w %1: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::Settings</name>
    <message>
        <source>Phrase to say before the time</source>
        <translation>Tekst przed godziną</translation>
    </message>
    <message>
        <source>TTS speed</source>
        <translation>Szybkość mowy</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Godzina początkowa</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minuta początkowa</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Godzina końcowa</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Minuta końcowa</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <comment>the two arrows of a time field</comment>
        <translation>%1, strzałki</translation>
    </message>
    <message>
        <source>%1 up</source>
        <comment>arrow of a time field</comment>
        <translation>%1, w górę</translation>
    </message>
    <message>
        <source>%1 down</source>
        <comment>arrow of a time field</comment>
        <translation>%1, w dół</translation>
    </message>
    <message>
        <source>Start half of the day</source>
        <translation>Początek, pora dnia</translation>
    </message>
    <message>
        <source>End half of the day</source>
        <translation>Koniec, pora dnia</translation>
    </message>
    <message>
        <source>Start AM</source>
        <translation>Początek przed południem</translation>
    </message>
    <message>
        <source>Start PM</source>
        <translation>Początek po południu</translation>
    </message>
    <message>
        <source>End AM</source>
        <translation>Koniec przed południem</translation>
    </message>
    <message>
        <source>End PM</source>
        <translation>Koniec po południu</translation>
    </message>
    <message>
        <source>Horavox Settings</source>
        <translation>Ustawienia Horavox</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Szybkość mowy</translation>
    </message>
    <message numerus="yes">
        <source>There is %n TTS engine installed</source>
        <translation>
            <numerusform>Zainstalowano %n syntezator mowy</numerusform>
            <numerusform>Zainstalowano %n syntezatory mowy</numerusform>
            <numerusform>Zainstalowano %n syntezatorów mowy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation>
            <numerusform>Zainstalowano %n syntezator mowy</numerusform>
            <numerusform>Zainstalowano %n syntezatory mowy</numerusform>
            <numerusform>Zainstalowano %n syntezatorów mowy</numerusform>
        </translation>
    </message>
    <message>
        <source>TTS Speed of voice &quot;%1&quot;</source>
        <translation>Szybkość mowy głosu „%1”</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Wprowadzanie danych</translation>
    </message>
    <message>
        <source>Value is not valid</source>
        <translation>Nieprawidłowa wartość</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read: %2.

This run uses the default settings and leaves the file as it is.</source>
        <translation>Nie udało się odczytać ustawień z %1: %2.

Tym razem używane są ustawienia domyślne, a plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>the settings were not loaded yet</source>
        <translation>ustawienia nie były jeszcze wczytane</translation>
    </message>
    <message>
        <source>the file could not be read at start</source>
        <translation>nie udało się odczytać pliku przy uruchomieniu</translation>
    </message>
</context>
<context>
    <name>horavox::SoundFile</name>
    <message>
        <source>The sound file cannot be found or opened.</source>
        <translation>Nie można znaleźć ani otworzyć pliku dźwiękowego.</translation>
    </message>
    <message>
        <source>The sound file is empty.</source>
        <translation>Plik dźwiękowy jest pusty.</translation>
    </message>
    <message>
        <source>The sound file is too large (more than 32 MB).</source>
        <translation>Plik dźwiękowy jest za duży (ponad 32 MB).</translation>
    </message>
    <message>
        <source>The sound plays too long (more than a minute).</source>
        <translation>Dźwięk trwa za długo (ponad minutę).</translation>
    </message>
    <message>
        <source>The file is not a sound that can be played (WAV, FLAC or Ogg).</source>
        <translation>Plik nie jest dźwiękiem, który da się odtworzyć (WAV, FLAC lub Ogg).</translation>
    </message>
    <message>
        <source>Sound files cannot be read: libsndfile is not installed.</source>
        <translation>Nie można czytać plików dźwiękowych: biblioteka libsndfile nie jest zainstalowana.</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>horavox::settings_file</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it is larger than %1 kB</source>
        <translation>jest większy niż %1 kB</translation>
    </message>
</context>
</TS>
