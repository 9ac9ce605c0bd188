#include "printing/templatedesigner.h"

#include "app/dialogs.h"
#include "app/guard.h"
#include "printing/designcanvas.h"
#include "printing/designdocument.h"
#include "printing/designedits.h"
#include "printing/propertypanel.h"
#include "printing/reportpreview.h"
#include "printing/templatefile.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

namespace printing {

namespace {

enum EditKind {
    AddText,
    Delete,
    Duplicate,
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    SameSize
};

QString sampleFor(const QString& name) {
    static const std::pair<const char*, const char*> samples[] = {{"edtno", "0000000001"},
                                                                  {"edtzyno", "0000000001"},
                                                                  {"edtname", "张三"},
                                                                  {"edtzyname", "张三"},
                                                                  {"edtdate", "2016年07月06日"},
                                                                  {"dtpzyrq", "2016年07月01日"},
                                                                  {"dtpcyrq", "2016年07月06日"},
                                                                  {"dtpjsrq", "2016年07月06日"},
                                                                  {"edtzyh", "Z0001"},
                                                                  {"edtzydw", "红星机械厂"},
                                                                  {"edtzyts", "5"},
                                                                  {"zffs", "现金"},
                                                                  {"jsy", "王五"},
                                                                  {"edthj", "12.50"},
                                                                  {"edthjdx", "壹拾贰元伍角"}};
    for (const auto& [object, text] : samples)
        if (sameObjectName(name, QLatin1String(object)))
            return QString::fromUtf8(text);
    return QStringLiteral("12.50"); // every other filled object holds an amount
}

} // namespace

TemplateDesigner::TemplateDesigner(Report report, const QString& fileName, QStringList filledNames,
                                   QWidget* parent)
    : QDialog(parent), m_document(new DesignDocument(std::move(report), fileName, this)),
      m_filledNames(std::move(filledNames)) {
    setObjectName(QStringLiteral("frxDesigner"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(true);
    resize(1100, 720);

    m_canvas = new DesignCanvas(*m_document);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_canvas);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_properties = new PropertyPanel(*m_document, this);
    m_properties->setFixedWidth(300);
    m_missing = new QLabel(this);
    m_missing->setObjectName(QStringLiteral("missingNames"));
    m_missing->setWordWrap(true);

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("designerToolbar"));
    auto add = [&](const QString& name, const QString& text, const QKeySequence& keys,
                   auto handler) {
        QAction* action = toolbar->addAction(text);
        action->setObjectName(name);
        if (!keys.isEmpty())
            action->setShortcut(keys);
        connect(action, &QAction::triggered, this, app::guard(handler));
        return action;
    };
    add("actSave", "保存", QKeySequence::Save, [this] { save(); });
    add("actSaveAs", "另存为", QKeySequence::SaveAs, [this] { saveAs(); });
    toolbar->addSeparator();
    QAction* undo = m_document->undoStack().createUndoAction(this, QStringLiteral("撤销"));
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcut(QKeySequence::Undo);
    toolbar->addAction(undo);
    QAction* redo = m_document->undoStack().createRedoAction(this, QStringLiteral("重做"));
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcut(QKeySequence::Redo);
    toolbar->addAction(redo);
    toolbar->addSeparator();
    add("actAddText", "添加文本", {}, [this] { editSelection("添加文本", AddText); });
    add("actDuplicate", "复制", QKeySequence(Qt::CTRL | Qt::Key_D),
        [this] { editSelection("复制", Duplicate); });
    add("actDelete", "删除", {}, [this] { editSelection("删除", Delete); });
    toolbar->addSeparator();
    add("actAlignLeft", "左对齐", {}, [this] { editSelection("左对齐", AlignLeft); });
    add("actAlignRight", "右对齐", {}, [this] { editSelection("右对齐", AlignRight); });
    add("actAlignTop", "顶端对齐", {}, [this] { editSelection("顶端对齐", AlignTop); });
    add("actAlignBottom", "底端对齐", {}, [this] { editSelection("底端对齐", AlignBottom); });
    add("actSameSize", "同样大小", {}, [this] { editSelection("同样大小", SameSize); });
    toolbar->addSeparator();
    QAction* snap = add("actSnap", "对齐网格", {}, [this] {});
    snap->setCheckable(true);
    snap->setChecked(true);
    connect(snap, &QAction::toggled, this, [this](bool on) { m_canvas->setSnapToGrid(on); });
    add("actZoomIn", "放大", QKeySequence::ZoomIn,
        [this] { m_canvas->setZoom(m_canvas->zoom() * 1.25); });
    add("actZoomOut", "缩小", QKeySequence::ZoomOut,
        [this] { m_canvas->setZoom(m_canvas->zoom() / 1.25); });
    add("actZoom100", "100%", {}, [this] { m_canvas->setZoom(1.0); });
    toolbar->addSeparator();
    add("actPreview", "预览", {}, [this] { preview(); });
    add("actClose", "关闭", {}, [this] { reject(); });

    auto* body = new QHBoxLayout;
    body->addWidget(m_scroll, 1);
    body->addWidget(m_properties);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(toolbar);
    layout->addLayout(body, 1);
    layout->addWidget(m_missing);

    connect(&m_document->undoStack(), &QUndoStack::cleanChanged, this, [this] { updateTitle(); });
    connect(m_document, &DesignDocument::changed, this, [this] {
        updateTitle();
        updateMissingNames();
    });
    updateTitle();
    updateMissingNames();
    m_canvas->setFocus();
}

TemplateDesigner::~TemplateDesigner() = default;

void TemplateDesigner::updateTitle() {
    const QString name = m_document->fileName().isEmpty()
                             ? QStringLiteral("未命名")
                             : QFileInfo(m_document->fileName()).fileName();
    setWindowTitle(
        QStringLiteral("报表设计 - %1%2").arg(name, m_document->isModified() ? "*" : ""));
}

void TemplateDesigner::updateMissingNames() {
    if (m_filledNames.isEmpty()) {
        m_missing->clear();
        return;
    }
    const QStringList missing = edits::missingNames(m_document->report(), m_filledNames);
    m_missing->setText(missing.isEmpty()
                           ? QStringLiteral("程序填写的 %1 个对象齐全。").arg(m_filledNames.size())
                           : QStringLiteral("打印时程序要填写、模板中却没有的对象：%1")
                                 .arg(missing.join(QStringLiteral("、"))));
    m_missing->setStyleSheet(missing.isEmpty() ? QString() : QStringLiteral("color: #b00020;"));
}

void TemplateDesigner::editSelection(const QString& what, int kind) {
    m_properties->commitText();
    m_document->change(what, [&](ReportPage& page, std::vector<int>& selection) {
        switch (kind) {
        case AddText:
            selection = {edits::addText(page, m_document->report(), 8, 8)};
            break;
        case Delete:
            edits::remove(page, selection);
            selection.clear();
            break;
        case Duplicate:
            selection = edits::duplicate(page, m_document->report(), selection, 8);
            break;
        case AlignLeft:
            edits::align(page, selection, edits::Edge::Left);
            break;
        case AlignRight:
            edits::align(page, selection, edits::Edge::Right);
            break;
        case AlignTop:
            edits::align(page, selection, edits::Edge::Top);
            break;
        case AlignBottom:
            edits::align(page, selection, edits::Edge::Bottom);
            break;
        case SameSize:
            edits::sameSize(page, selection);
            break;
        }
    });
}

bool TemplateDesigner::save() {
    m_properties->commitText();
    if (m_document->fileName().isEmpty())
        return saveAs();
    writeTemplateFile(m_document->report(), m_document->fileName());
    m_document->markSaved();
    updateTitle();
    return true;
}

bool TemplateDesigner::saveAs() {
    m_properties->commitText();
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("保存报表模板"), m_document->fileName(),
                                     QStringLiteral("报表模板 (*.fr3)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".fr3"), Qt::CaseInsensitive))
        path += QStringLiteral(".fr3");
    writeTemplateFile(m_document->report(), path);
    m_document->setFileName(path);
    m_document->markSaved();
    updateTitle();
    return true;
}

Report TemplateDesigner::withSampleValues(Report report, const QStringList& filledNames) {
    for (const QString& name : filledNames)
        if (TextObject* object = report.findObject(name))
            object->text = sampleFor(name);
    return report;
}

void TemplateDesigner::preview() {
    m_properties->commitText();
    ReportPreview preview(withSampleValues(m_document->report(), m_filledNames));
    preview.exec();
}

void TemplateDesigner::done(int result) {
    m_properties->commitText();
    if (m_document->isModified()) {
        const QString name = m_document->fileName().isEmpty()
                                 ? QStringLiteral("未命名的报表")
                                 : QFileInfo(m_document->fileName()).fileName();
        QMessageBox box(QMessageBox::Question, app::applicationTitle(),
                        QStringLiteral("%1 已修改，是否保存?").arg(name),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        const int answer = box.exec();
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes) {
            bool saved = false;
            app::guarded([&] { saved = save(); });
            if (!saved)
                return;
        }
    }
    QDialog::done(result);
}

} // namespace printing
