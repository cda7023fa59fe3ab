// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

// The tests' own tables, built into each test that reads them (TEST_DATA in
// CMakeLists.txt): typed out once for every tier of tests.

#include <QFile>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace testdata {

// A table's rows of tab-separated fields, comment lines left out; a missing
// or malformed table stops the test at once rather than leave it half-built.
inline QList<QStringList> Rows(const QString &resource, qsizetype fields)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(resource));
        std::abort();
    }
    QList<QStringList> rows;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        if (line.endsWith(u'\n'))
            line.chop(1);
        if (line.startsWith(u'#') || line.isEmpty())
            continue;
        rows << line.split(u'\t');
        if (rows.last().size() != fields) {
            std::fprintf(stderr, "%s: not %d fields: %s\n", qPrintable(resource), int(fields),
                         qPrintable(line));
            std::abort();
        }
    }
    return rows;
}

// One control of a window as the layout table has it; a control without a
// font is not a label.
struct Control
{
    QString window, name;
    QRect geometry; // in pixels at 100 %
    QString family;
    qreal points = 0;
    bool italic = false;
    QString colour; // #RRGGBB
    bool border = false;
    Qt::Alignment alignment;
    QString said;

    bool IsLabel() const { return !family.isEmpty(); }
};

inline QList<Control> Layout()
{
    QList<Control> controls;
    for (const QStringList &row : Rows(QStringLiteral(":/layout.tsv"), 13)) {
        const auto field = [&row](int column) {
            return row[column] == QLatin1String("-") ? QString() : row[column];
        };
        // at 96 dpi a pixel is 15 twips, and so is a device-independent pixel
        const auto pixels = [&row](int column) { return row[column].toInt() / 15; };
        controls << Control{.window = row[0],
                            .name = row[1],
                            .geometry = QRect(pixels(2), pixels(3), pixels(4), pixels(5)),
                            .family = field(6),
                            .points = field(7).toDouble(),
                            .italic = row[8] == QLatin1String("yes"),
                            .colour = field(9),
                            .border = row[10] == QLatin1String("yes"),
                            .alignment
                            = row[11] == QLatin1String("left") ? Qt::AlignLeft : Qt::AlignHCenter,
                            .said = field(12)};
    }
    return controls;
}

// The program's words of this name, with %1, %2 … where it fills in.
inline QString Text(const char *name)
{
    static const QHash<QString, QString> texts = [] {
        QHash<QString, QString> read;
        for (const QStringList &row : Rows(QStringLiteral(":/texts.tsv"), 2))
            read.insert(row[0], row[1]);
        return read;
    }();
    const QString text = texts.value(QLatin1String(name));
    if (text.isEmpty()) {
        std::fprintf(stderr, "no text named %s\n", name);
        std::abort();
    }
    return text;
}

} // namespace testdata

Q_DECLARE_METATYPE(testdata::Control)
