<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainForm</name>
    <message>
        <source>Alarm Mode Indicator</source>
        <translation>Индикатор режима будильника</translation>
    </message>
    <message>
        <source>&apos;Speaking&apos; Indicator</source>
        <translation>Индикатор речи</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Say Time</source>
        <translation>Произнести время</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Horavox Settings</source>
        <translation>Настройки Horavox</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>Say using TTS</source>
        <translation>Синтез речи</translation>
    </message>
    <message>
        <source>Say using Real Speech</source>
        <translation>Записанный голос</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Скорость речи</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Announce Time Mode</source>
        <translation>Объявление времени</translation>
    </message>
    <message>
        <source>Phrase to say before Time (TTS Only):</source>
        <translation>Фраза перед временем (только синтез речи):</translation>
    </message>
    <message>
        <source>Announce Between:</source>
        <translation>Объявлять:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>С</translation>
    </message>
    <message>
        <source>End</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Announce Time at Startup</source>
        <translation>Объявлять при запуске</translation>
    </message>
    <message>
        <source>Alarm Mode</source>
        <translation>Режим будильника</translation>
    </message>
    <message>
        <source>Say Time after each interval</source>
        <translation>Называть и время</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Play Sound Before</source>
        <translation>Сначала сигнал</translation>
    </message>
</context>
<context>
    <name>Spanbar</name>
    <message>
        <source>Set Time Interval</source>
        <translation>Задать интервал</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeController</name>
    <message>
        <source>The chime choices are not saved: %1 could not be read at start and is left as it is.</source>
        <translation>Выбор боя часов не сохранён: %1 не удалось прочитать при запуске, файл оставлен как есть.</translation>
    </message>
    <message>
        <source>The chime choices are not saved: %1</source>
        <translation>Выбор боя часов не сохранён: %1</translation>
    </message>
</context>
<context>
    <name>horavox::ChimeDialog</name>
    <message>
        <source>Chimes</source>
        <translation>Бой часов</translation>
    </message>
    <message>
        <source>Play before the time, when &quot;Play Sound Before&quot; is set:</source>
        <translation>Играть перед временем, когда включено «Сначала сигнал»:</translation>
    </message>
    <message>
        <source>The bleep</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>The hour struck (once at the half hour)</source>
        <translation>Бой часов по числу часов (один удар в половине часа)</translation>
    </message>
    <message>
        <source>Westminster quarters</source>
        <translation>Вестминстерские четверти</translation>
    </message>
    <message>
        <source>Six pips, the last on the minute</source>
        <translation>Шесть сигналов, последний — с началом минуты</translation>
    </message>
    <message>
        <source>A sound file:</source>
        <translation>Звуковой файл:</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Звуковой файл</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>Chime only, without the words</source>
        <translation>Только бой, без слов</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>The chime choices could not be read: %1. They are not saved over.</source>
        <translation>Не удалось прочитать выбор боя часов: %1. Он не будет перезаписан.</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Звуки (*.wav *.flac *.ogg *.oga *.opus);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 The bleep plays instead.</source>
        <translation>%1 Вместо него звучит сигнал.</translation>
    </message>
    <message>
        <source>Chimes…</source>
        <translation>Бой часов…</translation>
    </message>
