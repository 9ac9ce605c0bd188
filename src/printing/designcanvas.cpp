#include "printing/designcanvas.h"

#include "app/guard.h"
#include "printing/designdocument.h"
#include "printing/designedits.h"
#include "printing/renderer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRubberBand>

namespace printing {

namespace {
constexpr int border = 16;
constexpr double handleSize = 7;
} // namespace

DesignCanvas::DesignCanvas(DesignDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("designCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(&m_document, &DesignDocument::changed, this, [this] {
        setFixedSize(sizeHint());
        update();
    });
    connect(&m_document, &DesignDocument::selectionChanged, this, qOverload<>(&QWidget::update));
    setFixedSize(sizeHint());
}

double DesignCanvas::gridStep() {
    return unitsPerMm;
}

void DesignCanvas::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, 0.25, 8.0);
    setFixedSize(sizeHint());
    update();
}

QSize DesignCanvas::sizeHint() const {
    const QSizeF sheet = sheetSizeUnits(m_document.page()) * m_zoom;
    return {qCeil(sheet.width()) + 2 * border, qCeil(sheet.height()) + 2 * border};
}

QPointF DesignCanvas::toWidget(QPointF units) const {
    const ReportPage& page = m_document.page();
    return QPointF(border, border) +
           (units + QPointF(page.marginLeftMm, page.marginTopMm) * unitsPerMm) * m_zoom;
}

QPointF DesignCanvas::toUnits(QPointF widget) const {
    const ReportPage& page = m_document.page();
    return (widget - QPointF(border, border)) / m_zoom -
           QPointF(page.marginLeftMm, page.marginTopMm) * unitsPerMm;
}

QRectF DesignCanvas::objectRect(int index) const {
    const TextObject& o = m_document.page().objects[std::size_t(index)];
    return {o.left, o.top, o.width, o.height};
}

int DesignCanvas::objectAt(QPointF units) const {
    const auto& objects = m_document.page().objects;
    for (int i = int(objects.size()) - 1; i >= 0; --i) // the topmost is drawn last
        if (objectRect(i).adjusted(-1, -1, 1, 1).contains(units))
            return i;
    return -1;
}

std::vector<QRectF> DesignCanvas::handleRects() const {
    std::vector<QRectF> handles;
    if (m_document.selection().size() != 1)
        return handles;
    const QRectF r = objectRect(m_document.selection().front());
    const QPointF tl = toWidget(r.topLeft()), br = toWidget(r.bottomRight());
    const double xs[] = {tl.x(), (tl.x() + br.x()) / 2, br.x()};
    const double ys[] = {tl.y(), (tl.y() + br.y()) / 2, br.y()};
    // Order: top-left, top, top-right, right, bottom-right, bottom, bottom-left, left.
    const int at[8][2] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}};
    for (const auto& [x, y] : at)
        handles.emplace_back(xs[x] - handleSize / 2, ys[y] - handleSize / 2, handleSize,
                             handleSize);
    return handles;
}

int DesignCanvas::handleAt(QPointF widget) const {
    const std::vector<QRectF> handles = handleRects();
    for (int i = 0; i < int(handles.size()); ++i)
        if (handles[std::size_t(i)].adjusted(-2, -2, 2, 2).contains(widget))
            return i;
    return -1;
}

