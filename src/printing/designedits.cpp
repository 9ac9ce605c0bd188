#include "printing/designedits.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace printing {

namespace edits {

namespace {

double snapped(double value, double grid) {
    return grid > 0 ? std::round(value / grid) * grid : value;
}

Selection sortedUnique(Selection objects, const ReportPage& page) {
    std::sort(objects.begin(), objects.end());
    objects.erase(std::unique(objects.begin(), objects.end()), objects.end());
    objects.erase(std::remove_if(objects.begin(), objects.end(),
                                 [&](int i) { return i < 0 || i >= int(page.objects.size()); }),
                  objects.end());
    return objects;
}

} // namespace

void move(ReportPage& page, const Selection& objects, double dx, double dy, double grid) {
    for (int i : sortedUnique(objects, page)) {
        TextObject& o = page.objects[std::size_t(i)];
        o.left = std::max(0.0, snapped(o.left + dx, grid));
        o.top = std::max(0.0, snapped(o.top + dy, grid));
    }
}

void setGeometry(ReportPage& page, int object, double left, double top, double width,
                 double height) {
    if (object < 0 || object >= int(page.objects.size()))
        return;
    TextObject& o = page.objects[std::size_t(object)];
    o.left = std::max(0.0, left);
    o.top = std::max(0.0, top);
    o.width = std::max(1.0, width);
    o.height = std::max(1.0, height);
}

int addText(ReportPage& page, const Report& report, double left, double top) {
    TextObject object;
    object.name = freeName(report);
    object.left = std::max(0.0, left);
    object.top = std::max(0.0, top);
    object.width = 94.48819;  // 25 mm
    object.height = 18.89765; // 5 mm
    page.objects.push_back(object);
    return int(page.objects.size()) - 1;
}

void remove(ReportPage& page, const Selection& objects) {
    const Selection doomed = sortedUnique(objects, page);
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it)
        page.objects.erase(page.objects.begin() + *it);
}

Selection duplicate(ReportPage& page, const Report& report, const Selection& objects,
                    double offset) {
    Report names = report; // the names taken so far, copies included
    Selection copies;
    for (int i : sortedUnique(objects, page)) {
        TextObject copy = page.objects[std::size_t(i)];
        copy.name = freeName(names);
        copy.left += offset;
        copy.top += offset;
        names.pages.front().objects.push_back(copy);
        page.objects.push_back(copy);
        copies.push_back(int(page.objects.size()) - 1);
    }
    return copies;
}

void align(ReportPage& page, const Selection& objects, Edge edge) {
    if (objects.size() < 2)
        return;
    const TextObject& first = page.objects[std::size_t(objects.front())];
    const double left = first.left, right = first.left + first.width;
    const double top = first.top, bottom = first.top + first.height;
    for (std::size_t k = 1; k < objects.size(); ++k) {
        TextObject& o = page.objects[std::size_t(objects[k])];
        switch (edge) {
        case Edge::Left:
            o.left = left;
            break;
        case Edge::Right:
            o.left = std::max(0.0, right - o.width);
            break;
        case Edge::Top:
            o.top = top;
            break;
        case Edge::Bottom:
            o.top = std::max(0.0, bottom - o.height);
            break;
        }
    }
}

void sameSize(ReportPage& page, const Selection& objects) {
    if (objects.size() < 2)
        return;
    const TextObject& first = page.objects[std::size_t(objects.front())];
    const double width = first.width, height = first.height;
    for (std::size_t k = 1; k < objects.size(); ++k) {
        page.objects[std::size_t(objects[k])].width = width;
        page.objects[std::size_t(objects[k])].height = height;
    }
}

bool nameIsFree(const Report& report, const TextObject* object, const QString& name) {
    if (name.trimmed().isEmpty())
        return false;
    for (const ReportPage& page : report.pages)
        for (const TextObject& other : page.objects)
            if (&other != object && sameObjectName(other.name, name))
                return false;
    return true;
}

QString freeName(const Report& report, const QString& stem) {
    for (int n = 1;; ++n) {
        const QString name = stem + QString::number(n);
        if (!report.findObject(name))
            return name;
    }
}

QStringList missingNames(const Report& report, const QStringList& filledNames) {
    QStringList missing;
    for (const QString& name : filledNames)
        if (!report.findObject(name))
            missing << name;
    return missing;
}

} // namespace edits

QStringList filledNamesFor(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName().toLower();
    if (name == QLatin1String("mz.fr3"))
        return {"edtno",    "edtname",  "edtdate", "edtzyf", "edtxyf", "edttszxf",
                "edthyzjf", "edtczzsf", "edtssf",  "edtqt",  "edthj",  "edthjdx"};
    if (name == QLatin1String("zy.fr3"))
        return {"edtzyno", "edtzyh", "edtzyname", "edtzydw", "dtpzyrq", "dtpcyrq", "edtzyts", "cwf",
                "xyf",     "zcy",    "zcaoy",     "jcf",     "zlf",     "fsf",     "ssf",     "hyf",
                "sxf",     "syf",    "zhenlf",    "hlf",     "qtzl",    "edthjdx", "edthj",   "ysk",
                "yjk",     "ytk",    "zffs",      "dtpjsrq", "jsy"};
    return {};
}

} // namespace printing
