#include "document/TGLabelObjectFiler.h"

#include "design/DesignSurface.h"
#include "design/TGGraphicControl.h"
#include "document/FileBytes.h"
#include "document/ObjectClassRegistry.h"
#include "document/PropertyStream.h"
#include "layout/LayoutRecordStream.h"
#include "platform/AnsiText.h"

void TGLabelObjectFiler::writeObjectRecord(StreamWriter &writer, const TGGraphicControl &object)
{
    writer.writeSignature();
    writer.writeShortString(object.className());
    writer.writeShortString(toAnsi(object.name()));
    PropertyStream::writeProperties(writer, object);
    writer.writeListEnd(); // properties
    writer.writeListEnd(); // child components: label objects have none
}

QByteArray TGLabelObjectFiler::objectListBytes(const std::vector<const TGGraphicControl *> &objects)
{
    StreamWriter writer;
    writer.writeListBegin();
    for (const TGGraphicControl *object : objects)
        writeObjectRecord(writer, *object);
    writer.writeListEnd();
    return writer.bytes();
}

QByteArray TGLabelObjectFiler::documentBytes(const DesignSurface &panel, const TLabelLayout &layout)
{
    StreamWriter writer;
    writer.writeListBegin();
    for (int i = 0; i < panel.objectCount(); ++i)
        writeObjectRecord(writer, *panel.objectAt(i));
    writer.writeListEnd();
    writer.writeListBegin();
    LayoutRecordStream::write(writer, layout);
    writer.writeListEnd();
    return writer.bytes();
}

void TGLabelObjectFiler::SaveDocument(const DesignSurface &panel, const QString &path,
                                      const TLabelLayout &layout)
{
    saveFileBytes(path, documentBytes(panel, layout));
}

TGGraphicControl *TGLabelObjectFiler::readObjectRecord(StreamReader &reader, DesignSurface &panel)
{
    reader.readSignature();
    const QByteArray className = reader.readShortString();
    const QByteArray streamName = reader.readShortString();
    std::unique_ptr<TGGraphicControl> created = ObjectClassRegistry::create(className);
    if (!created)
        throw StreamError::classNotFound(fromAnsi(className));
    created->setLoading(true);
    const QString freeName = panel.uniqueObjectName(QStringLiteral("Component"), 0, 1000);
    created->setName(freeName.isEmpty() ? fromAnsi(streamName) : freeName);
    TGGraphicControl *object = panel.addObject(std::move(created));
    try {
        while (!reader.endOfList())
            PropertyStream::readProperty(reader, *object);
        reader.readListEnd();
        if (!reader.endOfList())
            throw StreamError::invalidFormat();
        reader.readListEnd();
    } catch (...) {
        // A half-read object does not stay.
        panel.deleteObject(*object);
        throw;
    }
    if (PasteOffset) {
        object->setTop(object->top() + 15);
        object->setLeft(object->left() + 15);
    }
    return object;
}

std::vector<TGGraphicControl *> TGLabelObjectFiler::readObjectList(StreamReader &reader, DesignSurface &panel)
{
    std::vector<TGGraphicControl *> read;
    try {
        reader.readListBegin();
        while (!reader.endOfList())
            read.push_back(readObjectRecord(reader, panel));
        reader.readListEnd();
    } catch (...) {
        // The objects stay, without their set-up, but behave as placed objects from now on.
        for (TGGraphicControl *object : read)
            object->setLoading(false);
        throw;
    }
    for (TGGraphicControl *object : read)
        object->Loaded();
    return read;
}

void TGLabelObjectFiler::readDocument(QByteArrayView bytes, DesignSurface &panel, TLabelLayout &layout)
{
    StreamReader reader(bytes);
    readObjectList(reader, panel);
    reader.readListBegin();
    const TLabelLayout read = LayoutRecordStream::read(reader);
    reader.readListEnd();
    layout = read;
}

void TGLabelObjectFiler::LoadDocument(DesignSurface &panel, TLabelLayout &layout, const QString &path)
{
    const FileBytes file(path);
    if (!file.isOpen())
        return;
    readDocument(file.bytes(), panel, layout);
}

void TGLabelObjectFiler::WriteSelection(const std::vector<TGGraphicControl *> &selection, const QString &path)
{
    if (selection.empty())
        return;
    saveFileBytes(path, objectListBytes({selection.begin(), selection.end()}));
}

void TGLabelObjectFiler::WriteObject(const TGGraphicControl &object, const QString &path)
{
    saveFileBytes(path, objectListBytes({&object}));
}

void TGLabelObjectFiler::ReadObjects(DesignSurface &panel, const QString &path)
{
    const FileBytes file(path);
    if (!file.isOpen())
        return;
    StreamReader reader(file.bytes());
    PasteOffset = true;
    try {
        readObjectList(reader, panel);
    } catch (...) {
        PasteOffset = false;
        throw;
    }
    PasteOffset = false;
}

TGGraphicControl *TGLabelObjectFiler::CloneObject(const TGGraphicControl &object, DesignSurface &panel)
{
    const QByteArray bytes = objectListBytes({&object});
    StreamReader reader(bytes);
    const std::vector<TGGraphicControl *> read = readObjectList(reader, panel);
    return read.empty() ? nullptr : read.front();
}
