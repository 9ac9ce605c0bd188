#include "amounts/capitals.h"
#include "amounts/money.h"

#include <QTest>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace amounts;

namespace {

// ---- A small reader of capitals text, for checking spellings without restating them.
// It also checks the shape: no two 零 in a row, none at either end. Returns -1 for a text
// that does not read as an amount.
std::vector<std::string> characters(const std::string& utf8) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        result.push_back(utf8.substr(i, length));
        i += length;
    }
    return result;
}

std::int64_t readCapitals(const std::string& text) {
    static const std::map<std::string, int> digits{{"零", 0}, {"壹", 1}, {"贰", 2}, {"叁", 3},
                                                   {"肆", 4}, {"伍", 5}, {"陆", 6}, {"柒", 7},
                                                   {"捌", 8}, {"玖", 9}};
    static const std::map<std::string, int> smallUnits{{"拾", 10}, {"佰", 100}, {"仟", 1000}};
    const std::vector<std::string> chars = characters(text);
    if (text.empty())
        return 0;
    if (chars.front() == "零" || chars.back() == "零")
        return -1;

    std::int64_t yuan = 0, section = 0, fen = 0;
    int digit = -1;
    bool afterYuan = false;
    std::string previous;
    for (const std::string& c : chars) {
        if (c == "零" && previous == "零")
            return -1;
        previous = c;
        if (auto d = digits.find(c); d != digits.end()) {
            if (digit > 0)
                return -1; // two digits without a unit between
            digit = d->second;
        } else if (auto u = smallUnits.find(c); u != smallUnits.end()) {
            if (digit <= 0 || afterYuan)
                return -1;
            section += digit * u->second;
            digit = -1;
        } else if (c == "万") {
            yuan += (section + std::max(digit, 0)) * 10000;
            section = 0;
            digit = -1;
        } else if (c == "亿") {
            yuan = (yuan + section + std::max(digit, 0)) * 100000000;
            section = 0;
            digit = -1;
        } else if (c == "元") {
            yuan += section + std::max(digit, 0);
            section = 0;
            digit = -1;
            afterYuan = true;
        } else if (c == "角" || c == "分") {
            if (digit <= 0 || section != 0)
                return -1;
            fen += digit * (c == "角" ? 10 : 1);
            digit = -1;
        } else if (c != "整") {
            return -1;
        }
    }
    if (digit > 0 || section != 0)
        return -1;
    return yuan * 100 + fen;
}

std::int64_t randomFen(std::mt19937_64& rng) {
    // Digits chosen one by one, zero half of the time, so that runs of zeros are common.
    const int length = 1 + int(rng() % 15);
    std::int64_t fen = 0;
    for (int i = 0; i < length; ++i)
        fen = fen * 10 + (rng() % 2 ? 0 : std::int64_t(rng() % 10));
    return fen;
}

} // namespace

class TestCapitals : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void traces_data();
    void traces();
    void shapeAndValueOverTheRange();
    void doublePathGivesTheShownFen();
    void outsideTheRange_data();
    void outsideTheRange();
};

