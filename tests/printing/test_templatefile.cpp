#include "printing/reportcomponent.h"
#include "printing/templatefile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace printing;

namespace {

Report sampleReport() {
    Report report;
    ReportPage first;
    first.paperWidthMm = 191;
    first.paperHeightMm = 120;
    first.paperCode = 256;
    first.marginLeftMm = 10.25;
    TextObject caption;
    caption.name = "Memo1";
    caption.text = "结\n算 [name] & <tag> \"quoted\"  two  blanks ";
    caption.left = 11.33859;
    caption.top = 0.1 + 0.2; // a value with no short decimal form
    caption.width = 30.23624;
    caption.height = 52.91342;
    caption.hAlign = HAlign::Centre;
    caption.vAlign = VAlign::Bottom;
    caption.frame = {true, false, true, false, 0.5};
    caption.bold = true;
    caption.italic = true;
    caption.color = QColor("#336699");
    caption.fontFamily = "SimSun";
    caption.fontPixelSize = 16;
    caption.wordWrap = false;
    first.objects.push_back(caption);
    TextObject value;
    value.name = "edtNo";
    value.left = 480.00031;
    value.width = 154.96073;
    value.height = 18.89765;
    first.objects.push_back(value);
    report.pages.push_back(first);

    ReportPage second;
    second.landscape = true;
    TextObject again;
    again.name = "EDTNO"; // a later page's namesake is found second
    again.text = "second";
    second.objects.push_back(again);
    report.pages.push_back(second);
    return report;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

const QByteArray header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const QByteArray goodPage = "<page paper-width=\"191\" paper-height=\"120\">";

} // namespace

class TestTemplateFile : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsModelAndBytes();
    void findIgnoresLatinCaseOnly_data();
    void findIgnoresLatinCaseOnly();
    void missingFileGivesEmptyReport();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void mutatedFilesNeverCrash();
    void saveToMissingFolderIsAnError();
};

void TestTemplateFile::roundTripKeepsModelAndBytes() {
    QTemporaryDir dir;
    const Report report = sampleReport();
    const QString path = dir.filePath("a.fr3");
    writeTemplateFile(report, path);
    const Report loaded = readTemplateFile(path);
    QVERIFY(loaded == report);
    QCOMPARE(loaded.pages[0].objects[0].top, 0.1 + 0.2);

    const QString again = dir.filePath("b.fr3");
    writeTemplateFile(loaded, again);
    QFile a(path), b(again);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());
}

void TestTemplateFile::findIgnoresLatinCaseOnly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found");
    QTest::newRow("as written") << "edtNo"
                                << "edtNo";
    QTest::newRow("lower case") << "edtno"
                                << "edtNo";
    QTest::newRow("capitals") << "EDTNO"
                              << "edtNo";
    QTest::newRow("first of the pages") << "Memo1"
                                        << "Memo1";
    QTest::newRow("prefix is no match") << "edtN"
                                        << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestTemplateFile::findIgnoresLatinCaseOnly() {
    QFETCH(QString, name);
    QFETCH(QString, found);
    Report report = sampleReport();
    const TextObject* object = report.findObject(name);
    QCOMPARE(object ? object->name : QString(), found);
    if (object && found == "edtNo")
        QCOMPARE(object->text, QString()); // the first page's, not the second's

    // Only A to Z fold: other letters with case must match exactly.
    report.pages[0].objects[0].name = QStringLiteral("Σum");
    QVERIFY(report.findObject(QStringLiteral("Σum")));
    QVERIFY(report.findObject(QStringLiteral("ΣUM")));
    QVERIFY(!report.findObject(QStringLiteral("σum")));
}

void TestTemplateFile::missingFileGivesEmptyReport() {
    QTemporaryDir dir;
    ReportComponent component;
    QVERIFY(component.LoadFromFile(writeFile(dir, "a.fr3", serializeTemplate(sampleReport()))));
    QCOMPARE(component.report().pages.size(), std::size_t(2));
    QVERIFY(component.fileName().endsWith("a.fr3"));

    QVERIFY(!component.LoadFromFile(dir.filePath("missing.fr3")));
    QVERIFY(component.report().isEmpty());
    QVERIFY(component.fileName().isEmpty());
    QVERIFY(!component.FindObject("edtno"));
}

