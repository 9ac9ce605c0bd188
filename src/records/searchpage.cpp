#include "records/searchpage.h"

#include "app/controls.h"
#include "app/fonts.h"
#include "app/guard.h"
#include "records/searchstatement.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableView>

namespace records {

namespace {

constexpr int designedWidth = 837;
constexpr int gridTop = 64;
constexpr int gridHeight = 484;

QList<GridColumn> outpatientColumns() {
    QList<GridColumn> columns{
        {"NO", "NO", 117, false}, {"姓名", "姓名", 107, false}, {"日期", "日期", 113, false}};
    const std::pair<const char*, int> amounts[] = {
        {"中药费", 86},     {"西药费", 86}, {"透视照像费", 89}, {"化验针炙费", 87},
        {"处置注射费", 86}, {"手术费", 83}, {"其他", 87},       {"合计", 126}};
    for (const auto& [name, width] : amounts)
        columns.append({QString::fromUtf8(name), QString::fromUtf8(name), width, true});
    return columns;
}

QList<GridColumn> inpatientColumns() {
    QList<GridColumn> columns{{"num", "NO", 102, false},       {"zyh", "住院号", 128, false},
                              {"name", "姓名", 89, false},     {"dw", "单位", 139, false},
                              {"zyrq", "住院日期", 88, false}, {"cyrq", "出院日期", 87, false},
                              {"zyts", "住院天数", 65, true}};
    const std::pair<const char*, const char*> amounts[] = {
        {"cwf", "床位费"}, {"xyf", "西药费"},    {"zcy", "中成药"}, {"zcaoy", "中草药"},
        {"jcf", "检查费"}, {"zlf", "治疗费"},    {"fsf", "放射费"}, {"ssf", "手术费"},
        {"hyf", "化验费"}, {"sxf", "输血费"},    {"syf", "输氧费"}, {"zhenlf", "诊疗费"},
        {"hlf", "护理费"}, {"qtzl", "其它治疗"}, {"hj", "合计"},    {"ysk", "预收款"},
        {"yjk", "应交款"}, {"ytk", "应退款"}};
    for (const auto& [field, title] : amounts)
        columns.append({QString::fromLatin1(field), QString::fromUtf8(title), 65, true});
    columns.append({"zffs", "支付方式", 65, false});
    columns.append({"jsrq", "结算日期", 88, false});
    columns.append({"jsy", "结算员", 65, false});
    return columns;
}

} // namespace

SearchPageLayout SearchPageLayout::outpatient() {
    return {
        "ts3",
        outpatientSearchBase,
        {{"Label7", "姓名：", {19, 19, 57, 23}, "EDmzname", {73, 17, 170, 31}, " and name like "},
         {"Label9", "NO：", {272, 19, 45, 23}, "EDmzno", {323, 16, 170, 31}, " and num like "}},
        "btnmzquery",
        {712, 12, 99, 41},
        "dbgrdmz",
        outpatientColumns(),
        {"EDmzname", "EDmzno", "btnmzquery", "dbgrdmz"}};
}

SearchPageLayout SearchPageLayout::inpatient() {
    return {
        "ts4",
        inpatientSearchBase,
        {{"Label8", "姓名：", {19, 19, 57, 23}, "EDzyname", {73, 17, 170, 31}, " and name like "},
         {"Label12", "NO：", {272, 19, 45, 23}, "EDzyno", {316, 17, 146, 31}, " and num like "},
         {"Label13", "住院号：", {487, 19, 76, 23}, "EDzyh", {560, 17, 146, 31}, " and zyh like "}},
        "btnzyquery",
        {712, 12, 99, 41},
        "dbgrd1",
        inpatientColumns(),
        {"EDzyname", "btnzyquery", "dbgrd1", "EDzyno", "EDzyh"}};
}

SearchPage::SearchPage(SearchPageLayout layout, store::StoreQuery* query, RunQuery runQuery,
                       QWidget* parent)
    : app::Page(layout.pageName, parent), m_layout(std::move(layout)),
      m_runQuery(std::move(runQuery)) {
    for (const auto& filter : m_layout.filters) {
        const QRect& l = filter.labelRect;
        app::placeLabel(this, filter.labelText, l.x(), l.y(), l.width(), l.height(), 19,
                        filter.labelName);
        const QRect& f = filter.fieldRect;
        m_filters.push_back(
            app::placeEdit(this, filter.fieldName, f.x(), f.y(), f.width(), f.height()));
    }
    const QRect& b = m_layout.buttonRect;
    m_button = app::placeButton(this, m_layout.buttonName, QStringLiteral("查询"), b.x(), b.y(),
                                b.width(), b.height());

    m_grid = new QTableView(this);
    m_grid->setObjectName(m_layout.gridName);
    m_grid->setFont(app::uiFont(16));
    m_grid->setGeometry(0, gridTop, designedWidth, gridHeight);
    m_model = new ResultModel(query, m_layout.columns, this);
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setTabKeyNavigation(true);
    m_grid->setShowGrid(true);
    m_grid->setSortingEnabled(false);
    m_grid->setWordWrap(false);
    QHeaderView* titles = m_grid->horizontalHeader();
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setSectionsClickable(true);
    titles->setHighlightSections(true);
    titles->setFont(app::uiFont(16));
    for (int c = 0; c < m_layout.columns.size(); ++c)
        m_grid->setColumnWidth(c, m_layout.columns[c].width);
    // The indicator column: fixed rows, so a million of them cost nothing to lay out.
    QHeaderView* indicator = m_grid->verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(24);
    indicator->setFixedWidth(18);
    indicator->setDefaultAlignment(Qt::AlignCenter);

    auto followCurrent = [this] {
        connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) { m_model->setCurrentRow(current.row()); });
    };
    followCurrent();
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        if (m_model->rowCount() > 0)
            m_grid->setCurrentIndex(m_model->index(0, 0));
    });

    QList<QWidget*> order;
    for (const QString& name : m_layout.tabOrder)
        order << findChild<QWidget*>(name);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_button, &QPushButton::clicked, this, app::guard([this] { search(); }));
}

QString SearchPage::statement() const {
    std::vector<Filter> filters;
    for (std::size_t i = 0; i < m_filters.size(); ++i)
        filters.emplace_back(m_layout.filters[i].clause, m_filters[i]->text());
    return buildSearchStatement(m_layout.baseStatement, filters);
}

void SearchPage::search() {
    m_runQuery(statement());
}

void SearchPage::resizeEvent(QResizeEvent* event) {
    app::Page::resizeEvent(event);
    // "查询" keeps its distance to the right edge; the grid is docked to the bottom.
    const QRect& b = m_layout.buttonRect;
    m_button->move(width() - (designedWidth - b.x()), b.y());
    m_grid->setGeometry(0, std::max(gridTop, height() - gridHeight), width(),
                        height() - std::max(gridTop, height() - gridHeight));
}

} // namespace records
