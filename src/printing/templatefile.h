#pragma once

#include "printing/reportmodel.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace printing {

// A template file that exists but cannot be read: names the file and what is wrong.
class TemplateError : public std::runtime_error {
public:
    explicit TemplateError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

inline constexpr int templateFormatVersion = 1;

// The template format: XML in UTF-8 (docs/template-format.md). Reading is all or nothing:
// any fault throws TemplateError and no part of the file is taken. `source` names the file in
// messages.
Report parseTemplate(const QByteArray& xml, const QString& source);
QByteArray serializeTemplate(const Report& report);

Report readTemplateFile(const QString& path);
// Writes through a temporary file, so a failed save never leaves half a template.
void writeTemplateFile(const Report& report, const QString& path);

} // namespace printing