</context>
<context>
    <name>horavox::ClockAccess</name>
    <message>
        <source>Alarm mode on</source>
        <translation>Режим будильника включён</translation>
    </message>
    <message>
        <source>Alarm mode off</source>
        <translation>Режим будильника выключен</translation>
    </message>
    <message>
        <source>Say the time</source>
        <translation>Произнести время</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>О программе Horavox</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Говорит</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Молчит</translation>
    </message>
    <message>
        <source>Minutes between announcements</source>
        <translation>Минуты между объявлениями</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>how a screen reader reads the clock face, in QTime format letters</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>no announcements</source>
        <comment>the slider at 0 minutes</comment>
        <translation>без объявлений</translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>horavox::ClockActions</name>
    <message>
        <source>Say the time</source>
        <translation>Произнести время</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>О программе Horavox</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>horavox::DirectSS</name>
    <message>
        <source>female</source>
        <comment>a voice</comment>
        <translation>женский</translation>
    </message>
    <message>
        <source>male</source>
        <comment>a voice</comment>
        <translation>мужской</translation>
    </message>
    <message>
        <source>Default voice of the speech service (speech-dispatcher)</source>
        <translation>Голос службы речи по умолчанию (speech-dispatcher)</translation>
    </message>
    <message>
        <source>%1 unavailable, %2</source>
        <comment>a voice that could not speak, then the voice that spoke instead</comment>
        <translation>%1 недоступен, %2</translation>
    </message>
</context>
<context>
    <name>horavox::Form3</name>
    <message>
        <source>Horavox speaks the time at the interval you choose, or whenever you ask. In alarm mode it counts the minutes for you.</source>
        <translation>Horavox называет время через выбранный интервал или по запросу. В режиме будильника он считает для вас минуты.</translation>
    </message>
    <message>
        <source>© 2026 The Horavox developers</source>
        <translation>© 2026 Разработчики Horavox</translation>
    </message>
    <message>
        <source>About Horavox</source>
        <translation>О программе Horavox</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Написать на %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>horavox::MainForm</name>
    <message>
        <source>Sound Card Check</source>
        <translation>Проверка звуковой карты</translation>
    </message>
    <message>
        <source>Your system cannot play WAV files</source>
        <translation>Система не может воспроизводить файлы WAV</translation>
    </message>
    <message>
        <source>Horavox settings not saved</source>
        <translation>Настройки Horavox не сохранены</translation>
    </message>
    <message>
        <source>The slider position in %1 could not be read: %2.

This run starts at one minute and leaves the file as it is.</source>
        <translation>Не удалось прочитать положение ползунка из %1: %2.

Сейчас часы начинают с одной минуты, а файл остаётся без изменений.</translation>
    </message>
    <message>
        <source>The settings were not saved to %1: %2.</source>
        <translation>Настройки не сохранены в %1: %2.</translation>
    </message>
    <message>
        <source>The slider position was not saved to %1: %2.</source>
        <translation>Положение ползунка не сохранено в %1: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::QuietActions</name>
    <message>
        <source>Mute for 15 minutes</source>
        <translation>Отключить звук на 15 минут</translation>
    </message>
    <message>
        <source>Mute for 1 hour</source>
        <translation>Отключить звук на 1 час</translation>
    </message>
    <message>
        <source>Mute until tomorrow</source>
        <translation>Отключить звук до завтра</translation>
    </message>
    <message>
        <source>Skip the next announcement</source>
        <translation>Пропустить следующее объявление</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Включить звук</translation>
    </message>
    <message>
        <source>Quiet times and voice…</source>
        <translation>Тихие часы и голос…</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Тишина</translation>
    </message>
</context>
<context>
    <name>horavox::QuietController</name>
    <message>
        <source>the file could not be read at start</source>
        <translation>файл не удалось прочитать при запуске</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>его не удалось записать</translation>
    </message>
