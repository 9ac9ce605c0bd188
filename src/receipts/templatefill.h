#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace printing {
class ReportComponent;
}

namespace receipts {

// One object of a template and the text it receives.
using Fill = std::pair<QString, QString>;

// Loads a receipt template and checks that it holds every object the fill needs. Returns the
// empty text when it does, otherwise the message to show: the file missing or unreadable, or
// the objects it lacks ("打印模板 zy.fr3 缺少对象：edtzyts").
QString loadTemplateForFill(printing::ReportComponent& report, const QString& fileName,
                            const QStringList& objectNames);

// The same, showing the message; false when the template cannot be filled.
bool prepareTemplate(printing::ReportComponent& report, const QString& fileName,
                     const QStringList& objectNames);

// Replaces the whole text of each named object, in order.
void fillTemplate(printing::ReportComponent& report, const std::vector<Fill>& fills);

} // namespace receipts
