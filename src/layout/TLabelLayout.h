#pragma once

#include <QPointF>
#include <QString>

// One label stock: the size of a label, how the labels stand on the sheet, and a few short codes.
// All lengths are inches from the page's top-left corner.
struct TLabelLayout
{
    QString TemplateName;
    double LabelHeight = 0;
    double LabelWidth = 0;
    int LabelsAcross = 0;
    int LabelsDown = 0;
    double TopMargin = 0;
    double LeftMargin = 0;
    double HorizontalPitch = 0;
    double VerticalPitch = 0;
    double PageWidth = 0;
    double PageHeight = 0;
    double HorizontalGutter = 0;
    double VerticalGutter = 0;
    QString PrinterType;
    QString PaperSize;
    QString LabelShape;
    QString ProductType;
    QString ArtName;

    static constexpr int TemplateNameWidth = 60;
    static constexpr int PrinterTypeWidth = 2;
    static constexpr int PaperSizeWidth = 5;
    static constexpr int LabelShapeWidth = 2;
    static constexpr int ProductTypeWidth = 25;
    static constexpr int ArtNameWidth = 12;

    // The stock the program starts with and falls back to when a document cannot be opened.
    static TLabelLayout defaultLayout();

    // Texts cut to their field widths, as every holder keeps them.
    void cutToFieldWidths();
    // The open document's copy: label size, margins, pitches and page size held in single
    // precision, the gutters in double.
    TLabelLayout documentPrecision() const;

    bool operator==(const TLabelLayout &) const = default;
};

// Printer fine-tuning, in 1/32 inch.
struct PrinterNudges
{
    int Top = 0;
    int Left = 0;
    int VerticalPitch = 0;
    int HorizontalPitch = 0;
};

// Top-left corner of the label in row r, column c (0-based), in inches from the page's corner.
QPointF labelPosition(const TLabelLayout &layout, int row, int column, const PrinterNudges &nudges = {});
// Position numbers run row by row from 1.
int positionNumber(const TLabelLayout &layout, int row, int column);
