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

// ts1, the outpatient receipt "门诊医药费收据": the name, date and number line, seven fees in
// two groups, the total in figures and in capitals, the stamp cell; "打印" stores and prints
// the receipt, "下一张" asks for the reset of both receipt pages.
class OutpatientPage : public ReceiptPage {
    Q_OBJECT
public:
    explicit OutpatientPage(ReceiptDesk& desk, QWidget* parent = nullptr);

    QLineEdit* edtname() const { return m_edtname; }
    app::DatePicker* dtp1() const { return m_dtp1; }
    QLineEdit* edtno() const { return m_edtno; }
    QLabel* pnlhj() const { return m_pnlhj; }
    QLabel* pnlhjdx() const { return m_pnlhjdx; }
    // The seven fee fields in the order the total reads them.
    const QList<QLineEdit*>& feeFields() const { return m_fees; }

    static const QString templateFile;
    static const QStringList templateObjects;

    // Recomputes the total in figures and capitals from the fee fields.
    void edtzyfChange();
    // Save and print: confirm, store the row in tmz, record and advance the number, fill
    // mz.fr3 and show the preview.
    void btnPrintClick();

signals:
    void btnzynextClick();

private:
    ReceiptDesk& m_desk;
    QLineEdit* m_edtname;
    app::DatePicker* m_dtp1;
    QLineEdit* m_edtno;
    QList<QLineEdit*> m_fees;
    QLabel* m_pnlhj;
    QLabel* m_pnlhjdx;
    QPushButton* m_btnPrint;
    QPushButton* m_btn1;
};

} // namespace receipts
