#pragma once

#include "printing/reportmodel.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;

namespace printing {

// Paper size, orientation and margins of a report page, in millimetres.
class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit PageSetupDialog(const ReportPage& page, QWidget* parent = nullptr);

    // The page with the settings chosen; its objects are untouched.
    ReportPage result(const ReportPage& page) const;

private:
    QDoubleSpinBox* spin(const QString& name, double value, double minimum);

    QDoubleSpinBox* m_width;
    QDoubleSpinBox* m_height;
    QComboBox* m_orientation;
    QDoubleSpinBox* m_left;
    QDoubleSpinBox* m_top;
    QDoubleSpinBox* m_right;
    QDoubleSpinBox* m_bottom;
};

} // namespace printing
