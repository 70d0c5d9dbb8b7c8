#pragma once

#include "document/StreamReader.h"
#include "document/StreamWriter.h"
#include "layout/TLabelLayout.h"

// The 18 tagged values of a layout record, as documents end with and the template database holds.
namespace LayoutRecordStream {
void write(StreamWriter &writer, const TLabelLayout &layout);
// Texts are cut to their field widths; a real may be stored as an integer.
TLabelLayout read(StreamReader &reader);
} // namespace LayoutRecordStream
