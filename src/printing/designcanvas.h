#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <vector>

class QPlainTextEdit;
class QRubberBand;

namespace printing {

class DesignDocument;
struct ReportPage;

// The page being designed, drawn at its paper size with its margins and a millimetre grid,
// the objects exactly as they print. Click selects, Shift adds to the selection, a drag on
// the empty paper selects by rubber band; a drag moves the selection, the handles resize the
// selected object, a double click edits its text in place; the arrow keys move the selection
// by one grid step (with Ctrl by one unit), Delete removes it.
class DesignCanvas : public QWidget {
    Q_OBJECT
public:
    explicit DesignCanvas(DesignDocument& document, QWidget* parent = nullptr);

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    bool snapToGrid() const { return m_snap; }
    void setSnapToGrid(bool snap) { m_snap = snap; }
    // The grid step in units: one millimetre.
    static double gridStep();

    // Where a point of the printable area (in units) lies on the widget, and back.
    QPointF toWidget(QPointF units) const;
    QPointF toUnits(QPointF widget) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag { None, Move, Resize, Band };

    int objectAt(QPointF units) const;
    int handleAt(QPointF widget) const;
    QRectF objectRect(int index) const;      // in units
    std::vector<QRectF> handleRects() const; // on the widget
    ReportPage draggedPage() const;
    QRectF resizedRect() const;
    void finishTextEdit(bool keep);

    DesignDocument& m_document;
    double m_zoom = 1.0;
    bool m_snap = true;
    Drag m_drag = Drag::None;
    QPointF m_pressUnits;
    QPointF m_currentUnits;
    int m_handle = -1;
    int m_pressedObject = -1;
    bool m_moved = false;
    QRubberBand* m_band = nullptr;
    QPoint m_bandOrigin;
    QPlainTextEdit* m_textEditor = nullptr;
    int m_editedObject = -1;
};

} // namespace printing
