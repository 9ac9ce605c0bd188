#pragma once

#include "printing/reportmodel.h"

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <vector>

namespace printing {

// The report open in the designer: the model, its file, the selection, and undo and redo for
// every change. A change is made by change(), which records the report before and after it.
class DesignDocument : public QObject {
    Q_OBJECT
public:
    DesignDocument(Report report, QString fileName, QObject* parent = nullptr);

    const Report& report() const { return m_report; }
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }

    // The page shown; the designer edits one page at a time.
    int pageIndex() const { return m_page; }
    const ReportPage& page() const { return m_report.pages[std::size_t(m_page)]; }
    void setPageIndex(int index);

    const std::vector<int>& selection() const { return m_selection; }
    void select(std::vector<int> objects);
    const TextObject* selectedObject() const;

    // Applies an edit of the shown page as one undoable step named `what`. The edit may set
    // a new selection; an edit that changes nothing records nothing.
    void change(const QString& what,
                const std::function<void(ReportPage& page, std::vector<int>& selection)>& edit);

    bool isModified() const { return !m_undo.isClean(); }
    void markSaved() { m_undo.setClean(); }
    QUndoStack& undoStack() { return m_undo; }

signals:
    void changed();          // the report changed (an edit, undo or redo)
    void selectionChanged(); // another selection

private:
    friend class ReportSnapshotCommand;
    void restore(const Report& report, const std::vector<int>& selection);

    Report m_report;
    QString m_fileName;
    int m_page = 0;
    std::vector<int> m_selection;
    QUndoStack m_undo;
};

} // namespace printing
