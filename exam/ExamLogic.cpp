#include "ExamLogic.h"

#include <cstdlib>

namespace ExamLogic {

ChoiceLayout LayoutChoice(bool hasTitlePicture, int titlePictureHeight, int optionCount, const QVector<int>& pictureHeights)
{
    ChoiceLayout l;
    int y = 40;
    if (hasTitlePicture) {
        l.TitlePictureTop = 45;
        y = 45 + titlePictureHeight;
    }
    l.TitleLineTop = y + 2;
    y += 5;
    y += 5;
    auto picture = [&](int i) {
        if (i >= pictureHeights.size() || pictureHeights.at(i) < 0)
            return;
        y += 5;
        l.PictureTop[i] = y;
        y += pictureHeights.at(i);
        l.LineTop[i] = y + 2;
        y += 5;
    };
    if (optionCount >= 2) {
        l.BoxCount = 2;
        l.BoxTop[0] = y;
        y += 40;
        picture(0);
        l.BoxTop[1] = y + 5;
        y += 40;
        picture(1);
    }
    for (int i = 2; i < 5; ++i) {
        if (optionCount < i + 1)
            break;
        l.BoxCount = i + 1;
        y += 5;
        l.BoxTop[i] = y;
        y += 40;
        picture(i);
    }
    if (optionCount >= 6) {
        l.BoxCount = 6;
        y += 45;
        l.BoxTop[5] = y;
        y += 40;
        picture(5);
    }
    l.Bottom = y;
    return l;
}

QString OptionCaption(int questionType, int index, const QString& text)
{
    const QString shown = QString(text).replace(QStringLiteral("#&#"), QStringLiteral("|"));
    if (questionType == 3 && index < 2)
        return shown;
    return QString(QLatin1Char(char('A' + index))) + QLatin1Char('.') + shown;
}

QString UserAnswer(const bool ticked[6])
{
    QString answer;
    for (int i = 0; i < 6; ++i) {
        if (!ticked[i])
            continue;
        if (!answer.isEmpty())
            answer += QLatin1Char('|');
        answer += QLatin1Char(char('A' + i));
    }
    return answer;
}

double Score(const QString& userAnswer, const QString& correctAnswer, double questionScore)
{
    return userAnswer == correctAnswer ? questionScore : 0.0;
}

QString AnswerLetters(const QString& correctAnswer)
{
    return QString(correctAnswer).remove(QLatin1Char('|'));
}

int SheetIcon(const QString& answerStatus, const QString& markStatus, bool selected, bool entriesPresent)
{
    if (!entriesPresent)
        return 0;
    bool ok = false;
    const int status = answerStatus.toInt(&ok);
    if (!ok)
        return 0;
    const bool marked = markStatus != QLatin1String("0");
    if (selected)
        return marked ? 5 : 2;
    return marked ? status + 3 : status;
}

QString ClockText(const QDateTime& end, const QDateTime& now)
{
    const qint64 ms = std::llabs(now.msecsTo(end));
    const qint64 secs = ms / 1000;
    const int h = static_cast<int>((secs / 3600) % 24);
    const int m = static_cast<int>((secs / 60) % 60);
    const int s = static_cast<int>(secs % 60);
    return QStringLiteral("%1:%2:%3").arg(h, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
}

QString ExamCaption(const QString& subjectName, const QString& paperName, const QString& paperScore,
                    const QString& passScore, int count, const QString& examTime)
{
    return QStringLiteral("%1--试卷：%2   总分：%3分   通过分：%4分   试题数量：%5题   时长:%6分钟")
        .arg(subjectName, paperName, paperScore, passScore, QString::number(count), examTime);
}

} // namespace ExamLogic
