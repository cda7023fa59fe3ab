#pragma once

#include "gameview.h"
#include "module1.h"
#include "spin.h"

#include <QMainWindow>
#include <QPointer>

class FittedLabel;
class Form2;
class QPushButton;
class QTimer;
class WinPicture;

// The main window: the slot machine, the clock displays and the menus.
class Form1 : public QMainWindow, private GameView
{
    Q_OBJECT

public:
    // Plays with a random source seeded from the clock now, and the desktop bell.
    Form1();
    Form1(Spin::Draw draw, Spin::Beep beep);
    ~Form1() override;

protected:
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void BuildControls(QWidget *client);
    void BuildMenus();
    void StartClock();
    void ShowHelp();
    void PlaceOnScreen();
    void PlaceAgainOnceFramed();

    void HideWinPicture() override;
    void ShowWinPicture() override;
    void SetReelText(int reel, const QString &text) override;
    QString ReelText(int reel) const override;
    void SetWinsText(const QString &text) override;
    void SetRateText(const QString &text) override;
    void DescribeGame(const QString &description) override;

    Module1 m_counters;
    Spin m_spin;

    QPushButton *m_play = nullptr;
    FittedLabel *m_reels[ReelCount] = {};
    FittedLabel *m_wins = nullptr;
    FittedLabel *m_rate = nullptr;
    FittedLabel *m_time = nullptr;
    FittedLabel *m_date = nullptr;
    WinPicture *m_winPicture = nullptr;
    QTimer *m_timer = nullptr;
    QPointer<Form2> m_help;
    bool m_placedWithFrame = false;
};
