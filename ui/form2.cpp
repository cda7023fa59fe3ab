// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "form2.h"

#include "focusring.h"
#include "labellook.h"
#include "lightpalette.h"
#include "twips.h"

#include <QPushButton>

namespace {

QString HelpText()
{
    return QStringLiteral(
        "Le jeu Bandit Manchot. Instructions de jeu : But du jeu : Faire apparaître le "
        "chiffre 7 dans un groupe de trois chiffres aléatoires. Probabilité : Un 7 s’affiche "
        "au moins une fois, dans 28 lancés sur 100.");
}

} // namespace

Form2::Form2()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Aide"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(TwipsToPixels(9120), TwipsToPixels(3390));
    setPalette(LightPalette());

    auto *quit = new QPushButton(QStringLiteral("Quitter"), this);
    quit->setObjectName(QStringLiteral("Command1"));
    quit->setGeometry(TwipsRect(4080, 2760, 1215, 375));
    quit->setAutoDefault(false);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    MakeLabel(this,
              {.name = "Label1",
               .geometry = TwipsRect(360, 960, 8295, 1095),
               .family = "Arial",
               .pointSize = 12,
               .colour = QColor(0x00, 0x00, 0x80),
               .border = true,
               .alignment = Qt::AlignLeft},
              HelpText());

    quit->setFocus();
    ShowFocusRingsWhenFocused(this);
}
