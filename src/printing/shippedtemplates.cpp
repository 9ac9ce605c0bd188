#include "printing/shippedtemplates.h"

#include <QFile>
#include <QSaveFile>

namespace printing {

QStringList shippedTemplateNames() {
    return {QStringLiteral("mz.fr3"), QStringLiteral("zy.fr3")};
}

QByteArray shippedTemplate(const QString& fileName) {
    QFile file(QStringLiteral(":/templates/") + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList installShippedTemplates(const QDir& directory) {
    QStringList written;
    for (const QString& name : shippedTemplateNames()) {
        const QString path = directory.filePath(name);
        if (QFile::exists(path))
            continue;
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(shippedTemplate(name)) >= 0 &&
            file.commit())
            written << name;
    }
    return written;
}

} // namespace printing
