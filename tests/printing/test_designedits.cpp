#include "printing/designdocument.h"
#include "printing/designedits.h"

#include <QTest>
#include <functional>

using namespace printing;

namespace {

Report threeObjects() {
    Report report = Report::blank();
    auto add = [&](const char* name, double l, double t, double w, double h) {
        TextObject o;
        o.name = name;
        o.left = l;
        o.top = t;
        o.width = w;
        o.height = h;
        report.pages.front().objects.push_back(o);
    };
    add("edtno", 0, 0, 10, 10);
    add("Memo1", 20, 5, 30, 12);
    add("Memo2", 50, 50, 5, 5);
    return report;
}

// Every object as "name left top width height".
QStringList layout(const Report& report) {
    QStringList lines;
    for (const TextObject& o : report.pages.front().objects)
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(o.name)
                     .arg(o.left)
                     .arg(o.top)
                     .arg(o.width)
                     .arg(o.height);
    return lines;
}

using Edit = std::function<void(ReportPage&, std::vector<int>&, const Report&)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestDesignEdits : public QObject {
    Q_OBJECT
private slots:
    void editsUndoAndRedo_data();
    void editsUndoAndRedo();
    void unchangedEditRecordsNothing();
    void namesStayUnique_data();
    void namesStayUnique();
    void missingNamesOfAKind();
};

void TestDesignEdits::editsUndoAndRedo_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("move two") << Edit([](ReportPage& p, std::vector<int>& s, const Report&) {
        s = {0, 1};
        edits::move(p, s, 7, 3);
    }) << QStringList{"edtno 7 3 10 10", "Memo1 27 8 30 12", "Memo2 50 50 5 5"};
    QTest::newRow("move snapped, never off the area")
        << Edit([](ReportPage& p, std::vector<int>&, const Report&) {
               edits::move(p, {1, 2}, -30, 2.2, 5);
           })
        << QStringList{"edtno 0 0 10 10", "Memo1 0 5 30 12", "Memo2 20 50 5 5"};
    QTest::newRow("resize keeps a unit")
        << Edit([](ReportPage& p, std::vector<int>&, const Report&) {
               edits::setGeometry(p, 2, 40, 45, 0, -3);
           })
        << QStringList{"edtno 0 0 10 10", "Memo1 20 5 30 12", "Memo2 40 45 1 1"};
    QTest::newRow("add text takes a free name")
        << Edit([](ReportPage& p, std::vector<int>&, const Report& r) {
               edits::addText(p, r, 4, 6);
           })
        << QStringList{"edtno 0 0 10 10", "Memo1 20 5 30 12", "Memo2 50 50 5 5",
                       "Memo3 4 6 94.4882 18.8976"};
    QTest::newRow("delete") << Edit([](ReportPage& p, std::vector<int>&, const Report&) {
        edits::remove(p, {2, 0});
    }) << QStringList{"Memo1 20 5 30 12"};
    QTest::newRow("duplicate") << Edit([](ReportPage& p, std::vector<int>&, const Report& r) {
        edits::duplicate(p, r, {0, 1}, 8);
    })
                               << QStringList{"edtno 0 0 10 10", "Memo1 20 5 30 12",
                                              "Memo2 50 50 5 5", "Memo3 8 8 10 10",
                                              "Memo4 28 13 30 12"};
    QTest::newRow("align left") << Edit([](ReportPage& p, std::vector<int>&, const Report&) {
        edits::align(p, {1, 0, 2}, edits::Edge::Left);
    }) << QStringList{"edtno 20 0 10 10", "Memo1 20 5 30 12", "Memo2 20 50 5 5"};
    QTest::newRow("align right") << Edit([](ReportPage& p, std::vector<int>&, const Report&) {
        edits::align(p, {1, 2}, edits::Edge::Right);
    }) << QStringList{"edtno 0 0 10 10", "Memo1 20 5 30 12", "Memo2 45 50 5 5"};
    QTest::newRow("align top") << Edit([](ReportPage& p, std::vector<int>&, const Report&) {
        edits::align(p, {1, 2}, edits::Edge::Top);
    }) << QStringList{"edtno 0 0 10 10", "Memo1 20 5 30 12", "Memo2 50 5 5 5"};
    QTest::newRow("align bottom") << Edit([](ReportPage& p, std::vector<int>&, const Report&) {
        edits::align(p, {1, 0}, edits::Edge::Bottom);
    }) << QStringList{"edtno 0 7 10 10", "Memo1 20 5 30 12", "Memo2 50 50 5 5"};
    QTest::newRow("same size") << Edit([](ReportPage& p, std::vector<int>&, const Report&) {
        edits::sameSize(p, {2, 1});
    }) << QStringList{"edtno 0 0 10 10", "Memo1 20 5 5 5", "Memo2 50 50 5 5"};
}

void TestDesignEdits::editsUndoAndRedo() {
    QFETCH(Edit, edit);
    QFETCH(QStringList, after);
    DesignDocument document(threeObjects(), "t.fr3");
    const QStringList before = layout(document.report());
    QVERIFY(!document.isModified());
    document.change("edit", [&](ReportPage& page, std::vector<int>& selection) {
        edit(page, selection, document.report());
    });
    QCOMPARE(layout(document.report()), after);
    QVERIFY(document.isModified());
    document.undoStack().undo();
    QCOMPARE(layout(document.report()), before);
    QVERIFY(!document.isModified());
    document.undoStack().redo();
    QCOMPARE(layout(document.report()), after);
    document.markSaved();
    QVERIFY(!document.isModified());
}

void TestDesignEdits::unchangedEditRecordsNothing() {
    DesignDocument document(threeObjects(), "t.fr3");
    document.change("nothing",
                    [](ReportPage& page, std::vector<int>&) { edits::move(page, {0}, 0, 0); });
    QCOMPARE(document.undoStack().count(), 0);
    QVERIFY(!document.isModified());
}

void TestDesignEdits::namesStayUnique_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("free");
    QTest::newRow("its own name") << "Memo1" << true;
    QTest::newRow("a new name") << "edtzyts" << true;
    QTest::newRow("another's name") << "Memo2" << false;
    QTest::newRow("another's name in capitals") << "EDTNO" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks") << "  " << false;
}

void TestDesignEdits::namesStayUnique() {
    QFETCH(QString, name);
    QFETCH(bool, free);
    const Report report = threeObjects();
    QCOMPARE(edits::nameIsFree(report, &report.pages.front().objects[1], name), free);
}

void TestDesignEdits::missingNamesOfAKind() {
    Report report = threeObjects();
    const QStringList outpatient = filledNamesFor("mz.fr3");
    QCOMPARE(outpatient.size(), 12);
    QCOMPARE(filledNamesFor("zy.fr3").size(), 29);
    QVERIFY(filledNamesFor("other.fr3").isEmpty());
    QStringList expected = outpatient;
    expected.removeOne("edtno");
    QCOMPARE(edits::missingNames(report, outpatient), expected);
    report.pages.front().objects[0].name = "EDTNO";
    QCOMPARE(edits::missingNames(report, outpatient), expected);
}

QTEST_GUILESS_MAIN(TestDesignEdits)
#include "test_designedits.moc"
