#pragma once

#include <QDialog>

#include <array>

#include "layout/TLabelLayout.h"

class QLabel;
class QToolButton;

// "Printer Fine-Tuning": the four printer nudges in 1/32 inch, each moved by a two-arrow spinner
// within -8..+8. The caller stores nudges() after "Ok".
class TPrintFineTune : public QDialog
{
public:
    explicit TPrintFineTune(const PrinterNudges &current, QWidget *parent = nullptr);

    // The working values; after "Ok" the values to keep.
    PrinterNudges nudges() const { return m_nudges; }

    // "Decrease by n/32\"", "None" or "Increase by n/32\"".
    static QString nudgeText(int value);

    enum Spinner { TopMargin, LeftMargin, VerticalSpacing, HorizontalSpacing };
    // The upper arrow decreases, the lower one increases.
    QToolButton *upperArrow(Spinner spinner) const { return m_rows[spinner].up; }
    QToolButton *lowerArrow(Spinner spinner) const { return m_rows[spinner].down; }
    QLabel *valueText(Spinner spinner) const { return m_rows[spinner].value; }
    void DefaultButtonClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Row
    {
        QToolButton *up = nullptr;
        QToolButton *down = nullptr;
        QLabel *value = nullptr;
    };
    int &valueOf(Spinner spinner);
    void step(Spinner spinner, int delta);
    void refreshTexts();

    PrinterNudges m_nudges;
    std::array<Row, 4> m_rows;
};
