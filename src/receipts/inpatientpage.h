#pragma once

#include "receipts/receiptpage.h"

class QLineEdit;

namespace app {
class DatePicker;
}

namespace receipts {

// ts2, the inpatient receipt "住院费用收据".
class InpatientPage : public ReceiptPage {
    Q_OBJECT
public:
    explicit InpatientPage(QWidget* parent = nullptr);

    QLineEdit* EDtzyno() const { return m_EDtzyno; }
    app::DatePicker* dtpzyrq() const { return m_dtpzyrq; }
    app::DatePicker* dtpcyrq() const { return m_dtpcyrq; }
    app::DatePicker* dtpjsrq() const { return m_dtpjsrq; }

private:
    QLineEdit* m_EDtzyno;
    app::DatePicker* m_dtpzyrq;
    app::DatePicker* m_dtpcyrq;
    app::DatePicker* m_dtpjsrq;
};

} // namespace receipts
