// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "gameview.h"
#include "module1.h"
#include "spin.h"
#include "testdata.h"
#include "winrate.h"

#include <QTest>

#include <deque>

namespace {

// Records every operation the spin makes on the window, in order.
class RecordingView : public GameView
{
public:
    QStringList log;
    QString reels[ReelCount];
    bool pictureShown = false;
    QString wins = testdata::Text("wins").arg(0);
    QString rate;

    void HideWinPicture() override
    {
        log << "hide";
        pictureShown = false;
    }
    void ShowWinPicture() override
    {
        log << "show";
        pictureShown = true;
    }
    void SetReelText(int reel, const QString &text) override
    {
        log << QStringLiteral("reel%1=%2").arg(reel).arg(text);
        reels[reel] = text;
    }
    QString ReelText(int reel) const override
    {
        const_cast<RecordingView *>(this)->log << QStringLiteral("read%1").arg(reel);
        return reels[reel];
    }
    void SetWinsText(const QString &text) override
    {
        log << "wins=" + text;
        wins = text;
    }
    void SetRateText(const QString &text) override
    {
        log << "rate";
        rate = text;
    }
    void DescribeGame(const QString &description) override { log << "said=" + description; }
};

using Draws = QList<float>;

// Plays the given draws in order, then fails the test if asked for more.
struct ScriptedDraws
{
    std::shared_ptr<std::deque<float>> left;
    float operator()() const
    {
        if (left->empty()) {
            QTest::qFail("more draws than scripted", __FILE__, __LINE__);
            return 0;
        }
        const float r = left->front();
        left->pop_front();
        return r;
    }
};

struct Game
{
    Module1 counters;
    RecordingView view;
    int beeps = 0;
    Spin spin;

    explicit Game(const Draws &draws, Module1 start = {},
                  QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates))
        : counters(start)
        , spin(
              counters, view,
              ScriptedDraws{std::make_shared<std::deque<float>>(draws.begin(), draws.end())},
              [this] { ++beeps; }, locale)
    {}
};

constexpr float JustBelowOne = 1.0f - 1.0f / 16777216.0f;

} // namespace

class TestSpin : public QObject
{
    Q_OBJECT

private slots:
    void oneGame_data();
    void oneGame();
    void operationsComeInOrder_data();
    void operationsComeInOrder();
    void sequences_data();
    void sequences();
    void countersPastThirtyTwoBits();
};

void TestSpin::oneGame_data()
{
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<QStringList>("reels");
    QTest::addColumn<bool>("won");

    QTest::newRow("every draw 0 shows 0") << Draws{0, 0, 0} << QStringList{"0", "0", "0"} << false;
    QTest::newRow("every draw 0.75 shows 7")
        << Draws{0.75f, 0.75f, 0.75f} << QStringList{"7", "7", "7"} << true;
    // floor of a rounded product would give 10 here
    QTest::newRow("just below 1 shows 9")
        << Draws{JustBelowOne, JustBelowOne, JustBelowOne} << QStringList{"9", "9", "9"} << false;
    QTest::newRow("just below 0.8 shows 7")
        << Draws{0.79999995f, 0.1f, 0.2f} << QStringList{"7", "1", "2"} << true;
    // 0.7f is 0.69999998..., and its product with 10 must not be rounded up to 7
    QTest::newRow("float 0.7 shows 6")
        << Draws{0.7f, 0.5f, 0.5f} << QStringList{"6", "5", "5"} << false;
    QTest::newRow("seven on the last reel only")
        << Draws{0.1f, 0.2f, 0.75f} << QStringList{"1", "2", "7"} << true;
    QTest::newRow("seven on the middle reel only")
        << Draws{0.0f, 0.75f, 0.95f} << QStringList{"0", "7", "9"} << true;
}

void TestSpin::oneGame()
{
    QFETCH(Draws, draws);
    QFETCH(QStringList, reels);
    QFETCH(bool, won);

    Game game(draws);
    game.spin.Play();

    QCOMPARE(QStringList(std::begin(game.view.reels), std::end(game.view.reels)), reels);
    QCOMPARE(game.counters.GamesPlayed(), quint64(1));
    QCOMPARE(game.counters.GamesWon(), quint64(won ? 1 : 0));
    QCOMPARE(game.beeps, won ? 1 : 0);
    QCOMPARE(game.view.pictureShown, won);
    QCOMPARE(game.view.wins, testdata::Text("wins").arg(won ? 1 : 0));
}