QRectF DesignCanvas::resizedRect() const {
    // The dragged edges follow the mouse by the distance it moved, snapped to the grid.
    const QRectF r = objectRect(m_document.selection().front());
    double left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    const QPointF d = m_currentUnits - m_pressUnits;
    auto edge = [this](double value) {
        return m_snap ? std::round(value / gridStep()) * gridStep() : value;
    };
    const bool moveLeft = m_handle == 0 || m_handle == 6 || m_handle == 7;
    const bool moveRight = m_handle == 2 || m_handle == 3 || m_handle == 4;
    const bool moveTop = m_handle == 0 || m_handle == 1 || m_handle == 2;
    const bool moveBottom = m_handle == 4 || m_handle == 5 || m_handle == 6;
    if (moveLeft)
        left = edge(left + d.x());
    if (moveRight)
        right = edge(right + d.x());
    if (moveTop)
        top = edge(top + d.y());
    if (moveBottom)
        bottom = edge(bottom + d.y());
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

// The page as it looks while the mouse drags: moved or resized objects in their new place.
ReportPage DesignCanvas::draggedPage() const {
    ReportPage page = m_document.page();
    if (m_drag == Drag::Move && m_moved) {
        const QPointF d = m_currentUnits - m_pressUnits;
        edits::move(page, m_document.selection(), d.x(), d.y(), m_snap ? gridStep() : 0);
    } else if (m_drag == Drag::Resize) {
        const QRectF r = resizedRect();
        edits::setGeometry(page, m_document.selection().front(), r.left(), r.top(), r.width(),
                           r.height());
    }
    return page;
}

void DesignCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x9a, 0x94, 0xa3));
    const ReportPage page = draggedPage();
    const QSizeF sheet = sheetSizeUnits(page) * m_zoom;
    const QRectF paper(border, border, sheet.width(), sheet.height());
    painter.fillRect(paper.translated(3, 3), QColor(0x55, 0x50, 0x5c));
    painter.fillRect(paper, Qt::white);

    // The printable area and a millimetre grid, a stronger line every ten.
    const QPointF origin = toWidget({0, 0});
    const double widthMm = page.sheetWidthMm() - page.marginLeftMm - page.marginRightMm;
    const double heightMm = page.sheetHeightMm() - page.marginTopMm - page.marginBottomMm;
    const QRectF area(origin, QSizeF(widthMm, heightMm) * unitsPerMm * m_zoom);
    if (m_zoom * unitsPerMm >= 3) {
        for (int mm = 0; mm <= int(widthMm); ++mm) {
            painter.setPen(QColor(mm % 10 ? 0xf0 : 0xdc, mm % 10 ? 0xec : 0xd2, 0xf5));
            const double x = origin.x() + mm * unitsPerMm * m_zoom;
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        }
        for (int mm = 0; mm <= int(heightMm); ++mm) {
            painter.setPen(QColor(mm % 10 ? 0xf0 : 0xdc, mm % 10 ? 0xec : 0xd2, 0xf5));
            const double y = origin.y() + mm * unitsPerMm * m_zoom;
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        }
    }
    painter.setPen(QPen(QColor(0x8a, 0x67, 0xb5), 1, Qt::DashLine));
    painter.drawRect(area);

    painter.save();
    painter.translate(border, border);
    painter.scale(m_zoom, m_zoom);
    drawPage(painter, page);
    painter.restore();

    // Unframed objects get a faint outline so that empty ones can be found and picked.
    for (int i = 0; i < int(page.objects.size()); ++i) {
        const TextObject& o = page.objects[std::size_t(i)];
        const QRectF box(toWidget({o.left, o.top}), QSizeF(o.width, o.height) * m_zoom);
        if (!o.frame.any()) {
            painter.setPen(QPen(QColor(0xb8, 0xa8, 0xcc), 1, Qt::DotLine));
            painter.drawRect(box);
        }
    }
    for (int i : m_document.selection()) {
        const TextObject& o = page.objects[std::size_t(i)];
        const QRectF box(toWidget({o.left, o.top}), QSizeF(o.width, o.height) * m_zoom);
        painter.setPen(QPen(QColor(0x1f, 0x6f, 0xd0), 2));
        painter.drawRect(box);
    }
    if (m_drag != Drag::Move && m_drag != Drag::Resize) {
        painter.setPen(QColor(0x1f, 0x6f, 0xd0));
        painter.setBrush(Qt::white);
        for (const QRectF& handle : handleRects())
            painter.drawRect(handle);
    }
}

void DesignCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    app::guarded([&] {
        setFocus(Qt::MouseFocusReason);
        const QPointF units = toUnits(event->position());
        m_pressUnits = m_currentUnits = units;
        m_moved = false;
        m_handle = handleAt(event->position());
        if (m_handle >= 0) {
            m_drag = Drag::Resize;
            return;
        }
        const int hit = objectAt(units);
        std::vector<int> selection = m_document.selection();
        const bool shift = event->modifiers() & Qt::ShiftModifier;
        if (hit >= 0) {
            const auto found = std::find(selection.begin(), selection.end(), hit);
            if (shift) {
                if (found != selection.end())
                    selection.erase(found);
                else
                    selection.push_back(hit);
                m_document.select(selection);
                m_drag = Drag::None;
                return;
            }
            if (found == selection.end())
                m_document.select({hit});
            m_pressedObject = hit;
            m_drag = Drag::Move;
            return;
        }
        if (!shift)
            m_document.select({});
        m_drag = Drag::Band;
        m_bandOrigin = event->position().toPoint();
        if (!m_band)
            m_band = new QRubberBand(QRubberBand::Rectangle, this);
        m_band->setGeometry(QRect(m_bandOrigin, QSize()));
        m_band->show();
    });
}

void DesignCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (m_drag == Drag::None) {
        const int handle = handleAt(event->position());
        static const Qt::CursorShape shapes[] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                                 Qt::SizeBDiagCursor, Qt::SizeHorCursor};
        setCursor(handle >= 0 ? shapes[handle % 4] : Qt::ArrowCursor);
        return;
    }
    m_currentUnits = toUnits(event->position());
    if ((m_currentUnits - m_pressUnits).manhattanLength() > 0.5 / m_zoom)
        m_moved = true;
    if (m_drag == Drag::Band && m_band)
        m_band->setGeometry(QRect(m_bandOrigin, event->position().toPoint()).normalized());
    update();
}

void DesignCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_drag == Drag::None)
        return;
    app::guarded([&] {
        m_currentUnits = toUnits(event->position());
        const Drag drag = std::exchange(m_drag, Drag::None);
        if (drag == Drag::Move && !m_moved) {
            // A click without a drag picks that object alone.
            m_document.select({m_pressedObject});
        } else if (drag == Drag::Move) {
            const QPointF d = m_currentUnits - m_pressUnits;
            const double grid = m_snap ? gridStep() : 0;
            m_document.change(QStringLiteral("移动"), [&](ReportPage& page, std::vector<int>& s) {
                edits::move(page, s, d.x(), d.y(), grid);
            });
        } else if (drag == Drag::Resize) {
            m_drag = Drag::Resize; // resizedRect reads the handle being dragged
            const QRectF r = resizedRect();
            m_drag = Drag::None;
            m_document.change(
                QStringLiteral("改变大小"), [&](ReportPage& page, std::vector<int>& s) {
                    edits::setGeometry(page, s.front(), r.left(), r.top(), r.width(), r.height());
                });
        } else if (drag == Drag::Band && m_band) {
            m_band->hide();
            const QRectF band(toUnits(m_band->geometry().topLeft()),
                              toUnits(m_band->geometry().bottomRight()));
            std::vector<int> selection = m_document.selection();
            for (int i = 0; i < int(m_document.page().objects.size()); ++i)
                if (band.intersects(objectRect(i)) &&
                    std::find(selection.begin(), selection.end(), i) == selection.end())
                    selection.push_back(i);
            m_document.select(selection);
        }
        update();
    });
}

void DesignCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    const int hit = objectAt(toUnits(event->position()));
    if (hit < 0)
        return;
    m_document.select({hit});
    m_editedObject = hit;
    const TextObject& o = m_document.page().objects[std::size_t(hit)];
    if (!m_textEditor) {
        m_textEditor = new QPlainTextEdit(this);
        m_textEditor->setObjectName(QStringLiteral("inPlaceEditor"));
        m_textEditor->installEventFilter(this);
    }
    QFont font = objectFont(o);
    font.setPixelSize(std::max(8, qRound(o.fontPixelSize * m_zoom)));
    m_textEditor->setFont(font);
    m_textEditor->setPlainText(o.text);
    const QRectF box(toWidget({o.left, o.top}), QSizeF(o.width, o.height) * m_zoom);
    m_textEditor->setGeometry(box.toRect().adjusted(0, 0, 40, 24));
    m_textEditor->show();
    m_textEditor->setFocus();
    m_textEditor->selectAll();
}

void DesignCanvas::finishTextEdit(bool keep) {
    if (!m_textEditor || !m_textEditor->isVisible())
        return;
    const QString text = m_textEditor->toPlainText();
    const int index = m_editedObject;
    m_textEditor->hide();
    setFocus();
    if (keep && index >= 0 && index < int(m_document.page().objects.size()))
        m_document.change(QStringLiteral("编辑文本"), [&](ReportPage& page, std::vector<int>&) {
            page.objects[std::size_t(index)].text = text;
        });
}

bool DesignCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_textEditor) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape) {
                finishTextEdit(false);
                return true;
            }
            // Ctrl+Enter ends the edit; Enter alone starts a new line.
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & Qt::ControlModifier)) {
                app::guarded([this] { finishTextEdit(true); });
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            app::guarded([this] { finishTextEdit(true); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DesignCanvas::keyPressEvent(QKeyEvent* event) {
    const bool fine = event->modifiers() & Qt::ControlModifier;
    const double step = fine ? 1.0 : gridStep();
    double dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -step;
        break;
    case Qt::Key_Right:
        dx = step;
        break;
    case Qt::Key_Up:
        dy = -step;
        break;
    case Qt::Key_Down:
        dy = step;
        break;
    case Qt::Key_Delete:
        app::guarded([this] {
            m_document.change(QStringLiteral("删除"), [](ReportPage& page, std::vector<int>& s) {
                edits::remove(page, s);
                s.clear();
            });
        });
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_document.selection().empty())
        return;
    app::guarded([&] {
        m_document.change(QStringLiteral("移动"), [&](ReportPage& page, std::vector<int>& s) {
            edits::move(page, s, dx, dy);
        });
    });
}

} // namespace printing
