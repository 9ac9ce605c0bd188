#include "app/appstyle.h"
#include "app/dialogs.h"
#include "app/guard.h"
#include "modalanswerer.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>
#include <stdexcept>

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void fullStopRule_data();
    void fullStopRule();
    void titleIsExecutableName();
    void errorBoxLooksAsStandard();
    void guardShowsErrorAndKeepsWorkDone();
    void guardCatchesAnyThrow();
    void confirmationAnswers_data();
    void confirmationAnswers();
    void styleLookupIgnoresCase_data();
    void styleLookupIgnoresCase();
    void unknownStyleShowsCloseBox();
};

void TestDialogs::fullStopRule_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "abc"
                            << "abc.";
    QTest::newRow("digit") << "code 7"
                           << "code 7.";
    QTest::newRow("apostrophe after") << "'''' is not a valid integer value"
                                      << "'''' is not a valid integer value.";
    QTest::newRow("chinese") << "自动编号失败"
                             << "自动编号失败.";
    QTest::newRow("slash, just above") << "a/"
                                       << "a/.";
    QTest::newRow("full stop itself") << "done."
                                      << "done.";
    QTest::newRow("hyphen, just below") << "a-"
                                        << "a-";
    QTest::newRow("comma") << "a,"
                           << "a,";
    QTest::newRow("exclamation") << "stop!"
                                 << "stop!";
    QTest::newRow("closing quote, below") << "'x'"
                                          << "'x'";
    QTest::newRow("trailing blank") << "abc "
                                    << "abc ";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDialogs::fullStopRule() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(app::errorBoxText(message), shown);
}

void TestDialogs::titleIsExecutableName() {
    QCOMPARE(app::applicationTitle(),
             QFileInfo(QCoreApplication::applicationFilePath()).baseName());
    QCOMPARE(app::applicationTitle(), QStringLiteral("test_dialogs"));
}

void TestDialogs::errorBoxLooksAsStandard() {
    ModalAnswerer answerer;
    app::showStandardErrorBox(QStringLiteral("Disk full"));
    QCOMPARE(answerer.seen().size(), 1);
    const auto& box = answerer.seen().first();
    QCOMPARE(box.title, QStringLiteral("test_dialogs"));
    QCOMPARE(box.text, QStringLiteral("Disk full."));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestDialogs::guardShowsErrorAndKeepsWorkDone() {
    ModalAnswerer answerer;
    int done = 0;
    app::guarded([&] {
        done = 1;
        throw std::runtime_error("'x' is not a valid floating point value");
        done = 2;
    });
    QCOMPARE(done, 1);
    QCOMPARE(answerer.texts(), QStringList{"'x' is not a valid floating point value."});

    // The next handler runs as usual.
    app::guarded([&] { done = 3; });
    QCOMPARE(done, 3);
    QCOMPARE(answerer.seen().size(), 1);
}

void TestDialogs::guardCatchesAnyThrow() {
    ModalAnswerer answerer;
    app::guarded([] { throw 42; });
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().first().icon, QMessageBox::Critical);
}

void TestDialogs::confirmationAnswers_data() {
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("expected");
    QTest::newRow("yes") << int(QMessageBox::Yes) << int(QMessageBox::Yes);
    QTest::newRow("no") << int(QMessageBox::No) << int(QMessageBox::No);
    // Escape and the close button press the escape button.
    QTest::newRow("escape") << int(QMessageBox::Escape) << int(QMessageBox::No);
}

void TestDialogs::confirmationAnswers() {
    QFETCH(int, pressed);
    QFETCH(int, expected);
    ModalAnswerer* answerer = nullptr;
    if (pressed == QMessageBox::Escape) {
        QTimer::singleShot(
            50, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    } else {
        answerer = new ModalAnswerer(this);
        answerer->answer(QMessageBox::StandardButton(pressed));
    }
    const auto answer = app::askYesNo(QStringLiteral("确定要打印吗?"), QMessageBox::Yes);
    delete answerer;
    QCOMPARE(int(answer), expected);
}

void TestDialogs::styleLookupIgnoresCase_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("as named") << "Amethyst Kamri" << true;
    QTest::newRow("lower case") << "amethyst kamri" << true;
    QTest::newRow("upper case") << "AMETHYST KAMRI" << true;
    QTest::newRow("unknown") << "Emerald" << false;
    QTest::newRow("without blank") << "AmethystKamri" << false;
}

void TestDialogs::styleLookupIgnoresCase() {
    QFETCH(QString, name);
    QFETCH(bool, found);
    QCOMPARE(!app::styleResource(name).isEmpty(), found);
}

void TestDialogs::unknownStyleShowsCloseBox() {
    ModalAnswerer answerer;
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    QVERIFY(!app::applyStyle(*application, QStringLiteral("Emerald")));
    QCOMPARE(answerer.texts(), QStringList{"Style 'Emerald' not found"});
    QCOMPARE(answerer.seen().first().buttons, QMessageBox::StandardButtons(QMessageBox::Close));
    QVERIFY(application->styleSheet().isEmpty());

    QVERIFY(app::applyStyle(*application, QStringLiteral("amethyst kamri")));
    QVERIFY(application->styleSheet().contains("QTabBar::tab"));
    QCOMPARE(answerer.seen().size(), 1);
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
