#include "printing/reportcomponent.h"
#include "printing/shippedtemplates.h"
#include "printing/templatefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace printing;

namespace {

enum H { L, C, R };
enum V { T, M };

struct Expected {
    const char* name;
    const char* text;
    bool filled;
    double left, top, width, height;
    H h;
    V v;
    bool framed;
};

// The inpatient receipt as shipped, object by object in file order.
const Expected inpatientLayout[] = {
    {"edtzyno", "NO", true, 480.00031, 24.23624, 154.96073, 18.89765, L, T, false},
    {"Memo4", "姓名：", false, 166.29932, 53.91342, 45.35436, 18.89765, L, T, false},
    {"edtzyname", "", true, 215.43321, 53.91342, 136.06308, 18.89765, L, T, false},
    {"Memo6", "单位：", false, 354.85065, 53.91342, 45.35436, 18.89765, L, T, false},
    {"edtzydw", "", true, 403.98454, 53.91342, 204.09462, 18.89765, L, T, false},
    {"Memo2", "住院号：", false, 11.33859, 54.47248, 45.35436, 18.89765, L, T, false},
    {"edtzyh", "", true, 60.47248, 54.47248, 102.04731, 18.89765, L, T, false},
    {"Memo11", "住院日期", false, 11.33859, 79.92919, 90.70872, 26.45671, C, M, true},
    {"dtpzyrq", "", true, 102.04731, 79.92919, 139.84261, 26.45671, L, M, true},
    {"Memo9", "出院日期", false, 241.88992, 79.92919, 86.92919, 26.45671, C, M, true},
    {"dtpcyrq", "", true, 328.81911, 79.92919, 136.06308, 26.45671, L, M, true},
    {"Memo13", "住院天数", false, 464.88219, 79.92919, 79.37013, 26.45671, C, M, true},
    {"edtzyts", "", true, 544.25232, 79.92919, 71.81107, 26.45671, R, M, true},
    {"Memo14", "项      目", false, 11.33859, 106.3859, 68.03154, 26.45671, C, M, true},
    {"Memo23", "金      额", false, 79.37013, 106.3859, 83.14966, 26.45671, C, M, true},
    {"Memo24", "项      目", false, 162.51979, 106.3859, 68.03154, 26.45671, C, M, true},
    {"Memo25", "金      额", false, 230.55133, 106.3859, 83.14966, 26.45671, C, M, true},
    {"Memo26", "项      目", false, 313.70099, 106.3859, 68.03154, 26.45671, C, M, true},
    {"Memo27", "金      额", false, 381.73253, 106.3859, 83.14966, 26.45671, C, M, true},
    {"Memo28", "项      目", false, 464.88219, 106.3859, 68.03154, 26.45671, C, M, true},
    {"Memo29", "金      额", false, 532.91373, 106.3859, 83.14966, 26.45671, C, M, true},
    {"Memo15", "床位费", false, 11.33859, 132.84261, 68.03154, 26.45671, C, M, true},
    {"cwf", "", true, 79.37013, 132.84261, 83.14966, 26.45671, R, M, true},
    {"Memo17", "检查费", false, 162.51979, 132.84261, 68.03154, 26.45671, C, M, true},
    {"jcf", "", true, 230.55133, 132.84261, 83.14966, 26.45671, R, M, true},
    {"Memo31", "化验费", false, 313.70099, 132.84261, 68.03154, 26.45671, C, M, true},
    {"hyf", "", true, 381.73253, 132.84261, 83.14966, 26.45671, R, M, true},
    {"Memo33", "护理费", false, 464.88219, 132.84261, 68.03154, 26.45671, C, M, true},
    {"hlf", "", true, 532.91373, 132.84261, 83.14966, 26.45671, R, M, true},
    {"Memo35", "西药费", false, 11.33859, 159.29932, 68.03154, 26.45671, C, M, true},
    {"xyf", "", true, 79.37013, 159.29932, 83.14966, 26.45671, R, M, true},
    {"Memo37", "治疗费", false, 162.51979, 159.29932, 68.03154, 26.45671, C, M, true},
    {"zlf", "", true, 230.55133, 159.29932, 83.14966, 26.45671, R, M, true},
    {"Memo39", "输血费", false, 313.70099, 159.29932, 68.03154, 26.45671, C, M, true},
    {"sxf", "", true, 381.73253, 159.29932, 83.14966, 26.45671, R, M, true},
    {"Memo41", "其它治疗", false, 464.88219, 159.29932, 68.03154, 26.45671, C, M, true},
    {"qtzl", "", true, 532.91373, 159.29932, 83.14966, 26.45671, R, M, true},
    {"Memo43", "中成药", false, 11.33859, 185.75603, 68.03154, 26.45671, C, M, true},
    {"zcy", "", true, 79.37013, 185.75603, 83.14966, 26.45671, R, M, true},
    {"Memo45", "放射费", false, 162.51979, 185.75603, 68.03154, 26.45671, C, M, true},
    {"fsf", "", true, 230.55133, 185.75603, 83.14966, 26.45671, R, M, true},
    {"Memo47", "输氧费", false, 313.70099, 185.75603, 68.03154, 26.45671, C, M, true},
    {"syf", "", true, 381.73253, 185.75603, 83.14966, 26.45671, R, M, true},
    {"Memo49", "", false, 464.88219, 185.75603, 68.03154, 26.45671, C, M, true},
    {"Memo50", "", false, 532.91373, 185.75603, 83.14966, 26.45671, R, M, true},
    {"Memo51", "中草药", false, 11.33859, 212.21274, 68.03154, 26.45671, C, M, true},
    {"zcaoy", "", true, 79.37013, 212.21274, 83.14966, 26.45671, R, M, true},
    {"Memo53", "手术费", false, 162.51979, 212.21274, 68.03154, 26.45671, C, M, true},
    {"ssf", "", true, 230.55133, 212.21274, 83.14966, 26.45671, R, M, true},
    {"Memo55", "诊疗费", false, 313.70099, 212.21274, 68.03154, 26.45671, C, M, true},
    {"zhenlf", "", true, 381.73253, 212.21274, 83.14966, 26.45671, R, M, true},
    {"Memo57", "", false, 464.88219, 212.21274, 68.03154, 26.45671, C, M, true},
    {"Memo58", "", false, 532.91373, 212.21274, 83.14966, 26.45671, R, M, true},
    {"Memo18", "人民币大写合计", false, 11.33859, 238.66945, 151.1812, 26.45671, C, M, true},
    {"edthjdx", "", true, 162.51979, 238.66945, 219.21274, 26.45671, L, M, true},
    {"Memo59", "小     写", false, 381.73253, 238.66945, 83.14966, 26.45671, C, M, true},
    {"edthj", "", true, 464.88219, 238.66945, 151.1812, 26.45671, R, M, true},
    {"Memo20", "结\n算", false, 11.33859, 265.12616, 30.23624, 52.91342, C, M, true},
    {"Memo61", "预收款", false, 41.57483, 265.12616, 68.03154, 26.45671, C, M, true},
    {"Memo63", "应交款", false, 109.60637, 265.12616, 68.03154, 26.45671, C, M, true},
    {"Memo65", "应退款", false, 177.63791, 265.12616, 68.03154, 26.45671, C, M, true},
    {"Memo67", "支付方式", false, 245.66945, 265.12616, 86.92919, 26.45671, C, M, true},
    {"Memo21", "收讫印", false, 332.59864, 265.12616, 283.46475, 52.91342, L, M, true},
    {"ysk", "", true, 41.57483, 291.58287, 68.03154, 26.45671, R, M, true},
    {"yjk", "", true, 109.60637, 291.58287, 68.03154, 26.45671, R, M, true},
    {"ytk", "", true, 177.63791, 291.58287, 68.03154, 26.45671, R, M, true},
    {"zffs", "", true, 245.66945, 291.58287, 86.92919, 26.45671, C, M, true},
    {"Memo10", "结算日期：", false, 15.11812, 329.37817, 71.81107, 18.89765, L, T, false},
    {"dtpjsrq", "", true, 95.26778, 329.37817, 181.41744, 18.89765, L, T, false},
    {"Memo69", "结算员：", false, 340.1577, 329.37817, 60.47248, 18.89765, L, T, false},
    {"jsy", "", true, 408.18924, 329.37817, 136.06308, 18.89765, L, T, false},
};

// The objects each receipt kind fills, in the order they are filled.
const QStringList outpatientFilled{"edtno",  "edtname",  "edtdate",  "edtzyf",
                                   "edtxyf", "edttszxf", "edthyzjf", "edtczzsf",
                                   "edtssf", "edtqt",    "edthj",    "edthjdx"};
const QStringList inpatientFilled{"edtzyno", "edtzyh", "edtzyname", "edtzydw", "dtpzyrq", "dtpcyrq",
                                  "edtzyts", "cwf",    "xyf",       "zcy",     "zcaoy",   "jcf",
                                  "zlf",     "fsf",    "ssf",       "hyf",     "sxf",     "syf",
                                  "zhenlf",  "hlf",    "qtzl",      "edthjdx", "edthj",   "ysk",
                                  "yjk",     "ytk",    "zffs",      "dtpjsrq", "jsy"};

QString shippedFile(const QString& name) {
    return QStringLiteral(CASHIER_SOURCE_DIR "/templates/") + name;
}

} // namespace