</context>
<context>
    <name>horavox::QuietDialog</name>
    <message>
        <source>Quiet times and voice</source>
        <translation>Тихие часы и голос</translation>
    </message>
    <message>
        <source>Announce on</source>
        <translation>Дни объявлений</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>V&amp;olume:</source>
        <translation>Гр&amp;омкость:</translation>
    </message>
    <message>
        <source>Keep quiet</source>
        <translation>Молчать</translation>
    </message>
    <message>
        <source>During &amp;calls (while a program records from a microphone)</source>
        <translation>Во время &amp;звонков (когда программа записывает с микрофона)</translation>
    </message>
    <message>
        <source>When the desktop is set to &amp;do not disturb</source>
        <translation>Когда на рабочем столе включён режим «&amp;Не беспокоить»</translation>
    </message>
    <message>
        <source>&amp;Pause music and videos while speaking</source>
        <translation>&amp;Приостанавливать музыку и видео во время речи</translation>
    </message>
    <message>
        <source>The speech engine&apos;s own voice</source>
        <translation>Голос синтезатора по умолчанию</translation>
    </message>
    <message>
        <source>Text-to-speech &amp;voice:</source>
        <translation>&amp;Голос синтеза речи:</translation>
    </message>
    <message>
        <source>Heard when the settings say &quot;Say using TTS&quot;; the recorded voice is always the same.</source>
        <translation>Звучит, когда в настройках выбран «Синтез речи»; записанный голос всегда один и тот же.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Язык:</translation>
    </message>
    <message>
        <source>The recorded voice speaks English only.</source>
        <translation>Записанный голос говорит только по-английски.</translation>
    </message>
    <message>
        <source>The language&apos;s usual clock</source>
        <translation>Как принято в языке</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>24-часовой формат</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12-часовой формат</translation>
    </message>
    <message>
        <source>Cloc&amp;k:</source>
        <translation>&amp;Формат времени:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Язык рабочего стола (%1)</translation>
    </message>
</context>
<context>
    <name>horavox::QuietGate</name>
    <message>
        <source>tomorrow %1</source>
        <translation>завтра %1</translation>
    </message>
    <message>
        <source>muted until %1</source>
        <translation>без звука до %1</translation>
    </message>
    <message>
        <source>in a call</source>
        <translation>идёт звонок</translation>
    </message>
    <message>
        <source>do not disturb</source>
        <translation>не беспокоить</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no announcement is due</comment>
        <translation>нет</translation>
    </message>
    <message>
        <source>alarm mode is on</source>
        <translation>включён режим будильника</translation>
    </message>
    <message>
        <source>the interval is 0</source>
        <translation>интервал равен 0</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>пропущено</translation>
    </message>
    <message>
        <source>no announcement day or time</source>
        <translation>нет дня или времени объявлений</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>следующее: %1</translation>
    </message>
    <message>
        <source>next: %1 (%2)</source>
        <translation>следующее: %1 (%2)</translation>
    </message>
    <message>
        <source>a program is using the microphone</source>
        <translation>программа использует микрофон</translation>
    </message>
    <message>
        <source>the desktop is set to do not disturb</source>
        <translation>на рабочем столе включён режим «Не беспокоить»</translation>
    </message>
    <message>
        <source>%1 is left out</source>
        <comment>a day of the week the clock does not speak on</comment>
        <translation>%1: день исключён</translation>
    </message>
    <message>
        <source>Quiet: %1</source>
        <comment>the reasons the clock keeps quiet</comment>
        <translation>Тишина: %1</translation>
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
        <translation>Тишина</translation>
    </message>
</context>
<context>
    <name>horavox::QuietTray</name>
    <message>
        <source>Say the time</source>
        <translation>Произнести время</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Hide the clock</source>
        <translation>Скрыть часы</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Show the clock</source>
        <translation>Показать часы</translation>
    </message>
</context>
<context>
    <name>horavox::QuietWiring</name>
    <message>
        <source>Quiet</source>
        <translation>Тишина</translation>
    </message>
    <message>
        <source>The quiet times and voice choices in %1 could not be read: %2.

This run uses the defaults and leaves the file as it is.</source>
        <translation>Не удалось прочитать тихие часы и выбор голоса из %1: %2.

Сейчас используются значения по умолчанию, а файл остаётся без изменений.</translation>
    </message>
    <message>
        <source>The quiet times and voice choices were not saved to %1: %2.</source>
        <translation>Тихие часы и выбор голоса не сохранены в %1: %2.</translation>
    </message>
