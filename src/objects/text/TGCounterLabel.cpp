#include "objects/text/TGCounterLabel.h"

#include "objects/text/TGetCounter.h"

TGCounterLabel::TGCounterLabel()
{
    m_currentValue = m_startingNumber;
    m_repeatCount = 0;
}

const PropertyTable &TGCounterLabel::publishedProperties() const
{
    using namespace Published;
    using Self = TGCounterLabel;
    static const PropertyTable table = inheritProperties(
        baseLabelProperties(), {
                                   string("TextBefore", &Self::textBefore, &Self::setTextBefore),
                                   string("TextAfter", &Self::textAfter, &Self::setTextAfter),
                                   integer("Startingnumber", &Self::startingNumber, &Self::setStartingNumber),
                                   integer("RepeatEach", &Self::repeatEach, &Self::setRepeatEach),
                                   integer("LeadingZeros", &Self::leadingZeros, &Self::setLeadingZeros),
                               });
    return table;
}

QString TGCounterLabel::counterText(const QString &before, int value, const QString &after, int leadingZeros)
{
    const QString number = leadingZeros <= 0 ? QString::number(value)
                                             : QString::asprintf("%*.*d", leadingZeros, leadingZeros, value);
    return before + number + after;
}

void TGCounterLabel::UpdateCounterCaption()
{
    const QString text = counterText(m_textBefore, m_currentValue, m_textAfter, m_leadingZeros);
    if (text == caption())
        return;
    setCaption(text);
    // The next drawing, printing included, measures the new text.
    markLayoutStale();
}

// The texts and the padding show at once, so that the caption always matches what is stored.
void TGCounterLabel::setTextBefore(const QString &text)
{
    if (text == m_textBefore)
        return;
    m_textBefore = text;
    UpdateCounterCaption();
    Invalidate();
}

void TGCounterLabel::setTextAfter(const QString &text)
{
    if (text == m_textAfter)
        return;
    m_textAfter = text;
    UpdateCounterCaption();
    Invalidate();
}

void TGCounterLabel::setStartingNumber(int number)
{
    if (number == m_startingNumber)
        return;
    m_startingNumber = number;
    PrepareForPrinting();
}

void TGCounterLabel::setRepeatEach(int count)
{
    if (count == m_repeatEach)
        return;
    m_repeatEach = count;
    Invalidate();
}

void TGCounterLabel::setLeadingZeros(int digits)
{
    if (digits == m_leadingZeros)
        return;
    m_leadingZeros = digits;
    UpdateCounterCaption();
    Invalidate();
}

void TGCounterLabel::Loaded()
{
    TGBaseLabel::Loaded();
    PopupMenu &menu = *ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Counter Settings"), [this] { ShowCounterSettings(); });
    addRotationMenu();
}

void TGCounterLabel::Paint()
{
    UpdateCounterCaption();
    TGBaseLabel::Paint();
    if (paintingOnOwnCanvas())
        TGBaseLabel::BoundsChanged();
}

void TGCounterLabel::PrepareForPrinting()
{
    m_currentValue = m_startingNumber;
    m_repeatCount = 0;
    UpdateCounterCaption();
    Invalidate();
}

void TGCounterLabel::AdvanceAfterLabel()
{
    ++m_repeatCount;
    if (m_repeatCount != m_repeatEach)
        return;
    // Past the largest value the count wraps round, as 32-bit counters do.
    m_currentValue = int(unsigned(m_currentValue) + 1u);
    m_repeatCount = 0;
    UpdateCounterCaption();
    Invalidate();
}

void TGCounterLabel::PrepareNewObject(const Font &panelFont)
{
    setStartingNumber(1000);
    setTextBefore(QString());
    setTextAfter(QString());
    font() = panelFont;
}

bool TGCounterLabel::EditNewObject()
{
    ShowCounterSettings();
    return true;
}

void TGCounterLabel::ShowCounterSettings()
{
    TGetCounter dialog;
    dialog.setValues({m_textBefore, m_startingNumber, m_repeatEach, m_textAfter, m_leadingZeros});
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TGetCounter::Values chosen = dialog.values();
    setStartingNumber(chosen.startingNumber);
    setRepeatEach(chosen.repeatFor);
    setTextBefore(chosen.textBefore);
    setTextAfter(chosen.textAfter);
    setLeadingZeros(chosen.leadingZeros);
    // Sized to the padded number: the unpadded one would leave the box too narrow for the zeros,
    // cutting off the end of the text.
    UpdateCounterCaption();
    if (angle() == 0) {
        setWidth(10);
        FitToText();
    }
    Invalidate();
    NotifyChanged();
}
