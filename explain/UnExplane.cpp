#include "UnExplane.h"

#include "DbQuery.h"
#include "MediaTime.h"
#include "RemoteFiles.h"
#include "SqlText.h"
#include "UnDm.h"
#include "ui_UnExplane.h"

#include <QAudioOutput>
#include <QGuiApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QScreen>
#include <QVideoWidget>

TFrmExplan::TFrmExplan(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::FrmExplan>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(767, 683);
    Playing = false;
    ui->PG1->setCurrentIndex(0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setMaximumSize(screen->availableGeometry().size());
    connect(ui->BtnPlay, &QPushButton::clicked, this, &TFrmExplan::BtnPlayClick);
    ui->PanMp4->installEventFilter(this);
    ui->TrackBar->installEventFilter(this);
}

TFrmExplan::~TFrmExplan()
{
    if (FFPlayer)
        FFPlayer->stop(); // freeing the window ends playback
}

bool& TFrmExplan::LibrariesAvailable()
{
    static bool available = true;
    return available;
}

void TFrmExplan::LoadExplanation()
{
    TQuery q;
    if (!Dm->OpenQuery(q, SqlText::Build(SqlText::QuestionRow, {{u"QuestionID", QuestionID}})) || q.RecordCount() != 1)
        return;
    ui->LBAnswer->setText(ui->LBAnswer->text() + q.AsString(QStringLiteral("F_ANSWER")));
    const QString star = QStringLiteral("★");
    const QString info = q.AsString(QStringLiteral("F_PARSE_INFO"));
    if (!info.isEmpty()) {
        ui->PG1->setTabText(0, star + ui->PG1->tabText(0));
        ui->MemoPrase->appendPlainText(info);
    }
    const QString video = q.AsString(QStringLiteral("F_PARASE_MP4"));
    if (!video.isEmpty()) {
        ui->PG1->setTabText(1, star + ui->PG1->tabText(1));
        OpenVideo(video);
    } else {
        ui->PG1->setTabVisible(1, false);
    }
    const QString picture = q.AsString(QStringLiteral("F_PARSE_IMG"));
    if (!picture.isEmpty()) {
        ui->PG1->setTabText(2, star + ui->PG1->tabText(2));
        const PictureKind kind = PictureKindOf(picture);
        if (kind == PictureKind::Jpeg)
            Dm->LoadJpgFromURL(ui->ImgPrase, picture);
        else if (kind == PictureKind::Png)
            Dm->LoadPngFromURL(ui->ImgPrase, picture);
        if (!ui->ImgPrase->pixmap().isNull())
            ui->ImgPrase->resize(ui->ImgPrase->pixmap().deviceIndependentSize().toSize());
    } else {
        ui->PG1->setTabVisible(2, false);
    }
}

void TFrmExplan::OpenVideo(const QString& name)
{
    if (!LibrariesAvailable())
        return;
    if (!FFPlayer) {
        FFPlayer = new QMediaPlayer(this);
        if (!FFPlayer->isAvailable()) {
            LibrariesAvailable() = false;
            delete FFPlayer;
            FFPlayer = nullptr;
            return;
        }
        // Sound only where there is a device for it: without one the player's
        // audio side has nothing to write to.
        if (!QMediaDevices::audioOutputs().isEmpty()) {
            m_audio = new QAudioOutput(this);
            FFPlayer->setAudioOutput(m_audio);
        }
        m_video = new QVideoWidget(ui->PanMp4);
        m_video->setObjectName(QStringLiteral("PanMp4Video"));
        m_video->installEventFilter(this);
        ui->PanMp4->layout()->addWidget(m_video);
        FFPlayer->setVideoOutput(m_video);
        // Positions arrive in milliseconds; the window works in microseconds.
        connect(FFPlayer, &QMediaPlayer::durationChanged, this, [this](qint64 ms) { FFPlayerFileOpen(ms * 1000); });
        connect(FFPlayer, &QMediaPlayer::positionChanged, this, [this](qint64 ms) { FFPlayerPosition(ms * 1000); });
    }
    FFPlayer->setSource(QUrl(RemoteUrl(Dm->FileBaseURL, name), QUrl::TolerantMode));
    ui->TrackBar->setEnabled(true);
    ui->BtnPlay->setEnabled(true);
}

bool TFrmExplan::playerPaused() const
{
    return !FFPlayer || FFPlayer->playbackState() != QMediaPlayer::PlayingState;
}

void TFrmExplan::BtnPlayClick()
{
    if (!ui->BtnPlay->isEnabled())
        return;
    ui->BtnPlay->setText(Playing ? QStringLiteral("播放") : QStringLiteral("暂停"));
    Playing = !Playing;
    if (!FFPlayer)
        return;
    if (playerPaused())
        FFPlayer->play();
    else
        FFPlayer->pause();
}

void TFrmExplan::FFPlayerFileOpen(qint64 duration)
{
    Duration = duration;
    ui->LBAll->setText(FormatMediaTime(Duration));
}

void TFrmExplan::FFPlayerPosition(qint64 position)
{
    ui->LBCur->setText(FormatMediaTime(position));
    if (position >= 0 && Duration > 0)
        ui->TrackBar->setValue(static_cast<int>(qBound(qint64(0), position * 100 / Duration, qint64(100))));
}

void TFrmExplan::TrackBarMouseDown()
{
    if (playerPaused()) {
        WasPaused = true;
    } else {
        FFPlayer->pause();
        WasPaused = false;
    }
}

void TFrmExplan::TrackBarMouseUp(int x)
{
    const int width = qMax(1, ui->TrackBar->width());
    ui->TrackBar->setValue(qBound(0, x * 100 / width, 100));
    if (FFPlayer) {
        FFPlayer->setPosition(Duration * ui->TrackBar->value() / 100 / 1000);
        if (!WasPaused)
            FFPlayer->play();
    }
}

bool TFrmExplan::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->TrackBar && ui->TrackBar->isEnabled()) {
        // A click on the bar jumps to that share of the video.
        if (event->type() == QEvent::MouseButtonPress) {
            TrackBarMouseDown();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            TrackBarMouseUp(static_cast<QMouseEvent*>(event)->position().toPoint().x());
            return true;
        }
        if (event->type() == QEvent::MouseMove)
            return true;
    }
    if ((watched == ui->PanMp4 || watched == m_video) && event->type() == QEvent::MouseButtonRelease) {
        BtnPlayClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
