#pragma once

#include "app/dialogs.h"

#include <QString>
#include <exception>
#include <utility>

namespace app {

// Runs one event handler. An error escaping it ends the handler there, is shown in the
// standard error box, and the program goes on with the next event; work already done stays.
// No exception ever reaches Qt's event dispatch.
template <typename Handler> void guarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        try {
            showStandardErrorBox(QString::fromUtf8(error.what()));
        } catch (...) {
        }
    } catch (...) {
        try {
            showStandardErrorBox(QStringLiteral("Unknown error"));
        } catch (...) {
        }
    }
}

// A slot that runs `handler` guarded, for connect().
template <typename Handler> auto guard(Handler handler) {
    return [handler = std::move(handler)]() { guarded(handler); };
}

} // namespace app
