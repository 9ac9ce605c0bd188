#include "app/appstyle.h"

#include "app/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QStyleFactory>
#include <array>

namespace app {

namespace {

struct StyleEntry {
    const char* name;
    const char* resource;
};

constexpr std::array<StyleEntry, 1> carriedStyles{{
    {"Amethyst Kamri", ":/styles/amethyst-kamri.qss"},
}};

} // namespace

QString styleResource(const QString& name) {
    for (const StyleEntry& entry : carriedStyles) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(entry.resource);
    }
    return {};
}

bool applyStyle(QApplication& application, const QString& name) {
    const QString resource = styleResource(name);
    QFile file(resource);
    if (resource.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        QMessageBox box(QMessageBox::Critical, applicationTitle(),
                        QStringLiteral("Style '%1' not found").arg(name), QMessageBox::Close);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return false;
    }
    // The sheet themes every control; Fusion under it draws alike on every desktop.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setStyleSheet(QString::fromUtf8(file.readAll()));
    return true;
}

} // namespace app
