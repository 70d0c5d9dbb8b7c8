#pragma once

#include "objects/text/TGBaseLabel.h"

// The plain single-line text object: a caption the user types, sized to its text.
class TGPLabel : public TGBaseLabel
{
public:
    static QByteArray staticClassName() { return QByteArrayLiteral("TGPLabel"); }
    QByteArray className() const override { return staticClassName(); }

    void Loaded() override;
    bool ShowFontDialog() override;
    void PrepareNewObject(const Font &panelFont) override;
    bool EditNewObject() override;

    // Opens the text dialog; on Ok the caption takes the text and the box grows to it.
    void EditText();
    virtual void EditObject();
};
