#include "printing/designdocument.h"

#include <QUndoCommand>

namespace printing {

// One step of undo: the report and selection before and after it.
class ReportSnapshotCommand : public QUndoCommand {
public:
    ReportSnapshotCommand(DesignDocument& document, Report before, std::vector<int> beforeSel,
                          Report after, std::vector<int> afterSel, const QString& text)
        : QUndoCommand(text), m_document(document), m_before(std::move(before)),
          m_after(std::move(after)), m_beforeSelection(std::move(beforeSel)),
          m_afterSelection(std::move(afterSel)) {}

    void undo() override { m_document.restore(m_before, m_beforeSelection); }
    void redo() override { m_document.restore(m_after, m_afterSelection); }

private:
    DesignDocument& m_document;
    Report m_before;
    Report m_after;
    std::vector<int> m_beforeSelection;
    std::vector<int> m_afterSelection;
};

DesignDocument::DesignDocument(Report report, QString fileName, QObject* parent)
    : QObject(parent), m_report(std::move(report)), m_fileName(std::move(fileName)) {
    if (m_report.pages.empty())
        m_report = Report::blank();
}

void DesignDocument::setPageIndex(int index) {
    if (index < 0 || index >= int(m_report.pages.size()) || index == m_page)
        return;
    m_page = index;
    m_selection.clear();
    emit selectionChanged();
    emit changed();
}

void DesignDocument::select(std::vector<int> objects) {
    std::vector<int> valid;
    for (int i : objects)
        if (i >= 0 && i < int(page().objects.size()) &&
            std::find(valid.begin(), valid.end(), i) == valid.end())
            valid.push_back(i);
    if (valid == m_selection)
        return;
    m_selection = std::move(valid);
    emit selectionChanged();
}

const TextObject* DesignDocument::selectedObject() const {
    return m_selection.size() == 1 ? &page().objects[std::size_t(m_selection.front())] : nullptr;
}

void DesignDocument::change(
    const QString& what,
    const std::function<void(ReportPage& page, std::vector<int>& selection)>& edit) {
    Report after = m_report;
    std::vector<int> selection = m_selection;
    edit(after.pages[std::size_t(m_page)], selection);
    if (after == m_report && selection == m_selection)
        return;
    if (after == m_report) {
        select(selection);
        return;
    }
    m_undo.push(new ReportSnapshotCommand(*this, m_report, m_selection, std::move(after),
                                          std::move(selection), what));
}

void DesignDocument::restore(const Report& report, const std::vector<int>& selection) {
    m_report = report;
    if (m_page >= int(m_report.pages.size()))
        m_page = 0;
    m_selection.clear();
    select(selection);
    emit changed();
}

} // namespace printing
