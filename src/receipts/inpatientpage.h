#pragma once

#include "receipts/receiptpage.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {
class DatePicker;
}

namespace receipts {

class ReceiptDesk;

// ts2, the inpatient receipt "住院费用收据": number, inpatient number, name and work unit, the
// stay with its length, fourteen fees in four column pairs, the total in capitals and in
// figures, the settlement block with the refund, the stamp cell, settlement date and clerk.
class InpatientPage : public ReceiptPage {
    Q_OBJECT
public:
    explicit InpatientPage(ReceiptDesk& desk, QWidget* parent = nullptr);

    QLineEdit* EDtzyno() const { return m_EDtzyno; }
    QLineEdit* EDtzyts() const { return m_EDtzyts; }
    app::DatePicker* dtpzyrq() const { return m_dtpzyrq; }
    app::DatePicker* dtpcyrq() const { return m_dtpcyrq; }
    app::DatePicker* dtpjsrq() const { return m_dtpjsrq; }
    QLabel* pnlzyhj() const { return m_pnlzyhj; }
    QLabel* pnlzyhjdx() const { return m_pnlzyhjdx; }
    // The fourteen fee fields in the order the total reads them.
    const QList<QLineEdit*>& feeFields() const { return m_fees; }

    static const QString templateFile;
    static const QStringList templateObjects;

    void cwfChange();     // the total from the fourteen fees
    void yskChange();     // the refund from the advance and the amount due
    void dtpzyrqChange(); // the length of stay from the two hospital dates
    void btnPrintzyClick();

signals:
    void btnzynextClick();

private:
    QLineEdit* field(const char* name) const;

    ReceiptDesk& m_desk;
    QLineEdit* m_EDtzyno;
    QLineEdit* m_EDtzyts;
    app::DatePicker* m_dtpzyrq;
    app::DatePicker* m_dtpcyrq;
    app::DatePicker* m_dtpjsrq;
    QList<QLineEdit*> m_fees;
    QLineEdit* m_ysk;
    QLineEdit* m_yjk;
    QLineEdit* m_ytk;
    QLabel* m_pnlzyhj;
    QLabel* m_pnlzyhjdx;
};

} // namespace receipts
