#pragma once

#include "printing/reportmodel.h"

#include <QDialog>

class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;

namespace printing {

class PageView;

// Sends every page of the report to the printer, each at its own paper size.
void printReport(const Report& report, QPrinter& printer);

// The preview of a prepared report: modal, a window of its own, opened maximized at 100 %.
// Page navigation, zoom, page set-up of the prepared pages, print through the system's print
// dialog (the default printer, one copy) and export to PDF.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit ReportPreview(Report prepared, QWidget* parent = nullptr);

    const Report& prepared() const { return m_report; }
    int currentPage() const { return m_page; }
    double zoom() const;

    void showPage(int index);
    void setZoom(double zoom);
    void zoomToWidth();
    void print();
    void exportToPdf();
    void editPageSetup();

private:
    void refresh();

    Report m_report;
    int m_page = 0;
    PageView* m_view;
    QScrollArea* m_scroll;
    QLabel* m_pageLabel;
    QSpinBox* m_zoomBox;
};

} // namespace printing
