#pragma once
// The explanation window: the correct answer and the text, video and picture
// explanations of one question.

#include <QDialog>

#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace Ui {
class FrmExplan;
}

class TFrmExplan : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmExplan(QWidget* parent = nullptr);
    ~TFrmExplan() override;

    int QuestionID = 0;
    bool Playing = false;
    bool WasPaused = false;
    qint64 Duration = 0; // microseconds

    void LoadExplanation();
    void OpenVideo(const QString& name);
    void BtnPlayClick();
    void FFPlayerFileOpen(qint64 duration);
    void FFPlayerPosition(qint64 position);
    void TrackBarMouseDown();
    void TrackBarMouseUp(int x);

    // The player, made only for a question with a video (null otherwise).
    QMediaPlayer* FFPlayer = nullptr;
    // Whether the multimedia backend can play at all (tests may say it cannot).
    static bool& LibrariesAvailable();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool playerPaused() const;
    std::unique_ptr<Ui::FrmExplan> ui;
    QVideoWidget* m_video = nullptr;
    QAudioOutput* m_audio = nullptr;
};
