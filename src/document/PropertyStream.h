#pragma once

#include <QByteArray>

#include "document/StreamReader.h"
#include "document/StreamWriter.h"
#include "platform/Persistent.h"

// Streams published properties by name, generic over any class's property table.
namespace PropertyStream {

// Writes the properties that differ from their stream defaults, in table order; nested fonts, pens
// and brushes as dotted names.
void writeProperties(StreamWriter &writer, const Persistent &object);

// Reads one property (name and value) into the object; a name the object does not publish or a
// value of the wrong kind is a StreamError.
void readProperty(StreamReader &reader, Persistent &object);

// True when the property would be written.
bool isStored(const PropertyInfo &info, const Persistent &object);

} // namespace PropertyStream
