#pragma once

#include "printing/reportmodel.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QScrollArea;

namespace printing {

class DesignCanvas;
class DesignDocument;
class PropertyPanel;

// The template designer: a window of its own, opened modally, on one report. The page drawn
// as it prints with a millimetre grid, a property panel, undo and redo, save to the file the
// report came from (or a chosen "*.fr3" file), a preview with sample values, and a line that
// names the objects the program fills which the template lacks.
class TemplateDesigner : public QDialog {
    Q_OBJECT
public:
    // `filledNames`: the objects the program fills in this kind of template.
    TemplateDesigner(Report report, const QString& fileName, QStringList filledNames,
                     QWidget* parent = nullptr);
    ~TemplateDesigner() override;

    DesignDocument& document() { return *m_document; }
    DesignCanvas& canvas() { return *m_canvas; }

    // Saves to the report's file, asking for a name when it has none; false when not saved.
    bool save();
    bool saveAs();
    // Previews the report with sample values in the objects the program fills.
    void preview();

    // Sample texts for the objects the program fills.
    static Report withSampleValues(Report report, const QStringList& filledNames);

    void done(int result) override;

private:
    void updateTitle();
    void updateMissingNames();
    void editSelection(const QString& what, int kind);

    DesignDocument* m_document;
    DesignCanvas* m_canvas;
    PropertyPanel* m_properties;
    QScrollArea* m_scroll;
    QLabel* m_missing;
    QStringList m_filledNames;
};

} // namespace printing
