#pragma once
// Controls of the exam window: the option box (radio or check mode, wrapped
// caption), the picture that reports clicks, and the answer-sheet icons.

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QVector>

class TOptionBox : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TOptionBox(QWidget* parent = nullptr);
    void SetRadioMode(bool radio);
    bool RadioMode() const { return m_radio; }
    QSize sizeHint() const override { return {838, 40}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    bool m_radio = true;
};

class TImage : public QLabel
{
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);
    // Empties the picture; the control keeps its place with height 0.
    void Clear();
    // Sized to the picture, or 0 high without one.
    void FitToPicture();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

namespace SheetIcons {
// The six 24×24 state icons, drawn at 1x, 2x and 3x so they stay crisp.
QIcon Icon(int index);
} // namespace SheetIcons