void TestCapitals::results_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("text");
    const char* rows[][2] = {
        {"0.00", ""},
        {"0.01", "壹分"},
        {"0.05", "伍分"},
        {"0.10", "壹角"},
        {"0.50", "伍角"},
        {"0.55", "伍角伍分"},
        {"1.00", "壹元整"},
        {"1.05", "壹元零伍分"},
        {"1.50", "壹元伍角"},
        {"10.00", "壹拾元整"},
        {"10.50", "壹拾元伍角"},
        {"20.20", "贰拾元贰角"},
        {"100.00", "壹佰元整"},
        {"101.01", "壹佰零壹元零壹分"},
        {"110.00", "壹佰壹拾元整"},
        {"1001.00", "壹仟零壹元整"},
        {"1010.10", "壹仟零壹拾元壹角"},
        {"1234.50", "壹仟贰佰叁拾肆元伍角"},
        {"1234.56", "壹仟贰佰叁拾肆元伍角陆分"},
        {"10000.00", "壹万元整"},
        {"10010.01", "壹万零壹拾元零壹分"},
        {"10100.00", "壹万零壹佰元整"},
        {"100000.00", "壹拾万元整"},
        {"1000000.00", "壹佰万元整"},
        {"10001000.00", "壹仟万壹仟元整"},
        {"12345678.90", "壹仟贰佰叁拾肆万伍仟陆佰柒拾捌元玖角"},
        {"100000000.00", "壹亿元整"},
        {"100000001.00", "壹亿零壹元整"},
        {"100000100.00", "壹亿零壹佰元整"},
        {"100001000.00", "壹亿壹仟元整"},
        {"100010000.00", "壹亿零壹万元整"},
        {"1000000000.00", "壹拾亿元整"},
        {"123456789012.34", "壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元叁角肆分"},
        {"1000000000000.00", "壹万亿元整"},
        {"9999999999999.99", "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
}

void TestCapitals::results() {
    QFETCH(QString, amount);
    QFETCH(QString, text);
    // As the totals hand it over: the shown total's count divided by 10000.
    const Money count = ParseAmountStrict(amount.toStdString());
    QCOMPARE(QString::fromStdString(AmountInCapitals(double(count) / 10000.0)), text);
    QCOMPARE(QString::fromStdString(CapitalsOfFen(count / 100)), text);
}

void TestCapitals::traces_data() {
    QTest::addColumn<qint64>("fen");
    QTest::addColumn<QStringList>("steps"); // the text after each stage that changed it
    QTest::newRow("10010.01") << 1001001LL
                              << QStringList{
                                     "壹万零仟零佰壹拾零元零角壹分", "壹万零仟零佰壹拾元零角壹分",
                                     "壹万零仟零壹拾元零角壹分",     "壹万零零壹拾元零角壹分",
                                     "壹万零壹拾元零角壹分",         "壹万零壹拾元零壹分"};
    QTest::newRow("100000000.00") << 10000000000LL
                                  << QStringList{"壹亿零仟零佰零拾零万零仟零佰零拾零元零角零分",
                                                 "壹亿零仟零佰零拾零万零仟零佰零拾元零角零分",
                                                 "壹亿零仟零佰零零万零仟零佰零元零角零分",
                                                 "壹亿零仟零零零万零仟零零元零角零分",
                                                 "壹亿零零零零万零零零元零角零分",
                                                 "壹亿零零零万零零零元零角零分",
                                                 "壹亿零万零元零角零分",
                                                 "壹亿万零元零角零分",
                                                 "壹亿零元零角零分",
                                                 "壹亿元零角零分",
                                                 "壹亿元整零分",
                                                 "壹亿元整"};
}

void TestCapitals::traces() {
    QFETCH(qint64, fen);
    QFETCH(QStringList, steps);
    namespace stages = capitals_stages;
    QStringList seen;
    std::string text = stages::SpellPositions(fen);
    seen << QString::fromStdString(text);
    for (int pair = 1; pair <= stages::replacementPairCount; ++pair) {
        const std::string next = stages::ApplyReplacementPair(text, pair);
        if (next != text)
            seen << QString::fromStdString(next);
        text = next;
    }
    for (auto stage : {stages::ApplyJiaoRule, stages::RemoveZeroFen}) {
        const std::string next = stage(text);
        if (next != text)
            seen << QString::fromStdString(next);
        text = next;
    }
    QCOMPARE(seen, steps);
    QCOMPARE(QString::fromStdString(CapitalsOfFen(fen)), steps.last());
}

void TestCapitals::shapeAndValueOverTheRange() {
    std::mt19937_64 rng(1211);
    std::vector<std::int64_t> amounts{0, 1, 10, 100, 999999999999999, 100000000000000};
    for (std::int64_t p = 1; p < capitalsFenLimit; p *= 10) {
        amounts.push_back(p);
        amounts.push_back(p - 1);
        amounts.push_back(p + 1);
    }
    for (int i = 0; i < 300000; ++i)
        amounts.push_back(randomFen(rng));
    for (const std::int64_t fen : amounts) {
        const std::string text = CapitalsOfFen(fen);
        if (readCapitals(text) != fen)
            QFAIL(
                qPrintable(QString("%1 fen spelt %2").arg(fen).arg(QString::fromStdString(text))));
        const bool whole = fen % 100 == 0 && fen >= 100;
        if (whole != (text.size() >= 3 && text.compare(text.size() - 3, 3, "整") == 0))
            QFAIL(qPrintable(QString("整 wrong for %1 fen").arg(fen)));
    }
}

void TestCapitals::doublePathGivesTheShownFen() {
    // Every total the figures panel can show reaches the capitals as count / 10000 in a
    // double; multiplied by 100 and rounded it must give back the exact fen. Below 2^53 both
    // roundings err by far less than half a fen, so this holds over the whole range; checked
    // here on every total up to 2000.00, near each power of ten, at the top, and at random.
    std::mt19937_64 rng(99);
    std::vector<std::int64_t> fens;
    for (std::int64_t f = 0; f <= 200000; ++f)
        fens.push_back(f);
    for (std::int64_t p = 1000; p < capitalsFenLimit; p *= 10)
        for (std::int64_t d = -1000; d <= 1000; ++d)
            if (p + d >= 0 && p + d < capitalsFenLimit)
                fens.push_back(p + d);
    for (std::int64_t f = capitalsFenLimit - 200000; f < capitalsFenLimit; ++f)
        fens.push_back(f);
    for (int i = 0; i < 500000; ++i)
        fens.push_back(std::int64_t(rng() % std::uint64_t(capitalsFenLimit)));
    for (const std::int64_t fen : fens) {
        const double yuan = double(fen * 100) / 10000.0;
        if (AmountInCapitals(yuan) != CapitalsOfFen(fen))
            QFAIL(qPrintable(QString("%1 fen through the double path").arg(fen)));
    }
}

void TestCapitals::outsideTheRange_data() {
    QTest::addColumn<double>("yuan");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative") << -12.5 << "负壹拾贰元伍角";
    QTest::newRow("negative fen") << -0.01 << "负壹分";
    QTest::newRow("negative rounding to zero") << -0.004 << "";
    QTest::newRow("first amount beyond") << 10000000000000.00 << "金额超出范围";
    QTest::newRow("far beyond") << 1e300 << "金额超出范围";
    QTest::newRow("far below") << -1e300 << "金额超出范围";
    QTest::newRow("not a number") << std::nan("") << "金额超出范围";
}

void TestCapitals::outsideTheRange() {
    QFETCH(double, yuan);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(AmountInCapitals(yuan)), text);
}

QTEST_APPLESS_MAIN(TestCapitals)
#include "test_capitals.moc"
