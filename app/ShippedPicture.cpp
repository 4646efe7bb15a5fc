#include "ShippedPicture.h"

#include "ProgramFolder.h"
#include "UnCompress.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

bool LoadShippedPicture(QLabel* image, const QString& source, const QString& temp)
{
    const QString from = ProgramFolder() + source;
    const QString to = ProgramFolder() + temp;
    if (!QFileInfo::exists(from))
        return false;
    DecompressFile(from, to);
    QPixmap pixmap;
    const bool loaded = pixmap.load(to);
    QFile::remove(to);
    if (loaded)
        image->setPixmap(pixmap);
    return loaded;
}
