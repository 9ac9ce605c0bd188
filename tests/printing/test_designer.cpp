#include "modalanswerer.h"
#include "printing/designcanvas.h"
#include "printing/designdocument.h"
#include "printing/designedits.h"
#include "printing/reportcomponent.h"
#include "printing/templatedesigner.h"
#include "printing/templatefile.h"
#include "rawstore.h"
#include "receiptfixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace printing;

namespace {

Report oneObject() {
    Report report = Report::blank();
    TextObject o;
    o.name = "edtno";
    o.left = 40;
    o.top = 30;
    o.width = 100;
    o.height = 20;
    o.text = "NO";
    report.pages.front().objects.push_back(o);
    return report;
}

QPoint onCanvas(DesignCanvas& canvas, double x, double y) {
    return canvas.toWidget({x, y}).toPoint();
}

void drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

// Runs `inside` once the designer window is up, then lets it close.
void whileDesignerOpen(const std::function<void(TemplateDesigner&)>& inside) {
    QTimer::singleShot(0, [inside] {
        QTRY_VERIFY(qobject_cast<TemplateDesigner*>(QApplication::activeModalWidget()));
        auto* designer = qobject_cast<TemplateDesigner*>(QApplication::activeModalWidget());
        inside(*designer);
        designer->reject();
    });
}

} // namespace

class TestDesigner : public QObject {
    Q_OBJECT
private slots:
    void dragMovesByTheDraggedDistance();
    void handlesResizeAndClickSelects();
    void arrowKeysMoveOneStep();
    void doubleClickEditsTextInPlace();
    void duplicateNameIsRefused();
    void saveWritesTheFileAndClosingAsks();
    void closingWithChangesCanBeCancelled();
    void missingNamesAreShown();
    void settingsButtonsOpenTheRightFile();
    void missingTemplateOpensBlankAndSavesUnderChosenName();
    void savedLayoutReachesTheNextPrint();
    void previewShowsSampleValues();
    void secondOpenDoesNothing();
};

void TestDesigner::dragMovesByTheDraggedDistance() {
    TemplateDesigner designer(oneObject(), QString(), {});
    designer.show();
    DesignCanvas& canvas = designer.canvas();
    canvas.setSnapToGrid(false);
    drag(&canvas, onCanvas(canvas, 50, 40), onCanvas(canvas, 80, 55));
    const TextObject& o = designer.document().page().objects.front();
    QCOMPARE(o.left, 70.0);
    QCOMPARE(o.top, 45.0);
    QVERIFY(designer.document().isModified());
    QVERIFY(designer.windowTitle().endsWith("*"));

    // With the grid on, the place lands on a millimetre.
    canvas.setSnapToGrid(true);
    drag(&canvas, onCanvas(canvas, 75, 50), onCanvas(canvas, 95, 60));
    const double mm = o.left / unitsPerMm;
    QVERIFY(qAbs(mm - qRound(mm)) < 1e-9);
    designer.document().undoStack().undo();
    designer.document().undoStack().undo();
    QCOMPARE(designer.document().page().objects.front().left, 40.0);
    designer.document().markSaved();
}

void TestDesigner::handlesResizeAndClickSelects() {
    Report report = oneObject();
    TextObject second = report.pages.front().objects.front();
    second.name = "Memo1";
    second.top = 100;
    report.pages.front().objects.push_back(second);
    TemplateDesigner designer(report, QString(), {});
    designer.show();
    DesignCanvas& canvas = designer.canvas();
    canvas.setSnapToGrid(false);
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, onCanvas(canvas, 60, 40));
    QCOMPARE(designer.document().selection(), std::vector<int>{0});
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::ShiftModifier, onCanvas(canvas, 60, 110));
    QCOMPARE(designer.document().selection(), std::vector<int>({0, 1}));
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, onCanvas(canvas, 300, 300));
    QVERIFY(designer.document().selection().empty());
    // A rubber band over both.
    drag(&canvas, onCanvas(canvas, 30, 20), onCanvas(canvas, 200, 130));
    QCOMPARE(designer.document().selection().size(), std::size_t(2));

    // The bottom-right handle of the first object, dragged by (20, 10).
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, onCanvas(canvas, 60, 40));
    drag(&canvas, onCanvas(canvas, 140, 50), onCanvas(canvas, 160, 60));
    const TextObject& o = designer.document().page().objects.front();
    QCOMPARE(o.width, 120.0);
    QCOMPARE(o.height, 30.0);
    QCOMPARE(o.left, 40.0);
    designer.document().markSaved();
}

