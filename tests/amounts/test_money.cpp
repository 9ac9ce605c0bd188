#include "amounts/money.h"
#include "amounts/totals.h"

#include <QTest>
#include <limits>
#include <random>
#include <regex>
#include <string>

using namespace amounts;

namespace {

constexpr Money maxMoney = std::numeric_limits<Money>::max();
constexpr Money minMoney = std::numeric_limits<Money>::min();

// ---- A slow reference reader: the grammar by a regular expression, the value by long-hand
// ---- decimal arithmetic on digit strings.

std::string stripZeros(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

std::string incrementDecimal(std::string digits) {
    int i = int(digits.size()) - 1;
    while (i >= 0 && digits[std::size_t(i)] == '9')
        digits[std::size_t(i--)] = '0';
    if (i < 0)
        return "1" + digits;
    ++digits[std::size_t(i)];
    return digits;
}

// |a| <= |b| for digit strings without leading zeros.
bool notAbove(const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a <= b;
}

struct Reference {
    bool valid = false;
    Money value = 0;
};

Reference referenceRead(const std::string& text) {
    static const std::regex grammar(
        R"(^ *([+-]?)([0-9]*)(\.?)([0-9]*)(?:[eE]([+-]?)([0-9]*))? *$)");
    std::smatch m;
    if (!std::regex_match(text, m, grammar))
        return {};
    const bool negative = m[1] == "-";
    const std::string integerDigits = m[2], point = m[3], fractionDigits = m[4];
    if (integerDigits.empty() && fractionDigits.empty() && point.empty())
        return {};
    const std::string significant = stripZeros(integerDigits + fractionDigits);
    if (significant == "0")
        return {true, 0};

    const std::string exponentDigits = stripZeros(m[6].str());
    const bool negativeExponent = m[5] == "-";
    std::string count; // the rounded count of ten-thousandths, as decimal digits
    if (exponentDigits.size() > 15) {
        if (!negativeExponent)
            return {}; // a non-zero digit times 10^(10^15) or more
        count = "0";
    } else {
        const long long exponent = std::stoll(exponentDigits) * (negativeExponent ? -1 : 1);
        const long long shift = exponent - (long long)fractionDigits.size() + 4;
        if (shift >= 0) {
            if (shift > 100)
                return {};
            count = significant + std::string(std::size_t(shift), '0');
        } else {
            const std::size_t dropped = std::size_t(-shift);
            std::string kept, rest;
            if (dropped > significant.size()) {
                kept = "0"; // below a tenth of a unit: rounds to nothing
                rest = "0";
            } else if (dropped == significant.size()) {
                kept = "0";
                rest = significant;
            } else {
                kept = significant.substr(0, significant.size() - dropped);
                rest = significant.substr(significant.size() - dropped);
            }
            const bool restAfterFirstZero = rest.find_first_not_of('0', 1) == std::string::npos;
            bool up = false;
            if (rest[0] > '5')
                up = true;
            else if (rest[0] == '5')
                up = !restAfterFirstZero || ((kept.back() - '0') % 2 == 1);
            count = stripZeros(up ? incrementDecimal(kept) : kept);
        }
    }
    const std::string limit = negative ? "9223372036854775808" : "9223372036854775807";
    if (!notAbove(count, limit))
        return {};
    if (count == "9223372036854775808")
        return {true, minMoney};
    const Money magnitude = std::stoll(count);
    return {true, negative ? -magnitude : magnitude};
}

// ---- A reference for "%.2f" on the count, by digit strings.
std::string referenceFormat(Money amount) {
    const bool negative = amount < 0;
    std::string digits = std::to_string(amount);
    if (negative)
        digits.erase(0, 1);
    if (digits.size() < 5)
        digits.insert(0, 5 - digits.size(), '0');
    std::string hundredths = digits.substr(0, digits.size() - 2);
    const std::string rest = digits.substr(digits.size() - 2);
    if (rest > "50" || (rest == "50" && (hundredths.back() - '0') % 2 == 1))
        hundredths = incrementDecimal(hundredths);
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');
    const std::string yuan = stripZeros(hundredths.substr(0, hundredths.size() - 2));
    const std::string text = yuan + "." + hundredths.substr(hundredths.size() - 2);
    const bool zero = hundredths.find_first_not_of('0') == std::string::npos;
    return (negative && !zero ? "-" : "") + text;
}

// ---- Random amount texts from the grammar's pieces, with near misses.
std::string randomText(std::mt19937_64& rng) {
    auto chance = [&](int percent) { return int(rng() % 100) < percent; };
    auto digits = [&](std::size_t count) {
        std::string s;
        for (std::size_t i = 0; i < count; ++i)
            s += char('0' + rng() % 10);
        return s;
    };
    auto length = [&] {
        const int kind = int(rng() % 10);
        if (kind < 2)
            return std::size_t(0);
        if (kind < 8)
            return std::size_t(rng() % 8);
        if (kind < 9)
            return std::size_t(rng() % 25);
        return std::size_t(100 + rng() % 300);
    };

    std::string text(rng() % 3, ' ');
    if (chance(30))
        text += chance(50) ? '-' : '+';
    if (chance(10))
        text += std::string(1 + rng() % 15, '0');
    text += digits(length());
    if (chance(60)) {
        text += '.';
        if (chance(10))
            text += std::string(rng() % 30, '0');
        text += digits(length());
    }
    if (chance(25)) {
        text += chance(50) ? 'e' : 'E';
        if (chance(50))
            text += chance(50) ? '-' : '+';
        if (chance(15))
            text += digits(16 + rng() % 10); // huge exponent
        else
            text += digits(rng() % 3);
    }
    text += std::string(rng() % 3, ' ');

    if (chance(15)) { // a near miss
        static const std::string strays[] = {".", " ", "-", "+", "e", ",", "\t", "x", "１", "0x"};
        const std::string& stray = strays[rng() % std::size(strays)];
        text.insert(rng() % (text.size() + 1), stray);
    }
    return text;
}

} // namespace

class TestMoney : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void strictReadingNamesText();
    void readingAgreesWithReference();
    void longTextsStayExact();
    void showing_data();
    void showing();
    void showingAgreesWithReference();
    void totals_data();
    void totals();
    void sumBeyondRangeIsAnError();
    void refund_data();
    void refund();
};

