#include "printing/propertypanel.h"

#include "app/dialogs.h"
#include "app/guard.h"
#include "printing/designdocument.h"
#include "printing/designedits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace printing {

namespace {

// A value shown in millimetres replaces the stored one only when it was changed.
void takeMillimetres(double& units, const QDoubleSpinBox* box) {
    if (qAbs(box->value() - units / unitsPerMm) >= 0.005)
        units = box->value() * unitsPerMm;
}

void takePlain(double& mm, const QDoubleSpinBox* box) {
    if (qAbs(box->value() - mm) >= 0.005)
        mm = box->value();
}

class FocusOutFilter : public QObject {
public:
    FocusOutFilter(QObject* parent, std::function<void()> onFocusOut)
        : QObject(parent), m_onFocusOut(std::move(onFocusOut)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut)
            app::guarded(m_onFocusOut);
        return false;
    }

private:
    std::function<void()> m_onFocusOut;
};

} // namespace

QDoubleSpinBox* PropertyPanel::millimetres(const QString& name, double minimum) {
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(name);
    box->setDecimals(2);
    box->setRange(minimum, 2000);
    box->setSuffix(QStringLiteral(" mm"));
    box->setKeyboardTracking(false);
    return box;
}

PropertyPanel::PropertyPanel(DesignDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("propertyPanel"));
    auto* layout = new QVBoxLayout(this);

    m_objectBox = new QGroupBox(QStringLiteral("对象"), this);
    auto* form = new QFormLayout(m_objectBox);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("propName"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("propText"));
    m_text->setFixedHeight(64);
    m_left = millimetres(QStringLiteral("propLeft"), 0);
    m_top = millimetres(QStringLiteral("propTop"), 0);
    m_width = millimetres(QStringLiteral("propWidth"), 0.3);
    m_height = millimetres(QStringLiteral("propHeight"), 0.3);
    m_family = new QComboBox(this);
    m_family->setObjectName(QStringLiteral("propFont"));
    m_family->setEditable(true);
    m_family->addItems(
        {"Arial", "SimSun", "SimHei", "KaiTi", "Noto Sans CJK SC", "Noto Serif CJK SC", "Tahoma"});
    m_pixels = new QSpinBox(this);
    m_pixels->setObjectName(QStringLiteral("propPixels"));
    m_pixels->setRange(1, 1000);
    m_pixels->setSuffix(QStringLiteral(" px"));
    m_pixels->setKeyboardTracking(false);
    m_bold = new QCheckBox(QStringLiteral("粗体"), this);
    m_italic = new QCheckBox(QStringLiteral("斜体"), this);
    m_hAlign = new QComboBox(this);
    m_hAlign->setObjectName(QStringLiteral("propHAlign"));
    m_hAlign->addItems({QStringLiteral("左"), QStringLiteral("居中"), QStringLiteral("右")});
    m_vAlign = new QComboBox(this);
    m_vAlign->setObjectName(QStringLiteral("propVAlign"));
    m_vAlign->addItems({QStringLiteral("上"), QStringLiteral("居中"), QStringLiteral("下")});
    m_wrap = new QCheckBox(QStringLiteral("自动换行"), this);
    m_frameLeft = new QCheckBox(QStringLiteral("左"), this);
    m_frameTop = new QCheckBox(QStringLiteral("上"), this);
    m_frameRight = new QCheckBox(QStringLiteral("右"), this);
    m_frameBottom = new QCheckBox(QStringLiteral("下"), this);
    auto* styles = new QHBoxLayout;
    styles->addWidget(m_bold);
    styles->addWidget(m_italic);
    styles->addWidget(m_wrap);
    auto* frames = new QHBoxLayout;
    for (QCheckBox* side : {m_frameLeft, m_frameTop, m_frameRight, m_frameBottom})
        frames->addWidget(side);
    form->addRow(QStringLiteral("名称"), m_name);
    form->addRow(QStringLiteral("文本"), m_text);
    form->addRow(QStringLiteral("左"), m_left);
    form->addRow(QStringLiteral("上"), m_top);
    form->addRow(QStringLiteral("宽"), m_width);
    form->addRow(QStringLiteral("高"), m_height);
    form->addRow(QStringLiteral("字体"), m_family);
    form->addRow(QStringLiteral("字高"), m_pixels);
    form->addRow(styles);
    form->addRow(QStringLiteral("水平对齐"), m_hAlign);
    form->addRow(QStringLiteral("垂直对齐"), m_vAlign);
    form->addRow(QStringLiteral("边框"), frames);
    layout->addWidget(m_objectBox);

    auto* pageBox = new QGroupBox(QStringLiteral("页面"), this);
    auto* pageForm = new QFormLayout(pageBox);
    m_paperWidth = millimetres(QStringLiteral("propPaperWidth"), 10);
    m_paperHeight = millimetres(QStringLiteral("propPaperHeight"), 10);
    m_orientation = new QComboBox(this);
    m_orientation->setObjectName(QStringLiteral("propOrientation"));
    m_orientation->addItems({QStringLiteral("纵向"), QStringLiteral("横向")});
    m_marginLeft = millimetres(QStringLiteral("propMarginLeft"), 0);
    m_marginTop = millimetres(QStringLiteral("propMarginTop"), 0);
    m_marginRight = millimetres(QStringLiteral("propMarginRight"), 0);
    m_marginBottom = millimetres(QStringLiteral("propMarginBottom"), 0);
    pageForm->addRow(QStringLiteral("纸宽"), m_paperWidth);
    pageForm->addRow(QStringLiteral("纸高"), m_paperHeight);
    pageForm->addRow(QStringLiteral("方向"), m_orientation);
    pageForm->addRow(QStringLiteral("左边距"), m_marginLeft);
    pageForm->addRow(QStringLiteral("上边距"), m_marginTop);
    pageForm->addRow(QStringLiteral("右边距"), m_marginRight);
    pageForm->addRow(QStringLiteral("下边距"), m_marginBottom);
    layout->addWidget(pageBox);
    layout->addStretch(1);

    connect(m_name, &QLineEdit::editingFinished, this, app::guard([this] { applyName(); }));
    m_text->installEventFilter(new FocusOutFilter(this, [this] { commitText(); }));
    for (QDoubleSpinBox* box : {m_left, m_top, m_width, m_height})
        connect(box, &QDoubleSpinBox::valueChanged, this, app::guard([this] { applyGeometry(); }));
    connect(m_family, &QComboBox::currentTextChanged, this, app::guard([this] { applyStyle(); }));
    connect(m_pixels, &QSpinBox::valueChanged, this, app::guard([this] { applyStyle(); }));
    for (QCheckBox* box :
         {m_bold, m_italic, m_wrap, m_frameLeft, m_frameTop, m_frameRight, m_frameBottom})
        connect(box, &QCheckBox::toggled, this, app::guard([this] { applyStyle(); }));
    for (QComboBox* box : {m_hAlign, m_vAlign})
        connect(box, &QComboBox::currentIndexChanged, this, app::guard([this] { applyStyle(); }));
    for (QDoubleSpinBox* box :
         {m_paperWidth, m_paperHeight, m_marginLeft, m_marginTop, m_marginRight, m_marginBottom})
        connect(box, &QDoubleSpinBox::valueChanged, this, app::guard([this] { applyPage(); }));
    connect(m_orientation, &QComboBox::currentIndexChanged, this,
            app::guard([this] { applyPage(); }));

    connect(&m_document, &DesignDocument::changed, this, &PropertyPanel::refresh);
    connect(&m_document, &DesignDocument::selectionChanged, this, &PropertyPanel::refresh);
    refresh();
}

