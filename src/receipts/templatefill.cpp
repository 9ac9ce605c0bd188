#include "receipts/templatefill.h"

#include "app/dialogs.h"
#include "printing/reportcomponent.h"
#include "printing/templatefile.h"

namespace receipts {

QString loadTemplateForFill(printing::ReportComponent& report, const QString& fileName,
                            const QStringList& objectNames) {
    try {
        if (!report.LoadFromFile(fileName))
            return QStringLiteral("找不到打印模板 %1").arg(fileName);
    } catch (const printing::TemplateError& error) {
        return QStringLiteral("打印模板无法读取：%1").arg(QString::fromUtf8(error.what()));
    }
    QStringList missing;
    for (const QString& name : objectNames)
        if (!report.FindObject(name))
            missing << name;
    if (!missing.isEmpty())
        return QStringLiteral("打印模板 %1 缺少对象：%2")
            .arg(fileName, missing.join(QStringLiteral("、")));
    return {};
}

bool prepareTemplate(printing::ReportComponent& report, const QString& fileName,
                     const QStringList& objectNames) {
    const QString problem = loadTemplateForFill(report, fileName, objectNames);
    if (!problem.isEmpty())
        app::showMessage(problem);
    return problem.isEmpty();
}

void fillTemplate(printing::ReportComponent& report, const std::vector<Fill>& fills) {
    for (const auto& [name, text] : fills)
        if (printing::TextObject* object = report.FindObject(name))
            object->text = text;
}

} // namespace receipts
