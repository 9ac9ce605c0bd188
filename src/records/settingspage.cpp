#include "records/settingspage.h"

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/guard.h"

#include <QPushButton>

namespace records {

const QString SettingsPage::clearQuestion =
    QStringLiteral("数据清空后将无法找回,确定要清空所有数据吗?");

SettingsPage::SettingsPage(RunCommand runCommand, QWidget* parent)
    : app::Page(QStringLiteral("ts5"), parent), m_runCommand(std::move(runCommand)) {
    m_btndel = app::placeButton(this, QStringLiteral("btndel"), QStringLiteral("清空数据"), 22, 17,
                                155, 31);
    m_btnReport = app::placeButton(this, QStringLiteral("btnReport"),
                                   QStringLiteral("报表设计（门诊）"), 22, 65, 155, 31);
    m_btnReportZY = app::placeButton(this, QStringLiteral("btnReportZY"),
                                     QStringLiteral("报表设计（住院）"), 22, 113, 155, 31);
    setTabOrder(m_btndel, m_btnReport);
    setTabOrder(m_btnReport, m_btnReportZY);
    connect(m_btndel, &QPushButton::clicked, this, app::guard([this] { btndelClick(); }));
}

void SettingsPage::btndelClick() {
    if (app::askYesNo(clearQuestion, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    m_runCommand(QStringLiteral("delete from tmz"));
    m_runCommand(QStringLiteral("delete from tzy"));
    m_runCommand(QStringLiteral("update tnum set num=1"));
}

} // namespace records
