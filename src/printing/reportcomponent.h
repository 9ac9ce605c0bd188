#pragma once

#include "printing/reportmodel.h"

#include <QString>
#include <QStringList>

namespace printing {

// The report component (frxReport1): holds at most one loaded template, lets the program
// fill its named text objects and shows the filled report in the preview.
class ReportComponent {
public:
    // Empties the component, then reads the named file if it exists and remembers its name.
    // A missing file leaves an empty report without a message and returns false. A file that
    // exists but cannot be read throws TemplateError and leaves the component empty.
    bool LoadFromFile(const QString& fileName);

    // The first text object over all pages whose name matches regardless of the case of
    // Latin letters, or null.
    TextObject* FindObject(const QString& name) { return m_report.findObject(name); }

    // Prepares the report as filled and shows it in the modal preview; returns when the
    // preview is closed.
    void ShowReport();

    // Opens the designer on the loaded report (a blank one when nothing was loaded) as a
    // modal window of its own; returns when it is closed. `filledNames` are the objects the
    // program fills in this kind of template. Does nothing while a designer is open.
    void DesignReport(const QStringList& filledNames);

    const Report& report() const { return m_report; }
    Report& report() { return m_report; }
    const QString& fileName() const { return m_fileName; }

private:
    Report m_report;
    QString m_fileName;
};

} // namespace printing
