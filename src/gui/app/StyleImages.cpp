// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/StyleImages.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>

namespace {
// The cache key QPixmap::load(fileName) looks up before it reads a file: "qt_pixmap", the path,
// then its time, size and pixel type, each as the bytes of the number in memory order, low
// half-byte first.
template <typename T> QString HexBytes(T value) {
    static const char digits[] = "0123456789abcdef";
    QString text;
    const auto* byte = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        text += QLatin1Char(digits[byte[i] & 0xf]);
        text += QLatin1Char(digits[byte[i] >> 4]);
    }
    return text;
}

QString LoadKey(const QFileInfo& info) {
    constexpr unsigned kPixmapType = 0;
    return QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
           HexBytes(static_cast<unsigned>(info.lastModified().toSecsSinceEpoch())) +
           HexBytes(static_cast<quint64>(info.size())) + HexBytes(kPixmapType);
}
} // namespace

void PreloadStyleImages() {
    const QFileInfo groupBox(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    if (!groupBox.exists())
        return;
    QImageReader reader(groupBox.absoluteFilePath(), "png");
    reader.setAutoDetectImageFormat(false); // the built-in PNG reader, no plug-in asked
    const QImage image = reader.read();
    if (!image.isNull())
        QPixmapCache::insert(LoadKey(groupBox), QPixmap::fromImage(image));
}
