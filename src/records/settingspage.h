#pragma once

#include "app/page.h"

#include <functional>

class QPushButton;

namespace records {

// ts5, "系统设置": clearing all data, and the two buttons that open the template designer.
class SettingsPage : public app::Page {
    Q_OBJECT
public:
    using RunCommand = std::function<void(const QString& statement)>;

    explicit SettingsPage(RunCommand runCommand, QWidget* parent = nullptr);

    static const QString clearQuestion;
    // "清空数据": on Yes, every receipt goes and both counters are set to 1; the statements
    // run one after the other whatever each gives, and nothing is reported.
    void btndelClick();

    QPushButton* btnReport() const { return m_btnReport; }
    QPushButton* btnReportZY() const { return m_btnReportZY; }

private:
    RunCommand m_runCommand;
    QPushButton* m_btndel;
    QPushButton* m_btnReport;
    QPushButton* m_btnReportZY;
};

} // namespace records
