#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// A failure of the data-access layer: the connection could not be opened or a statement
// failed. Carries the layer's own text, UTF-8 encoded.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

} // namespace store
