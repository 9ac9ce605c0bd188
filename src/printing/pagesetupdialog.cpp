#include "printing/pagesetupdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

namespace printing {

PageSetupDialog::PageSetupDialog(const ReportPage& page, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("pageSetup"));
    setWindowTitle(QStringLiteral("页面设置"));
    auto* form = new QFormLayout(this);
    m_width = spin(QStringLiteral("paperWidth"), page.paperWidthMm, 10);
    m_height = spin(QStringLiteral("paperHeight"), page.paperHeightMm, 10);
    m_orientation = new QComboBox(this);
    m_orientation->setObjectName(QStringLiteral("orientation"));
    m_orientation->addItems({QStringLiteral("纵向"), QStringLiteral("横向")});
    m_orientation->setCurrentIndex(page.landscape ? 1 : 0);
    m_left = spin(QStringLiteral("marginLeft"), page.marginLeftMm, 0);
    m_top = spin(QStringLiteral("marginTop"), page.marginTopMm, 0);
    m_right = spin(QStringLiteral("marginRight"), page.marginRightMm, 0);
    m_bottom = spin(QStringLiteral("marginBottom"), page.marginBottomMm, 0);
    form->addRow(QStringLiteral("纸张宽度 (mm)"), m_width);
    form->addRow(QStringLiteral("纸张高度 (mm)"), m_height);
    form->addRow(QStringLiteral("方向"), m_orientation);
    form->addRow(QStringLiteral("左边距 (mm)"), m_left);
    form->addRow(QStringLiteral("上边距 (mm)"), m_top);
    form->addRow(QStringLiteral("右边距 (mm)"), m_right);
    form->addRow(QStringLiteral("下边距 (mm)"), m_bottom);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QDoubleSpinBox* PageSetupDialog::spin(const QString& name, double value, double minimum) {
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(name);
    box->setDecimals(2);
    box->setRange(minimum, 2000);
    box->setValue(value);
    return box;
}

ReportPage PageSetupDialog::result(const ReportPage& page) const {
    ReportPage changed = page;
    auto update = [](double& field, const QDoubleSpinBox* box) {
        // A value left as shown keeps its full precision.
        if (qAbs(box->value() - field) >= 0.005)
            field = box->value();
    };
    update(changed.paperWidthMm, m_width);
    update(changed.paperHeightMm, m_height);
    changed.landscape = m_orientation->currentIndex() == 1;
    update(changed.marginLeftMm, m_left);
    update(changed.marginTopMm, m_top);
    update(changed.marginRightMm, m_right);
    update(changed.marginBottomMm, m_bottom);
    if (changed.paperWidthMm != page.paperWidthMm || changed.paperHeightMm != page.paperHeightMm)
        changed.paperCode = 256;
    return changed;
}

} // namespace printing