void TestTemplateFile::damagedFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("complaint");
    const QByteArray root = header + "<cashier-report version=\"1\">";
    const QByteArray text = "<text name=\"a\" left=\"1\" top=\"2\" width=\"3\" height=\"4\"";
    QTest::newRow("empty file") << QByteArray() << "not a readable template";
    QTest::newRow("not XML") << QByteArray("PK\x03\x04 binary") << "not a readable template";
    QTest::newRow("another XML") << header + "<html/>"
                                 << "not a receipt template";
    QTest::newRow("truncated") << root + goodPage + text + ">x</te"
                               << "not a readable template";
    QTest::newRow("no end") << root + goodPage << "not a readable template";
    QTest::newRow("no version") << header + "<cashier-report>" + "</cashier-report>"
                                << "lacks the attribute version";
    QTest::newRow("wrong version") << header + "<cashier-report version=\"2\"></cashier-report>"
                                   << "this program reads version 1";
    QTest::newRow("unknown element") << root + "<band/></cashier-report>"
                                     << "<band>";
    QTest::newRow("unknown object kind") << root + goodPage + "<picture/></page></cashier-report>"
                                         << "not a known object kind";
    QTest::newRow("paper width missing")
        << root + "<page paper-height=\"120\"></page></cashier-report>"
        << "paper-width";
    QTest::newRow("paper not a number")
        << root + "<page paper-width=\"wide\" paper-height=\"120\"></page></cashier-report>"
        << "not a number";
    QTest::newRow("name missing")
        << root + goodPage + "<text left=\"1\" top=\"2\" width=\"3\" height=\"4\">x</text>" +
               "</page></cashier-report>"
        << "lacks the attribute name";
    QTest::newRow("left not a number")
        << root + goodPage +
               "<text name=\"a\" left=\"1,5\" top=\"2\" width=\"3\" height=\"4\"/></page>"
               "</cashier-report>"
        << "left=\"1,5\"";
    QTest::newRow("infinite width")
        << root + goodPage +
               "<text name=\"a\" left=\"1\" top=\"2\" width=\"inf\" height=\"4\"/></page>"
               "</cashier-report>"
        << "not a number";
    QTest::newRow("negative height")
        << root + goodPage +
               "<text name=\"a\" left=\"1\" top=\"2\" width=\"3\" height=\"-4\"/></page>"
               "</cashier-report>"
        << "below zero";
    QTest::newRow("bad alignment")
        << root + goodPage + text + " halign=\"middle\"/></page></cashier-report>"
        << "halign";
    QTest::newRow("bad frame") << root + goodPage + text +
                                      " frame=\"all\"/></page></cashier-report>"
                               << "frame";
    QTest::newRow("bad font size")
        << root + goodPage + text + " font-size=\"0\"/></page></cashier-report>"
        << "font-size";
    QTest::newRow("element inside a text")
        << root + goodPage + text + "><b>x</b></text></page></cashier-report>"
        << "not a readable template";
}

void TestTemplateFile::damagedFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, complaint);
    QTemporaryDir dir;
    ReportComponent component;
    QVERIFY(component.LoadFromFile(writeFile(dir, "good.fr3", serializeTemplate(sampleReport()))));
    const QString path = writeFile(dir, "bad.fr3", bytes);
    try {
        component.LoadFromFile(path);
        QFAIL("the damaged file was taken");
    } catch (const TemplateError& error) {
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(message.contains(path), qPrintable(message));
        QVERIFY2(message.contains(complaint), qPrintable(message));
    }
    // Nothing of the damaged file, and nothing of the one loaded before, is left.
    QVERIFY(component.report().isEmpty());
    QVERIFY(component.fileName().isEmpty());
}

void TestTemplateFile::mutatedFilesNeverCrash() {
    // Random damage to a real template: every result is a whole report or a TemplateError.
    const QByteArray original = serializeTemplate(sampleReport());
    QRandomGenerator rng(1211);
    int refused = 0;
    for (int i = 0; i < 5000; ++i) {
        QByteArray bytes = original;
        const int edits = 1 + int(rng.bounded(4));
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const int at = int(rng.bounded(bytes.size()));
            switch (rng.bounded(4)) {
            case 0:
                bytes.truncate(at);
                break;
            case 1:
                bytes[at] = char(rng.bounded(256));
                break;
            case 2:
                bytes.remove(at, int(rng.bounded(20)));
                break;
            default:
                bytes.insert(at, "<\"&>"[rng.bounded(4)]);
                break;
            }
        }
        try {
            const Report report = parseTemplate(bytes, "mutated.fr3");
            for (const ReportPage& page : report.pages)
                QVERIFY(page.paperWidthMm > 0 && page.paperHeightMm > 0);
        } catch (const TemplateError&) {
            ++refused;
        }
    }
    QVERIFY(refused > 1000);
}

void TestTemplateFile::saveToMissingFolderIsAnError() {
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(TemplateError,
                             writeTemplateFile(sampleReport(), dir.filePath("no/such/dir.fr3")));
}

QTEST_GUILESS_MAIN(TestTemplateFile)
#include "test_templatefile.moc"
