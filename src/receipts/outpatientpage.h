#pragma once

#include "receipts/receiptpage.h"

class QLineEdit;

namespace app {
class DatePicker;
}

namespace receipts {

// ts1, the outpatient receipt "门诊医药费收据".
class OutpatientPage : public ReceiptPage {
    Q_OBJECT
public:
    explicit OutpatientPage(QWidget* parent = nullptr);

    QLineEdit* edtname() const { return m_edtname; }
    app::DatePicker* dtp1() const { return m_dtp1; }
    QLineEdit* edtno() const { return m_edtno; }

private:
    QLineEdit* m_edtname;
    app::DatePicker* m_dtp1;
    QLineEdit* m_edtno;
};

} // namespace receipts