</context>
<context>
    <name>horavox::Settings</name>
    <message>
        <source>Phrase to say before the time</source>
        <translation>Фраза перед временем</translation>
    </message>
    <message>
        <source>TTS speed</source>
        <translation>Скорость речи</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Час начала</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Минута начала</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Час окончания</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Минута окончания</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <comment>the two arrows of a time field</comment>
        <translation>%1, стрелки</translation>
    </message>
    <message>
        <source>%1 up</source>
        <comment>arrow of a time field</comment>
        <translation>%1, вверх</translation>
    </message>
    <message>
        <source>%1 down</source>
        <comment>arrow of a time field</comment>
        <translation>%1, вниз</translation>
    </message>
    <message>
        <source>Start half of the day</source>
        <translation>Начало, половина суток</translation>
    </message>
    <message>
        <source>End half of the day</source>
        <translation>Конец, половина суток</translation>
    </message>
    <message>
        <source>Start AM</source>
        <translation>Начало до полудня</translation>
    </message>
    <message>
        <source>Start PM</source>
        <translation>Начало после полудня</translation>
    </message>
    <message>
        <source>End AM</source>
        <translation>Конец до полудня</translation>
    </message>
    <message>
        <source>End PM</source>
        <translation>Конец после полудня</translation>
    </message>
    <message>
        <source>Horavox Settings</source>
        <translation>Настройки Horavox</translation>
    </message>
    <message>
        <source>TTS Speed</source>
        <translation>Скорость речи</translation>
    </message>
    <message numerus="yes">
        <source>There is %n TTS engine installed</source>
        <translation>
            <numerusform>Установлен %n синтезатор речи</numerusform>
            <numerusform>Установлено %n синтезатора речи</numerusform>
            <numerusform>Установлено %n синтезаторов речи</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n TTS engines installed</source>
        <translation>
            <numerusform>Установлен %n синтезатор речи</numerusform>
            <numerusform>Установлено %n синтезатора речи</numerusform>
            <numerusform>Установлено %n синтезаторов речи</numerusform>
        </translation>
    </message>
    <message>
        <source>TTS Speed of voice &quot;%1&quot;</source>
        <translation>Скорость речи голоса «%1»</translation>
    </message>
    <message>
        <source>Data Entry</source>
        <translation>Ввод данных</translation>
    </message>
    <message>
        <source>Value is not valid</source>
        <translation>Недопустимое значение</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read: %2.

This run uses the default settings and leaves the file as it is.</source>
        <translation>Не удалось прочитать настройки из %1: %2.

Сейчас используются настройки по умолчанию, а файл остаётся без изменений.</translation>
    </message>
    <message>
        <source>the settings were not loaded yet</source>
        <translation>настройки ещё не были загружены</translation>
    </message>
    <message>
        <source>the file could not be read at start</source>
        <translation>файл не удалось прочитать при запуске</translation>
    </message>
</context>
<context>
    <name>horavox::SoundFile</name>
    <message>
        <source>The sound file cannot be found or opened.</source>
        <translation>Звуковой файл не найден или не открывается.</translation>
    </message>
    <message>
        <source>The sound file is empty.</source>
        <translation>Звуковой файл пуст.</translation>
    </message>
    <message>
        <source>The sound file is too large (more than 32 MB).</source>
        <translation>Звуковой файл слишком велик (больше 32 МБ).</translation>
    </message>
    <message>
        <source>The sound plays too long (more than a minute).</source>
        <translation>Звук длится слишком долго (больше минуты).</translation>
    </message>
    <message>
        <source>The file is not a sound that can be played (WAV, FLAC or Ogg).</source>
        <translation>Файл не является воспроизводимым звуком (WAV, FLAC или Ogg).</translation>
    </message>
    <message>
        <source>Sound files cannot be read: libsndfile is not installed.</source>
        <translation>Звуковые файлы не читаются: библиотека libsndfile не установлена.</translation>
    </message>
</context>
<context>
    <name>horavox::TitleStrip</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>horavox::settings_file</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than %1 kB</source>
        <translation>он больше %1 КБ</translation>
    </message>
</context>
</TS>