void TestDesigner::arrowKeysMoveOneStep() {
    TemplateDesigner designer(oneObject(), QString(), {});
    designer.show();
    DesignCanvas& canvas = designer.canvas();
    designer.document().select({0});
    canvas.setFocus();
    QTest::keyClick(&canvas, Qt::Key_Right);
    QCOMPARE(designer.document().page().objects.front().left, 40 + unitsPerMm);
    QTest::keyClick(&canvas, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(designer.document().page().objects.front().top, 29.0);
    QTest::keyClick(&canvas, Qt::Key_Delete);
    QVERIFY(designer.document().page().objects.empty());
    designer.document().markSaved();
}

void TestDesigner::doubleClickEditsTextInPlace() {
    TemplateDesigner designer(oneObject(), QString(), {});
    designer.show();
    DesignCanvas& canvas = designer.canvas();
    QTest::mouseDClick(&canvas, Qt::LeftButton, {}, onCanvas(canvas, 60, 40));
    auto* editor = canvas.findChild<QPlainTextEdit*>("inPlaceEditor");
    QVERIFY(editor && editor->isVisible());
    editor->setPlainText(QStringLiteral("收据号"));
    QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(designer.document().page().objects.front().text, QStringLiteral("收据号"));
    designer.document().undoStack().undo();
    QCOMPARE(designer.document().page().objects.front().text, QStringLiteral("NO"));
}

void TestDesigner::duplicateNameIsRefused() {
    Report report = oneObject();
    TextObject other = report.pages.front().objects.front();
    other.name = "Memo1";
    report.pages.front().objects.push_back(other);
    TemplateDesigner designer(report, QString(), {});
    designer.show();
    ModalAnswerer answerer;
    designer.document().select({1});
    auto* name = designer.findChild<QLineEdit*>("propName");
    name->setText("EDTNO");
    emit name->editingFinished();
    QCOMPARE(answerer.texts(), QStringList{"名称 EDTNO 已被另一个对象使用"});
    QCOMPARE(designer.document().page().objects[1].name, QStringLiteral("Memo1"));
    QCOMPARE(name->text(), QStringLiteral("Memo1"));
    name->setText("edtzyts");
    emit name->editingFinished();
    QCOMPARE(designer.document().page().objects[1].name, QStringLiteral("edtzyts"));
    designer.document().markSaved();
}

void TestDesigner::saveWritesTheFileAndClosingAsks() {
    QTemporaryDir dir;
    const QString path = dir.filePath("mz.fr3");
    writeTemplateFile(oneObject(), path);
    TemplateDesigner designer(readTemplateFile(path), path, {});
    designer.show();
    designer.document().select({0});
    designer.document().change(
        "move", [](ReportPage& p, std::vector<int>& s) { edits::move(p, s, 10, 0); });
    designer.findChild<QAction*>("actSave")->trigger();
    QCOMPARE(readTemplateFile(path).pages.front().objects.front().left, 50.0);
    QVERIFY(!designer.windowTitle().endsWith("*"));

    // Unsaved changes: closing asks; Yes saves them.
    designer.document().change("move",
                               [](ReportPage& p, std::vector<int>& s) { edits::move(p, s, 5, 0); });
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Yes);
    designer.reject();
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().first().buttons,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QVERIFY(!designer.isVisible());
    QCOMPARE(readTemplateFile(path).pages.front().objects.front().left, 55.0);
}

void TestDesigner::closingWithChangesCanBeCancelled() {
    QTemporaryDir dir;
    const QString path = dir.filePath("zy.fr3");
    writeTemplateFile(oneObject(), path);
    TemplateDesigner designer(readTemplateFile(path), path, {});
    designer.show();
    designer.document().select({0});
    designer.document().change(
        "move", [](ReportPage& p, std::vector<int>& s) { edits::move(p, s, 10, 0); });
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Cancel);
    designer.reject();
    QVERIFY(designer.isVisible());
    answerer.answer(QMessageBox::No);
    designer.reject();
    QVERIFY(!designer.isVisible());
    QCOMPARE(readTemplateFile(path).pages.front().objects.front().left, 40.0);
}

void TestDesigner::missingNamesAreShown() {
    TemplateDesigner designer(oneObject(), "mz.fr3", filledNamesFor("mz.fr3"));
    auto* missing = designer.findChild<QLabel*>("missingNames");
    QVERIFY(missing->text().contains("edtname"));
    QVERIFY(!missing->text().contains("edtno、"));
    designer.document().select({0});
    designer.document().change(
        "rename", [](ReportPage& p, std::vector<int>&) { p.objects.front().name = "x"; });
    QVERIFY(missing->text().contains("edtno"));
    designer.document().markSaved();
}

