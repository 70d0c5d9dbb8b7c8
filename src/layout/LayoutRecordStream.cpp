#include "layout/LayoutRecordStream.h"

void LayoutRecordStream::write(StreamWriter &writer, const TLabelLayout &layout)
{
    writer.writeString(layout.TemplateName);
    writer.writeFloat(layout.LabelHeight);
    writer.writeFloat(layout.LabelWidth);
    writer.writeInteger(layout.LabelsAcross);
    writer.writeInteger(layout.LabelsDown);
    writer.writeFloat(layout.TopMargin);
    writer.writeFloat(layout.LeftMargin);
    writer.writeFloat(layout.HorizontalPitch);
    writer.writeFloat(layout.VerticalPitch);
    writer.writeFloat(layout.PageWidth);
    writer.writeFloat(layout.PageHeight);
    writer.writeFloat(layout.HorizontalGutter);
    writer.writeFloat(layout.VerticalGutter);
    writer.writeString(layout.PrinterType);
    writer.writeString(layout.PaperSize);
    writer.writeString(layout.LabelShape);
    writer.writeString(layout.ProductType);
    writer.writeString(layout.ArtName);
}

TLabelLayout LayoutRecordStream::read(StreamReader &reader)
{
    TLabelLayout layout;
    layout.TemplateName = reader.readString();
    layout.LabelHeight = reader.readFloat();
    layout.LabelWidth = reader.readFloat();
    layout.LabelsAcross = reader.readInteger();
    layout.LabelsDown = reader.readInteger();
    layout.TopMargin = reader.readFloat();
    layout.LeftMargin = reader.readFloat();
    layout.HorizontalPitch = reader.readFloat();
    layout.VerticalPitch = reader.readFloat();
    layout.PageWidth = reader.readFloat();
    layout.PageHeight = reader.readFloat();
    layout.HorizontalGutter = reader.readFloat();
    layout.VerticalGutter = reader.readFloat();
    layout.PrinterType = reader.readString();
    layout.PaperSize = reader.readString();
    layout.LabelShape = reader.readString();
    layout.ProductType = reader.readString();
    layout.ArtName = reader.readString();
    layout.cutToFieldWidths();
    return layout;
}
