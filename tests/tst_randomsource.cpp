// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "gameview.h"
#include "module1.h"
#include "randomsource.h"
#include "spin.h"

#include <QTest>

#include <array>
#include <cmath>
#include <stdexcept>

class TestRandomSource : public QObject
{
    Q_OBJECT

private slots:
    void staysBelowOne();
    void gamesShowEvenDigitsAndSettleNearExpected();
    void seededFromClockDiffersBetweenRuns();
    void seedWithoutEntropyIsTheClock();
};

namespace {
constexpr std::uint64_t FixedSeed = 20261207;
constexpr int Draws = 1'000'000;

// Counts the digits the reels show; nothing else is kept.
class CountingView : public GameView
{
public:
    std::array<int, 10> shown{};
    QString reels[ReelCount];

    void HideWinPicture() override {}
    void ShowWinPicture() override {}
    void SetReelText(int reel, const QString &text) override
    {
        reels[reel] = text;
        ++shown.at(text.toInt());
    }
    QString ReelText(int reel) const override { return reels[reel]; }
    void SetWinsText(const QString &) override {}
    void SetRateText(const QString &) override {}
    void DescribeGame(const QString &) override {}
};
} // namespace

void TestRandomSource::staysBelowOne()
{
    RandomSource source(FixedSeed);
    float smallest = 1.0f, largest = 0.0f;
    for (int i = 0; i < Draws; ++i) {
        const float r = source();
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    QVERIFY2(smallest >= 0.0f, qPrintable(QString::number(smallest)));
    QVERIFY2(largest < 1.0f, qPrintable(QString::number(largest, 'g', 10)));
    // A million draws of 24 bits come within 1e-4 of both ends.
    QVERIFY(smallest < 1e-4f);
    QVERIFY(largest > 1.0f - 1e-4f);
}

// The spin played with the program's own random source.
void TestRandomSource::gamesShowEvenDigitsAndSettleNearExpected()
{
    Module1 counters;
    CountingView view;
    Spin spin(counters, view, RandomSource(FixedSeed), [] {});
    constexpr int Games = 300'000;
    for (int game = 0; game < Games; ++game)
        spin.Play();

    const double expected = 3.0 * Games / 10.0;
    double chiSquare = 0;
    for (int count : view.shown)
        chiSquare += (count - expected) * (count - expected) / expected;
    // 9 degrees of freedom: 27.88 is the 0.1% critical value.
    QVERIFY2(chiSquare < 27.88, qPrintable(QString::number(chiSquare)));
    // 1 - 0.9^3 = 0.271, with a standard deviation of 0.0008 over this many games.
    const double rate = double(counters.GamesWon()) / double(counters.GamesPlayed());
    QVERIFY2(std::abs(rate - 0.271) < 0.004, qPrintable(QString::number(rate)));
}

void TestRandomSource::seededFromClockDiffersBetweenRuns()
{
    RandomSource first = RandomSource::SeededFromClock();
    RandomSource second = RandomSource::SeededFromClock();
    int same = 0;
    for (int i = 0; i < 8; ++i)
        same += (first() == second());
    QVERIFY(same < 8);
}

void TestRandomSource::seedWithoutEntropyIsTheClock()
{
    const std::uint64_t ticks = 0x0123'4567'89AB'CDEF;
    QCOMPARE(RandomSource::MixedSeed(ticks, [] { return std::uint64_t{0xFF}; }),
             std::uint64_t{0x0123'4567'89AB'CD10});
    // where no entropy source exists, std::random_device throws
    QCOMPARE(RandomSource::MixedSeed(
                 ticks, []() -> std::uint64_t { throw std::runtime_error("no entropy"); }),
             ticks);
}

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