void TestDesigner::settingsButtonsOpenTheRightFile() {
    ReceiptFixture f;
    f.choosePage(4);
    for (const char* button : {"btnReport", "btnReportZY"}) {
        QString title;
        int objects = 0;
        whileDesignerOpen([&](TemplateDesigner& designer) {
            title = designer.windowTitle();
            objects = int(designer.document().page().objects.size());
            QVERIFY(designer.findChild<QLabel*>("missingNames")->text().contains("齐全"));
        });
        f.click(button);
        QCOMPARE(title, QString(QByteArray(button) == "btnReport" ? "报表设计 - mz.fr3"
                                                                  : "报表设计 - zy.fr3"));
        QCOMPARE(objects, QByteArray(button) == "btnReport" ? 31 : 71);
    }
}

void TestDesigner::missingTemplateOpensBlankAndSavesUnderChosenName() {
    ReceiptFixture f;
    QFile::remove(f.path("mz.fr3"));
    f.choosePage(4);
    const QString chosen = f.path("mine");
    ReportPage blankPage;
    whileDesignerOpen([&](TemplateDesigner& designer) {
        blankPage = designer.document().page();
        QVERIFY(designer.document().fileName().isEmpty());
        designer.findChild<QAction*>("actAddText")->trigger();
        QTimer::singleShot(0, [chosen] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog->nameFilters().join(" ").contains("*.fr3"));
            dialog->selectFile(chosen);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        designer.findChild<QAction*>("actSave")->trigger();
    });
    f.click("btnReport");
    QCOMPARE(blankPage.paperWidthMm, 210.0);
    QCOMPARE(blankPage.paperHeightMm, 297.0);
    QVERIFY(!blankPage.landscape);
    QCOMPARE(blankPage.marginLeftMm, 10.0);
    QVERIFY(blankPage.objects.empty());
    QCOMPARE(readTemplateFile(chosen + ".fr3").pages.front().objects.front().fontFamily,
             QStringLiteral("Arial"));
    QVERIFY(!QFile::exists(f.path("mz.fr3")));
}

void TestDesigner::savedLayoutReachesTheNextPrint() {
    ReceiptFixture f;
    f.choosePage(4);
    whileDesignerOpen([&](TemplateDesigner& designer) {
        DesignDocument& document = designer.document();
        int memo = -1;
        for (int i = 0; i < int(document.page().objects.size()); ++i)
            if (document.page().objects[std::size_t(i)].text == QStringLiteral("门诊医药费收据"))
                memo = i;
        document.select({memo});
        document.change("caption", [&](ReportPage& p, std::vector<int>&) {
            p.objects[std::size_t(memo)].text = QStringLiteral("门诊收费收据");
            edits::move(p, {memo}, 0, 10);
        });
        designer.save();
    });
    f.click("btnReport");
    f.choosePage(0);
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrint");
    QCOMPARE(f.answerer->previewText("Memo1"), QStringLiteral("门诊收费收据"));
}

void TestDesigner::previewShowsSampleValues() {
    Report report = readTemplateFile(QStringLiteral(CASHIER_SOURCE_DIR "/templates/zy.fr3"));
    TemplateDesigner designer(report, "zy.fr3", filledNamesFor("zy.fr3"));
    ModalAnswerer answerer;
    designer.findChild<QAction*>("actPreview")->trigger();
    QCOMPARE(answerer.previews().size(), 1);
    QCOMPARE(answerer.previewText("edtzyno"), QStringLiteral("0000000001"));
    QCOMPARE(answerer.previewText("cwf"), QStringLiteral("12.50"));
    QCOMPARE(answerer.previewText("Memo11"), QStringLiteral("住院日期"));
    // The designed texts stay as they were.
    QCOMPARE(designer.document().report().findObject("edtzyno")->text, QStringLiteral("NO"));
}

void TestDesigner::secondOpenDoesNothing() {
    ReportComponent component;
    bool returnedAtOnce = false;
    whileDesignerOpen([&](TemplateDesigner&) {
        ReportComponent other;
        other.DesignReport({}); // would block here if it opened a second designer
        returnedAtOnce = true;
    });
    component.DesignReport({});
    QVERIFY(returnedAtOnce);
}

QTEST_MAIN(TestDesigner)
#include "test_designer.moc"