void TestSpin::operationsComeInOrder_data()
{
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("lost game")
        << Draws{0.1f, 0.2f, 0.3f}
        << QStringList{"hide",    "reel0=1", "reel1=2",
                       "reel2=3", "read0",   "read1",
                       "read2",   "rate",    "said=" + testdata::Text("lost").arg(1).arg(2).arg(3)};
    // every reel is read even after the first seven
    QTest::newRow("three sevens read every reel")
        << Draws{0.75f, 0.75f, 0.75f}
        << QStringList{"hide",
                       "reel0=7",
                       "reel1=7",
                       "reel2=7",
                       "read0",
                       "read1",
                       "read2",
                       "show",
                       "wins=" + testdata::Text("wins").arg(1),
                       "rate",
                       "said=" + testdata::Text("won").arg(7).arg(7).arg(7)};
}

void TestSpin::operationsComeInOrder()
{
    QFETCH(Draws, draws);
    QFETCH(QStringList, log);

    Game game(draws);
    game.spin.Play();
    QCOMPARE(game.view.log, log);
}

void TestSpin::sequences_data()
{
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("pictureShown");
    QTest::addColumn<QString>("wins");
    QTest::addColumn<int>("beeps");

    const QLocale point(QLocale::English, QLocale::UnitedStates);
    const QLocale comma(QLocale::French, QLocale::France);
    const Draws win{0.75f, 0.75f, 0.75f}, loss{0.1f, 0.2f, 0.3f};

    QTest::newRow("win then loss hides the picture and keeps the count")
        << (win + loss) << point << false << testdata::Text("wins").arg(1) << 1;
    QTest::newRow("loss then win counts the first win")
        << (loss + win) << point << true << testdata::Text("wins").arg(1) << 1;
    QTest::newRow("loss then loss keeps the first text")
        << (loss + loss) << point << false << testdata::Text("wins").arg(0) << 0;
    QTest::newRow("two wins of three")
        << (win + loss + win) << point << true << testdata::Text("wins").arg(2) << 2;
    QTest::newRow("comma locale after a win of three")
        << (win + loss + loss) << comma << false << testdata::Text("wins").arg(1) << 1;
}

void TestSpin::sequences()
{
    QFETCH(Draws, draws);
    QFETCH(QLocale, locale);
    QFETCH(bool, pictureShown);
    QFETCH(QString, wins);
    QFETCH(int, beeps);

    Game game(draws, {}, locale);
    for (qsizetype played = 0; played < draws.size(); played += GameView::ReelCount)
        game.spin.Play();

    QCOMPARE(game.view.pictureShown, pictureShown);
    QCOMPARE(game.view.wins, wins);
    QCOMPARE(game.view.rate, FormatWinRate(quint64(beeps), game.counters.GamesPlayed(), locale));
    QCOMPARE(game.beeps, beeps);
    QCOMPARE(game.counters.GamesPlayed(), quint64(draws.size() / GameView::ReelCount));
}

void TestSpin::countersPastThirtyTwoBits()
{
    // One game short of 2^32 played and 2^31 - 1 won: both must carry on counting.
    const quint64 played = (quint64(1) << 32) - 1;
    const quint64 won = (quint64(1) << 31) - 1;
    Game game(Draws{0.75f, 0.0f, 0.0f}, Module1(won, played));
    game.spin.Play();

    QCOMPARE(game.counters.GamesPlayed(), quint64(1) << 32);
    QCOMPARE(game.counters.GamesWon(), quint64(1) << 31);
    QCOMPARE(game.view.wins, testdata::Text("wins").arg(quint64(1) << 31));
    QCOMPARE(game.view.rate,
             FormatWinRate(quint64(1) << 31, quint64(1) << 32, QLocale(QLocale::English)));
}

QTEST_GUILESS_MAIN(TestSpin)
#include "tst_spin.moc"
