// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

// Renders the program's SVG drawings into the bitmaps that desktops,
// installers and the Windows build want: a PNG of one size, stretched over it
// (SIZE is N for a square, or WxH), a square PNG whose drawing sits in the
// middle of a COLOUR background, where a launcher that crops icons to its own
// shape (a circle, say) leaves it whole, or a Windows .ico holding several.
//   svgicons png SIZE drawing.svg out.png
//   svgicons maskable SIZE icon.svg out.png COLOUR
//   svgicons ico icon.svg out.ico SIZE...
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>

namespace {

QImage Render(QSvgRenderer &svg, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return image;
}

// The drawing within the middle 60 %: inside the circle of 80 % that every
// launcher's shape keeps.
QImage RenderOnBackground(QSvgRenderer &svg, int size, const QColor &background)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double inset = size * 0.2;
    svg.render(&painter, QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
    return image;
}

QByteArray Png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

template<typename T>
void Put(QByteArray &out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// An icon directory whose images are stored as PNG, which Windows reads
// since Vista.
QByteArray Ico(const QList<QImage> &images)
{
    QByteArray header, data;
    Put<quint16>(header, 0); // reserved
    Put<quint16>(header, 1); // icon
    Put<quint16>(header, quint16(images.size()));
    const int firstOffset = 6 + 16 * int(images.size());
    for (const QImage &image : images) {
        const QByteArray png = Png(image);
        Put<quint8>(header, quint8(image.width() % 256)); // 0 stands for 256
        Put<quint8>(header, quint8(image.height() % 256));
        Put<quint8>(header, 0);   // no palette
        Put<quint8>(header, 0);   // reserved
        Put<quint16>(header, 1);  // colour planes
        Put<quint16>(header, 32); // bits per pixel
        Put<quint32>(header, quint32(png.size()));
        Put<quint32>(header, quint32(firstOffset + data.size()));
        data += png;
    }
    return header + data;
}

int Fail(const char *message)
{
    std::fprintf(stderr, "svgicons: %s\n", message);
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5)
        return Fail(
            "usage: svgicons png SIZE in.svg out.png | svgicons maskable SIZE in.svg out.png "
            "COLOUR | svgicons ico in.svg out.ico SIZE...");
    const QByteArray mode = argv[1];
    const bool png = mode == "png" || mode == "maskable";
    QSvgRenderer svg(QString::fromLocal8Bit(png ? argv[3] : argv[2]));
    if (!svg.isValid())
        return Fail("cannot read the SVG");

    QByteArray bytes;
    if (png) {
        const QList<QByteArray> sides = QByteArray(argv[2]).split('x');
        const int width = sides.first().toInt();
        const int height = sides.last().toInt();
        if (sides.size() > 2 || width <= 0 || height <= 0)
            return Fail("the size is N or WxH, in pixels");
        if (mode == "maskable") {
            const QColor background = QColor::fromString(argc > 5 ? argv[5] : "");
            if (width != height || !background.isValid())
                return Fail("a maskable icon is square, on a colour like #rrggbb");
            bytes = Png(RenderOnBackground(svg, width, background));
        } else {
            svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
            bytes = Png(Render(svg, QSize(width, height)));
        }
    } else if (mode == "ico") {
        QList<QImage> images;
        for (int i = 4; i < argc; ++i) {
            const int size = std::atoi(argv[i]);
            if (size <= 0 || size > 256)
                return Fail("icon sizes go from 1 to 256 pixels");
            images << Render(svg, QSize(size, size));
        }
        bytes = Ico(images);
    } else {
        return Fail("the mode is png or ico");
    }

    QFile out(QString::fromLocal8Bit(png ? argv[4] : argv[3]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return Fail("cannot write the output");
    return EXIT_SUCCESS;
}
