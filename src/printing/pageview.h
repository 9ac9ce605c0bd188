#pragma once

#include "printing/reportmodel.h"

#include <QWidget>

namespace printing {

// One page of a prepared report drawn at a zoom factor: 1.0 shows a 1/96 inch unit as one
// logical pixel, the paper's real size on a 96 dpi screen.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    void setPage(const ReportPage* page);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ReportPage* m_page = nullptr;
    double m_zoom = 1.0;
};

} // namespace printing
