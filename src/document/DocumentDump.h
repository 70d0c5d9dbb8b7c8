#pragma once

#include <QByteArrayView>
#include <QString>

// A document or clipboard file as readable text: each object with the properties it stores, in
// the familiar "object Name: Class ... end" form, then the layout record's 18 values. Reads the
// file exactly as opening it does, so a StreamError means the program could not open it either.
namespace DocumentDump {
QString dump(QByteArrayView bytes);
} // namespace DocumentDump
