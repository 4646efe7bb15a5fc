#pragma once
// The exam window's logic that is not about widgets: the choice-question
// layout, judging, the sheet icon rule and the clock text.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace ExamLogic {

// Vertical positions of a choice question inside the scroll box (pixels).
// Inputs: whether a title picture is named and its height (0 when it did not
// load), the option count of F_OPTION, and per option the height of its
// picture, or -1 when it has no picture entry.
struct ChoiceLayout
{
    int TitlePictureTop = -1; // -1: no title picture
    int TitleLineTop = 0;
    int BoxCount = 0;          // boxes shown: 0, or 2 to 6
    int BoxTop[6] = {-1, -1, -1, -1, -1, -1};
    int PictureTop[6] = {-1, -1, -1, -1, -1, -1}; // -1: no picture slot
    int LineTop[6] = {-1, -1, -1, -1, -1, -1};
    int Bottom = 0;            // the running position after the last control
};
ChoiceLayout LayoutChoice(bool hasTitlePicture, int titlePictureHeight, int optionCount, const QVector<int>& pictureHeights);

// Option captions: "A." + text, except the first two of a judgement question;
// "#&#" stands for "|".
QString OptionCaption(int questionType, int index, const QString& text);

// The ticked letters in A..F order joined by "|".
QString UserAnswer(const bool ticked[6]);
// Points for an answer: the whole score on an exact match, else 0.
double Score(const QString& userAnswer, const QString& correctAnswer, double questionScore);
// The letters of a correct answer run together, for the wrong-answer box.
QString AnswerLetters(const QString& correctAnswer);

// Sheet icon: status, plus 3 when marked; 2 or 5 for the selected item; 0
// when an entry is missing or not a number.
int SheetIcon(const QString& answerStatus, const QString& markStatus, bool selected, bool entriesPresent = true);

// "hh:nn:ss" of end - now, hours of the day; the magnitude once end has passed.
QString ClockText(const QDateTime& end, const QDateTime& now);

// The window caption for a paper header.
QString ExamCaption(const QString& subjectName, const QString& paperName, const QString& paperScore,
                    const QString& passScore, int count, const QString& examTime);

} // namespace ExamLogic
