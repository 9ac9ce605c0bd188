#pragma once

#include "app/page.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace receipts {

// A receipt page: one framed panel drawn as the paper receipt, 812 x 502 pixels, placed 12
// pixels from the left and 23 from the top at the designed page size of 837 x 548. When the
// page is resized the panel keeps its size and its centre keeps its proportional position,
// so it stays centred.
class ReceiptPage : public app::Page {
    Q_OBJECT
public:
    ReceiptPage(const QString& pageName, const QString& panelName, QWidget* parent = nullptr);

    QFrame* panel() const { return m_panel; }

    // The total of the fee fields in figures and in capitals. A sum beyond the money range
    // throws before either panel changes.
    static void showTotal(const QList<QLineEdit*>& fees, QLabel* figures, QLabel* capitals);

    static constexpr int designedPageWidth = 837;
    static constexpr int designedPageHeight = 548;
    static constexpr int panelLeft = 12;
    static constexpr int panelTop = 23;
    static constexpr int panelWidth = 812;
    static constexpr int panelHeight = 502;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QFrame* m_panel;
};

} // namespace receipts