void PropertyPanel::refresh() {
    m_refreshing = true;
    const TextObject* o = m_document.selectedObject();
    m_objectBox->setEnabled(o != nullptr);
    if (o) {
        m_name->setText(o->name);
        if (!m_text->hasFocus())
            m_text->setPlainText(o->text);
        m_left->setValue(o->left / unitsPerMm);
        m_top->setValue(o->top / unitsPerMm);
        m_width->setValue(o->width / unitsPerMm);
        m_height->setValue(o->height / unitsPerMm);
        m_family->setCurrentText(o->fontFamily);
        m_pixels->setValue(o->fontPixelSize);
        m_bold->setChecked(o->bold);
        m_italic->setChecked(o->italic);
        m_hAlign->setCurrentIndex(int(o->hAlign));
        m_vAlign->setCurrentIndex(int(o->vAlign));
        m_wrap->setChecked(o->wordWrap);
        m_frameLeft->setChecked(o->frame.left);
        m_frameTop->setChecked(o->frame.top);
        m_frameRight->setChecked(o->frame.right);
        m_frameBottom->setChecked(o->frame.bottom);
    } else {
        m_name->clear();
        m_text->clear();
    }
    const ReportPage& page = m_document.page();
    m_paperWidth->setValue(page.paperWidthMm);
    m_paperHeight->setValue(page.paperHeightMm);
    m_orientation->setCurrentIndex(page.landscape ? 1 : 0);
    m_marginLeft->setValue(page.marginLeftMm);
    m_marginTop->setValue(page.marginTopMm);
    m_marginRight->setValue(page.marginRightMm);
    m_marginBottom->setValue(page.marginBottomMm);
    m_refreshing = false;
}

