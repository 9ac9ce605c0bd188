#include "printing/templatefile.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>
#include <optional>

namespace printing {

namespace {

const QString rootElement = QStringLiteral("cashier-report");

QString number(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString hAlignName(HAlign a) {
    switch (a) {
    case HAlign::Left:
        return QStringLiteral("left");
    case HAlign::Centre:
        return QStringLiteral("centre");
    case HAlign::Right:
        return QStringLiteral("right");
    }
    return {};
}

QString vAlignName(VAlign a) {
    switch (a) {
    case VAlign::Top:
        return QStringLiteral("top");
    case VAlign::Centre:
        return QStringLiteral("centre");
    case VAlign::Bottom:
        return QStringLiteral("bottom");
    }
    return {};
}

QString frameSides(const Frame& f) {
    QStringList sides;
    if (f.left)
        sides << QStringLiteral("left");
    if (f.top)
        sides << QStringLiteral("top");
    if (f.right)
        sides << QStringLiteral("right");
    if (f.bottom)
        sides << QStringLiteral("bottom");
    return sides.join(QLatin1Char(' '));
}

// Characters XML 1.0 cannot hold are left out of a saved text.
QString xmlSafe(const QString& text) {
    QString safe;
    safe.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 || u == u'\n' || u == u'\t')
            safe.append(c);
        else if (u == u'\r')
            continue;
    }
    return safe;
}

// Reads one element's attributes, reporting faults with the file, line and attribute.
class Attributes {
public:
    Attributes(const QXmlStreamReader& reader, const QString& source)
        : m_attributes(reader.attributes()), m_source(source), m_line(reader.lineNumber()),
          m_element(reader.name().toString()) {}

    [[noreturn]] void fail(const QString& what) const {
        throw TemplateError(
            QStringLiteral("%1, line %2: <%3> %4").arg(m_source).arg(m_line).arg(m_element, what));
    }

    bool has(const QString& name) const { return m_attributes.hasAttribute(name); }

    QString text(const QString& name, const QString& fallback = {}) const {
        return has(name) ? m_attributes.value(name).toString() : fallback;
    }

    QString required(const QString& name) const {
        if (!has(name))
            fail(QStringLiteral("lacks the attribute %1").arg(name));
        return text(name);
    }

    double number(const QString& name, std::optional<double> fallback, bool nonNegative) const {
        if (!has(name)) {
            if (!fallback)
                fail(QStringLiteral("lacks the attribute %1").arg(name));
            return *fallback;
        }
        bool ok = false;
        const QString raw = text(name);
        const double value = QLocale::c().toDouble(raw, &ok);
        if (!ok || !std::isfinite(value))
            fail(QStringLiteral("has %1=\"%2\", which is not a number").arg(name, raw));
        if (nonNegative && value < 0)
            fail(QStringLiteral("has %1=\"%2\", which is below zero").arg(name, raw));
        return value;
    }

    int whole(const QString& name, int fallback, int minimum, int maximum) const {
        if (!has(name))
            return fallback;
        bool ok = false;
        const QString raw = text(name);
        const int value = raw.toInt(&ok);
        if (!ok || value < minimum || value > maximum)
            fail(QStringLiteral("has %1=\"%2\", which is not a whole number from %3 to %4")
                     .arg(name, raw)
                     .arg(minimum)
                     .arg(maximum));
        return value;
    }

    bool flag(const QString& name, bool fallback) const {
        if (!has(name))
            return fallback;
        const QString raw = text(name);
        if (raw == QLatin1String("true"))
            return true;
        if (raw == QLatin1String("false"))
            return false;
        fail(QStringLiteral("has %1=\"%2\", which is neither true nor false").arg(name, raw));
    }

