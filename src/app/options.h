#pragma once

#include "store/storelocation.h"

#include <QStringList>
#include <optional>

namespace app {

struct StartOptions {
    store::StoreLocation store = store::StoreLocation::defaultStore();
};

// Reads the command line: --database FILE or --dsn NAME. Returns nothing and sets *error for
// a command line that cannot be used; --help is handled by the caller's parser.
std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString* error,
                                              bool* helpRequested = nullptr,
                                              QString* helpText = nullptr);

} // namespace app
