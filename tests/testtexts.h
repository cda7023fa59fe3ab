// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include "testtable.h"

#include <QHash>

namespace testdata {

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
