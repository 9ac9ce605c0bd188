#pragma once

#include <QByteArray>
#include <QDir>
#include <QStringList>

namespace printing {

// The two receipt templates built into the program: mz.fr3 (outpatient) and zy.fr3
// (inpatient).
QStringList shippedTemplateNames();
QByteArray shippedTemplate(const QString& fileName);

// Writes each shipped template that `directory` does not hold yet; an existing file, whatever
// it holds, is never overwritten. Returns the names written.
QStringList installShippedTemplates(const QDir& directory);

} // namespace printing
