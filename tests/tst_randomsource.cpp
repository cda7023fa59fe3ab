#include "randomsource.h"

#include <QTest>

#include <array>
#include <cmath>
#include <stdexcept>

class TestRandomSource : public QObject
{
    Q_OBJECT

private slots:
    void staysBelowOne();
    void digitsAreUniform();
    void winRateSettlesNearExpected();
    void seededFromClockDiffersBetweenRuns();
    void seedWithoutEntropyIsTheClock();
};

namespace {
constexpr std::uint64_t FixedSeed = 20261207;
constexpr int Draws = 1'000'000;

int Digit(float r)
{
    return static_cast<int>(std::floor(static_cast<double>(r) * 10.0));
}
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

void TestRandomSource::digitsAreUniform()
{
    RandomSource source(FixedSeed);
    std::array<int, 10> counts{};
    for (int i = 0; i < Draws; ++i)
        ++counts[Digit(source())];
    const double expected = Draws / 10.0;
    double chiSquare = 0;
    for (int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    // 9 degrees of freedom: 27.88 is the 0.1% critical value.
    QVERIFY2(chiSquare < 27.88, qPrintable(QString::number(chiSquare)));
}

void TestRandomSource::winRateSettlesNearExpected()
{
    RandomSource source(FixedSeed);
    constexpr int Games = 300'000;
    int won = 0;
    for (int game = 0; game < Games; ++game) {
        bool seven = false;
        for (int reel = 0; reel < 3; ++reel)
            seven = (Digit(source()) == 7) || seven;
        won += seven;
    }
    // 0.271 with a standard deviation of 0.0008 over this many games.
    QVERIFY2(std::abs(double(won) / Games - 0.271) < 0.004, qPrintable(QString::number(won)));
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