void TestMoney::reading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("count");

    QTest::newRow("integer") << "12" << true << 120000LL;
    QTest::newRow("half") << "12.5" << true << 125000LL;
    QTest::newRow("initial text") << "0.00" << true << 0LL;
    QTest::newRow("trailing point") << "7." << true << 70000LL;
    QTest::newRow("leading point") << ".5" << true << 5000LL;
    QTest::newRow("lone point") << "." << true << 0LL;
    QTest::newRow("signed lone point") << "-." << true << 0LL;
    QTest::newRow("blanks around") << "  8.5  " << true << 85000LL;
    QTest::newRow("plus") << "+3" << true << 30000LL;
    QTest::newRow("minus") << "-3" << true << -30000LL;
    QTest::newRow("minus zero") << "-0" << true << 0LL;
    QTest::newRow("exponent") << "1.5e2" << true << 1500000LL;
    QTest::newRow("exponent capital, signed") << "25E-1" << true << 25000LL;
    QTest::newRow("exponent without digits") << "3e" << true << 30000LL;
    QTest::newRow("exponent sign without digits") << "3e-" << true << 30000LL;
    QTest::newRow("lone point with exponent") << ".e5" << true << 0LL;
    QTest::newRow("half rounds up to even") << "1.23455" << true << 12346LL;
    QTest::newRow("half rounds down to even") << "1.23445" << true << 12344LL;
    QTest::newRow("tiny half to zero") << "0.00005" << true << 0LL;
    QTest::newRow("tiny half up") << "0.00015" << true << 2LL;
    QTest::newRow("above half") << "0.000051" << true << 1LL;
    QTest::newRow("negative half to even") << "-0.00015" << true << -2LL;
    QTest::newRow("largest") << "922337203685477.5807" << true << qint64(maxMoney);
    QTest::newRow("smallest") << "-922337203685477.5808" << true << qint64(minMoney);
    QTest::newRow("largest by rounding down")
        << "922337203685477.58074999" << true << qint64(maxMoney);
    QTest::newRow("zero with huge exponent") << "0e999999999999999999" << true << 0LL;
    QTest::newRow("small with huge negative exponent") << "5e-999999999" << true << 0LL;
    QTest::newRow("many zeros then digit") << "0.0000000000000000000000000000001" << true << 0LL;

    QTest::newRow("empty") << "" << false << 0LL;
    QTest::newRow("blanks only") << "   " << false << 0LL;
    QTest::newRow("sign only") << "-" << false << 0LL;
    QTest::newRow("two points") << "1.2.3" << false << 0LL;
    QTest::newRow("comma separator") << "12,5" << false << 0LL;
    QTest::newRow("blank inside") << "1 2" << false << 0LL;
    QTest::newRow("tab") << "\t1" << false << 0LL;
    QTest::newRow("two signs") << "--1" << false << 0LL;
    QTest::newRow("letters") << "abc" << false << 0LL;
    QTest::newRow("currency") << "¥12" << false << 0LL;
    QTest::newRow("full-width digits") << "１２" << false << 0LL;
    QTest::newRow("exponent alone") << "e5" << false << 0LL;
    QTest::newRow("sign after exponent digits") << "1e5-" << false << 0LL;
    QTest::newRow("hex") << "0x10" << false << 0LL;
    QTest::newRow("infinity") << "inf" << false << 0LL;
    QTest::newRow("beyond range") << "1000000000000000" << false << 0LL;
    QTest::newRow("just beyond range") << "922337203685477.58075" << false << 0LL;
    QTest::newRow("smallest by half to even")
        << "-922337203685477.58085" << true << qint64(minMoney);
    QTest::newRow("just below range") << "-922337203685477.58086" << false << 0LL;
    QTest::newRow("exponent with twenty digits") << "1e+09638058350572179460" << false << 0LL;
    QTest::newRow("negative exponent with twenty digits")
        << "1e-99999999999999999999" << true << 0LL;
    QTest::newRow("huge exponent") << "1e999999999999999999" << false << 0LL;
}

