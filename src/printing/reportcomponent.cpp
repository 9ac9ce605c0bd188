#include "printing/reportcomponent.h"

#include "printing/reportpreview.h"
#include "printing/templatedesigner.h"
#include "printing/templatefile.h"

#include <QFileInfo>

namespace printing {

bool ReportComponent::LoadFromFile(const QString& fileName) {
    m_report = Report();
    m_fileName.clear();
    if (!QFileInfo(fileName).isFile())
        return false;
    m_report = readTemplateFile(fileName);
    m_fileName = fileName;
    return true;
}

void ReportComponent::DesignReport(const QStringList& filledNames) {
    static bool designerOpen = false;
    if (designerOpen)
        return;
    designerOpen = true;
    struct Reopen {
        ~Reopen() { designerOpen = false; }
    } reopen;
    TemplateDesigner designer(m_report.isEmpty() ? Report::blank() : m_report, m_fileName,
                              filledNames);
    designer.exec();
}

void ReportComponent::ShowReport() {
    ReportPreview preview(m_report);
    preview.exec();
}

} // namespace printing
