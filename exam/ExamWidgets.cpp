#include "ExamWidgets.h"

#include "DrawnIcon.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionButton>

TOptionBox::TOptionBox(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setAutoRepeat(false);
    setCursor(Qt::PointingHandCursor);
    resize(838, 40);
}

void TOptionBox::SetRadioMode(bool radio)
{
    m_radio = radio;
    update();
}

void TOptionBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (isDown())
        opt.state |= QStyle::State_Sunken;
    const QStyle::PrimitiveElement indicator = m_radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox;
    const int iw = style()->pixelMetric(m_radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, &opt, this);
    const int ih = style()->pixelMetric(m_radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, &opt, this);
    opt.rect = QRect(2, (height() - ih) / 2, iw, ih);
    style()->drawPrimitive(indicator, &opt, &p, this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.setFont(font());
    const QRect textRect(iw + 10, 0, width() - iw - 12, height());
    p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-2, 2, 0, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

TImage::TImage(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(Qt::PointingHandCursor);
}

void TImage::Clear()
{
    clear();
    resize(width(), 0);
}

void TImage::FitToPicture()
{
    if (pixmap().isNull())
        resize(0, 0);
    else
        resize(pixmap().deviceIndependentSize().toSize());
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

namespace SheetIcons {

QIcon Icon(int index)
{
    static QVector<QIcon> icons;
    if (icons.isEmpty()) {
        for (int i = 0; i < 6; ++i) {
            icons << DrawnIcon(24, [i](QPainter& p) {
                const int kind = i % 3; // 0 grey, 1 green, 2 red
                static const QColor fills[3] = {QColor(0xb8, 0xbe, 0xc6), QColor(0x3c, 0xb3, 0x5a), QColor(0xe0, 0x3a, 0x3a)};
                static const QColor rims[3] = {QColor(0x8a, 0x92, 0x9c), QColor(0x24, 0x85, 0x3e), QColor(0xa8, 0x22, 0x22)};
                QRadialGradient g(QPointF(9, 8), 13);
                g.setColorAt(0, fills[kind].lighter(135));
                g.setColorAt(1, fills[kind]);
                p.setBrush(g);
                p.setPen(QPen(rims[kind], 1.2));
                p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
                if (i >= 3) {
                    // A pin in the upper right: red on grey and green, yellow on red.
                    const QColor head = i == 5 ? QColor(0xff, 0xd5, 0x2a) : QColor(0xd9, 0x1e, 0x1e);
                    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.4, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(QPointF(16.5, 8.5), QPointF(12.5, 13.5));
                    p.setPen(QPen(head.darker(150), 1));
                    p.setBrush(head);
                    p.drawEllipse(QRectF(14.5, 1.5, 8, 8));
                }
            });
        }
    }
    return icons.value(index < 0 || index > 5 ? 0 : index);
}

} // namespace SheetIcons
