#pragma once

#include <QColor>
#include <QString>
#include <vector>

namespace printing {

// Positions and sizes inside a page are in units of 1/96 inch, measured from the top-left
// corner of the area inside the margins; paper sizes and margins are in millimetres.
inline constexpr double unitsPerMm = 96.0 / 25.4;

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

struct Frame {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
    double width = 1.0; // line width in units

    bool any() const { return left || top || right || bottom; }
    static Frame all() { return {true, true, true, true, 1.0}; }
    bool operator==(const Frame&) const = default;
};

// A text object: a named box whose text (several lines allowed) prints as it stands. Text in
// square brackets is printed literally; nothing is evaluated.
struct TextObject {
    QString name;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QString text;
    QString fontFamily = QStringLiteral("Arial");
    int fontPixelSize = 13; // at 96 dpi
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = true;
    Frame frame;

    bool operator==(const TextObject&) const = default;
};

struct ReportPage {
    double paperWidthMm = 210;
    double paperHeightMm = 297;
    int paperCode = 9; // 9 is A4; 256 a custom size
    bool landscape = false;
    double marginLeftMm = 10;
    double marginTopMm = 10;
    double marginRightMm = 10;
    double marginBottomMm = 10;
    std::vector<TextObject> objects;

    // The sheet as it lies for printing: width and height swap in landscape.
    double sheetWidthMm() const { return landscape ? paperHeightMm : paperWidthMm; }
    double sheetHeightMm() const { return landscape ? paperWidthMm : paperHeightMm; }

    bool operator==(const ReportPage&) const = default;
};

// Compares names the way templates are filled: equal regardless of the case of the Latin
// letters A to Z; every other character must match exactly.
bool sameObjectName(const QString& a, const QString& b);

struct Report {
    std::vector<ReportPage> pages;

    bool isEmpty() const { return pages.empty(); }
    // The first object over all pages whose name matches (see sameObjectName), or null.
    TextObject* findObject(const QString& name);
    const TextObject* findObject(const QString& name) const;

    // A blank report as a designer starts one: one A4 portrait page, 10 mm margins.
    static Report blank();

    bool operator==(const Report&) const = default;
};

} // namespace printing
