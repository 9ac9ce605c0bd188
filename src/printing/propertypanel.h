#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace printing {

class DesignDocument;

// The properties of the selected object (name, text, position and size in millimetres, font,
// alignment, word wrap, frame) and of the page (paper, orientation, margins). Every change is
// one undoable step; a value shown in millimetres and left as it is keeps the file's full
// precision. A name another object already has is refused.
class PropertyPanel : public QWidget {
    Q_OBJECT
public:
    explicit PropertyPanel(DesignDocument& document, QWidget* parent = nullptr);

    // Applies a text still being typed (the text box applies when it loses the focus).
    void commitText();

private:
    void refresh();
    void applyName();
    void applyGeometry();
    void applyStyle();
    void applyPage();
    QDoubleSpinBox* millimetres(const QString& name, double minimum);

    DesignDocument& m_document;
    bool m_refreshing = false;
    QGroupBox* m_objectBox;
    QLineEdit* m_name;
    QPlainTextEdit* m_text;
    QDoubleSpinBox* m_left;
    QDoubleSpinBox* m_top;
    QDoubleSpinBox* m_width;
    QDoubleSpinBox* m_height;
    QComboBox* m_family;
    QSpinBox* m_pixels;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QComboBox* m_hAlign;
    QComboBox* m_vAlign;
    QCheckBox* m_wrap;
    QCheckBox* m_frameLeft;
    QCheckBox* m_frameTop;
    QCheckBox* m_frameRight;
    QCheckBox* m_frameBottom;
    QDoubleSpinBox* m_paperWidth;
    QDoubleSpinBox* m_paperHeight;
    QComboBox* m_orientation;
    QDoubleSpinBox* m_marginLeft;
    QDoubleSpinBox* m_marginTop;
    QDoubleSpinBox* m_marginRight;
    QDoubleSpinBox* m_marginBottom;
};

} // namespace printing
