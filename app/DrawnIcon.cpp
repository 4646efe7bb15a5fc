#include "DrawnIcon.h"

#include <QPixmap>

QIcon DrawnIcon(int side, const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (const qreal scale : {1.0, 1.5, 2.0, 3.0}) {
        QPixmap pm(qRound(side * scale), qRound(side * scale));
        pm.setDevicePixelRatio(scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}
