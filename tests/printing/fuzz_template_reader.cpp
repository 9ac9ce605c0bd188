// libFuzzer target for the template reader (see README, "Tests"): every input is either a
// whole report, which writes and reads back to the same model, or a TemplateError.
#include "printing/templatefile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const printing::Report report = printing::parseTemplate(bytes, "fuzz.fr3");
        const QByteArray written = printing::serializeTemplate(report);
        if (printing::serializeTemplate(printing::parseTemplate(written, "again.fr3")) != written)
            std::abort();
    } catch (const printing::TemplateError&) {
    }
    return 0;
}
