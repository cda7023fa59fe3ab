// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "winpicture.h"

#include <QPainter>

WinPicture::WinPicture(QString name, QWidget *parent)
    : QWidget(parent)
    , m_name(std::move(name))
{}

void WinPicture::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setAccessibleName(m_name);
}

void WinPicture::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    setAccessibleName(QString());
}

void WinPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_source.Draw(painter, rect());
}