class TestShippedTemplates : public QObject {
    Q_OBJECT
private slots:
    void inpatientMatchesLayout();
    void bothHoldTheObjectsTheyFill_data();
    void bothHoldTheObjectsTheyFill();
    void builtInCopiesAreTheRepositoryFiles();
    void installWritesOnlyMissingFiles();
};

void TestShippedTemplates::inpatientMatchesLayout() {
    const Report report = readTemplateFile(shippedFile("zy.fr3"));
    QCOMPARE(report.pages.size(), std::size_t(1));
    const ReportPage& page = report.pages.front();
    QCOMPARE(page.paperWidthMm, 191.0);
    QCOMPARE(page.paperHeightMm, 120.0);
    QCOMPARE(page.paperCode, 256);
    QVERIFY(!page.landscape);
    for (double margin :
         {page.marginLeftMm, page.marginTopMm, page.marginRightMm, page.marginBottomMm})
        QCOMPARE(margin, 10.0);

    QCOMPARE(page.objects.size(), std::size(inpatientLayout));
    QStringList filled;
    for (std::size_t i = 0; i < page.objects.size(); ++i) {
        const TextObject& o = page.objects[i];
        const Expected& e = inpatientLayout[i];
        const QByteArray where = e.name;
        QVERIFY2(o.name == QLatin1String(e.name), where);
        if (!e.filled)
            QVERIFY2(o.text == QString::fromUtf8(e.text), where);
        else if (QByteArray(e.name) == "edtzyno")
            QVERIFY2(o.text == QStringLiteral("NO"), where);
        if (e.filled)
            filled << o.name;
        QVERIFY2(o.left == e.left && o.top == e.top && o.width == e.width && o.height == e.height,
                 where);
        QVERIFY2(o.hAlign == (e.h == L   ? HAlign::Left
                              : e.h == C ? HAlign::Centre
                                         : HAlign::Right),
                 where);
        QVERIFY2(o.vAlign == (e.v == T ? VAlign::Top : VAlign::Centre), where);
        QVERIFY2(o.frame == (e.framed ? Frame::all() : Frame{}), where);
        QVERIFY2(o.fontFamily == "Arial" && o.fontPixelSize == 13 && !o.bold && !o.italic, where);
        QVERIFY2(o.color == QColor(Qt::black) && o.wordWrap, where);
    }
    // Every filled object is there once; the order of filling is the receipt page's business.
    filled.sort();
    QStringList expected = inpatientFilled;
    expected.sort();
    QCOMPARE(filled, expected);
    QCOMPARE(report.findObject("Memo20")->text, QStringLiteral("结\n算"));
    QCOMPARE(report.findObject("Memo14")->text, QStringLiteral("项      目"));
    QCOMPARE(report.findObject("Memo59")->text, QStringLiteral("小     写"));
}

