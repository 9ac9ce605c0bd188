#pragma once

#include "printing/reportmodel.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace printing {

// The edits the template designer makes, as functions from one report to the next. Objects
// are addressed by their index on the page; positions and sizes are in units (1/96 inch).
namespace edits {

using Selection = std::vector<int>;

// Moves the objects by (dx, dy); with a grid step above zero each object's new position is
// snapped to that grid. No object moves above or left of the printable area.
void move(ReportPage& page, const Selection& objects, double dx, double dy, double grid = 0);

// Sets one object's box; the size never drops below one unit.
void setGeometry(ReportPage& page, int object, double left, double top, double width,
                 double height);

// Adds a text object with a new name (Memo1, Memo2, …) at the given place; returns its index.
int addText(ReportPage& page, const Report& report, double left, double top);

// Removes the objects.
void remove(ReportPage& page, const Selection& objects);

// Copies of the objects, moved down and right by `offset`, with new names; returns their
// indexes.
Selection duplicate(ReportPage& page, const Report& report, const Selection& objects,
                    double offset);

enum class Edge { Left, Right, Top, Bottom };
// Lines the objects up with the first one's edge.
void align(ReportPage& page, const Selection& objects, Edge edge);
// Gives the objects the first one's width and height.
void sameSize(ReportPage& page, const Selection& objects);

// Whether `name` is free for the object at `index`: not empty, and no other object of the
// report has it (names compare regardless of the case of Latin letters).
bool nameIsFree(const Report& report, const TextObject* object, const QString& name);

// A name no object of the report has: the stem followed by the lowest free number.
QString freeName(const Report& report, const QString& stem = QStringLiteral("Memo"));

// Of the names the program fills for a kind of receipt, those the report lacks.
QStringList missingNames(const Report& report, const QStringList& filledNames);

} // namespace edits

// The names the program fills in each shipped kind of template, by file name; empty for any
// other file.
QStringList filledNamesFor(const QString& fileName);

} // namespace printing
