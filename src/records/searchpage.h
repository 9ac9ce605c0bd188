#pragma once

#include "app/page.h"
#include "records/resultmodel.h"

#include <QRect>
#include <functional>
#include <vector>

class QLineEdit;
class QPushButton;
class QTableView;

namespace store {
class StoreQuery;
}

namespace records {

// What makes one search page: its filters, button, grid and statement.
struct SearchPageLayout {
    struct FilterField {
        QString labelName;
        QString labelText;
        QRect labelRect;
        QString fieldName;
        QRect fieldRect;
        QString clause;
    };
    QString pageName;
    QString baseStatement;
    std::vector<FilterField> filters; // in the order the statement takes them
    QString buttonName;
    QRect buttonRect;
    QString gridName;
    QList<GridColumn> columns;
    QStringList tabOrder; // control names

    static SearchPageLayout outpatient(); // ts3
    static SearchPageLayout inpatient();  // ts4
};

// A receipt search page (ts3, ts4): filter fields along the top, "查询" at the top right, the
// read-only grid of the page's query docked to the bottom. Only the button starts a search;
// the grid keeps its rows until the next one.
class SearchPage : public app::Page {
    Q_OBJECT
public:
    using RunQuery = std::function<void(const QString& statement)>;

    SearchPage(SearchPageLayout layout, store::StoreQuery* query, RunQuery runQuery,
               QWidget* parent = nullptr);

    // The statement the filters give now.
    QString statement() const;
    // The click of "查询": runs statement() on the page's query; a failure leaves the grid
    // empty and says nothing.
    void search();

    QTableView* grid() const { return m_grid; }
    ResultModel* model() const { return m_model; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    SearchPageLayout m_layout;
    RunQuery m_runQuery;
    std::vector<QLineEdit*> m_filters;
    QPushButton* m_button;
    QTableView* m_grid;
    ResultModel* m_model;
};

} // namespace records