void TestShippedTemplates::bothHoldTheObjectsTheyFill_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("mz.fr3") << "mz.fr3" << outpatientFilled;
    QTest::newRow("zy.fr3") << "zy.fr3" << inpatientFilled;
}

void TestShippedTemplates::bothHoldTheObjectsTheyFill() {
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    const Report report = readTemplateFile(shippedFile(file));
    for (const QString& name : names) {
        const TextObject* object = report.findObject(name);
        QVERIFY2(object, qPrintable(name));
        QVERIFY2(object->width > 0 && object->height > 0, qPrintable(name));
    }
    // Names are unique ignoring case, so every fill reaches the object meant.
    QStringList seen;
    for (const TextObject& o : report.pages.front().objects) {
        QVERIFY2(!seen.contains(o.name.toLower()), qPrintable(o.name));
        seen << o.name.toLower();
    }
}

void TestShippedTemplates::builtInCopiesAreTheRepositoryFiles() {
    for (const QString& name : shippedTemplateNames()) {
        QFile file(shippedFile(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(shippedTemplate(name), bytes);
        // Stored as the writer writes them, so a save without changes changes nothing.
        QCOMPARE(serializeTemplate(parseTemplate(bytes, name)), bytes);
    }
}

void TestShippedTemplates::installWritesOnlyMissingFiles() {
    QTemporaryDir dir;
    QFile own(dir.filePath("zy.fr3"));
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.write("the clinic's own");
    own.close();
    QCOMPARE(installShippedTemplates(QDir(dir.path())), QStringList{"mz.fr3"});
    QFile kept(dir.filePath("zy.fr3"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the clinic's own"));
    ReportComponent component;
    QVERIFY(component.LoadFromFile(dir.filePath("mz.fr3")));
    QVERIFY(component.FindObject("edthjdx"));
    QCOMPARE(installShippedTemplates(QDir(dir.path())), QStringList());
}

QTEST_GUILESS_MAIN(TestShippedTemplates)
#include "test_shippedtemplates.moc"
