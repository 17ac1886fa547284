// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/monitor/Icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <array>
#include <map>
#include <memory>

namespace {
// The sizes rendered at build time (src/gui/CMakeLists.txt): the tray's 16 to 24, the buttons' 24
// and 40, the desktop's, and each of those at twice the scale.
constexpr std::array kSizes{16, 22, 24, 32, 40, 48, 64, 80, 128};
// The sizes a window's icon is handed to the desktop at, each read and sent when the window shows:
// what title bars, task lists and window switchers draw. The rest stay unread.
constexpr std::array kOfferedSizes{16, 24, 32, 48, 64};

// An icon engine that reads the bitmap of the nearest size at first use and keeps it. It reads
// only PNG, by name: Qt's own engine probes every image plug-in to learn the format of a file,
// which loads the SVG library and others into a program that draws no SVG.
class CBitmapIconEngine : public QIconEngine {
public:
    CBitmapIconEngine(QString name, bool offered) : m_name(std::move(name)), m_bOffered(offered) {}

    QIconEngine* clone() const override { return new CBitmapIconEngine(m_name, m_bOffered); }
    QString key() const override { return QStringLiteral("CBitmapIconEngine"); }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), kSizes.back()});
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        const auto add = [&sizes](const auto& list) {
            for (int size : list)
                sizes << QSize(size, size);
        };
        m_bOffered ? add(kOfferedSizes) : add(kSizes);
        return sizes;
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // size is in device pixels already; scale only says how many of them make a logical one.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const int wanted = std::min(size.width(), size.height());
        if (wanted <= 0)
            return {};
        QPixmap pixmap = Bitmap(wanted);
        if (pixmap.width() != wanted)
            pixmap = pixmap.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
    }

private:
    // The smallest bitmap not smaller than wanted (the largest there is otherwise), read once.
    QPixmap Bitmap(int wanted) {
        int size = kSizes.back();
        for (int candidate : kSizes) {
            if (candidate >= wanted) {
                size = candidate;
                break;
            }
        }
        QPixmap& kept = m_bitmaps[size];
        if (kept.isNull()) {
            QImageReader reader(QStringLiteral(":/icons/%1-%2.png").arg(m_name).arg(size), "png");
            reader.setAutoDetectImageFormat(false);
            kept = QPixmap::fromImage(reader.read());
        }
        return kept;
    }

    QString m_name;
    bool m_bOffered; // a window's icon, offered whole to the desktop at the sizes it asks for
    std::map<int, QPixmap> m_bitmaps;
};
} // namespace

QIcon LoadIcon(const char* name) {
    return QIcon(new CBitmapIconEngine(QString::fromLatin1(name), false));
}

QIcon LoadWindowIcon() {
    return QIcon(new CBitmapIconEngine(QStringLiteral("corvellan"), true));
}
