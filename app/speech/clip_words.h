#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

namespace horavox {

// The lead-in clip of the current time. The time routine has always spelled it
// with a lower-case "s"; clipFilePath() maps it to the same file as the table.
QString timeClipName();
// The bleep; a bleep is always heard twice, so callers play it two times.
QString bleepClipName();

// The clips that speak a time text "h:nn:ssAM/PM" (9 or 10 characters):
// hour, minute words, AM or PM. The seconds are never spoken. A text of any
// other length, or a part that has no clip, contributes nothing rather than a
// wrong word.
QStringList timeWords(const QString &timeText);

// The clips that speak an elapsed count written as decimal text ("5", "25").
// Counts without words in the clip set (0, negatives, 60 and above) say nothing
// for the missing word.
QStringList countWords(const QString &countText);
QStringList countWords(int count);
// "MINUTE" for a count of exactly 1, "MINUTES" for every other count.
QString minuteWordClip(int count);

// One step of the elapsed-minutes announcement. The current time must be read
// when its step is reached (the clips before it take seconds to play), so it is
// a marker the player resolves with the TIME clip and timeWords() of that moment.
struct ElapsedStep
{
    enum Kind { Clip, SpeakTimeClips };
    Kind kind = Clip;
    QString clip; // set for Clip steps only

    friend bool operator==(const ElapsedStep &, const ElapsedStep &) = default;
};

// The whole elapsed-minutes announcement: the bleep twice when bleep is set,
// the count words, MINUTE or MINUTES, then, when tellTime is set, the current
// time (marker), START and the words of the alarm's start stamp.
QVector<ElapsedStep> elapsedSteps(int count, bool bleep, bool tellTime,
                                  const QString &alarmStartStamp);

} // namespace horavox
