// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "form1controls.h"

#include "announcer.h"
#include "fittedlabel.h"
#include "labellook.h"
#include "twips.h"
#include "winpicture.h"
#include "winpicturesize.h"

#include <QPushButton>

namespace {

constexpr auto Serif = "Times New Roman";
constexpr auto Sans = "Arial";
constexpr QColor ReelBlue(0x00, 0x00, 0xC0);
constexpr QColor Maroon(0x80, 0x00, 0x00);
constexpr QColor Purple(0x80, 0x00, 0x80);
constexpr QColor Green(0x00, 0x80, 0x00);

QPushButton *MakeButton(QWidget *client, const char *name, const QRect &geometry,
                        const QString &text)
{
    auto *button = new QPushButton(text, client);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace

Form1Controls BuildControls(QWidget *client)
{
    Form1Controls controls;
    controls.play
        = MakeButton(client, "Command1", TwipsRect(600, 600, 1335, 495), QStringLiteral("Jouer"));
    controls.end
        = MakeButton(client, "Command2", TwipsRect(600, 1560, 1335, 495), QStringLiteral("Fin"));

    controls.reels[0] = MakeLabel(client,
                                  {.name = "Label1",
                                   .geometry = TwipsRect(3240, 600, 1815, 615),
                                   .family = Serif,
                                   .pointSize = 24,
                                   .colour = ReelBlue,
                                   .border = true,
                                   .description = "Rouleau 1"},
                                  {});
    controls.reels[1] = MakeLabel(client,
                                  {.name = "Label2",
                                   .geometry = TwipsRect(5760, 600, 2055, 615),
                                   .family = Serif,
                                   .pointSize = 24,
                                   .colour = ReelBlue,
                                   .border = true,
                                   .description = "Rouleau 2"},
                                  {});
    controls.reels[2] = MakeLabel(client,
                                  {.name = "Label3",
                                   .geometry = TwipsRect(8640, 600, 2175, 615),
                                   .family = Serif,
                                   .pointSize = 24,
                                   .colour = ReelBlue,
                                   .border = true,
                                   .description = "Rouleau 3"},
                                  {});
    MakeLabel(client,
              {.name = "Label4",
               .geometry = TwipsRect(360, 2520, 1935, 975),
               .family = Sans,
               .pointSize = 20.25,
               .colour = Purple,
               .alignment = Qt::AlignLeft},
              QStringLiteral("Bandit manchot"));
    controls.wins = MakeLabel(client,
                              {.name = "lblWins",
                               .geometry = TwipsRect(360, 3840, 2535, 375),
                               .family = Sans,
                               .pointSize = 12,
                               .italic = true,
                               .colour = Green},
                              QStringLiteral("Parties gagnantes : 0"));
    controls.rate = MakeLabel(client,
                              {.name = "lblRate",
                               .geometry = TwipsRect(600, 4680, 1575, 375),
                               .family = Sans,
                               .pointSize = 14.25,
                               .italic = true,
                               .colour = Maroon},
                              QStringLiteral("0.0%"));
    controls.time = MakeLabel(client,
                              {.name = "Label5",
                               .geometry = TwipsRect(240, 5640, 2415, 615),
                               .family = Serif,
                               .pointSize = 24,
                               .colour = Maroon,
                               .border = true,
                               .description = "Heure"},
                              {});
    controls.date = MakeLabel(client,
                              {.name = "Label6",
                               .geometry = TwipsRect(240, 6600, 2415, 615),
                               .family = Serif,
                               .pointSize = 24,
                               .colour = Maroon,
                               .border = true,
                               .description = "Date"},
                              {});

    controls.picture = new WinPicture(QStringLiteral("Pièces d’or"), client);
    controls.picture->setObjectName(QStringLiteral("Image1"));
    controls.picture->setGeometry(
        TwipsRect(3120, 1920, WinPictureWidthTwips, WinPictureHeightTwips));
    controls.picture->hide();
    controls.announcer = new Announcer(client);
    return controls;
}
