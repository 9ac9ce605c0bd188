#include "amounts/qt_amountkeyfilter.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using amounts::AmountKeyFilter;

namespace {

// Types each character as a key press carrying it, as a keyboard layout would; characters
// beyond ASCII arrive with no key code of their own.
void typeText(QWidget* field, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &release);
    }
}

} // namespace

// The filter on real line edits: an amount field between two others.
class TestAmountKeyFilter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void typedCharacters_data();
    void typedCharacters();
    void ctrlCombinationsDoNothing_data();
    void ctrlCombinationsDoNothing();
    void editingKeysKeepWorking();
    void shiftInsertPastesUnfiltered();
    void enterMovesFocusOn();
    void inputMethodCannotCommitOtherText();

private:
    QWidget* m_window = nullptr;
    QLineEdit* m_before = nullptr;
    QLineEdit* m_field = nullptr;
    QLineEdit* m_after = nullptr;
    AmountKeyFilter* m_filter = nullptr;
};

void TestAmountKeyFilter::init() {
    m_window = new QWidget;
    m_before = new QLineEdit(m_window);
    m_field = new QLineEdit(m_window);
    m_after = new QLineEdit(m_window);
    m_before->move(0, 0);
    m_field->move(0, 40);
    m_after->move(0, 80);
    m_filter = new AmountKeyFilter(m_window);
    m_filter->watch(m_field);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_field->setFocus();
}

void TestAmountKeyFilter::cleanup() {
    delete m_window;
}

void TestAmountKeyFilter::typedCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("digits and point") << "12.50"
                                      << "12.50";
    QTest::newRow("minus") << "-5"
                           << "5";
    QTest::newRow("plus and exponent") << "+1e5"
                                       << "15";
    QTest::newRow("comma") << "12,5"
                           << "125";
    QTest::newRow("blanks") << " 1 2 "
                            << "12";
    QTest::newRow("letters") << "abcXYZ7"
                             << "7";
    QTest::newRow("full-width digits") << "１２3"
                                       << "3";
    QTest::newRow("chinese") << "元3角"
                             << "3";
    QTest::newRow("symbols") << "$%&*()/=9"
                             << "9";
}

void TestAmountKeyFilter::typedCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    typeText(m_field, typed);
    QCOMPARE(m_field->text(), kept);
}

void TestAmountKeyFilter::ctrlCombinationsDoNothing_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Ctrl+V") << int(Qt::Key_V);
    QTest::newRow("Ctrl+X") << int(Qt::Key_X);
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C);
    QTest::newRow("Ctrl+A") << int(Qt::Key_A);
}

void TestAmountKeyFilter::ctrlCombinationsDoNothing() {
    QFETCH(int, key);
    QApplication::clipboard()->setText("999");
    QTest::keyClicks(m_field, "12.5");
    m_field->setSelection(0, 2);
    QTest::keyClick(m_field, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(m_field->text(), QStringLiteral("12.5"));
    QCOMPARE(m_field->selectedText(), QStringLiteral("12"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("999"));
}

void TestAmountKeyFilter::editingKeysKeepWorking() {
    QTest::keyClicks(m_field, "123.45");
    QTest::keyClick(m_field, Qt::Key_Backspace);
    QCOMPARE(m_field->text(), QStringLiteral("123.4"));
    QTest::keyClick(m_field, Qt::Key_Home);
    QTest::keyClick(m_field, Qt::Key_Delete);
    QCOMPARE(m_field->text(), QStringLiteral("23.4"));
    QTest::keyClick(m_field, Qt::Key_Right);
    QTest::keyClicks(m_field, "9");
    QCOMPARE(m_field->text(), QStringLiteral("293.4"));
    QTest::keyClick(m_field, Qt::Key_End);
    QTest::keyClick(m_field, Qt::Key_Left);
    QTest::keyClick(m_field, Qt::Key_Backspace);
    QCOMPARE(m_field->text(), QStringLiteral("2934"));
    QTest::keyClick(m_field, Qt::Key_Escape);
    QCOMPARE(m_field->text(), QStringLiteral("2934"));
    QTest::keyClick(m_field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_after);
}

void TestAmountKeyFilter::shiftInsertPastesUnfiltered() {
    QApplication::clipboard()->setText("-1e2");
    QTest::keyClick(m_field, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(m_field->text(), QStringLiteral("-1e2"));
}

void TestAmountKeyFilter::enterMovesFocusOn() {
    QTest::keyClicks(m_field, "8");
    QTest::keyClick(m_field, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), m_after);
    QCOMPARE(m_field->text(), QStringLiteral("8"));
    m_field->setFocus();
    QTest::keyClick(m_field, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), m_after);
}

void TestAmountKeyFilter::inputMethodCannotCommitOtherText() {
    QVERIFY(!m_field->testAttribute(Qt::WA_InputMethodEnabled));
    QInputMethodEvent chinese;
    chinese.setCommitString(QStringLiteral("十二"));
    QCoreApplication::sendEvent(m_field, &chinese);
    QInputMethodEvent fullWidth;
    fullWidth.setCommitString(QStringLiteral("１２"));
    QCoreApplication::sendEvent(m_field, &fullWidth);
    QCOMPARE(m_field->text(), QString());
    QInputMethodEvent digits;
    digits.setCommitString(QStringLiteral("12.5"));
    QCoreApplication::sendEvent(m_field, &digits);
    QCOMPARE(m_field->text(), QStringLiteral("12.5"));
}

QTEST_MAIN(TestAmountKeyFilter)
#include "test_amountkeyfilter.moc"
