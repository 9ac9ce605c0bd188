#include "app/clock.h"

namespace app {

QString clockText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral("    ");
}

} // namespace app
