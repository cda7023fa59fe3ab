// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include "picturesource.h"

#include <QString>
#include <QWidget>

// The win picture: the coins stretched over the whole widget, aspect ratio
// ignored, at the screen's own resolution. A screen reader finds it as an
// image (see ui/accessibility.cpp) with the given name while it shows, and
// no name while it is hidden.
class WinPicture : public QWidget
{
    Q_OBJECT

public:
    explicit WinPicture(QString name, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString m_name;
    PictureSource m_source;
};