void PropertyPanel::applyName() {
    const TextObject* o = m_document.selectedObject();
    if (m_refreshing || !o || m_name->text() == o->name)
        return;
    const QString name = m_name->text();
    if (!edits::nameIsFree(m_document.report(), o, name)) {
        m_name->setText(o->name);
        app::showMessage(name.trimmed().isEmpty()
                             ? QStringLiteral("对象名称不能为空")
                             : QStringLiteral("名称 %1 已被另一个对象使用").arg(name));
        return;
    }
    const int index = m_document.selection().front();
    m_document.change(QStringLiteral("改名"), [&](ReportPage& page, std::vector<int>&) {
        page.objects[std::size_t(index)].name = name;
    });
}

void PropertyPanel::commitText() {
    const TextObject* o = m_document.selectedObject();
    if (m_refreshing || !o || m_text->toPlainText() == o->text)
        return;
    const QString text = m_text->toPlainText();
    const int index = m_document.selection().front();
    m_document.change(QStringLiteral("编辑文本"), [&](ReportPage& page, std::vector<int>&) {
        page.objects[std::size_t(index)].text = text;
    });
}

void PropertyPanel::applyGeometry() {
    if (m_refreshing || !m_document.selectedObject())
        return;
    const int index = m_document.selection().front();
    m_document.change(QStringLiteral("位置和大小"), [&](ReportPage& page, std::vector<int>&) {
        TextObject& o = page.objects[std::size_t(index)];
        takeMillimetres(o.left, m_left);
        takeMillimetres(o.top, m_top);
        takeMillimetres(o.width, m_width);
        takeMillimetres(o.height, m_height);
    });
}

void PropertyPanel::applyStyle() {
    if (m_refreshing || !m_document.selectedObject())
        return;
    const int index = m_document.selection().front();
    m_document.change(QStringLiteral("格式"), [&](ReportPage& page, std::vector<int>&) {
        TextObject& o = page.objects[std::size_t(index)];
        if (!m_family->currentText().trimmed().isEmpty())
            o.fontFamily = m_family->currentText().trimmed();
        o.fontPixelSize = m_pixels->value();
        o.bold = m_bold->isChecked();
        o.italic = m_italic->isChecked();
        o.hAlign = HAlign(m_hAlign->currentIndex());
        o.vAlign = VAlign(m_vAlign->currentIndex());
        o.wordWrap = m_wrap->isChecked();
        o.frame.left = m_frameLeft->isChecked();
        o.frame.top = m_frameTop->isChecked();
        o.frame.right = m_frameRight->isChecked();
        o.frame.bottom = m_frameBottom->isChecked();
    });
}

void PropertyPanel::applyPage() {
    if (m_refreshing)
        return;
    m_document.change(QStringLiteral("页面设置"), [&](ReportPage& page, std::vector<int>&) {
        const double width = page.paperWidthMm, height = page.paperHeightMm;
        takePlain(page.paperWidthMm, m_paperWidth);
        takePlain(page.paperHeightMm, m_paperHeight);
        if (page.paperWidthMm != width || page.paperHeightMm != height)
            page.paperCode = 256;
        page.landscape = m_orientation->currentIndex() == 1;
        takePlain(page.marginLeftMm, m_marginLeft);
        takePlain(page.marginTopMm, m_marginTop);
        takePlain(page.marginRightMm, m_marginRight);
        takePlain(page.marginBottomMm, m_marginBottom);
    });
}

} // namespace printing