    template <typename Enum>
    Enum choice(const QString& name, Enum fallback,
                std::initializer_list<std::pair<const char*, Enum>> options) const {
        if (!has(name))
            return fallback;
        const QString raw = text(name);
        for (const auto& [word, value] : options)
            if (raw == QLatin1String(word))
                return value;
        fail(QStringLiteral("has %1=\"%2\", which is not a known value").arg(name, raw));
    }

private:
    QXmlStreamAttributes m_attributes;
    QString m_source;
    qint64 m_line;
    QString m_element;
};

TextObject readText(QXmlStreamReader& reader, const QString& source) {
    const Attributes a(reader, source);
    TextObject object;
    object.name = a.required(QStringLiteral("name"));
    if (object.name.isEmpty())
        a.fail(QStringLiteral("has an empty name"));
    object.left = a.number(QStringLiteral("left"), std::nullopt, false);
    object.top = a.number(QStringLiteral("top"), std::nullopt, false);
    object.width = a.number(QStringLiteral("width"), std::nullopt, true);
    object.height = a.number(QStringLiteral("height"), std::nullopt, true);
    object.fontFamily = a.text(QStringLiteral("font-family"), object.fontFamily);
    object.fontPixelSize = a.whole(QStringLiteral("font-size"), object.fontPixelSize, 1, 1000);
    object.bold = a.flag(QStringLiteral("bold"), false);
    object.italic = a.flag(QStringLiteral("italic"), false);
    const QString colour = a.text(QStringLiteral("color"), QStringLiteral("#000000"));
    object.color = QColor::fromString(colour);
    if (!object.color.isValid())
        a.fail(QStringLiteral("has color=\"%1\", which is not a colour").arg(colour));
    object.hAlign = a.choice<HAlign>(
        QStringLiteral("halign"), HAlign::Left,
        {{"left", HAlign::Left}, {"centre", HAlign::Centre}, {"right", HAlign::Right}});
    object.vAlign = a.choice<VAlign>(
        QStringLiteral("valign"), VAlign::Top,
        {{"top", VAlign::Top}, {"centre", VAlign::Centre}, {"bottom", VAlign::Bottom}});
    object.wordWrap = a.flag(QStringLiteral("word-wrap"), true);
    const QString sides = a.text(QStringLiteral("frame"));
    for (const QString& side : sides.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (side == QLatin1String("left"))
            object.frame.left = true;
        else if (side == QLatin1String("top"))
            object.frame.top = true;
        else if (side == QLatin1String("right"))
            object.frame.right = true;
        else if (side == QLatin1String("bottom"))
            object.frame.bottom = true;
        else
            a.fail(QStringLiteral("has frame=\"%1\", which names no side").arg(sides));
    }
    object.frame.width = a.number(QStringLiteral("frame-width"), 1.0, true);
    object.text = reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    return object;
}

ReportPage readPage(QXmlStreamReader& reader, const QString& source) {
    const Attributes a(reader, source);
    ReportPage page;
    page.paperWidthMm = a.number(QStringLiteral("paper-width"), std::nullopt, true);
    page.paperHeightMm = a.number(QStringLiteral("paper-height"), std::nullopt, true);
    if (page.paperWidthMm <= 0 || page.paperHeightMm <= 0)
        a.fail(QStringLiteral("has an empty paper size"));
    page.paperCode = a.whole(QStringLiteral("paper-code"), 256, 0, 1 << 20);
    page.landscape = a.choice<bool>(QStringLiteral("orientation"), false,
                                    {{"portrait", false}, {"landscape", true}});
    page.marginLeftMm = a.number(QStringLiteral("margin-left"), 0.0, true);
    page.marginTopMm = a.number(QStringLiteral("margin-top"), 0.0, true);
    page.marginRightMm = a.number(QStringLiteral("margin-right"), 0.0, true);
    page.marginBottomMm = a.number(QStringLiteral("margin-bottom"), 0.0, true);

    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("text"))
            Attributes(reader, source).fail(QStringLiteral("is not a known object kind"));
        page.objects.push_back(readText(reader, source));
    }
    return page;
}

} // namespace