void TestMoney::reading() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, count);
    const std::string utf8 = text.toStdString();
    const auto value = TryParseAmount(utf8);
    QCOMPARE(value.has_value(), valid);
    QCOMPARE(ParseAmount(utf8), count);
    if (valid)
        QCOMPARE(ParseAmountStrict(utf8), count);
    else
        QVERIFY_THROWS_EXCEPTION(AmountConversionError, ParseAmountStrict(utf8));
}

void TestMoney::strictReadingNamesText() {
    try {
        ParseAmountStrict("1.2.3");
        QFAIL("no error");
    } catch (const AmountConversionError& e) {
        QCOMPARE(std::string(e.what()), std::string("'1.2.3' is not a valid floating point value"));
    }
    try {
        ParseAmountStrict("");
        QFAIL("no error");
    } catch (const AmountConversionError& e) {
        QCOMPARE(std::string(e.what()), std::string("'' is not a valid floating point value"));
    }
}

void TestMoney::readingAgreesWithReference() {
    std::mt19937_64 rng(20261211);
    int valid = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string text = randomText(rng);
        const Reference expected = referenceRead(text);
        const auto actual = TryParseAmount(text);
        if (actual.has_value() != expected.valid || (actual && *actual != expected.value))
            QFAIL(qPrintable(QString("differs on \"%1\"").arg(QString::fromStdString(text))));
        valid += expected.valid;
    }
    // The generator reaches both sides of the grammar.
    QVERIFY(valid > 50000 && valid < 190000);
}

void TestMoney::longTextsStayExact() {
    // A mantissa of thousands of digits rounds on its very last one.
    const std::string zeros(3000, '0');
    QCOMPARE(ParseAmount("0.0000" + zeros + "1"), 0LL);
    QCOMPARE(ParseAmount("0.00005" + zeros + "1"), 1LL);
    QCOMPARE(ParseAmount("0.00005" + zeros), 0LL);
    QCOMPARE(ParseAmount("1" + zeros + "e-3000"), 10000LL);
    QCOMPARE(ParseAmount(zeros + "12.5" + zeros), 125000LL);
    QVERIFY(!TryParseAmount("1" + zeros).has_value());
}

void TestMoney::showing_data() {
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0LL << "0.00";
    QTest::newRow("12.50") << 125000LL << "12.50";
    QTest::newRow("0.1250 to even down") << 1250LL << "0.12";
    QTest::newRow("0.1350 to even up") << 1350LL << "0.14";
    QTest::newRow("0.0050") << 50LL << "0.00";
    QTest::newRow("2.0150") << 20150LL << "2.02";
    QTest::newRow("2.0250") << 20250LL << "2.02";
    QTest::newRow("above half") << 20251LL << "2.03";
    QTest::newRow("negative") << -85000LL << "-8.50";
    QTest::newRow("negative rounding to zero") << -50LL << "0.00";
    QTest::newRow("negative half to even") << -1350LL << "-0.14";
    QTest::newRow("largest") << qint64(maxMoney) << "922337203685477.58";
    QTest::newRow("smallest") << qint64(minMoney) << "-922337203685477.58";
}

void TestMoney::showing() {
    QFETCH(qint64, count);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatAmount(count)), text);
}

void TestMoney::showingAgreesWithReference() {
    std::mt19937_64 rng(7);
    std::vector<Money> counts{
        0, 1, -1, 49, 50, 51, 150, -150, maxMoney, minMoney, maxMoney - 49, minMoney + 50};
    for (int i = 0; i < 200000; ++i) {
        Money c = Money(rng());
        switch (i % 4) { // every magnitude, not only the huge ones
        case 0:
            c >>= int(rng() % 63);
            break;
        case 1:
            c = (c >> int(rng() % 63)) / 50 * 50; // exact halves
            break;
        default:
            break;
        }
        counts.push_back(c);
    }
    for (Money c : counts) {
        if (FormatAmount(c) != referenceFormat(c))
            QFAIL(qPrintable(QString("differs on %1").arg(c)));
        // What is shown reads back as its own hundredths.
        QCOMPARE(FormatAmount(ParseAmountStrict(FormatAmount(c))), FormatAmount(c));
    }
}

