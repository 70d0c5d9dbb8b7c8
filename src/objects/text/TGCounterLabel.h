#pragma once

#include "objects/text/TGBaseLabel.h"

// A single-line text object showing a serial number between two fixed texts. Over a print run the
// number starts at Startingnumber and goes up by one every RepeatEach printed labels.
class TGCounterLabel : public TGBaseLabel
{
public:
    TGCounterLabel();

    static QByteArray staticClassName() { return QByteArrayLiteral("TGCounterLabel"); }
    QByteArray className() const override { return staticClassName(); }
    const PropertyTable &publishedProperties() const override;

    // The caption for a value: at least leadingZeros digits, zero-padded after any minus sign.
    static QString counterText(const QString &before, int value, const QString &after, int leadingZeros);

    QString textBefore() const { return m_textBefore; }
    void setTextBefore(const QString &text);
    QString textAfter() const { return m_textAfter; }
    void setTextAfter(const QString &text);
    // A changed start number restarts the count.
    int startingNumber() const { return m_startingNumber; }
    void setStartingNumber(int number);
    int repeatEach() const { return m_repeatEach; }
    void setRepeatEach(int count);
    int leadingZeros() const { return m_leadingZeros; }
    void setLeadingZeros(int digits);
    int currentValue() const { return m_currentValue; }
    int repeatCount() const { return m_repeatCount; }

    void UpdateCounterCaption();

    void Loaded() override;
    void Paint() override;
    void PrepareForPrinting() override;
    void AdvanceAfterLabel() override;
    void PrepareNewObject(const Font &panelFont) override;
    bool EditNewObject() override;

    // Opens the counter dialog; on Ok applies it and grows an upright box to the new text.
    void ShowCounterSettings();

private:
    int m_startingNumber = 1;
    int m_repeatEach = 1;
    QString m_textBefore;
    QString m_textAfter;
    int m_currentValue = 1;
    int m_repeatCount = 0;
    int m_leadingZeros = 0;
};
