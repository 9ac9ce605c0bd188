#include "printing/renderer.h"
#include "printing/reportcomponent.h"
#include "printing/reportpreview.h"
#include "printing/shippedtemplates.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace printing;

namespace {

// The text of a PDF as poppler's pdftotext lays it out. The CJK font draws some ideographs
// and their radical forms with one glyph, so the text read back may name the radical:
// compatibility normalisation folds the Kangxi radicals back, and the simplified radical
// forms of the supplement block, which have no such folding, are mapped here.
QString pdfText(const QString& path) {
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    process.waitForFinished(30000);
    QString text = QString::fromUtf8(process.readAllStandardOutput())
                       .normalized(QString::NormalizationForm_KC);
    const std::pair<char16_t, char16_t> radicals[] = {
        {0x2EA0, u'民'}, {0x2EC4, u'西'}, {0x2EC5, u'见'}, {0x2EC6, u'角'}, {0x2EC9, u'贝'},
        {0x2ECB, u'车'}, {0x2ED3, u'长'}, {0x2ED4, u'门'}, {0x2EDA, u'页'}, {0x2EE2, u'马'}};
    for (const auto& [radical, ideograph] : radicals)
        text.replace(QChar(radical), QChar(ideograph));
    return text;
}

void fillInpatient(ReportComponent& report) {
    const std::pair<const char*, const char*> values[] = {
        {"edtzyno", "0000000042"}, {"edtzyname", "张三"}, {"cwf", "120.00"},
        {"qtzl", "8.50"},          {"edthj", "128.50"},   {"edthjdx", "壹佰贰拾捌元伍角"},
        {"zffs", "现金"},          {"jsy", "[王五]"}};
    for (const auto& [name, text] : values)
        report.FindObject(QString::fromLatin1(name))->text = QString::fromUtf8(text);
}

// Counts the dark pixels inside `area` of the image.
int inkIn(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++dark;
    return dark;
}

} // namespace

class TestRendering : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filledReceiptExportsToPdf();
    void printPathDrawsTheSamePage();
    void framesAndTextLandInTheirBoxes();
    void previewIsModalMaximizedAtFullSize();

private:
    QTemporaryDir m_dir;
    bool m_havePdfText = false;
};

void TestRendering::initTestCase() {
    installShippedTemplates(QDir(m_dir.path()));
    m_havePdfText = !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

void TestRendering::filledReceiptExportsToPdf() {
    if (!m_havePdfText)
        QSKIP("pdftotext (poppler-utils) is not installed");
    ReportComponent report;
    QVERIFY(report.LoadFromFile(m_dir.filePath("zy.fr3")));
    fillInpatient(report);
    const QString pdf = m_dir.filePath("zy.pdf");
    exportPdf(report.report(), pdf);
    const QString text = pdfText(pdf);
    for (const char* expected : {"0000000042", "张三", "120.00", "8.50", "128.50",
                                 "壹佰贰拾捌元伍角", "现金", "[王五]", "住院日期", "收讫印"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(!text.contains("NO"));
}

void TestRendering::printPathDrawsTheSamePage() {
    if (!m_havePdfText)
        QSKIP("pdftotext (poppler-utils) is not installed");
    ReportComponent report;
    QVERIFY(report.LoadFromFile(m_dir.filePath("mz.fr3")));
    report.FindObject("EDTNO")->text = "0000000007";
    report.FindObject("edthjdx")->text = QStringLiteral("壹分");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_dir.filePath("printed.pdf");
    printer.setOutputFileName(pdf);
    printReport(report.report(), printer);
    const QString text = pdfText(pdf);
    QVERIFY(text.contains("0000000007"));
    QVERIFY(text.contains(QStringLiteral("壹分")));
    QVERIFY(text.contains(QStringLiteral("门诊医药费收据")));
}

void TestRendering::framesAndTextLandInTheirBoxes() {
    ReportPage page;
    page.paperWidthMm = 100;
    page.paperHeightMm = 50;
    page.marginLeftMm = 10;
    page.marginTopMm = 5;
    TextObject framed;
    framed.name = "box";
    framed.left = 40;
    framed.top = 20;
    framed.width = 100;
    framed.height = 30;
    framed.frame = Frame::all();
    framed.text = QStringLiteral("结算结算结算结算结算结算结算结算结算结算");
    page.objects.push_back(framed);

    const QImage image = renderPageImage(page, 96);
    // The box sits at its units plus the margins.
    const int x0 = qRound(10 * unitsPerMm + 40), y0 = qRound(5 * unitsPerMm + 20);
    const QRect box(x0, y0, 100, 30);
    QVERIFY(inkIn(image, QRect(box.left() - 1, box.top() + 5, 3, 20)) > 10);  // left line
    QVERIFY(inkIn(image, QRect(box.right() - 1, box.top() + 5, 3, 20)) > 10); // right line
    QVERIFY(inkIn(image, QRect(box.left() + 5, box.top() - 1, 90, 3)) > 40);  // top line
    QVERIFY(inkIn(image, QRect(box.left() + 5, box.bottom() - 1, 90, 3)) > 40);
    QVERIFY(inkIn(image, box.adjusted(3, 3, -3, -3)) > 50); // the text
    // Wrapped text is clipped to its box: nothing below or right of it.
    QCOMPARE(inkIn(image, QRect(box.left(), box.bottom() + 3, 100, 40)), 0);
    QCOMPARE(inkIn(image, QRect(box.right() + 3, box.top(), 60, 30)), 0);
}

void TestRendering::previewIsModalMaximizedAtFullSize() {
    ReportComponent report;
    QVERIFY(report.LoadFromFile(m_dir.filePath("zy.fr3")));
    fillInpatient(report);
    bool seen = false;
    QTimer::singleShot(50, [&] {
        auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
        QVERIFY(preview);
        seen = true;
        QVERIFY(preview->isModal());
        QVERIFY(preview->windowState() & Qt::WindowMaximized);
        QVERIFY(!preview->parentWidget());
        QCOMPARE(preview->zoom(), 1.0);
        QCOMPARE(preview->findChild<QLabel*>("pageLabel")->text().trimmed(),
                 QStringLiteral("1 / 1"));
        QCOMPARE(preview->prepared().findObject("edtzyno")->text, QStringLiteral("0000000042"));
        preview->setZoom(2.0);
        QCOMPARE(preview->findChild<QWidget*>("pageView")->width(),
                 qCeil(sheetSizeUnits(preview->prepared().pages[0]).width() * 2) + 24);
        preview->reject();
    });
    report.ShowReport();
    QVERIFY(seen);
}

QTEST_MAIN(TestRendering)
#include "test_rendering.moc"
