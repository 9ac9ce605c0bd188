#pragma once

#include "printing/reportcomponent.h"
#include "receipts/receiptdesk.h"
#include "store/runsql.h"
#include "store/storelocation.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QTabWidget;
class QTimer;

namespace store {
class ReceiptConnection;
class StoreQuery;
} // namespace store

namespace receipts {
class OutpatientPage;
class InpatientPage;
} // namespace receipts

namespace records {
class SearchPage;
class SettingsPage;
} // namespace records

namespace amounts {
class AmountKeyFilter;
}

namespace app {

class EnterMovesFocus;
class Page;

// The main window, frmMain: the five pages, the status-bar clock, the connection to the
// receipt store with its queries, and the operations the pages share.
class TfrmMain : public QMainWindow, public receipts::ReceiptDesk {
    Q_OBJECT
public:
    explicit TfrmMain(const store::StoreLocation& storeLocation, QWidget* parent = nullptr);
    ~TfrmMain() override;

    static const QString caption;

    // Runs one statement on `query` (qry_Tmp when none is given): rows affected by a command,
    // rows fetched by a query, store::StatementFailed on any failure, silently.
    store::StatementResult RunSql(const QString& statement, bool execute, store::StoreQuery* query);
    store::StatementResult RunSql(const QString& statement, bool execute) override {
        return RunSql(statement, execute, nullptr);
    }

    // The next receipt number of a kind as ten-digit text; "自动编号失败" and the empty text
    // when it cannot be read.
    QString GetNextNumber(int kind) override;

    // Records a used receipt number as the counter of the kind of the page shown (outpatient
    // while ts1 is shown, inpatient otherwise). A text that is no 32-bit whole number throws
    // the integer conversion error before any statement runs.
    void SaveNumber(const QString& numberText) override;

    printing::ReportComponent& frxReport1() override { return m_frxReport1; }

    // "下一张": every single-line field of the window back to its start (names and filters
    // empty, amounts "0.00"), both totals cleared, then both receipt numbers fetched anew.
    void ResetForNextReceipt();

    // "报表设计（门诊）" and "报表设计（住院）" (btnReportClick, btnReportZYClick): the template
    // loaded by its bare name from the working directory, opened in the designer.
    void designTemplate(const QString& fileName);

    store::ReceiptConnection& connection() const { return *m_con1; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildPages();
    void buildStatusBar();
    void openStore();
    void installTemplatesForNewStore();
    void wireEnterKey();
    void wireAmountFields();

    void FormShow();
    void tmr1Timer();
    void ts1Show();
    void ts2Show();

    QTabWidget* m_pgc1 = nullptr;
    receipts::OutpatientPage* m_ts1 = nullptr;
    receipts::InpatientPage* m_ts2 = nullptr;
    records::SearchPage* m_ts3 = nullptr;
    records::SearchPage* m_ts4 = nullptr;
    records::SettingsPage* m_ts5 = nullptr;
    QLabel* m_clockPanel = nullptr;
    QTimer* m_tmr1 = nullptr;
    EnterMovesFocus* m_edtnameKeyPress = nullptr;
    amounts::AmountKeyFilter* m_edtzyfKeyPress = nullptr;
    printing::ReportComponent m_frxReport1;

    std::unique_ptr<store::ReceiptConnection> m_con1;
    store::StoreQuery* m_qry_Tmp = nullptr;
    store::StoreQuery* m_adomz = nullptr;
    store::StoreQuery* m_adozy = nullptr;

    bool m_formShown = false;
};

} // namespace app
