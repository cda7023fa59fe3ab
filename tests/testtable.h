// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

// The tests' own tables, built into each test that reads them (TEST_DATA in
// CMakeLists.txt): typed out once for every tier of tests.

#include <QFile>
#include <QList>
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

} // namespace testdata