Report parseTemplate(const QByteArray& xml, const QString& source) {
    QXmlStreamReader reader(xml);
    Report report;
    if (!reader.readNextStartElement() || reader.name() != rootElement) {
        if (reader.hasError())
            throw TemplateError(QStringLiteral("%1 is not a readable template: %2 (line %3)")
                                    .arg(source, reader.errorString())
                                    .arg(reader.lineNumber()));
        throw TemplateError(QStringLiteral("%1 is not a receipt template: it has no <%2> element")
                                .arg(source, rootElement));
    }
    const Attributes root(reader, source);
    const QString version = root.required(QStringLiteral("version"));
    if (version != QString::number(templateFormatVersion))
        root.fail(QStringLiteral("has version \"%1\"; this program reads version %2")
                      .arg(version)
                      .arg(templateFormatVersion));
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("page"))
            Attributes(reader, source).fail(QStringLiteral("is not expected here"));
        report.pages.push_back(readPage(reader, source));
    }
    // Anything after the root, or a document that ended early, is a fault too.
    while (!reader.atEnd() && !reader.hasError())
        reader.readNext();
    if (reader.hasError())
        throw TemplateError(QStringLiteral("%1 is not a readable template: %2 (line %3)")
                                .arg(source, reader.errorString())
                                .arg(reader.lineNumber()));
    return report;
}

QByteArray serializeTemplate(const Report& report) {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    writer.writeStartElement(rootElement);
    writer.writeAttribute(QStringLiteral("version"), QString::number(templateFormatVersion));
    for (const ReportPage& page : report.pages) {
        writer.writeStartElement(QStringLiteral("page"));
        writer.writeAttribute(QStringLiteral("paper-width"), number(page.paperWidthMm));
        writer.writeAttribute(QStringLiteral("paper-height"), number(page.paperHeightMm));
        writer.writeAttribute(QStringLiteral("paper-code"), QString::number(page.paperCode));
        writer.writeAttribute(QStringLiteral("orientation"), page.landscape
                                                                 ? QStringLiteral("landscape")
                                                                 : QStringLiteral("portrait"));
        writer.writeAttribute(QStringLiteral("margin-left"), number(page.marginLeftMm));
        writer.writeAttribute(QStringLiteral("margin-top"), number(page.marginTopMm));
        writer.writeAttribute(QStringLiteral("margin-right"), number(page.marginRightMm));
        writer.writeAttribute(QStringLiteral("margin-bottom"), number(page.marginBottomMm));
        for (const TextObject& o : page.objects) {
            writer.writeStartElement(QStringLiteral("text"));
            writer.writeAttribute(QStringLiteral("name"), xmlSafe(o.name));
            writer.writeAttribute(QStringLiteral("left"), number(o.left));
            writer.writeAttribute(QStringLiteral("top"), number(o.top));
            writer.writeAttribute(QStringLiteral("width"), number(o.width));
            writer.writeAttribute(QStringLiteral("height"), number(o.height));
            writer.writeAttribute(QStringLiteral("font-family"), xmlSafe(o.fontFamily));
            writer.writeAttribute(QStringLiteral("font-size"), QString::number(o.fontPixelSize));
            writer.writeAttribute(QStringLiteral("bold"), o.bold ? "true" : "false");
            writer.writeAttribute(QStringLiteral("italic"), o.italic ? "true" : "false");
            writer.writeAttribute(QStringLiteral("color"), o.color.name(QColor::HexRgb));
            writer.writeAttribute(QStringLiteral("halign"), hAlignName(o.hAlign));
            writer.writeAttribute(QStringLiteral("valign"), vAlignName(o.vAlign));
            writer.writeAttribute(QStringLiteral("word-wrap"), o.wordWrap ? "true" : "false");
            writer.writeAttribute(QStringLiteral("frame"), frameSides(o.frame));
            writer.writeAttribute(QStringLiteral("frame-width"), number(o.frame.width));
            writer.writeCharacters(xmlSafe(o.text));
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

Report readTemplateFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TemplateError(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
    return parseTemplate(file.readAll(), path);
}

void writeTemplateFile(const Report& report, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw TemplateError(
            QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
    file.write(serializeTemplate(report));
    if (!file.commit())
        throw TemplateError(
            QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
}

} // namespace printing
