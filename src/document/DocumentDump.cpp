#include "document/DocumentDump.h"

#include <QTextStream>

#include "design/DesignSurface.h"
#include "design/TGGraphicControl.h"
#include "document/PropertyStream.h"
#include "document/StreamReader.h"
#include "document/TGLabelObjectFiler.h"
#include "layout/LayoutRecordStream.h"
#include "platform/Color.h"
#include "platform/Cursor.h"

namespace {

QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

QString ordinalText(const PropertyInfo &info, qint64 value)
{
    switch (info.kind) {
    case PropertyKind::Boolean:
    case PropertyKind::Enumeration:
        if (value >= 0 && value < qint64(info.names.size()))
            return QString::fromLatin1(info.names[std::size_t(value)]);
        return QString::number(value);
    case PropertyKind::Color:
        if (const auto ident = colorToIdent(TColor(value)))
            return QString::fromLatin1(*ident);
        return QStringLiteral("$%1").arg(quint32(value), 8, 16, QLatin1Char('0')).toUpper();
    case PropertyKind::Cursor:
        if (const auto ident = cursorToIdent(TCursor(value)))
            return QString::fromLatin1(*ident);
        return QString::number(value);
    case PropertyKind::Set: {
        QStringList members;
        for (std::size_t i = 0; i < info.names.size(); ++i) {
            if (value & (qint64(1) << i))
                members.append(QString::fromLatin1(info.names[i]));
        }
        return QLatin1Char('[') + members.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    default:
        return QString::number(value);
    }
}

void dumpProperties(QTextStream &out, const Persistent &object, const QString &prefix)
{
    for (const PropertyInfo &info : object.publishedProperties()) {
        if (!PropertyStream::isStored(info, object))
            continue;
        const QString name = prefix + QString::fromLatin1(info.name);
        if (info.isOrdinal()) {
            out << "  " << name << " = " << ordinalText(info, info.getOrdinal(object)) << '\n';
            continue;
        }
        switch (info.kind) {
        case PropertyKind::Float:
            out << "  " << name << " = " << QString::number(info.getFloat(object), 'g', 17) << '\n';
            break;
        case PropertyKind::String:
            out << "  " << name << " = " << quoted(info.getString(object)) << '\n';
            break;
        case PropertyKind::StringList:
            out << "  " << name << ".Strings = (\n";
            for (const QString &line : info.getStrings(object))
                out << "    " << quoted(line) << '\n';
            out << "  )\n";
            break;
        case PropertyKind::Binary:
            out << "  " << name << ".Data = {" << info.getBinary(object).size() << " bytes}\n";
            break;
        case PropertyKind::Nested:
            dumpProperties(out, *info.nested(const_cast<Persistent &>(object)), name + QLatin1Char('.'));
            break;
        default:
            break;
        }
    }
}

void dumpLayout(QTextStream &out, const TLabelLayout &layout)
{
    const auto real = [](double value) { return QString::number(value, 'g', 17); };
    out << "layout\n";
    out << "  TemplateName = " << quoted(layout.TemplateName) << '\n';
    out << "  LabelHeight = " << real(layout.LabelHeight) << '\n';
    out << "  LabelWidth = " << real(layout.LabelWidth) << '\n';
    out << "  LabelsAcross = " << layout.LabelsAcross << '\n';
    out << "  LabelsDown = " << layout.LabelsDown << '\n';
    out << "  TopMargin = " << real(layout.TopMargin) << '\n';
    out << "  LeftMargin = " << real(layout.LeftMargin) << '\n';
    out << "  HorizontalPitch = " << real(layout.HorizontalPitch) << '\n';
    out << "  VerticalPitch = " << real(layout.VerticalPitch) << '\n';
    out << "  PageWidth = " << real(layout.PageWidth) << '\n';
    out << "  PageHeight = " << real(layout.PageHeight) << '\n';
    out << "  HorizontalGutter = " << real(layout.HorizontalGutter) << '\n';
    out << "  VerticalGutter = " << real(layout.VerticalGutter) << '\n';
    out << "  PrinterType = " << quoted(layout.PrinterType) << '\n';
    out << "  PaperSize = " << quoted(layout.PaperSize) << '\n';
    out << "  LabelShape = " << quoted(layout.LabelShape) << '\n';
    out << "  ProductType = " << quoted(layout.ProductType) << '\n';
    out << "  ArtName = " << quoted(layout.ArtName) << '\n';
    out << "end\n";
}

} // namespace

QString DocumentDump::dump(QByteArrayView bytes)
{
    DesignSurface surface;
    StreamReader reader(bytes);
    TGLabelObjectFiler().readObjectList(reader, surface);
    // A clipboard file ends after its objects; a document goes on with its layout.
    std::optional<TLabelLayout> layout;
    if (!reader.atEnd()) {
        reader.readListBegin();
        layout = LayoutRecordStream::read(reader);
        reader.readListEnd();
    }

    QString text;
    QTextStream out(&text);
    for (int i = 0; i < surface.objectCount(); ++i) {
        const TGGraphicControl &object = *surface.objectAt(i);
        out << "object " << object.name() << ": " << QString::fromLatin1(object.className()) << '\n';
        dumpProperties(out, object, {});
        out << "end\n";
    }
    if (layout)
        dumpLayout(out, *layout);
    out.flush();
    return text;
}