void TestMoney::totals_data() {
    QTest::addColumn<QStringList>("fees");
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("capitals");
    const QStringList zeros(7, "0.00");
    QTest::newRow("all zero") << zeros << "0.00"
                              << "";
    QStringList fees = zeros;
    fees[0] = "12";
    fees[3] = "0.5";
    QTest::newRow("12 and 0.5") << fees << "12.50"
                                << "壹拾贰元伍角";
    QTest::newRow("invalid texts count as zero")
        << QStringList{".", "", "1.2.3", "abc", "1000000000000000", "3"} << "3.00"
        << "叁元整";
    QTest::newRow("0.125 shows 0.12") << QStringList{"0.125"} << "0.12"
                                      << "壹角贰分";
    QTest::newRow("0.135 shows 0.14") << QStringList{"0.135"} << "0.14"
                                      << "壹角肆分";
    QTest::newRow("two of 0.005") << QStringList{"0.005", "0.005"} << "0.01"
                                  << "壹分";
    QTest::newRow("one of 0.005") << QStringList{"0.005"} << "0.00"
                                  << "";
    QTest::newRow("0.00005 is nothing") << QStringList{"0.00005"} << "0.00"
                                        << "";
    QTest::newRow("0.00015 keeps its ten-thousandths")
        << QStringList{"0.00015", "0.00995"} << "0.01"
        << "壹分";
    QTest::newRow("negative total") << QStringList{"-12.5", "0.00"} << "-12.50"
                                    << "负壹拾贰元伍角";
    QTest::newRow("largest total in capitals")
        << QStringList{"9999999999999.99"} << "9999999999999.99"
        << "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分";
    QTest::newRow("beyond the capitals")
        << QStringList{"9999999999999.99", "0.01"} << "10000000000000.00"
        << "金额超出范围";
    QTest::newRow("most negative beyond the capitals")
        << QStringList{"-922337203685477.5808"} << "-922337203685477.58"
        << "金额超出范围";
}

void TestMoney::totals() {
    QFETCH(QStringList, fees);
    QFETCH(QString, figures);
    QFETCH(QString, capitals);
    std::vector<std::string> texts;
    for (const QString& fee : fees)
        texts.push_back(fee.toStdString());
    const TotalTexts total = ComputeTotal(texts);
    QCOMPARE(QString::fromStdString(total.figures), figures);
    QCOMPARE(QString::fromStdString(total.capitals), capitals);
}

void TestMoney::sumBeyondRangeIsAnError() {
    QVERIFY_THROWS_EXCEPTION(AmountRangeError, ComputeTotal({"922337203685477.5807", "0.0001"}));
    QVERIFY_THROWS_EXCEPTION(AmountRangeError, ComputeTotal({"-922337203685477.5808", "-0.0001"}));
    // Reaching the edge exactly is no error, nor is going out and back in order.
    QCOMPARE(SumAmountTexts({"922337203685477.5806", "0.0001"}), maxMoney);
    QCOMPARE(SumAmountTexts({"900000000000000", "-900000000000000", "5"}), 50000LL);
    QVERIFY_THROWS_EXCEPTION(AmountRangeError,
                             ComputeRefund("900000000000000", "-900000000000000"));
}

void TestMoney::refund_data() {
    QTest::addColumn<QString>("advance");
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("refund");
    QTest::newRow("100 over 80.5") << "100"
                                   << "80.5"
                                   << "19.50";
    QTest::newRow("equal") << "80.5"
                           << "80.50"
                           << "0.00";
    QTest::newRow("smaller") << "10"
                             << "80"
                             << "0.00";
    QTest::newRow("four decimals decide, shown as zero") << "10.001"
                                                         << "10"
                                                         << "0.00";
    QTest::newRow("four decimals, just above half a fen") << "10.0051"
                                                          << "10"
                                                          << "0.01";
    QTest::newRow("invalid advance counts as zero") << "1.2.3"
                                                    << "-5"
                                                    << "5.00";
    QTest::newRow("both empty") << ""
                                << ""
                                << "0.00";
}

void TestMoney::refund() {
    QFETCH(QString, advance);
    QFETCH(QString, due);
    QFETCH(QString, refund);
    QCOMPARE(QString::fromStdString(ComputeRefund(advance.toStdString(), due.toStdString())),
             refund);
}

QTEST_APPLESS_MAIN(TestMoney)
#include "test_money.moc"
