#pragma once

#include "objects/text/TGMultiLineBaseLabel.h"

// The multi-line text object of the drawing tool: adds editing the lines and the wrap switch.
class TGMultiLineLabel : public TGMultiLineBaseLabel
{
public:
    static QByteArray staticClassName() { return QByteArrayLiteral("TGMultiLineLabel"); }
    QByteArray className() const override { return staticClassName(); }

    // Opens the editor; true when the lines were taken.
    bool EditLines();

    void Loaded() override;
    void PopupOpening() override;
    void PrepareNewObject(const Font &panelFont) override;
    bool EditNewObject() override;

private:
    MenuItem *m_wordWrapItem = nullptr;
};
