// libFuzzer target for the amount reader. Build and run (clang):
//   CXX=clang++ cmake -S . -B build-fuzz -DCASHIER_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_parse_amount
//   build-fuzz/tests/fuzz_parse_amount -max_total_time=300
// It checks what must hold for every input: no crash or undefined behaviour, a valid text's
// value is shown and read back to the same hundredths, and the strict and lenient readers
// agree.
#include "amounts/money.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = amounts::TryParseAmount(text);
    if (!value) {
        if (amounts::ParseAmount(text) != 0)
            std::abort();
        try {
            amounts::ParseAmountStrict(text);
            std::abort();
        } catch (const amounts::AmountConversionError&) {
        }
        return 0;
    }
    if (amounts::ParseAmountStrict(text) != *value)
        std::abort();
    const std::string shown = amounts::FormatAmount(*value);
    const auto reread = amounts::TryParseAmount(shown);
    if (!reread || amounts::FormatAmount(*reread) != shown)
        std::abort();
    return 0;
}
