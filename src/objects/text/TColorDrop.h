#pragma once

#include <QComboBox>
#include <QString>

#include <vector>

#include "platform/Color.h"

// A drop-down list of the 18 named colours, each drawn as a swatch beside its name. It shows a
// colour by selecting the first entry of that value; a colour not in the list leaves both the
// selection and the remembered colour as they were.
class TColorDrop : public QComboBox
{
    Q_OBJECT

public:
    struct Entry
    {
        QString name;
        TColor color;
    };
    static const std::vector<Entry> &entries();
    // The first entry of that value; -1 when the colour is not in the list.
    static int indexOfColor(TColor color);

    explicit TColorDrop(QWidget *parent = nullptr);

    TColor color() const { return m_color; }
    void setColor(TColor color);

Q_SIGNALS:
    // The user picked an entry.
    void colorChanged(TColor color);

private:
    void entryChosen(int index);

    TColor m_color = Colors::clBlack;
};
