#pragma once

#include <QDateTime>
#include <QString>

namespace app {

// The status-bar clock: "yyyy-mm-dd HH:MM:ss" on the 24-hour clock followed by four blanks,
// for example "2024-03-02 09:05:03    ".
QString clockText(const QDateTime& moment);

} // namespace app
