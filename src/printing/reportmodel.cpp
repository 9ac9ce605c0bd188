#include "printing/reportmodel.h"

namespace printing {

namespace {

char16_t latinLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

} // namespace

bool sameObjectName(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (latinLower(a[i].unicode()) != latinLower(b[i].unicode()))
            return false;
    }
    return true;
}

TextObject* Report::findObject(const QString& name) {
    for (ReportPage& page : pages)
        for (TextObject& object : page.objects)
            if (sameObjectName(object.name, name))
                return &object;
    return nullptr;
}

const TextObject* Report::findObject(const QString& name) const {
    return const_cast<Report*>(this)->findObject(name);
}

Report Report::blank() {
    Report report;
    report.pages.emplace_back();
    return report;
}

} // namespace printing
