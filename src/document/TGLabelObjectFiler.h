#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <vector>

#include "document/StreamReader.h"
#include "document/StreamWriter.h"
#include "layout/TLabelLayout.h"

class DesignSurface;
class TGGraphicControl;

// Writes and reads label documents, the clipboard file and clones. Read errors are StreamErrors;
// the objects completed before an error stay on the surface without their Loaded call.
class TGLabelObjectFiler
{
public:
    void SaveDocument(const DesignSurface &panel, const QString &path, const TLabelLayout &layout);
    // A missing file changes nothing. The layout is only replaced when all of it was read.
    void LoadDocument(DesignSurface &panel, TLabelLayout &layout, const QString &path);
    // An empty selection leaves the clipboard file untouched.
    void WriteSelection(const std::vector<TGGraphicControl *> &selection, const QString &path);
    void WriteObject(const TGGraphicControl &object, const QString &path);
    // Pasted objects land 15 pixels right of and below their stored place.
    void ReadObjects(DesignSurface &panel, const QString &path);
    TGGraphicControl *CloneObject(const TGGraphicControl &object, DesignSurface &panel);

    // The same forms in memory.
    static QByteArray documentBytes(const DesignSurface &panel, const TLabelLayout &layout);
    static QByteArray objectListBytes(const std::vector<const TGGraphicControl *> &objects);
    void readDocument(QByteArrayView bytes, DesignSurface &panel, TLabelLayout &layout);
    std::vector<TGGraphicControl *> readObjectList(StreamReader &reader, DesignSurface &panel);

    static void writeObjectRecord(StreamWriter &writer, const TGGraphicControl &object);

private:
    TGGraphicControl *readObjectRecord(StreamReader &reader, DesignSurface &panel);

    bool PasteOffset = false;
};
